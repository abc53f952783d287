// Pure translations the SDL backend applies to input: SDL key numbers to
// Windows key codes, modifier bits, and window pixels to canvas pixels.
// No SDL types here, so tests and other code can use them freely.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/surface.h"

namespace vt {

// The Windows key code of an SDL keycode (SDL_Keycode value); 0 when the game
// has no use for the key.
int WindowsKeyCode(int sdlKeycode);

// kShiftMask | kCtrlMask | kAltMask from an SDL modifier state (SDL_Keymod).
int ShiftBits(int sdlMod);

// Where a view of viewW × viewH is shown inside an area of outW × outH:
// scaled as large as fits with its aspect kept, centred (black bars around).
Rect LetterboxRect(int outW, int outH, int viewW, int viewH);

struct CanvasPoint {
  int x = 0;
  int y = 0;
};

// The canvas pixel under window pixel (wx, wy), when `view` of the canvas is
// shown in `box` of the window. Points in the black bars map outside `view`.
CanvasPoint WindowToCanvas(int wx, int wy, Rect box, Rect view);

// The music device's three commands.

}  // namespace vt
