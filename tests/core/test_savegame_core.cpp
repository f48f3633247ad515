// The saved-game text: written byte for byte as players' files have it, read
// back with every item checked before anything of the file is used.
#include "savegame/SaveFile.h"

#include <QTest>

namespace {

constexpr int kMaxPieces = 99;

QByteArray lines(const QList<QByteArray>& items)
{
    QByteArray out;
    for (const QByteArray& line : items)
        out += line + "\r\n";
    return out;
}

// The 2 x 2 game from C:\Pics\cat.jpg with "... and Upset", piece 0 fixed.
const QByteArray kExample = "\"C:\\Pics\\cat.jpg\"\r\n"
                            "\"2\",\"2\",3\r\n"
                            "#TRUE#,0,2\r\n"
                            "#FALSE#,5,0\r\n"
                            "#FALSE#,2,3\r\n"
                            "#FALSE#,7,1\r\n";

SaveFile::Game exampleGame()
{
    SaveFile::Game game;
    game.picturePath = QStringLiteral("C:\\Pics\\cat.jpg");
    game.rows = QStringLiteral("2");
    game.columns = QStringLiteral("2");
    game.arrangementMode = 3;
    game.pieces = {{true, 0, 2}, {false, 5, 0}, {false, 2, 3}, {false, 7, 1}};
    return game;
}

// The pieces as "fixed,code,slot" texts, so a difference shows which piece.
QStringList piecesOf(const SaveFile::Game& game)
{
    QStringList out;
    for (const SaveFile::Piece& p : game.pieces)
        out << QStringLiteral("%1,%2,%3")
                   .arg(p.placed ? QStringLiteral("fixed") : QStringLiteral("loose"))
                   .arg(p.orientation)
                   .arg(p.slot);
    return out;
}

} // namespace

class SaveGameCoreTest : public QObject {
    Q_OBJECT

  private slots:
    void writesTheExampleByteForByte();
    void readsTheExample();
    void threeByFourGameWritesFourteenLines();
    void pathSurvivesRoundTrip_data();
    void pathSurvivesRoundTrip();
    void acceptsWhatAWriterMightWrite_data();
    void acceptsWhatAWriterMightWrite();
    void acceptsTheLargestBoard();
    void refusesBrokenFiles_data();
    void refusesBrokenFiles();
    void arrangementModeFromTicks_data();
    void arrangementModeFromTicks();
};

void SaveGameCoreTest::writesTheExampleByteForByte()
{
    QCOMPARE(SaveFile::write(exampleGame()), kExample);
}

void SaveGameCoreTest::readsTheExample()
{
    const SaveFile::Parsed parsed = SaveFile::parse(kExample, kMaxPieces);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.game.picturePath, QStringLiteral("C:\\Pics\\cat.jpg"));
    QCOMPARE(parsed.game.rows, QStringLiteral("2"));
    QCOMPARE(parsed.game.columns, QStringLiteral("2"));
    QCOMPARE(parsed.game.arrangementMode, 3);
    QCOMPARE(piecesOf(parsed.game),
             (QStringList{"fixed,0,2", "loose,5,0", "loose,2,3", "loose,7,1"}));
}

void SaveGameCoreTest::threeByFourGameWritesFourteenLines()
{
    SaveFile::Game game;
    game.picturePath = QStringLiteral("C:\\Pics\\Sea.jpg");
    game.rows = QStringLiteral("3");
    game.columns = QStringLiteral("4");
    game.arrangementMode = 4;
    const int codes[12] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 0, 3, 6};
    const int dealtSlots[12] = {7, 2, 11, 0, 5, 9, 1, 3, 10, 4, 8, 6};
    for (int i = 0; i < 12; ++i)
        game.pieces.push_back({i == 8 || i == 9, codes[i], dealtSlots[i]});

    const QByteArray bytes = SaveFile::write(game);
    QCOMPARE(bytes.count("\r\n"), 14);
    QCOMPARE(bytes.count('\n'), 14); // no line ends without their CR
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.startsWith("\"C:\\Pics\\Sea.jpg\"\r\n\"3\",\"4\",4\r\n#FALSE#,0,7\r\n"));
    QVERIFY(bytes.endsWith("\r\n#TRUE#,0,10\r\n#TRUE#,0,4\r\n#FALSE#,3,8\r\n#FALSE#,6,6\r\n"));

    const SaveFile::Parsed parsed = SaveFile::parse(bytes, kMaxPieces);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.game.rows, QStringLiteral("3"));
    QCOMPARE(parsed.game.columns, QStringLiteral("4"));
    QCOMPARE(parsed.game.arrangementMode, 4);
    QCOMPARE(piecesOf(parsed.game), piecesOf(game));
}

