// The main window as a player meets it: controls and menus, keys, picking a
// picture, the grid, the zoom, clearing, saving and resuming.
#include "GameFixture.h"

#include "pieces/PieceRoutines.h"
#include "platform/Twips.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestForm3 : public QObject {
    Q_OBJECT
  private slots:
    void initialControls_data();
    void initialControls();
    void initialMenus_data();
    void initialMenus();
    void startPictureAndPanelLayout();
    void viewKeepsFractionalTwips();
    void disabledLetterDoesNothing_data();
    void disabledLetterDoesNothing();
    void popupOnlyInPhasesOneToFour();

    void pickPictureFitsAndEnablesGrid();
    void cancelledDialogKeepsPicture();
    void unreadableFileLeavesViewAsItWas();
    void pathClassification_data();
    void pathClassification();
    void secondDialogOpensInFirstFolder();
    void pickInPhaseTwoClearsFirst();

    void gridLinesAndCells_data();
    void gridLinesAndCells();
    void gridRefusals_data();
    void gridRefusals();
    void boxesTakeDigitsButLettersStillRunCommands();
    void menuGridReplacesFirstAndCancelAsksNoMore();
    void boxClickTakesGridAway();

    void zoomPlusMinusEndsInReset();
    void zoomKeysBeforeAPicture();
    void reduceBeepsNearScreenSize();
    void quarterTurnedPieceKeepsProportionsThroughZoom();

    void clearingRemovesEverything();

    void saveAndResumeRoundTrip();
    void resumeRefusesBrokenFiles_data();
    void resumeRefusesBrokenFiles();
    void completingDeletesOnlyAResumedGamesFile();
    void saveFailureIsReported();
};

void TestForm3::initialControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("width");
    QTest::newRow("RC1") << "RC1"
                         << "Rows       Columns" << true << 3240.0 << 1335.0;
    QTest::newRow("Righe") << "Righe"
                           << "3" << false << 3240.0 << 375.0;
    QTest::newRow("RC2") << "RC2"
                         << "x" << true << 3840.0 << 255.0;
    QTest::newRow("Colonne") << "Colonne"
                             << "4" << false << 4200.0 << 375.0;
    QTest::newRow("CmdImma") << "CmdImma"
                             << "1 - Pick an &Image" << true << 120.0 << 1575.0;
    QTest::newRow("CmdGriglia") << "CmdGriglia"
                                << "2 - Pick a &Grid" << false << 1800.0 << 1335.0;
    QTest::newRow("CmdPuzzle") << "CmdPuzzle"
                               << "3 - Make &Puzzle" << false << 120.0 << 1575.0;
    QTest::newRow("CmdRaccogli") << "CmdRaccogli"
                                 << "Gathe&r Pieces" << false << 1800.0 << 1335.0;
    QTest::newRow("CmdAzze") << "CmdAzze"
                             << "Clear Pu&zzle" << false << 3240.0 << 1335.0;
}

void TestForm3::initialControls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(double, left);
    QFETCH(double, width);
    GameFixture g;
    auto* w = g.form->findChild<QWidget*>(name);
    QVERIFY(w);
    QString shown;
    if (auto* b = qobject_cast<QPushButton*>(w)) shown = b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) shown = e->text();
    QCOMPARE(shown, text);
    QCOMPARE(w->isEnabled(), enabled);
    QVERIFY(w->isVisible());
    QCOMPARE(Twips::placed(w).left(), left);
    QCOMPARE(Twips::placed(w).width(), width);
}

