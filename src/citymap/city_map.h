// Opening the city map.
#pragma once

#include <string_view>

namespace vt {

class Game;

// Shows the city map modally; `backTo` is the caption of its first district
// label ("Back to " and the current district's name).
void ShowMapForm(Game& game, std::string_view backTo);

}  // namespace vt
