#include "board/Table.h"
#include "pieces/PieceRoutines.h"

#include <QAction>

namespace Pieces {

namespace {
// Paints the view's current picture mirrored through the scratch surface and
// makes the result the view's picture.
void mirrorThroughScratch(Table& t, double x, double y, double w, double h)
{
    ImageView* view = t.c.ImA->at(t.s.currentPiece);
    if (!view) return;
    Surface& box = t.c.pBox;
    box.clear();
    box.paint(view->picture(), x, y, w, h);
    view->setPicture(box.image());
}
} // namespace

void MirrorLeftRightUpright(Table& t)
{
    mirrorThroughScratch(t, t.s.cellWidth, 0, -t.s.cellWidth, t.s.cellHeight);
}
void MirrorLeftRightTurned(Table& t)
{
    mirrorThroughScratch(t, t.s.cellHeight, 0, -t.s.cellHeight, t.s.cellWidth);
}
void MirrorTopBottomUpright(Table& t)
{
    mirrorThroughScratch(t, 0, t.s.cellHeight, t.s.cellWidth, -t.s.cellHeight);
}
void MirrorTopBottomTurned(Table& t)
{
    mirrorThroughScratch(t, 0, t.s.cellWidth, t.s.cellHeight, -t.s.cellWidth);
}

void RenderPiece(Table& t, bool parityChanged)
{
    GameState& s = t.s;
    Controls& c = t.c;
    ImageView* view = c.ImA->at(s.currentPiece);
    if (!view) return;
    const int code = s.pieceOrientation[s.currentPiece];
    const double d = (s.cellWidth - s.cellHeight) / 2;
    const double cw = s.cellWidth, ch = s.cellHeight;

    if (!Orientation(code).isOdd()) {
        c.pBox.setSize(cw, ch);
        view->setPicture(c.PictureClip1.cell(s.currentPiece));
        view->resize(cw, ch);
        if (parityChanged)
            view->move(static_cast<float>(view->left() - d), static_cast<float>(view->top() + d));
    } else {
        c.pBox.setSize(ch, cw);
        view->setPicture(c.PictureClip2.cell(s.turnedCellIndex));
        view->resize(ch, cw);
        if (parityChanged)
            view->move(static_cast<float>(view->left() + d), static_cast<float>(view->top() - d));
    }

    // A turned-over piece that shows its back hides whatever the mirroring
    // would have drawn: skip that work, the view ends the same.
    ImageView* back = code >= 4 && s.scratchOrientation > 3 && !c.mTrasp->isChecked()
                          ? c.Retro[static_cast<size_t>(code)]
                          : nullptr;
    if (!back) {
        switch (code) {
        case 2:
            MirrorLeftRightUpright(t);
            MirrorTopBottomUpright(t);
            break;
        case 3:
            MirrorLeftRightTurned(t);
            MirrorTopBottomTurned(t);
            break;
        case 4: MirrorTopBottomUpright(t); break;
        case 5: MirrorTopBottomTurned(t); break;
        case 6: MirrorLeftRightUpright(t); break;
        case 7: MirrorLeftRightTurned(t); break;
        default: break;
        }
    } else {
        if (Orientation(code).isOdd())
            view->resize(ch, cw);
        else
            view->resize(cw, ch);
        view->setPicture(back->picture());
    }
    view->setVisible(true);
    view->setEnabledFlag(true);
}

} // namespace Pieces
