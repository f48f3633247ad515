// Saved games come from anywhere: whatever the bytes, the reader answers with
// a sound game or a reason, and a game it accepts survives being written and
// read again unchanged.
#include "pieces/Orientation.h"
#include "savegame/SaveFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "saved-game reader broke its promise: %s\n", what);
    std::abort();
}

bool sameGame(const SaveFile::Game& a, const SaveFile::Game& b)
{
    if (a.picturePath != b.picturePath || a.rows != b.rows || a.columns != b.columns ||
        a.arrangementMode != b.arrangementMode || a.pieces.size() != b.pieces.size())
        return false;
    for (size_t i = 0; i < a.pieces.size(); ++i) {
        const SaveFile::Piece& p = a.pieces[i];
        const SaveFile::Piece& q = b.pieces[i];
        if (p.placed != q.placed || p.orientation != q.orientation || p.slot != q.slot)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SaveFile::Parsed parsed = SaveFile::parse(bytes, kMaxPieces);
    if (!parsed.ok()) {
        require(!parsed.error.isEmpty(), "a refused file names its reason");
        return 0;
    }
    const SaveFile::Game& game = parsed.game;
    require(!game.picturePath.isEmpty(), "an accepted game names its picture");
    const qsizetype count = game.pieces.size();
    require(count >= 4 && count <= kMaxPieces, "piece count within the model");
    for (const SaveFile::Piece& piece : game.pieces) {
        require(Orientation::isValid(piece.orientation), "codes 0 to 7");
        require(piece.slot >= 0 && piece.slot < count, "slots on the board");
        require(!piece.placed || piece.orientation == 0, "only upright pieces are fixed");
    }

    // Saving the board taken up from this file writes a file that reads back
    // as the same board, so a resumed game can always be saved again.
    const SaveFile::Parsed again = SaveFile::parse(SaveFile::write(game), kMaxPieces);
    require(again.ok(), "the writer's own text is accepted");
    require(sameGame(again.game, game), "a written game reads back unchanged");
    require(SaveFile::readsBack(game), "a game read from a file can be saved again");
    return 0;
}
