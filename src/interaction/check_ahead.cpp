// The interaction script: what the hero's step or action meets ahead of him.
//
// Two probe points just in front of him are classified by their background
// and object codes; the step may be blocked, the screen may change, and an
// action may open a conversation, take an object, read a sign, throw a
// switch, open the communication unit or the city map.
#include <string>

#include "core/game.h"
#include "data/district_file.h"
#include "data/records.h"
#include "data/tile_classes.h"
#include "data/tile_codes.h"
#include "interaction/animations.h"
#include "interaction/interaction.h"

namespace vt {
namespace {

constexpr int kTile = 30;

class Script {
 public:
  Script(Game& game, Facing facing, bool acting)
      : game_(game), w_(game.world), facing_(facing), acting_(acting) {}

  // True when the step is blocked.
  bool Run() {
    w_.StepBlocked = false;
    Probe();
    return w_.StepBlocked;
  }

 private:
  void Probe() {
    if (!acting_ && ScreenEdge()) return;
    const auto cells = ProbeCells(w_.HeroX, w_.HeroY, facing_);
    for (const ProbeCell& p : cells)
      if (IsBlockingBackground(w_.BackTiles[p.cy][p.cx])) w_.StepBlocked = true;
    ClosingPassage();
    for (const ProbeCell& p : cells) {
      if (Changed(p)) return;  // the object there is gone: nothing more to find
      if (IsBlockingObject(w_.FrontTiles[p.cy][p.cx])) w_.StepBlocked = true;
    }
    if (!acting_) return;
    for (const ProbeCell& p : cells)
      if (BackgroundAction(p)) return;
    for (const ProbeCell& p : cells)
      if (ObjectAction(p)) return;
  }

  bool Changed(const ProbeCell& p) const {
    return InCellRange(w_.District, w_.ScreenRow, w_.ScreenCol) &&
           w_.CellChanged[w_.District][w_.ScreenRow][w_.ScreenCol][p.cy][p.cx];
  }
  void SetChanged(int row, int col, int tileRow, int tileCol) {
    if (InCellRange(w_.District, row, col) && tileRow >= 0 && tileRow < kTileRows && tileCol >= 0 &&
        tileCol < kTileCols)
      w_.CellChanged[w_.District][row][col][tileRow][tileCol] = true;
  }

  void Talk(int scene) {
    w_.TalkScene = static_cast<std::int16_t>(scene);
    game_.windows.ShowTalk();
  }

  // Walking off a screen's border leads to the next screen, or at the
  // district's border to the way-out conversation.
  bool ScreenEdge() {
    std::int16_t* screen = nullptr;  // the screen row or column that changes
    std::int16_t* position = nullptr;
    int step = 0;
    int last = 0;
    std::int16_t arrival = 0;
    if (facing_ == Facing::Left && w_.HeroX < 10) {
      screen = &w_.ScreenCol;
      position = &w_.HeroX;
      step = -1;
      last = 1;
      arrival = 550;
    } else if (facing_ == Facing::Right && w_.HeroX > 550) {
      screen = &w_.ScreenCol;
      position = &w_.HeroX;
      step = 1;
      last = w_.DistrictWidth / 20;
      arrival = 1;
    } else if (facing_ == Facing::Up && w_.HeroY < 10) {
      screen = &w_.ScreenRow;
      position = &w_.HeroY;
      step = -1;
      last = 1;
      arrival = 310;
    } else if (facing_ == Facing::Down && w_.HeroY > 310) {
      screen = &w_.ScreenRow;
      position = &w_.HeroY;
      step = 1;
      last = w_.DistrictHeight / 12;
      arrival = 1;
    } else {
      return false;
    }
    if (*screen != last) {
      *screen = static_cast<std::int16_t>(*screen + step);
      *position = arrival;
      w_.WalkDir = 0;
      game_.windows.Screen().SetScreen();
      game_.DrawHero(HeroPose::Stand);
      return true;
    }
    w_.MouseLeg = 0;
    w_.WalkDir = 0;
    w_.TalkFlag = true;
    Talk(talk::kWayOut);
    return true;
  }

