// The piece rules as plain values: the quarter-turned picture, orientation
// codes, the deal, the drag decisions and the gathering cascade. Expected
// values are worked out by hand from the rules of the game.
#include "TestPictures.h"
#include "pieces/Deal.h"
#include "pieces/DragRules.h"
#include "pieces/GatherPlan.h"
#include "pieces/Orientation.h"
#include "platform/Module1.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(DragRules::Refusal)
Q_DECLARE_METATYPE(DragRules::Gesture)
Q_DECLARE_METATYPE(GatherPlan::Input)

// Readable names when a comparison fails.
namespace DragRules {
char* toString(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None: return qstrdup("None");
    case Refusal::OffScreen: return qstrdup("OffScreen");
    case Refusal::OverReference: return qstrdup("OverReference");
    case Refusal::IntoPanel: return qstrdup("IntoPanel");
    }
    return qstrdup("?");
}
char* toString(Gesture gesture)
{
    switch (gesture) {
    case Gesture::Free: return qstrdup("Free");
    case Gesture::Nothing: return qstrdup("Nothing");
    case Gesture::QuarterTurn: return qstrdup("QuarterTurn");
    case Gesture::TurnOver: return qstrdup("TurnOver");
    case Gesture::Drag: return qstrdup("Drag");
    }
    return qstrdup("?");
}
} // namespace DragRules

namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);

// A picture with one distinct colour per pixel, so every pixel's landing place shows.
QRgb pixelColour(int x, int y)
{
    return qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256));
}

QImage numberedPixels(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, pixelColour(x, y));
    return image.convertToFormat(format);
}

// 3 x 2 pixels: a b c on top, d e f below.
const QRgb a = qRgb(255, 0, 0), b = qRgb(0, 255, 0), c = qRgb(0, 0, 255), d = qRgb(255, 255, 0),
           e = qRgb(0, 255, 255), f = qRgb(255, 0, 255);

QImage abcdef()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, a);
    image.setPixel(1, 0, b);
    image.setPixel(2, 0, c);
    image.setPixel(0, 1, d);
    image.setPixel(1, 1, e);
    image.setPixel(2, 1, f);
    return image;
}

// Reads the picture's rows from the top, each left to right.
QList<QRgb> rowsOf(const QImage& image)
{
    QList<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels << image.pixel(x, y);
    return pixels;
}

std::vector<int> toVector(const QList<int>& list)
{
    return {list.begin(), list.end()};
}

// Screen 1024 x 768 px, an 800 x 600 px picture fitted at (120, 120), the
// label RC1 of the command panel 100 twips below it, 3000 twips wide.
DragRules::Scene scene(bool panelVisible)
{
    return {QSizeF(15360, 11520), QRectF(120, 120, 7530, 5647.5), panelVisible,
            QRectF(120, 5867.5, 3000, 240)};
}

// The 3 x 4 board of that picture, 12 loose pieces, the cascade below the grid.
GatherPlan::Input belowGrid()
{
    return {.remaining = 12,
            .zoomLevel = 0,
            .cellWidth = 1882.5,
            .cellHeight = 1882.5,
            .referenceLeft = 120,
            .referenceTop = 120,
            .referenceWidth = 7530,
            .referenceHeight = 5647.5,
            .gridLeft = 7680,
            .gridBottom = 5767.5,
            .gridWidth = 7530,
            .clearButtonVisible = true,
            .clearButtonRight = 3120,
            .windowHeight = 11520,
            .templateHeight = 1882.5};
}

} // namespace

class PiecesCoreTest : public QObject {
    Q_OBJECT

  private slots:
    void quarterTurnOfThreeByTwo();
    void singlePixelStaysItself();
    void angleZeroCopies();
    void angleThreeTurnsHalf();
    void quarterTurnMovesEveryPixel_data();
    void quarterTurnMovesEveryPixel();
    void turnedCellIndex_data();
    void turnedCellIndex();
    void turnedPictureHoldsEachPieceAtItsTurnedCell();

    void orientationSteps_data();
    void orientationSteps();

    void slotPoolDrawsInOrder_data();
    void slotPoolDrawsInOrder();
    void slotPoolLastSlotJustBelowOne_data();
    void slotPoolLastSlotJustBelowOne();
    void wholeDealGivesEverySlotOnePiece_data();
    void wholeDealGivesEverySlotOnePiece();
    void drawOrientation_data();
    void drawOrientation();
    void orientationRangeFromArrangement_data();
    void orientationRangeFromArrangement();

