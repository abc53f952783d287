// Walking pace, mouse walks that meet obstacles or keys, and the music across midnight.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace vt {
namespace {

class Walking : public test::GameFixture {
 protected:
  void Hold(int keyCode, int ms) {
    platform.PushHold(keyCode, ms);
    Play();
  }
};

// The walking tick is the era's 55 ms clock: half a second held is about 100 pixels, a
// screen's width about three seconds.
TEST_F(Walking, HalfASecondHeldWalksAboutAHundredPixels) {
  GoTo(1, 2, 2);  // open floor
  w->HeroFacing = Facing::Right;
  w->HeroX = 100;
  w->HeroY = 150;
  Hold(key::kRight, 500);
  EXPECT_GE(w->HeroX - 100, 80);
  EXPECT_LE(w->HeroX - 100, 100);
  EXPECT_EQ(w->HeroY, 150);
}

// A key takes over from the mouse: the walk it interrupts is over, and the hero goes
// where the key says, not on towards the click nor along the walk's second leg.
TEST_F(Walking, AKeyEndsAMouseWalk) {
  GoTo(1, 2, 2);
  w->HeroFacing = Facing::Right;
  w->HeroX = 200;
  w->HeroY = 150;
  form->GameBox_MouseDown(kLeftButton, 0, 500, 300);  // right, then down
  ASSERT_EQ(w->MouseLeg, 1);
  Hold(key::kLeft, 300);
  EXPECT_EQ(w->MouseLeg, 0);
  EXPECT_EQ(w->HeroFacing, Facing::Left);
  EXPECT_LT(w->HeroX, 200);
  EXPECT_EQ(w->HeroY, 150);
}

// An obstacle on the first leg gives that leg up; the second leg still brings the hero
// level with the click, and the walk ends.
TEST_F(Walking, ABlockedFirstLegHandsOverToTheSecond) {
  GoTo(1, 1, 3);  // the object 50 at (4, 4) blocks the way west along rows 3-4
  w->HeroFacing = Facing::Left;
  w->HeroX = 200;
  w->HeroY = 60;
  form->GameBox_MouseDown(kLeftButton, 0, 20, 100);  // target (10, 90): west first
  ASSERT_TRUE(w->HorizFirst);
  platform.PushWait(3000);
  Play();
  EXPECT_EQ(w->MouseLeg, 0);
  EXPECT_EQ(w->WalkDir, 0);
  EXPECT_GT(w->HeroX, 90);  // stopped by the object, not at the target
  EXPECT_GE(w->HeroY, 90);  // but level with it
  EXPECT_EQ(w->HeroFacing, Facing::Down);
}

// When the clock passes midnight during a track, the next music tick starts the place's
// track again rather than waiting for the same time the next day.
// The passage out of the sealed quarter's Secret Room is one way, for the mouse too:
// a mouse walk whose second leg turns the hero east at the passage's end stops there,
// as a held key does, rather than walking him back into the room in the same tick.
TEST_F(Walking, AMouseWalkTurningAtAStoryGateStopsThere) {
  GoTo(8, 1, 2);
  w->StoryFlags[189] = 2;
  w->HeroFacing = Facing::Down;
  w->HeroX = 540;
  w->HeroY = 120;
  form->GameBox_MouseDown(kLeftButton, 0, 580, 170);  // down first, then east
  ASSERT_EQ(w->MouseLeg, 1);
  platform.PushWait(3000);
  Play();
  EXPECT_EQ(w->ScreenCol, 2);
  EXPECT_EQ(w->HeroFacing, Facing::Right);
  EXPECT_LE(w->HeroX, 547);
  // The same turn by the gate of the shaft, and by the district's own edge.
  GoTo(8, 1, 3);
  w->HeroFacing = Facing::Right;
  w->HeroX = 200;
  w->HeroY = 290;
  form->GameBox_MouseDown(kLeftButton, 0, 230, 330);  // east first, then down
  platform.PushWait(3000);
  Play();
  EXPECT_EQ(w->ScreenRow, 1);
  EXPECT_EQ(w->HeroFacing, Facing::Down);
  EXPECT_LE(w->HeroY, 305);
}

TEST_F(Walking, AfterMidnightTheNextMusicTickRestartsTheTrack) {
  ASSERT_GT(w->MusicTrack, 0);
  const int before = Opens();
  w->TrackStartTime = 86'300;  // began 100 s before midnight, long to go
  w->TrackLength = 340;
  platform.midnightOffsetSeconds = 86'400 + 30 - platform.NowUs() / 1e6;  // now 00:00:30
  platform.PushWait(1'000);
  Play();
  EXPECT_EQ(Opens(), before + 1);
  EXPECT_LT(w->TrackStartTime, 100);
  // Afterwards the track runs its length again.
  platform.PushWait(5'000);
  Play();
  EXPECT_EQ(Opens(), before + 1);
}

}  // namespace
}  // namespace vt
