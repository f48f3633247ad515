#pragma once

#include <QImage>
#include <QRegion>

namespace Module1 {

// The pixels of `picture` that are not pure white (red = green = blue = 255),
// in the picture's own coordinates. A picture without white gives its whole
// rectangle; an all-white picture gives an empty region (with which
// ShapeWindowToPicture leaves the window unshaped).
QRegion pictureRegion(const QImage& picture);

} // namespace Module1