    void refusal_data();
    void refusal();
    void snaps_data();
    void snaps();
    void gesture_data();
    void gesture();

    void tokenPoolLayout_data();
    void tokenPoolLayout();
    void tokenDrawPosition_data();
    void tokenDrawPosition();
    void tokensLaidInOrder_data();
    void tokensLaidInOrder();
    void gatherPlan_data();
    void gatherPlan();
};

void PiecesCoreTest::quarterTurnOfThreeByTwo()
{
    QImage surface = abcdef();
    int width = 3, height = 2;
    Module1::RotateBitmap(surface, width, height, 2);
    QCOMPARE(width, 2);
    QCOMPARE(height, 3);
    QCOMPARE(surface.size(), QSize(2, 3));
    QCOMPARE(rowsOf(surface), (QList<QRgb>{d, a, e, b, f, c}));
}

void PiecesCoreTest::singlePixelStaysItself()
{
    QImage surface(1, 1, QImage::Format_RGB32);
    surface.setPixel(0, 0, e);
    int width = 1, height = 1;
    Module1::RotateBitmap(surface, width, height, 2);
    QCOMPARE(width, 1);
    QCOMPARE(height, 1);
    QCOMPARE(surface.pixel(0, 0), e);
}

void PiecesCoreTest::angleZeroCopies()
{
    const QImage original = numberedPixels(5, 4, QImage::Format_RGB32);
    QImage surface = original;
    int width = 5, height = 4;
    Module1::RotateBitmap(surface, width, height, 0);
    QCOMPARE(width, 5);
    QCOMPARE(height, 4);
    QCOMPARE(rowsOf(surface), rowsOf(original));
}

void PiecesCoreTest::angleThreeTurnsHalf()
{
    QImage surface = abcdef();
    int width = 3, height = 2;
    Module1::RotateBitmap(surface, width, height, 3);
    QCOMPARE(width, 3);
    QCOMPARE(height, 2);
    QCOMPARE(rowsOf(surface), (QList<QRgb>{f, e, d, c, b, a}));
}

void PiecesCoreTest::quarterTurnMovesEveryPixel_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("format");
    QTest::newRow("1 x 5") << 1 << 5 << int(QImage::Format_RGB32);
    QTest::newRow("5 x 1") << 5 << 1 << int(QImage::Format_RGB32);
    QTest::newRow("2 x 2") << 2 << 2 << int(QImage::Format_RGB32);
    QTest::newRow("7 x 3") << 7 << 3 << int(QImage::Format_RGB32);
    QTest::newRow("64 x 64") << 64 << 64 << int(QImage::Format_RGB32);
    QTest::newRow("130 x 70") << 130 << 70 << int(QImage::Format_RGB32);
    QTest::newRow("300 x 2") << 300 << 2 << int(QImage::Format_RGB32);
    QTest::newRow("24-bit picture") << 9 << 4 << int(QImage::Format_RGB888);
    QTest::newRow("picture with alpha") << 6 << 11 << int(QImage::Format_ARGB32);
}

void PiecesCoreTest::quarterTurnMovesEveryPixel()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, format);
    QImage surface = numberedPixels(width, height, QImage::Format(format));
    int newWidth = width, newHeight = height;
    Module1::RotateBitmap(surface, newWidth, newHeight, 2);
    QCOMPARE(newWidth, height);
    QCOMPARE(newHeight, width);
    QCOMPARE(surface.size(), QSize(height, width));
    // Source pixel (x, y) lands at (H - 1 - y, x): the top row becomes the right column.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            QCOMPARE(surface.pixel(height - 1 - y, x), pixelColour(x, y));
}

void PiecesCoreTest::turnedCellIndex_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<int>>("indices");
    QTest::newRow("3 x 4") << 3 << 4 << QList<int>{2, 5, 8, 11, 1, 4, 7, 10, 0, 3, 6, 9};
    QTest::newRow("2 x 2") << 2 << 2 << QList<int>{1, 3, 0, 2};
    QTest::newRow("2 x 3") << 2 << 3 << QList<int>{1, 3, 5, 0, 2, 4};
    QTest::newRow("3 x 2") << 3 << 2 << QList<int>{2, 5, 1, 4, 0, 3};
}

void PiecesCoreTest::turnedCellIndex()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QList<int>, indices);
    QList<int> actual;
    for (int piece = 0; piece < rows * columns; ++piece)
        actual << ::turnedCellIndex(piece, rows, columns);
    QCOMPARE(actual, indices);
}

