// What every window of the running game shares: the platform, the window
// toolkit, the world state, the game screen's off-screen pictures, the data
// files and the windows themselves (through the Windows interface, which the
// shell implements). Nothing of the game is a global, so two games can run
// side by side in one test.
#pragma once

#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/compositing.h"
#include "core/windows.h"
#include "platform/platform.h"
#include "platform/ui/ui.h"
#include "world/world_state.h"

namespace vt {

class Game {
 public:
  // `folder` is the program's folder, which holds every data file; `windows`
  // opens the windows (it must outlive the game).
  Game(Platform& platform, std::string folder, Windows& windows);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The path of a data file in the program's folder.
  std::string Path(std::string_view name) const;
  void PlaySound(std::string_view effect);
  // Draws the hero where the world state has him, in the given pose.
  void DrawHero(HeroPose pose) { vt::DrawHero(surfaces, world, pose); }

  // Loads a picture file of the program's folder into `into`; a missing or
  // unreadable file leaves it as it was and is reported once on standard error.
  bool LoadPicture(Surface& into, std::string_view name);
  // Prints a problem with a data file on standard error, once per run.
  void ReportOnce(const std::string& problem);
  // The mouse pointer made from a picture file (cached); -1 when it cannot be made.
  int PointerFrom(std::string_view name);

  // The conversations, unit and map openings so far, for the dump (scripts follow
  // the story by them); repeats of the same request are counted, not listed again.
  struct Request {
    std::string what;
    int times = 1;
  };
  std::vector<Request> requests;
  void Request(std::string what);
  // Every script section played so far, as "conv 2/0" or "obj 39 -> 5/2".
  std::set<std::string> sectionsPlayed;
  // Every problem reported so far, each once.
  const std::set<std::string, std::less<>>& Reported() const { return reported_; }

  Platform& platform;
  const std::string folder;
  // Where the five saved-game slots live; the program's folder unless told otherwise.
  std::string savesFolder;
  Ui ui;
  // The program's exit status: 1 when a start-up check refused to run the game.
  int exitStatus = 0;

 private:
  std::unique_ptr<WorldState> worldStorage_;  // large: CellChanged alone is ~350 kB

 public:
  WorldState& world;
  GameSurfaces surfaces;  // the game screen's off-screen pictures
  std::mt19937 random;    // seeded at start-up from the clock
  unsigned randomSeed = 0;
  Windows& windows;

 private:
  std::map<std::string, int, std::less<>> pointers_;
  std::set<std::string, std::less<>> reported_;
};

}  // namespace vt
