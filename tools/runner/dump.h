// The state dump: the world, the windows, the sounds, the messages and the clock.
#pragma once

#include "util/json.h"

namespace vt {

class Game;
class HeadlessPlatform;

// {"world", "top", "windows", "effects", "music", "messages", "requests", "ended",
// "clock_ms"}; without "world" when `withWorld` is false (the world is most of it).
Json DumpState(const Game& game, HeadlessPlatform& platform, bool withWorld = true);

// "#RRGGBB"
std::string ColorText(unsigned color);

}  // namespace vt