void TestForm3::initialMenus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("mImma") << "mImma"
                           << "1 - Pick an &Image" << true << false;
    QTest::newRow("mSalva") << "mSalva"
                            << "&Save as is" << false << false;
    QTest::newRow("mChiudi") << "mChiudi"
                             << "Exit" << true << false;
    QTest::newRow("mGrande") << "mGrande"
                             << "Enlarge the Grid Area       (+)" << true << false;
    QTest::newRow("mPicco") << "mPicco"
                            << "Reduce the Grid Area        (-)" << true << false;
    QTest::newRow("mNorma") << "mNorma"
                            << "Reset equal Areas          (0)" << true << false;
    QTest::newRow("mGrig") << "mGrig"
                           << "2 - Pick a &Grid..." << false << false;
    QTest::newRow("mPuzl") << "mPuzl"
                           << "3 - Make &Puzzle" << false << false;
    QTest::newRow("mRaccogli") << "mRaccogli"
                               << "Gathe&r all Pieces" << false << false;
    QTest::newRow("mAzze") << "mAzze"
                           << "Clear Pu&zzle" << false << false;
    QTest::newRow("mSpos") << "mSpos"
                           << "Translate only" << true << false;
    QTest::newRow("mRuot") << "mRuot"
                           << "... and Rotate" << true << false;
    QTest::newRow("mRove") << "mRove"
                           << "... and Upset" << true << true;
    QTest::newRow("mTrasp") << "mTrasp"
                            << "... and Transparece" << true << false;
    QTest::newRow("mGuida") << "mGuida"
                            << "Full Guide" << true << false;
    QTest::newRow("mInfo") << "mInfo"
                           << "In&formation" << true << false;
}

void TestForm3::initialMenus()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(bool, ticked);
    GameFixture g;
    QAction* a = g.item(name.toLatin1().constData());
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->isEnabled(), enabled);
    QCOMPARE(a->isChecked(), ticked);
}

void TestForm3::startPictureAndPanelLayout()
{
    GameFixture g;
    QVERIFY(g.form->windowTitle().endsWith(QStringLiteral("Tessolina ...!")));
    QVERIFY(!g.form->windowIcon().isNull());
    QCOMPARE(g.item("mGuida")->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(!g.c().mVisual->menuAction()->isEnabled());
    const QStringList quick = [&] {
        QStringList texts;
        for (QAction* a : g.form->findChild<QMenu*>(QStringLiteral("mQuick"))->actions())
            texts << a->text();
        return texts;
    }();
    QCOMPARE(quick,
             (QStringList{"Drag: with Left Mouse Button", "Rotate: Ctrl + Left MouseClick",
                          "Upset:  Uppercase + Left MouseClick", "Cut Free:  Right MouseClick"}));

    // The 362 x 252 start picture fits a 1024 x 768 screen unscaled.
    ImageView* ref = g.c().ImaOrig;
    QCOMPARE(ref->left(), 120.0);
    QCOMPARE(ref->top(), 120.0);
    QCOMPARE(ref->width(), 5430.0);
    QCOMPARE(ref->height(), 3780.0);
    QCOMPARE(g.s().gamePhase, 0);
    QCOMPARE(g.s().referenceMaxWidth, 7530);
    QCOMPARE(g.s().referenceMaxHeight, 9120);
    QCOMPARE(Twips::placed(g.c().RC1).top(), 3900.0 + 100);
    for (QWidget* w : {(QWidget*)g.c().CmdImma, (QWidget*)g.c().CmdGriglia, (QWidget*)g.c().Righe,
                       (QWidget*)g.c().RC2, (QWidget*)g.c().Colonne})
        QCOMPARE(Twips::placed(w).top(), 4000.0 + 240);
    for (QWidget* w : {g.c().CmdPuzzle, g.c().CmdRaccogli, g.c().CmdAzze})
        QCOMPARE(Twips::placed(w).top(), 4000.0 + 720);
    QVERIFY(!g.c().ImaCompl->visible());
    QCOMPARE(g.c().ImaCompl->top(), 11520.0 - 1485 - 900);
    QCOMPARE(g.c().ImA->count(), 1);
    QVERIFY(!g.c().ImA->at(999)->visible());
}

void TestForm3::viewKeepsFractionalTwips()
{
    Twips::setPerPixel(15);
    QWidget parent;
    ImageView view(&parent);
    view.setStretch(true);
    view.setRect(100.3, 200.7, 1234.56, 789.01);
    view.move(view.left() + 0.1, view.top() - 0.2);
    QCOMPARE(view.left(), 100.3 + 0.1);
    QCOMPARE(view.top(), 200.7 - 0.2);
    QCOMPARE(view.width(), 1234.56);
    QCOMPARE(view.height(), 789.01);
    // The screen shows the nearest pixels: edges rounded, not the size.
    QCOMPARE(view.geometry(), QRect(7, 13, 82, 53));
}

void TestForm3::disabledLetterDoesNothing_data()
{
    QTest::addColumn<QChar>("key");
    QTest::newRow("p before a grid") << QChar('p');
    QTest::newRow("P before a grid") << QChar('P');
    QTest::newRow("r before a deal") << QChar('r');
    QTest::newRow("Z on a fresh window") << QChar('Z');
}

void TestForm3::disabledLetterDoesNothing()
{
    QFETCH(QChar, key);
    GameFixture g;
    g.type(key);
    QCOMPARE(g.s().gamePhase, 0);
    QVERIFY(g.services.dialogs.empty());
    QVERIFY(g.services.messages.empty());

    // During a game "i" and "I" no longer pick a picture.
    g.dealt(2, 2, 1);
    g.type('i');
    g.type('I');
    QCOMPARE(g.services.dialogs.size(), size_t(1));
    QCOMPARE(g.s().gamePhase, 3);
}

void TestForm3::popupOnlyInPhasesOneToFour()
{
    GameFixture g;
    QWidget* client = g.c().client;
    QTest::mouseClick(client, Qt::RightButton, {}, QPoint(900, 600));
    QVERIFY(!g.c().mVisual->isVisible());
    g.pick(g.writePicture("a.bmp", 2, 2, 10, 10));
    QCOMPARE(g.s().gamePhase, 1);
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(900, 600));
    QVERIFY(!g.c().mVisual->isVisible());
    QTest::mouseClick(client, Qt::RightButton, {}, QPoint(900, 600));
    QVERIFY(g.c().mVisual->isVisible());
    g.c().mVisual->hide();
    // A right press on a control of the panel is no press on the background.
    for (QWidget* control : {static_cast<QWidget*>(g.c().CmdImma), static_cast<QWidget*>(g.c().RC1),
                             static_cast<QWidget*>(g.c().RC2)}) {
        QTest::mouseClick(control, Qt::RightButton);
        QVERIFY2(!g.c().mVisual->isVisible(), qPrintable(control->objectName()));
    }
}

