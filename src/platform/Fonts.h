#pragma once

#include <QFont>

namespace Fonts {
// "MS Sans Serif" where it exists, otherwise the platform's sans-serif at the
// same point size.
QFont msSansSerif(double points, bool bold = false);
} // namespace Fonts
