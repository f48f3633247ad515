// Cutting, drawing, dragging, the gestures, completion and gathering, played
// through mouse events on the piece views.
#include "GameFixture.h"

#include "board/BoardRoutines.h"
#include "pieces/PieceRoutines.h"
#include "platform/Twips.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    void translateOnlyDealsUprightPiecesOnEverySlot();
    void cutDisablesCommandsAndWritesBitmaps();
    void turnedPieceIsCentredOnItsSlot();
    void codesLookAsTheyShould_data();
    void codesLookAsTheyShould();

    void snapDistance_data();
    void snapDistance();
    void grabbedPointStaysUnderPointer();
    void refusalsKeepPieceAndShowNoDrop_data();
    void refusalsKeepPieceAndShowNoDrop();
    void panelRefusalOnlyWhileShown();
    void turnedPieceSnapsOnlyWhenUpright();
    void lastSnapCompletesAndRightPressFrees();
    void gesturesByArrangement_data();
    void gesturesByArrangement();
    void quarterTurnKeepsCentre();

    void oneLoosePieceLiesAtStartPoint();
    void cascadeEndsWithHighestPiece();
    void gatheringInterruptedByOtherCommands_data();
    void gatheringInterruptedByOtherCommands();
};

void TestPlay::translateOnlyDealsUprightPiecesOnEverySlot()
{
    GameFixture g;
    // Slot draws alternate with code draws: slots by 0, just below 1, 0, just below 1.
    g.services.randoms = {0.0, 0.0, 0.9999999, 0.0};
    g.dealt(2, 2, 1);
    QCOMPARE(g.s().gamePhase, 3);
    std::set<std::pair<double, double>> places;
    for (int i = 0; i < 4; ++i) {
        ImageView* p = g.piece(i);
        QCOMPARE(g.s().pieceOrientation[i], 0);
        QCOMPARE(p->width(), g.s().cellWidth);
        QCOMPARE(p->height(), g.s().cellHeight);
        const QPointF slot = g.home(g.s().pieceSlot[i]);
        QCOMPARE(p->left(), slot.x());
        QCOMPARE(p->top(), slot.y());
        places.insert({p->left(), p->top()});
        QVERIFY(p->visible() && p->enabled());
    }
    QCOMPARE(places.size(), size_t(4));
    // Draw 0 took the first slot of the pool, a draw just below 1 the last.
    QCOMPARE(g.s().pieceSlot, (std::vector<int>{0, 3, 1, 2, 0}));
    QCOMPARE(g.services.reseeds, 4);
}

void TestPlay::cutDisablesCommandsAndWritesBitmaps()
{
    GameFixture g;
    QFile::remove(Pieces::tempBitmapPath());
    g.dealt(3, 4, 3);
    for (QWidget* w : {(QWidget*)g.c().CmdImma, (QWidget*)g.c().CmdGriglia,
                       (QWidget*)g.c().CmdPuzzle, (QWidget*)g.c().Righe, (QWidget*)g.c().Colonne})
        QVERIFY(!w->isEnabled());
    for (QAction* a : {g.c().mImma, g.c().mGrig, g.c().mPuzl, g.c().mSpos, g.c().mRuot, g.c().mRove,
                       g.c().mTrasp, g.c().mSalva})
        QVERIFY(!a->isEnabled());
    QVERIFY(g.c().CmdRaccogli->isEnabled() && g.c().mRaccogli->isEnabled());
    QVERIFY(g.c().CmdAzze->isEnabled());
    QCOMPARE(QImage(Pieces::tempBitmapPath()).size(), QSize(160, 120));
    QCOMPARE(QImage(Pieces::tempTurnedBitmapPath()).size(), QSize(120, 160));
    QCOMPARE(g.c().ImA->count(), 13);
}

