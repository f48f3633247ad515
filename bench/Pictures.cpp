#include "Pictures.h"
#include "platform/SplitMix.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <thread>
#include <turbojpeg.h>
#include <vector>

namespace BenchPictures {

namespace {

// Smooth random relief: random values on a coarse lattice, blended between
// lattice points with a smoothstep.
class ValueNoise {
  public:
    ValueNoise(int width, int height, double period, std::uint64_t seed)
        : period_(period), columns_(static_cast<int>(width / period) + 3),
          rows_(static_cast<int>(height / period) + 3)
    {
        values_.resize(static_cast<size_t>(columns_) * rows_);
        for (float& v : values_)
            v = static_cast<float>((splitMix64(seed) >> 40) / double(1 << 24));
    }
    float at(double x, double y) const
    {
        const double gx = x / period_, gy = y / period_;
        const int ix = static_cast<int>(gx), iy = static_cast<int>(gy);
        const float fx = smooth(static_cast<float>(gx - ix));
        const float fy = smooth(static_cast<float>(gy - iy));
        const float* row0 = &values_[static_cast<size_t>(iy) * columns_ + ix];
        const float* row1 = row0 + columns_;
        const float top = row0[0] + (row0[1] - row0[0]) * fx;
        const float bottom = row1[0] + (row1[1] - row1[0]) * fx;
        return top + (bottom - top) * fy;
    }

  private:
    static float smooth(float t) { return t * t * (3 - 2 * t); }
    double period_;
    int columns_, rows_;
    std::vector<float> values_;
};

struct Building {
    int left, right, top;
    QRgb colour;
    int window; // size of the window grid in pixels
};

int clampByte(double v)
{
    return std::clamp(static_cast<int>(v), 0, 255);
}

} // namespace

QImage photo(int width, int height, std::uint64_t seed)
{
    QImage picture(width, height, QImage::Format_RGB32);
    const double scale = std::max(width, height);
    const ValueNoise broad(width, height, scale / 5, seed + 1);
    const ValueNoise middle(width, height, scale / 23, seed + 2);
    const ValueNoise fine(width, height, scale / 110, seed + 3);
    const ValueNoise tint(width, height, scale / 9, seed + 4);
    const int horizon = height * 11 / 20;

    std::vector<Building> buildings;
    std::uint64_t state = seed;
    for (int i = 0; i < 28; ++i) {
        Building b;
        b.left = static_cast<int>(splitMix64(state) % static_cast<std::uint64_t>(width));
        b.right = std::min(width, b.left + width / 40 +
                                      static_cast<int>(splitMix64(state) % (width / 9 + 1)));
        b.top = horizon - static_cast<int>(splitMix64(state) % (height / 3 + 1));
        const int grey = 70 + static_cast<int>(splitMix64(state) % 120);
        b.colour = qRgb(grey + 20, grey, grey - 25);
        b.window = std::max(4, height / 180 + static_cast<int>(splitMix64(state) % 6));
        buildings.push_back(b);
    }

    auto paintRows = [&](int fromRow, int toRow) {
        std::uint64_t grain = seed ^ (static_cast<std::uint64_t>(fromRow) << 20);
        std::vector<const Building*> onRow;
        for (int y = fromRow; y < toRow; ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            onRow.clear();
            for (const Building& b : buildings)
                if (y >= b.top && y < horizon + height / 12) onRow.push_back(&b);
            for (int x = 0; x < width; ++x) {
                const double relief =
                    0.55 * broad.at(x, y) + 0.3 * middle.at(x, y) + 0.15 * fine.at(x, y);
                double r, g, b;
                if (y < horizon) { // sky: brighter and paler towards the horizon
                    const double t = double(y) / horizon;
                    r = 70 + 120 * t + 40 * relief;
                    g = 120 + 90 * t + 35 * relief;
                    b = 200 + 40 * t + 20 * relief;
                } else { // ground: fields and soil
                    const double hue = tint.at(x, y);
                    r = 60 + 110 * relief + 60 * hue;
                    g = 80 + 100 * relief + 20 * (1 - hue);
                    b = 30 + 50 * relief;
                }
                for (const Building* bd : onRow) {
                    if (x < bd->left || x >= bd->right) continue;
                    const bool lit = ((x - bd->left) / bd->window) % 3 == 1 &&
                                     ((y - bd->top) / bd->window) % 3 == 1;
                    const double shade = 0.8 + 0.4 * relief;
                    r = qRed(bd->colour) * shade + (lit ? 90 : 0);
                    g = qGreen(bd->colour) * shade + (lit ? 80 : 0);
                    b = qBlue(bd->colour) * shade + (lit ? 30 : 0);
                }
                const int noise = static_cast<int>(splitMix64(grain) & 15) - 8;
                line[x] = qRgb(clampByte(r + noise), clampByte(g + noise), clampByte(b + noise));
            }
        }
    };
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    const int band = (height + static_cast<int>(threads) - 1) / static_cast<int>(threads);
    for (unsigned i = 0; i < threads; ++i) {
        const int from = static_cast<int>(i) * band, to = std::min(height, from + band);
        if (from < to) workers.emplace_back(paintRows, from, to);
    }
    for (std::thread& w : workers)
        w.join();
    return picture;
}

namespace {
bool writeAll(const QString& path, const char* data, qint64 size, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data, size) != size || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}
} // namespace

