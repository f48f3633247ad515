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

// Writes the picture as a BMP file, replacing the file only once it is complete.
// 32-bit pictures are written as 24-bit bitmaps.
bool saveBmp(const QImage& picture, const QString& path, QString* error = nullptr);

// The same, with the pixels written on a background thread while the game goes
// on: the file is created at once, so a folder that cannot take it is reported
// here, and it is complete after waitForBackgroundSaves(). Writes run one after
// another in the order they were started. The picture is shared, not copied;
// nothing may paint into it meanwhile.
bool saveBmpInBackground(const QImage& picture, const QString& path, QString* error = nullptr);

// Returns once every background write has finished. Also run when the
// application quits, so no file is left cut off.
void waitForBackgroundSaves();

} // namespace PictureFile