void TestPlay::turnedPieceIsCentredOnItsSlot()
{
    GameFixture g;
    // 2 x 2 cells of 80 x 53.33 pixels: cells 1200 x 800 twips once fitted.
    g.services.randoms = {0.0, 0.3}; // slot 0 first, then code floor(4 x 0.3) = 1
    g.setArrangement(2);
    g.pick(g.writePicture("r.bmp", 1, 1, 160, 107));
    g.c().Righe->setText("2");
    g.c().Colonne->setText("2");
    g.click(g.c().CmdGriglia);
    const double cw = g.s().cellWidth, ch = g.s().cellHeight;
    QCOMPARE(cw, 1200.0);
    g.click(g.c().CmdPuzzle);
    ImageView* p = g.piece(0);
    QCOMPARE(g.s().pieceOrientation[0], 1);
    const QPointF slot = g.home(g.s().pieceSlot[0]);
    const double d = (cw - ch) / 2;
    QCOMPARE(p->width(), ch);
    QCOMPARE(p->height(), cw);
    QCOMPARE(p->left(), double(float(slot.x() + d)));
    QCOMPARE(p->top(), double(float(slot.y() - d)));
}

namespace {
// The colour at the middle of a region of the view's picture, as fractions.
QColor at(const ImageView* view, double fx, double fy)
{
    const QImage& img = view->picture();
    return img.pixelColor(int(fx * (img.width() - 1)), int(fy * (img.height() - 1)));
}
bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}
} // namespace

void TestPlay::codesLookAsTheyShould_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("arrangement");
    // Which block of the picture shows in the view's top left, top right and
    // bottom left quarters. Piece 0 is blocks 0 1 over 4 5; -1 means the back.
    QTest::addColumn<int>("topLeft");
    QTest::addColumn<int>("topRight");
    QTest::addColumn<int>("bottomLeft");
    QTest::newRow("0 as cut") << 0 << 2 << 0 << 1 << 4;
    QTest::newRow("1 quarter turn") << 1 << 2 << 4 << 0 << 5;
    QTest::newRow("2 half turn") << 2 << 2 << 5 << 4 << 1;
    QTest::newRow("3 three quarters") << 3 << 2 << 1 << 5 << 0;
    QTest::newRow("4 transparent") << 4 << 4 << 4 << 5 << 0;
    QTest::newRow("5 transparent") << 5 << 4 << 5 << 1 << 4;
    QTest::newRow("6 transparent") << 6 << 4 << 1 << 0 << 5;
    QTest::newRow("7 transparent") << 7 << 4 << 0 << 4 << 1;
    QTest::newRow("4 back") << 4 << 3 << -1 << -1 << -1;
    QTest::newRow("5 back") << 5 << 3 << -1 << -1 << -1;
    QTest::newRow("6 back") << 6 << 3 << -1 << -1 << -1;
    QTest::newRow("7 back") << 7 << 3 << -1 << -1 << -1;
}

void TestPlay::codesLookAsTheyShould()
{
    QFETCH(int, code);
    QFETCH(int, arrangement);
    QFETCH(int, topLeft);
    QFETCH(int, topRight);
    QFETCH(int, bottomLeft);
    GameFixture g;
    // A 4 x 4 block picture under a 2 x 2 grid: each piece is 2 x 2 blocks.
    g.setArrangement(arrangement);
    g.pictureAndGrid(4, 4, 20, 20);
    g.c().Righe->setText("2");
    g.c().Colonne->setText("2");
    g.trigger("mGrig"); // no answers: nothing changes
    QTest::mouseClick(g.c().Righe, Qt::LeftButton);
    g.click(g.c().CmdGriglia);
    g.click(g.c().CmdPuzzle);
    Table t = g.form->table();
    g.s().pieceOrientation[0] = code;
    g.s().scratchOrientation = code;
    g.s().currentPiece = 0;
    g.s().turnedCellIndex = turnedCellIndex(0, 2, 2);
    Pieces::RenderPiece(t, false);
    const ImageView* p = g.piece(0);
    const bool odd = code % 2;
    QCOMPARE(p->width(), odd ? g.s().cellHeight : g.s().cellWidth);
    QCOMPARE(p->height(), odd ? g.s().cellWidth : g.s().cellHeight);
    if (topLeft < 0) {
        QCOMPARE(p->picture(), g.c().Retro[size_t(code)]->picture());
        return;
    }
    QVERIFY(near(at(p, 0.25, 0.25), TestPictures::cellColour(topLeft)));
    QVERIFY(near(at(p, 0.75, 0.25), TestPictures::cellColour(topRight)));
    QVERIFY(near(at(p, 0.25, 0.75), TestPictures::cellColour(bottomLeft)));
}

