// The sign viewer window, its message-box use and the signs the hero reads.
#include "interaction/sign_form.h"

#include <string>

#include "core/game.h"
#include "platform/platform.h"

namespace vt {
namespace {

constexpr int kLeftOfCentreTwips = 500;
// Light lines over the dark sign pictures; the message box turns the first yellow.
constexpr Color kSignText = Rgb(250, 244, 222);
constexpr Color kMessageYellow = FromBgr(65535);
// Behind the text when a sign's picture cannot be read.
constexpr Color kSignBack = Rgb(24, 28, 40);

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

}  // namespace

SignForm::SignForm(Game& game) : Form(game.ui, "SignForm"), game_(game) {
  Bounds = {0, 0, 250, 100};
  BackColor = kSignBack;
}

void SignForm::Build() {
  Bounds.w = 250;
  Bounds.h = 100;
  Picture.Release();
  auto line = [this](const char* name, Rect r, FontSpec font) {
    Label& l = Add<Label>(name, -1, r);
    l.Transparent = true;
    l.ForeColor = kSignText;
    l.Alignment = Align::Center;
    l.Font = font;
    l.Click = [this] { Unload(); };
    return &l;
  };
  SignLabel = line("SignLabel", {8, 12, 233, 49}, Times(12, true));
  SignLabel2 = line("SignLabel2", {8, 64, 233, 33}, Times(9.75, false));
}

void SignForm::Reload() {
  if (IsLoaded()) Unload();
  Load();
}

void SignForm::PlaceOver(const Form& owner) { Form::PlaceOver(owner, kLeftOfCentreTwips); }

void SignForm::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;  // nothing here takes keys of its own
  if (code == key::kEnter || code == key::kSpace || code == key::kEscape) Unload();
}

void SignForm::Form_Click() { Unload(); }

void SignForm::Form_Unload() { game_.world.KeysUsed = false; }

void ShowSignOver(Game& game, SignForm& sign, const Form& owner, std::string_view picture,
                  std::string_view line1, std::string_view line2) {
  sign.Reload();
  sign.PlaceOver(owner);
  sign.SignLabel->ForeColor = kMessageYellow;
  sign.SignLabel->Caption = std::string(line1);
  sign.SignLabel2->Caption = std::string(line2);
  game.LoadPicture(sign.Picture, picture);
  sign.ShowModal();
}

void ShowSignRecord(Game& game, SignForm& sign, const Form& owner, const SignRecord& record) {
  sign.Reload();
  sign.PlaceOver(owner);
  const std::string_view text = record.text;
  if (record.kind == 1 || record.kind == 2) {
    // Without a "*" the first line is empty and the second holds everything.
    const std::size_t star = text.find('*');
    const std::string_view first = star == std::string_view::npos ? "" : text.substr(0, star);
    const std::string_view second = star == std::string_view::npos ? text : text.substr(star + 1);
    sign.SignLabel->Caption = std::string(first);
    sign.SignLabel2->Caption = std::string(second);
    game.LoadPicture(sign.Picture, record.kind == 1 ? "Morvane05.dat" : "Morvane06.dat");
  } else if (record.kind == 3) {
    // A picture that cannot be read leaves the viewer without one.
    sign.SignLabel->Caption.clear();
    sign.SignLabel2->Caption.clear();
    game.LoadPicture(sign.Picture, Trimmed(text));
  }
  // Another kind shows the window as designed.
  sign.ShowModal();
}

}  // namespace vt
