// The sign viewer: a small modal window with a background picture and two
// lines of text. The hero reads signs and notes in it, and the game uses it as
// its message box. It only shows what its caller put in and closes at the
// first click, Enter, Space or Esc.
#pragma once

#include <string_view>

#include "data/records.h"
#include "platform/ui/form.h"

namespace vt {

class Game;

class SignForm : public Form {
 public:
  explicit SignForm(Game& game);

  Label* SignLabel = nullptr;   // the main line
  Label* SignLabel2 = nullptr;  // the second line

  // Loads the window afresh, so nothing of an earlier use carries over.
  void Reload();
  // Stands 500 twips left of `owner`'s centre and on its centre vertically.
  void PlaceOver(const Form& owner);

  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Click() override;
  void Form_Unload() override;

 protected:
  void Build() override;

 private:
  Game& game_;
};

// The viewer as the game's message box over `owner`: the message yellow over the
// picture, the second line below it, modally. The other windows reach it through
// Windows::ShowSign.
void ShowSignOver(Game& game, SignForm& sign, const Form& owner, std::string_view picture,
                  std::string_view line1, std::string_view line2);

// A sign the hero reads, over `owner`: kinds 1 and 2 two lines on their
// backgrounds ("line 1*line 2"), kind 3 a picture; other kinds show the bare window.
void ShowSignRecord(Game& game, SignForm& sign, const Form& owner, const SignRecord& record);

}  // namespace vt
