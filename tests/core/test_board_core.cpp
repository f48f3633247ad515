// Board geometry and the reading of what the player types for the grid and the
// picture path. Every expected number below is worked out by hand from the
// layout rules; the usual display is 1024 x 768 pixels at 15 twips per pixel,
// which gives reference maxima of 7530 x 9120 twips.
#include "board/Geometry.h"
#include "board/GridInput.h"

#include <QTest>

namespace {
constexpr Geometry::Maxima kMaxima{7530, 9120};
} // namespace

class BoardCoreTest : public QObject {
    Q_OBJECT

  private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void referenceMaximaFromScreen_data();
    void referenceMaximaFromScreen();

    void fitReference_data();
    void fitReference();
    void fitKeepsEarlierScalesWhenPictureFits();

    void panelFollowsFittedHeight_data();
    void panelFollowsFittedHeight();
    void badgeSitsAboveScreenBottom();

    void workedExampleOfTheLayout();
    void gridEdgesThroughZoomLevels_data();
    void gridEdgesThroughZoomLevels();
    void slotPositions_data();
    void slotPositions();

    void boxKeyFilter_data();
    void boxKeyFilter();
    void wholeCount_data();
    void wholeCount();
    void wholeCountCapsHugeNumbers_data();
    void wholeCountCapsHugeNumbers();
    void leadingNumber_data();
    void leadingNumber();
    void splitPath_data();
    void splitPath();
};

void BoardCoreTest::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5 down to 0") << 0.5 << 0.0;
    QTest::newRow("1.5 up to 2") << 1.5 << 2.0;
    QTest::newRow("2.5 down to 2") << 2.5 << 2.0;
    QTest::newRow("3.5 up to 4") << 3.5 << 4.0;
    QTest::newRow("7530.5 down to 7530") << 7530.5 << 7530.0;
    QTest::newRow("7531.5 up to 7532") << 7531.5 << 7532.0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
    QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
    QTest::newRow("just below a half") << 2.4999 << 2.0;
    QTest::newRow("just above a half") << 2.5001 << 3.0;
    QTest::newRow("whole stays") << 5818.0 << 5818.0;
}

void BoardCoreTest::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Geometry::roundHalfEven(value), expected);
}

void BoardCoreTest::referenceMaximaFromScreen_data()
{
    QTest::addColumn<double>("screenWidth");
    QTest::addColumn<double>("screenHeight");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("maxHeight");
    QTest::newRow("1024 x 768 px") << 15360.0 << 11520.0 << 7530 << 9120;
    QTest::newRow("1280 x 1080 px") << 19200.0 << 16200.0 << 9450 << 13800;
    // 15361 / 2 - 150 = 7530.5 and 11520.5 - 2400 = 9120.5: both to the even 7530, 9120.
    QTest::newRow("halves down to even") << 15361.0 << 11520.5 << 7530 << 9120;
    // 7531.5 and 9121.5: both to the even 7532, 9122.
    QTest::newRow("halves up to even") << 15363.0 << 11521.5 << 7532 << 9122;
    QTest::newRow("fractions to nearest") << 15360.2 << 11520.7 << 7530 << 9121;
}

void BoardCoreTest::referenceMaximaFromScreen()
{
    QFETCH(double, screenWidth);
    QFETCH(double, screenHeight);
    QFETCH(int, maxWidth);
    QFETCH(int, maxHeight);
    const Geometry::Maxima maxima = Geometry::referenceMaxima(QSizeF(screenWidth, screenHeight));
    QCOMPARE(maxima.width, maxWidth);
    QCOMPARE(maxima.height, maxHeight);
}

void BoardCoreTest::fitReference_data()
{
    QTest::addColumn<double>("naturalWidth");
    QTest::addColumn<double>("naturalHeight");
    QTest::addColumn<double>("fitScale");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("zoomStepX");
    QTest::addColumn<double>("zoomStepY");

    QTest::newRow("smaller: natural size")
        << 6000.0 << 4000.0 << 1.0 << 6000.0 << 4000.0 << 600.0 << 400.0;
    QTest::newRow("exactly the maxima: natural size")
        << 7530.0 << 9120.0 << 1.0 << 7530.0 << 9120.0 << 753.0 << 912.0;
    QTest::newRow("as wide as allowed, short")
        << 7530.0 << 100.0 << 1.0 << 7530.0 << 100.0 << 753.0 << 10.0;
    // 800 x 600 px: only too wide, so the width ratio shrinks both sides.
    QTest::newRow("too wide") << 12000.0 << 9000.0 << 12000.0 / 7530 << 7530.0 << 5647.5 << 753.0
                              << 564.75;
    QTest::newRow("one twip too wide") << 7531.0 << 9120.0 << 7531.0 / 7530 << 7530.0
                                       << 9120.0 * 7530 / 7531 << 753.0 << 912.0 * 7530 / 7531;
    QTest::newRow("too tall") << 3000.0 << 18240.0 << 2.0 << 1500.0 << 9120.0 << 150.0 << 912.0;
    QTest::newRow("too large, width ratio larger")
        << 15060.0 << 13680.0 << 2.0 << 7530.0 << 6840.0 << 753.0 << 684.0;
    QTest::newRow("too large, height ratio larger")
        << 11295.0 << 27360.0 << 3.0 << 3765.0 << 9120.0 << 376.5 << 912.0;
    QTest::newRow("twice as wide, exactly as tall")
        << 15060.0 << 9120.0 << 2.0 << 7530.0 << 4560.0 << 753.0 << 456.0;
}

