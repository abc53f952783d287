// The cinematic window. For now it is the empty black stage the start-up
// window hands over to: it enters full screen on its first load and leaves
// the game with Esc; the presentation, story, help and credits come later.
#pragma once

#include "platform/ui/form.h"

namespace vt {

class Game;

class InfoForm : public Form {
 public:
  explicit InfoForm(Game& game);

  Label* TitleLabel = nullptr;

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;

 protected:
  void Build() override;

 private:
  Game& game_;
};

}  // namespace vt
