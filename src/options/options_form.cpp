// The options window: its controls, the boxed choices and the settings behind them.
#include "options/options_form.h"

#include <array>
#include <string>

#include "audio/sound.h"
#include "core/game.h"
#include "platform/platform.h"

namespace vt {
namespace {

// The window is the size of its background picture.
constexpr int kWidth = 300;
constexpr int kHeight = 256;
constexpr Color kBackColor = Rgb(26, 30, 38);  // behind the controls if the picture is missing

constexpr Color kTitleColor = Rgb(0x80, 0xFF, 0xFF);
constexpr Color kChoiceColor = Rgb(0xC0, 0xFF, 0xFF);
constexpr Color kBoxColor = Rgb(0x00, 0x00, 0xFF);
constexpr Color kCloseColor = Rgb(0xFF, 0xFF, 0xC0);

constexpr int kTitleMusicTrack = 3;

struct Entry {
  const char* caption;
  Rect bounds;
};

constexpr std::array<Entry, 2> kTitles = {{
    {"Sound Effects", {24, 52, 96, 17}},
    {"Music", {24, 160, 52, 17}},
}};
constexpr std::array<Entry, 3> kEffects = {{
    {"On (All Effects)", {28, 80, 129, 16}},
    {"On (No Morse Effect)", {28, 96, 129, 16}},
    {"Off (No Effects)", {28, 120, 129, 16}},
}};
constexpr std::array<Entry, 2> kMusic = {{
    {"On", {58, 184, 33, 16}},
    {"Off", {116, 184, 33, 16}},
}};

// The walking line sits just above CLOSE, so it is set small and centred over it.
constexpr Rect kWalkingBounds = {10, 212, 280, 9};
constexpr Rect kCloseBounds = {124, 220, 52, 21};

constexpr char kMouseWalking[] = "Using MOUSE and KEYBOARD to walk";
constexpr char kKeyboardWalking[] = "Using KEYBOARD to walk";

// SoundOn and MorseSoundOn for each effect choice.
struct EffectFlags {
  bool sound;
  bool morse;
};
constexpr std::array<EffectFlags, 3> kEffectFlags = {{{true, true}, {true, false}, {false, false}}};

}  // namespace

OptionsForm::OptionsForm(Game& game) : Form(game.ui, "OptionsForm"), game_(game) {
  Bounds = {0, 0, kWidth, kHeight};
  BackColor = kBackColor;
}

void OptionsForm::Build() {
  Bounds.w = kWidth;
  Bounds.h = kHeight;
  Picture.Release();
  auto label = [this](const char* name, int index, const Entry& e, Color color, FontSpec font) {
    Label& l = Add<Label>(name, index, e.bounds);
    l.Caption = e.caption;
    l.ForeColor = color;
    l.Transparent = true;
    l.Font = font;
    return &l;
  };
  auto choice = [&](const char* name, int index, const Entry& e) {
    Label* l = label(name, index, e, kChoiceColor, Times(8.25, true));
    l->BackColor = kBoxColor;
    l->Alignment = Align::Center;
    return l;
  };
  Label1.Clear();
  Label2.Clear();
  Label3.Clear();
  for (int n = 0; n < 2; ++n)
    Label1.Put(n, *label("Label1", n, kTitles[static_cast<std::size_t>(n)], kTitleColor,
                         Times(9.75, true)));
  for (int n = 0; n < 3; ++n) {
    Label2.Put(n, *choice("Label2", n, kEffects[static_cast<std::size_t>(n)]));
    Label2[n].Click = [this, n] { SetEffects(n); };
  }
  for (int n = 0; n < 2; ++n) {
    Label3.Put(n, *choice("Label3", n, kMusic[static_cast<std::size_t>(n)]));
    Label3[n].Click = [this, n] { SetMusic(n); };
  }
  Label4 = label("Label4", -1, {kMouseWalking, kWalkingBounds}, kChoiceColor, Times(6.75, false));
  Label4->Alignment = Align::Center;
  Label4->Click = [this] { Label4_Click(); };
  MenuButton = label("MenuButton", -1, {"CLOSE", kCloseBounds}, kCloseColor, Times(9.75, true));
  MenuButton->Alignment = Align::Center;
  MenuButton->Click = [this] { MenuButton_Click(); };
}

void OptionsForm::Open(const Form& owner) {
  if (IsLoaded()) Unload();
  Load();
  PlaceOver(owner, 0);
  ShowModal();
}

void OptionsForm::Form_Load() {
  game_.LoadPicture(Picture, "Trasken16.dat");
  const WorldState& w = game_.world;
  for (const auto& [n, entry] : Label2) SetBoxed(*entry, false);
  for (const auto& [n, entry] : Label3) SetBoxed(*entry, false);
  SetBoxed(Label2[!w.SoundOn ? 2 : w.MorseSoundOn ? 0 : 1], true);
  SetBoxed(Label3[w.MusicOn ? 0 : 1], true);
  ShowWalkingMode();
}

void OptionsForm::Form_Unload() { game_.world.KeysUsed = false; }

void OptionsForm::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;  // the labels take no keys
  const int effects = BoxedEntry(Label2);
  const int music = BoxedEntry(Label3);
  switch (code) {
    case key::kDown:
      if (effects >= 0 && effects != 2) SetEffects(effects + 1);
      break;
    case key::kUp:
      if (effects > 0) SetEffects(effects - 1);
      break;
    case key::kRight:
      if (music == 0) SetMusic(1);
      break;
    case key::kLeft:
      if (music == 1) SetMusic(0);
      break;
    case key::kEscape:
      Close();
      break;
    default:
      break;
  }
}

void OptionsForm::Label4_Click() {
  game_.world.MouseWalkOn = !game_.world.MouseWalkOn;
  ShowWalkingMode();
}

void OptionsForm::MenuButton_Click() { Close(); }

void OptionsForm::SetEffects(int choice) {
  for (const auto& [n, entry] : Label2) SetBoxed(*entry, n == choice);
  const EffectFlags flags = kEffectFlags[static_cast<std::size_t>(choice)];
  game_.world.SoundOn = flags.sound;
  game_.world.MorseSoundOn = flags.morse;
  game_.PlaySound("MenuMove");
}

void OptionsForm::SetMusic(int choice) {
  for (const auto& [n, entry] : Label3) SetBoxed(*entry, n == choice);
  WorldState& w = game_.world;
  if (choice == 0) {
    w.MusicOn = true;
    if (w.OptionsFromTitle) {
      // The title music starts again from its beginning, even if it was playing.
      CloseMusic(game_.platform);
      PlayMusic(game_.platform, game_.folder, kTitleMusicTrack);
    } else {
      game_.windows.Screen().SetMusicTimer(true);
    }
  } else {
    w.MusicOn = false;
    CloseMusic(game_.platform);
    if (!w.OptionsFromTitle) game_.windows.Screen().SetMusicTimer(false);
  }
  game_.PlaySound("MenuMove");
}

void OptionsForm::SetBoxed(Label& entry, bool boxed) {
  entry.Transparent = !boxed;
  entry.Border = boxed;
}

int OptionsForm::BoxedEntry(const ControlArray<Label>& row) {
  for (const auto& [n, entry] : row)
    if (entry->Border) return n;
  return -1;
}

void OptionsForm::ShowWalkingMode() {
  Label4->Caption = game_.world.MouseWalkOn ? kMouseWalking : kKeyboardWalking;
}

void OptionsForm::Close() {
  game_.PlaySound("MenuSelect");
  Unload();
}

}  // namespace vt
