// The interaction script, the inventory and the sign viewer are not built
// yet: requests are recorded for the dump. Nothing blocks the hero.
#include "interaction/interaction.h"

#include "shell/game.h"

namespace vt {

void CheckAhead(Game& game, std::string_view facing, bool acting) {
  game.world.StepBlocked = false;
  game.Request("CheckAhead " + std::string(facing) + (acting ? " acting" : ""));
}

void InventoryAction(Game& game, std::string_view action, int argument) {
  game.Request("InventoryAction " + std::string(action) + " " + std::to_string(argument));
}

void ShowObjectName(Game& game) { game.Request("ShowObjectName"); }

void ShowSign(Game& game, std::string_view picture, std::string_view line1,
              std::string_view line2) {
  game.Request("SignForm " + std::string(picture) + " " + std::string(line1) + " / " +
               std::string(line2));
  game.world.KeysUsed = false;
}

}  // namespace vt