void TestForm3::pickPictureFitsAndEnablesGrid()
{
    GameFixture g;
    // 1200 x 300 pixels is 18000 x 4500 twips: too wide, so it shrinks to 7530 wide.
    const QString path = g.writePicture("wide.bmp", 1, 4, 300, 300);
    g.pick(path);
    QCOMPARE(g.services.dialogs.size(), size_t(1));
    const auto& d = g.services.dialogs.front();
    QCOMPARE(d.title, QStringLiteral("Choose the file to open"));
    QCOMPARE(d.filterName, QStringLiteral("All files(*.bmp;*.gif;*.jpg;*.jpeg;*.tsl)"));
    QCOMPARE(d.patterns, QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg;*.tsl"));
    QCOMPARE(g.s().gamePhase, 1);
    QCOMPARE(g.s().pictureNaturalWidth, 18000.0);
    QCOMPARE(g.c().ImaOrig->width(), 7530.0);
    QCOMPARE(g.c().ImaOrig->height(), 4500.0 * 7530 / 18000);
    QCOMPARE(g.s().zoomLevel, 0);
    QCOMPARE(Twips::placed(g.c().RC1).top(), 120 + 4500.0 * 7530 / 18000 + 100);
    QVERIFY(g.c().CmdGriglia->isEnabled() && g.c().mGrig->isEnabled());
    QVERIFY(g.c().Righe->isEnabled() && g.c().Colonne->isEnabled());
    QVERIFY(g.c().CmdAzze->isEnabled() && g.c().mAzze->isEnabled());
    QVERIFY(g.c().mVisual->menuAction()->isEnabled());
    QCOMPARE(g.c().PictureClip1.picture().size(), QSize(1200, 300));
}

void TestForm3::cancelledDialogKeepsPicture()
{
    GameFixture g;
    g.pick(g.writePicture("a.bmp", 2, 2, 50, 50));
    g.pick(QString()); // cancel
    QCOMPARE(g.s().gamePhase, 0);
    QCOMPARE(g.c().ImaOrig->picture().size(), QSize(100, 100));
    QVERIFY(g.c().CmdGriglia->isEnabled());
    QVERIFY(g.services.messages.empty());
}

void TestForm3::unreadableFileLeavesViewAsItWas()
{
    GameFixture g;
    g.pick(g.writePicture("a.bmp", 2, 2, 50, 50));
    const QRectF before(g.c().ImaOrig->left(), g.c().ImaOrig->top(), g.c().ImaOrig->width(),
                        g.c().ImaOrig->height());
    const QString bad = g.dir.filePath("broken.jpg");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is no picture");
    f.close();
    g.pick(bad);
    QCOMPARE(g.services.lastMessage(), QStringLiteral("Immage not accepted"));
    QCOMPARE(g.services.messages.back().buttons, 0);
    QCOMPARE(g.s().gamePhase, 0);
    QCOMPARE(QRectF(g.c().ImaOrig->left(), g.c().ImaOrig->top(), g.c().ImaOrig->width(),
                    g.c().ImaOrig->height()),
             before);
    QVERIFY(g.c().ImaOrig->stretch());
}

void TestForm3::pathClassification_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("phase");
    QTest::newRow("x.jpeg") << "x.jpeg"
                            << "jpeg" << 1;
    QTest::newRow("X.JPG") << "X.JPG"
                           << "jpg" << 1;
    QTest::newRow("x.TSL") << "x.TSL"
                           << "tsl" << 0;
    QTest::newRow("dotted folder") << "my.pics/sea.gif"
                                   << "gif" << 1;
}

