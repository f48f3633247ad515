// The picture services under the game's heavy paths: cells that read their
// source in place, the quarter turn of big pictures, mirrored painting and the
// bitmap files, written at once or in the background.
#include "GameFixture.h"

#include "pieces/PieceRoutines.h"
#include "platform/Module1.h"
#include "platform/PictureClip.h"
#include "platform/PictureFile.h"
#include "platform/Surface.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QRgb numbered(int x, int y)
{
    return qRgb(x % 251, y % 241, (x * 7 + y * 3) % 256);
}

QImage numberedPicture(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = numbered(x, y);
    }
    return image.convertToFormat(format);
}

// The first pixel where two pictures differ, or an empty text.
QString firstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
    return QString();
}

bool sharesPixelsWith(const QImage& cell, const QImage& source)
{
    const uchar* begin = source.constBits();
    const uchar* end = begin + source.sizeInBytes();
    return cell.constBits() >= begin && cell.constBits() < end;
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();

    void cellsAreTheirRectangles_data();
    void cellsAreTheirRectangles();
    void cellOutlivesItsSourceAndPaintingLeavesSourceAlone();

    void bigQuarterTurnMovesEveryPixel_data();
    void bigQuarterTurnMovesEveryPixel();

    void mirroredPaintingFlipsThePicture_data();
    void mirroredPaintingFlipsThePicture();

    void bitmapsReadBackExactly_data();
    void bitmapsReadBackExactly();
    void backgroundWritesRunInOrder();
    void unwritableFolderIsReportedAtOnce();

    void bigCutWritesBothBitmapsForEachCut();

  private:
    QTemporaryDir temp_;
};

void TestPlatform::initTestCase()
{
    // The cut writes its bitmaps into the temporary folder: a folder of this
    // test's own keeps other test programs running at the same time out of them.
    QVERIFY(temp_.isValid());
    for (const char* name : {"TMPDIR", "TEMP", "TMP"})
        qputenv(name, QFile::encodeName(temp_.path()));
    QCOMPARE(QDir(QDir::tempPath()).canonicalPath(), QDir(temp_.path()).canonicalPath());
}

void TestPlatform::cellsAreTheirRectangles_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("32-bit") << int(QImage::Format_RGB32);
    QTest::newRow("32-bit with alpha") << int(QImage::Format_ARGB32);
    QTest::newRow("24-bit") << int(QImage::Format_RGB888);
    QTest::newRow("indexed, as GIFs load") << int(QImage::Format_Indexed8);
    QTest::newRow("one bit per pixel") << int(QImage::Format_Mono);
}

void TestPlatform::cellsAreTheirRectangles()
{
    QFETCH(int, format);
    // 23 x 17 in 3 rows of 4 columns: cells of 5 x 5 with pixels left over on
    // the right and at the bottom, which belong to no cell.
    const QImage source = numberedPicture(23, 17, QImage::Format(format));
    PictureClip clip;
    clip.setPicture(source);
    clip.setRows(3);
    clip.setColumns(4);
    for (int i = 0; i < 12; ++i) {
        const QRect r((i % 4) * 5, (i / 4) * 5, 5, 5);
        QCOMPARE(clip.cellRect(i), r);
        const QImage cell = clip.cell(i);
        QCOMPARE(cell.format(), source.format());
        const QString difference = firstDifference(cell, source.copy(r));
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("cell %1: ").arg(i) + difference));
        if (source.depth() >= 8)
            QVERIFY2(sharesPixelsWith(cell, source), "a cell reads its source in place");
    }
    QVERIFY(clip.cell(12).isNull());
    QVERIFY(clip.cell(-1).isNull());
}

