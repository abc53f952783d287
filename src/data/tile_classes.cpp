// The tile code classes and the probe points.
#include "data/tile_classes.h"

#include <algorithm>
#include <initializer_list>

namespace vt {
namespace {

struct Span {
  int from;
  int to;
};

constexpr bool InSpans(int code, std::initializer_list<Span> spans) {
  for (const Span& s : spans)
    if (code >= s.from && code <= s.to) return true;
  return false;
}

// Rounds towards minus infinity, as the probe arithmetic needs.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

bool IsBlockingBackground(int c) {
  return InSpans(c, {{2, 3},
                     {9, 19},
                     {29, 29},
                     {32, 34},
                     {37, 40},
                     {47, 62},
                     {68, 89},
                     {98, 105},
                     {108, 108},
                     {111, 124},
                     {127, 174},
                     {179, 182}});
}

bool IsBlockingObject(int c) {
  return InSpans(c, {{0, 30},    {35, 37},   {45, 46},   {49, 50},   {54, 54},   {62, 71},
                     {77, 83},   {85, 95},   {104, 117}, {119, 119}, {131, 132}, {134, 134},
                     {140, 143}, {148, 151}, {156, 156}, {161, 161}, {163, 163}, {165, 171},
                     {173, 174}, {177, 177}, {179, 183}, {188, 192}});
}

bool IsConversationObject(int c) {
  return InSpans(c, {{0, 31},
                     {34, 37},
                     {45, 60},
                     {62, 72},
                     {74, 83},
                     {85, 95},
                     {104, 117},
                     {119, 119},
                     {124, 126},
                     {131, 132},
                     {134, 136},
                     {140, 143},
                     {148, 149},
                     {151, 153},
                     {156, 161},
                     {163, 171},
                     {173, 185},
                     {188, 192}});
}

bool IsPickUp(int c) {
  return InSpans(c, {{32, 33}, {39, 39}, {42, 43}, {73, 73}, {120, 120}, {123, 123}, {150, 150}});
}

bool IsSwitchFacing(int c, Facing f) {
  return (c == 96 && f == Facing::Right) || (c == 99 && f == Facing::Left) ||
         (c == 100 && f == Facing::Up) || (c == 102 && f == Facing::Down);
}

bool IsSignFacing(int c, Facing f) {
  return (c == 144 && f == Facing::Up) || (c == 145 && f == Facing::Down) ||
         (c == 146 && f == Facing::Right) || (c == 147 && f == Facing::Left);
}

int OpenForm(int code) {
  switch (code) {
    case 96:
      return 97;
    case 99:
      return 98;
    case 100:
      return 101;
    case 102:
      return 103;
    default:
      return -1;
  }
}

std::array<ProbeCell, 2> ProbeCells(int heroX, int heroY, Facing facing) {
  int dx[2] = {0, 0};
  int dy[2] = {0, 0};
  if (facing == Facing::Right) {
    dx[0] = dx[1] = 69;
    dy[0] = 48;
    dy[1] = 73;
  } else if (facing == Facing::Left) {
    dx[0] = dx[1] = 39;
    dy[0] = 48;
    dy[1] = 73;
  } else if (facing == Facing::Up) {
    dx[0] = 48;
    dx[1] = 73;
    dy[0] = dy[1] = 39;
  } else if (facing == Facing::Down) {
    dx[0] = 48;
    dx[1] = 73;
    dy[0] = dy[1] = 69;
  }
  std::array<ProbeCell, 2> cells{};
  for (int i = 0; i < 2; ++i) {
    // Past the last column or row the probe falls back inside the screen.
    if (facing == Facing::Right && FloorDiv(heroX + 69, 30) > 20) dx[i] = 15;
    if (facing == Facing::Down && FloorDiv(heroY + 69, 30) > 12) dy[i] = 40;
    // Walking keeps the hero where these stay inside the grid; a position it
    // never allows still must not reach outside the tile arrays.
    cells[i].cx = std::clamp(FloorDiv(heroX + dx[i], 30), 0, 20);
    cells[i].cy = std::clamp(FloorDiv(heroY + dy[i], 30), 0, 12);
  }
  return cells;
}

}  // namespace vt
