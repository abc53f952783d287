// The windows that are not built yet: each request is recorded for the dump
// ("requests"), and the window closes at once, as a closing window does.
#include <string>

#include "shell/shell.h"

namespace vt {
namespace {

void Closed(Game& game) { game.world.KeysUsed = false; }

}  // namespace

void Shell::ShowGameMenu() {
  game.Request("Menu");
  Closed(game);
}

void Shell::HideGameMenu() { game.Request("Menu hide"); }

void Shell::ShowSaveLoad() {
  game.Request("SLform " + std::to_string(game.world.SaveLoadMode));
  Closed(game);
}

void Shell::ShowOptions() {
  game.Request("OptionsForm");
  Closed(game);
}

void Shell::ShowCinematic(bool modal) {
  game.Request("InfoForm " + std::to_string(game.world.InfoMode) + (modal ? " modal" : ""));
  if (modal) Closed(game);
}

bool Shell::AskYesNo(std::string_view question) {
  game.Request("YNform " + std::string(question));
  Closed(game);
  return false;
}

}  // namespace vt
