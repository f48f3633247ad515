#pragma once

#include <QByteArray>
#include <QStringList>

namespace HelpText {

// The lines of the guide as the help window lists them: the text is read in
// the local 8-bit encoding and split at every CR LF; a lone CR or LF stays
// inside its line. Every line is listed, the last one too when no CR LF ends
// it. A final CR LF only ends the last line, so it adds no empty item; an
// empty text gives one empty line.
QStringList splitLines(const QByteArray& text);

} // namespace HelpText
