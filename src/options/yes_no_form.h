// A yes/no question asked before a step that throws the current game away. One
// design serves every question; each window differs only in its question and
// in the world flag that receives the answer.
//
// YES starts highlighted (yellow); the window keeps no other record of the
// highlight than the colour of its two answers. Only Y, or Enter, Space or a
// press on YES while YES is highlighted, answers yes; any other way of closing
// leaves the answer no.
#pragma once

#include <string>

#include "platform/ui/form.h"
#include "world/world_state.h"

namespace vt {

class Game;

class YesNoForm : public Form {
 public:
  // `answer` is the world flag that receives the answer.
  YesNoForm(Game& game, std::string formName, std::string question, bool WorldState::*answer);

  ControlArray<Label> Label4;  // 0 the question, 1 YES, 2 NO

  // Clears the answer, shows the question modally centred over `owner` and
  // returns the answer.
  bool Ask(const Form& owner);

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Label4_MouseMove(int n);
  void Label4_MouseDown(int n);

 protected:
  void Build() override;

 private:
  bool YesHighlighted() const;
  void Highlight(int n);
  // Plays MenuSelect and closes, the answer yes when `yes`.
  void Answer(bool yes);

  Game& game_;
  std::string question_;
  bool WorldState::*answer_;
};

}  // namespace vt
