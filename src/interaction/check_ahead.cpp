// The interaction script: what the hero's step or action meets ahead of him.
//
// Two probe points just in front of him are classified by their background
// and object codes; the step may be blocked, the screen may change, and an
// action may open a conversation, take an object, read a sign, throw a
// switch, open the communication unit or the city map.
#include <string>

#include "audio/sound.h"
#include "cinematics/info.h"
#include "citymap/city_map.h"
#include "dialogue/talk.h"
#include "interaction/animations.h"
#include "interaction/interaction.h"
#include "interaction/records.h"
#include "interaction/tile_classes.h"
#include "screen/compositing.h"
#include "screen/district_file.h"
#include "shell/game.h"
#include "transmission/morse.h"

namespace vt {
namespace {

constexpr int kTile = 30;

class Script {
 public:
  Script(Game& game, std::string_view facing, bool acting)
      : game_(game), w_(game.world), facing_(facing), acting_(acting) {}

  void Run() {
    w_.StepBlocked = false;
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

 private:
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
    ShowTalkForm(game_);
  }

  // Walking off a screen's border leads to the next screen, or at the
  // district's border to the way-out conversation.
  bool ScreenEdge() {
    std::int16_t* screen = nullptr;  // the screen row or column that changes
    std::int16_t* position = nullptr;
    int step = 0;
    int last = 0;
    std::int16_t arrival = 0;
    if (facing_ == "Left" && w_.HeroX < 10) {
      screen = &w_.ScreenCol;
      position = &w_.HeroX;
      step = -1;
      last = 1;
      arrival = 550;
    } else if (facing_ == "Right" && w_.HeroX > 550) {
      screen = &w_.ScreenCol;
      position = &w_.HeroX;
      step = 1;
      last = w_.DistrictWidth / 20;
      arrival = 1;
    } else if (facing_ == "Up" && w_.HeroY < 10) {
      screen = &w_.ScreenRow;
      position = &w_.HeroY;
      step = -1;
      last = 1;
      arrival = 310;
    } else if (facing_ == "Down" && w_.HeroY > 310) {
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
      game_.gameForm.SetScreen();
      game_.gameForm.DrawHero("Stand");
      return true;
    }
    w_.MouseLeg = 0;
    w_.WalkDir = 0;
    w_.TalkFlag = true;
    Talk(250);
    return true;
  }

  // The bookcase in Ali Hassan's house closes behind the hero once he is through.
  void ClosingPassage() {
    if (w_.BackTiles[3][17] == 24 && (w_.District == 1 || w_.District == 8) && w_.ScreenRow == 2 &&
        w_.ScreenCol == 3 && (w_.HeroY < 20 || w_.HeroX < 430)) {
      game_.PlaySound("OpenLib");
      AnimateBookcaseClosing(game_);
      w_.BackTiles[3][17] = 32;
    }
  }

  // True when the procedure stops here.
  bool BackgroundAction(const ProbeCell& p) {
    const int code = w_.BackTiles[p.cy][p.cx];
    const bool bare = w_.TalkFlag;
    if (code == 32) {
      if (!bare) return true;
      game_.PlaySound("OpenLib");
      AnimateBookcaseOpening(game_);
      w_.BackTiles[3][17] = 24;
      return false;
    }
    if (code == 108) {
      if (w_.StoryFlags[189] != 2) return true;
      Talk(187);
      if (w_.TalkFlag) {
        game_.PlaySound("OpenLib");
        AnimateWallOpening(game_);
        w_.BackTiles[6][1] = 24;
      }
      return true;
    }
    if (code >= 77 && code <= 81) {
      if (!bare) return true;
      w_.StepBlocked = true;
      ShowMorseForm(game_);
      District8Event();
      return true;
    }
    if (code == 180 || code == 181) {
      w_.ScriptFlag2 = false;
      Talk(247);
      if (w_.ScriptFlag2) {
        w_.InfoMode = 5;
        ShowInfoForm(game_, false);
        game_.gameForm.Unload();
      }
      return true;
    }
    if (code == 128 || code == 136 || code == 144 || code == 152 || code == 160 || code == 168) {
      Talk(code == 168 ? 248 : 249);
      return true;
    }
    if ((code >= 111 && code <= 114) || code == 123 || code == 124) {
      Talk(244);
      return true;
    }
    if (code == 33 || code == 34 || code == 89) {
      if (bare) Talk(243);
      return true;
    }
    if (code == 48 || code == 99) {
      if (bare) MapJourney();
      return true;
    }
    return false;
  }

