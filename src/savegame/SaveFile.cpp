#include "savegame/SaveFile.h"

#include "board/GridInput.h"

#include <optional>

namespace SaveFile {

namespace {
const QByteArray kLineEnd("\r\n");
const QByteArray kTrue("#TRUE#");
const QByteArray kFalse("#FALSE#");

QByteArray quoted(const QString& text)
{
    return '"' + text.toLocal8Bit() + '"';
}

// Items in order, a line end counting like a comma; a quoted item runs to its
// closing quote, so it may hold commas.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    std::optional<QByteArray> next(bool* wasQuoted = nullptr)
    {
        const qsizetype n = bytes_.size();
        while (pos_ < n && isBlankOrBreak(bytes_[pos_]))
            ++pos_;
        if (pos_ >= n) return std::nullopt;
        QByteArray item;
        bool quotedItem = false;
        if (bytes_[pos_] == '"') {
            quotedItem = true;
            // Texts are written without escapes, so a quote inside one (a
            // picture named 'my "best" cat.jpg') stays part of it: the text
            // ends at the first quote that a separator or the end follows.
            qsizetype close = pos_;
            do {
                close = bytes_.indexOf('"', close + 1);
            } while (close >= 0 && close + 1 < n && !isSeparator(bytes_[close + 1]));
            if (close < 0) return std::nullopt; // cut off inside a text
            item = bytes_.mid(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
        } else {
            const qsizetype start = pos_;
            while (pos_ < n && !isSeparator(bytes_[pos_]))
                ++pos_;
            item = bytes_.mid(start, pos_ - start).trimmed();
        }
        if (pos_ < n && bytes_[pos_] == ',') ++pos_;
        if (wasQuoted) *wasQuoted = quotedItem;
        return item;
    }

  private:
    static bool isBlankOrBreak(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

std::optional<int> wholeNumber(const QByteArray& item)
{
    bool ok = false;
    const int value = item.toInt(&ok, 10);
    if (!ok || item.isEmpty() || item.contains(' ') || item.contains('.')) return std::nullopt;
    return value;
}
} // namespace

QByteArray write(const Game& game)
{
    QByteArray out;
    out += quoted(game.picturePath) + kLineEnd;
    out += quoted(game.rows) + ',' + quoted(game.columns) + ',' +
           QByteArray::number(game.arrangementMode) + kLineEnd;
    for (const Piece& piece : game.pieces) {
        out += (piece.placed ? kTrue : kFalse) + ',' + QByteArray::number(piece.orientation) + ',' +
               QByteArray::number(piece.slot) + kLineEnd;
    }
    return out;
}

Parsed parse(const QByteArray& bytes, int maxPieces)
{
    Parsed result;
    Reader reader(bytes);
    auto fail = [&result](const QString& why) {
        result.error = why;
        return result;
    };

    const auto path = reader.next();
    if (!path || path->isEmpty()) return fail(QStringLiteral("no picture path"));
    result.game.picturePath = QString::fromLocal8Bit(*path);

    const auto rows = reader.next();
    const auto columns = reader.next();
    const auto mode = reader.next();
    if (!rows || !columns || !mode) return fail(QStringLiteral("no grid size"));
    result.game.rows = QString::fromLocal8Bit(*rows);
    result.game.columns = QString::fromLocal8Bit(*columns);
    const int r = GridInput::wholeCount(result.game.rows);
    const int c = GridInput::wholeCount(result.game.columns);
    if (r < 2 || c < 2) return fail(QStringLiteral("rows and columns must be 2 at least"));
    if (qint64(r) * c > maxPieces) return fail(QStringLiteral("too many pieces"));
    const auto modeValue = wholeNumber(*mode);
    if (!modeValue) return fail(QStringLiteral("arrangement is not a number"));
    result.game.arrangementMode = *modeValue;

    const int count = r * c;
    for (int i = 0; i < count; ++i) {
        const auto flag = reader.next();
        const auto code = reader.next();
        const auto slot = reader.next();
        if (!flag || !code || !slot) return fail(QStringLiteral("fewer pieces than the grid"));
        Piece piece;
        if (*flag == kTrue)
            piece.placed = true;
        else if (*flag == kFalse)
            piece.placed = false;
        else if (const auto number = wholeNumber(*flag))
            piece.placed = *number != 0;
        else
            return fail(QStringLiteral("piece %1: bad fixed flag").arg(i));
        const auto codeValue = wholeNumber(*code);
        if (!codeValue || *codeValue < 0 || *codeValue > 7)
            return fail(QStringLiteral("piece %1: bad orientation").arg(i));
        const auto slotValue = wholeNumber(*slot);
        if (!slotValue || *slotValue < 0 || *slotValue >= count)
            return fail(QStringLiteral("piece %1: bad slot").arg(i));
        // Only an upright piece can have snapped into its cell.
        if (piece.placed && *codeValue != 0)
            return fail(QStringLiteral("piece %1: fixed but not upright").arg(i));
        piece.orientation = *codeValue;
        piece.slot = *slotValue;
        result.game.pieces.push_back(piece);
    }
    return result;
}

bool readsBack(const Game& game)
{
    const Parsed again = parse(write(game), static_cast<int>(game.pieces.size()));
    if (!again.ok()) return false;
    const Game& g = again.game;
    if (g.picturePath != game.picturePath || g.rows != game.rows || g.columns != game.columns ||
        g.arrangementMode != game.arrangementMode || g.pieces.size() != game.pieces.size())
        return false;
    for (size_t i = 0; i < g.pieces.size(); ++i) {
        const Piece& a = g.pieces[i];
        const Piece& b = game.pieces[i];
        if (a.placed != b.placed || a.orientation != b.orientation || a.slot != b.slot)
            return false;
    }
    return true;
}

int arrangementMode(bool rotate, bool upset, bool transparent)
{
    int mode = 1;
    if (rotate) mode = 2;
    if (upset) mode = 3;
    if (transparent) mode = 4;
    return mode;
}

} // namespace SaveFile
