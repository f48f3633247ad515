#include "app/HelpText.h"

#include <QFile>
#include <QFileInfo>

namespace HelpText {

bool readFile(const QString& path, QByteArray* text)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxGuideBytes) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // The size may have changed since it was looked at: read no more than the bound.
    const QByteArray bytes = file.read(kMaxGuideBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxGuideBytes) return false;
    *text = bytes;
    return true;
}

QStringList splitLines(const QByteArray& text)
{
    QStringList lines = QString::fromLocal8Bit(text).split(QStringLiteral("\r\n"));
    // A final CR LF ends the last line; a second one closes the file with a
    // blank line of no use, which is not listed either.
    if (lines.size() > 1 && lines.constLast().isEmpty()) lines.removeLast();
    if (text.endsWith("\r\n\r\n") && lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace HelpText
