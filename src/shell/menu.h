// Opening and hiding the game menu.
#pragma once

namespace vt {

class Game;

// Shows the game menu modally over the game screen.
void ShowGameMenu(Game& game);
// Hides the game menu (a new game started from it).
void HideGameMenu(Game& game);

}  // namespace vt
