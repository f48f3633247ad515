#include "board/Table.h"
#include "pieces/GatherPlan.h"
#include "pieces/PieceRoutines.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace Pieces {

void CmdRaccogli_Click(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    if (s.gamePhase < 3) return;
    const quint64 mySerial = ++s.gatherSerial;
    const quint64 board = s.boardSerial;

    std::vector<int> loose;
    for (int i = 0; i < s.pieceCount; ++i) {
        if (i < static_cast<int>(s.piecePlaced.size()) && s.piecePlaced[i]) continue;
        if (ImageView* view = c.ImA->at(i)) view->setVisible(false);
        loose.push_back(i);
    }
    if (loose.empty()) return;

    GatherPlan::Input in{};
    in.remaining = static_cast<int>(loose.size());
    in.zoomLevel = s.zoomLevel;
    in.cellWidth = s.cellWidth;
    in.cellHeight = s.cellHeight;
    in.referenceLeft = c.ImaOrig->left();
    in.referenceTop = c.ImaOrig->top();
    in.referenceWidth = c.ImaOrig->width();
    in.referenceHeight = c.ImaOrig->height();
    in.gridLeft = s.gridLeft;
    in.gridBottom = c.Liv->at(0)->y2();
    in.gridWidth = c.liO->at(0)->x2() - c.liO->at(0)->x1();
    in.clearButtonVisible = !c.CmdAzze->isHidden();
    const QRectF clear = Twips::placed(c.CmdAzze);
    in.clearButtonRight = clear.left() + clear.width();
    in.windowHeight = Twips::fromPixels(c.window->frameGeometry().height());
    in.templateHeight = c.ImA->at(kTemplatePiece)->height();
    const GatherPlan::Plan plan = GatherPlan::plan(in);
    s.gatherX = plan.startX;
    s.gatherY = plan.startY;

    t.services.reseedFromClock();
    GatherPlan::TokenPool pool(loose);
    for (int n = pool.size(); n > 0; --n) {
        t.services.processPendingEvents();
        // The pause let other commands run: a newer gathering, a clear or a new
        // cut has taken over these pieces, so this one has nothing left to lay.
        if (s.gatherSerial != mySerial || s.boardSerial != board) return;
        const int piece = pool.take(pool.drawPosition(t.services.random()));
        ImageView* view = c.ImA->at(piece);
        if (!view) continue;
        view->setTop(s.gatherY);
        view->setLeft(s.gatherX);
        view->setVisible(true);
        s.gatherX = GatherPlan::roundTwip(s.gatherX + plan.stepX);
        s.gatherY = GatherPlan::roundTwip(s.gatherY + plan.stepY);
    }
}

} // namespace Pieces
