// The interaction script: probe points, blocking, screen changes, taking,
// switches and doors, conversations, and the passage animations.
#include <gtest/gtest.h>

#include "data/records.h"
#include "data/tile_classes.h"
#include "game_fixture.h"
#include "interaction/interaction.h"

namespace vt {
namespace {

using test::BackColorOf;
using test::FrontColorOf;
using test::ScreenTiles;

TEST(Probe, PointsAndTheirFallBacks) {
  // At 550 facing Right the probe column is Int(619 / 30) = 20; from 561 it falls back.
  EXPECT_EQ(ProbeCells(550, 100, Facing::Right)[0], (ProbeCell{4, 20}));
  EXPECT_EQ(ProbeCells(560, 100, Facing::Right)[0], (ProbeCell{4, 20}));
  EXPECT_EQ(ProbeCells(561, 100, Facing::Right)[0], (ProbeCell{4, 19}));
  EXPECT_EQ(ProbeCells(100, 100, Facing::Right)[1], (ProbeCell{5, 5}));
  EXPECT_EQ(ProbeCells(100, 100, Facing::Left), (std::array<ProbeCell, 2>{{{4, 4}, {5, 4}}}));
  EXPECT_EQ(ProbeCells(100, 100, Facing::Up), (std::array<ProbeCell, 2>{{{4, 4}, {4, 5}}}));
  EXPECT_EQ(ProbeCells(100, 320, Facing::Down)[0],
            (ProbeCell{12, 4}));  // 389/30 = 12: no fall-back
  EXPECT_EQ(ProbeCells(100, 321, Facing::Down)[0], (ProbeCell{12, 4}));  // 390/30 = 13: dy 40
}

TEST(Records, FieldsReadByValueAndDamagedRecordsMatchNothing) {
  const SwitchRecord s = ParseSwitchRecord("0103 4 5010307080000090900000");
  EXPECT_EQ(s.screenRow, 1);
  EXPECT_EQ(s.screenCol, 3);
  EXPECT_EQ(s.row, 4);
  EXPECT_EQ(s.col, 5);
  EXPECT_EQ(s.doors[0].row, 7);
  EXPECT_EQ(s.doors[1].col, 0);
  EXPECT_EQ(s.doors[2].row, 9);
  const SignRecord g = ParseSignRecord("1 01030405Hotel*Farouk");
  EXPECT_EQ(g.kind, 1);
  EXPECT_EQ(g.col, 5);
  EXPECT_EQ(g.text, "Hotel*Farouk");
  EXPECT_EQ(ParseSwitchRecord("x").row, 0);
  EXPECT_EQ(ParseSignRecord("").kind, 0);
}

class Interaction : public test::GameFixture {
 protected:
  // Rewrites district 1 with one screen (1, 3) and shows it.
  void Screen(ScreenTiles tiles, std::map<std::pair<int, int>, int> backs = {},
              std::vector<std::string> signs = {}, std::vector<std::string> switches = {}) {
    tiles.row = 1;
    tiles.col = 3;
    std::vector<ScreenTiles> screens = {tiles,         {1, 1, 0, {}}, {1, 2, 0, {}},
                                        {2, 1, 0, {}}, {2, 2, 0, {}}, {2, 3, 0, {}}};
    test::WriteDistrict(dir / "Strategy01.dat", 24, 60, screens, signs, switches);
    w->District = 1;
    w->ScreenRow = 1;
    w->ScreenCol = 3;
    form->SetScreen();
    for (const auto& [cell, code] : backs) w->BackTiles[cell.first][cell.second] = code;
  }
  // Puts the hero so that probe point 1 facing `facing` is cell (row, col).
  void Face(Facing facing, int row, int col) {
    w->HeroFacing = facing;
    if (facing == Facing::Right) {
      w->HeroX = static_cast<std::int16_t>(30 * col - 69);
      w->HeroY = static_cast<std::int16_t>(30 * row - 48);
    } else if (facing == Facing::Up) {
      w->HeroX = static_cast<std::int16_t>(30 * col - 48);
      w->HeroY = static_cast<std::int16_t>(30 * row - 39 + 29);
    }
  }
  void Act(bool bareHands = true) {
    w->TalkFlag = bareHands;
    (void)CheckAhead(*game, w->HeroFacing, true);
  }
  int Scenes(int scene) const {
    int n = 0;
    for (const auto& r : game->requests)
      if (r.what == "TalkForm " + std::to_string(scene)) n += r.times;
    return n;
  }
};

TEST_F(Interaction, LeavingTheScreenOrTheDistrictByTheLeft) {
  Screen({});
  w->ScreenCol = 1;
  form->SetScreen();
  w->HeroFacing = Facing::Left;
  w->HeroX = 9;
  (void)CheckAhead(*game, Facing::Left, false);
  EXPECT_EQ(w->ScreenCol, 1);
  EXPECT_EQ(Scenes(250), 1);
  w->ScreenCol = 2;
  form->SetScreen();
  w->HeroX = 9;
  (void)CheckAhead(*game, Facing::Left, false);
  EXPECT_EQ(w->ScreenCol, 1);
  EXPECT_EQ(w->HeroX, 550);
  EXPECT_EQ(Scenes(250), 1);
}

TEST_F(Interaction, WallsAndObjectsBlockTheStep) {
  Screen({0, 0, 0, {{{5, 8}, 50}}}, {{{5, 6}, 9}});
  Face(Facing::Right, 5, 6);  // stone wall ahead
  EXPECT_TRUE(CheckAhead(*game, Facing::Right, false));
  Face(Facing::Right, 5, 7);  // open floor
  EXPECT_FALSE(CheckAhead(*game, Facing::Right, false));
  Face(Facing::Right, 5, 8);  // an object
  EXPECT_TRUE(CheckAhead(*game, Facing::Right, false));
}

TEST_F(Interaction, SpaceTakesAnObjectControlDoesNotAndItsCellIsFreeAfterwards) {
  Screen({0, 0, 4, {{{5, 8}, 42}}});
  Face(Facing::Right, 5, 8);
  w->Inventory[1] = 40;
  Act(false);
  EXPECT_EQ(w->FrontTiles[5][8], 42);
  EXPECT_EQ(Scenes(42), 0);
  ASSERT_EQ(CellCentreOf(5, 8), FrontColorOf(42));
  Act(true);
  EXPECT_EQ(Scenes(42), 1);
  EXPECT_EQ(w->FrontTiles[5][8], 999);
  EXPECT_TRUE(w->CellChanged[1][1][3][5][8]);
  // The cell is redrawn from the floor at once, on the screen and its clean copy.
  EXPECT_EQ(CellCentreOf(5, 8), BackColorOf(4));
  EXPECT_EQ(game->surfaces.BG.At(30 * 8 - 45 + 15, 30 * 5 - 45 + 15), BackColorOf(4));
  // Walking in is free, acting there does nothing, also after the screen is rebuilt.
  form->SetScreen();
  EXPECT_FALSE(CheckAhead(*game, Facing::Right, false));
  Act(true);
  EXPECT_EQ(Scenes(42), 1);
}

TEST_F(Interaction, OnlyTheFirstPointsConversationOpens) {
  // Facing Up, point 1 is column Int((x + 48) / 30), point 2 the next one.
  Screen({0, 0, 0, {{{4, 6}, 5}, {{4, 7}, 6}}});
  Face(Facing::Up, 4, 6);
  Act();
  EXPECT_EQ(Scenes(5), 1);
  EXPECT_EQ(Scenes(6), 0);
  EXPECT_EQ(w->TalkScene, 5);
}

TEST_F(Interaction, StoryValuesSetAfterTheirConversations) {
  Screen({0, 0, 0, {{{4, 6}, 26}, {{4, 10}, 148}}});
  w->StoryFlags[26] = 1;
  Face(Facing::Up, 4, 6);
  Act();
  EXPECT_EQ(w->StoryFlags[117], 2);
  Face(Facing::Up, 4, 10);
  Act();
  EXPECT_EQ(w->StoryFlags[140], 1);
}

TEST_F(Interaction, ASwitchCountsOnlyFacingItsWayAndOpensItsDoors) {
  // Switch 96 at (5, 8) opens the door at (3, 4) and, cell 2 being empty, (3, 6).
  const std::string record = "0103050801030304000003060000";
  Screen({0, 0, 6, {{{5, 8}, 96}, {{3, 4}, 90}, {{3, 6}, 90}}}, {}, {}, {record});
  Face(Facing::Up, 6, 8);
  w->HeroY = static_cast<std::int16_t>(30 * 5 - 39 + 30 + 29);  // facing it from below
  Face(Facing::Up, 5, 8);
  Act();
  EXPECT_FALSE(w->CellChanged[1][1][3][5][8]);
  EXPECT_EQ(platform.effects.empty() ? "" : platform.effects.back().name, "");
  Face(Facing::Right, 5, 8);
  Act();
  EXPECT_TRUE(w->CellChanged[1][1][3][5][8]);
  EXPECT_EQ(w->FrontTiles[5][8], 97);
  EXPECT_TRUE(w->CellChanged[1][1][3][3][4]);
  EXPECT_TRUE(w->CellChanged[1][1][3][3][6]);
  EXPECT_FALSE(w->CellChanged[1][1][3][3][5]);
  ASSERT_GE(platform.effects.size(), 2u);
  EXPECT_EQ(platform.effects[platform.effects.size() - 2].name, "Switch");
  EXPECT_EQ(platform.effects.back().name, "DoorOpen");
  // The thrown form shows without the first form under it.
  EXPECT_EQ(CellCentreOf(5, 8), FrontColorOf(97));
  // A one-cell door (e = 15): the floor shows across the cell, edged at the
  // cell's sides by short black marks at rows 30r-22 .. 30r-17.
  const int m = 30 * 4 - 45 + 15;
  EXPECT_EQ(game->surfaces.GameBox.At(m, 30 * 3 - 45 + 2), BackColorOf(6));
  EXPECT_EQ(game->surfaces.GameBox.At(m - 15, 30 * 3 - 20), kBlack);
  EXPECT_EQ(game->surfaces.GameBox.At(m + 14, 30 * 3 - 20), kBlack);
  EXPECT_NE(game->surfaces.GameBox.At(m + 16, 30 * 3 - 20), kBlack);
  EXPECT_EQ(game->surfaces.BG.At(m - 15, 30 * 3 - 20), kBlack);
}

TEST_F(Interaction, TheBookcaseOpensAndClosesBehindTheHero) {
  std::vector<ScreenTiles> screens;
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) screens.push_back({r, c, 0, {}});
  test::WriteDistrict(dir / "Strategy01.dat", 24, 60, screens);
  w->ScreenRow = 2;
  w->ScreenCol = 3;
  form->SetScreen();
  w->BackTiles[3][17] = 32;
  Face(Facing::Up, 3, 17);
  w->HeroX = 470;  // the hero right of the passage: nothing closes yet
  Act();
  EXPECT_EQ(w->BackTiles[3][17], 24);
  EXPECT_EQ(platform.effects.back().name, "OpenLib");
  // The last opening frame: the middle of tile 23 fills the cell, edged black.
  Surface& box = game->surfaces.GameBox;
  EXPECT_EQ(box.At(480, 60), BackColorOf(23));
  EXPECT_EQ(box.At(466, 60), kBlack);
  EXPECT_EQ(box.At(494, 60), kBlack);
  // Walking on past x 430 closes it again.
  w->HeroX = 420;
  (void)CheckAhead(*game, Facing::Up, false);
  EXPECT_EQ(w->BackTiles[3][17], 32);
  EXPECT_EQ(box.At(470, 60), BackColorOf(32));
  EXPECT_EQ(box.At(490, 60), BackColorOf(32));
}

TEST_F(Interaction, TheCarOpensTheMapAfterTheScreenClosesIn) {
  Screen({0, 0, 0, {}}, {{{5, 8}, 48}});
  Face(Facing::Right, 5, 8);
  Act(false);  // the car needs bare hands
  EXPECT_TRUE(game->requests.empty() || game->requests.back().what.rfind("MapForm", 0) != 0);
  // The map then waits for the player's choice, over the closed-in screen.
  EXPECT_THROW(Act(true), ScriptEnded);
  EXPECT_TRUE(shell->mapForm.Visible());
  ASSERT_FALSE(game->requests.empty());
  EXPECT_EQ(game->requests.back().what, "MapForm Back to Prestigious Quarter");
  EXPECT_EQ(game->surfaces.GameBox.At(5, 5), Rgb(75, 65, 55));
  EXPECT_EQ(game->surfaces.GameBox.At(565, 325), Rgb(75, 65, 55));
}

TEST_F(Interaction, TheEndingClosesTheGameScreenOnlyWhenTheConversationSaysSo) {
  Screen({0, 0, 0, {}}, {{{5, 8}, 180}});
  Face(Facing::Right, 5, 8);
  Act();
  EXPECT_EQ(Scenes(247), 1);
  EXPECT_TRUE(form->IsLoaded());  // the conversation did not set ScriptFlag2
}

}  // namespace
}  // namespace vt