void SaveGameCoreTest::pathSurvivesRoundTrip_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "C:\\Pics\\cat.jpg";
    QTest::newRow("commas and blanks") << "C:\\My Pics, old\\a,b.jpg";
    QTest::newRow("accented letters") << QStringLiteral("C:\\Bilder\\K\u00e4se.jpg");
    QTest::newRow("dots in folder") << "D:\\a.b\\c.d.bmp";
}

void SaveGameCoreTest::pathSurvivesRoundTrip()
{
    QFETCH(QString, path);
    SaveFile::Game game = exampleGame();
    game.picturePath = path;
    const SaveFile::Parsed parsed = SaveFile::parse(SaveFile::write(game), kMaxPieces);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.game.picturePath, path);
    QCOMPARE(piecesOf(parsed.game), piecesOf(game));
}

void SaveGameCoreTest::acceptsWhatAWriterMightWrite_data()
{
    // Each file, once read, written back in the program's own form.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("asRead");
    const QByteArray pieces = "#TRUE#,0,2\r\n#FALSE#,5,0\r\n#FALSE#,2,3\r\n#FALSE#,7,1\r\n";

    QTest::newRow("bare rows and columns")
        << "\"C:\\Pics\\cat.jpg\"\r\n2,2,3\r\n" + pieces << kExample;
    QTest::newRow("comma inside the quoted path")
        << "\"C:\\My, Pics\\cat.jpg\"\r\n\"2\",\"2\",3\r\n" + pieces
        << "\"C:\\My, Pics\\cat.jpg\"\r\n\"2\",\"2\",3\r\n" + pieces;
    QTest::newRow("fixed flags as numbers")
        << lines({"\"C:\\Pics\\cat.jpg\"", "\"2\",\"2\",3", "-1,0,2", "0,5,0", "0,2,3", "1,0,1"})
        << lines({"\"C:\\Pics\\cat.jpg\"", "\"2\",\"2\",3", "#TRUE#,0,2", "#FALSE#,5,0",
                  "#FALSE#,2,3", "#TRUE#,0,1"});
    QTest::newRow("leading zero kept as typed")
        << lines({"\"p.jpg\"", "\"02\",\"2\",1", "#FALSE#,0,1", "#FALSE#,0,0", "#FALSE#,0,3",
                  "#FALSE#,0,2"})
        << lines({"\"p.jpg\"", "\"02\",\"2\",1", "#FALSE#,0,1", "#FALSE#,0,0", "#FALSE#,0,3",
                  "#FALSE#,0,2"});
    // A mode outside 1 to 4 leaves the menu ticks as they are; it is still a number.
    QTest::newRow("mode outside the menu") << lines({"\"p.jpg\"", "\"2\",\"2\",7", "#FALSE#,0,1",
                                                     "#FALSE#,0,0", "#FALSE#,0,3", "#FALSE#,0,2"})
                                           << lines({"\"p.jpg\"", "\"2\",\"2\",7", "#FALSE#,0,1",
                                                     "#FALSE#,0,0", "#FALSE#,0,3", "#FALSE#,0,2"});
    QByteArray unterminated = kExample;
    unterminated.chop(2);
    QTest::newRow("last line without its line end") << unterminated << kExample;
}

void SaveGameCoreTest::acceptsWhatAWriterMightWrite()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, asRead);
    const SaveFile::Parsed parsed = SaveFile::parse(file, kMaxPieces);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(SaveFile::write(parsed.game), asRead);
}

void SaveGameCoreTest::acceptsTheLargestBoard()
{
    // 9 x 11 = 99 pieces, the most a board holds.
    QList<QByteArray> content{"\"p.jpg\"", "\"9\",\"11\",2"};
    for (int i = 0; i < 99; ++i)
        content << "#FALSE#,3," + QByteArray::number(98 - i);
    const SaveFile::Parsed parsed = SaveFile::parse(lines(content), kMaxPieces);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(int(parsed.game.pieces.size()), 99);
    QCOMPARE(parsed.game.pieces.front().slot, 98);
    QCOMPARE(parsed.game.pieces.back().slot, 0);
}

