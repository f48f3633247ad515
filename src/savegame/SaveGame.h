#pragma once

struct Table;

namespace SaveGame {

// "&Save as is": writes picturePath + ".tsl" for the game under way.
void mSalva_Click(Table& t);

// Takes up the saved game at picturePath. The whole file is checked before the
// board changes; false means it was refused and nothing changed.
bool ResumeSavedGame(Table& t);

} // namespace SaveGame
