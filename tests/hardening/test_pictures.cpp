// Awkward pictures, picked as a player would: each ends either in the message
// "Immage not accepted" with the board as it was, or in a board that plays to
// the end (grid, cut, every piece dragged home). Most files are made here, byte
// by byte where Qt cannot write them; the CMYK JPEG comes from the seeds of the
// picture fuzzer (fuzz/corpus/make-picture-seeds.sh).
#include "GameFixture.h"

#include "platform/PictureFile.h"
#include "platform/Twips.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

namespace {

enum class Outcome { Refused, Playable, Either };

QByteArray encoded(const QImage& picture, const char* format, int quality = -1,
                   bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return bytes;
}

QImage blocks(int width, int height)
{
    // Four quadrants at least one pixel each where the picture allows it.
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixelColor(
                x, y,
                TestPictures::cellColour((y * 2 >= height ? 2 : 0) + (x * 2 >= width ? 1 : 0)));
    return picture;
}

void putLe16(QByteArray& b, qsizetype at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
void putLe32(QByteArray& b, qsizetype at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}
void appendLe16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xff)).append(char(v >> 8));
}

// A Windows bitmap of `bits` per pixel (8 with a grey palette, or 32), as the
// headers say, with `pixels` as its data.
QByteArray bmp(int width, int height, int bits, const QByteArray& pixels, bool bitfields = false)
{
    const int paletteBytes = bits == 8 ? 256 * 4 : 0;
    const int masks = bitfields ? 12 : 0;
    const int offset = 14 + 40 + masks + paletteBytes;
    QByteArray b(offset, '\0');
    b[0] = 'B';
    b[1] = 'M';
    putLe32(b, 2, quint32(offset + pixels.size()));
    putLe32(b, 10, quint32(offset));
    putLe32(b, 14, 40);
    putLe32(b, 18, quint32(width));
    putLe32(b, 22, quint32(height));
    putLe16(b, 26, 1);
    putLe16(b, 28, quint16(bits));
    putLe32(b, 30, bitfields ? 3 : 0);
    putLe32(b, 34, quint32(pixels.size()));
    if (bitfields) {
        putLe32(b, 54, 0x00ff0000);
        putLe32(b, 58, 0x0000ff00);
        putLe32(b, 62, 0x000000ff);
    }
    if (bits == 8) {
        putLe32(b, 46, 256);
        for (int i = 0; i < 256; ++i)
            putLe32(b, 14 + 40 + masks + 4 * i, quint32(i * 0x010101));
    }
    return b + pixels;
}

QByteArray bmpPixels(int width, int height, int bits)
{
    const int row = ((width * bits / 8) + 3) & ~3;
    QByteArray pixels(row * height, '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * bits / 8; ++x)
            pixels[y * row + x] = char((x * 37 + y * 91) & 0xff);
    return pixels;
}

// GIF: a tiny encoder that writes every pixel as a literal code and clears
// the table before it would need wider codes, which every decoder accepts.
QByteArray lzw(const QByteArray& indices, int minCodeSize)
{
    const int clear = 1 << minCodeSize, end = clear + 1, width = minCodeSize + 1;
    const int literalsPerClear = clear - 2;
    QByteArray out;
    quint32 acc = 0;
    int bits = 0;
    auto put = [&](int code) {
        acc |= quint32(code) << bits;
        bits += width;
        while (bits >= 8) {
            out.append(char(acc & 0xff));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % literalsPerClear == 0) put(clear);
        put(uchar(indices[i]));
    }
    put(end);
    if (bits > 0) out.append(char(acc & 0xff));
    QByteArray blocks;
    for (qsizetype i = 0; i < out.size(); i += 255) {
        const QByteArray chunk = out.mid(i, 255);
        blocks.append(char(chunk.size())).append(chunk);
    }
    return blocks.append('\0');
}

struct GifFrame {
    int left, top, width, height;
    bool interlaced;
};

// Four colours; each frame shows the four quadrants of its own rectangle.
QByteArray gif(int screenWidth, int screenHeight, const QList<GifFrame>& frames, bool looping)
{
    QByteArray b("GIF89a");
    appendLe16(b, quint16(screenWidth));
    appendLe16(b, quint16(screenHeight));
    b.append(char(0x81)).append('\0').append('\0'); // global table of 4 colours
    for (int i = 0; i < 4; ++i) {
        const QColor c = TestPictures::cellColour(i);
        b.append(char(c.red())).append(char(c.green())).append(char(c.blue()));
    }
    if (looping) b.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const GifFrame& f : frames) {
        b.append("\x21\xf9\x04\x04\x0a\x00\x00\x00", 8); // 100 ms, kept
        b.append(',');
        appendLe16(b, quint16(f.left));
        appendLe16(b, quint16(f.top));
        appendLe16(b, quint16(f.width));
        appendLe16(b, quint16(f.height));
        b.append(char(f.interlaced ? 0x40 : 0));
        QList<int> rows;
        if (qint64(f.width) * f.height > (1 << 20)) {
            // Too large to fill: only the frame's header matters.
        } else if (f.interlaced) {
            for (int start : {0, 4, 2, 1})
                for (int y = start; y < f.height; y += start == 0 ? 8 : start == 4 ? 8 : start * 2)
                    rows << y;
        } else {
            for (int y = 0; y < f.height; ++y)
                rows << y;
        }
        QByteArray indices;
        for (int y : rows)
            for (int x = 0; x < f.width; ++x)
                indices.append(char((y * 2 >= f.height ? 2 : 0) + (x * 2 >= f.width ? 1 : 0)));
        b.append(char(2)); // minimum code size
        b.append(lzw(indices, 2));
    }
    return b.append(';');
}

