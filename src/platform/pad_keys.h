// A gamepad played as the keyboard: each button, the pad's cross and the left
// stick stand for the keys the game already answers to, so every window takes
// the pad as it takes the keys.
//
//   cross or left stick   arrow keys (walk; choose in menus and dialogs)
//   A (south)             Space   (act bare-handed; carry out; MORE)
//   X (west)              Ctrl    (use the selected object)
//   Y (north)             Enter   (yes; carry out)
//   B (east), Start       Esc     (the game menu; no; back)
//   left / right shoulder End / Page Down (previous / next object)
//   left / right trigger  G / S   (the communication unit: receive / send)
//
// A key held by two controls at once (the cross and the stick) is let go only
// when both let go of it.
#pragma once

#include <array>
#include <deque>

#include "platform/platform.h"

namespace vt {

enum class PadButton {
  South,
  East,
  West,
  North,
  Back,
  Start,
  LeftShoulder,
  RightShoulder,
  Up,
  Down,
  Left,
  Right,
  LeftTrigger,
  RightTrigger,
  Count
};

// The Windows key code a button stands for; 0 for a button the game has no use for.
int PadKey(PadButton button);

class PadKeys {
 public:
  // How far (of 32767) a stick or trigger must go to count.
  static constexpr int kStickDeadZone = 12000;
  static constexpr int kTriggerPressed = 24000;  // three quarters of the way

  // A button pressed or let go.
  void Button(PadButton button, bool down, std::deque<InputEvent>& out);
  // The left stick's position, each axis -32768 to 32767 (y grows downwards).
  void Stick(int x, int y, std::deque<InputEvent>& out);
  // A trigger's travel, 0 to 32767.
  void Trigger(PadButton trigger, int value, std::deque<InputEvent>& out);
  // The pad went away: every key it held is let go.
  void ReleaseAll(std::deque<InputEvent>& out);

 private:
  void Hold(int slot, bool down, int keyCode, std::deque<InputEvent>& out);
  static constexpr int kStickSlots = 4;  // left, up, right, down after the buttons
  static constexpr int kSlots = static_cast<int>(PadButton::Count) + kStickSlots;
  std::array<int, kSlots> keyOf_{};  // the key each control holds down now, or 0
};

}  // namespace vt
