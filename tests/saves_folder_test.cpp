// Where the saved games live: the game's folder when it can be written, else
// the player's data folder, found from the environment as the desktop does.
#include "savegame/saves_folder.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(SavesFolder, TheUsersFolderComesFromXdgDataHomeElseHome) {
  EXPECT_EQ(UserSavesFolder("/data/me", "/home/me"), "/data/me/veltrane");
  EXPECT_EQ(UserSavesFolder(nullptr, "/home/me"), "/home/me/.local/share/veltrane");
  // Empty or relative XDG_DATA_HOME does not count.
  EXPECT_EQ(UserSavesFolder("", "/home/me"), "/home/me/.local/share/veltrane");
  EXPECT_EQ(UserSavesFolder("data", "/home/me"), "/home/me/.local/share/veltrane");
  EXPECT_EQ(UserSavesFolder(nullptr, nullptr), "");
  EXPECT_EQ(UserSavesFolder("rel", "also/rel"), "");
}

TEST(SavesFolder, AWritableGameFolderKeepsItsSlotsAndAReadOnlyOneSendsThemHome) {
  const SavesPlace writable = ChooseSavesPlace("/games/veltrane", true, "/home/me/v");
  EXPECT_EQ(writable.folder, "/games/veltrane");
  EXPECT_TRUE(writable.inGameFolder);
  EXPECT_NE(writable.message.find("/games/veltrane"), std::string::npos);

  const SavesPlace readOnly = ChooseSavesPlace("/usr/share/veltrane", false, "/home/me/v");
  EXPECT_EQ(readOnly.folder, "/home/me/v");
  EXPECT_FALSE(readOnly.inGameFolder);
  EXPECT_NE(readOnly.message.find("/home/me/v"), std::string::npos);

  // Nowhere to write at all: the game still runs from its folder and says so.
  const SavesPlace nowhere = ChooseSavesPlace("/usr/share/veltrane", false, "");
  EXPECT_EQ(nowhere.folder, "/usr/share/veltrane");
  EXPECT_NE(nowhere.message.find("cannot be saved"), std::string::npos);
}

}  // namespace
}  // namespace vt
