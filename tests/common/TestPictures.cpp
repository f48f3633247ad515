#include "TestPictures.h"

#include <QPainter>

namespace TestPictures {

QColor cellColour(int index)
{
    // Well-separated hues, never pure white.
    return QColor::fromHsv((index * 47) % 360, 200, 80 + (index * 37) % 150);
}

QImage blocks(int rows, int columns, int blockW, int blockH)
{
    QImage image(columns * blockW, rows * blockH, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            painter.fillRect(c * blockW, r * blockH, blockW, blockH, cellColour(r * columns + c));
    return image;
}

QString save(const QTemporaryDir& dir, const QString& name, const QImage& picture)
{
    const QString path = dir.filePath(name);
    picture.save(path);
    return path;
}

} // namespace TestPictures