bool writeJpeg(const QImage& picture, const QString& path, int quality, QString* error)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    tjhandle handle = tjInitCompress();
    if (!handle) {
        if (error) *error = QString::fromLatin1(tjGetErrorStr());
        return false;
    }
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    // Format_RGB32 is 0xffRRGGBB in memory order B, G, R, X on little-endian
    // machines, ARGB order on big-endian ones.
    const int pixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;
    const bool ok = tjCompress2(handle, source.constBits(), source.width(),
                                static_cast<int>(source.bytesPerLine()), source.height(),
                                pixelFormat, &jpeg, &size, TJSAMP_420, quality, 0) == 0;
    if (!ok && error) *error = QString::fromLatin1(tjGetErrorStr2(handle));
    const bool written =
        ok && writeAll(path, reinterpret_cast<const char*>(jpeg), static_cast<qint64>(size), error);
    tjFree(jpeg);
    tjDestroy(handle);
    return written;
}

bool writeBmp24(const QImage& picture, const QString& path, QString* error)
{
    // Qt writes pictures without alpha as 24-bit bitmaps.
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !source.save(&file, "BMP") || !file.commit()) {
        if (error) *error = QStringLiteral("could not write %1").arg(path);
        return false;
    }
    return true;
}

namespace {
// GIF's variable-length LZW codes, packed least significant bit first into
// sub-blocks of at most 255 bytes.
class CodeWriter {
  public:
    explicit CodeWriter(QByteArray& out) : out_(out) {}
    void write(int code, int bits)
    {
        buffer_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            byte(static_cast<char>(buffer_ & 0xff));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    void finish()
    {
        if (count_ > 0) byte(static_cast<char>(buffer_ & 0xff));
        buffer_ = 0;
        count_ = 0;
        flushBlock();
        out_.append('\0');
    }

  private:
    void byte(char b)
    {
        block_.append(b);
        if (block_.size() == 255) flushBlock();
    }
    void flushBlock()
    {
        if (block_.isEmpty()) return;
        out_.append(static_cast<char>(block_.size()));
        out_.append(block_);
        block_.clear();
    }
    QByteArray& out_;
    QByteArray block_;
    std::uint32_t buffer_ = 0;
    int count_ = 0;
};
} // namespace

bool writeGif(const QImage& picture, const QString& path, QString* error)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = source.width(), h = source.height();
    QByteArray out("GIF89a");
    auto word = [&out](int v) {
        out.append(static_cast<char>(v & 0xff));
        out.append(static_cast<char>((v >> 8) & 0xff));
    };
    word(w);
    word(h);
    out.append(static_cast<char>(0xF7)); // global table of 256 colours
    out.append('\0');
    out.append('\0');
    // 6 x 7 x 6 colour cube, then four greys to fill 256 entries.
    for (int i = 0; i < 256; ++i) {
        int r, g, b;
        if (i < 252) {
            r = (i / 42) * 255 / 5;
            g = ((i / 6) % 7) * 255 / 6;
            b = (i % 6) * 255 / 5;
        } else {
            r = g = b = 64 * (i - 252) + 32;
        }
        out.append(static_cast<char>(r));
        out.append(static_cast<char>(g));
        out.append(static_cast<char>(b));
    }
    out.append(',');
    word(0);
    word(0);
    word(w);
    word(h);
    out.append('\0');
    constexpr int kMinCodeSize = 8, kClear = 256, kEnd = 257, kMaxCode = 4095;
    out.append(static_cast<char>(kMinCodeSize));

    std::vector<std::array<std::uint16_t, 256>> next(kMaxCode + 1);
    for (auto& n : next)
        n.fill(0);
    CodeWriter codes(out);
    int codeSize = kMinCodeSize + 1, lastCode = kEnd;
    codes.write(kClear, codeSize);
    int current = -1;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            const int index =
                ((qRed(p) * 6) >> 8) * 42 + ((qGreen(p) * 7) >> 8) * 6 + ((qBlue(p) * 6) >> 8);
            if (current < 0) {
                current = index;
            } else if (next[static_cast<size_t>(current)][static_cast<size_t>(index)]) {
                current = next[static_cast<size_t>(current)][static_cast<size_t>(index)];
            } else {
                codes.write(current, codeSize);
                next[static_cast<size_t>(current)][static_cast<size_t>(index)] =
                    static_cast<std::uint16_t>(++lastCode);
                if (lastCode >= (1 << codeSize)) ++codeSize;
                if (lastCode == kMaxCode) {
                    codes.write(kClear, codeSize);
                    for (auto& n : next)
                        n.fill(0);
                    codeSize = kMinCodeSize + 1;
                    lastCode = kEnd;
                }
                current = index;
            }
        }
    }
    codes.write(current, codeSize);
    codes.write(kClear, codeSize);
    codes.write(kEnd, kMinCodeSize + 1);
    codes.finish();
    out.append(';');
    return writeAll(path, out.constData(), out.size(), error);
}

} // namespace BenchPictures
