#pragma once

#include <QPointF>
#include <QSizeF>

// The rules that lay out the main window, as functions of plain numbers. All
// positions and sizes are twips in the window's client area.
namespace Geometry {

constexpr double kReferenceLeft = 120;
constexpr double kReferenceTop = 120;
constexpr double kGridGap = 30;           // between the reference picture and the grid
constexpr double kPanelLabelOffset = 100; // RC1 below the picture
constexpr double kPanelRowOffset = 240;   // first row of the panel below RC1
constexpr double kPanelSecondRowOffset = 720;
constexpr double kBadgeBottomMargin = 900;
constexpr int kZoomDivisions = 10;

struct Maxima {
    int width;
    int height;
};

// screen width / 2 - 150 and screen height - 2400, halves to the even neighbour.
Maxima referenceMaxima(QSizeF screenTwips);

struct Fit {
    double fitScale;
    double scaleX, scaleY; // only set when the picture is too large
    double width, height;  // referenceWidth, referenceHeight
    double zoomStepX, zoomStepY;
};

// Shrinks a natural size into the maxima, never enlarging, keeping the aspect.
Fit fitReference(QSizeF natural, Maxima maxima, double previousScaleX = 0,
                 double previousScaleY = 0);

struct PanelTops {
    double label;     // RC1
    double firstRow;  // CmdImma, CmdGriglia, Righe, RC2, Colonne
    double secondRow; // CmdPuzzle, CmdRaccogli, CmdAzze
};
PanelTops panelTops(double referenceTop, double referenceHeight);
double badgeTop(double screenHeight, double badgeHeight);

QPointF gridOrigin(double referenceLeft, double referenceTop, double referenceViewWidth);

// Cell size from the reference view's current size and the zoom level.
QSizeF cellSize(QSizeF referenceView, int zoomLevel, double zoomStepX, double zoomStepY, int rows,
                int columns);

// Top left corner of slot s, counted row by row from the top left cell.
QPointF slotPosition(int slot, QPointF gridOrigin, QSizeF cell, int columns);

// Round to the nearest whole number, a half to the even neighbour.
double roundHalfEven(double value);

} // namespace Geometry
