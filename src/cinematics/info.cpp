// The sequences of the cinematic window are not built yet: the request is
// recorded for the dump.
#include "cinematics/info.h"

#include "shell/game.h"

namespace vt {

void ShowInfoForm(Game& game, bool modal) {
  game.Request("InfoForm " + std::to_string(game.world.InfoMode) + (modal ? " modal" : ""));
  if (modal) game.world.KeysUsed = false;
}

}  // namespace vt
