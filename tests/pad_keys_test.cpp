// The gamepad as the keyboard: each control gives the same key events a key
// would, a key held by two controls is let go once both let go, and a pad
// pulled out lets go of everything.
#include "platform/pad_keys.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/sdl_pads.h"

namespace vt {
namespace {

// "d32 p32 u32": key down, typed character, key up.
std::string Events(const std::deque<InputEvent>& events) {
  std::string s;
  for (const InputEvent& e : events) {
    if (!s.empty()) s += ' ';
    switch (e.kind) {
      case InputEvent::Kind::KeyDown:
        s += "d" + std::to_string(e.keyCode);
        break;
      case InputEvent::Kind::KeyUp:
        s += "u" + std::to_string(e.keyCode);
        break;
      case InputEvent::Kind::KeyPress:
        s += "p" + std::to_string(static_cast<unsigned char>(e.ch));
        break;
      default:
        s += "?";
    }
  }
  return s;
}

std::string Press(PadButton button) {
  PadKeys pad;
  std::deque<InputEvent> out;
  pad.Button(button, true, out);
  pad.Button(button, true, out);  // a second report of the same press changes nothing
  pad.Button(button, false, out);
  return Events(out);
}

TEST(PadKeys, EachButtonIsTheKeyItStandsFor) {
  EXPECT_EQ(Press(PadButton::South), "d32 p32 u32");  // Space, typed as the keyboard types it
  EXPECT_EQ(Press(PadButton::West), "d17 u17");       // Ctrl
  EXPECT_EQ(Press(PadButton::North), "d13 p13 u13");  // Enter
  EXPECT_EQ(Press(PadButton::East), "d27 p27 u27");   // Esc
  EXPECT_EQ(Press(PadButton::Start), "d27 p27 u27");
  EXPECT_EQ(Press(PadButton::LeftShoulder), "d35 u35");   // End
  EXPECT_EQ(Press(PadButton::RightShoulder), "d34 u34");  // Page Down
  EXPECT_EQ(Press(PadButton::Up), "d38 u38");
  EXPECT_EQ(Press(PadButton::Left), "d37 u37");
  EXPECT_EQ(Press(PadButton::LeftTrigger), "d71 p103 u71");   // G
  EXPECT_EQ(Press(PadButton::RightTrigger), "d83 p115 u83");  // S
  EXPECT_EQ(Press(PadButton::Back), "");
  EXPECT_EQ(Press(PadButton::Count), "");
}

TEST(PadKeys, SticksAndTriggersCountOnlyPastTheirDeadZones) {
  PadKeys pad;
  std::deque<InputEvent> out;
  pad.Stick(PadKeys::kStickDeadZone - 1, -(PadKeys::kStickDeadZone - 1), out);
  pad.Trigger(PadButton::RightTrigger, PadKeys::kTriggerPressed - 1, out);
  EXPECT_EQ(Events(out), "");
  pad.Stick(32767, -32768, out);  // up and to the right at once
  EXPECT_EQ(Events(out), "d38 d39");
  out.clear();
  pad.Stick(32767, 0, out);
  pad.Stick(0, 0, out);
  EXPECT_EQ(Events(out), "u38 u39");
  out.clear();
  pad.Trigger(PadButton::RightTrigger, 32767, out);
  pad.Trigger(PadButton::RightTrigger, 0, out);
  pad.Trigger(PadButton::South, 32767, out);  // not a trigger
  EXPECT_EQ(Events(out), "d83 p115 u83");
}

TEST(PadKeys, AKeyHeldTwiceIsLetGoOnceAndAPadPulledOutLetsGoOfAll) {
  PadKeys pad;
  std::deque<InputEvent> out;
  pad.Button(PadButton::Left, true, out);
  pad.Stick(-32768, 0, out);
  EXPECT_EQ(Events(out), "d37");
  out.clear();
  pad.Button(PadButton::Left, false, out);
  EXPECT_EQ(Events(out), "");  // the stick still holds it
  pad.Stick(0, 0, out);
  EXPECT_EQ(Events(out), "u37");
  out.clear();

  pad.Button(PadButton::West, true, out);
  pad.Stick(0, 32767, out);
  pad.Button(PadButton::Down, true, out);
  out.clear();
  pad.ReleaseAll(out);
  EXPECT_EQ(Events(out), "u17 u40");
  out.clear();
  pad.ReleaseAll(out);
  pad.Button(PadButton::West, false, out);  // its release after the pad went: nothing more
  EXPECT_EQ(Events(out), "");
}

TEST(PadKeys, SdlControllerButtonsMapOntoThePad) {
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_A), PadButton::South);
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_B), PadButton::East);
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_X), PadButton::West);
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_Y), PadButton::North);
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_START), PadButton::Start);
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_LEFTSHOULDER), PadButton::LeftShoulder);
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), PadButton::Right);
  EXPECT_EQ(PadButtonOf(SDL_CONTROLLER_BUTTON_GUIDE), PadButton::Count);
}

}  // namespace
}  // namespace vt