void TestForm3::pathClassification()
{
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QFETCH(int, phase);
    GameFixture g;
    QDir(g.dir.path()).mkpath("my.pics");
    const QString path = g.dir.filePath(name);
    // Qt writes no GIF; the loader goes by content, so a BMP inside serves.
    const char* format = extension == "jpeg" || extension == "jpg" ? "JPEG" : "BMP";
    if (extension == "tsl") {
        QFile f(path); // a saved game naming a missing picture
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\"nowhere.bmp\"\r\n\"2\",\"2\",1\r\n");
    } else {
        QVERIFY(TestPictures::blocks(2, 2, 8, 8).save(path, format));
    }
    g.pick(path);
    QCOMPARE(g.s().pictureExtension, extension);
    QCOMPARE(g.s().resumingGame, extension == "tsl");
    QCOMPARE(g.s().gamePhase, phase);
}

void TestForm3::secondDialogOpensInFirstFolder()
{
    GameFixture g;
    QDir(g.dir.path()).mkpath("sub");
    const QString path = g.dir.filePath("sub/a.bmp");
    QVERIFY(TestPictures::blocks(2, 2, 8, 8).save(path));
    g.pick(path);
    g.pick(QString());
    QCOMPARE(g.services.dialogs.size(), size_t(2));
    QCOMPARE(g.services.dialogs[0].initialDirectory, g.dir.path());
    QCOMPARE(g.services.dialogs[1].initialDirectory, g.dir.filePath("sub"));
}

void TestForm3::pickInPhaseTwoClearsFirst()
{
    GameFixture g;
    g.pictureAndGrid(2, 3);
    QCOMPARE(g.s().gamePhase, 2);
    QCOMPARE(g.c().liO->count(), 3);
    g.pick(QString());
    QCOMPARE(g.s().gamePhase, 0);
    QCOMPARE(g.c().liO->count(), 1);
    QCOMPARE(g.c().ImaOrig->picture().size(), QSize(362, 252));
    QVERIFY(g.c().mVisual->menuAction()->isEnabled());
}

void TestForm3::gridLinesAndCells_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("2 x 2") << 2 << 2;
    QTest::newRow("3 x 4") << 3 << 4;
    QTest::newRow("9 x 11") << 9 << 11;
}

