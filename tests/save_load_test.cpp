// Saving and loading a running game: everything saved comes back, a save that
// fails never harms the slot, and a slot that cannot be read changes nothing.
#include "savegame/save_load.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "game_fixture.h"
#include "interaction/interaction.h"
#include "savegame/safe_write.h"
#include "savegame/saved_game.h"
#include "tools/runner/world_dump.h"

namespace vt::test {
namespace {

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The system's files, failing at the n-th operation (1 = the first).
class FailingFiles final : public FileOps {
 public:
  explicit FailingFiles(int failAt) : failAt_(failAt) {}
  int operations = 0;
  int Create(const std::string& path) override { return Fails() ? -1 : SystemFiles().Create(path); }
  bool Write(int f, std::string_view b) override { return !Fails() && SystemFiles().Write(f, b); }
  bool Sync(int f) override { return !Fails() && SystemFiles().Sync(f); }
  bool Close(int f) override {
    const bool fail = Fails();
    return SystemFiles().Close(f) && !fail;  // the descriptor goes either way
  }
  bool Rename(const std::string& a, const std::string& b) override {
    return !Fails() && SystemFiles().Rename(a, b);
  }
  void Remove(const std::string& path) override { SystemFiles().Remove(path); }
  void SyncFolder(const std::string& folder) override { SystemFiles().SyncFolder(folder); }

 private:
  bool Fails() { return ++operations == failAt_; }
  int failAt_;
};

class SaveLoad : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    game->savesFolder = dir.string();
    shell->gameForm.SetPlaceCaptions("Prestigious Quarter", "Secret Room");
  }
  // Runs a save or load that may show a message: a key is ready to close it.
  template <class F>
  bool WithMessage(F&& f) {
    InputEvent enter;  // pressed only, so nothing is left over for the game screen
    enter.kind = InputEvent::Kind::KeyDown;
    enter.keyCode = key::kEnter;
    platform.Push(enter);
    const bool ok = f();
    EXPECT_TRUE(platform.QueueEmpty()) << "no message was shown";
    return ok;
  }
  std::string WorldText() const { return DumpWorld(*w).Dump(); }
  std::string Slot(int slot) const { return Bytes(SlotPath(*game, slot)); }
  void PutSlot(int slot, const std::string& bytes) {
    std::ofstream(SlotPath(*game, slot), std::ios::binary) << bytes;
  }
};

TEST_F(SaveLoad, EverySavedValueComesBackAndNothingElseMoves) {
  std::mt19937 rng(11);
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  const int objects[] = {30, 32, 33, 38, 39, 40, 41, 42, 43, 73, 84, 120};
  for (int round = 0; round < 20; ++round) {
    // A world somewhere in the fixture's city: districts 1 (2 x 3), 6 (2 x 2), 8 (5 x 6).
    const int districts[][3] = {{1, 2, 3}, {6, 2, 2}, {8, 5, 6}};
    const auto& d = districts[pick(0, 2)];
    GoTo(d[0], pick(1, d[1]), pick(1, d[2]));
    w->HeroX = static_cast<std::int16_t>(pick(kHeroMinX, kHeroMaxX));
    w->HeroY = static_cast<std::int16_t>(pick(kHeroMinY, kHeroMaxY));
    w->HeroFacing = static_cast<Facing>(pick(0, 3));
    w->IncomingText = pick(0, 1) ? "" : "HQ: GO >";
    w->TransNumber = static_cast<std::uint8_t>(pick(137, 153));
    // Each object is in the world once: the hero never carries one twice.
    const int object = objects[pick(0, 11)];
    if (std::find(w->Inventory.begin(), w->Inventory.begin() + w->InvCount + 1, object) ==
        w->Inventory.begin() + w->InvCount + 1)
      InventoryAction(*game, InvAction::Get, object);
    for (auto& f : w->StoryFlags) f = static_cast<std::uint8_t>(pick(0, 255));
    for (auto& o : w->DistrictOpen) o = pick(0, 1);
    for (auto& t : w->Transmissions) t = pick(0, 1);
    w->CellChanged[static_cast<std::size_t>(pick(1, 9))][static_cast<std::size_t>(pick(1, 10))]
                  [static_cast<std::size_t>(pick(1, 10))][static_cast<std::size_t>(pick(1, 12))]
                  [static_cast<std::size_t>(pick(1, 20))] = true;
    const int slot = pick(0, 4);
    const SavedGame before = CaptureSavedGame(*w, "x", "", "");
    ASSERT_TRUE(SaveGame(*game, slot, "round"));
    EXPECT_TRUE(w->SaveLoadOK);

    // Walk off somewhere else, change the settings, then load.
    GoTo(6, 1, 1);
    w->HeroX = 3;
    w->StoryFlags.fill(0);
    w->InvCount = 0;
    w->TalkScene = 77;
    w->MusicOn = false;
    w->SaveLoadOK = false;
    w->ScriptFlag1 = true;
    ASSERT_TRUE(LoadGame(*game, slot));
    const SavedGame after = CaptureSavedGame(*w, "x", "", "");
    EXPECT_EQ(FormatSavedGame(after), FormatSavedGame(before)) << "round " << round;
    EXPECT_EQ(w->TalkScene, 77);
    EXPECT_FALSE(w->MusicOn);
    EXPECT_TRUE(w->SaveLoadOK);
    EXPECT_TRUE(w->TalkFlag);
    EXPECT_FALSE(w->ScriptFlag1);
    w->MusicOn = true;
  }
}

