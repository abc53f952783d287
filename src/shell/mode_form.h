// The start-up window: the machine checks run while it loads; the player
// chooses window or full screen and starts the game.
#pragma once

#include "platform/ui/form.h"

namespace vt {

class Game;

class Mode : public Form {
 public:
  // `next` is the window the start button hands over to (the cinematic window).
  Mode(Game& game, Form& next);

  ControlArray<Label> Label1;
  ControlArray<OptionButton> Option1;  // 0 "Full Screen", 1 "Window"
  CommandButton* Command1 = nullptr;

  void Form_Load() override;

 protected:
  void Build() override;

 private:
  void Command1_Click();
  Game& game_;
  Form& next_;
  bool clickSound_ = false;  // set when the window has loaded
};

}  // namespace vt
