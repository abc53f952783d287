// A vertical list of text items, as the title screen and the game menu show
// their commands: one item selected in yellow, the rest olive; the arrows move
// the selection round the list, the mouse selects by hovering.
#pragma once

#include <functional>
#include <vector>

#include "platform/ui/form.h"

namespace vt {

class Game;

struct MenuItem {
  int index;  // the label's index in its control array
  const char* caption;
  Rect bounds;
};

inline constexpr Color kItemSelected = Rgb(255, 255, 0);
inline constexpr Color kItemOther = Rgb(128, 128, 0);

// What the title screen's and the game menu's common items do: a page of the
// cinematic window (help, credits) shown modally, and the question before leaving.
void ShowPage(Game& game, int infoMode);
void AskAndExit(Game& game);

class MenuList {
 public:
  // `items` in display order; `carryOut` runs an item by its index.
  MenuList(Game& game, std::vector<MenuItem> items, std::function<void(int)> carryOut);

  // Makes the item labels `name`(index) on `form` into `labels`, all olive, and
  // hooks their mouse; nothing is selected yet.
  void Build(Form& form, const char* name, ControlArray<Label>& labels, FontSpec font);

  int Selected() const { return selected_; }
  // Selects an item without a sound (opening, a click).
  void Select(int index);
  // The arrows: "MenuMove", then the previous or next item, round the ends.
  void Move(int step);
  // Selects `index` with "MenuMove" unless it is selected already.
  void MoveTo(int index);
  // Space, Enter: "MenuSelect", then the selected item.
  void CarryOutSelected();

  // Runs before a click's own handling (the game menu's rule on saving).
  std::function<void()> BeforeClick;
  // Whether keys act at all (the game menu ignores them while hidden).
  std::function<bool()> TakesKeys = [] { return true; };

  // Arrows, Space and Enter; true when the key was one of them.
  bool KeyDown(int keyCode);

 private:
  void Paint(int index, Color color);
  void Click(int index);

  Game& game_;
  std::vector<MenuItem> items_;
  std::function<void(int)> carryOut_;
  ControlArray<Label>* labels_ = nullptr;
  int selected_ = -1;
};

}  // namespace vt
