#include "platform/Module1.h"

#include "platform/Services.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace Module1 {

QString ShowOpenDialog(Services& services, QWidget* owner, const QString& filter)
{
    const QString name = filter.section(QChar(0), 0, 0);
    const QString patterns = filter.section(QChar(0), 1);
    const QString path = services.openFileDialog(owner, QStringLiteral("Choose the file to open"),
                                                 name, patterns, services.currentDirectory());
    return path.trimmed();
}

int MinOf(int a, int b)
{
    return a < b ? a : b;
}
int MaxOf(int a, int b)
{
    return a > b ? a : b;
}

namespace {

// Splits rows [0, rows) into two halves, one for a helper thread: moving a big
// picture's pixels is bound by memory and page faults, which two cores share
// well. Small pictures stay on the calling thread.
template <typename Work> void inTwoBands(int rows, qsizetype pixels, Work work)
{
    constexpr qsizetype kWorthAThread = 1 << 20;
    if (pixels < kWorthAThread || std::thread::hardware_concurrency() < 2 || rows < 2) {
        work(0, rows);
        return;
    }
    const int half = rows / 2;
    std::thread helper;
    try {
        helper = std::thread([&work, half, rows] { work(half, rows); });
    } catch (const std::system_error&) { // no thread to be had: one does it all
        work(0, rows);
        return;
    }
    work(0, half);
    helper.join();
}

// The clockwise quarter turn (s = 1, c = 0): pixel (x', y') of the result is
// source pixel (y', h - 1 - x'). The pixels move in 4 x 4 squares, four rows
// read and four rows written at a time, within 64 x 64 blocks that keep both
// sides in the cache.
void quarterTurnClockwise(const QImage& source, QImage& result, int w, int h)
{
    const uchar* srcBits = source.constBits();
    const qsizetype srcStride = source.bytesPerLine();
    uchar* dstBits = result.bits();
    const qsizetype dstStride = result.bytesPerLine();
    auto pixel = [&](int x, int y) -> quint32& {
        return reinterpret_cast<quint32*>(dstBits + y * dstStride)[x];
    };
    auto sourceRow = [&](int x) {
        return reinterpret_cast<const quint32*>(srcBits + (h - 1 - x) * srcStride);
    };
    constexpr int kBlock = 64;
    // Result rows are source columns: bands of result rows split the work.
    inTwoBands(w, qsizetype(w) * h, [&](int rowFrom, int rowTo) {
        for (int by = rowFrom; by < rowTo; by += kBlock) {
            const int byEnd = std::min(rowTo, by + kBlock);
            for (int bx = 0; bx < h; bx += kBlock) {
                const int bxEnd = std::min(h, bx + kBlock);
                int x = bx;
                for (; x + 4 <= bxEnd; x += 4) {
                    const quint32* in0 = sourceRow(x);
                    const quint32* in1 = sourceRow(x + 1);
                    const quint32* in2 = sourceRow(x + 2);
                    const quint32* in3 = sourceRow(x + 3);
                    int y = by;
#if defined(__SSE2__) || defined(_M_X64)
                    for (; y + 4 <= byEnd; y += 4) {
                        const __m128i r0 =
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(in0 + y));
                        const __m128i r1 =
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(in1 + y));
                        const __m128i r2 =
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(in2 + y));
                        const __m128i r3 =
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(in3 + y));
                        const __m128i t0 = _mm_unpacklo_epi32(r0, r1);
                        const __m128i t1 = _mm_unpacklo_epi32(r2, r3);
                        const __m128i t2 = _mm_unpackhi_epi32(r0, r1);
                        const __m128i t3 = _mm_unpackhi_epi32(r2, r3);
                        _mm_storeu_si128(reinterpret_cast<__m128i*>(&pixel(x, y)),
                                         _mm_unpacklo_epi64(t0, t1));
                        _mm_storeu_si128(reinterpret_cast<__m128i*>(&pixel(x, y + 1)),
                                         _mm_unpackhi_epi64(t0, t1));
                        _mm_storeu_si128(reinterpret_cast<__m128i*>(&pixel(x, y + 2)),
                                         _mm_unpacklo_epi64(t2, t3));
                        _mm_storeu_si128(reinterpret_cast<__m128i*>(&pixel(x, y + 3)),
                                         _mm_unpackhi_epi64(t2, t3));
                    }
#endif
                    for (; y < byEnd; ++y) {
                        quint32* out = &pixel(x, y);
                        out[0] = in0[y];
                        out[1] = in1[y];
                        out[2] = in2[y];
                        out[3] = in3[y];
                    }
                }
                for (; x < bxEnd; ++x) {
                    const quint32* in = sourceRow(x);
                    for (int y = by; y < byEnd; ++y)
                        pixel(x, y) = in[y];
                }
            }
        }
    });
}

} // namespace