  // The bookcase in Ali Hassan's house closes behind the hero once he is through.
  void ClosingPassage() {
    if (w_.BackTiles[kBookcaseRow][kBookcaseCol] == back::kOpenPassage &&
        (w_.District == 1 || w_.District == kSealedDistrict) &&
        w_.ScreenRow == kBookcaseScreenRow && w_.ScreenCol == kBookcaseScreenCol &&
        (w_.HeroY < 20 || w_.HeroX < 430)) {
      game_.PlaySound("OpenLib");
      AnimateBookcaseClosing(game_);
      w_.BackTiles[kBookcaseRow][kBookcaseCol] = back::kBookcase;
    }
  }

  // True when the procedure stops here.
  bool BackgroundAction(const ProbeCell& p) {
    const int code = w_.BackTiles[p.cy][p.cx];
    const bool bare = w_.TalkFlag;
    if (code == back::kBookcase) {
      if (!bare) return true;
      game_.PlaySound("OpenLib");
      AnimateBookcaseOpening(game_);
      w_.BackTiles[kBookcaseRow][kBookcaseCol] = back::kOpenPassage;
      return false;
    }
    if (code == back::kSmugglersWall) {
      if (w_.StoryFlags[story::kSealedQuarter] != 2) return true;
      Talk(talk::kSmugglersWall);
      if (w_.TalkFlag) {
        game_.PlaySound("OpenLib");
        AnimateWallOpening(game_);
        w_.BackTiles[kWallRow][kWallCol] = back::kOpenPassage;
      }
      return true;
    }
    if (code >= back::kUnitFirst && code <= back::kUnitLast) {
      if (!bare) return true;
      w_.StepBlocked = true;
      game_.windows.ShowMorse();
      District8Event();
      return true;
    }
    if (OneOf(code, back::kTaxi)) {
      w_.ScriptFlag2 = false;
      Talk(talk::kTaxi);
      if (w_.ScriptFlag2) {
        w_.InfoMode = 5;
        game_.windows.ShowCinematic(false);
        game_.windows.Screen().Window().Unload();
      }
      return true;
    }
    if (code == back::kMirror || OneOf(code, back::kPortraits)) {
      Talk(code == back::kMirror ? talk::kMirror : talk::kPortraits);
      return true;
    }
    if (OneOf(code, back::kWindows)) {
      Talk(talk::kWindows);
      return true;
    }
    if (OneOf(code, back::kShelves)) {
      if (bare) Talk(talk::kShelves);
      return true;
    }
    if (code == back::kCar || code == back::kCarRear) {
      if (bare) MapJourney();
      return true;
    }
    return false;
  }

  // After the communication unit closes in the sealed quarter: the disguise,
  // and the district's records read afresh.
  void District8Event() {
    if (w_.District != kSealedDistrict || w_.ScriptFlag1) return;
    if (w_.StoryFlags[story::kSealedQuarter] == 2) {
      game_.LoadPicture(game_.surfaces.SourceBMP, "Morvane14.dat");
      w_.TalkFlag = true;
      Talk(talk::kDisguise);
      w_.ScriptFlag1 = true;
    }
    const DistrictListsResult lists =
        ReadDistrictLists(game_.Path(DistrictFileName(kSealedDistrict)));
    for (const auto& problem : lists.problems) game_.ReportOnce(problem);
    ApplyDistrictLists(w_, lists.lists);
    w_.WalkDir = 0;
    game_.windows.Screen().SetScreen();
    game_.DrawHero(HeroPose::Stand);
  }

  // The screen closes in around the hero before the map opens.
  void MapJourney() {
    const std::string backTo = "Back to " + std::string(game_.windows.Screen().DistrictCaption());
    int w = 1;
    int h = 1;
    const int x = w_.HeroX;
    const int y = w_.HeroY;
    while (x + w <= 570 || y + h <= 330 || x - w >= 0 || y - h >= 0) {
      w += 40;
      h += 40;
      FillRect(game_.surfaces.GameBox, {x - w - 2, y - h - 2, 2 * w + 35, 2 * h + 35},
               Rgb(75, 65, 55));
      game_.ui.Sleep(75);
    }
    game_.windows.ShowMap(backTo);
  }

