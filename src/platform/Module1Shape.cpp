#include "platform/Module1.h"
#include "platform/WindowShape.h"

#include <QRect>
#include <QWidget>
#include <vector>

namespace Module1 {

namespace {
constexpr QRgb kWhite = 0x00ffffffu;

bool isWhite(QRgb pixel)
{
    return (pixel & 0x00ffffffu) == kWhite;
}

// The non-white runs of one row as [left, right) pairs.
void scanRow(const QRgb* row, int width, std::vector<int>& runs)
{
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && isWhite(row[x]))
            ++x;
        if (x == width) break;
        const int start = x;
        while (x < width && !isWhite(row[x]))
            ++x;
        runs.push_back(start);
        runs.push_back(x);
    }
}
} // namespace

QRegion pictureRegion(const QImage& picture)
{
    if (picture.isNull()) return QRegion();
    const QImage pixels =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const int width = pixels.width();
    const int height = pixels.height();

    // Rows with the same runs are merged into one band, and the bands are
    // handed over in the y-x order QRegion keeps internally, so a splash
    // picture costs a few hundred rectangles instead of thousands of
    // region subtractions.
    std::vector<QRect> rects;
    std::vector<int> bandRuns, rowRuns;
    int bandTop = 0;
    auto closeBand = [&](int bandBottom) {
        for (size_t i = 0; i + 1 < bandRuns.size(); i += 2)
            rects.emplace_back(bandRuns[i], bandTop, bandRuns[i + 1] - bandRuns[i],
                               bandBottom - bandTop);
    };
    for (int y = 0; y < height; ++y) {
        scanRow(reinterpret_cast<const QRgb*>(pixels.constScanLine(y)), width, rowRuns);
        if (y == 0 || rowRuns != bandRuns) {
            if (y > 0) closeBand(y);
            bandRuns.swap(rowRuns);
            bandTop = y;
        }
    }
    if (height > 0) closeBand(height);

    QRegion region;
    if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

void ShapeWindowToPicture(QWidget* window, const QImage& picture)
{
    if (!window) return;
    // An empty region clears the mask, so an all-white picture leaves the
    // window whole rather than making it vanish without a trace.
    window->setMask(pictureRegion(picture));
}

} // namespace Module1
