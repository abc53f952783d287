// World state: new-game values and the JSON dump the runner checks against.
#include "world/world_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "../tools/runner/world_dump.h"

namespace vt {
namespace {

static_assert(std::tuple_size_v<decltype(WorldState::SignList)> == 201);
static_assert(std::tuple_size_v<decltype(WorldState::SwitchList)> == 201);
static_assert(std::tuple_size_v<decltype(WorldState::DistrictOpen)> == 8);
static_assert(std::tuple_size_v<decltype(WorldState::Transmissions)> == 11);
static_assert(sizeof(WorldState::BackTiles) == 13 * 21 * 2);
static_assert(sizeof(WorldState::CellChanged) == 11 * 11 * 11 * 13 * 21);

int CountChangedCells(const WorldState& w) {
  int count = 0;
  for (const auto& district : w.CellChanged)
    for (const auto& screenRow : district)
      for (const auto& screen : screenRow)
        for (const auto& tileRow : screen)
          count += static_cast<int>(std::ranges::count(tileRow, true));
  return count;
}

class NewGameTest : public ::testing::Test {
 protected:
  std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
};

TEST_F(NewGameTest, LeavesOnlyTheSpiceSellersCellChanged) {
  // A game in progress: cells changed at the corners of every index range and next door.
  w->CellChanged[0][0][0][0][0] = true;
  w->CellChanged[10][10][10][12][20] = true;
  w->CellChanged[1][5][2][8][17] = true;
  w->CellChanged[8][3][3][6][10] = true;

  ApplyNewGameValues(*w);

  EXPECT_EQ(CountChangedCells(*w), 1);
  EXPECT_TRUE(w->CellChanged[1][5][2][8][18]);
}

TEST_F(NewGameTest, OpensTheFirstThreeDistrictsAndNoReports) {
  w->DistrictOpen.fill(true);
  w->Transmissions.fill(true);

  ApplyNewGameValues(*w);

  for (int d = 1; d <= 3; ++d) EXPECT_TRUE(w->DistrictOpen[d]) << "district " << d;
  for (int d = 4; d <= 7; ++d) EXPECT_FALSE(w->DistrictOpen[d]) << "district " << d;
  for (int k = 1; k <= 10; ++k) EXPECT_FALSE(w->Transmissions[k]) << "report " << k;
}

TEST_F(NewGameTest, StartsTheStoryWithTheBriefingWaiting) {
  w->StoryFlags.fill(4);
  w->TransNumber = 150;
  w->IncomingText = "";
  w->TalkFlag = false;
  w->DestructPending = true;
  w->HeroFacing = Facing::Left;

  ApplyNewGameValues(*w);

  EXPECT_TRUE(std::ranges::all_of(w->StoryFlags, [](std::uint8_t v) { return v == 0; }));
  EXPECT_EQ(w->TransNumber + 1, 137) << "the briefing is transmission 137";
  EXPECT_EQ(w->IncomingText, kFirstBriefing);
  EXPECT_EQ(w->TalkScene, 242);
  EXPECT_TRUE(w->TalkFlag);
  EXPECT_FALSE(w->DestructPending);
  EXPECT_EQ(w->HeroFacing, Facing::Up);
  EXPECT_EQ((std::array{w->District, w->ScreenRow, w->ScreenCol}),
            (std::array<std::int16_t, 3>{1, 1, 3}));
}

TEST(FirstBriefing, IsAWellFormedTransmission) {
  // The unit plays up to the single end mark and the spice seller asks for the pass phrase.
  EXPECT_GE(kFirstBriefing.size(), 28u);
  EXPECT_LE(kFirstBriefing.size(), 134u);
  EXPECT_TRUE(kFirstBriefing.ends_with(" >"));
  EXPECT_EQ(std::ranges::count(kFirstBriefing, '>'), 1);
  EXPECT_NE(kFirstBriefing.find("PWD SAFFRON MOON"), std::string_view::npos);
  EXPECT_EQ(kFirstBriefing.find("  "), std::string_view::npos);
}

TEST_F(NewGameTest, ClearsOnlyTheSixInventoryPlaces) {
  for (int slot = 0; slot <= 40; ++slot) w->Inventory[slot] = static_cast<std::int16_t>(50 + slot);
  w->InvCount = 9;
  w->InvFirst = 4;
  w->InvScrollFwd = true;
  w->InvScrollBack = true;

  ApplyNewGameValues(*w);

  EXPECT_EQ(w->Inventory[0], 50);
  for (int slot = 1; slot <= 6; ++slot) EXPECT_EQ(w->Inventory[slot], 0) << "slot " << slot;
  for (int slot = 7; slot <= 40; ++slot)
    EXPECT_EQ(w->Inventory[slot], 50 + slot) << "slot " << slot;
  EXPECT_EQ(w->InvCount, 0);
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_FALSE(w->InvScrollFwd);
  EXPECT_FALSE(w->InvScrollBack);
}

TEST_F(NewGameTest, LeavesSettingsAndScreenValuesAlone) {
  ApplyStartupSettings(*w);
  w->SoundOn = false;  // switched off in the options window
  w->FullScreen = true;
  w->OrigWidth = 1920.0f;
  w->TalkOpen = true;
  w->ScriptFlag1 = true;
  w->InfoMode = 5;
  w->KeysUsed = true;
  w->PresentationShown = true;
  w->SaveLoadMode = 3;
  w->TrackStartTime = 4321.5;
  w->MusicRestart = true;
  w->DistrictWidth = 120;
  w->BackTiles[12][20] = 77;
  w->FrontTiles[1][1] = 999;
  w->SignCount = 2;
  w->SignList[2] = "0305*Wet paint";
  w->TargetX = 140;
  w->MouseLeg = 2;
  w->HorizFirst = true;

  ApplyNewGameValues(*w);

  EXPECT_FALSE(w->SoundOn);
  EXPECT_TRUE(w->MusicOn && w->MorseSoundOn && w->MouseWalkOn);
  EXPECT_TRUE(w->FullScreen);
  EXPECT_EQ(w->OrigWidth, 1920.0f);
  EXPECT_TRUE(w->TalkOpen);
  EXPECT_TRUE(w->ScriptFlag1);
  EXPECT_EQ(w->InfoMode, 5);
  EXPECT_TRUE(w->KeysUsed);
  EXPECT_TRUE(w->PresentationShown);
  EXPECT_EQ(w->SaveLoadMode, 3);
  EXPECT_EQ(w->TrackStartTime, 4321.5);
  EXPECT_TRUE(w->MusicRestart);
  EXPECT_EQ(w->DistrictWidth, 120);
  EXPECT_EQ(w->BackTiles[12][20], 77);
  EXPECT_EQ(w->FrontTiles[1][1], 999);
  EXPECT_EQ(w->SignCount, 2);
  EXPECT_EQ(w->SignList[2], "0305*Wet paint");
  EXPECT_EQ(w->TargetX, 140);
  EXPECT_EQ(w->MouseLeg, 2);
  EXPECT_TRUE(w->HorizFirst);
}

TEST_F(NewGameTest, GameResetForALoadKeepsTheStory) {
  ApplyNewGameValues(*w);
  w->StoryFlags[141] = 2;
  w->DistrictOpen[6] = true;
  w->TransNumber = 141;
  w->TalkScene = 17;
  w->District = 4;
  w->Inventory[2] = 42;
  w->InvCount = 1;
  w->WalkDir = 3;
  w->MusicSeconds = 90;
  w->DestructPending = true;

  ApplyGameResetValues(*w);

  // The loader restores the true cells itself, the seller's included.
  EXPECT_EQ(CountChangedCells(*w), 0);
  EXPECT_EQ(w->Inventory[2], 0);
  EXPECT_EQ(w->InvCount, 0);
  EXPECT_EQ(w->WalkDir, 0);
  EXPECT_EQ(w->MusicSeconds, 0);
  EXPECT_FALSE(w->DestructPending);
  EXPECT_EQ(w->StoryFlags[141], 2);
  EXPECT_TRUE(w->DistrictOpen[6]);
  EXPECT_EQ(w->TransNumber, 141);
  EXPECT_EQ(w->TalkScene, 17);
  EXPECT_EQ(w->District, 4);
}

TEST(StartupSettings, SwitchOnSoundMusicMorseAndMouseOnly) {
  auto w = std::make_unique<WorldState>();
  EXPECT_FALSE(w->PresentationShown);

  ApplyStartupSettings(*w);

  EXPECT_TRUE(w->SoundOn && w->MusicOn && w->MorseSoundOn && w->MouseWalkOn);
  EXPECT_FALSE(w->FullScreen);
}

class WorldDumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplyStartupSettings(*w);
    ApplyNewGameValues(*w);
  }
  std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
};

