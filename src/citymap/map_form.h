// The city map: how the hero travels between districts by car.
//
// How it works: the interaction script captions the first label with the way
// back and opens the map modally. Opening shows the name of every district the
// story has opened and starts the engine. A click on a name drives there: the
// hero steps out at the district's arrival point and the new screen is built;
// the first label, or Esc, puts him back where he was. The window keeps nothing
// between openings.
#pragma once

#include <string_view>

#include "platform/ui/form.h"

namespace vt {

class Game;

class MapForm : public Form {
 public:
  explicit MapForm(Game& game);

  ControlArray<Label> Label2;  // by district number; 0 is the way back

  // Opens the map modally over the game screen `owner`, its first label reading
  // `backTo`, and returns when the hero has chosen.
  void Open(const Form& owner, std::string_view backTo);

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Label2_Click(int n);

 protected:
  void Build() override;

 private:
  void Leave();

  Game& game_;
};

}  // namespace vt