void TestForm3::gridLinesAndCells()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    GameFixture g;
    g.pictureAndGrid(rows, columns, 30, 20);
    const double w = g.c().ImaOrig->width(), h = g.c().ImaOrig->height();
    QCOMPARE(g.s().gamePhase, 2);
    QCOMPARE(g.s().pieceCount, rows * columns);
    QCOMPARE(g.c().liO->count(), rows + 1);
    QCOMPARE(g.c().Liv->count(), columns + 1);
    QCOMPARE(g.s().cellWidth, w / columns);
    QCOMPARE(g.s().cellHeight, h / rows);
    const double left = 120 + w + 30;
    LineView* bottom = g.c().liO->at(rows);
    QCOMPARE(bottom->x1(), left);
    QCOMPARE(bottom->y1(), 120 + rows * (h / rows));
    QCOMPARE(bottom->x2(), left + columns * (w / columns));
    LineView* right = g.c().Liv->at(columns);
    QCOMPARE(right->x1(), left + columns * (w / columns));
    QCOMPARE(right->y2(), 120 + rows * (h / rows));
    QVERIFY(bottom->visible() && right->visible() && g.c().liO->at(0)->visible());
    QVERIFY(!g.c().CmdGriglia->isEnabled());
    QVERIFY(g.c().mGrig->isEnabled());
    QVERIFY(g.c().CmdPuzzle->isEnabled() && g.c().mPuzl->isEnabled());
    QCOMPARE(g.c().PictureClip1.cell(0).size(), QSize(30, 20));
}

void TestForm3::gridRefusals_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("message");
    const QString atLeast = QStringLiteral("2 Rows and 2 Columns at least");
    QTest::newRow("one row") << "1"
                             << "4" << atLeast;
    QTest::newRow("empty columns") << "3"
                                   << "" << atLeast;
    QTest::newRow("pasted text") << "3a"
                                 << "4" << atLeast;
    QTest::newRow("too many pieces") << "10"
                                     << "10"
                                     << "99 pieces at most: choose fewer Rows or Columns";
}

void TestForm3::gridRefusals()
{
    QFETCH(QString, rows);
    QFETCH(QString, columns);
    QFETCH(QString, message);
    GameFixture g;
    g.pick(g.writePicture("a.bmp", 2, 2, 20, 20));
    g.c().Righe->setText(rows);
    g.c().Colonne->setText(columns);
    g.click(g.c().CmdGriglia);
    QCOMPARE(g.services.messages.size(), size_t(1));
    QCOMPARE(g.services.lastMessage(), message);
    QCOMPARE(g.services.messages[0].title, QStringLiteral("Attention !"));
    QCOMPARE(g.services.messages[0].buttons, 16);
    QCOMPARE(g.s().gamePhase, 1);
    QCOMPARE(g.c().liO->count(), 1);
    QVERIFY(g.s().gridRows.isEmpty());
    QVERIFY(!g.c().CmdPuzzle->isEnabled());
}

void TestForm3::boxesTakeDigitsButLettersStillRunCommands()
{
    GameFixture g;
    g.pick(g.writePicture("a.bmp", 2, 2, 20, 20));
    QLineEdit* rows = g.c().Righe;
    rows->clear();
    g.type('x', rows);
    g.type('5', rows);
    QCOMPARE(rows->text(), QStringLiteral("5"));
    // Delete edits the box as in any text box.
    rows->setText("35");
    rows->setCursorPosition(0);
    QTest::keyClick(rows, Qt::Key_Delete);
    QCOMPARE(rows->text(), QStringLiteral("5"));
    rows->end(false);
    // "g" runs the enabled grid command, and still never lands in the box.
    g.type('g', rows);
    QCOMPARE(rows->text(), QStringLiteral("5"));
    QCOMPARE(g.s().gamePhase, 2);
    QCOMPARE(g.s().pieceCount, 20);
    // "0" resets the areas and lands in the box too.
    g.type('0', rows);
    QCOMPARE(rows->text(), QStringLiteral("50"));
}

