// The program object: owns the windows and runs the start-up window.
#include "shell/shell.h"

#include <string>

#include "core/startup.h"

namespace vt {

Shell::Shell(Platform& platform, std::string folder)
    : game(platform, std::move(folder), *this),
      mode(game, infoForm),  // the start button shows the cinematic window, made next
      infoForm(game),
      gameForm(game),
      signForm(game),
      talkForm(game),
      morseForm(game),
      mapForm(game),
      big(game, infoForm),
      menu(game),
      slForm(game, menu),
      optionsForm(game),
      YNform(game, "YNform", "Are you sure that you want to Start a New Game?",
             &WorldState::YNresult),
      YNform2(game, "YNform2", "Are you sure that you want to exit Veltrane?",
              &WorldState::YNresult2) {
  // Closing the window leaves through the one orderly exit.
  game.ui.OnQuitRequest = [this] { ExitGame(game); };
}

Shell::~Shell() = default;

int Shell::Run() {
  try {
    mode.Show();
    game.ui.Run();
  } catch (const ProgramEnded&) {
  }
  return game.exitStatus;
}

void Shell::ShowTalk() {
  // Every conversation opened is logged by number, so scripts can follow the story.
  game.Request("TalkForm " + std::to_string(game.world.TalkScene));
  talkForm.Play(gameForm);
}

void Shell::ShowMorse() {
  game.Request("MorseForm");
  morseForm.Play(gameForm);
}

void Shell::ShowMap(std::string_view backTo) {
  // Logged with its way back, so scripts can follow the journeys.
  game.Request("MapForm " + std::string(backTo));
  mapForm.Open(gameForm, backTo);
}

void Shell::ShowGameMenu() { menu.Open(gameForm); }

void Shell::HideGameMenu() {
  if (menu.IsLoaded()) menu.Hide();
}

void Shell::ShowCinematic(bool modal) {
  // The window reads InfoMode as it loads.
  if (infoForm.IsLoaded()) infoForm.Unload();
  if (modal)
    infoForm.ShowModal();
  else
    infoForm.Show();
}

void Shell::ShowTitle() {
  if (big.IsLoaded()) big.Unload();
  big.Show();
}

void Shell::ShowOptions() { optionsForm.Open(Owner()); }

void Shell::ShowSaveLoad() { slForm.Open(Owner()); }

bool Shell::AskYesNo(Question question) {
  return (question == Question::NewGame ? YNform : YNform2).Ask(Owner());
}

const Form& Shell::Owner() const {
  const Form* top = game.ui.TopForm();
  return top ? *top : gameForm;
}

void Shell::ShowSign(std::string_view picture, std::string_view line1, std::string_view line2,
                     const Form* owner) {
  ShowSignOver(game, signForm, owner ? *owner : gameForm, picture, line1, line2);
}

void Shell::ShowSignRecord(const SignRecord& sign) {
  vt::ShowSignRecord(game, signForm, gameForm, sign);
}

}  // namespace vt
