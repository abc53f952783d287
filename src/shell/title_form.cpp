// The title screen's items and keys.
#include "shell/title_form.h"

#include "audio/sound.h"
#include "core/game.h"
#include "core/startup.h"
#include "platform/platform.h"

namespace vt {
namespace {

constexpr int kNewGame = 10;
constexpr int kLoadGame = 11;
constexpr int kOptions = 12;
constexpr int kIntroduction = 13;
constexpr int kHowToPlay = 14;
constexpr int kCredits = 16;
constexpr int kExit = 17;
constexpr int kTitleTrack = 3;

std::vector<MenuItem> TitleItems() {
  return {
      {kNewGame, "START A NEW GAME", {225, 240, 186, 21}},
      {kLoadGame, "LOAD GAME", {264, 264, 110, 21}},
      {kOptions, "OPTIONS", {275, 288, 82, 21}},
      {kIntroduction, "INTRODUCTION", {247, 312, 142, 21}},
      {kHowToPlay, "HOW TO PLAY", {252, 336, 130, 21}},
      {kCredits, "CREDITS", {276, 384, 80, 21}},
      {kExit, "EXIT", {297, 416, 42, 21}},
  };
}

}  // namespace

Big::Big(Game& game, Form& opener)
    : Form(game.ui, "Big"),
      game_(game),
      opener_(opener),
      items_(game, TitleItems(), [this](int index) { CarryOut(index); }) {
  Bounds = {0, 0, 640, 480};
  BackColor = kBlack;
}

void Big::Build() {
  Picture.Release();
  items_.Build(*this, "MainMenu", MainMenu, Times(12, true));
  VersionLabel = &Add<Label>("Label1", -1, {563, 3, 73, 17});
  VersionLabel->Caption = "Version 1.12";
  VersionLabel->Transparent = true;
  VersionLabel->ForeColor = kItemOther;
  VersionLabel->Font = Times(8.25, false);

  // Closes the window that opened the title once the title is up.
  Timer& closer = AddTimer("Timer1", 1, true);
  closer.OnTimer = [this, &closer] {
    if (opener_.IsLoaded()) opener_.Unload();
    closer.SetEnabled(false);
  };
}

void Big::Form_Load() {
  WorldState& w = game_.world;
  w.SaveLoadOK = true;
  ui().SetView(Bounds);
  game_.LoadPicture(Picture, "Trasken03.dat");
  CloseMusic(game_.platform);
  // A player who turned the music off keeps it off.
  if (w.MusicOn) PlayMusic(game_.platform, game_.folder, kTitleTrack);
  items_.Select(kNewGame);
}

void Big::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;
  if (items_.KeyDown(code)) return;
  if (code == key::kEscape) {
    items_.MoveTo(kExit);
    AskAndExit(game_);
  }
}

void Big::CarryOut(int index) {
  WorldState& w = game_.world;
  switch (index) {
    case kNewGame: {
      w.District = 1;
      GameScreen& screen = game_.windows.Screen();
      screen.Window().Show();
      Unload();  // before the briefing opens over the game screen
      screen.StartNewGame(GameStart::New);
      break;
    }
    case kLoadGame:
      w.SaveLoadMode = 11;
      game_.windows.ShowSaveLoad();
      if (w.SaveLoadOK) {
        game_.windows.Screen().Window().Show();
        Unload();
      }
      break;
    case kOptions:
      w.OptionsFromTitle = true;
      game_.windows.ShowOptions();
      break;
    case kIntroduction:
      ShowPage(game_, 3);
      if (w.MusicOn) PlayMusic(game_.platform, game_.folder, kTitleTrack);
      break;
    case kHowToPlay:
      ShowPage(game_, 2);
      break;
    case kCredits:
      ShowPage(game_, 7);
      break;
    case kExit:
      AskAndExit(game_);
      break;
    default:
      break;
  }
}

}  // namespace vt
