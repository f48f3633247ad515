#include "board/BoardRoutines.h"

#include "board/Geometry.h"
#include "board/GridInput.h"
#include "board/Table.h"
#include "pieces/PieceRoutines.h"
#include "platform/Module1.h"
#include "platform/PictureFile.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "savegame/SaveGame.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace Board {

namespace {
const QString kNotAccepted = QStringLiteral("Immage not accepted");
const QString kAttention = QStringLiteral("Attention !");
const QString kOpenFilter = QStringLiteral("All files(*.bmp;*.gif;*.jpg;*.jpeg;*.tsl)") + QChar(0) +
                            QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg;*.tsl");
const QString kPickGrid = QStringLiteral("2 - Pick a &Grid");
const QString kPickGridItem = QStringLiteral("2 - Pick a &Grid...");
const QString kTryGrid = QStringLiteral("2 - Try the &Grid");
const QString kTryGridItem = QStringLiteral("2 - Try the &Grid...");

void setGridCaptions(Controls& c, const QString& button, const QString& item)
{
    c.CmdGriglia->setText(button);
    c.mGrig->setText(item);
}

// Every piece takes the size of its code at the current cell size; fixed
// pieces go back into their cells.
void resizePieces(Table& t)
{
    GameState& s = t.s;
    const int columns = s.columns();
    const int count = s.rows() * columns;
    const QPointF origin(s.gridLeft, s.gridTop);
    const QSizeF cell(s.cellWidth, s.cellHeight);
    for (int i = 0; i < count; ++i) {
        ImageView* view = t.c.ImA->at(i);
        if (!view || i >= static_cast<int>(s.pieceOrientation.size())) continue;
        view->setVisible(false);
        if (Orientation(s.pieceOrientation[i]).isOdd())
            view->resize(s.cellHeight, s.cellWidth);
        else
            view->resize(s.cellWidth, s.cellHeight);
        if (i < static_cast<int>(s.piecePlaced.size()) && s.piecePlaced[i]) {
            const QPointF home = Geometry::slotPosition(i, origin, cell, columns);
            view->move(home.x(), home.y());
        }
        view->setVisible(true);
    }
}

// The rest of a zoom step once the reference view has its new size.
void afterZoomStep(Table& t)
{
    if (t.s.gamePhase >= 2) DrawGridLines(t);
    HideCommandPanel(t);
    if (t.s.gamePhase >= 3) resizePieces(t);
    Pieces::CmdRaccogli_Click(t);
}
} // namespace

void FitReferencePicture(Table& t)
{
    GameState& s = t.s;
    ImageView* ref = t.c.ImaOrig;
    const Geometry::Fit fit =
        Geometry::fitReference({ref->width(), ref->height()},
                               {s.referenceMaxWidth, s.referenceMaxHeight}, s.scaleX, s.scaleY);
    s.fitScale = fit.fitScale;
    s.scaleX = fit.scaleX;
    s.scaleY = fit.scaleY;
    s.referenceWidth = fit.width;
    s.referenceHeight = fit.height;
    ref->setStretch(true);
    ref->resize(s.referenceWidth, s.referenceHeight);
    s.zoomStepX = fit.zoomStepX;
    s.zoomStepY = fit.zoomStepY;
    s.zoomLevel = 0;

    const Geometry::PanelTops tops = Geometry::panelTops(ref->top(), ref->height());
    Twips::setTop(t.c.RC1, tops.label);
    for (QWidget* w : {static_cast<QWidget*>(t.c.CmdImma), static_cast<QWidget*>(t.c.CmdGriglia),
                       static_cast<QWidget*>(t.c.Righe), static_cast<QWidget*>(t.c.RC2),
                       static_cast<QWidget*>(t.c.Colonne)})
        Twips::setTop(w, tops.firstRow);
    for (QWidget* w : {t.c.CmdPuzzle, t.c.CmdRaccogli, t.c.CmdAzze})
        Twips::setTop(w, tops.secondRow);

    t.c.ImaCompl->setTop(
        Geometry::badgeTop(t.services.screenSizeTwips().height(), t.c.ImaCompl->height()));
}

