#pragma once

#include <QImage>
#include <QString>

class QWidget;
class Services;

// The routines that stand on the platform: the open dialog, the window shaping,
// the quarter-turn rotation.
namespace Module1 {

// Shows the open dialog over `owner`, starting in the current directory, and
// returns the chosen path without blanks at either end, or an empty text.
// `filter` is the filter's name, one NUL, then its patterns.
QString ShowOpenDialog(Services& services, QWidget* owner, const QString& filter);

// Turns `surface` by `angle` whole radians, with sine and cosine taken to the
// nearest whole number: angle 2 is a clockwise quarter turn, 0 a copy and 3 a
// half turn. On return `surface` holds the new picture and `width`, `height`
// its size; pixels that no source pixel reaches are black.
void RotateBitmap(QImage& surface, int& width, int& height, int angle);

int MinOf(int a, int b);
int MaxOf(int a, int b);

// Cuts `window` to the shape of the non-white pixels of `picture` (pure white,
// red = green = blue = 255, is cut away).
void ShapeWindowToPicture(QWidget* window, const QImage& picture);

} // namespace Module1