void TestPlay::snapDistance_data()
{
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<bool>("snaps");
    QTest::newRow("99.9 off on both axes") << 99.9 << -99.9 << true;
    QTest::newRow("100 off horizontally") << 100.0 << 0.0 << false;
    QTest::newRow("100 off vertically") << 0.0 << -100.0 << false;
    QTest::newRow("exactly home") << 0.0 << 0.0 << true;
}

void TestPlay::snapDistance()
{
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(bool, snaps);
    GameFixture g;
    g.dealt(2, 2, 1);
    // Move piece 3 (bottom right home) to a neutral place first, then near home.
    const QPointF home = g.home(3);
    g.drag(3, home + QPointF(dx, dy));
    QCOMPARE(bool(g.s().piecePlaced[3]), snaps);
    ImageView* p = g.piece(3);
    if (snaps) {
        QCOMPARE(p->left(), home.x());
        QCOMPARE(p->top(), home.y());
        QVERIFY(g.c().mSalva->isEnabled());
        QVERIFY(!g.c().liN->visible());
    } else {
        QCOMPARE(p->left(), home.x() + dx);
        QCOMPARE(p->top(), home.y() + dy);
    }
}

void TestPlay::grabbedPointStaysUnderPointer()
{
    GameFixture g;
    g.dealt(3, 3, 1);
    ImageView* p = g.piece(4);
    const QPointF start(p->left() + 37.5, p->top() + 22.25);
    g.press(p, start, Qt::LeftButton);
    QVERIFY(g.c().liN->visible());
    QCOMPARE(p->pointer(), PointerShape::SizeAll);
    // A long drag in fractional twips never drifts.
    QPointF pointer = start;
    for (int step = 0; step < 40; ++step) {
        pointer += QPointF(17.3, 11.1);
        g.moveTo(p, pointer);
    }
    QCOMPARE(p->left() + 37.5, pointer.x());
    QCOMPARE(p->top() + 22.25, pointer.y());
    QCOMPARE(g.c().liN->x1(), p->left());
    QCOMPARE(g.c().liE->y2(), p->top() + p->height());
    g.release(p, pointer);
    QVERIFY(!g.c().liN->visible());
    QCOMPARE(p->pointer(), PointerShape::Default);
    // Moving over a piece with no button held moves nothing.
    const double left = p->left();
    g.moveTo(p, pointer + QPointF(300, 300), Qt::NoButton);
    QCOMPARE(p->left(), left);
}

void TestPlay::refusalsKeepPieceAndShowNoDrop_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("refused");
    QTest::newRow("half off the left") << "left" << false;
    QTest::newRow("more than half off the left") << "left+" << true;
    QTest::newRow("half off the right") << "right" << false;
    QTest::newRow("more than half off the right") << "right+" << true;
    QTest::newRow("half off the top") << "top" << false;
    QTest::newRow("more than half off the top") << "top+" << true;
    QTest::newRow("bottom edge on the screen's") << "bottom" << false;
    QTest::newRow("past the bottom") << "bottom+" << true;
    QTest::newRow("centre over the reference picture") << "reference" << true;
}

