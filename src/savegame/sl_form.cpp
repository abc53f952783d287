// The save/load window: its slots, prompts, keys and the two buttons.
#include "savegame/sl_form.h"

#include <string>
#include <string_view>

#include "core/game.h"
#include "platform/platform.h"
#include "savegame/save_load.h"

namespace vt {
namespace {

// Used until the background picture is read, and behind the controls if it is missing.
constexpr int kWidth = 350;
constexpr int kHeight = 295;
constexpr Color kBackColor = Rgb(26, 30, 38);

constexpr Color kYellow = Rgb(0xFF, 0xFF, 0x00);
constexpr Color kLightYellow = Rgb(0xFF, 0xFF, 0xC0);
constexpr Color kGreen = Rgb(0x00, 0xFF, 0x00);

constexpr int kPrompt = 0;
constexpr int kSummary = 4;
constexpr int kCancel = 11;
constexpr int kAction = 13;

constexpr int kSlotX = 23;
constexpr int kSlotY = 109;
constexpr int kSlotStep = 20;
constexpr int kSlotW = 301;
constexpr int kSlotH = 22;
constexpr int kNameLength = 25;

constexpr char kChoosePrompt[] = "Select a saved game slot or press the slot number (1-5)";
constexpr char kNamePrompt[] =
    "Type a name for the saved game\r\n"
    "To save the game click 'SAVE' or press <Enter>\r\n"
    "To abort press <ESC>";
constexpr char kLoadPrompt[] =
    "Click 'Load' or press <ENTER>\r\n"
    "Or select a different saved game slot";

// Items of the menus that open the window, as stored in SaveLoadMode.
constexpr int kTitleLoad = 11;
constexpr int kMenuLoad = 2;

Rect SlotBounds(int index) { return {kSlotX, kSlotY + kSlotStep * index, kSlotW, kSlotH}; }

}  // namespace

SLform::SLform(Game& game, const Form& menu) : Form(game.ui, "SLform"), game_(game), menu_(menu) {
  Bounds = {0, 0, kWidth, kHeight};
  BackColor = kBackColor;
}

void SLform::Build() {
  Picture.Release();
  NameLabel.Clear();
  Label1.Clear();
  SLfilename.Clear();
  auto label = [this](const char* name, int index, Rect bounds, Color color, FontSpec font) {
    Label& l = Add<Label>(name, index, bounds);
    l.ForeColor = color;
    l.Transparent = true;
    l.Font = font;
    return &l;
  };
  SLlabel = label("SLlabel", -1, {24, 16, 305, 31}, kWhite, Times(18, true));
  SLlabel->Caption = "SAVE/LOAD GAME";
  SLlabel->Alignment = Align::Center;
  NameLabel.Put(kPrompt,
                *label("NameLabel", kPrompt, {20, 52, 309, 49}, kLightYellow, Times(9.75, true)));
  NameLabel[kPrompt].Alignment = Align::Center;
  for (int n = 0; n < kSlotCount; ++n) {
    Label& slot = *label("Label1", n, SlotBounds(n), kBlack, Times(12, true));
    slot.Transparent = false;
    slot.BackColor = kLightYellow;
    slot.Click = [this, n] { Label1_Click(n); };
    Label1.Put(n, slot);
  }
  // The fields come after the labels, so they lie on top of them.
  for (int n = 0; n < kSlotCount; ++n) {
    TextBox& field = Add<TextBox>("SLfilename", n, SlotBounds(n));
    field.BackColor = kGreen;
    field.ForeColor = kBlack;
    field.Font = Times(12, true);
    field.MaxLength = kNameLength;
    field.Visible = false;
    SLfilename.Put(n, field);
  }
  NameLabel.Put(kSummary,
                *label("NameLabel", kSummary, {20, 224, 309, 17}, kLightYellow, Times(9.75, true)));
  NameLabel[kSummary].Alignment = Align::Center;
  NameLabel.Put(kCancel,
                *label("NameLabel", kCancel, {34, 262, 64, 17}, kWhite, Times(9.75, true)));
  NameLabel[kCancel].Caption = "CANCEL";
  NameLabel.Put(kAction,
                *label("NameLabel", kAction, {262, 262, 44, 17}, kYellow, Times(9.75, true)));
  for (int n : {kCancel, kAction}) {
    NameLabel[n].Alignment = Align::Center;
    NameLabel[n].MouseMove = [this, n](int, int, int, int) { NameLabel_MouseMove(n); };
    NameLabel[n].MouseDown = [this, n](int, int, int, int) { NameLabel_MouseDown(n); };
  }
}

void SLform::Open(const Form& owner) {
  if (IsLoaded()) Unload();
  Load();
  PlaceOver(owner, 0);
  ShowModal();
}

void SLform::Form_Load() {
  if (game_.LoadPicture(Picture, "Trasken05.dat")) {
    Bounds.w = Picture.Width();
    Bounds.h = Picture.Height();
  } else {
    Bounds.w = kWidth;
    Bounds.h = kHeight;
  }
  swallow_ = false;
  Focus = nullptr;
  Highlight(kAction);
  NameLabel[kPrompt].Caption = kChoosePrompt;
  const WorldState& w = game_.world;
  const bool load =
      w.SaveLoadMode == kTitleLoad || (w.SaveLoadMode == kMenuLoad && menu_.Visible());
  SLlabel->Caption = load ? "LOAD GAME" : "SAVE GAME";
  NameLabel[kAction].Caption = load ? "LOAD" : "SAVE";
  for (int n = 0; n < kSlotCount; ++n) {
    const SlotSummary slot = ReadSlotSummary(game_, n);
    Label1[n].Caption = slot.name;
    Label1[n].Enabled = !(load && slot.name == kEmptySlot);
  }
}

void SLform::Form_Unload() { game_.world.KeysUsed = false; }

void SLform::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  swallow_ = false;
  if (code >= '1' && code < '1' + kSlotCount) {
    if (VisibleField() < 0) {
      keyCode = 0;
      SelectSlot(code - '1');
      swallow_ = true;
    }
    return;
  }
  // The keys the window answers go no further (Tab must not move the focus);
  // the rest reach the name field, where an arrow ends the selection.
  if (code == key::kTab || code == key::kEnter || code == key::kEscape) keyCode = 0;
  switch (code) {
    case key::kTab:
      game_.PlaySound("MenuMove");
      Highlight(ActionHighlight == kAction ? kCancel : kAction);
      break;
    case key::kEnter:
      game_.PlaySound("MenuSelect");
      Perform();
      break;
    case key::kEscape:
      if (VisibleField() >= 0)
        HideFields();  // the name is abandoned; the prompt stays
      else
        Cancel();
      break;
    default:
      break;
  }
}