void TestForm3::menuGridReplacesFirstAndCancelAsksNoMore()
{
    GameFixture g;
    g.pictureAndGrid(4, 4);
    g.services.inputAnswers = {"2", "3"};
    g.trigger("mGrig");
    QCOMPARE(g.services.questions.size(), size_t(2));
    QCOMPARE(g.services.questions[0].prompt, QStringLiteral("How many Rows ?"));
    QCOMPARE(g.services.questions[1].prompt, QStringLiteral("How many Columns ?"));
    QCOMPARE(g.services.questions[1].title, QStringLiteral("Answer here"));
    QCOMPARE(g.c().liO->count(), 3);
    QCOMPARE(g.c().Liv->count(), 4);
    QCOMPARE(g.s().pieceCount, 6);

    g.services.questions.clear();
    g.services.inputAnswers = {""}; // Cancel
    g.trigger("mGrig");
    QCOMPARE(g.services.questions.size(), size_t(1));
    QCOMPARE(g.c().Righe->text(), QStringLiteral("2"));

    // A fraction is refused rather than half-used.
    g.services.inputAnswers = {"3.5"};
    g.trigger("mGrig");
    QCOMPARE(g.services.lastMessage(), QStringLiteral("Rows and Columns are whole numbers"));
    QCOMPARE(g.c().Righe->text(), QStringLiteral("2"));
    QCOMPARE(g.s().pieceCount, 6);
}

void TestForm3::boxClickTakesGridAway()
{
    GameFixture g;
    g.pictureAndGrid(3, 3);
    QTest::mouseClick(g.c().Colonne, Qt::LeftButton);
    QCOMPARE(g.c().liO->count(), 1);
    QVERIFY(!g.c().liO->at(0)->visible());
    QCOMPARE(g.c().CmdGriglia->text(), QStringLiteral("2 - Try the &Grid"));
    QCOMPARE(g.c().mGrig->text(), QStringLiteral("2 - Try the &Grid..."));
    QVERIFY(!g.c().CmdPuzzle->isEnabled());
    QCOMPARE(g.s().gamePhase, 2);
    g.click(g.c().CmdGriglia);
    QCOMPARE(g.c().liO->count(), 4);
}

void TestForm3::zoomPlusMinusEndsInReset()
{
    GameFixture g;
    g.dealt(3, 4, 3, 40, 30);
    const double w = g.s().referenceWidth, h = g.s().referenceHeight;
    g.type('+');
    QCOMPARE(g.s().zoomLevel, -1);
    QCOMPARE(g.c().ImaOrig->width(), w - w / 10);
    QCOMPARE(g.s().cellWidth, (w + w / 10) / 4);
    QCOMPARE(g.s().gridLeft, 120 + w - w / 10 + 30);
    QVERIFY(g.c().RC1->isHidden());
    QVERIFY(g.c().CmdAzze->isHidden());
    g.type('-');
    QCOMPARE(g.s().zoomLevel, 0);
    QCOMPARE(g.c().ImaOrig->width(), w);
    QCOMPARE(g.c().ImaOrig->height(), h);
    QVERIFY(!g.c().RC1->isHidden());
    QCOMPARE(g.s().cellWidth, w / 4);
    // "0" at level 0 still redraws and gathers again.
    const int draws = g.services.randomDraws;
    g.type('0');
    QCOMPARE(g.services.randomDraws, draws + 12);
}

void TestForm3::zoomKeysBeforeAPicture()
{
    GameFixture g;
    g.type('+');
    QCOMPARE(g.s().zoomLevel, -1);
    QCOMPARE(g.c().ImaOrig->width(), 5430.0 - 543);
    QVERIFY(g.c().CmdImma->isHidden());
    g.type('0');
    QCOMPARE(g.s().zoomLevel, 0);
    QCOMPARE(g.c().ImaOrig->width(), 5430.0);
    QVERIFY(!g.c().CmdImma->isHidden());
}

void TestForm3::reduceBeepsNearScreenSize()
{
    GameFixture g;
    int steps = 0;
    while (g.services.beeps == 0 && steps < 50) {
        g.type('-');
        ++steps;
    }
    QCOMPARE(g.services.beeps, 1);
    // The last accepted step left the picture within reach of the limits.
    const double w = g.c().ImaOrig->width(), h = g.c().ImaOrig->height();
    QVERIFY(w >= 15360 - 300 || h >= 11520 - 1200);
    QVERIFY(w - g.s().zoomStepX < 15360 - 300 && h - g.s().zoomStepY < 11520 - 1200);
}

