#pragma once

#include <QRect>
#include <QRectF>

class QWidget;

// The game measures everything in twips (1/1440 inch). This is the one place
// where twips meet device-independent pixels.
namespace Twips {

// 1440 / logical DPI: 15 on a usual 96 DPI screen.
double perPixel();
void setPerPixel(double twipsPerPixel);
// Takes the value from the primary screen's logical DPI.
void initFromScreen();

double toPixels(double twips);
double fromPixels(double pixels);
int toWholePixels(double twips);
QRect toPixelRect(const QRectF& twips);

// Places a widget by an exact twips rectangle and remembers that rectangle, so
// the game reads back what it set rather than the rounded pixel geometry.
void place(QWidget* widget, const QRectF& twips);
QRectF placed(const QWidget* widget);
void setTop(QWidget* widget, double top);

} // namespace Twips