namespace {
// The first steps of taking up a picture, whether it comes from the dialog or
// is dropped on the window.
void startPicking(Table& t)
{
    GameState& s = t.s;
    if (s.gamePhase > 1) CmdAzze_Click(t);
    s.gamePhase = 0;
    const QPointF origin =
        Geometry::gridOrigin(t.c.ImaOrig->left(), t.c.ImaOrig->top(), t.c.ImaOrig->width());
    s.gridLeft = origin.x();
    s.gridTop = origin.y();
    setViewMenuEnabled(t.c, true);
}
} // namespace

void CmdImma_Click(Table& t)
{
    startPicking(t);
    PickPicture(t);
}

bool DropFile(Table& t, const QString& path)
{
    if (!t.c.CmdImma->isEnabled() || path.trimmed().isEmpty()) return false;
    startPicking(t);
    // As the dialog does: the file's folder becomes the current directory.
    t.services.setCurrentDirectory(QFileInfo(path).absolutePath());
    t.s.picturePath = path.trimmed();
    TakeUpChosenFile(t);
    return true;
}

void PickPicture(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    if (s.lastDirectory.isEmpty()) s.lastDirectory = t.services.currentDirectory();
    t.services.setCurrentDirectory(s.lastDirectory);
    s.picturePath = Module1::ShowOpenDialog(t.services, c.window, kOpenFilter);
    if (s.picturePath.trimmed().isEmpty()) return;
    TakeUpChosenFile(t);
}

void TakeUpChosenFile(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    s.lastDirectory = t.services.currentDirectory();

    // A path without any "." names no type: forget the previous file's.
    const GridInput::PathParts parts = GridInput::splitPath(s.picturePath);
    s.pictureBaseName = parts.baseName;
    s.pictureExtension = parts.extension;
    s.resumingGame = false;
    // No piece is on the board while a picture can be picked, so the turned
    // copy of an earlier cut serves nothing more: let it go before a big photo
    // is decoded next to it.
    c.ImaVert.setImage(QImage());
    c.PictureClip2.setPicture(QImage());
    c.ImaOrigBMP.setImage(QImage());

    if (s.pictureExtension == QLatin1String("tsl")) {
        s.resumingGame = true;
        if (!SaveGame::ResumeSavedGame(t)) t.services.messageBox(c.window, kNotAccepted, 0);
        return;
    }

    // Load first: a file that is not a picture leaves the reference view as it was.
    const PictureFile::Loaded loaded = PictureFile::load(s.picturePath);
    if (!loaded.ok() || loaded.picture.isNull()) {
        t.services.messageBox(c.window, kNotAccepted, 0);
        return;
    }
    s.picture = loaded.picture;
    s.boardPicturePath = s.picturePath;
    c.ImaOrig->setStretch(false);
    c.ImaOrig->setPicture(s.picture);
    s.pictureNaturalWidth = c.ImaOrig->width();
    s.pictureNaturalHeight = c.ImaOrig->height();
    FitReferencePicture(t);
    s.gamePhase = 1;
    // The decoded pixels serve the splitter too: no second decode.
    c.PictureClip1.setPicture(s.picture);

    enableCommand(c.CmdGriglia, c.mGrig, true);
    setGridCaptions(c, kPickGrid, kPickGridItem);
    c.Righe->setEnabled(true);
    c.Colonne->setEnabled(true);
    enableCommand(c.CmdAzze, c.mAzze, true);
}

