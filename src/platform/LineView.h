#pragma once

#include <QColor>
#include <QWidget>

// A straight line on the main window between two end points in twips.
class LineView : public QWidget {
    Q_OBJECT
  public:
    explicit LineView(QWidget* parent = nullptr);

    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void setPoints(double x1, double y1, double x2, double y2);

    void setLineWidth(int pixels);
    int lineWidth() const { return lineWidth_; }
    void setColor(const QColor& color);
    QColor color() const { return color_; }

    bool visible() const { return visible_; }
    void setVisible(bool visible) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void applyGeometry();

    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int lineWidth_ = 1;
    QColor color_ = Qt::black;
    bool visible_ = true;
    QPoint origin_;
};
