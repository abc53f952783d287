// The city map is not built yet: the request is recorded for the dump.
#include "citymap/city_map.h"

#include "shell/game.h"

namespace vt {

void ShowMapForm(Game& game, std::string_view backTo) {
  game.Request("MapForm " + std::string(backTo));
  game.world.KeysUsed = false;
}

}  // namespace vt