void TestPlay::refusalsKeepPieceAndShowNoDrop()
{
    QFETCH(QString, where);
    QFETCH(bool, refused);
    GameFixture g;
    g.dealt(3, 3, 1);
    g.type('+'); // hide the command panel, which has a refusal of its own
    ImageView* p = g.piece(0);
    const double w = p->width(), h = p->height();
    const double sw = g.services.screen.width(), sh = g.services.screen.height();
    const double belowReference = g.c().ImaOrig->top() + g.c().ImaOrig->height() + 200;
    const double freeX = 12000;
    QPointF target;
    if (where == "left") target = {-w / 2, belowReference};
    if (where == "left+") target = {-w / 2 - 0.5, belowReference};
    if (where == "right") target = {sw - w / 2, belowReference};
    if (where == "right+") target = {sw - w / 2 + 0.5, belowReference};
    if (where == "top") target = {freeX, -h / 2};
    if (where == "top+") target = {freeX, -h / 2 - 0.5};
    if (where == "bottom") target = {freeX, sh - h};
    if (where == "bottom+") target = {freeX, sh - h + 0.5};
    if (where == "reference") target = {200, 200};
    const double startLeft = p->left(), startTop = p->top();
    g.drag(0, target, false);
    if (refused) {
        QCOMPARE(p->pointer(), PointerShape::NoDrop);
        QCOMPARE(p->left(), startLeft);
        QCOMPARE(p->top(), startTop);
    } else {
        QCOMPARE(p->pointer(), PointerShape::SizeAll);
        QCOMPARE(p->left(), target.x());
        QCOMPARE(p->top(), target.y());
    }
}

void TestPlay::panelRefusalOnlyWhileShown()
{
    GameFixture g;
    g.dealt(3, 3, 1);
    ImageView* p = g.piece(0);
    const QRectF rc1 = Twips::placed(g.c().RC1);
    // Left of the panel's right edge, bottom edge below its top: refused.
    const QPointF into(rc1.left() + rc1.width() - p->width(), rc1.top() - p->height() + 10);
    g.drag(0, into, true);
    QVERIFY(p->left() != into.x());
    g.type('+'); // the panel hides
    const QPointF again(into.x(), g.c().ImaOrig->top() + g.c().ImaOrig->height() + 400);
    g.drag(0, again, true);
    QCOMPARE(p->left(), again.x());
    QCOMPARE(p->top(), again.y());
}

void TestPlay::turnedPieceSnapsOnlyWhenUpright()
{
    GameFixture g;
    g.services.randoms = {0.0, 0.3}; // every piece: first free slot, code 1
    g.dealt(2, 2, 2);
    QCOMPARE(g.s().pieceOrientation[0], 1);
    // Quarter turns bring it to 0 only after three more.
    g.drag(0, g.home(0) + QPointF(-200, 0));
    QVERIFY(!g.s().piecePlaced[0]);
    ImageView* p = g.piece(0);
    for (int turn = 0; turn < 3; ++turn)
        g.press(p, QPointF(p->left() + 10, p->top() + 10), Qt::LeftButton, Qt::ControlModifier),
            g.release(p, QPointF(p->left() + 10, p->top() + 10));
    QCOMPARE(g.s().pieceOrientation[0], 0);
    QVERIFY(!g.s().piecePlaced[0]);
    g.drag(0, g.home(0) + QPointF(50, 50));
    QVERIFY(g.s().piecePlaced[0]);
    // Later moves of the same press leave the fixed piece where it is.
    g.moveTo(p, g.home(0) + QPointF(2000, 2000));
    QCOMPARE(p->left(), g.home(0).x());
}