void RotateBitmap(QImage& surface, int& width, int& height, int angle)
{
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const int s = static_cast<int>(std::nearbyint(std::sin(static_cast<double>(angle))));
    const int c = static_cast<int>(std::nearbyint(std::cos(static_cast<double>(angle))));
    const int w = width, h = height;

    const int xs[4] = {0, c * (w - 1), -s * (h - 1), c * (w - 1) - s * (h - 1)};
    const int ys[4] = {0, s * (w - 1), c * (h - 1), s * (w - 1) + c * (h - 1)};
    const int minX = MinOf(MinOf(xs[0], xs[1]), MinOf(xs[2], xs[3]));
    const int maxX = MaxOf(MaxOf(xs[0], xs[1]), MaxOf(xs[2], xs[3]));
    const int minY = MinOf(MinOf(ys[0], ys[1]), MinOf(ys[2], ys[3]));
    const int maxY = MaxOf(MaxOf(ys[0], ys[1]), MaxOf(ys[2], ys[3]));
    const int newW = maxX - minX + 1, newH = maxY - minY + 1;

    QImage source = surface;
    if (source.depth() != 32) source = source.convertToFormat(QImage::Format_RGB32);
    QImage result(newW, newH, source.format());
    if (result.isNull()) { // no memory for the new picture: hand back none
        surface = QImage();
        width = newW;
        height = newH;
        return;
    }

    const int srcW = std::min(w, source.width());
    const int srcH = std::min(h, source.height());
    if (s == 1 && c == 0 && srcW == w && srcH == h) {
        // The game's own turn reaches every pixel of the result: no need to
        // clear it first.
        quarterTurnClockwise(source, result, w, h);
    } else {
        result.fill(0xff000000u);
        const uchar* srcBits = source.constBits();
        const qsizetype srcStride = source.bytesPerLine();
        // Walk the target in square tiles so that the source reads, which run
        // across rows for a quarter turn, stay in the cache.
        constexpr int kTile = 64;
        for (int ty = 0; ty < newH; ty += kTile) {
            const int tyEnd = std::min(newH, ty + kTile);
            for (int tx = 0; tx < newW; tx += kTile) {
                const int txEnd = std::min(newW, tx + kTile);
                for (int y = ty; y < tyEnd; ++y) {
                    auto* out = reinterpret_cast<quint32*>(result.scanLine(y));
                    const int Y = minY + y;
                    int X = minX + tx;
                    int srcX = c * X + s * Y;
                    int srcY = c * Y - s * X;
                    for (int x = tx; x < txEnd; ++x) {
                        if (srcX >= 0 && srcX < srcW && srcY >= 0 && srcY < srcH)
                            out[x] =
                                reinterpret_cast<const quint32*>(srcBits + srcY * srcStride)[srcX];
                        srcX += c;
                        srcY -= s;
                    }
                }
            }
        }
    }
    surface = result;
    width = newW;
    height = newH;
}

} // namespace Module1
