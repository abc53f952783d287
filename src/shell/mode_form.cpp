// The start-up window.
#include "shell/mode_form.h"

#include "core/game.h"
#include "core/startup.h"

namespace vt {
namespace {

constexpr Color kModeBack = Rgb(18, 26, 52);  // night-blue panel behind white captions
constexpr Color kButtonBack = Rgb(52, 66, 112);

}  // namespace

Mode::Mode(Game& game, Form& next) : Form(game.ui, "Mode"), game_(game), next_(next) {
  Bounds = {0, 0, 302, 147};
  BackColor = kModeBack;
}

void Mode::Build() {
  Label1.Clear();
  Option1.Clear();
  auto label = [this](int index, Rect r, const char* caption, FontSpec font) {
    Label& l = Add<Label>("Label1", index, r);
    l.Caption = caption;
    l.ForeColor = kWhite;
    l.Transparent = true;
    l.Font = font;
    Label1.Put(index, l);
  };
  label(0, {8, 16, 281, 33}, "Veltrane", Times(20, true));
  label(2, {16, 64, 121, 17}, "SELECT MODE", Times(9.75, true));

  // "Full Screen" stands above "Window"; tab order follows the screen.
  auto option = [this](int index, Rect r, const char* caption) {
    OptionButton& o = Add<OptionButton>("Option1", index, r);
    o.Caption = caption;
    o.ForeColor = kWhite;
    o.BackColor = kModeBack;
    o.Font = Times(9.75, false);
    o.Click = [this] { game_.PlaySound("MenuMove"); };
    Option1.Put(index, o);
  };
  option(0, {16, 88, 113, 17}, "Full Screen");
  option(1, {16, 112, 113, 17}, "Window");
  Option1[0].Value = true;

  Command1 = &Add<CommandButton>("Command1", -1, {144, 64, 145, 73});
  Command1->Caption = "Click Here to play Veltrane";
  Command1->ForeColor = kWhite;
  Command1->BackColor = kButtonBack;
  Command1->Font = Times(12, true);
  Command1->Click = [this] { Command1_Click(); };
  DefaultButton = Command1;
}

void Mode::Form_Load() {
  clickSound_ = false;
  CenterOnCanvas();
  ui().SetView(Bounds);
  StartupChecks(game_);
  WorldState& w = game_.world;
  const DisplayMode current = game_.platform.CurrentDisplayMode();
  w.OrigBits = static_cast<std::int16_t>(current.bitsPerPixel);
  w.OrigWidth = static_cast<float>(current.width);
  w.OrigHeight = static_cast<float>(current.height);
  if (w.OrigWidth == 640) {
    // A 640-pixel desktop is already the game's size: full screen is the only choice.
    Option1[1].Enabled = false;
    Option1[1].Value = false;
    Option1[0].Value = true;
    w.FullScreen = true;
  }
  SetFocus(Command1);
  clickSound_ = true;
  game_.PlaySound("Blip1");
}

void Mode::Command1_Click() {
  if (clickSound_) game_.PlaySound("Blip2Sync");
  game_.world.FullScreen = Option1[0].Value;
  next_.Show();
  Unload();
}

}  // namespace vt
