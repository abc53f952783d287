// The game menu: the game's commands while a game runs.
//
// How it works: Esc or the game bar's MENU opens it modally over the game
// screen. Its items start a new game or leave (each asked first), save, load,
// and open the options, the help and the credits; BACK TO GAME and Esc close
// it. Saving is refused at the one moment of the story where a saved game
// could not be finished.
#pragma once

#include "platform/ui/form.h"
#include "shell/menu_list.h"

namespace vt {

class Game;

class Menu : public Form {
 public:
  explicit Menu(Game& game);

  ControlArray<Label> MenuButton;

  int Selected() const { return items_.Selected(); }
  // Opens the menu modally over the game screen and returns when it closes.
  void Open(const Form& owner);

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;

 protected:
  void Build() override;

 private:
  void CarryOut(int index);
  void SaveOrLoad(int index);

  Game& game_;
  MenuList items_;
};

}  // namespace vt