void CmdGriglia_Click(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    const int rows = GridInput::wholeCount(c.Righe->text());
    const int columns = GridInput::wholeCount(c.Colonne->text());
    if (rows < 2 || columns < 2) {
        t.services.messageBox(c.window, QStringLiteral("2 Rows and 2 Columns at least"),
                              MessageCode::kError, kAttention);
        return;
    }
    if (static_cast<qint64>(rows) * columns > kMaxPieces) {
        t.services.messageBox(
            c.window,
            QStringLiteral("%1 pieces at most: choose fewer Rows or Columns").arg(kMaxPieces),
            MessageCode::kError, kAttention);
        return;
    }
    if (c.liO->count() > 1 || c.Liv->count() > 1) RemoveGridLines(t);
    // A grid laid from the boxes is a new game, whatever saved game was picked
    // (and refused) before: the cut deals it afresh instead of taking the
    // piece arrays of an earlier board, and completing it deletes no file.
    // The resume marks its own grid again.
    s.resumingGame = false;
    s.gridRows = c.Righe->text();
    s.gridColumns = c.Colonne->text();
    c.PictureClip1.setRows(rows);
    c.PictureClip1.setColumns(columns);
    enableCommand(c.CmdPuzzle, c.mPuzl, true);
    s.createGridLines = true;
    s.pieceCount = rows * columns;
    DrawGridLines(t);
    s.createGridLines = false;
    enableCommand(c.CmdAzze, c.mAzze, true);
    s.draggedPiece = kNoPiece;
    s.gamePhase = 2;
}

void mGrig_Click(Table& t)
{
    // Reads one answer; false ends the command (silently unless it was a fraction).
    auto ask = [&t](const QString& prompt, QString& answer) {
        answer = t.services.inputBox(t.c.window, prompt, QStringLiteral("Answer here"));
        bool fraction = false;
        if (GridInput::leadingNumber(answer, &fraction) < 2) return false;
        if (fraction) {
            t.services.messageBox(t.c.window, QStringLiteral("Rows and Columns are whole numbers"),
                                  MessageCode::kError, kAttention);
            return false;
        }
        return true;
    };
    QString rows, columns;
    if (!ask(QStringLiteral("How many Rows ?"), rows)) return;
    if (!ask(QStringLiteral("How many Columns ?"), columns)) return;
    t.c.Righe->setText(rows);
    t.c.Colonne->setText(columns);
    CmdGriglia_Click(t);
}

void BoxClick(Table& t)
{
    if (t.s.pictureExtension == QLatin1String("tsl")) return;
    enableCommand(t.c.CmdPuzzle, t.c.mPuzl, false);
    RemoveGridLines(t);
    setGridCaptions(t.c, kTryGrid, kTryGridItem);
    enableCommand(t.c.CmdGriglia, t.c.mGrig, true);
}

void DrawGridLines(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    const int rows = s.rows();
    const int columns = s.columns();
    if (rows <= 0 || columns <= 0) return;
    const QPointF origin =
        Geometry::gridOrigin(c.ImaOrig->left(), c.ImaOrig->top(), c.ImaOrig->width());
    s.gridLeft = origin.x();
    s.gridTop = origin.y();
    const QSizeF cell = Geometry::cellSize({c.ImaOrig->width(), c.ImaOrig->height()}, s.zoomLevel,
                                           s.zoomStepX, s.zoomStepY, rows, columns);
    s.cellWidth = cell.width();
    s.cellHeight = cell.height();
    for (int i = 0; i <= rows; ++i) {
        LineView* line = c.liO->create(i);
        const double y = s.gridTop + i * s.cellHeight;
        line->setPoints(s.gridLeft, y, s.gridLeft + s.cellWidth * columns, y);
        line->setVisible(true);
    }
    for (int j = 0; j <= columns; ++j) {
        LineView* line = c.Liv->create(j);
        const double x = s.gridLeft + j * s.cellWidth;
        line->setPoints(x, s.gridTop, x, s.gridTop + s.cellHeight * rows);
        line->setVisible(true);
    }
    c.CmdGriglia->setEnabled(false);
}

void RemoveGridLines(Table& t)
{
    for (ViewSet<LineView>* set : {t.c.liO, t.c.Liv}) {
        const int count = set->count();
        for (int i = 1; i < count; ++i)
            set->remove(i);
        set->at(0)->setVisible(false);
    }
}