void TestForm3::quarterTurnedPieceKeepsProportionsThroughZoom()
{
    GameFixture g;
    g.services.randoms = {0.0, 0.3}; // slot draw, then code floor(4 x 0.3) = 1
    g.dealt(2, 2, 2, 60, 30);
    ImageView* p = g.piece(0);
    QCOMPARE(g.s().pieceOrientation[0], 1);
    for (const char key : {'+', '+', '-', '0', '-'}) {
        g.type(QChar(key));
        QCOMPARE(p->width(), g.s().cellHeight);
        QCOMPARE(p->height(), g.s().cellWidth);
    }
}

void TestForm3::clearingRemovesEverything()
{
    GameFixture g;
    g.dealt(4, 5, 3);
    QCOMPARE(g.c().ImA->count(), 21);
    g.type('+');
    g.click(g.c().CmdAzze);
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(g.c().ImA->count(), 1);
        QVERIFY(g.c().ImA->exists(999));
        QCOMPARE(g.c().liO->count(), 1);
        QCOMPARE(g.c().Liv->count(), 1);
        QCOMPARE(g.s().gamePhase, 0);
        QCOMPARE(g.s().zoomLevel, 0);
        QCOMPARE(g.c().ImaOrig->picture().size(), QSize(362, 252));
        QVERIFY(!g.c().RC1->isHidden()); // the panel comes back with level 0
        QVERIFY(g.c().CmdImma->isEnabled() && g.c().mImma->isEnabled());
        for (QAction* a : {g.c().mGrig, g.c().mPuzl, g.c().mRaccogli, g.c().mAzze, g.c().mSalva})
            QVERIFY(!a->isEnabled());
        QVERIFY(!g.c().mVisual->menuAction()->isEnabled());
        for (QAction* a : {g.c().mSpos, g.c().mRuot, g.c().mRove, g.c().mTrasp})
            QVERIFY(a->isEnabled());
        QCOMPARE(g.c().CmdGriglia->text(), QStringLiteral("2 - Pick a &Grid"));
        g.trigger("mAzze"); // disabled: nothing more happens
        Table t = g.form->table();
        Pieces::CmdRaccogli_Click(t);
    }
}

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

void TestForm3::saveAndResumeRoundTrip()
{
    GameFixture g;
    g.services.randoms = {0.0, 0.99, 0.5, 0.2, 0.7, 0.1};
    g.dealt(2, 3, 4, 30, 30);
    // Those draws deal codes 7, 1, 0, 7, 1, 0: pieces 2 and 5 are upright.
    QCOMPARE(g.s().pieceOrientation, (std::vector<int>{7, 1, 0, 7, 1, 0, 0}));
    g.drag(2, g.home(2));
    g.drag(5, g.home(5));
    QVERIFY(g.s().piecePlaced[2] && g.s().piecePlaced[5]);
    const std::vector<bool> placed = g.s().piecePlaced;
    const std::vector<int> codes = g.s().pieceOrientation;
    const std::vector<int> dealtSlots = g.s().pieceSlot;
    g.trigger("mSalva");
    const QString saved = g.s().picturePath + ".tsl";
    QCOMPARE(g.services.lastMessage(), "Game saved in " + saved);
    QCOMPARE(g.services.messages.back().title, QStringLiteral("Save the Game"));
    QVERIFY(!g.c().mSalva->isEnabled());
    QCOMPARE(readAll(saved).count("\r\n"), 8);

    g.click(g.c().CmdAzze);
    g.c().mSpos->trigger(); // a different tick, which the resume must replace
    g.pick(saved);
    QCOMPARE(g.s().gamePhase, 3);
    QVERIFY(g.c().mTrasp->isChecked() && !g.c().mSpos->isChecked());
    QCOMPARE(g.s().piecePlaced, placed);
    QCOMPARE(g.s().pieceOrientation, codes);
    QCOMPARE(g.s().pieceSlot, dealtSlots);
    for (int i = 0; i < 6; ++i) {
        if (placed[i]) {
            QCOMPARE(g.piece(i)->left(), g.home(i).x());
            QCOMPARE(g.piece(i)->top(), g.home(i).y());
        } else {
            QVERIFY(g.piece(i)->top() > g.s().gridTop + 2 * g.s().cellHeight);
        }
        QVERIFY(g.piece(i)->visible());
    }
    QVERIFY(!g.c().mSalva->isEnabled());
    QVERIFY(g.c().CmdRaccogli->isEnabled() && g.c().CmdAzze->isEnabled());
    // Freed and saved again, the resumed game overwrites the same file.
    g.press(g.piece(2), g.home(2) + QPointF(10, 10), Qt::RightButton);
    g.trigger("mSalva");
    QCOMPARE(g.services.lastMessage(), "Game saved in " + saved);
    QVERIFY(readAll(saved).contains("\r\n#FALSE#,0,4\r\n"));
}

