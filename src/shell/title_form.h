// The title screen: the game's commands before a game runs.
//
// How it works: it opens over the window that showed it (the presentation or
// the ending), plays the title music and closes that window as soon as it is
// up. START A NEW GAME and a successful LOAD GAME hand over to the game screen
// and close the title; the other items open their window and come back here.
#pragma once

#include "platform/ui/form.h"
#include "shell/menu_list.h"

namespace vt {

class Game;

class Big : public Form {
 public:
  // `opener` is the cinematic window the title closes once it is up.
  Big(Game& game, Form& opener);

  ControlArray<Label> MainMenu;
  Label* VersionLabel = nullptr;

  int Selected() const { return items_.Selected(); }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;

 protected:
  void Build() override;

 private:
  void CarryOut(int index);

  Game& game_;
  Form& opener_;
  MenuList items_;
};

}  // namespace vt