void TestPlatform::cellOutlivesItsSourceAndPaintingLeavesSourceAlone()
{
    PictureClip clip;
    clip.setPicture(numberedPicture(40, 30));
    clip.setRows(2);
    clip.setColumns(2);
    QImage cell = clip.cell(3);
    const QImage expected = numberedPicture(40, 30).copy(20, 15, 20, 15);

    // The clip lets go of its picture: the cell still holds the pixels.
    clip.setPicture(QImage());
    QVERIFY(firstDifference(cell, expected).isEmpty());

    // Painting into a cell gives it pixels of its own.
    clip.setPicture(numberedPicture(40, 30));
    QImage painted = clip.cell(0);
    const QImage keptCell = clip.cell(0);
    painted.fill(Qt::red);
    QCOMPARE(painted.pixel(3, 3), qRgb(255, 0, 0));
    QVERIFY(firstDifference(keptCell, numberedPicture(40, 30).copy(0, 0, 20, 15)).isEmpty());
    QVERIFY(firstDifference(clip.picture(), numberedPicture(40, 30)).isEmpty());
}

void TestPlatform::bigQuarterTurnMovesEveryPixel_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    // Past a megapixel the turn is shared between two threads; sizes that are
    // not multiples of four leave edges outside the 4 x 4 squares.
    QTest::newRow("1280 x 1024") << 1280 << 1024;
    QTest::newRow("1027 x 1031") << 1027 << 1031;
    QTest::newRow("3001 x 353") << 3001 << 353;
}

void TestPlatform::bigQuarterTurnMovesEveryPixel()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const QImage source = numberedPicture(width, height);
    QImage surface = source;
    int w = width, h = height;
    Module1::RotateBitmap(surface, w, h, 2);
    QCOMPARE(QSize(w, h), QSize(height, width));
    QCOMPARE(surface.size(), QSize(height, width));
    // Source pixel (x, y) lands at (H - 1 - y, x).
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (surface.pixel(height - 1 - y, x) != in[x])
                QFAIL(qPrintable(
                    QStringLiteral("source pixel (%1, %2) is not where it belongs").arg(x).arg(y)));
    }
    QVERIFY(firstDifference(source, numberedPicture(width, height)).isEmpty());
}

void TestPlatform::mirroredPaintingFlipsThePicture_data()
{
    QTest::addColumn<bool>("leftRight");
    QTest::addColumn<bool>("topBottom");
    QTest::newRow("left-right") << true << false;
    QTest::newRow("top-bottom") << false << true;
    QTest::newRow("both") << true << true;
}

void TestPlatform::mirroredPaintingFlipsThePicture()
{
    QFETCH(bool, leftRight);
    QFETCH(bool, topBottom);
    // Four solid quarters, painted larger than the surface as the pieces are.
    const QColor quarter[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    QImage picture(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            picture.setPixelColor(x, y, quarter[(y >= 50 ? 2 : 0) + (x >= 100 ? 1 : 0)]);
    Surface surface;
    surface.setSize(600, 300); // 40 x 20 pixels at 15 twips per pixel
    surface.clear();
    const double w = 600, h = 300;
    surface.paint(picture, leftRight ? w : 0, topBottom ? h : 0, leftRight ? -w : w,
                  topBottom ? -h : h);
    const QImage& out = surface.image();
    QCOMPARE(out.size(), QSize(40, 20));
    for (int q = 0; q < 4; ++q) {
        const int x = (q % 2) ? 30 : 10, y = (q / 2) ? 15 : 5;
        const int from = ((q / 2) ^ int(topBottom)) * 2 + ((q % 2) ^ int(leftRight));
        QCOMPARE(out.pixelColor(x, y), quarter[from]);
    }
}

void TestPlatform::bitmapsReadBackExactly_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("background");
    // Widths 1 to 5 give every padding of a 24-bit row.
    for (int w = 1; w <= 5; ++w)
        QTest::addRow("%d x 3", w) << w << 3 << int(QImage::Format_RGB32) << false;
    QTest::newRow("with alpha, written opaque") << 9 << 4 << int(QImage::Format_ARGB32) << false;
    QTest::newRow("indexed") << 7 << 5 << int(QImage::Format_Indexed8) << false;
    QTest::newRow("1031 x 701 in the background")
        << 1031 << 701 << int(QImage::Format_RGB32) << true;
}

void TestPlatform::bitmapsReadBackExactly()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, format);
    QFETCH(bool, background);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    const QImage picture = numberedPicture(width, height, QImage::Format(format));
    QString error;
    if (background) {
        QVERIFY(PictureFile::saveBmpInBackground(picture, path, &error));
        PictureFile::waitForBackgroundSaves();
    } else {
        QVERIFY(PictureFile::saveBmp(picture, path, &error));
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(54);
    QCOMPARE(header.left(2), QByteArray("BM"));
    if (QImage::Format(format) != QImage::Format_Indexed8) {
        QCOMPARE(int(uchar(header[28])), 24); // bits per pixel
        const qint64 rowBytes = (width * 3 + 3) / 4 * 4;
        QCOMPARE(file.size(), 54 + rowBytes * height);
    }
    const QImage back(path);
    const QString difference = firstDifference(back.convertToFormat(QImage::Format_RGB32),
                                               picture.convertToFormat(QImage::Format_RGB32));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestPlatform::backgroundWritesRunInOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("twice.bmp"));
    QImage first(1200, 900, QImage::Format_RGB32);
    first.fill(Qt::red);
    QImage second(300, 200, QImage::Format_RGB32);
    second.fill(Qt::blue);
    QVERIFY(PictureFile::saveBmpInBackground(first, path));
    QVERIFY(PictureFile::saveBmpInBackground(second, path));
    // The pictures given away may go at once: the writer holds its own.
    first = QImage();
    second = QImage();
    PictureFile::waitForBackgroundSaves();
    const QImage back(path);
    QCOMPARE(back.size(), QSize(300, 200));
    QCOMPARE(back.pixel(150, 100), qRgb(0, 0, 255));
}

