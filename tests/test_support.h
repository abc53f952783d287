// Helpers shared by the suites: media without files or fonts, and a headless game.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/headless/memory_media.h"
#include "platform/media.h"
#include "shell/shell.h"
#include "vocabulary_print.h"

namespace vt::test {

// Media with nothing in it: no pictures, text that draws nothing.
using NullMedia = MemoryMedia;

// A game on the headless backend with a data folder that holds nothing.
struct HeadlessGame {
  NullMedia media;
  HeadlessPlatform platform{media};
  std::unique_ptr<Shell> shell;
  Game* game = nullptr;
  HeadlessGame() {
    shell = std::make_unique<Shell>(platform, "/nonexistent");
    game = &shell->game;
  }
  // Runs the program until the queued input is used up or the program ends.
  void Run() {
    try {
      shell->Run();
    } catch (const ScriptEnded&) {
    }
  }
};

}  // namespace vt::test
