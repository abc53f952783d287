// A whole game on the headless backend for the targets that need one: the
// game folder the build made, no pictures or fonts (nothing is drawn that a
// target checks), and every window that waits answered with Enter.
#pragma once

#include <memory>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/headless/memory_media.h"
#include "platform/ui/ui.h"
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
    } catch (const ProgramEnded&) {
    }
  }

  // Closes whatever window the last input left open, the way the game closes
  // its windows on leaving; false when that cannot be done (the game ended, or
  // a window still waits for an answer), and the game must be built again.
  bool Settle() {
    if (game().ui.Ended() || !game().ui.ModalStack().empty()) return false;
    try {
      for (Form* form : game().ui.Forms())
        if (form->IsLoaded()) form->Unload();
    } catch (const ProgramEnded&) {
      return false;
    }
    return true;
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

// One game for many inputs. Building a game (its off-screen pictures above all)
// costs far more than playing one input, so a game is kept from input to input:
// whatever window an input left open is closed, and the world and the game's
// records are put back as a new game has them. Every few thousand inputs the
// game is built again, so that the problems it reports once each cannot pile
// up over a long run.
class ReusedGame {
 public:
  explicit ReusedGame(std::string folder = VELTRANE_GAME_DIR) : folder_(std::move(folder)) {}

  // The game for the next input, as a new one would be.
  FuzzGame& Next() {
    if (!fuzz_ || ++uses_ > kUsesPerGame || !fuzz_->Settle()) {
      fuzz_.reset();  // the old game goes before the new one is built
      fuzz_ = std::make_unique<FuzzGame>(folder_);
      uses_ = 0;
    } else {
      static const WorldState kNew{};
      fuzz_->world() = kNew;
      fuzz_->game().requests.clear();
      fuzz_->game().sectionsPlayed.clear();
    }
    return *fuzz_;
  }

 private:
  static constexpr int kUsesPerGame = 5000;
  std::string folder_;
  std::unique_ptr<FuzzGame> fuzz_;
  int uses_ = 0;
};

}  // namespace vt::fuzz