TEST_F(WorldDumpTest, NamesVariablesOfEveryGroup) {
  const Json dump = DumpWorld(*w);
  ASSERT_TRUE(dump.IsObject());
  for (const char* key :
       {"District",     "DistrictHeight",    "HeroFacing",   "BackTiles",      "FrontTiles",
        "CellChanged",  "StoryFlags",        "DistrictOpen", "Transmissions",  "TransNumber",
        "IncomingText", "SignList",          "SwitchCount",  "Inventory",      "InvScrollBack",
        "TalkScene",    "ScriptFlag2",       "InfoMode",     "TrackStartTime", "TrackPlaying",
        "MouseWalkOn",  "OrigWidth",         "OrigBits",     "SaveLoadOK",     "YNresult2",
        "KeysUsed",     "PresentationShown", "StepBlocked",  "WalkFrame",      "TargetY",
        "MouseLeg",     "TargetDown"}) {
    EXPECT_NE(dump.Find(key), nullptr) << key;
  }
  EXPECT_EQ(dump.AsObject().front().first, "District");
}

TEST_F(WorldDumpTest, GivesNumbersFlagsAndTextsTheirJsonTypes) {
  w->OrigWidth = 1024.0f;
  w->TrackStartTime = 36000.25;
  w->SignList[3] = "1204*Caf\xE9 \x80 5";  // Windows-1252 e-acute and euro sign
  const Json dump = DumpWorld(*w);

  EXPECT_EQ(*dump.Find("TransNumber"), Json(136));
  EXPECT_EQ(*dump.Find("HeroX"), Json(305));
  EXPECT_EQ(*dump.Find("OrigWidth"), Json(1024.0));
  EXPECT_EQ(*dump.Find("TrackStartTime"), Json(36000.25));
  EXPECT_EQ(*dump.Find("TalkFlag"), Json(true));
  EXPECT_EQ(*dump.Find("TalkOpen"), Json(false));
  EXPECT_EQ(*dump.Find("HeroFacing"), Json("Up"));
  EXPECT_EQ(*dump.Find("IncomingText"), Json(std::string(kFirstBriefing)));
  EXPECT_EQ(*dump.AtPath("SignList.3"), Json("1204*Caf\xC3\xA9 \xE2\x82\xAC 5"));
}

