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

// Plays every conversation through to its end whenever the queued input runs out while
// the conversation window waits: time passes, then Enter advances (or, while a line is
// typed, only starts the tick afresh). Other windows still end the script as before.
inline void AnswerConversations(HeadlessPlatform& platform, Shell& shell) {
  platform.feeder = [&platform, &shell, fed = 0]() mutable {
    const auto& modal = shell.game.ui.ModalStack();
    if (modal.empty() || modal.back() != &shell.talkForm) return false;
    if (++fed > 5000) return false;  // a pass phrase waits for typing: give up
    platform.PushWait(1000);
    InputEvent enter;  // pressed only: a release would reach the game screen after the close
    enter.kind = InputEvent::Kind::KeyDown;
    enter.keyCode = key::kEnter;
    platform.Push(enter);
    return true;
  };
}

// A game on the headless backend with a data folder that holds nothing.
struct HeadlessGame {
  NullMedia media;
  HeadlessPlatform platform{media};
  std::unique_ptr<Shell> shell;
  Game* game = nullptr;
  HeadlessGame() {
    shell = std::make_unique<Shell>(platform, "/nonexistent");
    AnswerConversations(platform, *shell);
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