  // After the communication unit closes in the sealed quarter: the disguise,
  // and the district's records read afresh.
  void District8Event() {
    if (w_.District != 8 || w_.ScriptFlag1) return;
    if (w_.StoryFlags[189] == 2) {
      game_.LoadPicture(game_.surfaces.SourceBMP, "Morvane14.dat");
      w_.TalkFlag = true;
      Talk(245);
      w_.ScriptFlag1 = true;
    }
    const DistrictListsResult lists = ReadDistrictLists(game_.Path(DistrictFileName(8)));
    for (const auto& problem : lists.problems) game_.ReportOnce(problem);
    ApplyDistrictLists(w_, lists.lists);
    w_.WalkDir = 0;
    game_.gameForm.SetScreen();
    game_.gameForm.DrawHero("Stand");
  }

  // The screen closes in around the hero before the map opens.
  void MapJourney() {
    const std::string backTo = "Back to " + game_.gameForm.Zone->Caption;
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
    ShowMapForm(game_, backTo);
  }

  // True when the procedure stops here.
  bool ObjectAction(const ProbeCell& p) {
    const int f = w_.FrontTiles[p.cy][p.cx];
    if (IsConversationObject(f)) {
      Talk(f);
      if (f == 26 && w_.StoryFlags[26] == 1) w_.StoryFlags[117] = 2;
      if (f == 148) w_.StoryFlags[140] = 1;
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
    InventoryAction(game_, "Get", f);
    SetChanged(w_.ScreenRow, w_.ScreenCol, p.cy, p.cx);
    w_.FrontTiles[p.cy][p.cx] = kNoTile;
    RedrawBackground(p.cy, p.cx);
    game_.gameForm.DrawHero("Use2");
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
        AnimateDoor(game_, r.doors[0].row, r.doors[0].col, DoorHalfLength(r), 75);
      } else {
        game_.PlaySound("DoorOpenDist");
      }
    }
  }

  // The door's half-length grows with each further door cell in use.
  static int DoorHalfLength(const SwitchRecord& r) {
    if (r.doors[1].col == 0) return 15;
    if (r.doors[2].col == 0) return 30;
    if (r.doors[3].col == 0) return 45;
    return 60;
  }

  void ShowThrown(const ProbeCell& p) {
    SetChanged(w_.ScreenRow, w_.ScreenCol, p.cy, p.cx);
    std::int16_t& f = w_.FrontTiles[p.cy][p.cx];
    if (const int open = OpenForm(f); open >= 0) f = static_cast<std::int16_t>(open);
    // The cell's floor first, so no part of the switch's first form shows
    // through the transparent parts of the thrown one.
    RedrawBackground(p.cy, p.cx);
    GameSurfaces& s = game_.surfaces;
    s.ClippedObject.Resize(kTile, kTile, kKeyColor);
    Copy(s.ClippedObject, 0, 0, s.PclipObjects, f * kTile, 0, kTile, kTile);
    for (Surface* target : {&s.GameBox, &s.BG})
      TransparentBlt(*target, *target, s.ClippedObject, kTile, kTile, p.cx * kTile - 45,
                     p.cy * kTile - 45);
  }

  // True when a sign was shown (the procedure stops); false to go on.
  bool ReadSign(const ProbeCell& p) {
    for (int i = 1; i <= w_.SignCount && i < kListSize; ++i) {
      const SignRecord r = ParseSignRecord(w_.SignList[static_cast<std::size_t>(i)]);
      if (r.screenRow != w_.ScreenRow || r.screenCol != w_.ScreenCol || r.row != p.cy ||
          r.col != p.cx)
        continue;
      ShowSignRecord(game_, r);
      return true;
    }
    return false;
  }

  Game& game_;
  WorldState& w_;
  std::string facing_;
  bool acting_;
};

}  // namespace

void CheckAhead(Game& game, std::string_view facing, bool acting) {
  Script(game, facing, acting).Run();
}

}  // namespace vt
