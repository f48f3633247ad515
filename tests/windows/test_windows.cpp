#include "FakeServices.h"

#include "app/Form0.h"
#include "app/FormA.h"
#include "app/FormI.h"
#include "app/HelpText.h"
#include "platform/Module1.h"
#include "platform/Twips.h"
#include "platform/WindowShape.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

QPoint screenOrigin()
{
    return QGuiApplication::primaryScreen()->geometry().topLeft();
}

// '.' pure white, 'n' and 'y' white but for one channel, anything else dark.
QImage pictureFromRows(const QStringList& rows)
{
    QImage image(rows.first().size(), rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            const QChar c = rows[y][x];
            QRgb colour = qRgb(40, 90, 160);
            if (c == '.')
                colour = qRgb(255, 255, 255);
            else if (c == 'n')
                colour = qRgb(254, 255, 255);
            else if (c == 'y')
                colour = qRgb(255, 255, 254);
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

bool isPureWhite(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

// Compares a region with the non-white pixels of a picture, pixel by pixel,
// and checks that no two of its rectangles overlap (the area adds up).
void verifyRegionIsNonWhitePixels(const QRegion& region, const QImage& picture)
{
    qint64 nonWhite = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool expected = !isPureWhite(picture.pixel(x, y));
            nonWhite += expected;
            if (region.contains(QPoint(x, y)) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 should be %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(expected ? "kept" : "cut away")));
        }
    }
    qint64 area = 0;
    for (const QRect& rect : region)
        area += qint64(rect.width()) * rect.height();
    QCOMPARE(area, nonWhite);
    QVERIFY(picture.rect().contains(region.boundingRect()) || region.isEmpty());
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { Twips::setPerPixel(15); }

    // The guide's line splitter.
    void splitLines_data();
    void splitLines();
    void shippedGuideIsPlainTextWithCrLf();
    void shippedGuideExplainsTheCommands_data();
    void shippedGuideExplainsTheCommands();

    // Window shaping.
    void pictureRegionIsTheNonWhitePixels_data();
    void pictureRegionIsTheNonWhitePixels();
    void pictureRegionOfNoisyPicture();
    void pictureWithoutWhiteIsItsRectangle_data();
    void pictureWithoutWhiteIsItsRectangle();
    void shapingMasksTheWindow();

    // Splash window.
    void splashIsShapedBorderlessAndPlaced();
    void splashTimerOpensMainWindowAndCloses();
    void splashTimerFiresByItself();
    void splashMovesWithAnyButton_data();
    void splashMovesWithAnyButton();

    // Help window.
    void helpWithoutGuideTellsThePlayer_data();
    void helpWithoutGuideTellsThePlayer();
    void helpListsTheGuideLines();
    void helpFindsTheGuide_data();
    void helpFindsTheGuide();
    void helpTakesTheMainWindowsPlaceAndHeight();
    void helpLaysOutOnEveryResize_data();
    void helpLaysOutOnEveryResize();
    void helpLooksAsDesignedAndExitCloses();

    // Information window.
    void infoSitsAt2000TwipsWithItsSize();
    void infoShowsProgramLineAndCredits();
    void infoClosesOnEnter_data();
    void infoClosesOnEnter();
};