void TestPlatform::unwritableFolderIsReportedAtOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/folder/p.bmp"));
    const QImage picture = numberedPicture(8, 8);
    QString error;
    QVERIFY(!PictureFile::saveBmpInBackground(picture, path, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!PictureFile::saveBmp(picture, path, &error));
    QVERIFY(!error.isEmpty());
    PictureFile::waitForBackgroundSaves();
    QVERIFY(!QFile::exists(path));
}

void TestPlatform::bigCutWritesBothBitmapsForEachCut()
{
    GameFixture g;
    g.setArrangement(2);
    // Photo-sized pictures are written while the pieces are dealt; each new
    // cut waits for the files of the one before, and both files end up
    // holding the last picture cut and its quarter turn.
    for (int round = 0; round < 2; ++round) {
        const QImage picture =
            round == 0 ? numberedPicture(1300, 900) : TestPictures::blocks(3, 4, 330, 310);
        const QString path = g.dir.filePath(QStringLiteral("big%1.bmp").arg(round));
        QVERIFY(picture.save(path));
        if (round > 0) g.click(g.c().CmdAzze);
        g.pick(path);
        g.c().Righe->setText(QStringLiteral("3"));
        g.c().Colonne->setText(QStringLiteral("4"));
        g.click(g.c().CmdGriglia);
        g.click(g.c().CmdPuzzle);
        QCOMPARE(g.s().gamePhase, 3);
        QVERIFY(g.services.messages.empty());
        PictureFile::waitForBackgroundSaves();

        const QImage upright(Pieces::tempBitmapPath());
        const QImage turned(Pieces::tempTurnedBitmapPath());
        QVERIFY(firstDifference(upright.convertToFormat(QImage::Format_RGB32),
                                picture.convertToFormat(QImage::Format_RGB32))
                    .isEmpty());
        QImage expectedTurn = picture.convertToFormat(QImage::Format_RGB32);
        int w = expectedTurn.width(), h = expectedTurn.height();
        Module1::RotateBitmap(expectedTurn, w, h, 2);
        const QString difference =
            firstDifference(turned.convertToFormat(QImage::Format_RGB32), expectedTurn);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        // The splitter of the turned cells holds the same turned copy.
        QVERIFY(firstDifference(g.c().PictureClip2.picture(), expectedTurn).isEmpty());
    }
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
