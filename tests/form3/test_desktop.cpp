// Files dropped on the main window from the file manager.
#include "GameFixture.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

class TestDesktop : public QObject {
    Q_OBJECT
  private slots:
    void dropTakesUpAPicture_data();
    void dropTakesUpAPicture();
    void dropIsRefusedDuringAGame();
    void droppedBadFileGivesTheDialogsMessage();
    void droppedSavedGameResumes();
};

namespace {
// Drags `paths` over the window and drops them; true when the window took the
// drop. The file is taken up once pending events have run.
bool dropOn(GameFixture& g, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPointF at(400, 300);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g.form.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g.form.get(), &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}
} // namespace

void TestDesktop::dropTakesUpAPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << "drop.bmp";
    QTest::newRow("png, which the dialog's filter does not list") << "drop.png";
    QTest::newRow("jpeg in capitals") << "DROP.JPG";
}

void TestDesktop::dropTakesUpAPicture()
{
    QFETCH(QString, name);
    GameFixture g;
    QDir(g.dir.path()).mkpath("elsewhere");
    const QString path = g.dir.filePath("elsewhere/" + name);
    QVERIFY(TestPictures::blocks(2, 2, 30, 20).save(path, name.endsWith("png") ? "PNG" : nullptr));
    QVERIFY(dropOn(g, {path}));
    QCOMPARE(g.s().gamePhase, 1);
    QCOMPARE(g.s().picturePath, path);
    QCOMPARE(g.c().ImaOrig->picture().size(), QSize(60, 40));
    QVERIFY(g.services.dialogs.empty());
    // As with the dialog, the file's folder is where the next dialog opens.
    g.pick(QString());
    QCOMPARE(g.services.dialogs.back().initialDirectory, g.dir.filePath("elsewhere"));
    // Two files at once are not one choice.
    QVERIFY(!dropOn(g, {path, path}));
}

void TestDesktop::dropIsRefusedDuringAGame()
{
    GameFixture g;
    g.dealt(2, 2, 1);
    const QString other = g.writePicture("other.bmp", 3, 3, 10, 10);
    QVERIFY(!g.c().CmdImma->isEnabled());
    QVERIFY(!dropOn(g, {other}));
    QCOMPARE(g.s().gamePhase, 3);
    QCOMPARE(g.c().ImA->count(), 5);
}

void TestDesktop::droppedBadFileGivesTheDialogsMessage()
{
    GameFixture g;
    const QString bad = g.dir.filePath("notes.jpg");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a picture at all");
    f.close();
    QVERIFY(dropOn(g, {bad}));
    QCOMPARE(g.services.lastMessage(), QStringLiteral("Immage not accepted"));
    QCOMPARE(g.s().gamePhase, 0);
    QCOMPARE(g.c().ImaOrig->picture().size(), QSize(362, 252));
}

void TestDesktop::droppedSavedGameResumes()
{
    GameFixture g;
    g.dealt(2, 2, 1);
    g.drag(0, g.home(0));
    g.trigger("mSalva");
    const QString saved = g.s().picturePath + ".tsl";
    g.click(g.c().CmdAzze);
    QVERIFY(dropOn(g, {saved}));
    QCOMPARE(g.s().gamePhase, 3);
    QVERIFY(g.s().piecePlaced[0]);
    QCOMPARE(g.piece(0)->left(), g.home(0).x());
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