void TestWindows::splitLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("one line, no CR LF") << QByteArray("Hello") << QStringList{"Hello"};
    QTest::newRow("two lines, no final CR LF")
        << QByteArray("Hello\r\nWorld") << QStringList{"Hello", "World"};
    QTest::newRow("last line of one character")
        << QByteArray("Hello\r\nW") << QStringList{"Hello", "W"};
    QTest::newRow("last line of two characters")
        << QByteArray("Hello\r\nWo") << QStringList{"Hello", "Wo"};
    QTest::newRow("only a short line") << QByteArray("ab") << QStringList{"ab"};
    QTest::newRow("final CR LF adds no item")
        << QByteArray("Hello\r\nWorld\r\n") << QStringList{"Hello", "World"};
    QTest::newRow("two final CR LF add no item")
        << QByteArray("Hello\r\nWorld\r\n\r\n") << QStringList{"Hello", "World"};
    QTest::newRow("three final CR LF list one empty line")
        << QByteArray("Hello\r\n\r\n\r\n") << QStringList{"Hello", ""};
    QTest::newRow("two CR LF alone give one empty item")
        << QByteArray("\r\n\r\n") << QStringList{""};
    QTest::newRow("empty lines inside stay")
        << QByteArray("a\r\n\r\n\r\nb") << QStringList{"a", "", "", "b"};
    QTest::newRow("lone CR stays inside its line")
        << QByteArray("one\rtwo\r\nthree") << QStringList{"one\rtwo", "three"};
    QTest::newRow("lone LF stays inside its line")
        << QByteArray("one\ntwo\r\nthree") << QStringList{"one\ntwo", "three"};
    QTest::newRow("LF CR is no line end") << QByteArray("a\n\rb") << QStringList{"a\n\rb"};
    QTest::newRow("CR before CR LF stays") << QByteArray("a\r\r\nb") << QStringList{"a\r", "b"};
    QTest::newRow("empty file gives one empty item") << QByteArray() << QStringList{""};
    QTest::newRow("only CR LF gives one empty item") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("blanks are kept")
        << QByteArray("  indented  \r\n\tTab") << QStringList{"  indented  ", "\tTab"};
}

void TestWindows::splitLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QCOMPARE(HelpText::splitLines(text), lines);
}

void TestWindows::shippedGuideIsPlainTextWithCrLf()
{
    QFile file(QStringLiteral(TESSOLINA_GUIDE_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.endsWith("\r\n"));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        QVERIFY2(c < 128, qPrintable(QStringLiteral("non-ASCII byte at %1").arg(i)));
        if (c == '\r') QVERIFY2(i + 1 < text.size() && text[i + 1] == '\n', "lone CR");
        if (c == '\n') QVERIFY2(i > 0 && text[i - 1] == '\r', "lone LF");
    }
    // The lines are shown in a list box of fixed width.
    const QStringList lines = HelpText::splitLines(text);
    QVERIFY(lines.size() > 40);
    for (const QString& line : lines)
        QVERIFY2(line.size() <= 66, qPrintable(QStringLiteral("too long: ") + line));
}

void TestWindows::shippedGuideExplainsTheCommands_data()
{
    QTest::addColumn<QString>("words");
    for (const char* words : {"1 - Pick an Image",
                              "2 - Pick a Grid",
                              "3 - Make Puzzle",
                              "Translate only",
                              "... and Rotate",
                              "... and Upset",
                              "... and Transparece",
                              "100 twips",
                              "Ctrl + left click",
                              "Shift + left click",
                              "Right click",
                              "Gather Pieces",
                              "Enlarge the Grid Area",
                              "Reduce the Grid Area",
                              "Reset equal Areas",
                              "Save as is",
                              ".tsl",
                              "Clear Puzzle",
                              "Full Guide",
                              "F1",
                              "Information",
                              "Exit",
                              "99 pieces"})
        QTest::newRow(words) << QString::fromLatin1(words);
}

void TestWindows::shippedGuideExplainsTheCommands()
{
    QFETCH(QString, words);
    QFile file(QStringLiteral(TESSOLINA_GUIDE_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromLatin1(file.readAll()).contains(words));
}

void TestWindows::pictureRegionIsTheNonWhitePixels_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("white runs inside rows") << QStringList{"#..#..##", "........", "#.###..#"};
    QTest::newRow("white at both ends") << QStringList{"..##..", ".####.", "######"};
    QTest::newRow("single pixels") << QStringList{".#.#.#", "#.#.#.", ".#.#.#"};
    QTest::newRow("near white is kept") << QStringList{"n.y.", "..ny", "yn.."};
    QTest::newRow("equal rows and a change") << QStringList{"#..#", "#..#", "#..#", ".##."};
    QTest::newRow("empty rows between") << QStringList{"##..", "....", "....", "..##"};
    QTest::newRow("one column") << QStringList{"#", ".", "#", "#"};
    QTest::newRow("one row") << QStringList{".#..##...###"};
}

