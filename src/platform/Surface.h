#pragma once

#include <QImage>

// An off-screen picture that keeps what is drawn on it. Its size is given in
// twips; its pixels follow the screen's density (twips per pixel and device
// pixel ratio), so what it hands to a view is as sharp as the view can show.
class Surface {
  public:
    void setDevicePixelRatio(double ratio) { ratio_ = ratio > 0 ? ratio : 1.0; }
    double devicePixelRatio() const { return ratio_; }

    void setSize(double widthTwips, double heightTwips);
    double width() const { return width_; }
    double height() const { return height_; }

    void clear();
    // Paints the whole picture scaled into the rectangle from (x, y) to
    // (x + w, y + h) in twips. A negative w mirrors it left-right, a negative h
    // top-bottom.
    void paint(const QImage& picture, double x, double y, double w, double h);

    const QImage& image() const { return image_; }
    void setImage(const QImage& image) { image_ = image; }

  private:
    double width_ = 0, height_ = 0;
    double ratio_ = 1.0;
    QImage image_;
};
