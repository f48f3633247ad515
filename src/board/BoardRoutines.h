#pragma once

class QString;

struct Table;

// The routines of the reference picture, the grid, the zoom and clearing.
namespace Board {

void FitReferencePicture(Table& t);

void CmdImma_Click(Table& t);
void PickPicture(Table& t);
// Everything after the dialog: loads the file at picturePath as a picture, or
// resumes it when it is a saved game.
void TakeUpChosenFile(Table& t);
// A file dropped on the window, taken up as if chosen in the dialog, while
// "1 - Pick an Image" is enabled; false when it was not taken.
bool DropFile(Table& t, const QString& path);

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