void TestWindows::pictureRegionIsTheNonWhitePixels()
{
    QFETCH(QStringList, rows);
    const QImage picture = pictureFromRows(rows);
    verifyRegionIsNonWhitePixels(Module1::pictureRegion(picture), picture);
    // The same pixels in 24 bits, as the splash picture is stored.
    const QImage rgb888 = picture.convertToFormat(QImage::Format_RGB888);
    verifyRegionIsNonWhitePixels(Module1::pictureRegion(rgb888), rgb888);
}

void TestWindows::pictureRegionOfNoisyPicture()
{
    // A splash-sized picture of random white and coloured runs.
    QImage picture(379, 215, QImage::Format_RGB888);
    QRandomGenerator random(4711);
    for (int y = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < picture.width()) {
            const int run = 1 + random.bounded(12);
            const bool white = random.bounded(2) == 0;
            const QRgb colour =
                white ? qRgb(255, 255, 255) : qRgb(random.bounded(256), random.bounded(255), 200);
            for (int i = 0; i < run && x < picture.width(); ++i, ++x)
                picture.setPixel(x, y, colour);
        }
        if (y % 7 == 3 && y > 0) // repeat a row now and then, as pictures do
            memcpy(picture.scanLine(y), picture.constScanLine(y - 1), picture.bytesPerLine());
    }
    verifyRegionIsNonWhitePixels(Module1::pictureRegion(picture), picture);
}

void TestWindows::pictureWithoutWhiteIsItsRectangle_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("RGB32") << int(QImage::Format_RGB32);
    QTest::newRow("RGB888") << int(QImage::Format_RGB888);
    QTest::newRow("ARGB32") << int(QImage::Format_ARGB32);
    QTest::newRow("Indexed8") << int(QImage::Format_Indexed8);
}

void TestWindows::pictureWithoutWhiteIsItsRectangle()
{
    QFETCH(int, format);
    QImage picture(37, 21, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, x % 2 ? qRgb(254, 254, 254) : qRgb(20 * (y % 10), 0, 0));
    picture = picture.convertToFormat(static_cast<QImage::Format>(format));
    QCOMPARE(Module1::pictureRegion(picture), QRegion(0, 0, 37, 21));

    QImage white(5, 3, QImage::Format_RGB32);
    white.fill(Qt::white);
    QVERIFY(Module1::pictureRegion(white.convertToFormat(static_cast<QImage::Format>(format)))
                .isEmpty());
}

void TestWindows::shapingMasksTheWindow()
{
    const QImage picture = pictureFromRows({"..##..", ".####.", "######"});
    QWidget window;
    window.resize(picture.size());
    Module1::ShapeWindowToPicture(&window, picture);
    QCOMPARE(window.mask(), Module1::pictureRegion(picture));
    QVERIFY(!window.mask().contains(QPoint(0, 0)));
    QVERIFY(window.mask().contains(QPoint(2, 0)));
}

