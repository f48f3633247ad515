#include "platform/LineView.h"

#include "platform/Twips.h"

#include <QPainter>
#include <algorithm>

LineView::LineView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineView::setPoints(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    applyGeometry();
}

void LineView::setLineWidth(int pixels)
{
    lineWidth_ = std::max(1, pixels);
    applyGeometry();
}

void LineView::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void LineView::setVisible(bool visible)
{
    visible_ = visible;
    QWidget::setVisible(visible);
}

void LineView::applyGeometry()
{
    const int ax = Twips::toWholePixels(x1_), ay = Twips::toWholePixels(y1_);
    const int bx = Twips::toWholePixels(x2_), by = Twips::toWholePixels(y2_);
    origin_ = QPoint(std::min(ax, bx), std::min(ay, by));
    setGeometry(origin_.x(), origin_.y(), std::abs(bx - ax) + lineWidth_,
                std::abs(by - ay) + lineWidth_);
    update();
}

void LineView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int ax = Twips::toWholePixels(x1_) - origin_.x();
    const int ay = Twips::toWholePixels(y1_) - origin_.y();
    const int bx = Twips::toWholePixels(x2_) - origin_.x();
    const int by = Twips::toWholePixels(y2_) - origin_.y();
    if (ax == bx || ay == by) {
        // Axis-aligned lines are filled rectangles: crisp at any pixel ratio.
        painter.fillRect(
            QRect(QPoint(std::min(ax, bx), std::min(ay, by)),
                  QPoint(std::max(ax, bx) + lineWidth_ - 1, std::max(ay, by) + lineWidth_ - 1)),
            color_);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color_, lineWidth_));
    painter.drawLine(ax, ay, bx, by);
}
