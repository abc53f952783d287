// The game menu is not built yet: requests are recorded for the dump.
#include "shell/menu.h"

#include "shell/game.h"

namespace vt {

void ShowGameMenu(Game& game) {
  game.Request("Menu");
  game.world.KeysUsed = false;
}

void HideGameMenu(Game& game) { game.Request("Menu hide"); }

}  // namespace vt
