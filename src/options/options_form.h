// The options window and the yes/no questions: where the player switches sound
// effects, Morse tones, music and mouse walking, and confirms the steps that
// throw a game away.
//
// How it works: the settings live only in the world's flags, which start on at
// every run. The options window reads them when it opens and writes them at
// every choice; it remembers nothing itself. Each choice row marks its current
// entry by drawing it boxed, and the arrow keys find the current entry by
// looking for that box. Music switched on in a game restarts the game screen's
// music timer afresh, so its next tick plays the place's track; on the title
// screen the title music starts again at once.
#pragma once

#include "platform/ui/form.h"

namespace vt {

class Game;

class OptionsForm : public Form {
 public:
  explicit OptionsForm(Game& game);

  ControlArray<Label> Label1;  // row titles: 0 effects, 1 music
  ControlArray<Label> Label2;  // effect choices 0 to 2
  ControlArray<Label> Label3;  // music choices: 0 on, 1 off
  Label* Label4 = nullptr;     // the walking mode
  Label* MenuButton = nullptr;

  // Loads the window afresh, centred over `owner`, and shows it modally. The
  // caller sets OptionsFromTitle first.
  void Open(const Form& owner);

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Label4_Click();
  void MenuButton_Click();

 protected:
  void Build() override;

 private:
  void SetEffects(int choice);
  void SetMusic(int choice);
  static void SetBoxed(Label& entry, bool boxed);
  // The boxed entry of a choice row; -1 when none is.
  static int BoxedEntry(const ControlArray<Label>& row);
  void ShowWalkingMode();
  void Close();

  Game& game_;
};

}  // namespace vt
