// What the tile codes mean to the hero, and where he looks.
//
// The classes are fixed sets of codes: a background code may block him, a
// front code may block him, start a conversation, be picked up, or (only when
// he faces the right way) be a switch or a sign. The two probe points are the
// cells just ahead of him; both the game and the district checker use them.
#pragma once

#include <array>

#include "world/vocabulary.h"

namespace vt {

bool IsBlockingBackground(int code);
bool IsBlockingObject(int code);
bool IsConversationObject(int code);
bool IsPickUp(int code);
// Switch codes count only when facing their way: 96 Right, 99 Left, 100 Up, 102 Down.
bool IsSwitchFacing(int code, Facing facing);
// Sign codes likewise: 144 Up, 145 Down, 146 Right, 147 Left.
bool IsSignFacing(int code, Facing facing);

// The thrown or opened form of a switch (96 -> 97, 99 -> 98, 100 -> 101,
// 102 -> 103); -1 for every other code.
int OpenForm(int code);

// A probe point's cell: row cy (0 to 12) and column cx (0 to 20).
struct ProbeCell {
  int cy;
  int cx;
  friend bool operator==(const ProbeCell&, const ProbeCell&) = default;
};

// The two cells ahead of a hero at (heroX, heroY) facing `facing`, point 1
// first; clamped so that they stay on the screen's grid.
std::array<ProbeCell, 2> ProbeCells(int heroX, int heroY, Facing facing);

}  // namespace vt
