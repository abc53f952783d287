// Saving the running game into one of the five slots and loading it back.
//
// A slot is a text file in the saves folder (Zorl15.dat for slot 1 to
// Zorl19.dat for slot 5); an empty slot's first line is "<EMPTY>". A save is
// written whole to a file beside the slot and put in the slot's place only
// when it is safely on disk, so a failed save leaves the old slot as it was.
// A load reads and checks the whole file before it touches the running game,
// so a damaged file changes nothing.
#pragma once

#include <string>
#include <string_view>

namespace vt {

class FileOps;
class Game;

inline constexpr int kSlotCount = 5;
inline constexpr std::string_view kEmptySlot = "<EMPTY>";

// The file of slot index 0 to 4: its name, and its path in the game's saves folder.
std::string SlotFileName(int slot);
std::string SlotPath(const Game& game, int slot);
// Five empty slots in `folder` (made if need be), as a fresh copy of the game has them.
void MakeEmptySlots(const std::string& folder);

// What the save/load window shows of a slot.
struct SlotSummary {
  // The name as the player typed it (commas back in place); "<EMPTY>" for an
  // empty, missing or unreadable slot.
  std::string name = std::string(kEmptySlot);
  bool empty = true;
  // Where the saved game stands: "District, Location."; empty for an empty slot.
  std::string where;
};
SlotSummary ReadSlotSummary(const Game& game, int slot);

// Saves the running game in slot index 0 to 4 under `name`. True and SaveLoadOK
// true when the slot holds the game; otherwise the old slot is untouched, the
// player reads "The game could not be saved" and SaveLoadOK is false.
bool SaveGame(Game& game, int slot, std::string_view name);
// The same through the given file operations.
bool SaveGame(Game& game, int slot, std::string_view name, FileOps& files);

// Replaces the running game by the one in slot index 0 to 4 and shows its
// screen (loading the game screen if need be). True and SaveLoadOK true when
// it did; a slot that cannot be read is reported to the player ("This saved
// game cannot be read"), SaveLoadOK is false and the running game is unchanged.
bool LoadGame(Game& game, int slot);

}  // namespace vt
