// A whole game on the headless backend for the targets that need one: the
// game folder the build made, no pictures or fonts (nothing is drawn that a
// target checks), and every window that waits answered with Enter.
#pragma once

#include <memory>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/headless/memory_media.h"
#include "shell/shell.h"

namespace vt::fuzz {

class FuzzGame {
 public:
  explicit FuzzGame(const std::string& folder = VELTRANE_GAME_DIR)
      : shell_(std::make_unique<Shell>(platform_, folder)) {
    platform_.feeder = [this] { return AnswerWindow(); };
  }
  Shell& shell() { return *shell_; }
  Game& game() { return shell_->game; }
  WorldState& world() { return shell_->game.world; }
  HeadlessPlatform& platform() { return platform_; }

  // Runs `play` until it returns or the input it may take (at most `answers` Enters) is
  // used up; the platform's records are emptied first, so they never grow.
  template <class Play>
  void Run(Play&& play, int answers = 400) {
    platform_.effects.clear();
    platform_.musicCommands.clear();
    platform_.messages.clear();
    answersLeft_ = answers;
    try {
      play();
    } catch (const ScriptEnded&) {
    }
  }

 private:
  bool AnswerWindow() {
    if (game().ui.ModalStack().empty() || answersLeft_-- <= 0) return false;
    platform_.PushWait(1000);
    InputEvent enter;
    enter.kind = InputEvent::Kind::KeyDown;
    enter.keyCode = key::kEnter;
    platform_.Push(enter);
    return true;
  }

  MemoryMedia media_;
  HeadlessPlatform platform_{media_};
  std::unique_ptr<Shell> shell_;
  int answersLeft_ = 0;
};

}  // namespace vt::fuzz
