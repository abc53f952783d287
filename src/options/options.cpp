// The options window is not built yet: the request is recorded for the dump.
#include "options/options.h"

#include "shell/game.h"

namespace vt {

void ShowOptionsForm(Game& game) {
  game.Request("OptionsForm");
  game.world.KeysUsed = false;
}

}  // namespace vt
