// Where the five saved-game slots live. They stay in the game's folder when
// the game may write there (a build, a copied game); an installed game's
// folder is read-only, and its slots live in the player's data folder
// instead ($XDG_DATA_HOME/veltrane, else ~/.local/share/veltrane). One place
// per run, chosen at start.
#pragma once

#include <string>

namespace vt {

// The player's data folder for the game: $XDG_DATA_HOME/veltrane when that is
// an absolute path, else HOME/.local/share/veltrane; empty when neither is
// known. Either argument may be null.
std::string UserSavesFolder(const char* xdgDataHome, const char* home);

struct SavesPlace {
  std::string folder;
  bool inGameFolder = true;
  // Said once at start: where the saves are, or why they cannot be kept.
  std::string message;
};

// The choice itself: the game's folder when it is writable, else the user's
// folder (when there is one).
SavesPlace ChooseSavesPlace(const std::string& gameFolder, bool gameFolderWritable,
                            const std::string& userFolder);

// Chooses the place for this process (the game's folder is tried for writing,
// the environment gives the user's folder), makes the user's folder and its
// missing slots as empty ones on first use (a slot already there is never
// touched), and returns it with its message.
SavesPlace PrepareSavesPlace(const std::string& gameFolder);

}  // namespace vt