void SaveGameCoreTest::refusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray head = "\"C:\\Pics\\cat.jpg\"\r\n\"2\",\"2\",3\r\n";
    const QByteArray firstThree = "#TRUE#,0,2\r\n#FALSE#,5,0\r\n#FALSE#,2,3\r\n";

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("blank lines only") << QByteArray("\r\n\r\n");
    QTest::newRow("path only") << QByteArray("\"C:\\Pics\\cat.jpg\"\r\n");
    QTest::newRow("no pieces") << head;
    QTest::newRow("last piece missing") << head + firstThree;
    QTest::newRow("cut inside the last piece") << head + firstThree + "#FALSE#,7\r\n";

    QTest::newRow("code 9") << head + firstThree + "#FALSE#,9,1\r\n";
    QTest::newRow("code 8") << head + firstThree + "#FALSE#,8,1\r\n";
    QTest::newRow("code -1") << head + firstThree + "#FALSE#,-1,1\r\n";
    QTest::newRow("code with a fraction") << head + firstThree + "#FALSE#,2.5,1\r\n";
    QTest::newRow("code missing") << head + firstThree + "#FALSE#,,1\r\n";
    QTest::newRow("slot 4 on a 2 x 2 board") << head + firstThree + "#FALSE#,7,4\r\n";
    QTest::newRow("slot -1") << head + firstThree + "#FALSE#,7,-1\r\n";
    QTest::newRow("slot not a number") << head + firstThree + "#FALSE#,7,x\r\n";
    QTest::newRow("unknown fixed flag") << head + firstThree + "#MAYBE#,7,1\r\n";
    QTest::newRow("fixed piece not upright") << head + "#TRUE#,5,2\r\n#FALSE#,0,0\r\n"
                                                       "#FALSE#,2,3\r\n#FALSE#,7,1\r\n";

    QTest::newRow("rows 1") << lines({"\"p.jpg\"", "\"1\",\"2\",3", "#FALSE#,0,0", "#FALSE#,0,1"});
    QTest::newRow("columns 0") << lines({"\"p.jpg\"", "\"2\",\"0\",3"});
    QTest::newRow("rows empty") << lines({"\"p.jpg\"", "\"\",\"2\",3"});
    QTest::newRow("rows with a fraction") << lines({"\"p.jpg\"", "\"2.5\",\"2\",3"});
    QTest::newRow("rows with letters") << lines({"\"p.jpg\"", "\"2a\",\"2\",3"});
    QByteArray hundred = lines({"\"p.jpg\"", "\"10\",\"10\",3"});
    for (int i = 0; i < 100; ++i)
        hundred += "#FALSE#,0," + QByteArray::number(i) + "\r\n";
    QTest::newRow("10 x 10: too many pieces") << hundred;

    QTest::newRow("mode not a number")
        << "\"C:\\Pics\\cat.jpg\"\r\n\"2\",\"2\",x\r\n" + firstThree + "#FALSE#,7,1\r\n";
    QTest::newRow("mode missing") << "\"C:\\Pics\\cat.jpg\"\r\n\"2\",\"2\"\r\n" + firstThree +
                                         "#FALSE#,7,1\r\n";

    QByteArray pathUnclosed = kExample;
    pathUnclosed.remove(pathUnclosed.indexOf("\"\r\n"), 1);
    QTest::newRow("path's closing quote missing") << pathUnclosed;
    QTest::newRow("path's closing quote missing, bare grid")
        << "\"C:\\Pics\\cat.jpg\r\n2,2,3\r\n" + firstThree + "#FALSE#,7,1\r\n";
    QTest::newRow("rows' closing quote missing")
        << "\"C:\\Pics\\cat.jpg\"\r\n\"2,\"2\",3\r\n" + firstThree + "#FALSE#,7,1\r\n";
    QTest::newRow("columns' closing quote missing")
        << "\"C:\\Pics\\cat.jpg\"\r\n\"2\",\"2,3\r\n" + firstThree + "#FALSE#,7,1\r\n";
}

void SaveGameCoreTest::refusesBrokenFiles()
{
    QFETCH(QByteArray, file);
    const SaveFile::Parsed parsed = SaveFile::parse(file, kMaxPieces);
    QVERIFY2(!parsed.ok(),
             qPrintable("accepted as: " + QString::fromLocal8Bit(SaveFile::write(parsed.game))));
    QVERIFY(!parsed.error.isEmpty());
}

void SaveGameCoreTest::arrangementModeFromTicks_data()
{
    QTest::addColumn<bool>("rotate");
    QTest::addColumn<bool>("upset");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<int>("mode");
    QTest::newRow("none ticked (or Translate only)") << false << false << false << 1;
    QTest::newRow("Rotate") << true << false << false << 2;
    QTest::newRow("Upset") << false << true << false << 3;
    QTest::newRow("Transparent") << false << false << true << 4;
    QTest::newRow("Rotate and Upset: later wins") << true << true << false << 3;
    QTest::newRow("Rotate and Transparent: later wins") << true << false << true << 4;
    QTest::newRow("Upset and Transparent: later wins") << false << true << true << 4;
    QTest::newRow("all three: last wins") << true << true << true << 4;
}

void SaveGameCoreTest::arrangementModeFromTicks()
{
    QFETCH(bool, rotate);
    QFETCH(bool, upset);
    QFETCH(bool, transparent);
    QFETCH(int, mode);
    QCOMPARE(SaveFile::arrangementMode(rotate, upset, transparent), mode);
}

QTEST_GUILESS_MAIN(SaveGameCoreTest)
#include "test_savegame_core.moc"
