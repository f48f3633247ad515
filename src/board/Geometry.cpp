#include "board/Geometry.h"

#include <cmath>

namespace Geometry {

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

Maxima referenceMaxima(QSizeF screen)
{
    return {static_cast<int>(roundHalfEven(screen.width() / 2 - 150)),
            static_cast<int>(roundHalfEven(screen.height() - 2400))};
}

Fit fitReference(QSizeF natural, Maxima maxima, double previousScaleX, double previousScaleY)
{
    Fit fit{1.0, previousScaleX, previousScaleY, 0, 0, 0, 0};
    const double w = natural.width(), h = natural.height();
    if (w > maxima.width || h > maxima.height) {
        fit.scaleX = maxima.width > 0 ? w / maxima.width : 1.0;
        fit.scaleY = maxima.height > 0 ? h / maxima.height : 1.0;
        fit.fitScale = fit.scaleX;
        if (fit.scaleY > fit.scaleX) fit.fitScale = fit.scaleY;
    }
    fit.width = w / fit.fitScale;
    fit.height = h / fit.fitScale;
    fit.zoomStepX = fit.width / kZoomDivisions;
    fit.zoomStepY = fit.height / kZoomDivisions;
    return fit;
}

PanelTops panelTops(double referenceTop, double referenceHeight)
{
    const double label = referenceTop + referenceHeight + kPanelLabelOffset;
    return {label, label + kPanelRowOffset, label + kPanelSecondRowOffset};
}

double badgeTop(double screenHeight, double badgeHeight)
{
    return screenHeight - badgeHeight - kBadgeBottomMargin;
}

QPointF gridOrigin(double referenceLeft, double referenceTop, double referenceViewWidth)
{
    return {referenceLeft + referenceViewWidth + kGridGap, referenceTop};
}

QSizeF cellSize(QSizeF view, int zoomLevel, double zoomStepX, double zoomStepY, int rows,
                int columns)
{
    if (rows <= 0 || columns <= 0) return {};
    return {(view.width() - 2.0 * zoomLevel * zoomStepX) / columns,
            (view.height() - 2.0 * zoomLevel * zoomStepY) / rows};
}

QPointF slotPosition(int slot, QPointF origin, QSizeF cell, int columns)
{
    if (columns <= 0) return origin;
    return {origin.x() + (slot % columns) * cell.width(),
            origin.y() + (slot / columns) * cell.height()};
}

} // namespace Geometry