void PiecesCoreTest::turnedPictureHoldsEachPieceAtItsTurnedCell()
{
    // 3 rows x 4 columns of 5 x 4 pixel blocks; turned, the picture is
    // 12 x 20 pixels: 4 rows x 3 columns of 4 x 5 pixel cells.
    const int rows = 3, columns = 4, blockW = 5, blockH = 4;
    QImage surface = TestPictures::blocks(rows, columns, blockW, blockH);
    int width = surface.width(), height = surface.height();
    Module1::RotateBitmap(surface, width, height, 2);
    QCOMPARE(QSize(width, height), QSize(rows * blockH, columns * blockW));

    const QList<int> turned{2, 5, 8, 11, 1, 4, 7, 10, 0, 3, 6, 9};
    const int turnedCellW = blockH, turnedCellH = blockW;
    for (int piece = 0; piece < rows * columns; ++piece) {
        const int cell = turned[piece];
        const int left = (cell % rows) * turnedCellW, top = (cell / rows) * turnedCellH;
        for (int y = top; y < top + turnedCellH; ++y)
            for (int x = left; x < left + turnedCellW; ++x)
                QCOMPARE(surface.pixel(x, y), TestPictures::cellColour(piece).rgb());
    }
}

void PiecesCoreTest::orientationSteps_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("quarterTurned");
    QTest::addColumn<int>("turnedOver");
    QTest::addColumn<bool>("sidesSwapped");
    QTest::addColumn<bool>("backUp");
    QTest::newRow("0") << 0 << 1 << 4 << false << false;
    QTest::newRow("1") << 1 << 2 << 5 << true << false;
    QTest::newRow("2") << 2 << 3 << 6 << false << false;
    QTest::newRow("3") << 3 << 0 << 7 << true << false;
    QTest::newRow("4") << 4 << 5 << 0 << false << true;
    QTest::newRow("5") << 5 << 6 << 1 << true << true;
    QTest::newRow("6") << 6 << 7 << 2 << false << true;
    QTest::newRow("7") << 7 << 4 << 3 << true << true;
}

void PiecesCoreTest::orientationSteps()
{
    QFETCH(int, code);
    QFETCH(int, quarterTurned);
    QFETCH(int, turnedOver);
    QFETCH(bool, sidesSwapped);
    QFETCH(bool, backUp);
    const Orientation o(code);
    QCOMPARE(o.quarterTurned().code(), quarterTurned);
    QCOMPARE(o.turnedOver().code(), turnedOver);
    QCOMPARE(o.isOdd(), sidesSwapped);
    QCOMPARE(o.isTurnedOver(), backUp);
    // Four quarter turns and two turn-overs bring the piece back.
    QCOMPARE(o.quarterTurned().quarterTurned().quarterTurned().quarterTurned().code(), code);
    QCOMPARE(o.turnedOver().turnedOver().code(), code);
    // A quarter turn keeps the side, a turn-over keeps the quarter count.
    QCOMPARE(o.quarterTurned().isTurnedOver(), o.isTurnedOver());
    QCOMPARE(o.turnedOver().code() % 4, code % 4);
}

void PiecesCoreTest::slotPoolDrawsInOrder_data()
{
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("dealt");
    QTest::newRow("always 0: first slot left")
        << 4 << QList<double>{0, 0, 0, 0} << QList<int>{0, 1, 2, 3};
    QTest::newRow("always just below 1: last slot left")
        << 4 << QList<double>{kJustBelowOne, kJustBelowOne, kJustBelowOne, kJustBelowOne}
        << QList<int>{3, 2, 1, 0};
    // floor(0.5 x 4) = 2 takes slot 2 of 0 1 2 3; then floor(1.5) = 1 of 0 1 3 takes 1;
    // floor(0.5 x 2) = 1 of 0 3 takes 3; the 0 is left.
    QTest::newRow("halves") << 4 << QList<double>{0.5, 0.5, 0.5, 0.5} << QList<int>{2, 1, 3, 0};
    // floor(1.2) = 1 -> 1 (0 2 3 left); floor(2.97) = 2 -> 3 (0 2); 0 -> 0; floor(0.7) = 0 -> 2.
    QTest::newRow("mixed") << 4 << QList<double>{0.3, 0.99, 0.0, 0.7} << QList<int>{1, 3, 0, 2};
    // floor(0.25 x 6) = 1 -> 1 (0 2 3 4 5); floor(0.8 x 5) = 4 -> 5 (0 2 3 4);
    // floor(0.5 x 4) = 2 -> 3 (0 2 4); floor(0.34 x 3) = 1 -> 2 (0 4); floor(0.6 x 2) = 1 -> 4.
    QTest::newRow("six slotCount")
        << 6 << QList<double>{0.25, 0.8, 0.5, 0.34, 0.6, 0.1} << QList<int>{1, 5, 3, 2, 4, 0};
}