void TestForm3::resumeRefusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    const QByteArray head = "\"PICTURE\"\r\n\"2\",\"2\",3\r\n";
    const QByteArray lines = "#FALSE#,0,0\r\n#FALSE#,1,1\r\n#FALSE#,2,2\r\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << head + lines;
    QTest::newRow("code 9") << head + lines + "#FALSE#,9,3\r\n";
    QTest::newRow("slot out of range") << head + lines + "#FALSE#,3,4\r\n";
    QTest::newRow("rows 1") << QByteArray("\"PICTURE\"\r\n\"1\",\"4\",3\r\n") + lines +
                                   "#FALSE#,3,3\r\n";
    QTest::newRow("missing picture")
        << QByteArray("\"nowhere/none.bmp\"\r\n\"2\",\"2\",3\r\n") + lines + "#FALSE#,3,3\r\n";
    QTest::newRow("path with commas, not a picture")
        << QByteArray("\"a,b,c.bmp\"\r\n\"2\",\"2\",3\r\n") + lines + "#FALSE#,3,3\r\n";
}

void TestForm3::resumeRefusesBrokenFiles()
{
    QFETCH(QByteArray, contents);
    GameFixture g;
    g.pick(g.writePicture("pic.bmp", 2, 2, 20, 20));
    const QString picture = g.s().picturePath;
    contents.replace("PICTURE", picture.toLocal8Bit());
    const QString file = g.dir.filePath("broken.tsl");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
    f.close();
    const QSizeF before(g.c().ImaOrig->width(), g.c().ImaOrig->height());
    g.pick(file);
    QCOMPARE(g.services.lastMessage(), QStringLiteral("Immage not accepted"));
    QCOMPARE(g.s().gamePhase, 0);
    QCOMPARE(g.c().ImA->count(), 1);
    QCOMPARE(g.c().liO->count(), 1);
    QCOMPARE(QSizeF(g.c().ImaOrig->width(), g.c().ImaOrig->height()), before);
    QVERIFY(g.c().mRove->isChecked());
}

void TestForm3::completingDeletesOnlyAResumedGamesFile()
{
    GameFixture g;
    g.dealt(2, 2, 1);
    // A saved file exists for this picture, but this game came from the picture.
    const QString saved = g.s().picturePath + ".tsl";
    g.drag(0, g.home(0));
    g.trigger("mSalva");
    QVERIFY(QFile::exists(saved));
    for (int i = 1; i < 4; ++i)
        g.drag(i, g.home(i));
    QCOMPARE(g.s().gamePhase, 4);
    QVERIFY(g.services.deleted.empty());
    QVERIFY(QFile::exists(saved));

    // Resumed from that file, the finished game deletes it.
    g.click(g.c().CmdAzze);
    g.pick(saved);
    QCOMPARE(g.s().gamePhase, 3);
    QVERIFY(g.s().piecePlaced[0]);
    for (int i = 1; i < 4; ++i)
        g.drag(i, g.home(i));
    QCOMPARE(g.s().gamePhase, 4);
    QCOMPARE(g.services.deleted, std::vector<QString>{saved});
    QVERIFY(!QFile::exists(saved));
}

void TestForm3::saveFailureIsReported()
{
    GameFixture g;
    g.dealt(2, 2, 1);
    g.drag(0, g.home(0));
    const QString saved = g.s().picturePath + ".tsl";
    QDir().mkpath(saved); // a folder in the way: the file cannot be written
    g.trigger("mSalva");
    QVERIFY(g.services.lastMessage().startsWith("The game could not be saved in " + saved));
    QCOMPARE(g.services.messages.back().buttons, 16);
    QVERIFY(g.c().mSalva->isEnabled());
}

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