void TestWindows::splashIsShapedBorderlessAndPlaced()
{
    auto* splash = new Form0([] {});
    const std::unique_ptr<Form0> owner(splash);
    QCOMPARE(splash->objectName(), QStringLiteral("Form0"));
    QVERIFY(splash->isWindow());
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    // A splash or tool window has no entry in the task bar.
    QVERIFY(splash->windowType() == Qt::SplashScreen || splash->windowType() == Qt::Tool);

    auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer2"));
    QVERIFY(timer);
    QCOMPARE(timer, splash->Timer2);
    QCOMPARE(timer->interval(), 4000);
    QVERIFY(timer->isSingleShot());
    QVERIFY(!timer->isActive());

    splash->Form_Load();
    QVERIFY(timer->isActive());
    const QImage picture(QStringLiteral(":/pictures/splash.bmp"));
    QCOMPARE(picture.size(), QSize(379, 215));
    QCOMPARE(splash->size(), picture.size());
    // 3210, 3030 twips at 15 twips per pixel.
    QCOMPARE(splash->pos(), screenOrigin() + QPoint(214, 202));

    const QRegion shape = Module1::pictureRegion(picture);
    QCOMPARE(splash->mask(), shape);
    QVERIFY(shape != QRegion(picture.rect())); // the picture has white to cut away
    QVERIFY(!splash->mask().contains(QPoint(0, 0)));
    QVERIFY(splash->mask().contains(QPoint(189, 100)));

    QVERIFY(splash->Picture1);
    QCOMPARE(splash->Picture1->objectName(), QStringLiteral("Picture1"));
    QVERIFY(splash->Picture1->isHidden());
}

void TestWindows::splashTimerOpensMainWindowAndCloses()
{
    int calls = 0;
    bool splashShownDuringCall = false;
    QPointer<Form0> guard;
    auto* splash = new Form0([&] {
        ++calls;
        // The main window opens while the splash is still up, so the program
        // never runs without a window.
        splashShownDuringCall = guard && guard->isVisible();
    });
    guard = splash;
    splash->Form_Load();
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));

    splash->Timer2_Timer();
    QCOMPARE(calls, 1);
    QVERIFY(splashShownDuringCall);
    QVERIFY(guard.isNull() || !guard->isVisible());
    QVERIFY(guard.isNull() || !guard->Timer2->isActive());
    QTRY_VERIFY(guard.isNull()); // closing deletes the splash
    QCOMPARE(calls, 1);
}

void TestWindows::splashTimerFiresByItself()
{
    int calls = 0;
    auto* splash = new Form0([&] { ++calls; });
    QPointer<Form0> guard(splash);
    splash->Timer2->setInterval(20);
    splash->Form_Load();
    splash->show();
    QTRY_COMPARE(calls, 1);
    QTRY_VERIFY(guard.isNull());
    QTest::qWait(50);
    QCOMPARE(calls, 1);
}

void TestWindows::splashMovesWithAnyButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestWindows::splashMovesWithAnyButton()
{
    // Where the window system cannot move the window (as here, off screen),
    // the splash follows the pointer itself.
    QFETCH(Qt::MouseButton, button);
    auto* splash = new Form0([] {});
    const std::unique_ptr<Form0> owner(splash);
    splash->Form_Load();
    splash->Timer2->stop(); // the splash must outlive a slow test
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    const QPoint start = splash->pos();

    QTest::mousePress(splash, button, Qt::NoModifier, QPoint(190, 100));
    QTest::mouseMove(splash, QPoint(230, 90));
    QTRY_COMPARE(splash->pos(), start + QPoint(40, -10));
    QTest::mouseRelease(splash, button, Qt::NoModifier, QPoint(190, 100));
    const QPoint dropped = splash->pos();
    QTest::mouseMove(splash, QPoint(120, 60));
    QTest::qWait(20);
    QCOMPARE(splash->pos(), dropped);
}

void TestWindows::helpWithoutGuideTellsThePlayer_data()
{
    QTest::addColumn<bool>("currentDirectoryKnown");
    QTest::addColumn<bool>("guideIsAFolder");
    QTest::newRow("no current directory") << false << false;
    QTest::newRow("guide in neither folder") << true << false;
    QTest::newRow("guide name is a folder") << true << true;
}