// A turn beside a screen's top or left border takes the hero a few pixels past it (he
// arrives at 1 and a turn shifts him 6): a game saved there loads again.
TEST_F(SaveLoad, AHeroWhoTurnedBesideTheBorderIsSavedAndLoaded) {
  GoTo(1, 2, 2);
  w->HeroFacing = Facing::Down;
  w->HeroX = 200;
  w->HeroY = 1;  // just arrived from the screen above
  form->KeyStep(WalkKey::Right);
  ASSERT_EQ(w->HeroY, -5);
  w->HeroFacing = Facing::Right;
  w->HeroX = 1;  // just arrived from the screen on the left
  w->HeroY = 150;
  form->KeyStep(WalkKey::Up);
  ASSERT_EQ(w->HeroX, -5);
  w->HeroY = -5;
  ASSERT_TRUE(SaveGame(*game, 2, "by the border"));
  GoTo(1, 1, 1);
  ASSERT_TRUE(LoadGame(*game, 2));
  EXPECT_EQ(w->ScreenRow, 2);
  EXPECT_EQ(w->HeroX, -5);
  EXPECT_EQ(w->HeroY, -5);
}

TEST_F(SaveLoad, AFailedSaveLeavesTheOldSlotExactlyAsItWas) {
  ASSERT_TRUE(SaveGame(*game, 1, "the old one"));
  const std::string old = Slot(1);
  w->HeroX = 200;
  FailingFiles counting(0);
  ASSERT_TRUE(SaveGame(*game, 1, "the new one", counting));
  const std::string fresh = Slot(1);
  ASSERT_NE(fresh, old);
  ASSERT_GT(counting.operations, 5);  // create, several writes, flush, close, rename

  for (int n = 1; n <= counting.operations; ++n) {
    PutSlot(1, old);
    FailingFiles failing(n);
    w->SaveLoadOK = true;
    EXPECT_FALSE(WithMessage([&] { return SaveGame(*game, 1, "the new one", failing); }))
        << "operation " << n;
    EXPECT_EQ(Slot(1), old) << "operation " << n;
    EXPECT_FALSE(fs::exists(SlotPath(*game, 1) + ".new")) << "operation " << n;
    EXPECT_FALSE(w->SaveLoadOK);
    EXPECT_EQ(shell->signForm.SignLabel->Caption, "The game could not be saved");
  }
}

TEST_F(SaveLoad, ASlotThatCannotBeReadChangesNothing) {
  ASSERT_TRUE(SaveGame(*game, 0, "good"));
  const std::string good = Slot(0);
  std::vector<std::string> damaged = {"", "<EMPTY>\r\n", good.substr(0, good.size() / 2),
                                      good.substr(0, good.size() - 5), std::string("\0\0\0\0", 4)};
  // The screen must lie inside its district: district 1 has two rows of screens.
  std::string outside = good;
  outside.replace(outside.find("\r\n1\r\n") + 2, 1, "5");  // line 3, the screen row
  damaged.push_back(outside);
  std::string unknownDistrict = good;
  unknownDistrict.replace(unknownDistrict.find("\r\n") + 2, 1, "4");  // no district 4 here
  damaged.push_back(unknownDistrict);

  GoTo(8, 3, 4);
  w->HeroX = 123;
  w->SaveLoadOK = false;  // as a refused load leaves it
  const std::string running = WorldText();
  for (const std::string& bytes : damaged) {
    PutSlot(0, bytes);
    EXPECT_FALSE(WithMessage([&] { return LoadGame(*game, 0); })) << bytes.substr(0, 40);
    EXPECT_TRUE(WorldText() == running);
    EXPECT_EQ(shell->signForm.SignLabel->Caption, "This saved game cannot be read");
  }
  // A missing file too.
  fs::remove(SlotPath(*game, 0));
  EXPECT_FALSE(WithMessage([&] { return LoadGame(*game, 0); }));
  EXPECT_TRUE(WorldText() == running);
}

TEST_F(SaveLoad, TheWindowReadsNamesAndWhereTheGamesStand) {
  ASSERT_TRUE(SaveGame(*game, 2, "Darras, day one"));
  const SlotSummary saved = ReadSlotSummary(*game, 2);
  EXPECT_FALSE(saved.empty);
  EXPECT_EQ(saved.name, "Darras, day one");
  EXPECT_EQ(saved.where, "Prestigious Quarter, Secret Room.");

  PutSlot(3, "<EMPTY>\r\n");
  EXPECT_TRUE(ReadSlotSummary(*game, 3).empty);
  EXPECT_EQ(ReadSlotSummary(*game, 3).name, "<EMPTY>");
  EXPECT_EQ(ReadSlotSummary(*game, 3).where, "");
  // No file at all reads as an empty slot.
  EXPECT_TRUE(ReadSlotSummary(*game, 4).empty);
  // A readable name over a damaged body: the name shows, loading refuses.
  PutSlot(4, "Half a save\r\n1\r\n");
  EXPECT_EQ(ReadSlotSummary(*game, 4).name, "Half a save");
  EXPECT_FALSE(WithMessage([&] { return LoadGame(*game, 4); }));
}

}  // namespace
}  // namespace vt::test
