#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Fonts {
QFont msSansSerif(double points, bool bold)
{
    static const bool available =
        QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"));
    QFont font;
    if (available) {
        font.setFamily(QStringLiteral("MS Sans Serif"));
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
} // namespace Fonts
