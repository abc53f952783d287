// Choosing where the saved games live, and making the user's slots.
#include "savegame/saves_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/files.h"
#include "savegame/save_load.h"

namespace vt {

std::string UserSavesFolder(const char* xdgDataHome, const char* home) {
  // A relative XDG_DATA_HOME is not valid and is ignored, as the desktop's rules say.
  if (xdgDataHome && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/veltrane";
  if (home && home[0] == '/') return std::string(home) + "/.local/share/veltrane";
  return "";
}

SavesPlace ChooseSavesPlace(const std::string& gameFolder, bool gameFolderWritable,
                            const std::string& userFolder) {
  if (gameFolderWritable) return {gameFolder, true, "saved games are kept in " + gameFolder};
  if (userFolder.empty())
    return {gameFolder, true,
            "the game's folder " + gameFolder +
                " cannot be written and there is no home folder: games cannot be saved"};
  return {userFolder, false, "saved games are kept in " + userFolder};
}

namespace {

// Missing slots are made empty; a slot already there is the player's.
bool MakeMissingSlots(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return false;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string path = DataPath(folder, SlotFileName(slot));
    if (std::filesystem::exists(path, error)) continue;
    std::ofstream out(path, std::ios::binary);
    out << kEmptySlot << "\r\n";
    if (!out.flush()) return false;
  }
  return access(folder.c_str(), W_OK) == 0;
}

}  // namespace

SavesPlace PrepareSavesPlace(const std::string& gameFolder) {
  const bool writable = access(gameFolder.c_str(), W_OK) == 0;
  SavesPlace place = ChooseSavesPlace(
      gameFolder, writable, UserSavesFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
  if (!place.inGameFolder && !MakeMissingSlots(place.folder))
    place.message =
        "cannot make the folder for saved games " + place.folder + ": games cannot be saved";
  return place;
}

}  // namespace vt