// A JPEG with the EXIF orientation `code` in an APP1 block after its start.
QByteArray withExifOrientation(const QByteArray& jpeg, int code)
{
    QByteArray tiff("II*\0", 4);
    tiff.append("\x08\x00\x00\x00", 4);                 // first directory at 8
    tiff.append("\x01\x00", 2);                         // one entry
    tiff.append("\x12\x01\x03\x00\x01\x00\x00\x00", 8); // orientation, SHORT, 1
    appendLe16(tiff, quint16(code));
    tiff.append("\x00\x00\x00\x00\x00\x00", 6); // padding, no next directory
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xff\xe1", 2);
    app1.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xff));
    return jpeg.left(2) + app1 + body + jpeg.mid(2);
}

// The JPEG with its frame header claiming another size (or process).
QByteArray jpegFrame(QByteArray jpeg, int width, int height, char marker = '\xc0')
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xff\xc0", 2));
    if (sof < 0) return {};
    jpeg[sof + 1] = marker;
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xff);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xff);
    return jpeg;
}

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xffffffffu;
    for (char ch : data) {
        crc ^= uchar(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The PNG with its header chunk claiming another size, checksum mended.
QByteArray pngSize(QByteArray png, quint32 width, quint32 height)
{
    const qsizetype ihdr = png.indexOf("IHDR");
    if (ihdr < 0) return {};
    qToBigEndian(width, png.data() + ihdr + 4);
    qToBigEndian(height, png.data() + ihdr + 8);
    qToBigEndian(crc32(png.mid(ihdr, 4 + 13)), png.data() + ihdr + 4 + 13);
    return png;
}

QByteArray seedFile(const char* name)
{
    QFile f(QStringLiteral(TESSOLINA_PICTURE_SEEDS "/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestAwkwardPictures : public QObject {
    Q_OBJECT
  private slots:
    void awkwardPictureEndsInMessageOrPlayableBoard_data();
    void awkwardPictureEndsInMessageOrPlayableBoard();
    void largestPictureIsBoundedBeforeDecoding_data();
    void largestPictureIsBoundedBeforeDecoding();
    void turnedAndCmykPhotosKeepTheirLook_data();
    void turnedAndCmykPhotosKeepTheirLook();
};

void TestAwkwardPictures::awkwardPictureEndsInMessageOrPlayableBoard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QSize>("size"); // pixels as the game takes them, when playable

    const QImage quadrants = blocks(40, 30);
    const QByteArray png = encoded(quadrants, "PNG");
    const QByteArray jpeg = encoded(quadrants, "JPEG", 90);
    const QByteArray bmp24 = encoded(quadrants, "BMP");
    const QByteArray gifPlain = gif(40, 30, {{0, 0, 40, 30, false}}, false);

    QTest::newRow("zero bytes, .jpg") << "empty.jpg" << QByteArray() << Outcome::Refused << QSize();
    QTest::newRow("zero bytes, .bmp") << "empty.bmp" << QByteArray() << Outcome::Refused << QSize();
    QTest::newRow("text named .gif")
        << "text.gif" << QByteArray("GIF? no, a shopping list\r\n") << Outcome::Refused << QSize();
    QTest::newRow("only a JPEG's start marker")
        << "start.jpg" << jpeg.left(2) << Outcome::Refused << QSize();
    QTest::newRow("truncated JPEG, half")
        << "half.jpg" << jpeg.left(jpeg.size() / 2) << Outcome::Either << QSize(40, 30);
    QTest::newRow("truncated JPEG, headers only")
        << "headers.jpg" << jpeg.left(jpeg.indexOf(QByteArray("\xff\xda", 2)) + 4)
        << Outcome::Either << QSize(40, 30);
    QTest::newRow("truncated PNG")
        << "half.png" << png.left(png.size() / 2) << Outcome::Either << QSize(40, 30);
    QTest::newRow("truncated BMP")
        << "half.bmp" << bmp24.left(bmp24.size() / 2) << Outcome::Either << QSize(40, 30);
    QTest::newRow("truncated GIF")
        << "half.gif" << gifPlain.left(gifPlain.size() / 2) << Outcome::Either << QSize(40, 30);

    QTest::newRow("PNG named .jpg") << "lies.jpg" << png << Outcome::Playable << QSize(40, 30);
    QTest::newRow("JPEG named .bmp") << "lies.bmp" << jpeg << Outcome::Playable << QSize(40, 30);
    QTest::newRow("BMP named .gif") << "lies.gif" << bmp24 << Outcome::Playable << QSize(40, 30);
    QTest::newRow("GIF named .jpeg")
        << "lies.jpeg" << gifPlain << Outcome::Playable << QSize(40, 30);

    QTest::newRow("1 x 1 pixel") << "one.bmp" << encoded(blocks(1, 1), "BMP") << Outcome::Playable
                                 << QSize(1, 1);
    QTest::newRow("2 x 1 pixels") << "two.png" << encoded(blocks(2, 1), "PNG") << Outcome::Playable
                                  << QSize(2, 1);
    QTest::newRow("1 x 2 pixels, GIF") << "one-two.gif" << gif(1, 2, {{0, 0, 1, 2, false}}, false)
                                       << Outcome::Playable << QSize(1, 2);
    QTest::newRow("3 x 3 pixels, JPEG")
        << "three.jpg" << encoded(blocks(3, 3), "JPEG", 90) << Outcome::Playable << QSize(3, 3);

    QTest::newRow("8-bit palette BMP") << "palette.bmp" << bmp(21, 13, 8, bmpPixels(21, 13, 8))
                                       << Outcome::Playable << QSize(21, 13);
    QTest::newRow("32-bit BMP") << "deep.bmp" << bmp(21, 13, 32, bmpPixels(21, 13, 32))
                                << Outcome::Playable << QSize(21, 13);
    QTest::newRow("32-bit BMP with bit fields")
        << "fields.bmp" << bmp(21, 13, 32, bmpPixels(21, 13, 32), true) << Outcome::Playable
        << QSize(21, 13);
    QTest::newRow("top-down BMP (negative height)")
        << "topdown.bmp" << bmp(21, -13, 8, bmpPixels(21, 13, 8)) << Outcome::Playable
        << QSize(21, 13);
    QTest::newRow("BMP whose pixels stop early")
        << "short.bmp" << bmp(21, 13, 8, bmpPixels(21, 3, 8)) << Outcome::Either << QSize(21, 13);

    QTest::newRow("interlaced GIF")
        << "interlaced.gif" << gif(37, 29, {{0, 0, 37, 29, true}}, false) << Outcome::Playable
        << QSize(37, 29);
    QTest::newRow("animated GIF")
        << "animated.gif"
        << gif(40, 30, {{0, 0, 40, 30, false}, {5, 5, 10, 10, true}, {30, 20, 10, 10, false}}, true)
        << Outcome::Playable << QSize(40, 30);
    QTest::newRow("GIF frame reaching past its screen")
        << "overflow.gif" << gif(20, 20, {{10, 10, 30, 30, false}}, false) << Outcome::Either
        << QSize(20, 20);

    // Turned up by the picture fuzzer: a screen 0 pixels wide, a frame of none
    // and no data. Qt makes a picture one pixel wide of it.
    QTest::newRow("GIF of a screen 0 pixels wide")
        << "narrow.gif"
        << QByteArray::fromHex("47494638396100000600f00000ff000000000021"
                               "f904000a00000021ff0b4e45545343415045342e"
                               "3003010000002c0100000000000000000000")
        << Outcome::Either << QSize(1, 6);
    QTest::newRow("progressive JPEG") << "progressive.jpg" << encoded(quadrants, "JPEG", 80, true)
                                      << Outcome::Playable << QSize(40, 30);
    QTest::newRow("grey JPEG") << "grey.jpg"
                               << encoded(quadrants.convertToFormat(QImage::Format_Grayscale8),
                                          "JPEG", 90)
                               << Outcome::Playable << QSize(40, 30);
    QTest::newRow("CMYK JPEG") << "cmyk.jpg" << seedFile("cmyk.jpg") << Outcome::Playable
                               << QSize(16, 12);
    // Orientation 6: the camera was turned a quarter; the game shows it upright.
    QTest::newRow("JPEG with EXIF orientation 6")
        << "turned.jpg" << withExifOrientation(jpeg, 6) << Outcome::Playable << QSize(30, 40);
    QTest::newRow("JPEG with EXIF orientation 3")
        << "upside.jpg" << withExifOrientation(jpeg, 3) << Outcome::Playable << QSize(40, 30);
    QTest::newRow("JPEG with EXIF orientation 99")
        << "nonsense.jpg" << withExifOrientation(jpeg, 99) << Outcome::Playable << QSize(40, 30);
    QTest::newRow("lossless JPEG (unsupported process)")
        << "lossless.jpg" << jpegFrame(jpeg, 40, 30, '\xc3') << Outcome::Refused << QSize();
    QTest::newRow("JPEG frame of 0 x 0")
        << "zero.jpg" << jpegFrame(jpeg, 0, 0) << Outcome::Refused << QSize();

    QTest::newRow("16-bit PNG") << "deep.png"
                                << encoded(quadrants.convertToFormat(QImage::Format_RGBA64), "PNG")
                                << Outcome::Playable << QSize(40, 30);
    QImage clear = quadrants.convertToFormat(QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QTest::newRow("fully transparent PNG")
        << "clear.png" << encoded(clear, "PNG") << Outcome::Playable << QSize(40, 30);
    QTest::newRow("PNG with a wrong checksum")
        << "crc.png" << pngSize(png, 40, 30).replace(png.indexOf("IHDR") + 17, 1, "\x5a", 1)
        << Outcome::Refused << QSize();
}

void TestAwkwardPictures::awkwardPictureEndsInMessageOrPlayableBoard()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    QFETCH(QSize, size);

    GameFixture g;
    const QString path = g.dir.filePath(name);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const QSizeF before(g.c().ImaOrig->width(), g.c().ImaOrig->height());
    g.setArrangement(1);
    g.pick(path);

    const bool refused = g.services.lastMessage() == QLatin1String("Immage not accepted");
    if (outcome == Outcome::Refused) QVERIFY2(refused, "the game takes a file it cannot read");
    if (outcome == Outcome::Playable) QVERIFY2(!refused, "the game refuses a good picture");
    if (refused) {
        // The message, the board as it was, and nothing half made.
        QCOMPARE(g.services.messages.size(), size_t(1));
        QCOMPARE(g.s().gamePhase, 0);
        QCOMPARE(QSizeF(g.c().ImaOrig->width(), g.c().ImaOrig->height()), before);
        QVERIFY(!g.c().CmdGriglia->isEnabled());
        return;
    }

    QVERIFY(g.services.messages.empty());
    QCOMPARE(g.s().gamePhase, 1);
    QCOMPARE(g.s().picture.size(), size);
    QCOMPARE(g.s().pictureNaturalWidth, Twips::fromPixels(size.width()));
    QCOMPARE(g.s().pictureNaturalHeight, Twips::fromPixels(size.height()));

    // The smallest grid, so a picture narrower than it has cells of no pixels.
    g.c().Righe->setText(QStringLiteral("2"));
    g.c().Colonne->setText(QStringLiteral("2"));
    g.click(g.c().CmdGriglia);
    QCOMPARE(g.s().gamePhase, 2);
    g.click(g.c().CmdPuzzle);
    QCOMPARE(g.s().gamePhase, 3);
    QCOMPARE(g.c().ImA->count(), 5);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(g.piece(i)->width(), g.s().cellWidth);
        QCOMPARE(g.piece(i)->height(), g.s().cellHeight);
        QVERIFY(g.piece(i)->visible());
    }
    for (int i = 0; i < 4; ++i)
        g.drag(i, g.home(i));
    QCOMPARE(g.s().gamePhase, 4);
    QVERIFY(g.c().ImaCompl->visible());
    QVERIFY(g.services.messages.empty());
}

void TestAwkwardPictures::largestPictureIsBoundedBeforeDecoding_data()
{
    // Headers only: were the game to believe them and make room for the
    // pixels, it would ask for gigabytes. Sides above kMaxSide or more than
    // kMaxPixels pixels are refused from the header alone.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");

    const QImage small = blocks(8, 6);
    const QByteArray jpeg = encoded(small, "JPEG", 90);
    const QByteArray png = encoded(small, "PNG");
    QTest::newRow("BMP 65000 x 65000")
        << "huge.bmp" << bmp(65000, 65000, 32, QByteArray(64, 'x')) << false;
    QTest::newRow("BMP 20001 x 1")
        << "wide.bmp" << bmp(20001, 1, 32, QByteArray(80004, 'x')) << false;
    QTest::newRow("BMP 10000 x 8001, just over the pixels")
        << "many.bmp" << bmp(10000, 8001, 8, QByteArray(64, 'x')) << false;
    QTest::newRow("BMP 20000 x 2, the longest side")
        << "long.bmp" << bmp(20000, 2, 32, QByteArray(160000, '\x40')) << true;
    QTest::newRow("JPEG 65000 x 65000") << "huge.jpg" << jpegFrame(jpeg, 65000, 65000) << false;
    QTest::newRow("PNG 65000 x 65000") << "huge.png" << pngSize(png, 65000, 65000) << false;
    QTest::newRow("GIF screen 65000 x 65000")
        << "huge.gif" << gif(65000, 65000, {{0, 0, 2, 2, false}}, false) << false;
    // The picture is the frame's screen; what lies outside it is cut away.
    QTest::newRow("GIF frame 65000 x 65000 on a small screen")
        << "frame.gif" << gif(4, 4, {{0, 0, 65000, 65000, false}}, false) << true;
    QTest::newRow("PPM 65000 x 65000")
        << "huge.ppm" << QByteArray("P6\n65000 65000\n255\nxyz") << false;
}

void TestAwkwardPictures::largestPictureIsBoundedBeforeDecoding()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QVERIFY(!bytes.isEmpty());

    GameFixture g;
    const QString path = g.dir.filePath(name);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    g.pick(path);
    if (!accepted) {
        QCOMPARE(g.services.lastMessage(), QStringLiteral("Immage not accepted"));
        QCOMPARE(g.s().gamePhase, 0);
        QVERIFY(g.s().picture.isNull());
        return;
    }
    QVERIFY(g.services.messages.empty());
    QCOMPARE(g.s().gamePhase, 1);
    QVERIFY(g.s().picture.width() <= PictureFile::kMaxSide);
    QVERIFY(qint64(g.s().picture.width()) * g.s().picture.height() <= PictureFile::kMaxPixels);
}

namespace {
bool near(QColor a, QColor b)
{
    const int tolerance = 40; // JPEG blurs the edges, not the middle of a block
    return qAbs(a.red() - b.red()) < tolerance && qAbs(a.green() - b.green()) < tolerance &&
           qAbs(a.blue() - b.blue()) < tolerance;
}
} // namespace

void TestAwkwardPictures::turnedAndCmykPhotosKeepTheirLook_data()
{
    // Where a colour lies in the picture the game takes, and what it is.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    const QByteArray jpeg = encoded(blocks(40, 30), "JPEG", 95);
    const QColor topLeft = TestPictures::cellColour(0), bottomLeft = TestPictures::cellColour(2);
    // Orientation 6: turned a quarter clockwise to stand upright, so the
    // top-left quadrant goes to the top right and the bottom-left to the top left.
    QTest::newRow("EXIF 6, top left to top right")
        << withExifOrientation(jpeg, 6) << QPoint(25, 8) << topLeft;
    QTest::newRow("EXIF 6, bottom left to top left")
        << withExifOrientation(jpeg, 6) << QPoint(5, 8) << bottomLeft;
    // Orientation 3: half a turn.
    QTest::newRow("EXIF 3, top left to bottom right")
        << withExifOrientation(jpeg, 3) << QPoint(32, 25) << topLeft;
    // The seed was drawn red to blue with a yellow box; inverted CMYK would
    // show it blue.
    const QByteArray cmyk = seedFile("cmyk.jpg");
    QTest::newRow("CMYK, the yellow box") << cmyk << QPoint(5, 5) << QColor(255, 255, 0);
    QTest::newRow("CMYK, red left") << cmyk << QPoint(1, 1) << QColor(240, 0, 30);
    QTest::newRow("CMYK, blue right") << cmyk << QPoint(14, 10) << QColor(20, 0, 225);
}

void TestAwkwardPictures::turnedAndCmykPhotosKeepTheirLook()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QVERIFY(!bytes.isEmpty());
    GameFixture g;
    const QString path = g.dir.filePath(QStringLiteral("photo.jpg"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    g.pick(path);
    QCOMPARE(g.s().gamePhase, 1);
    const QColor seen = g.s().picture.pixelColor(at);
    QVERIFY2(near(seen, colour),
             qPrintable(QStringLiteral("%1 where %2 belongs").arg(seen.name(), colour.name())));
}

QTEST_MAIN(TestAwkwardPictures)
#include "test_pictures.moc"
