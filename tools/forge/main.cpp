// forge GAME_DIR CONTENT_DIR          writes every data file of the game folder
// forge --contact-sheet FILE.png GAME_DIR   one review picture of the forged pictures
// forge --districts GAME_DIR CONTENT_DIR     compiles the district sources only
// forge --district-source FILE N GAME_DIR    compiles one source (a draft) as district N
// forge --check GAME_DIR [CONTENT_DIR]       checks the district files and the script of a game
//                                            folder (the script from its sources when given)
// forge --district-map N FILE.png GAME_DIR   one picture of district N, all screens
// forge --icons DIR                          the desktop's icons, DIR/veltrane-N.png
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "districts/districts.h"
#include "forge.h"
#include "script/script.h"

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--contact-sheet") == 0) {
    if (!forge::WriteContactSheet(argv[3], argv[2])) {
      std::cerr << "forge: cannot write the contact sheet " << argv[2] << "\n";
      return 1;
    }
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--districts") == 0) {
    std::filesystem::create_directories(argv[2]);
    forge::Output out(argv[2], argv[3]);
    forge::ForgeDistricts(out);
    for (const auto& e : out.Errors()) std::cerr << "forge: " << e << "\n";
    return out.Errors().empty() ? 0 : 1;
  }
  if (argc == 5 && std::strcmp(argv[1], "--district-source") == 0) {
    const int district = std::atoi(argv[3]);
    if (district < 1 || district > forge::kDistrictCount) {
      std::cerr << "forge: no district " << argv[3] << "\n";
      return 2;
    }
    std::filesystem::create_directories(argv[4]);
    forge::Output out(argv[4], "");
    forge::ForgeOneDistrict(argv[2], district, out);
    for (const auto& e : out.Errors()) std::cerr << "forge: " << e << "\n";
    return out.Errors().empty() ? 0 : 1;
  }
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--check") == 0) {
    const int districts = forge::RunDistrictCheck(argv[2], std::cout);
    const int script = forge::RunScriptCheck(argv[2], argc == 4 ? argv[3] : "", std::cout);
    return districts == 0 && script == 0 ? 0 : 1;
  }
  if (argc == 5 && std::strcmp(argv[1], "--district-map") == 0) {
    const int district = std::atoi(argv[2]);
    std::string error;
    if (district < 1 || district > forge::kDistrictCount ||
        !forge::WriteDistrictMap(district, argv[3], argv[4], &error)) {
      std::cerr << "forge: " << (error.empty() ? "no district " + std::string(argv[2]) : error)
                << "\n";
      return 1;
    }
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) {
    if (!forge::WriteDesktopIcons(argv[2])) {
      std::cerr << "forge: cannot write the icons in " << argv[2] << "\n";
      return 1;
    }
    return 0;
  }
  if (argc != 3) {
    std::cerr << "usage: forge GAME_DIR CONTENT_DIR\n"
                 "       forge --contact-sheet FILE.png GAME_DIR\n"
                 "       forge --districts GAME_DIR CONTENT_DIR\n"
                 "       forge --district-source FILE N GAME_DIR\n"
                 "       forge --check GAME_DIR [CONTENT_DIR]\n"
                 "       forge --district-map N FILE.png GAME_DIR\n"
                 "       forge --icons DIR\n";
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  forge::Output out(argv[1], argv[2]);
  forge::ForgeBackgroundStrip(out);
  forge::ForgeObjectStrip(out);
  forge::ForgeHeroSheets(out);
  forge::ForgeWindows(out);
  forge::ForgeSmallPictures(out);
  forge::ForgeIcon(out);
  forge::ForgePortraits(out);
  forge::ForgeScenes(out);
  forge::ForgeEffects(out);
  forge::ForgeMusic(out);
  forge::ForgeSlots(out);
  forge::ForgeDistricts(out);
  forge::ForgeScript(out);  // after the portraits and districts it checks against
  for (const auto& e : out.Errors()) std::cerr << "forge: " << e << "\n";
  return out.Errors().empty() ? 0 : 1;
}
