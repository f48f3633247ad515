#include "board/GridInput.h"

namespace GridInput {

bool boxAccepts(int code)
{
    return (code >= '0' && code <= '9') || code == 8 || code == 9 || code == 10 || code == 13;
}

int wholeCount(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return -1;
    qint64 value = 0;
    for (QChar ch : t) {
        if (ch < '0' || ch > '9') return -1;
        value = std::min<qint64>(value * 10 + (ch.unicode() - '0'), 1'000'000);
    }
    return static_cast<int>(value);
}

double leadingNumber(const QString& text, bool* hasFraction)
{
    if (hasFraction) *hasFraction = false;
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    double value = 0;
    bool any = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10 + (text[i].unicode() - '0');
        any = true;
        ++i;
    }
    if (i < n && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            const int digit = text[i].unicode() - '0';
            if (hasFraction) *hasFraction = true;
            value += digit * scale;
            scale /= 10;
            any = true;
            ++i;
        }
    }
    if (!any) return 0;
    return negative ? -value : value;
}

PathParts splitPath(const QString& path)
{
    PathParts parts;
    const qsizetype dot = path.lastIndexOf('.');
    if (dot < 0) return parts;
    parts.found = true;
    parts.baseName = path.left(dot);
    parts.extension = path.mid(dot + 1).toLower();
    return parts;
}

} // namespace GridInput