void TestPlay::lastSnapCompletesAndRightPressFrees()
{
    GameFixture g;
    g.dealt(2, 2, 1);
    for (int i = 0; i < 3; ++i)
        g.drag(i, g.home(i));
    QCOMPARE(g.s().gamePhase, 3);
    QVERIFY(!g.c().ImaCompl->visible());
    g.drag(3, g.home(3));
    QCOMPARE(g.s().gamePhase, 4);
    QVERIFY(g.c().ImaCompl->visible());
    QVERIFY(!g.c().CmdRaccogli->isEnabled() && !g.c().mRaccogli->isEnabled());
    QVERIFY(!g.c().mSalva->isEnabled());
    // Left and middle presses on a complete board do nothing.
    ImageView* p = g.piece(2);
    g.press(p, g.home(2) + QPointF(5, 5), Qt::LeftButton, Qt::ControlModifier);
    g.press(p, g.home(2) + QPointF(5, 5), Qt::MiddleButton);
    QCOMPARE(g.s().pieceOrientation[2], 0);
    QVERIFY(!g.c().liN->visible());
    // A right press (with Shift held too) frees the piece and reopens the game.
    g.press(p, g.home(2) + QPointF(5, 5), Qt::RightButton, Qt::ShiftModifier);
    QCOMPARE(g.s().gamePhase, 3);
    QVERIFY(!g.s().piecePlaced[2]);
    QVERIFY(!g.c().ImaCompl->visible());
    QVERIFY(g.c().mSalva->isEnabled() && g.c().CmdRaccogli->isEnabled());
    QCOMPARE(p->left(), g.home(2).x());
    g.moveTo(p, g.home(2) + QPointF(800, 800), Qt::RightButton);
    QCOMPARE(p->left(), g.home(2).x());
}

void TestPlay::gesturesByArrangement_data()
{
    QTest::addColumn<int>("arrangement"); // 0 none ticked
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expectedCode"); // starting from 0; -1 means a drag
    const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    QTest::newRow("translate ctrl drags") << 1 << ctrl << -1;
    QTest::newRow("rotate ctrl turns") << 2 << ctrl << 1;
    QTest::newRow("rotate shift drags") << 2 << shift << -1;
    QTest::newRow("upset shift turns over") << 3 << shift << 4;
    QTest::newRow("transparent shift turns over") << 4 << shift << 4;
    QTest::newRow("upset ctrl+shift drags") << 3 << (ctrl | shift) << -1;
    QTest::newRow("upset ctrl+alt drags") << 3 << (ctrl | alt) << -1;
    QTest::newRow("none ctrl turns") << 0 << ctrl << 1;
    QTest::newRow("none shift drags") << 0 << shift << -1;
}

void TestPlay::gesturesByArrangement()
{
    QFETCH(int, arrangement);
    QFETCH(int, modifiers);
    QFETCH(int, expectedCode);
    GameFixture g;
    if (arrangement == 0)
        g.c().mRove->trigger(); // untick the default
    else
        g.setArrangement(arrangement);
    g.pictureAndGrid(2, 2, 200, 100); // a grid right of the command panel
    g.click(g.c().CmdPuzzle);
    // Whatever was dealt, start from an upright loose piece.
    Table t = g.form->table();
    g.s().pieceOrientation[1] = 0;
    g.s().scratchOrientation = 0;
    g.s().currentPiece = 1;
    Pieces::RenderPiece(t, false);
    ImageView* p = g.piece(1);
    const QPointF at(p->left() + 20, p->top() + 20);
    g.press(p, at, Qt::LeftButton, Qt::KeyboardModifiers(modifiers));
    g.moveTo(p, at + QPointF(0, 2000));
    if (expectedCode < 0) {
        QCOMPARE(g.s().pieceOrientation[1], 0);
        QCOMPARE(g.s().draggedPiece, 1);
        QCOMPARE(p->top(), at.y() - 20 + 2000);
    } else {
        QCOMPARE(g.s().pieceOrientation[1], expectedCode);
        QCOMPARE(g.s().draggedPiece, 99);
        QVERIFY(!g.c().liN->visible());
        QCOMPARE(p->pointer(), expectedCode == 4 ? PointerShape::SizeAll : PointerShape::Default);
        QVERIFY(p->top() < at.y() + 1000);
    }
}

