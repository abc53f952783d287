// The state dump: the world, the windows, the sounds, the messages and the clock.
#pragma once

#include "util/json.h"

namespace vt {

class Game;
class HeadlessPlatform;

// {"world", "top", "windows", "effects", "music", "messages", "ended", "clock_ms"}
Json DumpState(const Game& game, HeadlessPlatform& platform);

// "#RRGGBB"
std::string ColorText(unsigned color);

}  // namespace vt