void BoardCoreTest::fitReference()
{
    QFETCH(double, naturalWidth);
    QFETCH(double, naturalHeight);
    QFETCH(double, fitScale);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, zoomStepX);
    QFETCH(double, zoomStepY);

    const Geometry::Fit fit = Geometry::fitReference(QSizeF(naturalWidth, naturalHeight), kMaxima);
    QCOMPARE(fit.fitScale, fitScale);
    QCOMPARE(fit.width, width);
    QCOMPARE(fit.height, height);
    QCOMPARE(fit.zoomStepX, zoomStepX);
    QCOMPARE(fit.zoomStepY, zoomStepY);
    // Within the maxima, up to the last bit of a division by a ratio just above 1.
    QVERIFY(fit.width <= kMaxima.width * (1 + 1e-12));
    QVERIFY(fit.height <= kMaxima.height * (1 + 1e-12));
}

void BoardCoreTest::fitKeepsEarlierScalesWhenPictureFits()
{
    // The ratios are only worked out for a picture that is too large.
    const Geometry::Fit fits = Geometry::fitReference(QSizeF(6000, 4000), kMaxima, 1.25, 1.5);
    QCOMPARE(fits.scaleX, 1.25);
    QCOMPARE(fits.scaleY, 1.5);
    const Geometry::Fit fitsExactly =
        Geometry::fitReference(QSizeF(7530, 9120), kMaxima, 1.25, 1.5);
    QCOMPARE(fitsExactly.scaleX, 1.25);
    QCOMPARE(fitsExactly.scaleY, 1.5);

    const Geometry::Fit shrinks = Geometry::fitReference(QSizeF(15060, 13680), kMaxima, 1.25, 1.5);
    QCOMPARE(shrinks.scaleX, 2.0);
    QCOMPARE(shrinks.scaleY, 1.5);
}

void BoardCoreTest::panelFollowsFittedHeight_data()
{
    QTest::addColumn<double>("referenceHeight");
    QTest::addColumn<double>("label");
    QTest::addColumn<double>("firstRow");
    QTest::addColumn<double>("secondRow");
    QTest::newRow("short picture brings the panel up") << 1000.0 << 1220.0 << 1460.0 << 1940.0;
    QTest::newRow("800 x 600 px fitted") << 5647.5 << 5867.5 << 6107.5 << 6587.5;
    QTest::newRow("tall picture pushes it down") << 9120.0 << 9340.0 << 9580.0 << 10060.0;
}

void BoardCoreTest::panelFollowsFittedHeight()
{
    QFETCH(double, referenceHeight);
    QFETCH(double, label);
    QFETCH(double, firstRow);
    QFETCH(double, secondRow);
    const Geometry::PanelTops tops = Geometry::panelTops(120, referenceHeight);
    QCOMPARE(tops.label, label);
    QCOMPARE(tops.firstRow, firstRow);
    QCOMPARE(tops.secondRow, secondRow);
}

void BoardCoreTest::badgeSitsAboveScreenBottom()
{
    QCOMPARE(Geometry::badgeTop(11520, 1500), 9120.0);
    QCOMPARE(Geometry::badgeTop(16200, 2000), 13300.0);
}

