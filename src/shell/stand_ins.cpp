// The windows that are not built yet: each request is recorded for the dump
// ("requests"), and the window closes at once, as a closing window does.
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

void Shell::ShowOptions() {
  game.Request("OptionsForm");
  Closed(game);
}

bool Shell::AskYesNo(Question question) {
  game.Request(question == Question::NewGame ? "YNform" : "YNform2");
  Closed(game);
  return false;
}

}  // namespace vt
