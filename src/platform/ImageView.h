#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// The mouse codes the game's handlers take: button 1 left, 2 right, 4 middle;
// shift the sum of 1 Shift, 2 Ctrl, 4 Alt.
namespace MouseCode {
int button(Qt::MouseButton button);
int buttons(Qt::MouseButtons buttons);
int shift(Qt::KeyboardModifiers modifiers);
} // namespace MouseCode

enum class PointerShape { Default, SizeAll, NoDrop };

// A picture on the main window, placed and sized in exact twips. With stretching
// off it takes its picture's natural size; with stretching on the picture is
// scaled into whatever size it is given.
class ImageView : public QWidget {
    Q_OBJECT
  public:
    explicit ImageView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    void setStretch(bool stretch);
    bool stretch() const { return stretch_; }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    void move(double left, double top);
    void resize(double width, double height);
    void setRect(double left, double top, double width, double height);

    bool visible() const { return visible_; }
    void setVisible(bool visible) override;
    bool enabled() const { return enabledFlag_; }
    void setEnabledFlag(bool enabled);

    PointerShape pointer() const { return pointer_; }
    void setPointer(PointerShape shape);

  signals:
    // x and y are twips relative to the view's exact left and top.
    void pressed(int button, int shift, double x, double y);
    void moved(int button, int shift, double x, double y);
    void released(int button, int shift, double x, double y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void applyGeometry();
    void fitNaturalSize();
    QPointF relativeTwips(const QMouseEvent* event) const;

    QImage picture_;
    QPixmap scaled_;
    bool stretch_ = false;
    bool visible_ = true;
    bool enabledFlag_ = true;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    PointerShape pointer_ = PointerShape::Default;
};
