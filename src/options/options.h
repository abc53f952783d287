// Opening the options window.
#pragma once

namespace vt {

class Game;

// Shows the options window modally (from the title screen or the game menu,
// as `OptionsFromTitle` says).
void ShowOptionsForm(Game& game);

}  // namespace vt
