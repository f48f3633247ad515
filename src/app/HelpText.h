#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace HelpText {

// The guide is a few pages; a file far larger than that is not one.
constexpr qint64 kMaxGuideBytes = 1 << 20;

// Reads the guide at `path` into `text`. Only a plain file up to
// kMaxGuideBytes is read: a pipe or a device of that name would block the
// help window or never end, and a huge file would only swamp the list.
bool readFile(const QString& path, QByteArray* text);

// The lines of the guide as the help window lists them: the text is read in
// the local 8-bit encoding and split at every CR LF; a lone CR or LF stays
// inside its line. Every line is listed, the last one too when no CR LF ends
// it. A final CR LF only ends the last line, so it adds no empty item, and a
// file that ends with two lists no empty item after its last line either; an
// empty text gives one empty line.
QStringList splitLines(const QByteArray& text);

} // namespace HelpText