void TestWindows::helpWithoutGuideTellsThePlayer()
{
    QFETCH(bool, currentDirectoryKnown);
    QFETCH(bool, guideIsAFolder);
    QTemporaryDir current, program;
    if (guideIsAFolder) {
        QVERIFY(QDir(current.path()).mkdir(QStringLiteral("TessolinaHelp.txt")));
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("TessolinaHelp.txt")));
    }
    FakeServices services;
    if (currentDirectoryKnown) services.directory = current.path();
    QWidget mainWindow;
    FormA help(&mainWindow, services);
    help.setProgramDirectory(program.path());

    QVERIFY(!help.Form_Load());
    QCOMPARE(services.messages.size(), size_t(1));
    QCOMPARE(services.messages[0].prompt, QStringLiteral("File TessolinaHelp.txt non trovato"));
    QCOMPARE(services.messages[0].buttons, 64);
    QCOMPARE(services.messages[0].title, QStringLiteral("Richiesta ignorata ..."));
    QCOMPARE(help.Listai->count(), 0);
    QVERIFY(!help.isVisible());
    QVERIFY(services.modalWindows.isEmpty());
}

void TestWindows::helpListsTheGuideLines()
{
    QTemporaryDir current, program;
    writeFile(QDir(current.path()).filePath(QStringLiteral("TessolinaHelp.txt")),
              "GUIDE\r\n\r\nDrag: left button\r\nkeys\rI G P\r\nEnd");
    FakeServices services;
    services.directory = current.path();
    FormA help(nullptr, services);
    help.setProgramDirectory(program.path());

    QVERIFY(help.Form_Load());
    QVERIFY(services.messages.empty());
    QCOMPARE(items(help.Listai),
             (QStringList{"GUIDE", "", "Drag: left button", "keys\rI G P", "End"}));

    // Loading again lists the guide once, not twice.
    QVERIFY(help.Form_Load());
    QCOMPARE(help.Listai->count(), 5);
}

void TestWindows::helpFindsTheGuide_data()
{
    QTest::addColumn<bool>("inCurrent");
    QTest::addColumn<bool>("inProgram");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("current directory") << true << false << "current";
    QTest::newRow("after picking a picture elsewhere") << false << true << "program";
    QTest::newRow("current directory first") << true << true << "current";
}

void TestWindows::helpFindsTheGuide()
{
    QFETCH(bool, inCurrent);
    QFETCH(bool, inProgram);
    QFETCH(QString, firstLine);
    QTemporaryDir current, program;
    const QString name = QStringLiteral("TessolinaHelp.txt");
    if (inCurrent) writeFile(QDir(current.path()).filePath(name), "current\r\nguide\r\n");
    if (inProgram) writeFile(QDir(program.path()).filePath(name), "program\r\nguide\r\n");
    FakeServices services;
    services.directory = current.path();
    FormA help(nullptr, services);
    help.setProgramDirectory(program.path());

    QVERIFY(help.Form_Load());
    QVERIFY(services.messages.empty());
    QCOMPARE(items(help.Listai), (QStringList{firstLine, "guide"}));
}

void TestWindows::helpTakesTheMainWindowsPlaceAndHeight()
{
    QTemporaryDir current;
    writeFile(QDir(current.path()).filePath(QStringLiteral("TessolinaHelp.txt")), "x");
    FakeServices services;
    services.directory = current.path();
    QWidget mainWindow;
    mainWindow.setGeometry(40, 30, 900, 600);
    FormA help(&mainWindow, services);

    QVERIFY(help.Form_Load());
    QCOMPARE(help.pos(), QPoint(40, 30));
    QCOMPARE(help.height(), 600);
    QCOMPARE(help.width(), 540); // 8100 twips
    // A fixed border: the player cannot resize it.
    QCOMPARE(help.minimumSize(), help.maximumSize());
    // 600 pixels are 9000 twips: the list ends 700 twips above the bottom,
    // the button starts 450 twips above it.
    QCOMPARE(Twips::placed(help.Listai), QRectF(120, 240, 8100 - 240, 9000 - 700));
    QCOMPARE(Twips::placed(help.Command1).top(), 9000.0 - 450);
}

void TestWindows::helpLaysOutOnEveryResize_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("low") << 200;
    QTest::newRow("medium") << 480;
    QTest::newRow("tall") << 900;
}

