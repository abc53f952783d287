// The running program: the platform, the window toolkit, the world state, the
// game screen's off-screen pictures and every window. Nothing of the game is a
// global, so two games can run side by side in one test.
//
// Start, run, stop: the start-up window checks the machine and lets the player
// choose window or full screen; the cinematic window takes over; every way out
// ends in ExitGame, which puts the display back and ends the program.
#pragma once

#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cinematics/info_form.h"
#include "interaction/sign_form.h"
#include "platform/platform.h"
#include "platform/ui/ui.h"
#include "screen/compositing.h"
#include "screen/game_form.h"
#include "shell/mode_form.h"
#include "world/world_state.h"

namespace vt {

class Game {
 public:
  // `folder` is the program's folder, which holds every data file.
  Game(Platform& platform, std::string folder);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Shows the start-up window and runs until the program ends. Returns the exit status.
  int Run();

  // The path of a data file in the program's folder.
  std::string Path(std::string_view name) const;
  void PlaySound(std::string_view effect);

  // Loads a picture file of the program's folder into `into`; a missing or
  // unreadable file leaves it as it was and is reported once on standard error.
  bool LoadPicture(Surface& into, std::string_view name);
  // Prints a problem with a data file on standard error, once per run.
  void ReportOnce(const std::string& problem);
  // The mouse pointer made from a picture file (cached); -1 when it cannot be made.
  int PointerFrom(std::string_view name);

  // Requests to windows that are not built yet, for the dump; repeats of the
  // same request are counted rather than listed again.
  struct Request {
    std::string what;
    int times = 1;
  };
  std::vector<Request> requests;
  void Request(std::string what);

  Platform& platform;
  const std::string folder;
  Ui ui;

 private:
  std::unique_ptr<WorldState> worldStorage_;  // large: CellChanged alone is ~350 kB

 public:
  WorldState& world;
  GameSurfaces surfaces;  // the game screen's off-screen pictures
  std::mt19937 random;    // seeded at start-up from the clock
  unsigned randomSeed = 0;

  // Windows.
  Mode mode;
  InfoForm infoForm;
  GameForm gameForm;
  SignForm signForm;

 private:
  std::map<std::string, int, std::less<>> pointers_;
  std::set<std::string, std::less<>> reported_;
};

}  // namespace vt