void PiecesCoreTest::slotPoolDrawsInOrder()
{
    QFETCH(int, slotCount);
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, dealt);
    SlotPool pool(slotCount);
    QCOMPARE(pool.size(), slotCount);
    QList<int> actual;
    for (double u : draws)
        actual << pool.take(pool.positionFor(u));
    QCOMPARE(actual, dealt);
    QVERIFY(pool.empty());
}

void PiecesCoreTest::slotPoolLastSlotJustBelowOne_data()
{
    QTest::addColumn<int>("slotCount");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("12") << 12;
    QTest::newRow("99") << 99;
}

void PiecesCoreTest::slotPoolLastSlotJustBelowOne()
{
    QFETCH(int, slotCount);
    SlotPool pool(slotCount);
    QCOMPARE(pool.positionFor(0.0), 0);
    QCOMPARE(pool.positionFor(kJustBelowOne), slotCount - 1);
    QCOMPARE(pool.take(pool.positionFor(kJustBelowOne)), slotCount - 1);
}

void PiecesCoreTest::wholeDealGivesEverySlotOnePiece_data()
{
    QTest::addColumn<int>("slotCount");
    QTest::newRow("2 x 2") << 4;
    QTest::newRow("3 x 4") << 12;
    QTest::newRow("9 x 11") << 99;
}

void PiecesCoreTest::wholeDealGivesEverySlotOnePiece()
{
    QFETCH(int, slotCount);
    SlotPool pool(slotCount);
    std::vector<int> dealt;
    // A spread of draws over [0, 1): the fractional parts of multiples of the golden ratio.
    for (int piece = 0; piece < slotCount; ++piece) {
        const double u = std::fmod((piece + 1) * 0.6180339887498949, 1.0);
        const int position = pool.positionFor(u);
        QVERIFY(position >= 0 && position < pool.size());
        dealt.push_back(pool.take(position));
    }
    QVERIFY(pool.empty());
    std::sort(dealt.begin(), dealt.end());
    std::vector<int> everySlot(static_cast<size_t>(slotCount));
    for (int s = 0; s < slotCount; ++s)
        everySlot[static_cast<size_t>(s)] = s;
    QCOMPARE(dealt, everySlot);
}

void PiecesCoreTest::drawOrientation_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("code");
    QTest::newRow("8, u 0") << 8 << 0.0 << 0;
    QTest::newRow("8, u 0.124") << 8 << 0.124 << 0;
    QTest::newRow("8, u 0.125") << 8 << 0.125 << 1;
    QTest::newRow("8, u 0.5") << 8 << 0.5 << 4;
    QTest::newRow("8, largest single below 1") << 8 << 0.99999994039535522 << 7;
    // The draw is a single: 0.1249999999 is 0.125 in single precision.
    QTest::newRow("8, just below 1/8 as a double") << 8 << 0.1249999999 << 1;
    // As a single this rounds up to 1; the code must stay within the range.
    QTest::newRow("8, double just below 1") << 8 << kJustBelowOne << 7;
    QTest::newRow("4, u 0.7499") << 4 << 0.7499 << 2;
    QTest::newRow("4, u 0.75") << 4 << 0.75 << 3;
    QTest::newRow("4, just below 1") << 4 << kJustBelowOne << 3;
    QTest::newRow("1, u 0.5") << 1 << 0.5 << 0;
    QTest::newRow("1, just below 1") << 1 << kJustBelowOne << 0;
    QTest::newRow("0 before any cut") << 0 << 0.7 << 0;
}

void PiecesCoreTest::drawOrientation()
{
    QFETCH(int, range);
    QFETCH(double, u);
    QFETCH(int, code);
    QCOMPARE(::drawOrientation(range, u), code);
}

void PiecesCoreTest::orientationRangeFromArrangement_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("range");
    QTest::newRow("Translate only") << 1 << 8 << 1;
    QTest::newRow("Rotate") << 2 << 1 << 4;
    QTest::newRow("Upset") << 3 << 1 << 8;
    QTest::newRow("Transparent") << 4 << 1 << 8;
    QTest::newRow("none ticked keeps the last cut's") << 0 << 4 << 4;
    QTest::newRow("none ticked before any cut") << 0 << 0 << 0;
}

void PiecesCoreTest::orientationRangeFromArrangement()
{
    QFETCH(int, mode);
    QFETCH(int, previous);
    QFETCH(int, range);
    QCOMPARE(orientationRangeFor(mode, previous), range);
}

