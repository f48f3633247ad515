#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The saved-game text: the picture path, rows, columns and arrangement mode,
// then one line per piece. Players keep and exchange these files, so the
// format is byte-exact: quoted texts, no spaces, CR LF after every line,
// 8-bit text in the system's local encoding.
namespace SaveFile {

struct Piece {
    bool placed = false;
    int orientation = 0;
    int slot = 0;
};

struct Game {
    QString picturePath;
    QString rows, columns; // as typed in the boxes
    int arrangementMode = 1;
    std::vector<Piece> pieces;
};

QByteArray write(const Game& game);

// Whether the text `write` gives for this game reads back as the same game.
// The format has no escapes, so a picture path holding a double quote, or a
// character the local 8-bit encoding lacks, cannot be saved faithfully.
bool readsBack(const Game& game);

struct Parsed {
    Game game;
    QString error; // empty when the whole file is sound
    bool ok() const { return error.isEmpty(); }
};

// Reads and checks the whole file: whole rows and columns of at least 2 with at
// most `maxPieces` pieces, one line per piece, codes 0 to 7, slots within the
// board. Nothing of a file that fails is used.
Parsed parse(const QByteArray& bytes, int maxPieces);

// Arrangement mode from the menu ticks: a later tick wins; none is 1.
int arrangementMode(bool rotate, bool upset, bool transparent);

} // namespace SaveFile
