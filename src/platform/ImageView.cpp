#include "platform/ImageView.h"

#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace MouseCode {
int button(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}
int buttons(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}
int shift(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}
} // namespace MouseCode

ImageView::ImageView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ImageView::setPicture(const QImage& picture)
{
    picture_ = picture;
    scaled_ = QPixmap();
    if (!stretch_) fitNaturalSize();
    update();
}

void ImageView::setStretch(bool stretch)
{
    stretch_ = stretch;
    if (!stretch_) fitNaturalSize();
    scaled_ = QPixmap();
    update();
}

void ImageView::fitNaturalSize()
{
    width_ = Twips::fromPixels(picture_.width());
    height_ = Twips::fromPixels(picture_.height());
    applyGeometry();
}

void ImageView::setLeft(double left)
{
    move(left, top_);
}
void ImageView::setTop(double top)
{
    move(left_, top);
}
void ImageView::setWidth(double width)
{
    resize(width, height_);
}
void ImageView::setHeight(double height)
{
    resize(width_, height);
}

void ImageView::move(double left, double top)
{
    left_ = left;
    top_ = top;
    applyGeometry();
}

void ImageView::resize(double width, double height)
{
    width_ = width;
    height_ = height;
    applyGeometry();
}

void ImageView::setRect(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void ImageView::applyGeometry()
{
    const QRect r = Twips::toPixelRect(QRectF(left_, top_, width_, height_));
    if (r.size() != QWidget::size()) scaled_ = QPixmap();
    setGeometry(r);
}

void ImageView::setVisible(bool visible)
{
    visible_ = visible;
    QWidget::setVisible(visible);
}

void ImageView::setEnabledFlag(bool enabled)
{
    enabledFlag_ = enabled;
    setEnabled(enabled);
}

void ImageView::setPointer(PointerShape shape)
{
    pointer_ = shape;
    switch (shape) {
    case PointerShape::Default: unsetCursor(); break;
    case PointerShape::SizeAll: setCursor(Qt::SizeAllCursor); break;
    case PointerShape::NoDrop: setCursor(Qt::ForbiddenCursor); break;
    }
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull() || QWidget::width() <= 0 || QWidget::height() <= 0) return;
    QPainter painter(this);
    if (!stretch_) {
        painter.drawImage(0, 0, picture_);
        return;
    }
    // Scale once per size change at the screen's own pixel density; painting
    // afterwards only blits.
    const qreal dpr = devicePixelRatioF();
    const QSize device(qMax(1, qRound(QWidget::width() * dpr)),
                       qMax(1, qRound(QWidget::height() * dpr)));
    if (scaled_.isNull() || scaled_.size() != device) {
        scaled_ = QPixmap::fromImage(
            picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(dpr);
    }
    painter.drawPixmap(0, 0, scaled_);
}

QPointF ImageView::relativeTwips(const QMouseEvent* event) const
{
    // Measured from the exact twips origin, not the rounded pixel one, so a
    // long drag never drifts.
    const QPointF inParent = mapToParent(event->position());
    return QPointF(Twips::fromPixels(inParent.x()) - left_, Twips::fromPixels(inParent.y()) - top_);
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = relativeTwips(event);
    emit pressed(MouseCode::button(event->button()), MouseCode::shift(event->modifiers()), p.x(),
                 p.y());
}

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = relativeTwips(event);
    emit moved(MouseCode::buttons(event->buttons()), MouseCode::shift(event->modifiers()), p.x(),
               p.y());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = relativeTwips(event);
    emit released(MouseCode::button(event->button()), MouseCode::shift(event->modifiers()), p.x(),
                  p.y());
}
