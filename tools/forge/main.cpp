// forge GAME_DIR CONTENT_DIR          writes every data file of the game folder
// forge --contact-sheet FILE.png GAME_DIR   one review picture of the forged pictures
#include <cstring>
#include <filesystem>
#include <iostream>

#include "forge.h"

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--contact-sheet") == 0) {
    if (!forge::WriteContactSheet(argv[3], argv[2])) {
      std::cerr << "forge: cannot write the contact sheet " << argv[2] << "\n";
      return 1;
    }
    return 0;
  }
  if (argc != 3) {
    std::cerr << "usage: forge GAME_DIR CONTENT_DIR\n"
                 "       forge --contact-sheet FILE.png GAME_DIR\n";
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  forge::Output out(argv[1], argv[2]);
  forge::ForgeBackgroundStrip(out);
  forge::ForgeObjectStrip(out);
  forge::ForgeHeroSheets(out);
  forge::ForgeWindows(out);
  forge::ForgeSmallPictures(out);
  forge::ForgePortraits(out);
  forge::ForgeScenes(out);
  forge::ForgeEffects(out);
  forge::ForgeMusic(out);
  forge::ForgeSlots(out);
  for (const auto& e : out.Errors()) std::cerr << "forge: " << e << "\n";
  return out.Errors().empty() ? 0 : 1;
}
