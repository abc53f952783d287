// The save/load window: the player picks one of the five slots to load a game
// from, or to save the running game in under a name.
//
// How it works: the caller stores the menu item that opened the window in
// SaveLoadMode and reads SaveLoadOK afterwards (true after a save or a load,
// false after a cancel). The window decides load or save mode when it opens
// and shows it only in the texts of its title and action button; the
// selected slot is likewise only the green slot label (load) or the visible
// name field (save). A name field opens with the slot's old name selected, so
// the first key typed replaces it. Every opening reads the five slots afresh. A save or
// load that fails has been reported to the player already, and the window
// stays open so that another slot can be tried.
#pragma once

#include "platform/ui/form.h"

namespace vt {

class Game;

class SLform : public Form {
 public:
  // `menu` is the game menu window: loading from it is possible only while it shows.
  SLform(Game& game, const Form& menu);

  Label* SLlabel = nullptr;
  // 0 the prompt, 4 the selected slot's summary, 11 CANCEL, 13 the action.
  ControlArray<Label> NameLabel;
  ControlArray<Label> Label1;        // the slots' names, slot k at index k - 1
  ControlArray<TextBox> SLfilename;  // a name field over each slot label

  // The highlighted button: 13 the action or 11 CANCEL.
  int ActionHighlight = 13;

  // Loads the window afresh, centred over `owner`, and shows it modally.
  void Open(const Form& owner);

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyPress(char& ch) override;
  void Label1_Click(int index);
  void NameLabel_MouseMove(int index);
  void NameLabel_MouseDown(int index);

 protected:
  void Build() override;

 private:
  bool LoadMode() const;
  void SelectSlot(int index);
  // The selected slot: the green label's in load mode, the visible field's in
  // save mode; -1 when there is none.
  int GreenSlot() const;
  int VisibleField() const;
  void HideFields();
  void Highlight(int index);
  void Perform();
  void Cancel();

  Game& game_;
  const Form& menu_;
  // A digit key has just chosen a slot: its character is kept from the name
  // field the choice opened.
  bool swallow_ = false;
};

}  // namespace vt
