// The random player's checks: each catches what it is there for.
#include <gtest/gtest.h>

#include <fstream>

#include "savegame/save_load.h"
#include "scratch_folder.h"
#include "test_support.h"
#include "tools/monkey/invariants.h"

namespace vt {
namespace {

// A game in the state a new game leaves it, with its slots in a folder of its own.
class MonkeyInvariants : public test::ScratchFolder {
 protected:
  MonkeyInvariants() : ScratchFolder("veltrane-monkey-") {}
  void SetUp() override {
    ScratchFolder::SetUp();
    game->savesFolder = dir_.string();
    MakeEmptySlots(dir_.string());
    ApplyGameResetValues(*w);
    ApplyNewGameValues(*w);
    w->District = 1;
  }
  std::string Check() { return Invariants().Check(*game, h.platform); }
  test::HeadlessGame h;
  Game* game = h.game;
  WorldState* w = &h.game->world;
};

TEST_F(MonkeyInvariants, ANewGameHoldsAndEachBrokenPromiseIsNamed) {
  EXPECT_EQ(Check(), "");

  w->HeroY = -11;
  EXPECT_NE(Check().find("outside the screen"), std::string::npos);
  w->HeroY = 100;

  w->Inventory[1] = 33;
  w->Inventory[2] = 33;
  w->InvCount = 2;
  EXPECT_NE(Check().find("object 33 is carried twice"), std::string::npos);
  w->Inventory[2] = 39;
  w->InvCount = 41;
  EXPECT_NE(Check().find("41 objects"), std::string::npos);
  w->InvCount = 2;

  w->District = 5;  // Club Nargila is not on the map yet
  EXPECT_NE(Check().find("not open"), std::string::npos);
  w->District = 1;

  w->TransNumber = 154;
  EXPECT_NE(Check().find("transmission number is 154"), std::string::npos);
  w->TransNumber = 137;
  EXPECT_EQ(Check(), "");
}

TEST_F(MonkeyInvariants, ASlotThatCannotBeReadBackIsCaught) {
  Invariants invariants;
  EXPECT_EQ(invariants.Check(*game, h.platform), "");
  std::ofstream(SlotPath(*game, 3), std::ios::binary) << "half a save\r\n1\r\n";
  EXPECT_NE(invariants.Check(*game, h.platform).find("slot 4 cannot be read back"),
            std::string::npos);
}

}  // namespace
}  // namespace vt