void BoardCoreTest::workedExampleOfTheLayout()
{
    // 1024 x 768 px screen, an 800 x 600 px picture, a grid of 3 rows and 4 columns.
    const Geometry::Maxima maxima = Geometry::referenceMaxima(QSizeF(15360, 11520));
    const Geometry::Fit fit = Geometry::fitReference(QSizeF(12000, 9000), maxima);
    QCOMPARE(fit.width, 7530.0);
    QCOMPARE(fit.zoomStepX, 753.0);

    const QPointF origin = Geometry::gridOrigin(120, 120, fit.width);
    QCOMPARE(origin, QPointF(7680, 120));
    const QSizeF cell =
        Geometry::cellSize(QSizeF(fit.width, fit.height), 0, fit.zoomStepX, fit.zoomStepY, 3, 4);
    QCOMPARE(cell.width(), 1882.5);  // 7530 / 4
    QCOMPARE(cell.height(), 1882.5); // 5647.5 / 3
    QCOMPARE(Geometry::slotPosition(6, origin, cell, 4), QPointF(7680 + 3765, 120 + 1882.5));

    // One step of enlarging the grid area: the picture loses a tenth of its
    // width and the grid starts that much further left with wider cells.
    const QSizeF smaller(7530 - 753, 5647.5 - 564.75);
    const QPointF movedOrigin = Geometry::gridOrigin(120, 120, smaller.width());
    QCOMPARE(movedOrigin, QPointF(7680 - 753, 120));
    const QSizeF widerCell = Geometry::cellSize(smaller, -1, 753, 564.75, 3, 4);
    QCOMPARE(widerCell.width(), 2070.75);  // (7530 + 753) / 4
    QCOMPARE(widerCell.height(), 2070.75); // (5647.5 + 564.75) / 3
}

void BoardCoreTest::gridEdgesThroughZoomLevels_data()
{
    // Fitted 7530 x 5647.5 picture, zoom steps 753 x 564.75, 2 rows x 5 columns.
    // The reference view measures (7530 + z x 753) x (5647.5 + z x 564.75).
    QTest::addColumn<int>("zoomLevel");
    QTest::addColumn<double>("cellWidth");
    QTest::addColumn<double>("cellHeight");
    QTest::addColumn<double>("bottomEdge");
    QTest::newRow("-3") << -3 << 1957.8 << 3670.875 << 7461.75;
    QTest::newRow("-1") << -1 << 1656.6 << 3106.125 << 6332.25;
    QTest::newRow("0") << 0 << 1506.0 << 2823.75 << 5767.5;
    QTest::newRow("+1") << 1 << 1355.4 << 2541.375 << 5202.75;
    QTest::newRow("+3") << 3 << 1054.2 << 1976.625 << 4073.25;
}

void BoardCoreTest::gridEdgesThroughZoomLevels()
{
    QFETCH(int, zoomLevel);
    QFETCH(double, cellWidth);
    QFETCH(double, cellHeight);
    QFETCH(double, bottomEdge);

    const QSizeF view(7530 + zoomLevel * 753.0, 5647.5 + zoomLevel * 564.75);
    const QPointF origin = Geometry::gridOrigin(120, 120, view.width());
    const QSizeF cell = Geometry::cellSize(view, zoomLevel, 753, 564.75, 2, 5);
    QCOMPARE(cell.width(), cellWidth);
    QCOMPARE(cell.height(), cellHeight);
    // Picture and grid together always span 2 x 7530 from the left margin of 120 + the gap of 30.
    QCOMPARE(origin.x() + 5 * cell.width(), 15210.0);
    QCOMPARE(origin.y() + 2 * cell.height(), bottomEdge);
}

void BoardCoreTest::slotPositions_data()
{
    // Cells 2000 wide and 1500 high from (100, 200), so a swapped axis shows.
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("3x4 first slot") << 4 << 0 << QPointF(100, 200);
    QTest::newRow("3x4 end of first row") << 4 << 3 << QPointF(6100, 200);
    QTest::newRow("3x4 slot 'columns' starts row 2") << 4 << 4 << QPointF(100, 1700);
    QTest::newRow("3x4 slot 6") << 4 << 6 << QPointF(4100, 1700);
    QTest::newRow("3x4 last slot bottom right") << 4 << 11 << QPointF(6100, 3200);
    QTest::newRow("2x2 slot 'columns' starts row 2") << 2 << 2 << QPointF(100, 1700);
    QTest::newRow("2x2 last slot bottom right") << 2 << 3 << QPointF(2100, 1700);
    QTest::newRow("9x11 last slot bottom right") << 11 << 98 << QPointF(20100, 12200);
}

void BoardCoreTest::slotPositions()
{
    QFETCH(int, columns);
    QFETCH(int, slot);
    QFETCH(QPointF, topLeft);
    QCOMPARE(Geometry::slotPosition(slot, QPointF(100, 200), QSizeF(2000, 1500), columns), topLeft);
}

void BoardCoreTest::boxKeyFilter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("passes");
    QTest::newRow("0") << 48 << true;
    QTest::newRow("5") << 53 << true;
    QTest::newRow("9") << 57 << true;
    QTest::newRow("backspace") << 8 << true;
    QTest::newRow("tab") << 9 << true;
    QTest::newRow("line feed") << 10 << true;
    QTest::newRow("return") << 13 << true;
    QTest::newRow("slash, below 0") << 47 << false;
    QTest::newRow("colon, above 9") << 58 << false;
    QTest::newRow("vertical tab") << 11 << false;
    QTest::newRow("form feed") << 12 << false;
    QTest::newRow("escape") << 27 << false;
    QTest::newRow("space") << 32 << false;
    QTest::newRow("minus") << 45 << false;
    QTest::newRow("point") << 46 << false;
    QTest::newRow("plus") << 43 << false;
    QTest::newRow("G") << 71 << false;
    QTest::newRow("a") << 97 << false;
    QTest::newRow("delete") << 127 << false;
    QTest::newRow("superscript two") << 178 << false;
}

