// Walking: the direction step, the use gesture, the district edges and story
// gates, and the walking tick that moves the hero pixel by pixel.
#include <cstdlib>

#include "dialogue/talk.h"
#include "interaction/interaction.h"
#include "screen/game_form.h"
#include "shell/game.h"

namespace vt {
namespace {

constexpr int kRightStop = 537;
constexpr int kLeftStop = 14;
constexpr int kTopStop = 14;
constexpr int kBottomStop = 295;

bool Sideways(std::string_view facing) { return facing == "Left" || facing == "Right"; }

}  // namespace

bool GameForm::AtEdge(std::string_view facing) const {
  const WorldState& w = game_.world;
  if (facing == "Right") return w.ScreenCol == w.DistrictWidth / 20 && w.HeroX >= kRightStop;
  if (facing == "Left") return w.ScreenCol == 1 && w.HeroX <= kLeftStop;
  if (facing == "Up") return w.ScreenRow == 1 && w.HeroY <= kTopStop;
  if (facing == "Down") return w.ScreenRow == w.DistrictHeight / 12 && w.HeroY >= kBottomStop;
  return false;
}

// The sealed quarter's three story gates.
bool GameForm::Gate(int n) const {
  const WorldState& w = game_.world;
  if (w.District != 8) return false;
  const int stage = w.StoryFlags[189];
  switch (n) {
    case 1:
      return w.HeroFacing == "Right" && w.ScreenCol == 2 && w.ScreenRow == 1 &&
             w.HeroX >= kRightStop;
    case 2:
      return w.HeroFacing == "Down" && w.ScreenCol == 3 && w.ScreenRow == 1 &&
             w.HeroY >= kBottomStop && stage == 2;
    case 3:
      return w.HeroFacing == "Down" && w.ScreenCol == 2 && w.ScreenRow == 2 &&
             w.HeroY >= kBottomStop && stage > 0;
    default:
      return false;
  }
}

void GameForm::OpenBarrierTalk(bool storyGate) {
  WorldState& w = game_.world;
  if (w.TalkOpen) return;
  if (storyGate) {
    if (w.StoryFlags[189] == 0) return;
    w.TalkScene = 246;
  } else {
    w.TalkScene = 250;
  }
  w.TalkFlag = true;
  w.MouseLeg = 0;
  ShowTalkForm(game_);
}

void GameForm::KeyStep(std::string_view key) {
  WorldState& w = game_.world;
  if (key == "vbKeySpace" || key == "vbKeyControl") {
    UseGesture(key == "vbKeySpace");
    return;
  }
  std::string_view facing;
  bool gate = false;
  bool edge = false;
  const bool sideways = Sideways(w.HeroFacing);
  if (key == "vbKeyRight") {
    facing = "Right";
    gate = Gate(1);
    edge = sideways && AtEdge("Right");
  } else if (key == "vbKeyLeft") {
    facing = "Left";
    edge = sideways && AtEdge("Left");
  } else if (key == "vbKeyUp") {
    facing = "Up";
    edge = !sideways && AtEdge("Up");
  } else if (key == "vbKeyDown") {
    facing = "Down";
    gate = Gate(2) || Gate(3);
    edge = !sideways && AtEdge("Down");
  } else {
    return;
  }
  if (gate || edge) {
    OpenBarrierTalk(gate);
    return;
  }
  // Turning between the two sprite orientations keeps him centred.
  if (Sideways(facing) && !sideways) {
    w.HeroX = static_cast<std::int16_t>(w.HeroX + 6);
    w.HeroY = static_cast<std::int16_t>(w.HeroY - 6);
  } else if (!Sideways(facing) && sideways) {
    w.HeroX = static_cast<std::int16_t>(w.HeroX - 6);
    w.HeroY = static_cast<std::int16_t>(w.HeroY + 6);
  }
  w.HeroFacing = std::string(facing);
  CheckAhead(game_, w.HeroFacing, false);
  if (w.StepBlocked) {
    DrawHero("Stand");
    return;
  }
  w.WalkDir = facing == "Right" ? 1 : facing == "Left" ? 2 : facing == "Up" ? 3 : 4;
  w.StandShown = false;
}

void GameForm::UseGesture(bool bareHands) {
  WorldState& w = game_.world;
  if (bareHands) {
    w.TalkFlag = true;
  } else {
    const bool held = w.InvFirst < w.Inventory.size() && w.Inventory[w.InvFirst] != 0;
    if (!held) return;
    w.TalkFlag = false;
  }
  // He reaches out and back: nudges only when facing Left (x) or Up (y).
  auto nudge = [&w](int left, int up) {
    if (w.HeroFacing == "Left") w.HeroX = static_cast<std::int16_t>(w.HeroX + left);
    if (w.HeroFacing == "Up") w.HeroY = static_cast<std::int16_t>(w.HeroY + up);
  };
  nudge(-2, -3);
  DrawHero("Use1");
  ui().Sleep(50);
  nudge(-5, -5);
  DrawHero("Use2");
  ui().Sleep(50);
  CheckAhead(game_, w.HeroFacing, true);
  nudge(5, 5);
  DrawHero("Use1");
  ui().Sleep(50);
  nudge(2, 3);
  DrawHero("Stand");
}

void GameForm::Timer1_Timer() {
  WorldState& w = game_.world;
  if (AtEdge(w.HeroFacing) || Gate(1) || Gate(2) || Gate(3)) return;
  CheckAhead(game_, w.HeroFacing, false);
  if (w.StepBlocked) {
    if (w.MouseLeg != 1) return;
    w.MouseLeg = 2;  // give up the first leg
  }
  // Leg completion, tested only at the start of a tick (so a leg may overshoot
  // by up to ten pixels): the horizontal leg first, then the vertical one.
  auto advanceLeg = [&w] {
    w.WalkDir = 0;
    w.MouseLeg = static_cast<std::int16_t>(w.MouseLeg == 1 ? 2 : 0);
  };
  const bool horizontalLeg =
      (w.MouseLeg == 1 && w.HorizFirst) || (w.MouseLeg == 2 && !w.HorizFirst);
  if (horizontalLeg &&
      ((w.TargetRight && w.HeroX >= w.TargetX) || (!w.TargetRight && w.HeroX <= w.TargetX)))
    advanceLeg();
  const bool verticalLeg = (w.MouseLeg == 1 && !w.HorizFirst) || (w.MouseLeg == 2 && w.HorizFirst);
  if (verticalLeg &&
      ((w.TargetDown && w.HeroY >= w.TargetY) || (!w.TargetDown && w.HeroY <= w.TargetY)))
    advanceLeg();
  if (w.WalkDir == 0 && w.MouseLeg == 2) {
    if (!w.HorizFirst) {
      w.TargetRight = w.TargetX >= w.HeroX;
      KeyStep(w.TargetRight ? "vbKeyRight" : "vbKeyLeft");
    } else {
      w.TargetDown = w.TargetY >= w.HeroY;
      KeyStep(w.TargetDown ? "vbKeyDown" : "vbKeyUp");
    }
  }
  for (int step = 0; step < 10 && w.WalkDir != 0; ++step) {
    switch (w.WalkDir) {
      case 1:
        ++w.HeroX;
        break;
      case 2:
        --w.HeroX;
        break;
      case 3:
        --w.HeroY;
        break;
      case 4:
        ++w.HeroY;
        break;
      default:
        break;
    }
    CheckAhead(game_, w.HeroFacing, false);
    if (w.StepBlocked) break;
  }
  if (w.WalkDir == 0) {
    if (!w.StandShown) {
      DrawHero("Stand");
      w.StandShown = true;
    }
    return;
  }
  DrawHero("Walk" + std::to_string(w.WalkFrame));
  w.WalkFrame = static_cast<std::int16_t>(w.WalkFrame % 6 + 1);
}

}  // namespace vt
