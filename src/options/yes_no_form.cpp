// The yes/no question window: its answers, keys and mouse.
#include "options/yes_no_form.h"

#include <array>

#include "core/game.h"
#include "platform/platform.h"

namespace vt {
namespace {

// The window is the size of its background picture.
constexpr int kWidth = 311;
constexpr int kHeight = 148;
constexpr Color kBackColor = Rgb(26, 30, 38);  // behind the controls if the picture is missing

constexpr Color kQuestionColor = Rgb(0xFF, 0xFF, 0xC0);
constexpr Color kHighlight = Rgb(0xFF, 0xFF, 0x00);
constexpr Color kPlain = Rgb(0xFF, 0xFF, 0xFF);

constexpr int kQuestion = 0;
constexpr int kYes = 1;
constexpr int kNo = 2;

// NO stands on the left, YES on the right.
constexpr std::array<Rect, 3> kBounds = {
    {{28, 16, 257, 53}, {252, 112, 43, 24}, {16, 112, 33, 24}}};

constexpr int kYKey = 'Y';

}  // namespace

YesNoForm::YesNoForm(Game& game, std::string formName, std::string question,
                     bool WorldState::*answer)
    : Form(game.ui, std::move(formName)),
      game_(game),
      question_(std::move(question)),
      answer_(answer) {
  Bounds = {0, 0, kWidth, kHeight};
  BackColor = kBackColor;
}

void YesNoForm::Build() {
  Bounds.w = kWidth;
  Bounds.h = kHeight;
  Picture.Release();
  Label4.Clear();
  const std::array<std::string, 3> captions = {question_, "YES", "NO"};
  const std::array<Color, 3> colors = {kQuestionColor, kHighlight, kPlain};
  for (int n = 0; n < 3; ++n) {
    const auto i = static_cast<std::size_t>(n);
    Label& l = Add<Label>("Label4", n, kBounds[i]);
    l.Caption = captions[i];
    l.ForeColor = colors[i];
    l.Transparent = true;
    l.Alignment = Align::Center;
    l.Font = Times(12, true);
    l.MouseMove = [this, n](int, int, int, int) { Label4_MouseMove(n); };
    l.MouseDown = [this, n](int, int, int, int) { Label4_MouseDown(n); };
    Label4.Put(n, l);
  }
}

bool YesNoForm::Ask(const Form& owner) {
  game_.world.*answer_ = false;
  if (IsLoaded()) Unload();
  Load();
  PlaceOver(owner, 0);
  ShowModal();
  return game_.world.*answer_;
}

void YesNoForm::Form_Load() {
  game_.world.*answer_ = false;
  game_.LoadPicture(Picture, "Trasken04.dat");
}

void YesNoForm::Form_Unload() { game_.world.KeysUsed = false; }

void YesNoForm::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;  // the labels take no keys, and Tab must not move the focus
  switch (code) {
    case key::kLeft:
      if (YesHighlighted()) {
        game_.PlaySound("MenuMove");
        Highlight(kNo);
      }
      break;
    case key::kRight:
      if (!YesHighlighted()) {
        game_.PlaySound("MenuMove");
        Highlight(kYes);
      }
      break;
    case key::kTab:
      game_.PlaySound("MenuMove");
      Highlight(YesHighlighted() ? kNo : kYes);
      break;
    case key::kEnter:
    case key::kSpace:
      Answer(YesHighlighted());
      break;
    case kYKey:
      Answer(true);
      break;
    default:
      Unload();  // Esc, N and every other key: no, and not a sound
      break;
  }
}

void YesNoForm::Label4_MouseMove(int n) {
  if (n == kQuestion || Label4[n].ForeColor == kHighlight) return;
  game_.PlaySound("MenuMove");
  Highlight(n);
}

void YesNoForm::Label4_MouseDown(int n) { Answer(n == kYes); }

bool YesNoForm::YesHighlighted() const { return Label4[kYes].ForeColor == kHighlight; }

void YesNoForm::Highlight(int n) {
  Label4[kYes].ForeColor = n == kYes ? kHighlight : kPlain;
  Label4[kNo].ForeColor = n == kNo ? kHighlight : kPlain;
}

void YesNoForm::Answer(bool yes) {
  game_.PlaySound("MenuSelect");
  if (yes) game_.world.*answer_ = true;
  Unload();
}

}  // namespace vt