void SLform::Form_KeyPress(char& ch) {
  // The character of the key that chose a slot (shifted or not) is not a name.
  if (swallow_) ch = 0;
  swallow_ = false;
}

void SLform::Label1_Click(int index) { SelectSlot(index); }

void SLform::NameLabel_MouseMove(int index) {
  if (index == ActionHighlight) return;
  game_.PlaySound("MenuMove");
  Highlight(index);
}

void SLform::NameLabel_MouseDown(int index) {
  Highlight(index);
  game_.PlaySound("MenuSelect");
  Perform();
}

bool SLform::LoadMode() const { return NameLabel[kAction].Caption == "LOAD"; }

void SLform::SelectSlot(int index) {
  const bool load = LoadMode();
  if (load && Label1[index].Caption == kEmptySlot) return;
  NameLabel[kSummary].Caption = ReadSlotSummary(game_, index).where;
  if (load) {
    for (const auto& [n, slot] : Label1) slot->BackColor = n == index ? kGreen : kLightYellow;
    NameLabel[kPrompt].Caption = kLoadPrompt;
    return;
  }
  HideFields();
  TextBox& field = SLfilename[index];
  field.Text = Label1[index].Caption;
  field.Visible = true;
  field.SelectedAll = true;  // the first key typed replaces the old name
  SetFocus(&field);
  NameLabel[kPrompt].Caption = kNamePrompt;
}

int SLform::GreenSlot() const {
  for (const auto& [n, slot] : Label1)
    if (slot->BackColor == kGreen) return n;
  return -1;
}

int SLform::VisibleField() const {
  for (const auto& [n, field] : SLfilename)
    if (field->Visible) return n;
  return -1;
}

void SLform::HideFields() {
  for (const auto& [n, field] : SLfilename) field->Visible = false;
  // A hidden field must not go on receiving what is typed.
  Focus = nullptr;
}

void SLform::Highlight(int index) {
  ActionHighlight = index;
  NameLabel[kCancel].ForeColor = index == kCancel ? kYellow : kWhite;
  NameLabel[kAction].ForeColor = index == kAction ? kYellow : kWhite;
}

void SLform::Perform() {
  if (ActionHighlight == kCancel) {
    Cancel();
    return;
  }
  if (LoadMode()) {
    const int slot = GreenSlot();
    if (slot < 0 || Label1[slot].Caption == kEmptySlot) return;
    if (LoadGame(game_, slot)) Unload();
    return;
  }
  const int slot = VisibleField();
  if (slot < 0) return;
  const std::string name = SLfilename[slot].Text;
  if (name == kEmptySlot) return;  // refused without a word
  if (SaveGame(game_, slot, name)) Unload();
}

void SLform::Cancel() {
  game_.world.SaveLoadOK = false;
  Unload();
}

}  // namespace vt
