// The item lists of the title screen and the game menu.
#include "shell/menu_list.h"

#include <algorithm>

#include "core/game.h"
#include "core/startup.h"
#include "platform/platform.h"

namespace vt {

void ShowPage(Game& game, int infoMode) {
  game.world.InfoMode = static_cast<std::int16_t>(infoMode);
  game.windows.ShowCinematic(true);
}

void AskAndExit(Game& game) {
  if (game.windows.AskYesNo(Question::Exit)) ExitGame(game);
}

MenuList::MenuList(Game& game, std::vector<MenuItem> items, std::function<void(int)> carryOut)
    : game_(game), items_(std::move(items)), carryOut_(std::move(carryOut)) {}

void MenuList::Build(Form& form, const char* name, ControlArray<Label>& labels, FontSpec font) {
  labels.Clear();
  labels_ = &labels;
  selected_ = -1;
  for (const MenuItem& item : items_) {
    Label& l = form.Add<Label>(name, item.index, item.bounds);
    l.Caption = item.caption;
    l.Transparent = true;
    l.Alignment = Align::Center;
    l.ForeColor = kItemOther;
    l.Font = font;
    const int index = item.index;
    l.MouseMove = [this, index](int, int, int, int) { MoveTo(index); };
    l.Click = [this, index] { Click(index); };
    labels.Put(index, l);
  }
}

void MenuList::Paint(int index, Color color) {
  if (labels_ && labels_->Has(index)) (*labels_)[index].ForeColor = color;
}

void MenuList::Select(int index) {
  if (selected_ >= 0) Paint(selected_, kItemOther);
  selected_ = index;
  Paint(selected_, kItemSelected);
}

void MenuList::Move(int step) {
  game_.PlaySound("MenuMove");
  const auto at = std::find_if(items_.begin(), items_.end(),
                               [this](const MenuItem& i) { return i.index == selected_; });
  const int n = static_cast<int>(items_.size());
  const int from = at == items_.end() ? 0 : static_cast<int>(at - items_.begin());
  Select(items_[static_cast<std::size_t>((from + step + n) % n)].index);
}

void MenuList::MoveTo(int index) {
  if (index == selected_) return;
  game_.PlaySound("MenuMove");
  Select(index);
}

void MenuList::CarryOutSelected() {
  game_.PlaySound("MenuSelect");
  carryOut_(selected_);
}

void MenuList::Click(int index) {
  if (BeforeClick) BeforeClick();
  Select(index);
  game_.PlaySound("MenuSelect");
  carryOut_(index);
}

bool MenuList::KeyDown(int keyCode) {
  switch (keyCode) {
    case key::kUp:
      Move(-1);
      return true;
    case key::kDown:
      Move(1);
      return true;
    case key::kSpace:
    case key::kEnter:
      if (TakesKeys()) CarryOutSelected();
      return true;
    default:
      return false;
  }
}

}  // namespace vt
