// The save/load window is not built yet: each request is recorded for the dump
// ("requests"), and the window closes at once with nothing saved or loaded.
#include <string>

#include "shell/shell.h"

namespace vt {
namespace {

void Closed(Game& game) { game.world.KeysUsed = false; }

}  // namespace

void Shell::ShowSaveLoad() {
  game.Request("SLform " + std::to_string(game.world.SaveLoadMode));
  game.world.SaveLoadOK = false;  // nothing was saved or loaded
  Closed(game);
}

}  // namespace vt
