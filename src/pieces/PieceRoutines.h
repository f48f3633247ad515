#pragma once

#include <QString>

struct Table;

// The routines of the pieces: cutting and dealing, drawing a piece for its
// code, the pointer handlers, completion and gathering.
namespace Pieces {

// Where the cut writes its two bitmap files.
QString tempBitmapPath();
QString tempTurnedBitmapPath();

void CmdPuzzle_Click(Table& t);
// After a click has toggled an Arrangement item's tick: an item that ends
// ticked unticks the other three, so at most one is ticked.
void ArrangementToggled(Table& t, int mode);
// 1 Translate only, 2 Rotate, 3 Upset, 4 Transparent; 0 when none is ticked.
int tickedArrangement(const Table& t);
void setArrangementTicks(Table& t, int mode);

// Draws piece currentPiece for its code; `parityChanged` tells whether the
// view's sides swap, so that it turns about its centre.
void RenderPiece(Table& t, bool parityChanged);
void MirrorLeftRightUpright(Table& t);
void MirrorLeftRightTurned(Table& t);
void MirrorTopBottomUpright(Table& t);
void MirrorTopBottomTurned(Table& t);

void ImA_MouseDown(Table& t, int index, int button, int shift, double x, double y);
void ImA_MouseMove(Table& t, int index, int button, int shift, double x, double y);
void ImA_MouseUp(Table& t, int index, int button, int shift, double x, double y);
void CheckCompletion(Table& t);
void HideOutline(Table& t);

void CmdRaccogli_Click(Table& t);

} // namespace Pieces