void PiecesCoreTest::refusal_data()
{
    // Screen 15360 x 11520; reference picture to (7650, 5767.5); RC1 from
    // (120, 5867.5), its right edge at 3120. A 2000 x 1500 piece unless stated.
    using DragRules::Refusal;
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QSizeF>("piece");
    QTest::addColumn<bool>("panelVisible");
    QTest::addColumn<Refusal>("expected");
    const QSizeF piece(2000, 1500), small(100, 100);

    QTest::newRow("in the grid area") << 9000.0 << 2000.0 << piece << true << Refusal::None;

    QTest::newRow("left: exactly half off") << -1000.0 << 6000.0 << piece << false << Refusal::None;
    QTest::newRow("left: beyond half") << -1000.5 << 6000.0 << piece << false << Refusal::OffScreen;
    QTest::newRow("right: exactly half off") << 14360.0 << 2000.0 << piece << true << Refusal::None;
    QTest::newRow("right: beyond half") << 14360.5 << 2000.0 << piece << true << Refusal::OffScreen;
    QTest::newRow("top: exactly half off") << 9000.0 << -750.0 << piece << true << Refusal::None;
    QTest::newRow("top: beyond half") << 9000.0 << -750.5 << piece << true << Refusal::OffScreen;
    QTest::newRow("bottom: edge on the screen's edge")
        << 9000.0 << 10020.0 << piece << true << Refusal::None;
    QTest::newRow("bottom: just beyond")
        << 9000.0 << 10020.5 << piece << true << Refusal::OffScreen;
    QTest::newRow("bottom: half off is too much")
        << 9000.0 << 10770.0 << piece << true << Refusal::OffScreen;
    QTest::newRow("off screen decides first")
        << -1001.0 << -751.0 << piece << true << Refusal::OffScreen;

    QTest::newRow("centre on the reference corner")
        << 6650.0 << 5017.5 << piece << true << Refusal::None;
    QTest::newRow("centre just left of and above the corner")
        << 6649.9 << 5017.4 << piece << true << Refusal::OverReference;
    QTest::newRow("centre left of the corner but below")
        << 6649.0 << 5017.5 << piece << true << Refusal::None;
    QTest::newRow("centre above the corner but right")
        << 6650.0 << 2000.0 << piece << true << Refusal::None;
    QTest::newRow("centre deep inside the picture")
        << 1000.0 << 1000.0 << piece << false << Refusal::OverReference;
    QTest::newRow("reference decides before the panel")
        << 3000.0 << 4400.0 << piece << true << Refusal::OverReference;

    QTest::newRow("into the panel") << 3119.9 << 6000.0 << piece << true << Refusal::IntoPanel;
    QTest::newRow("same place, panel hidden")
        << 3119.9 << 6000.0 << piece << false << Refusal::None;
    QTest::newRow("left edge on the panel's right edge")
        << 3120.0 << 6000.0 << piece << true << Refusal::None;
    QTest::newRow("small piece, bottom on the panel's top")
        << 1000.0 << 5767.5 << small << true << Refusal::None;
    QTest::newRow("small piece, bottom just below the panel's top")
        << 1000.0 << 5767.6 << small << true << Refusal::IntoPanel;
}

void PiecesCoreTest::refusal()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QSizeF, piece);
    QFETCH(bool, panelVisible);
    QFETCH(DragRules::Refusal, expected);
    QCOMPARE(DragRules::refusal(x, y, piece, scene(panelVisible)), expected);
}

void PiecesCoreTest::snaps_data()
{
    // Home cell (7680, 2002.5): slot 4 of the worked 3 x 4 board.
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("snapsIn");
    QTest::newRow("on the cell") << 0.0 << 0.0 << 0 << true;
    QTest::newRow("99.9 off on both axes") << 99.9 << 99.9 << 0 << true;
    QTest::newRow("99.9 off on both, the other way") << -99.9 << -99.9 << 0 << true;
    QTest::newRow("100 right") << 100.0 << 0.0 << 0 << false;
    QTest::newRow("100 left") << -100.0 << 0.0 << 0 << false;
    QTest::newRow("100 below") << 0.0 << 100.0 << 0 << false;
    QTest::newRow("100 above") << 0.0 << -100.0 << 0 << false;
    QTest::newRow("close on x only") << 10.0 << 500.0 << 0 << false;
    QTest::newRow("close on y only") << 500.0 << 10.0 << 0 << false;
    for (int code = 1; code < 8; ++code)
        QTest::addRow("code %d on the cell", code) << 0.0 << 0.0 << code << false;
}