void EnlargeGridArea(Table& t)
{
    GameState& s = t.s;
    ImageView* ref = t.c.ImaOrig;
    if (ref->width() < s.zoomStepX || ref->height() < s.zoomStepY || s.cellHeight >= ref->width()) {
        t.services.beep();
        return;
    }
    s.zoomLevel -= 1;
    if (s.zoomLevel == 0) {
        ResetAreas(t);
        return;
    }
    ref->resize(ref->width() - s.zoomStepX, ref->height() - s.zoomStepY);
    afterZoomStep(t);
}

void ReduceGridArea(Table& t)
{
    GameState& s = t.s;
    ImageView* ref = t.c.ImaOrig;
    const QSizeF screen = t.services.screenSizeTwips();
    if (ref->width() >= screen.width() - 300 || ref->height() >= screen.height() - 1200) {
        t.services.beep();
        return;
    }
    s.zoomLevel += 1;
    if (s.zoomLevel == 0) {
        ResetAreas(t);
        return;
    }
    ref->resize(ref->width() + s.zoomStepX, ref->height() + s.zoomStepY);
    afterZoomStep(t);
}

void ResetAreas(Table& t)
{
    GameState& s = t.s;
    t.c.ImaOrig->resize(s.referenceWidth, s.referenceHeight);
    s.zoomLevel = 0;
    if (s.gamePhase >= 2) DrawGridLines(t);
    ShowCommandPanel(t);
    if (s.gamePhase >= 3) resizePieces(t);
    Pieces::CmdRaccogli_Click(t);
}

namespace {
void setPanelVisible(Controls& c, bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(c.CmdAzze), static_cast<QWidget*>(c.CmdRaccogli),
                       static_cast<QWidget*>(c.CmdImma), static_cast<QWidget*>(c.CmdGriglia),
                       static_cast<QWidget*>(c.CmdPuzzle), static_cast<QWidget*>(c.RC1),
                       static_cast<QWidget*>(c.RC2), static_cast<QWidget*>(c.Righe),
                       static_cast<QWidget*>(c.Colonne)})
        w->setVisible(visible);
}
} // namespace

void HideCommandPanel(Table& t)
{
    setPanelVisible(t.c, false);
}
void ShowCommandPanel(Table& t)
{
    setPanelVisible(t.c, true);
}

void CmdAzze_Click(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    ++s.boardSerial; // a gathering paused under way stops here

    c.ImaOrig->setPicture(c.CopiaImIni->picture());
    c.ImaOrig->setStretch(false);
    FitReferencePicture(t);
    // Nothing shows the picture any more: a big photo's pixels and its turned
    // copy are let go rather than held until the next pick.
    s.picture = QImage();
    s.boardPicturePath.clear();
    c.PictureClip1.setPicture(QImage());
    c.PictureClip2.setPicture(QImage());
    c.ImaVert.setImage(QImage());
    c.ImaOrigBMP.setImage(QImage());
    // The fit brings the zoom back to 0, so the panel that belongs to level 0
    // comes back with it.
    ShowCommandPanel(t);

    std::vector<int> pieces;
    c.ImA->forEach([&pieces](int index, ImageView*) {
        if (index != kTemplatePiece) pieces.push_back(index);
    });
    for (int index : pieces)
        c.ImA->remove(index);
    RemoveGridLines(t);
    Pieces::HideOutline(t);
    s.draggedPiece = kNoPiece;

    s.gamePhase = 0;
    s.createGridLines = true;
    enableCommand(c.CmdImma, c.mImma, true);
    enableCommand(c.CmdGriglia, c.mGrig, false);
    setGridCaptions(c, kPickGrid, kPickGridItem);
    c.Righe->setEnabled(false);
    c.Colonne->setEnabled(false);
    enableCommand(c.CmdPuzzle, c.mPuzl, false);
    enableCommand(c.CmdRaccogli, c.mRaccogli, false);
    enableCommand(c.CmdAzze, c.mAzze, false);
    c.ImaCompl->setVisible(false);
    c.client->update();
    c.mSalva->setEnabled(false);
    setViewMenuEnabled(c, false);
    for (QAction* item : {c.mSpos, c.mRuot, c.mRove, c.mTrasp})
        item->setEnabled(true);
}

} // namespace Board
