#include "app/HelpText.h"

#include <QString>

namespace HelpText {

QStringList splitLines(const QByteArray& text)
{
    QStringList lines = QString::fromLocal8Bit(text).split(QStringLiteral("\r\n"));
    if (lines.size() > 1 && lines.constLast().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace HelpText