void PiecesCoreTest::snaps()
{
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(int, code);
    QFETCH(bool, snapsIn);
    QCOMPARE(DragRules::snaps(7680 + dx, 2002.5 + dy, 7680, 2002.5, code), snapsIn);
}

void PiecesCoreTest::gesture_data()
{
    using DragRules::Arrangement;
    using G = DragRules::Gesture;
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shift");
    QTest::addColumn<bool>("translateOnly");
    QTest::addColumn<bool>("turnOverAllowed");
    QTest::addColumn<G>("expected");

    struct Keys {
        const char* name;
        int shift;
    };
    const Keys keys[] = {{"Ctrl", 2},   {"Shift", 1},    {"Ctrl+Shift", 3}, {"Alt", 4},
                         {"no key", 0}, {"Ctrl+Alt", 6}, {"Shift+Alt", 5}};
    struct Row {
        const char* name;
        Arrangement arrangement;
        G byKeys[7]; // in the order of `keys`
    };
    const G T = G::QuarterTurn, O = G::TurnOver, D = G::Drag;
    const Row rows[] = {
        {"Translate only", {true, false}, {D, D, D, D, D, D, D}},
        {"Rotate", {false, false}, {T, D, D, D, D, D, D}},
        {"Upset", {false, true}, {T, O, D, D, D, D, D}},
        {"Transparent", {false, true}, {T, O, D, D, D, D, D}},
        {"none ticked", {false, false}, {T, D, D, D, D, D, D}},
    };
    for (const Row& row : rows) {
        for (int k = 0; k < 7; ++k) {
            QTest::addRow("loose, left %s, %s", keys[k].name, row.name)
                << false << 1 << keys[k].shift << row.arrangement.translateOnly
                << row.arrangement.turnOverAllowed << row.byKeys[k];
        }
    }

    // A loose piece under the right or middle button drags, whatever the keys.
    for (int shift : {0, 1, 2, 3}) {
        QTest::addRow("loose, right, shift %d, Upset", shift)
            << false << 2 << shift << false << true << D;
        QTest::addRow("loose, middle, shift %d, Upset", shift)
            << false << 4 << shift << false << true << D;
    }
    QTest::newRow("loose, right, Ctrl, Rotate") << false << 2 << 2 << false << false << D;

    // A fixed piece: the right button frees it with any keys; nothing else does anything.
    for (int shift : {0, 1, 2, 3, 4, 7}) {
        QTest::addRow("fixed, right, shift %d, Upset", shift)
            << true << 2 << shift << false << true << G::Free;
        QTest::addRow("fixed, right, shift %d, Translate only", shift)
            << true << 2 << shift << true << false << G::Free;
    }
    for (int shift : {0, 1, 2, 4}) {
        QTest::addRow("fixed, left, shift %d, Upset", shift)
            << true << 1 << shift << false << true << G::Nothing;
        QTest::addRow("fixed, middle, shift %d, Upset", shift)
            << true << 4 << shift << false << true << G::Nothing;
    }
}

void PiecesCoreTest::gesture()
{
    QFETCH(bool, fixed);
    QFETCH(int, button);
    QFETCH(int, shift);
    QFETCH(bool, translateOnly);
    QFETCH(bool, turnOverAllowed);
    QFETCH(DragRules::Gesture, expected);
    QCOMPARE(DragRules::gesture(fixed, button, shift, {translateOnly, turnOverAllowed}), expected);
}

void PiecesCoreTest::tokenPoolLayout_data()
{
    QTest::addColumn<QList<int>>("loose");
    QTest::addColumn<QString>("text");
    QTest::newRow("four pieces") << QList<int>{0, 3, 7, 11} << "  00030711  ";
    QTest::newRow("one piece") << QList<int>{5} << "  05  ";
    QTest::newRow("two-digit numbers") << QList<int>{10, 98} << "  1098  ";
    QTest::newRow("none") << QList<int>{} << "    ";
}

void PiecesCoreTest::tokenPoolLayout()
{
    QFETCH(QList<int>, loose);
    QFETCH(QString, text);
    const GatherPlan::TokenPool pool(toVector(loose));
    QCOMPARE(pool.text(), text);
    QCOMPARE(pool.size(), int(loose.size()));
}

