// The cinematic window's stage.
#include "cinematics/info_form.h"

#include "core/game.h"
#include "core/startup.h"
#include "platform/platform.h"

namespace vt {

InfoForm::InfoForm(Game& game) : Form(game.ui, "InfoForm"), game_(game) {
  Bounds = {0, 0, 640, 480};
  BackColor = kBlack;
}

void InfoForm::Build() {
  TitleLabel = &Add<Label>("TitleLabel", -1, {28, 184, 585, 93});
  TitleLabel->Transparent = true;
  TitleLabel->ForeColor = kWhite;
  TitleLabel->Alignment = Align::Center;
  TitleLabel->Font.sizePt = 24;
  TitleLabel->Font.bold = true;
}

void InfoForm::Form_Load() {
  Bounds = {0, 0, 640, 480};
  ui().SetView(Bounds);
  EnterFullScreenOnce(game_);
  TitleLabel->Caption = "Veltrane\r\n\r\nEnter: a new game    Esc: leave";
}

void InfoForm::Form_KeyDown(int& keyCode, int) {
  if (keyCode == key::kEscape) ExitGame(game_);
  if (keyCode == key::kEnter) {
    // Until the title screen is there, Enter starts a new game as its first item does.
    game_.world.District = 1;
    GameScreen& screen = game_.windows.Screen();
    screen.Window().Show();
    screen.StartNewGame(GameStart::New);
    Unload();
  }
}

}  // namespace vt
