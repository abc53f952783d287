// SDL key numbers to Windows key codes, modifiers, mouse mapping, music commands.
#include "platform/sdl/sdl_input.h"

#include <SDL.h>

#include <cmath>

#include "platform/platform.h"

namespace vt {
namespace {

struct KeyPair {
  SDL_Keycode sdl;
  int windows;
};

// Keys outside the letter, digit and function-key runs.
constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, 8},      {SDLK_TAB, 9},           {SDLK_RETURN, 13},
    {SDLK_KP_ENTER, 13},      {SDLK_LSHIFT, 16},       {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},         {SDLK_RCTRL, 17},        {SDLK_LALT, 18},
    {SDLK_RALT, 18},          {SDLK_PAUSE, 19},        {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},        {SDLK_SPACE, 32},        {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},      {SDLK_END, 35},          {SDLK_HOME, 36},
    {SDLK_LEFT, 37},          {SDLK_UP, 38},           {SDLK_RIGHT, 39},
    {SDLK_DOWN, 40},          {SDLK_PRINTSCREEN, 44},  {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},        {SDLK_LGUI, 91},         {SDLK_RGUI, 92},
    {SDLK_APPLICATION, 93},   {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},     {SDLK_KP_PERIOD, 110},   {SDLK_KP_DIVIDE, 111},
    {SDLK_NUMLOCKCLEAR, 144}, {SDLK_SCROLLLOCK, 145},  {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},       {SDLK_COMMA, 188},       {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190},       {SDLK_SLASH, 191},       {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},  {SDLK_BACKSLASH, 220},   {SDLK_RIGHTBRACKET, 221},
    {SDLK_QUOTE, 222},
};

// Keypad digits in Windows order 0-9 (SDL numbers them 1-9 then 0).
constexpr SDL_Keycode kKeypadDigits[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                         SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};

// Floor division, so points left of or above the picture stay outside it.
int FloorDiv(long long a, long long b) {
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return static_cast<int>(q);
}

}  // namespace

int WindowsKeyCode(int sdlKeycode) {
  if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z) return 'A' + (sdlKeycode - SDLK_a);
  if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9) return sdlKeycode;
  if (sdlKeycode >= SDLK_F1 && sdlKeycode <= SDLK_F12) return 112 + (sdlKeycode - SDLK_F1);
  if (sdlKeycode >= SDLK_F13 && sdlKeycode <= SDLK_F24) return 124 + (sdlKeycode - SDLK_F13);
  for (int d = 0; d < 10; ++d)
    if (kKeypadDigits[d] == sdlKeycode) return 96 + d;
  for (const KeyPair& k : kKeys)
    if (k.sdl == sdlKeycode) return k.windows;
  return 0;
}

int ShiftBits(int sdlMod) {
  int bits = 0;
  if (sdlMod & KMOD_SHIFT) bits |= kShiftMask;
  if (sdlMod & KMOD_CTRL) bits |= kCtrlMask;
  if (sdlMod & KMOD_ALT) bits |= kAltMask;
  return bits;
}

Rect LetterboxRect(int outW, int outH, int viewW, int viewH) {
  if (outW <= 0 || outH <= 0 || viewW <= 0 || viewH <= 0) return {0, 0, 0, 0};
  int w = outW;
  int h = outH;
  // Compare outW/viewW with outH/viewH without rounding.
  if (static_cast<long long>(outW) * viewH <= static_cast<long long>(outH) * viewW)
    h = static_cast<int>(static_cast<long long>(viewH) * outW / viewW);
  else
    w = static_cast<int>(static_cast<long long>(viewW) * outH / viewH);
  return {(outW - w) / 2, (outH - h) / 2, w, h};
}

CanvasPoint WindowToCanvas(int wx, int wy, Rect box, Rect view) {
  if (box.w <= 0 || box.h <= 0) return {view.x, view.y};
  return {view.x + FloorDiv(static_cast<long long>(wx - box.x) * view.w, box.w),
          view.y + FloorDiv(static_cast<long long>(wy - box.y) * view.h, box.h)};
}

}  // namespace vt
