#include "pieces/DragRules.h"

#include <cmath>

namespace DragRules {

Refusal refusal(double x, double y, QSizeF piece, const Scene& scene)
{
    const double w = piece.width(), h = piece.height();
    if (x < -w / 2 || x > scene.screen.width() - w / 2) return Refusal::OffScreen;
    // Half a piece may leave at the top, but its bottom edge stays on screen.
    if (y < -h / 2 || y > scene.screen.height() - h) return Refusal::OffScreen;
    if (x + w / 2 < scene.reference.left() + scene.reference.width() &&
        y + h / 2 < scene.reference.top() + scene.reference.height())
        return Refusal::OverReference;
    if (scene.panelVisible && x < scene.panelLabel.left() + scene.panelLabel.width() &&
        y + h > scene.panelLabel.top())
        return Refusal::IntoPanel;
    return Refusal::None;
}

bool snaps(double x, double y, double homeLeft, double homeTop, int orientation)
{
    return std::abs(x - homeLeft) < kSnapDistance && std::abs(y - homeTop) < kSnapDistance &&
           orientation == 0;
}

Gesture gesture(bool fixed, int button, int shift, Arrangement arrangement)
{
    if (fixed) return button == 2 ? Gesture::Free : Gesture::Nothing;
    if (button == 1 && shift == 2 && !arrangement.translateOnly) return Gesture::QuarterTurn;
    if (button == 1 && shift == 1 && arrangement.turnOverAllowed) return Gesture::TurnOver;
    return Gesture::Drag;
}

} // namespace DragRules
