#include "platform/PictureFile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace PictureFile {

Loaded load(const QString& path)
{
    Loaded result;
    if (path.isEmpty()) return result;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        result.error = QStringLiteral("File not found: %1").arg(path);
        return result;
    }
    // Room for the largest accepted picture at 32 bits per pixel.
    QImageReader::setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 16);
    QImageReader reader(path);
    // Trust the contents, not the extension: a file named .jpg may hold a GIF.
    reader.setDecideFormatFromContent(true);
    // Photos come upright as the camera meant them.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide ||
                           qint64(size.width()) * size.height() > kMaxPixels)) {
        result.error = QStringLiteral("Picture too large: %1 x %2 pixels")
                           .arg(size.width())
                           .arg(size.height());
        return result;
    }
    QImage picture;
    if (!reader.read(&picture) || picture.isNull()) {
        result.error = reader.errorString();
        if (result.error.isEmpty()) result.error = QStringLiteral("Not a picture: %1").arg(path);
        return result;
    }
    if (picture.width() > kMaxSide || picture.height() > kMaxSide) {
        result.error = QStringLiteral("Picture too large");
        return result;
    }
    result.picture = picture;
    return result;
}

bool saveBmp(const QImage& picture, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (!picture.save(&file, "BMP")) {
        if (error) *error = QStringLiteral("Could not write a bitmap");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace PictureFile
