#include "platform/Module1.h"

#include "platform/Services.h"

#include <algorithm>
#include <cmath>

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
    result.fill(0xff000000u);

    const int srcW = std::min(w, source.width());
    const int srcH = std::min(h, source.height());
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
                        out[x] = reinterpret_cast<const quint32*>(srcBits + srcY * srcStride)[srcX];
                    srcX += c;
                    srcY -= s;
                }
            }
        }
    }
    surface = result;
    width = newW;
    height = newH;
}

} // namespace Module1
