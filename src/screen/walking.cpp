// Walking: the direction step, the use gesture, the district edges and story
// gates, and the walking tick that moves the hero pixel by pixel.
#include <cstdlib>

#include "core/game.h"
#include "data/tile_codes.h"
#include "interaction/interaction.h"
#include "screen/game_form.h"

namespace vt {
namespace {

constexpr int kRightStop = 537;
constexpr int kLeftStop = 14;
constexpr int kTopStop = 14;
constexpr int kBottomStop = 295;

}  // namespace

bool GameForm::AtEdge(Facing facing) const {
  const WorldState& w = game_.world;
  switch (facing) {
    case Facing::Right:
      return w.ScreenCol == w.DistrictWidth / 20 && w.HeroX >= kRightStop;
    case Facing::Left:
      return w.ScreenCol == 1 && w.HeroX <= kLeftStop;
    case Facing::Up:
      return w.ScreenRow == 1 && w.HeroY <= kTopStop;
    case Facing::Down:
      return w.ScreenRow == w.DistrictHeight / 12 && w.HeroY >= kBottomStop;
  }
  return false;
}

// The sealed quarter's three story gates.
bool GameForm::Gate(int n) const {
  const WorldState& w = game_.world;
  if (w.District != kSealedDistrict) return false;
  const int stage = w.StoryFlags[story::kSealedQuarter];
  switch (n) {
    case 1:
      return w.HeroFacing == Facing::Right && w.ScreenCol == 2 && w.ScreenRow == 1 &&
             w.HeroX >= kRightStop;
    case 2:
      return w.HeroFacing == Facing::Down && w.ScreenCol == 3 && w.ScreenRow == 1 &&
             w.HeroY >= kBottomStop && stage == 2;
    case 3:
      return w.HeroFacing == Facing::Down && w.ScreenCol == 2 && w.ScreenRow == 2 &&
             w.HeroY >= kBottomStop && stage > 0;
    default:
      return false;
  }
}

void GameForm::OpenBarrierTalk(bool storyGate) {
  WorldState& w = game_.world;
  if (w.TalkOpen) return;
  if (storyGate) {
    if (w.StoryFlags[story::kSealedQuarter] == 0) return;
    w.TalkScene = talk::kNoWayBack;
  } else {
    w.TalkScene = talk::kWayOut;
  }
  w.TalkFlag = true;
  w.MouseLeg = 0;
  game_.windows.ShowTalk();
}

void GameForm::KeyStep(WalkKey key) {
  WorldState& w = game_.world;
  Facing facing = Facing::Up;
  switch (key) {
    case WalkKey::Use:
    case WalkKey::UseObject:
      UseGesture(key == WalkKey::Use);
      return;
    case WalkKey::Right:
      facing = Facing::Right;
      break;
    case WalkKey::Left:
      facing = Facing::Left;
      break;
    case WalkKey::Up:
      facing = Facing::Up;
      break;
    case WalkKey::Down:
      facing = Facing::Down;
      break;
  }
  // The edge counts only when he already faces along it; the gates by their own rules.
  const bool sideways = Sideways(w.HeroFacing);
  const bool gate = facing == Facing::Right  ? Gate(1)
                    : facing == Facing::Down ? Gate(2) || Gate(3)
                                             : false;
  const bool edge = Sideways(facing) == sideways && AtEdge(facing);
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
  w.HeroFacing = facing;
  if (CheckAhead(game_, w.HeroFacing, false)) {
    game_.DrawHero(HeroPose::Stand);
    return;
  }
  w.WalkDir = facing == Facing::Right  ? 1
              : facing == Facing::Left ? 2
              : facing == Facing::Up   ? 3
                                       : 4;
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
    if (w.HeroFacing == Facing::Left) w.HeroX = static_cast<std::int16_t>(w.HeroX + left);
    if (w.HeroFacing == Facing::Up) w.HeroY = static_cast<std::int16_t>(w.HeroY + up);
  };
  nudge(-2, -3);
  game_.DrawHero(HeroPose::Use1);
  ui().Sleep(50);
  nudge(-5, -5);
  game_.DrawHero(HeroPose::Use2);
  ui().Sleep(50);
  (void)CheckAhead(game_, w.HeroFacing, true);  // the action, not a step: nothing to stop
  nudge(5, 5);
  game_.DrawHero(HeroPose::Use1);
  ui().Sleep(50);
  nudge(2, 3);
  game_.DrawHero(HeroPose::Stand);
}

void GameForm::EndMouseWalk() {
  WorldState& w = game_.world;
  w.MouseLeg = 0;
  w.WalkDir = 0;
  if (!w.StandShown) {
    game_.DrawHero(HeroPose::Stand);
    w.StandShown = true;
  }
}

void GameForm::Timer1_Timer() {
  WorldState& w = game_.world;
  if (AtEdge(w.HeroFacing) || Gate(1) || Gate(2) || Gate(3)) return;
  if (CheckAhead(game_, w.HeroFacing, false)) {
    if (w.MouseLeg == 1) {
      // The first leg can go no further: give it up, the second leg starts below.
      w.MouseLeg = 2;
      w.WalkDir = 0;
    } else {
      // A blocked second leg ends the mouse walk; a held key just stands.
      if (w.MouseLeg == 2) EndMouseWalk();
      return;
    }
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
      KeyStep(w.TargetRight ? WalkKey::Right : WalkKey::Left);
    } else {
      w.TargetDown = w.TargetY >= w.HeroY;
      KeyStep(w.TargetDown ? WalkKey::Down : WalkKey::Up);
    }
    // The second leg's turn walks in this same tick: the edges and the story gates hold
    // for it as they do at the start of every tick, or a mouse walk could turn through a
    // one-way passage.
    if (AtEdge(w.HeroFacing) || Gate(1) || Gate(2) || Gate(3)) return;
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
    if (CheckAhead(game_, w.HeroFacing, false)) break;
  }
  if (w.WalkDir == 0) {
    if (!w.StandShown) {
      game_.DrawHero(HeroPose::Stand);
      w.StandShown = true;
    }
    return;
  }
  game_.DrawHero(WalkPose(w.WalkFrame));
  w.WalkFrame = static_cast<std::int16_t>(w.WalkFrame % 6 + 1);
}

}  // namespace vt
