#pragma once

struct Table;

// The routines of the reference picture, the grid, the zoom and clearing.
namespace Board {

void FitReferencePicture(Table& t);

void CmdImma_Click(Table& t);
void PickPicture(Table& t);

void CmdGriglia_Click(Table& t);
void mGrig_Click(Table& t);
void BoxClick(Table& t); // Righe_Click and Colonne_Click
void DrawGridLines(Table& t);
void RemoveGridLines(Table& t);

void EnlargeGridArea(Table& t);
void ReduceGridArea(Table& t);
void ResetAreas(Table& t);
void HideCommandPanel(Table& t);
void ShowCommandPanel(Table& t);

void CmdAzze_Click(Table& t);

} // namespace Board
