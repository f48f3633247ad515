#include "platform/PictureClip.h"

QRect PictureClip::cellRect(int index) const
{
    if (rows_ <= 0 || columns_ <= 0 || index < 0 || index >= rows_ * columns_) return QRect();
    const int w = picture_.width() / columns_;
    const int h = picture_.height() / rows_;
    return QRect((index % columns_) * w, (index / columns_) * h, w, h);
}

QImage PictureClip::cell(int index) const
{
    const QRect r = cellRect(index);
    if (r.isEmpty()) return QImage();
    return picture_.copy(r);
}
