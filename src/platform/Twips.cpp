#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace {
double gTwipsPerPixel = 15.0;
constexpr const char* kTwipsProperty = "tessolinaTwips";
} // namespace

namespace Twips {

double perPixel()
{
    return gTwipsPerPixel;
}

void setPerPixel(double twipsPerPixel)
{
    if (twipsPerPixel > 0) gTwipsPerPixel = twipsPerPixel;
}

void initFromScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const double dpi = screen->logicalDotsPerInch();
        if (dpi > 1) setPerPixel(1440.0 / dpi);
    }
}

double toPixels(double twips)
{
    return twips / gTwipsPerPixel;
}
double fromPixels(double pixels)
{
    return pixels * gTwipsPerPixel;
}
int toWholePixels(double twips)
{
    return static_cast<int>(std::lround(twips / gTwipsPerPixel));
}

QRect toPixelRect(const QRectF& twips)
{
    // Round the edges, not the size, so neighbouring cells meet without gaps.
    const int left = toWholePixels(twips.left());
    const int top = toWholePixels(twips.top());
    const int right = toWholePixels(twips.left() + twips.width());
    const int bottom = toWholePixels(twips.top() + twips.height());
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void place(QWidget* widget, const QRectF& twips)
{
    widget->setProperty(kTwipsProperty, twips);
    widget->setGeometry(toPixelRect(twips));
}

QRectF placed(const QWidget* widget)
{
    const QVariant v = widget->property(kTwipsProperty);
    if (v.isValid()) return v.toRectF();
    const QRect g = widget->geometry();
    return QRectF(fromPixels(g.x()), fromPixels(g.y()), fromPixels(g.width()),
                  fromPixels(g.height()));
}

void setTop(QWidget* widget, double top)
{
    QRectF r = placed(widget);
    r.moveTop(top);
    place(widget, r);
}

} // namespace Twips