void PiecesCoreTest::tokenDrawPosition_data()
{
    // k = floor(1 + r x (n - 1)): while two or more are left, never n.
    QTest::addColumn<int>("tokens");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("k");
    QTest::newRow("4, r 0") << 4 << 0.0 << 1;
    QTest::newRow("4, r 0.5") << 4 << 0.5 << 2;
    QTest::newRow("4, r 0.6666") << 4 << 0.6666 << 2;
    QTest::newRow("4, r 0.6667") << 4 << 0.6667 << 3;
    QTest::newRow("4, just below 1") << 4 << kJustBelowOne << 3;
    QTest::newRow("12, just below 1") << 12 << kJustBelowOne << 11;
    QTest::newRow("2, r 0") << 2 << 0.0 << 1;
    QTest::newRow("2, just below 1") << 2 << kJustBelowOne << 1;
    QTest::newRow("1, r 0.9") << 1 << 0.9 << 1;
}

void PiecesCoreTest::tokenDrawPosition()
{
    QFETCH(int, tokens);
    QFETCH(double, r);
    QFETCH(int, k);
    std::vector<int> loose(static_cast<size_t>(tokens));
    for (int i = 0; i < tokens; ++i)
        loose[static_cast<size_t>(i)] = 2 * i + 1;
    QCOMPARE(GatherPlan::TokenPool(loose).drawPosition(r), k);
}

void PiecesCoreTest::tokensLaidInOrder_data()
{
    QTest::addColumn<QList<int>>("loose");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("laid");
    QTest::addColumn<QStringList>("poolAfterEach");
    QTest::newRow("always 0") << QList<int>{2, 5, 9, 12} << QList<double>{0, 0, 0, 0}
                              << QList<int>{2, 5, 9, 12}
                              << QStringList{"  050912  ", "  0912  ", "  12  ", "    "};
    QTest::newRow("always just below 1: highest last")
        << QList<int>{2, 5, 9, 12}
        << QList<double>{kJustBelowOne, kJustBelowOne, kJustBelowOne, kJustBelowOne}
        << QList<int>{9, 5, 2, 12} << QStringList{"  020512  ", "  0212  ", "  12  ", "    "};
    // k = floor(2.5) = 2 -> 05; then k = 1 -> 02; then floor(1.99) = 1 -> 09; then 12.
    QTest::newRow("mixed") << QList<int>{2, 5, 9, 12} << QList<double>{0.5, 0.0, 0.99, 0.3}
                           << QList<int>{5, 2, 9, 12}
                           << QStringList{"  020912  ", "  0912  ", "  12  ", "    "};
    QTest::newRow("single piece") << QList<int>{7} << QList<double>{0.9} << QList<int>{7}
                                  << QStringList{"    "};
}

void PiecesCoreTest::tokensLaidInOrder()
{
    QFETCH(QList<int>, loose);
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, laid);
    QFETCH(QStringList, poolAfterEach);
    GatherPlan::TokenPool pool(toVector(loose));
    QList<int> actual;
    QStringList texts;
    for (double r : draws) {
        actual << pool.take(pool.drawPosition(r));
        texts << pool.text();
    }
    QCOMPARE(actual, laid);
    QCOMPARE(texts, poolAfterEach);
    QCOMPARE(pool.size(), 0);
}

