#include "board/Geometry.h"
#include "board/Table.h"
#include "pieces/Deal.h"
#include "pieces/PieceRoutines.h"
#include "platform/BusyPointer.h"
#include "platform/Module1.h"
#include "platform/PictureFile.h"
#include "platform/Services.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace Pieces {

namespace {
constexpr int kQuarterTurnAngle = 2; // 3.14159 / 2 taken to the nearest whole number
// From about a megapixel on, writing the two bitmaps takes longer than dealing.
constexpr qint64 kBackgroundSavePixels = 1 << 20;

void enableCutInputs(Controls& c, bool enabled)
{
    enableCommand(c.CmdImma, c.mImma, enabled);
    enableCommand(c.CmdGriglia, c.mGrig, enabled);
    enableCommand(c.CmdPuzzle, c.mPuzl, enabled);
    c.Righe->setEnabled(enabled);
    c.Colonne->setEnabled(enabled);
}
} // namespace

QString tempBitmapPath()
{
    return QDir(QDir::tempPath()).filePath(QStringLiteral("temp.bmp"));
}
QString tempTurnedBitmapPath()
{
    return QDir(QDir::tempPath()).filePath(QStringLiteral("tempV.bmp"));
}

void CmdPuzzle_Click(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    const int rows = s.rows();
    const int columns = s.columns();
    const int count = rows * columns;
    if (rows < 2 || columns < 2 || count > kMaxPieces) return;

    enableCutInputs(c, false);
    BusyPointer busy;
    // A bitmap still being written by the previous cut is finished before the
    // same files are written again.
    PictureFile::waitForBackgroundSaves();
    // The previous cut's quarter-turned copy goes before the new one is made,
    // so a big photo is never held turned twice.
    c.ImaVert.setImage(QImage());
    c.PictureClip2.setPicture(QImage());
    c.ImaOrigBMP.setImage(QImage());

    QImage upright = s.picture;
    if (upright.format() != QImage::Format_RGB32)
        upright = upright.convertToFormat(QImage::Format_RGB32);
    // Nothing in the game reads the bitmap files back, so for a big picture
    // the second core writes them while the pieces are dealt and drawn. A
    // small one is written at once: it costs nothing.
    const bool inBackground = qint64(upright.width()) * upright.height() >= kBackgroundSavePixels;
    auto save = [inBackground](const QImage& picture, const QString& path) {
        return inBackground ? PictureFile::saveBmpInBackground(picture, path)
                            : PictureFile::saveBmp(picture, path);
    };
    // The turn comes first, with both cores to itself.
    int width = upright.width();
    int height = upright.height();
    QImage turned = upright;
    Module1::RotateBitmap(turned, width, height, kQuarterTurnAngle);
    if (!save(upright, tempBitmapPath()) || !save(turned, tempTurnedBitmapPath())) {
        // Nothing is dealt yet: give the commands back and keep the grid.
        busy.release();
        t.services.messageBox(c.window, QStringLiteral("Impossible to load the image's bmp"), 0,
                              QStringLiteral("Error bmp"));
        enableCutInputs(c, true);
        c.CmdGriglia->setEnabled(false);
        return;
    }
    c.ImaOrigBMP.setImage(upright);
    c.ImaVert.setImage(turned);
    c.PictureClip2.setPicture(turned);
    c.PictureClip2.setRows(columns);
    c.PictureClip2.setColumns(rows);

    ++s.boardSerial;
    ImageView* templ = c.ImA->at(kTemplatePiece);
    templ->resize(s.cellWidth, s.cellHeight);
    templ->setStretch(true);

    if (!s.resumingGame) {
        s.pieceOrientation.assign(static_cast<size_t>(count) + 1, 0);
        s.pieceSlot.assign(static_cast<size_t>(count) + 1, 0);
    }
    SlotPool pool(count);
    const QPointF origin(s.gridLeft, s.gridTop);
    const QSizeF cell(s.cellWidth, s.cellHeight);
    for (int i = 0; i < count; ++i) {
        s.turnedCellIndex = turnedCellIndex(i, rows, columns);
        ImageView* view = c.ImA->create(i);
        int slot = i;
        if (!s.resumingGame) {
            t.services.reseedFromClock();
            slot = pool.take(pool.positionFor(t.services.random()));
            s.pieceSlot[i] = slot;
        }
        const QPointF at = Geometry::slotPosition(slot, origin, cell, columns);
        view->move(static_cast<float>(at.x()), static_cast<float>(at.y()));
        s.orientationRange = orientationRangeFor(tickedArrangement(t), s.orientationRange);
        s.scratchOrientation = s.resumingGame
                                   ? s.pieceOrientation[i]
                                   : drawOrientation(s.orientationRange, t.services.random());
        s.pieceOrientation[i] = s.scratchOrientation;
        s.currentPiece = i;
        // A view being dealt stands upright on its slot.
        RenderPiece(t, Orientation(s.scratchOrientation).isOdd());
    }
    s.pieceCount = count;
    if (!s.resumingGame) s.piecePlaced.assign(static_cast<size_t>(count) + 1, false);

    enableCommand(c.CmdRaccogli, c.mRaccogli, true);
    for (QAction* item : {c.mSpos, c.mRuot, c.mRove, c.mTrasp})
        item->setEnabled(false);
    s.gamePhase = 3;
}

int tickedArrangement(const Table& t)
{
    if (t.c.mSpos->isChecked()) return 1;
    if (t.c.mRuot->isChecked()) return 2;
    if (t.c.mRove->isChecked()) return 3;
    if (t.c.mTrasp->isChecked()) return 4;
    return 0;
}

void setArrangementTicks(Table& t, int mode)
{
    if (mode < 1 || mode > 4) return;
    QAction* items[] = {t.c.mSpos, t.c.mRuot, t.c.mRove, t.c.mTrasp};
    for (int i = 0; i < 4; ++i)
        items[i]->setChecked(i + 1 == mode);
}

void ArrangementToggled(Table& t, int mode)
{
    if (mode < 1 || mode > 4) return;
    QAction* items[] = {t.c.mSpos, t.c.mRuot, t.c.mRove, t.c.mTrasp};
    QAction* own = items[mode - 1];
    if (own->isChecked())
        for (QAction* other : items)
            if (other != own) other->setChecked(false);
}

} // namespace Pieces
