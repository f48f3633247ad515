// The guide is plain text found beside the last picture picked, so it may be
// anything. Whatever the bytes, the help window gets a list of lines that
// together give back the whole text, split only at CR LF.
#include "app/HelpText.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "guide splitter broke its promise: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = HelpText::splitLines(bytes);
    require(!lines.isEmpty(), "at least one line, even for an empty text");

    const QString crlf = QStringLiteral("\r\n");
    for (const QString& line : lines)
        require(!line.contains(crlf), "no line holds a CR LF");

    // Joined again at CR LF, the lines are the text, but for the CR LF that
    // ends the last line and a blank line after it.
    const QString text = QString::fromLocal8Bit(bytes);
    const QString joined = lines.join(crlf);
    require(joined == text || joined + crlf == text || joined + crlf + crlf == text,
            "the lines give back the whole text");
    return 0;
}