  // True when the procedure stops here.
  bool ObjectAction(const ProbeCell& p) {
    const int f = w_.FrontTiles[p.cy][p.cx];
    if (IsConversationObject(f)) {
      Talk(f);
      if (f == front::kJamil && w_.StoryFlags[story::kJamilMet] == 1)
        w_.StoryFlags[story::kToHakim] = 2;
      if (f == front::kLeila) w_.StoryFlags[story::kLeilaMet] = 1;
      return true;
    }
    if (IsPickUp(f)) {
      if (!w_.TalkFlag) return true;
      TakeObject(p, f);
      return false;
    }
    if (IsSwitchFacing(f, facing_)) {
      if (w_.TalkFlag) ThrowSwitch(p);
      return true;
    }
    if (IsSignFacing(f, facing_)) return ReadSign(p);
    return false;
  }

  void TakeObject(const ProbeCell& p, int f) {
    Talk(f);
    InventoryAction(game_, InvAction::Get, f);
    SetChanged(w_.ScreenRow, w_.ScreenCol, p.cy, p.cx);
    w_.FrontTiles[p.cy][p.cx] = kNoTile;
    RedrawBackground(p.cy, p.cx);
    game_.DrawHero(HeroPose::Use2);
  }

  void RedrawBackground(int row, int col) {
    const int t = w_.BackTiles[row][col];
    if (t == kNoTile) return;
    for (Surface* s : {&game_.surfaces.GameBox, &game_.surfaces.BG})
      Copy(*s, col * kTile - 45, row * kTile - 45, game_.surfaces.PClip2, t * kTile, 0, kTile,
           kTile);
  }

  void ThrowSwitch(const ProbeCell& p) {
    game_.PlaySound("Switch");
    for (int i = 1; i <= w_.SwitchCount && i < kListSize; ++i) {
      const SwitchRecord r = ParseSwitchRecord(w_.SwitchList[static_cast<std::size_t>(i)]);
      if (r.screenRow != w_.ScreenRow || r.screenCol != w_.ScreenCol || r.row != p.cy ||
          r.col != p.cx)
        continue;
      ShowThrown(p);
      SetChanged(r.doorScreenRow, r.doorScreenCol, r.doors[0].row, r.doors[0].col);
      for (int d = 1; d < 4; ++d)
        if (r.doors[static_cast<std::size_t>(d)].col != 0)
          SetChanged(r.doorScreenRow, r.doorScreenCol, r.doors[static_cast<std::size_t>(d)].row,
                     r.doors[static_cast<std::size_t>(d)].col);
      if (r.doorScreenRow == w_.ScreenRow && r.doorScreenCol == w_.ScreenCol) {
        game_.PlaySound("DoorOpen");
        AnimateDoor(game_, r.doors[0].row, r.doors[0].col,
                    DoorHalfLength(r.doors[1].col, r.doors[2].col, r.doors[3].col), 75);
      } else {
        game_.PlaySound("DoorOpenDist");
      }
    }
  }

  void ShowThrown(const ProbeCell& p) {
    SetChanged(w_.ScreenRow, w_.ScreenCol, p.cy, p.cx);
    std::int16_t& f = w_.FrontTiles[p.cy][p.cx];
    if (const int open = OpenForm(f); open >= 0) f = static_cast<std::int16_t>(open);
    // The cell's floor first, so no part of the switch's first form shows
    // through the transparent parts of the thrown one.
    RedrawBackground(p.cy, p.cx);
    GameSurfaces& s = game_.surfaces;
    for (Surface* target : {&s.GameBox, &s.BG})
      s.ObjectRuns.Draw(*target, p.cx * kTile - 45, p.cy * kTile - 45, f);
  }

  // True when a sign was shown (the procedure stops); false to go on.
  bool ReadSign(const ProbeCell& p) {
    for (int i = 1; i <= w_.SignCount && i < kListSize; ++i) {
      const SignRecord r = ParseSignRecord(w_.SignList[static_cast<std::size_t>(i)]);
      if (r.screenRow != w_.ScreenRow || r.screenCol != w_.ScreenCol || r.row != p.cy ||
          r.col != p.cx)
        continue;
      game_.windows.ShowSignRecord(r);
      return true;
    }
    return false;
  }

  Game& game_;
  WorldState& w_;
  Facing facing_;
  bool acting_;
};

}  // namespace

bool CheckAhead(Game& game, Facing facing, bool acting) {
  return Script(game, facing, acting).Run();
}

}  // namespace vt