void TestPlay::quarterTurnKeepsCentre()
{
    GameFixture g;
    g.services.randoms = {0.0, 0.0};
    g.setArrangement(2);
    g.pictureAndGrid(2, 2, 90, 40);
    g.click(g.c().CmdPuzzle);
    ImageView* p = g.piece(0);
    const QPointF centre(p->left() + p->width() / 2, p->top() + p->height() / 2);
    const QSizeF size(p->width(), p->height());
    for (int turn = 1; turn <= 4; ++turn) {
        g.press(p, centre, Qt::LeftButton, Qt::ControlModifier);
        g.release(p, centre);
        QCOMPARE(g.s().pieceOrientation[0], turn % 4);
        QVERIFY(std::abs(p->left() + p->width() / 2 - centre.x()) < 0.01);
        QVERIFY(std::abs(p->top() + p->height() / 2 - centre.y()) < 0.01);
        QCOMPARE(QSizeF(p->width(), p->height()), turn % 2 ? size.transposed() : size);
    }
    // A turn-over keeps size and place.
    g.c().mRove->setEnabled(true);
    g.c().mRove->setChecked(true);
    g.c().mRuot->setChecked(false);
    const QRectF before(p->left(), p->top(), p->width(), p->height());
    g.press(p, centre, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(g.s().pieceOrientation[0], 4);
    QCOMPARE(QRectF(p->left(), p->top(), p->width(), p->height()), before);
}

void TestPlay::oneLoosePieceLiesAtStartPoint()
{
    GameFixture g;
    g.dealt(2, 2, 1);
    for (int i = 0; i < 3; ++i)
        g.drag(i, g.home(i));
    g.click(g.c().CmdRaccogli);
    const double startY = g.c().Liv->at(0)->y2() + 50;
    double startX = g.s().gridLeft;
    const QRectF clear = Twips::placed(g.c().CmdAzze);
    if (clear.left() + clear.width() > startX) startX = clear.left() + clear.width() + 50;
    QCOMPARE(g.piece(3)->left(), std::nearbyint(startX));
    QCOMPARE(g.piece(3)->top(), std::nearbyint(startY));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(g.piece(i)->left(), g.home(i).x());
}

void TestPlay::cascadeEndsWithHighestPiece()
{
    GameFixture g;
    g.services.randoms = {0.99, 0.0, 0.5, 0.99, 0.2};
    g.dealt(3, 4, 1);
    g.drag(11, g.home(11)); // the highest loose piece is then 10
    g.click(g.c().CmdRaccogli);
    double lastTop = -1e9;
    int last = -1;
    for (int i = 0; i < 12; ++i) {
        if (g.s().piecePlaced[i]) continue;
        if (g.piece(i)->top() > lastTop) {
            lastTop = g.piece(i)->top();
            last = i;
        }
    }
    QCOMPARE(last, 10);
}

void TestPlay::gatheringInterruptedByOtherCommands_data()
{
    QTest::addColumn<QString>("interruption");
    QTest::newRow("clear") << "clear";
    QTest::newRow("clear and cut anew") << "recut";
    QTest::newRow("zoom") << "zoom";
    QTest::newRow("gather again") << "gather";
}

void TestPlay::gatheringInterruptedByOtherCommands()
{
    QFETCH(QString, interruption);
    GameFixture g;
    g.dealt(3, 3, 3);
    g.services.onPendingEvents = [&] {
        if (interruption == "clear") g.click(g.c().CmdAzze);
        if (interruption == "recut") {
            g.click(g.c().CmdAzze);
            g.dealt(2, 2, 1);
        }
        if (interruption == "zoom") g.type('+');
        if (interruption == "gather") g.click(g.c().CmdRaccogli);
    };
    g.click(g.c().CmdRaccogli);
    // Whatever ran in the pause, every piece that exists is shown, and a
    // finished board is consistent.
    g.c().ImA->forEach([](int index, ImageView* view) {
        if (index != 999) QVERIFY(view->visible());
    });
    if (interruption == "clear") QCOMPARE(g.c().ImA->count(), 1);
    if (interruption == "recut") QCOMPARE(g.c().ImA->count(), 5);
}

QTEST_MAIN(TestPlay)
#include "test_play.moc"
