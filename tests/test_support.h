// Helpers shared by the suites: media without files or fonts, and a headless game.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/headless/memory_media.h"
#include "platform/media.h"
#include "shell/game.h"

namespace vt::test {

// Media with nothing in it: no pictures, text that draws nothing.
using NullMedia = MemoryMedia;

// A game on the headless backend with a data folder that holds nothing.
struct HeadlessGame {
  NullMedia media;
  HeadlessPlatform platform{media};
  std::unique_ptr<Game> game;
  HeadlessGame() { game = std::make_unique<Game>(platform, "/nonexistent"); }
  // Runs the program until the queued input is used up or the program ends.
  void Run() {
    try {
      game->Run();
    } catch (const ScriptEnded&) {
    }
  }
};

}  // namespace vt::test
