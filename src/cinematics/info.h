// Opening the cinematic window for a sequence (`InfoMode`).
#pragma once

namespace vt {

class Game;

// Shows the cinematic window for `InfoMode`: modally (help, introduction,
// credits) or without waiting (the ending).
void ShowInfoForm(Game& game, bool modal);

}  // namespace vt
