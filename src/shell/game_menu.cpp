// The game menu's items and keys.
#include "shell/game_menu.h"

#include "core/game.h"
#include "core/startup.h"
#include "platform/platform.h"

namespace vt {
namespace {

constexpr int kBackToGame = 0;
constexpr int kNewGame = 1;
constexpr int kLoadGame = 2;
constexpr int kSaveGame = 3;
constexpr int kOptions = 4;
constexpr int kHowToPlay = 5;
constexpr int kCredits = 7;
constexpr int kExit = 8;
// The story value that forbids saving while it is 2, and what the player reads then.
constexpr int kNoSavingFlag = 189;
constexpr const char* kMessagePicture = "Morvane13.dat";
constexpr const char* kContinue = "Press any key or Click to Continue";

std::vector<MenuItem> MenuItems() {
  return {
      {kBackToGame, "BACK TO GAME", {40, 96, 235, 21}},
      {kNewGame, "START A NEW GAME", {40, 133, 235, 21}},
      {kLoadGame, "LOAD GAME", {40, 165, 235, 21}},
      {kSaveGame, "SAVE GAME", {40, 197, 235, 21}},
      {kOptions, "OPTIONS", {40, 230, 235, 21}},
      {kHowToPlay, "HOW TO PLAY", {40, 262, 235, 21}},
      {kCredits, "CREDITS", {40, 324, 235, 21}},
      {kExit, "EXIT", {40, 365, 235, 21}},
  };
}

}  // namespace

Menu::Menu(Game& game)
    : Form(game.ui, "Menu"),
      game_(game),
      items_(game, MenuItems(), [this](int index) { CarryOut(index); }) {
  Bounds = {0, 0, 317, 400};
  BackColor = kBlack;
  items_.BeforeClick = [this] { game_.world.SaveLoadOK = false; };
  items_.TakesKeys = [this] { return Visible(); };
}

void Menu::Build() {
  Bounds.w = 317;
  Bounds.h = 400;
  Picture.Release();
  items_.Build(*this, "MenuButton", MenuButton, Times(14.25, true));
}

void Menu::Open(const Form& owner) {
  if (IsLoaded()) Unload();
  Load();
  PlaceOver(owner, 0);
  ShowModal();
}

void Menu::Form_Load() {
  game_.LoadPicture(Picture, "Trasken06.dat");
  game_.world.SaveLoadOK = true;
  items_.Select(kBackToGame);
}

void Menu::Form_Unload() { game_.world.KeysUsed = false; }

void Menu::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;
  if (items_.KeyDown(code)) return;
  if (code == key::kEscape) Unload();
}

void Menu::CarryOut(int index) {
  WorldState& w = game_.world;
  switch (index) {
    case kBackToGame:
      Unload();
      break;
    case kNewGame:
      if (game_.windows.AskYesNo(Question::NewGame)) {
        game_.windows.Screen().StartNewGame(GameStart::New);
        Unload();
      }
      break;
    case kLoadGame:
    case kSaveGame:
      SaveOrLoad(index);
      break;
    case kOptions:
      w.OptionsFromTitle = false;
      game_.windows.ShowOptions();
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

void Menu::SaveOrLoad(int index) {
  WorldState& w = game_.world;
  w.SaveLoadMode = static_cast<std::int16_t>(index);
  if (index == kSaveGame && w.StoryFlags[kNoSavingFlag] == 2) {
    game_.windows.ShowSign(kMessagePicture, "The game cannot be saved at this point", kContinue,
                           this);
    return;
  }
  game_.windows.ShowSaveLoad();
  if (!w.SaveLoadOK) return;  // cancelled: the menu stays
  if (index == kSaveGame) {
    Hide();
    game_.windows.ShowSign(kMessagePicture, "Game Saved", kContinue, nullptr);
  }
  Unload();
}

}  // namespace vt