void TestWindows::helpLaysOutOnEveryResize()
{
    QFETCH(int, height);
    FakeServices services;
    FormA help(nullptr, services);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    help.resize(540, height);
    const double inner = height * 15.0;
    QTRY_COMPARE(Twips::placed(help.Listai).height(), inner - 700);
    QCOMPARE(Twips::placed(help.Listai).top(), 240.0);
    QCOMPARE(Twips::placed(help.Listai).left(), 120.0);
    QCOMPARE(Twips::placed(help.Command1).top(), inner - 450);
    // The button stays inside the window, below the list.
    QVERIFY(Twips::placed(help.Command1).bottom() <= inner);
    QVERIFY(Twips::placed(help.Command1).top() > Twips::placed(help.Listai).bottom());
}

void TestWindows::helpLooksAsDesignedAndExitCloses()
{
    QTemporaryDir current;
    writeFile(QDir(current.path()).filePath(QStringLiteral("TessolinaHelp.txt")), "x\r\n");
    FakeServices services;
    services.directory = current.path();
    FormA help(nullptr, services);
    QCOMPARE(help.objectName(), QStringLiteral("FormA"));
    QCOMPARE(help.windowTitle(), QStringLiteral("    H E L P        v.4"));
    QVERIFY(!help.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!help.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(help.Listai->objectName(), QStringLiteral("Listai"));
    QCOMPARE(help.Listai->font().pointSizeF(), 9.75);
    QCOMPARE(help.Command1->objectName(), QStringLiteral("Command1"));
    QCOMPARE(help.Command1->text(), QStringLiteral("Exit"));

    QVERIFY(help.Form_Load());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::mouseClick(help.Command1, Qt::LeftButton);
    QTRY_VERIFY(!help.isVisible());
}

void TestWindows::infoSitsAt2000TwipsWithItsSize()
{
    FakeServices services;
    FormI info(nullptr, services);
    info.Form_Load();
    QCOMPARE(info.objectName(), QStringLiteral("FormI"));
    QVERIFY(info.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(info.pos(), screenOrigin() + QPoint(133, 133)); // 2000 twips
    QCOMPARE(info.size(), QSize(278, 198));                  // 4170 x 2970 twips
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    QCOMPARE(info.pos(), screenOrigin() + QPoint(133, 133));
}

void TestWindows::infoShowsProgramLineAndCredits()
{
    FakeServices services;
    FormI info(nullptr, services);
    const QList<QLabel*> labels = info.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 3);
    QCOMPARE(info.Label1->text(), QStringLiteral("Program  Tessolina V.4"));
    QVERIFY(info.Label1->font().bold());
    QCOMPARE(info.Label1->font().pointSizeF(), 9.75);
    for (const QLabel* label : labels) {
        QVERIFY(!label->text().trimmed().isEmpty());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(!label->autoFillBackground());
        QVERIFY(info.rect().contains(label->geometry()));
    }

    QCOMPARE(info.Command1->objectName(), QStringLiteral("Command1"));
    QVERIFY(info.Command1->isDefault());
    QVERIFY(!info.Command1->icon().isNull());
    // At the bottom right, clear of the labels.
    const QRect button = info.Command1->geometry();
    QVERIFY(info.rect().contains(button));
    QVERIFY(button.left() > info.width() / 2);
    QVERIFY(button.top() > info.height() / 2);
    for (const QLabel* label : labels)
        QVERIFY(!label->geometry().intersects(button));
}

void TestWindows::infoClosesOnEnter_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter on the keypad") << Qt::Key_Enter;
}

void TestWindows::infoClosesOnEnter()
{
    QFETCH(Qt::Key, key);
    FakeServices services;
    FormI info(nullptr, services);
    info.Form_Load();
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    QVERIFY(info.isVisible());
    QTest::keyClick(&info, key);
    QTRY_VERIFY(!info.isVisible());
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
