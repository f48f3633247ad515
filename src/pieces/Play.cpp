#include "board/Geometry.h"
#include "board/Table.h"
#include "pieces/DragRules.h"
#include "pieces/PieceRoutines.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace Pieces {

namespace {
bool isPlaced(const GameState& s, int index)
{
    return index >= 0 && index < static_cast<int>(s.piecePlaced.size()) && s.piecePlaced[index];
}

void placeOutline(Table& t, const ImageView* view)
{
    const double l = view->left(), top = view->top();
    const double r = l + view->width(), b = top + view->height();
    Controls& c = t.c;
    c.liN->setPoints(l, top, r, top);
    c.liOv->setPoints(l, top, l, b);
    c.liS->setPoints(l, b, r, b);
    c.liE->setPoints(r, top, r, b);
    for (LineView* line : {c.liN, c.liOv, c.liS, c.liE}) {
        line->setVisible(true);
        line->raise();
    }
}

// Turns piece `index` to `code` and draws it.
void turnPiece(Table& t, int index, int code, bool parityChanged)
{
    GameState& s = t.s;
    s.draggedPiece = kNoPiece;
    s.scratchOrientation = code;
    s.currentPiece = index;
    s.pieceOrientation[index] = code;
    s.turnedCellIndex = turnedCellIndex(index, s.rows(), s.columns());
    RenderPiece(t, parityChanged);
    t.c.ImA->at(index)->setPointer(PointerShape::Default);
    HideOutline(t);
}
} // namespace

void HideOutline(Table& t)
{
    for (LineView* line : {t.c.liN, t.c.liOv, t.c.liS, t.c.liE})
        line->setVisible(false);
}

void ImA_MouseDown(Table& t, int index, int button, int shift, double x, double y)
{
    GameState& s = t.s;
    Controls& c = t.c;
    ImageView* view = c.ImA->at(index);
    if (!view || index >= static_cast<int>(s.pieceOrientation.size())) return;
    s.grabX = x;
    s.grabY = y;
    const DragRules::Arrangement arrangement{c.mSpos->isChecked(),
                                             c.mRove->isChecked() || c.mTrasp->isChecked()};
    const DragRules::Gesture gesture =
        DragRules::gesture(isPlaced(s, index), button, shift, arrangement);

    switch (gesture) {
    case DragRules::Gesture::Free:
        s.piecePlaced[index] = false;
        s.gamePhase = 3;
        c.ImaCompl->setVisible(false);
        c.mSalva->setEnabled(true);
        enableCommand(c.CmdRaccogli, c.mRaccogli, true);
        return;
    case DragRules::Gesture::Nothing: return;
    default: break;
    }

    s.draggedPiece = index;
    s.pointerX = view->left();
    s.pointerY = view->top();
    placeOutline(t, view);

    if (gesture == DragRules::Gesture::QuarterTurn) {
        turnPiece(t, index, Orientation(s.pieceOrientation[index]).quarterTurned().code(), true);
        return;
    }
    if (gesture == DragRules::Gesture::TurnOver)
        turnPiece(t, index, Orientation(s.pieceOrientation[index]).turnedOver().code(), false);
    view->setPointer(PointerShape::SizeAll);
}

void ImA_MouseMove(Table& t, int index, int, int, double x, double y)
{
    GameState& s = t.s;
    Controls& c = t.c;
    // Moves belong to the piece being dragged. The platform's pointer capture
    // ends when that view is hidden, as a gathering does with the button still
    // held, and the moves then reach whatever piece lies under the pointer.
    if (s.draggedPiece == kNoPiece || index != s.draggedPiece || isPlaced(s, index)) return;
    ImageView* view = c.ImA->at(index);
    if (!view) return;

    const double keptX = s.pointerX, keptY = s.pointerY;
    s.pointerX += x - s.grabX;
    s.pointerY += y - s.grabY;

    const DragRules::Scene scene{
        t.services.screenSizeTwips(),
        QRectF(c.ImaOrig->left(), c.ImaOrig->top(), c.ImaOrig->width(), c.ImaOrig->height()),
        !c.RC1->isHidden(), Twips::placed(c.RC1)};
    if (DragRules::refusal(s.pointerX, s.pointerY, {view->width(), view->height()}, scene) !=
        DragRules::Refusal::None) {
        view->setPointer(PointerShape::NoDrop);
        s.pointerX = keptX;
        s.pointerY = keptY;
        return;
    }
    view->setPointer(PointerShape::SizeAll);
    view->move(s.pointerX, s.pointerY);
    placeOutline(t, view);

    const QPointF home = Geometry::slotPosition(index, {s.gridLeft, s.gridTop},
                                                {s.cellWidth, s.cellHeight}, s.columns());
    if (DragRules::snaps(s.pointerX, s.pointerY, home.x(), home.y(), s.pieceOrientation[index])) {
        view->move(home.x(), home.y());
        HideOutline(t);
        s.piecePlaced[index] = true;
        c.mSalva->setEnabled(true);
        CheckCompletion(t);
    }
}

void ImA_MouseUp(Table& t, int index, int, int, double, double)
{
    t.s.draggedPiece = kNoPiece;
    if (ImageView* view = t.c.ImA->at(index)) view->setPointer(PointerShape::Default);
    HideOutline(t);
}

void CheckCompletion(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    for (int i = 0; i < s.pieceCount; ++i)
        if (!isPlaced(s, i)) return;
    s.gamePhase = 4;
    c.ImaCompl->setVisible(true);
    c.ImaCompl->raise();
    enableCommand(c.CmdRaccogli, c.mRaccogli, false);
    c.mSalva->setEnabled(false);
    // A game taken up from a saved file is finished: the file has served. One
    // that is already gone is no error. A saved file that was picked but
    // refused is not this game's, and stays.
    if (s.resumingGame && s.pictureExtension == QLatin1String("tsl"))
        t.services.deleteFile(s.pictureBaseName + QStringLiteral(".tsl"));
}

} // namespace Pieces
