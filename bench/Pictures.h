#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

// The pictures the benchmark plays with, made here so that every machine
// measures the same thing: photo-like scenes (smooth sky and ground, hard-edged
// buildings, sensor grain) that compress like camera pictures do.
namespace BenchPictures {

QImage photo(int width, int height, std::uint64_t seed);

// A camera-like JPEG: 4:2:0 chroma, the given quality.
bool writeJpeg(const QImage& picture, const QString& path, int quality, QString* error);
// A 256-colour GIF: the picture reduced to a fixed 6 x 7 x 6 colour cube.
bool writeGif(const QImage& picture, const QString& path, QString* error);
// An uncompressed 24-bit BMP.
bool writeBmp24(const QImage& picture, const QString& path, QString* error);

} // namespace BenchPictures
