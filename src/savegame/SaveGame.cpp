#include "savegame/SaveGame.h"

#include "board/BoardRoutines.h"
#include "board/Table.h"
#include "pieces/PieceRoutines.h"
#include "platform/PictureFile.h"
#include "platform/Services.h"
#include "savegame/SaveFile.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>

namespace SaveGame {

namespace {
const QString kSaveTitle = QStringLiteral("Save the Game");
// A saved game is a few lines per piece; anything far larger is not one.
constexpr qint64 kMaxSaveFileBytes = 1 << 20;
} // namespace

void mSalva_Click(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    // The game is saved beside the picture on the board. That is picturePath,
    // except after a cancelled or refused pick, which leaves picturePath naming
    // another file (or none) while this picture stays in play: saved under that
    // name, the game would come back with the wrong picture, or not at all.
    const QString picture = s.boardPicturePath;
    const QString path = picture + QStringLiteral(".tsl");

    SaveFile::Game game;
    game.picturePath = picture;
    game.rows = s.gridRows;
    game.columns = s.gridColumns;
    game.arrangementMode = SaveFile::arrangementMode(c.mRuot->isChecked(), c.mRove->isChecked(),
                                                     c.mTrasp->isChecked());
    for (int i = 0; i < s.pieceCount; ++i)
        game.pieces.push_back(
            {static_cast<bool>(s.piecePlaced[i]), s.pieceOrientation[i], s.pieceSlot[i]});

    auto refuse = [&](const QString& why) {
        t.services.messageBox(
            c.window, QStringLiteral("The game could not be saved in %1\n%2").arg(path, why),
            MessageCode::kError, kSaveTitle);
    };
    // A file that could not be taken up again is no saved game, and writing
    // it would replace whatever good one had that name.
    if (!SaveFile::readsBack(game)) {
        refuse(QStringLiteral("A saved game cannot hold the name of its picture."));
        return;
    }

    // Written beside the old file and swapped in only when complete, so a full
    // disk or a read-only folder never leaves a cut-off game behind. The
    // explicit flush matters: commit() flushes too but does not heed a write
    // that the disk cut short, and would swap the cut-off file in.
    QSaveFile file(path);
    const QByteArray bytes = SaveFile::write(game);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        const QString why = file.errorString();
        file.cancelWriting();
        refuse(why);
        return;
    }
    c.mSalva->setEnabled(false);
    t.services.messageBox(c.window, QStringLiteral("Game saved in ") + path, 0, kSaveTitle);
}

bool ResumeSavedGame(Table& t)
{
    GameState& s = t.s;
    Controls& c = t.c;
    // Only a plain file: a pipe or a device named like a saved game would
    // block the read or never end.
    if (!QFileInfo(s.picturePath).isFile()) return false;
    QFile file(s.picturePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSaveFileBytes) return false;
    const QByteArray bytes = file.read(kMaxSaveFileBytes);
    file.close();
    const SaveFile::Parsed parsed = SaveFile::parse(bytes, kMaxPieces);
    if (!parsed.ok()) return false;
    const SaveFile::Game& game = parsed.game;
    const PictureFile::Loaded loaded = PictureFile::load(game.picturePath);
    if (!loaded.ok() || loaded.picture.isNull()) return false;

    // Everything is sound: only now does the board change.
    s.picturePath = game.picturePath;
    s.boardPicturePath = game.picturePath;
    s.picture = loaded.picture;
    c.ImaOrig->setStretch(false);
    c.ImaOrig->setPicture(s.picture);
    s.pictureNaturalWidth = c.ImaOrig->width();
    s.pictureNaturalHeight = c.ImaOrig->height();
    Board::FitReferencePicture(t);
    c.PictureClip1.setPicture(s.picture);

    c.Righe->setText(game.rows);
    c.Colonne->setText(game.columns);
    Board::CmdGriglia_Click(t);
    // The grid command starts a game of its own; this grid is the saved game's.
    s.resumingGame = true;
    Pieces::setArrangementTicks(t, game.arrangementMode);

    const size_t count = game.pieces.size();
    s.piecePlaced.assign(count + 1, false);
    s.pieceOrientation.assign(count + 1, 0);
    s.pieceSlot.assign(count + 1, 0);
    for (size_t i = 0; i < count; ++i) {
        s.piecePlaced[i] = game.pieces[i].placed;
        s.pieceOrientation[i] = game.pieces[i].orientation;
        s.pieceSlot[i] = game.pieces[i].slot;
    }
    Pieces::CmdPuzzle_Click(t);
    Pieces::CmdRaccogli_Click(t);
    return true;
}

} // namespace SaveGame