void PiecesCoreTest::gatherPlan_data()
{
    QTest::addColumn<GatherPlan::Input>("input");
    QTest::addColumn<double>("startX");
    QTest::addColumn<double>("startY");
    QTest::addColumn<double>("stepX");
    QTest::addColumn<double>("stepY");

    // Start 50 below the grid's bottom 5767.5: 5817.5, to the even 5818.
    // x step (grid width - cell width) / 11; y step (11520 - 5818 - 1882.5 - 700) / 11.
    const GatherPlan::Input base = belowGrid();
    QTest::newRow("below the grid, 12 pieces")
        << base << 7680.0 << 5818.0 << 5647.5 / 11 << 3119.5 / 11;

    GatherPlan::Input pastButton = base;
    pastButton.gridLeft = 3000;
    pastButton.clearButtonRight = 4500;
    QTest::newRow("clear button reaches past the grid's left")
        << pastButton << 4550.0 << 5818.0 << 5647.5 / 11 << 3119.5 / 11;

    GatherPlan::Input halfTwip = pastButton;
    halfTwip.clearButtonRight = 4500.5;
    QTest::newRow("right of the clear button, half to even")
        << halfTwip << 4550.0 << 5818.0 << 5647.5 / 11 << 3119.5 / 11;

    GatherPlan::Input hiddenButton = pastButton;
    hiddenButton.clearButtonVisible = false;
    QTest::newRow("clear button hidden")
        << hiddenButton << 3000.0 << 5818.0 << 5647.5 / 11 << 3119.5 / 11;

    GatherPlan::Input buttonAtGrid = pastButton;
    buttonAtGrid.clearButtonRight = 3000;
    QTest::newRow("clear button ends at the grid's left")
        << buttonAtGrid << 3000.0 << 5818.0 << 5647.5 / 11 << 3119.5 / 11;

    // 7680.5 and 5768.5 + 50 = 5818.5 both go down to the even neighbour.
    GatherPlan::Input halvesDown = base;
    halvesDown.gridLeft = 7680.5;
    halvesDown.gridBottom = 5768.5;
    QTest::newRow("halves down to even")
        << halvesDown << 7680.0 << 5818.0 << 5647.5 / 11 << 3119.5 / 11;
    GatherPlan::Input halvesUp = base;
    halvesUp.gridLeft = 7681.5;
    QTest::newRow("halves up to even")
        << halvesUp << 7682.0 << 5818.0 << 5647.5 / 11 << 3119.5 / 11;

    // One enlarging step: picture 6777 x 5082.75, cells 2070.75, 4 loose pieces.
    // Start 50 below the picture: 5252.75, to 5253; x step (6777 - 2070.75) / 3;
    // y step (11520 - 5253 - 2070.75 - 700) / 3. The clear button is not looked at.
    GatherPlan::Input enlarged = base;
    enlarged.remaining = 4;
    enlarged.zoomLevel = -1;
    enlarged.cellWidth = enlarged.cellHeight = enlarged.templateHeight = 2070.75;
    enlarged.referenceWidth = 6777;
    enlarged.referenceHeight = 5082.75;
    enlarged.gridLeft = 6927;
    enlarged.gridBottom = 120 + 6212.25;
    enlarged.gridWidth = 8283;
    enlarged.clearButtonRight = 9999;
    QTest::newRow("grid area enlarged: below the picture")
        << enlarged << 120.0 << 5253.0 << 4706.25 / 3 << 3496.25 / 3;

    // One reducing step: cells 1694.25, grid from 8433 to 15210, bottom 5202.75.
    GatherPlan::Input reduced = base;
    reduced.zoomLevel = 1;
    reduced.cellWidth = reduced.cellHeight = reduced.templateHeight = 1694.25;
    reduced.referenceWidth = 8283;
    reduced.referenceHeight = 6212.25;
    reduced.gridLeft = 8433;
    reduced.gridBottom = 5202.75;
    reduced.gridWidth = 6777;
    QTest::newRow("grid area reduced: still below the grid")
        << reduced << 8433.0 << 5253.0 << 5082.75 / 11 << 3872.75 / 11;

    // Two pieces: raw steps 7000 and 11520 - 5818 - 800 - 700 = 4202, capped at cell + 50.
    GatherPlan::Input capped = base;
    capped.remaining = 2;
    capped.cellWidth = 1000;
    capped.cellHeight = capped.templateHeight = 800;
    capped.gridWidth = 8000;
    QTest::newRow("steps capped") << capped << 7680.0 << 5818.0 << 1050.0 << 850.0;

    // (5000 - 5818 - 1882.5 - 700) / 11: the cascade runs upwards.
    GatherPlan::Input lowWindow = base;
    lowWindow.windowHeight = 5000;
    QTest::newRow("negative y step kept")
        << lowWindow << 7680.0 << 5818.0 << 5647.5 / 11 << -3400.5 / 11;

    // Grid narrower than a cell: (1000 - 1882.5) / 11, the cascade runs leftwards.
    GatherPlan::Input narrowGrid = base;
    narrowGrid.gridWidth = 1000;
    QTest::newRow("negative x step kept")
        << narrowGrid << 7680.0 << 5818.0 << -882.5 / 11 << 3119.5 / 11;

    GatherPlan::Input single = base;
    single.remaining = 1;
    QTest::newRow("single piece: no steps") << single << 7680.0 << 5818.0 << 0.0 << 0.0;
}

void PiecesCoreTest::gatherPlan()
{
    QFETCH(GatherPlan::Input, input);
    QFETCH(double, startX);
    QFETCH(double, startY);
    QFETCH(double, stepX);
    QFETCH(double, stepY);
    const GatherPlan::Plan plan = GatherPlan::plan(input);
    QCOMPARE(plan.startX, startX);
    QCOMPARE(plan.startY, startY);
    QCOMPARE(plan.stepX, stepX);
    QCOMPARE(plan.stepY, stepY);
}

QTEST_GUILESS_MAIN(PiecesCoreTest)
#include "test_pieces_core.moc"
