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
    // Pixels narrower than a byte cannot start a row mid-byte: copy those.
    if (picture_.depth() < 8) return picture_.copy(r);
    // The pieces only ever read their cells, so a cell is a window onto the
    // source rather than a copy: cutting a big photo into 99 pieces would
    // otherwise hold the whole picture twice. The read-only constructor makes
    // any painting into the cell copy it first.
    auto* source = new QImage(picture_);
    const uchar* first = source->constBits() + qsizetype(r.y()) * source->bytesPerLine() +
                         qsizetype(r.x()) * (source->depth() / 8);
    QImage cell(
        first, r.width(), r.height(), source->bytesPerLine(), source->format(),
        [](void* info) { delete static_cast<QImage*>(info); }, source);
    if (source->format() == QImage::Format_Indexed8) cell.setColorTable(source->colorTable());
    cell.setDotsPerMeterX(source->dotsPerMeterX());
    cell.setDotsPerMeterY(source->dotsPerMeterY());
    cell.setDevicePixelRatio(source->devicePixelRatio());
    return cell;
}
