#pragma once

#include <QImage>
#include <QString>

// Reading and writing picture files. Every file may be malformed: loading
// answers with a picture or with a reason, never a half-made picture.
namespace PictureFile {

// The largest picture the game takes: big enough for any phone or camera photo,
// small enough that its pixels fit comfortably in memory.
constexpr int kMaxSide = 20000;
constexpr qint64 kMaxPixels = 80'000'000;

struct Loaded {
    QImage picture;
    QString error; // empty when the picture loaded
    bool ok() const { return error.isEmpty(); }
};

// Loads a picture file; an empty path gives an empty picture and no error.
Loaded load(const QString& path);
bool saveBmp(const QImage& picture, const QString& path, QString* error = nullptr);

} // namespace PictureFile