void BoardCoreTest::boxKeyFilter()
{
    QFETCH(int, code);
    QFETCH(bool, passes);
    QCOMPARE(GridInput::boxAccepts(code), passes);
}

void BoardCoreTest::wholeCount_data()
{
    // -1 stands for a text that is no whole number, which the grid command
    // counts as less than 2.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("leading zero") << "03" << 3;
    QTest::newRow("two digits") << "12" << 12;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("blanks around") << " 4 " << 4;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blanks only") << "   " << -1;
    QTest::newRow("digit then letter") << "1a" << -1;
    QTest::newRow("letter then digit") << "a1" << -1;
    QTest::newRow("digits around a blank") << "1 2" << -1;
    QTest::newRow("negative") << "-3" << -1;
    QTest::newRow("fraction") << "3.5" << -1;
}

void BoardCoreTest::wholeCount()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(GridInput::wholeCount(text), count);
}

void BoardCoreTest::wholeCountCapsHugeNumbers_data()
{
    QTest::addColumn<QString>("text");
    // 2^32 + 3 would wrap to 3 in 32 bits, 2^64 + 2 to 2 in 64 bits.
    QTest::newRow("2^32 + 3") << "4294967299";
    QTest::newRow("2^64 + 2") << "18446744073709551618";
    QTest::newRow("thirty nines") << QString(30, QChar('9'));
    QTest::newRow("100") << "100";
}

void BoardCoreTest::wholeCountCapsHugeNumbers()
{
    QFETCH(QString, text);
    const int count = GridInput::wholeCount(text);
    // Still a count, and still more than any board may hold.
    QVERIFY2(count >= 100, qPrintable(QString::number(count)));
}

void BoardCoreTest::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<bool>("fraction");
    QTest::newRow("5abc") << "5abc" << 5.0 << false;
    QTest::newRow("abc") << "abc" << 0.0 << false;
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("3") << "3" << 3.0 << false;
    QTest::newRow("12 rows") << "12 rows" << 12.0 << false;
    QTest::newRow("leading zero") << "03" << 3.0 << false;
    QTest::newRow("leading blank") << " 7" << 7.0 << false;
    QTest::newRow("3.5") << "3.5" << 3.5 << true;
    QTest::newRow("2.25x") << "2.25x" << 2.25 << true;
    QTest::newRow("point without digits") << "3." << 3.0 << false;
    QTest::newRow("fraction only") << ".5" << 0.5 << true;
    QTest::newRow("negative") << "-2" << -2.0 << false;
    QTest::newRow("letter first") << "x5" << 0.0 << false;
}

void BoardCoreTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(bool, fraction);
    bool hasFraction = !fraction; // the routine must set it either way
    QCOMPARE(GridInput::leadingNumber(text, &hasFraction), number);
    QCOMPARE(hasFraction, fraction);
}

void BoardCoreTest::splitPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");
    QTest::newRow("upper-case picture") << "C:\\Pics\\Sea.JPG" << true << "C:\\Pics\\Sea"
                                        << "jpg";
    QTest::newRow("dots in folder and name") << "D:\\a.b\\c.d.bmp" << true << "D:\\a.b\\c.d"
                                             << "bmp";
    QTest::newRow("saved game in capitals") << "x.TSL" << true << "x"
                                            << "tsl";
    QTest::newRow("four-letter extension") << "x.jpeg" << true << "x"
                                           << "jpeg";
    QTest::newRow("saved game next to picture")
        << "C:\\Pics\\cat.jpg.tsl" << true << "C:\\Pics\\cat.jpg"
        << "tsl";
    // The last dot of the whole path decides, even inside a folder name.
    QTest::newRow("dot only in folder") << "D:\\a.b\\noext" << true << "D:\\a"
                                        << "b\\noext";
    QTest::newRow("no dot at all") << "C:\\Pics\\noext" << false << ""
                                   << "";
    QTest::newRow("empty") << "" << false << ""
                           << "";
}

void BoardCoreTest::splitPath()
{
    QFETCH(QString, path);
    QFETCH(bool, found);
    QFETCH(QString, baseName);
    QFETCH(QString, extension);
    const GridInput::PathParts parts = GridInput::splitPath(path);
    QCOMPARE(parts.found, found);
    if (!found) return;
    QCOMPARE(parts.baseName, baseName);
    QCOMPARE(parts.extension, extension);
}

QTEST_GUILESS_MAIN(BoardCoreTest)
#include "test_board_core.moc"
