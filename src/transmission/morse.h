// Opening the communication unit.
#pragma once

namespace vt {

class Game;

// Shows the communication unit modally, centred on the game screen.
void ShowMorseForm(Game& game);

}  // namespace vt
