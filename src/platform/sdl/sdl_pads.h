// Gamepads through SDL's game controller support: every pad plugged in is
// opened (also one plugged in during play), and its buttons and sticks become
// the keys they stand for (platform/pad_keys.h). A pad pulled out lets go of
// every key it held.
#pragma once

#include <SDL.h>

#include <deque>
#include <map>

#include "platform/pad_keys.h"

namespace vt {

class SdlPads {
 public:
  SdlPads();
  ~SdlPads();
  SdlPads(const SdlPads&) = delete;
  SdlPads& operator=(const SdlPads&) = delete;

  // True when `e` was a pad's event; its keys, if any, are added to `out`.
  bool Translate(const SDL_Event& e, std::deque<InputEvent>& out);
  int OpenCount() const { return static_cast<int>(open_.size()); }

 private:
  bool ready_ = false;
  std::map<SDL_JoystickID, SDL_GameController*> open_;
  PadKeys keys_;
  int stickX_ = 0;
  int stickY_ = 0;
};

// The pad button an SDL controller button stands for; PadButton::Count for none.
PadButton PadButtonOf(int sdlButton);

}  // namespace vt
