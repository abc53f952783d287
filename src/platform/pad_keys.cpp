// The gamepad's controls as key events.
#include "platform/pad_keys.h"

#include <algorithm>

namespace vt {
namespace {

InputEvent Key(InputEvent::Kind kind, int code) {
  InputEvent e;
  e.kind = kind;
  e.keyCode = code;
  return e;
}

// The character a key types, as the keyboard would send it; 0 for none.
char Typed(int code) {
  if (code == key::kSpace || code == key::kEnter || code == key::kEscape)
    return static_cast<char>(code);
  if (code >= 'A' && code <= 'Z') return static_cast<char>(code - 'A' + 'a');
  return 0;
}

}  // namespace

int PadKey(PadButton button) {
  switch (button) {
    case PadButton::South:
      return key::kSpace;
    case PadButton::West:
      return key::kControl;
    case PadButton::North:
      return key::kEnter;
    case PadButton::East:
    case PadButton::Start:
      return key::kEscape;
    case PadButton::LeftShoulder:
      return key::kEnd;
    case PadButton::RightShoulder:
      return key::kPageDown;
    case PadButton::Up:
      return key::kUp;
    case PadButton::Down:
      return key::kDown;
    case PadButton::Left:
      return key::kLeft;
    case PadButton::Right:
      return key::kRight;
    case PadButton::LeftTrigger:
      return 'G';
    case PadButton::RightTrigger:
      return 'S';
    case PadButton::Back:
    case PadButton::Count:
      break;
  }
  return 0;
}

void PadKeys::Hold(int slot, bool down, int keyCode, std::deque<InputEvent>& out) {
  int& held = keyOf_[static_cast<std::size_t>(slot)];
  if ((held != 0) == down || (down && keyCode == 0)) return;
  const auto holders = [&](int code) { return std::count(keyOf_.begin(), keyOf_.end(), code); };
  if (down) {
    // Another control holding the same key keeps it down: no second press.
    const bool already = holders(keyCode) > 0;
    held = keyCode;
    if (already) return;
    out.push_back(Key(InputEvent::Kind::KeyDown, keyCode));
    if (const char ch = Typed(keyCode)) {
      InputEvent press;
      press.kind = InputEvent::Kind::KeyPress;
      press.ch = ch;
      out.push_back(press);
    }
  } else {
    const int code = held;
    held = 0;
    if (holders(code) == 0) out.push_back(Key(InputEvent::Kind::KeyUp, code));
  }
}

void PadKeys::Button(PadButton button, bool down, std::deque<InputEvent>& out) {
  if (button == PadButton::Count) return;
  Hold(static_cast<int>(button), down, PadKey(button), out);
}

void PadKeys::Stick(int x, int y, std::deque<InputEvent>& out) {
  const int first = static_cast<int>(PadButton::Count);
  Hold(first + 0, x <= -kStickDeadZone, key::kLeft, out);
  Hold(first + 1, y <= -kStickDeadZone, key::kUp, out);
  Hold(first + 2, x >= kStickDeadZone, key::kRight, out);
  Hold(first + 3, y >= kStickDeadZone, key::kDown, out);
}

void PadKeys::Trigger(PadButton trigger, int value, std::deque<InputEvent>& out) {
  if (trigger != PadButton::LeftTrigger && trigger != PadButton::RightTrigger) return;
  Button(trigger, value >= kTriggerPressed, out);
}

void PadKeys::ReleaseAll(std::deque<InputEvent>& out) {
  for (int slot = 0; slot < kSlots; ++slot) Hold(slot, false, 0, out);
}

}  // namespace vt
