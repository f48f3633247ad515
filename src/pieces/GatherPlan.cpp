#include "pieces/GatherPlan.h"

#include "board/Geometry.h"

#include <algorithm>
#include <cmath>

namespace GatherPlan {

TokenPool::TokenPool(const std::vector<int>& loosePieces) : text_(QStringLiteral("  "))
{
    for (int piece : loosePieces)
        text_ += QStringLiteral("%1").arg(piece, 2, 10, QChar('0'));
    text_ += QStringLiteral("  ");
}

int TokenPool::drawPosition(double r) const
{
    const int n = size();
    if (n <= 1) return 1;
    const int k = static_cast<int>(std::floor(1 + r * (n - 1)));
    return std::clamp(k, 1, n - 1);
}

int TokenPool::take(int k)
{
    const int piece = text_.mid(2 * k, 2).toInt();
    text_ = text_.left(2 * k) + text_.mid(2 * k + 2);
    return piece;
}

double roundTwip(double value)
{
    return Geometry::roundHalfEven(value);
}

Plan plan(const Input& in)
{
    Plan p{0, 0, 0, 0};
    const int n = in.remaining;
    if (in.zoomLevel < 0) {
        p.startX = roundTwip(in.referenceLeft);
        p.startY = roundTwip(in.referenceTop + in.referenceHeight + kMargin);
        if (n > 1) p.stepX = (in.referenceWidth - in.cellWidth) / (n - 1);
    } else {
        p.startX = roundTwip(in.gridLeft);
        p.startY = roundTwip(in.gridBottom + kMargin);
        if (in.clearButtonVisible && in.clearButtonRight > p.startX)
            p.startX = roundTwip(in.clearButtonRight + kMargin);
        if (n > 1) p.stepX = (in.gridWidth - in.cellWidth) / (n - 1);
    }
    if (n > 1) p.stepY = (in.windowHeight - p.startY - in.templateHeight - kBottomMargin) / (n - 1);
    if (p.stepX > in.cellWidth + kMargin) p.stepX = in.cellWidth + kMargin;
    if (p.stepY > in.cellHeight + kMargin) p.stepY = in.cellHeight + kMargin;
    return p;
}

} // namespace GatherPlan
