#pragma once

#include <QRectF>
#include <QSizeF>

// The decisions of a drag, as functions of plain numbers (twips).
namespace DragRules {

constexpr double kSnapDistance = 100;

enum class Refusal { None, OffScreen, OverReference, IntoPanel };

struct Scene {
    QSizeF screen;
    QRectF reference;  // ImaOrig
    bool panelVisible; // RC1 visible
    QRectF panelLabel; // RC1
};

// Whether a piece of size `piece` may take the top left corner (x, y).
Refusal refusal(double x, double y, QSizeF piece, const Scene& scene);

// An upright piece snaps when it lies closer than kSnapDistance to its home
// cell on both axes.
bool snaps(double x, double y, double homeLeft, double homeTop, int orientation);

enum class Gesture { Free, Nothing, QuarterTurn, TurnOver, Drag };

struct Arrangement {
    bool translateOnly;   // mSpos
    bool turnOverAllowed; // mRove or mTrasp
};

// What a press on a piece does: button 1 left, 2 right, 4 middle; shift the
// sum of 1 Shift, 2 Ctrl, 4 Alt.
Gesture gesture(bool fixed, int button, int shift, Arrangement arrangement);

} // namespace DragRules
