// The game screen: composing a screen from a district file, a new game, the
// place names and their music, and walking under keys and mouse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "core/game.h"
#include "data/places.h"
#include "game_fixture.h"
#include "platform/headless/headless_platform.h"

namespace vt {
namespace {

using test::BackColorOf;
using test::FrontColorOf;
using GameScreen = test::GameFixture;

TEST_F(GameScreen, NewGameOpensInTheSecretRoomWithTheBriefing) {
  EXPECT_EQ(w->ScreenRow, 1);
  EXPECT_EQ(w->ScreenCol, 3);
  EXPECT_EQ(form->Zone->Caption, "Prestigious Quarter");
  EXPECT_EQ(form->Location->Caption, "Secret Room");
  EXPECT_NE(LastOpen().find("Vask01.dat"), std::string::npos);
  ASSERT_FALSE(game->requests.empty());
  EXPECT_EQ(game->requests.back().what, "TalkForm 242");
  EXPECT_EQ(form->Timer1->Interval(), 1);
  EXPECT_EQ(form->MusicTimer->Interval(), 1000);
}

TEST_F(GameScreen, ComposesBothLayersAndTheHero) {
  // Background everywhere, the object square over it, the key colour never shown.
  EXPECT_EQ(CellCentre(5, 10), BackColorOf(4));
  EXPECT_EQ(CellCentre(4, 4), FrontColorOf(50));
  EXPECT_EQ(At(30 * 4 - 45 + 2, 30 * 4 - 45 + 2), BackColorOf(4));  // around the object
  // The half cells of the outer ring are cut off at the play area's edge.
  EXPECT_EQ(At(0, 0), BackColorOf(4));
  // BG is the screen without the hero; GameBox has him at (305, 80).
  EXPECT_EQ(game->surfaces.BG.At(310, 90), BackColorOf(4));
  EXPECT_EQ(At(310, 90), Rgb(250, 250, 250));
  EXPECT_EQ(At(304, 79), BackColorOf(4));
}

TEST_F(GameScreen, ChangedCellsShowTheirOpenFormOnceAndLoseTheRest) {
  w->CellChanged[1][1][3][3][4] = true;  // 96: shows 97
  w->CellChanged[1][1][3][3][5] = true;  // 97: gone
  form->SetScreen();
  EXPECT_EQ(w->FrontTiles[3][4], 97);
  EXPECT_EQ(w->FrontTiles[3][5], 999);
  EXPECT_EQ(CellCentre(3, 4), FrontColorOf(97));
  EXPECT_EQ(CellCentre(3, 5), BackColorOf(4));
}

TEST_F(GameScreen, DestructSoundsOnceOnEnteringColumnTwo) {
  w->DestructPending = true;
  GoTo(1, 1, 1);
  EXPECT_EQ(Count("Destruct"), 0);
  GoTo(1, 1, 2);
  GoTo(1, 2, 2);
  EXPECT_EQ(Count("Destruct"), 1);
  EXPECT_FALSE(w->DestructPending);
}

TEST_F(GameScreen, PlaceNamesAndTheirTracks) {
  GoTo(6, 1, 1);
  EXPECT_EQ(form->Location->Caption, "The River");
  GoTo(6, 2, 2);
  EXPECT_EQ(form->Location->Caption, "Parking Lot");
  GoTo(6, 1, 2);
  EXPECT_EQ(form->Location->Caption, "The River");
  EXPECT_NE(LastOpen().find("Vask12.dat"), std::string::npos);
  // The sealed quarter's streets play the title music; its hidden rooms keep theirs.
  GoTo(8, 3, 5);
  EXPECT_EQ(form->Zone->Caption, "Prestigious Quarter");
  EXPECT_EQ(form->Location->Caption, "Street");
  EXPECT_NE(LastOpen().find("Vask03.dat"), std::string::npos);
  GoTo(8, 4, 2);
  EXPECT_EQ(form->Location->Caption, "Closed Market");
  GoTo(8, 1, 2);
  EXPECT_EQ(form->Location->Caption, "Secret Passage");
  // No district but 6 leaves "Street" out of its tables for all its screens.
  for (int row = 1; row <= 2; ++row)
    for (int col = 1; col <= 2; ++col) EXPECT_FALSE(PlacesAt(6, row, col).empty());
}

TEST_F(GameScreen, OnePlaceKeepsItsTrackAndAnotherSwitchesAtOnce) {
  GoTo(1, 1, 1);  // Secret Passage: still track 1
  GoTo(1, 1, 2);
  EXPECT_EQ(Opens(), 1);
  GoTo(1, 2, 2);  // Ali Hassan's House
  EXPECT_EQ(Opens(), 2);
  EXPECT_NE(LastOpen().find("Vask02.dat"), std::string::npos);
  EXPECT_EQ(w->MusicTrack, 2);
  EXPECT_EQ(w->TrackLength, 70);
}

TEST_F(GameScreen, ATrackRestartsOnTheFirstTickAfterItsLength) {
  const int before = Opens();
  // The briefing has already taken some of the Secret Room's track.
  const double played = platform.SecondsSinceMidnight() - w->TrackStartTime;
  platform.PushWait(static_cast<int>((w->TrackLength - played) * 1000) - 500);
  Play();
  EXPECT_EQ(Opens(), before);
  platform.PushWait(1'500);  // one music tick at least falls past the length
  Play();
  EXPECT_EQ(Opens(), before + 1);
  EXPECT_NE(LastOpen().find("Vask01.dat"), std::string::npos);
}

TEST_F(GameScreen, WithMusicOffNoScreenStartsMusic) {
  w->MusicOn = false;
  const std::size_t sent = platform.musicCommands.size();
  GoTo(1, 2, 2);
  GoTo(6, 1, 1);
  platform.PushWait(400'000);
  Play();
  EXPECT_EQ(platform.musicCommands.size(), sent);
}

TEST_F(GameScreen, TheDistrictEdgeOpensItsConversationOncePerPressAndHoldsTheHero) {
  GoTo(1, 1, 3);  // the last column of district 1 (width 60)
  w->HeroFacing = Facing::Right;
  w->HeroX = 537;
  InputEvent down;
  down.kind = InputEvent::Kind::KeyDown;
  down.keyCode = key::kRight;
  platform.Push(down);
  Play();               // the conversation opens and is played to its end
  platform.Push(down);  // the keyboard's repeat once it has closed
  InputEvent up = down;
  up.kind = InputEvent::Kind::KeyUp;
  platform.Push(up);
  Play();
  int talks = 0;
  for (const auto& r : game->requests)
    if (r.what == "TalkForm 250") talks += r.times;
  EXPECT_EQ(talks, 2);
  EXPECT_EQ(w->HeroX, 537);
  EXPECT_EQ(w->TalkScene, 250);
}

TEST_F(GameScreen, TurningBetweenOrientationsKeepsTheSpriteCentred) {
  w->HeroFacing = Facing::Up;
  w->HeroX = 200;
  w->HeroY = 150;
  form->KeyStep(WalkKey::Right);
  EXPECT_EQ(w->HeroX, 206);
  EXPECT_EQ(w->HeroY, 144);
  EXPECT_EQ(w->WalkDir, 1);
  form->KeyStep(WalkKey::Down);
  EXPECT_EQ(w->HeroX, 200);
  EXPECT_EQ(w->HeroY, 150);
  form->KeyStep(WalkKey::Up);  // same orientation: no shift
  EXPECT_EQ(w->HeroX, 200);
}

TEST_F(GameScreen, ControlWithNothingSelectedDoesNothing) {
  const auto requests = game->requests.size();
  const auto before = platform.NowUs();
  form->KeyStep(WalkKey::UseObject);
  EXPECT_EQ(game->requests.size(), requests);
  EXPECT_EQ(platform.NowUs(), before);  // no gesture pauses
  w->Inventory[1] = 40;
  w->HeroFacing = Facing::Left;
  const int x = w->HeroX;
  form->KeyStep(WalkKey::UseObject);
  EXPECT_FALSE(w->TalkFlag);
  EXPECT_EQ(w->HeroX, x);  // out and back
  EXPECT_EQ(platform.NowUs(), before + 150'000);
}

TEST_F(GameScreen, MouseWalksTwoLegsAimingTenPixelsAboveAndLeftOfTheClick) {
  w->HeroFacing = Facing::Right;
  w->HeroX = 100;
  w->HeroY = 100;
  // Equal distances to the clicked point (50, 50): the horizontal leg comes first.
  form->GameBox_MouseDown(kLeftButton, 0, 150, 150);
  EXPECT_TRUE(w->HorizFirst);
  EXPECT_EQ(w->TargetX, 140);
  EXPECT_EQ(w->TargetY, 140);
  EXPECT_EQ(w->WalkDir, 1);
  // A target off the ten-pixel grid is overshot: legs end only at a tick's start.
  form->GameBox_MouseDown(kLeftButton, 0, 155, 150);
  for (int tick = 0; tick < 40 && w->MouseLeg != 0; ++tick) form->Timer1_Timer();
  EXPECT_EQ(w->MouseLeg, 0);
  // Right to 150 (5 past 145), the turn down shifts him (-6, +6), then down
  // from 106 to 146 (6 past 140).
  EXPECT_EQ(w->HeroX, 144);
  EXPECT_EQ(w->HeroY, 146);
  EXPECT_EQ(w->HeroFacing, Facing::Down);
  EXPECT_EQ(w->WalkDir, 0);
}

TEST_F(GameScreen, WithMouseWalkingOffClicksDoNothingAndThePointerStaysPlain) {
  const int plain = game->PointerFrom("Morvane18.dat");
  w->MouseWalkOn = false;
  form->GameBox_MouseDown(kLeftButton, 0, 300, 200);
  form->GameBox_MouseDown(kRightButton, 0, 300, 200);
  EXPECT_EQ(w->MouseLeg, 0);
  EXPECT_EQ(w->WalkDir, 0);
  form->GameBox_MouseMove(0, 0, 5, 5);
  EXPECT_EQ(form->GameBox->Pointer, plain);
}

TEST_F(GameScreen, JumpingToTheCarPlacesTheHeroAndIsRefusedInTheSealedQuarter) {
  form->KeyStep(WalkKey::Up);
  InputEvent j;
  j.kind = InputEvent::Kind::KeyDown;
  j.keyCode = 'J';
  platform.Push(j);
  Play();
  EXPECT_EQ(w->ScreenCol, 1);
  EXPECT_EQ(w->ScreenRow, 2);
  EXPECT_EQ(w->HeroX, 81);
  EXPECT_EQ(w->HeroFacing, Facing::Right);
  EXPECT_EQ(Count("JumpToCar"), 1);
  GoTo(8, 3, 3);
  platform.Push(j);
  Play();
  EXPECT_EQ(Count("JumpToCar"), 1);
  ASSERT_TRUE(shell->signForm.Visible());
  EXPECT_EQ(shell->signForm.SignLabel->Caption, "This option is not available now");
}

TEST(Places, ArrivingStepsOutOfTheCarFacingAway) {
  auto world = std::make_unique<WorldState>();
  PlaceHero(*world, 4, true);
  EXPECT_EQ(world->HeroX, 172 - 8);
  EXPECT_EQ(world->HeroFacing, Facing::Left);
  PlaceHero(*world, 3, false);
  EXPECT_EQ(world->HeroFacing, Facing::Up);
  world->HeroX = 1;
  PlaceHero(*world, 8, true);  // no car there: nothing changes
  EXPECT_EQ(world->HeroX, 1);
}

// A key's effect is on the very next frame the player sees: the frame presented
// after Esc already shows the game menu.
TEST_F(GameScreen, AKeyPressIsDrawnOnTheNextPresentedFrame) {
  platform.framesWanted = true;
  Play();
  const Surface before = platform.screen;
  const int presents = platform.presents;
  InputEvent esc;
  esc.kind = InputEvent::Kind::KeyDown;
  esc.keyCode = key::kEscape;
  platform.Push(esc);
  // The run stops at the first wait for input after the key: the frame presented
  // last is the first the player sees after it.
  Play();
  ASSERT_GT(platform.presents, presents);
  EXPECT_TRUE(shell->menu.Visible());
  EXPECT_FALSE(
      platform.screen.Pixels().size() == before.Pixels().size() &&
      std::equal(before.Pixels().begin(), before.Pixels().end(), platform.screen.Pixels().begin()))
      << "the frame after Esc does not show the menu";
}

}  // namespace
}  // namespace vt
