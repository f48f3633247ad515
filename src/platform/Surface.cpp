#include "platform/Surface.h"

#include "platform/Twips.h"

#include <QPainter>
#include <cmath>

void Surface::setSize(double widthTwips, double heightTwips)
{
    width_ = widthTwips;
    height_ = heightTwips;
    const int w = std::max(1, static_cast<int>(std::lround(Twips::toPixels(width_) * ratio_)));
    const int h = std::max(1, static_cast<int>(std::lround(Twips::toPixels(height_) * ratio_)));
    if (image_.width() != w || image_.height() != h) image_ = QImage(w, h, QImage::Format_RGB32);
}

void Surface::clear()
{
    if (!image_.isNull()) image_.fill(Qt::white);
}

void Surface::paint(const QImage& picture, double x, double y, double w, double h)
{
    if (image_.isNull() || picture.isNull() || w == 0 || h == 0) return;
    const double sx = image_.width() / width_;
    const double sy = image_.height() / height_;
    const double px = x * sx, py = y * sy, pw = w * sx, ph = h * sy;
    const QRectF target(std::min(px, px + pw), std::min(py, py + ph), std::abs(pw), std::abs(ph));
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Mirror through the painter's transform, about the target's centre: the
    // picture is read where it lies, with no mirrored copy of it made first.
    const bool mirrorX = w < 0, mirrorY = h < 0;
    if (mirrorX || mirrorY) {
        const QPointF centre = target.center();
        painter.translate(centre);
        painter.scale(mirrorX ? -1 : 1, mirrorY ? -1 : 1);
        painter.translate(-centre);
    }
    // The painter filters bilinearly, which turns a big photo's cell grainy
    // when it shrinks it several times over: shrink it first with an area
    // average, as the piece views do for the pictures they show.
    const QSize device(std::max(1, qRound(target.width())), std::max(1, qRound(target.height())));
    if (picture.width() > 2 * device.width() || picture.height() > 2 * device.height())
        painter.drawImage(target,
                          picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        painter.drawImage(target, picture);
}