TEST_F(WorldDumpTest, PathsReachEveryIndexFromZero) {
  w->StoryFlags[189] = 3;
  w->BackTiles[12][20] = 47;
  w->Inventory[40] = 123;
  const Json dump = DumpWorld(*w);

  const Json* seller = dump.AtPath("CellChanged.1.5.2.8.18");
  ASSERT_NE(seller, nullptr);
  EXPECT_EQ(*seller, Json(true));
  EXPECT_EQ(*dump.AtPath("CellChanged.1.5.2.8.17"), Json(false));
  EXPECT_EQ(*dump.AtPath("CellChanged.0.0.0.0.0"), Json(false));
  EXPECT_NE(dump.AtPath("CellChanged.10.10.10.12.20"), nullptr);
  EXPECT_EQ(dump.AtPath("CellChanged.11"), nullptr);
  EXPECT_EQ(dump.AtPath("CellChanged.1.5.2.8.21"), nullptr);

  EXPECT_EQ(*dump.AtPath("StoryFlags.189"), Json(3));
  EXPECT_EQ(*dump.AtPath("StoryFlags.0"), Json(0));
  EXPECT_EQ(dump.AtPath("StoryFlags")->AsArray().size(), 251u);
  EXPECT_EQ(*dump.AtPath("BackTiles.12.20"), Json(47));
  EXPECT_EQ(*dump.AtPath("Inventory.last"), Json(123));
  EXPECT_EQ(*dump.AtPath("DistrictOpen.3"), Json(true));
  EXPECT_EQ(*dump.AtPath("DistrictOpen.4"), Json(false));
  EXPECT_EQ(dump.AtPath("SwitchList")->AsArray().size(), 201u);
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// A check reads one part of the world without dumping all of it; it must give exactly
// what the whole dump holds there, and nothing where the dump has nothing.
TEST_F(WorldDumpTest, OnePartGivesWhatTheWholeDumpHoldsThere) {
  w->CellChanged[3][4][5][6][7] = true;
  w->SignList[200] = "0102*last";
  w->HeroFacing = Facing::Left;
  const Json dump = DumpWorld(*w);
  for (const char* path :
       {"District", "HeroFacing", "CellChanged.1.5.2.8.18", "CellChanged.3.4.5.6.7",
        "CellChanged.3.4.5.6.8", "CellChanged.3.4", "SignList.last", "SignList.200", "StoryFlags.0",
        "BackTiles.12", "IncomingText", "TrackStartTime"}) {
    const std::optional<Json> part = DumpWorldPath(*w, path);
    ASSERT_TRUE(part.has_value()) << path;
    EXPECT_EQ(*part, *dump.AtPath(path)) << path;
  }
  for (const char* path : {"Nothing", "District.0", "StoryFlags.251", "CellChanged.1.x",
                           "CellChanged.1.1.1.1.1.1", "StoryFlags.-1"}) {
    EXPECT_FALSE(DumpWorldPath(*w, path).has_value()) << path;
    EXPECT_EQ(dump.AtPath(path), nullptr) << path;
  }
}

}  // namespace
}  // namespace vt
