// The game screen's keys, mouse and pointers.
#include <cstdlib>

#include "core/game.h"
#include "data/places.h"
#include "data/tile_codes.h"
#include "interaction/interaction.h"
#include "platform/platform.h"
#include "screen/game_form.h"
#include "screen/game_screen_look.h"

namespace vt {

void GameForm::Walk(WalkKey key) {
  game_.world.KeysUsed = true;
  KeyStep(key);
}

void GameForm::SetGameBoxPointer(std::string_view picture) {
  if (GameBox) GameBox->Pointer = game_.PointerFrom(picture);
}

void GameForm::Form_KeyDown(int& keyCode, int) {
  WorldState& w = game_.world;
  w.TargetX = -1;
  w.TargetY = -1;
  w.WalkDir = 0;
  w.MouseLeg = 0;  // a key ends a mouse walk
  switch (keyCode) {
    case key::kRight:
      Walk(WalkKey::Right);
      break;
    case key::kLeft:
      Walk(WalkKey::Left);
      break;
    case key::kUp:
      Walk(WalkKey::Up);
      break;
    case key::kDown:
      Walk(WalkKey::Down);
      break;
    case key::kSpace:
      Walk(WalkKey::Use);
      break;
    case key::kControl:
      Walk(WalkKey::UseObject);
      break;
    case key::kEscape:
      game_.PlaySound("MenuSelect");
      game_.windows.ShowGameMenu();
      break;
    case key::kPageDown:
      InventoryAction(game_, InvAction::MoveRight);
      break;
    case key::kEnd:
      InventoryAction(game_, InvAction::MoveLeft);
      break;
    case 'J':
      JumpToCar();
      break;
    case key::kF1:
      game_.PlaySound("MenuSelect");
      w.InfoMode = 2;
      game_.windows.ShowCinematic(true);
      break;
    case key::kF2:
      w.OptionsFromTitle = false;
      game_.windows.ShowOptions();
      break;
    case key::kF3:
      w.MouseWalkOn = !w.MouseWalkOn;
      SetGameBoxPointer(w.MouseWalkOn ? "Morvane19.dat" : "Morvane18.dat");
      break;
    default:
      break;
  }
  keyCode = 0;  // the game screen has no focusable control to pass keys to
}

void GameForm::Form_KeyUp(int&, int) {
  WorldState& w = game_.world;
  if (w.MouseWalkOn) SetGameBoxPointer("Morvane19.dat");
  w.KeysUsed = false;
  w.WalkDir = 0;
}

void GameForm::JumpToCar() {
  WorldState& w = game_.world;
  if (w.District == kSealedDistrict) {
    game_.windows.ShowSign("Morvane13.dat", "This option is not available now",
                           "Press any key or Click to Continue");
    return;
  }
  game_.PlaySound("JumpToCar");
  PlaceHero(w, w.District, false);
  SetScreen();
}

void GameForm::GameBox_MouseDown(int button, int shift, int x, int y) {
  WorldState& w = game_.world;
  if (!w.MouseWalkOn) return;
  w.WalkDir = 0;
  w.MouseLeg = 1;
  if (button == kLeftButton) {
    w.TargetX = static_cast<std::int16_t>(x - 10);
    w.TargetY = static_cast<std::int16_t>(y - 10);
    w.TargetRight = w.TargetX >= w.HeroX;
    w.TargetDown = w.TargetY >= w.HeroY;
    // The leg is chosen by the distances to the clicked point itself; ties go sideways.
    if (std::abs(w.HeroY - y) <= std::abs(w.HeroX - x)) {
      w.HorizFirst = true;
      KeyStep(w.TargetX < w.HeroX ? WalkKey::Left : WalkKey::Right);
    } else {
      w.HorizFirst = false;
      KeyStep(w.TargetY >= w.HeroY ? WalkKey::Down : WalkKey::Up);
    }
  } else if (button == kRightButton) {
    w.MouseLeg = 0;
    KeyStep((shift & kShiftMask) ? WalkKey::UseObject : WalkKey::Use);
  }
}

void GameForm::GameBox_MouseMove(int, int, int x, int y) {
  for (auto& [index, label] : Label1) label->ForeColor = kCommandColor;
  const WorldState& w = game_.world;
  if (!w.MouseWalkOn || w.KeysUsed) {
    SetGameBoxPointer("Morvane18.dat");
    return;
  }
  // The edge arrows show that the next step that way leads to the next screen.
  std::string_view picture = "Morvane19.dat";
  if (x < 15)
    picture = "Comm21.dat";
  else if (x > 555)
    picture = "Comm22.dat";
  if (y < 15)
    picture = "Comm23.dat";
  else if (y > 315)
    picture = "Comm20.dat";
  SetGameBoxPointer(picture);
}

}  // namespace vt
