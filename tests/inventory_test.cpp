// The inventory bar: adding and giving away objects, the frame and the keys,
// the scrolling arrows, the selected object's name and the place pictures.
#include <gtest/gtest.h>

#include "interaction/interaction.h"
#include "platform/headless/headless_platform.h"
#include "shell/shell.h"
#include "test_support.h"

namespace vt {
namespace {

constexpr char kFolder[] = "/game";
// Object tile f is a centred 10 × 10 square of (f, 0, 200) on the key colour.
Color ObjectColour(int f) { return Rgb(f, 0, 200); }
constexpr Color kPlaceBack = Rgb(60, 70, 80);
// Each arrow picture is a plain colour that names it.
Color ArrowColour(int file) { return Rgb(file, 150, 150); }

class InventoryBar : public ::testing::Test {
 protected:
  MemoryMedia media;
  HeadlessPlatform platform{media};
  std::unique_ptr<Shell> shell;
  Game* game = nullptr;
  WorldState* w = nullptr;
  GameForm* form = nullptr;

  void SetUp() override {
    Surface strip(194 * 30, 30, kKeyColor);
    for (int f = 0; f < 194; ++f) FillRect(strip, {30 * f + 10, 10, 10, 10}, ObjectColour(f));
    Put("Morvane16.dat", strip);
    Put("Morvane11.dat", Surface(30, 30, kPlaceBack));
    for (int file = 7; file <= 10; ++file)
      Put("Morvane" + std::string(file < 10 ? "0" : "") + std::to_string(file) + ".dat",
          Surface(30, 30, ArrowColour(file)));
    // The rest of the game screen's pictures, only so that they load.
    for (const char* name : {"Trasken01.dat", "Trasken02.dat", "Morvane01.dat", "Morvane15.dat",
                             "Morvane18.dat", "Morvane19.dat"})
      Put(name, Surface(30, 30));
    shell = std::make_unique<Shell>(platform, kFolder);
    test::AnswerConversations(platform, *shell);
    game = &shell->game;
    w = &game->world;
    form = &shell->gameForm;
    ApplyStartupSettings(*w);
    w->FullScreen = true;
    form->Show();
    ApplyNewGameValues(*w);
  }
  void Put(const std::string& name, Surface picture) {
    media.files[std::string(kFolder) + "/" + name] = std::move(picture);
  }
  void Play() {
    try {
      game->ui.Run();
    } catch (const ScriptEnded&) {
    }
  }
  void Get(std::initializer_list<int> objects) {
    for (int n : objects) InventoryAction(*game, InvAction::Get, n);
  }

  // The place the frame marks, read from the controls as the game reads it.
  int Framed() const {
    for (int k = 1; k <= 6; ++k)
      if (form->ObjectImage[k].Bounds.x == form->InvSelect->Bounds.x + 2) return k;
    return 0;
  }
  // The object a place shows (its square's red), 0 for the plain background.
  int Shown(int place) const {
    const Color c = form->ObjectImage[place].Picture.At(15, 15);
    return c == kPlaceBack ? 0 : RedOf(c);
  }
  std::vector<int> Row() const {
    std::vector<int> row;
    for (int k = 1; k <= 6; ++k) row.push_back(form->ObjectImage[k].Visible ? Shown(k) : -1);
    return row;
  }
  int Arrow(int index) const { return RedOf(form->ObjectImage[index].Picture.At(15, 15)); }
  int Sounds() const {
    int n = 0;
    for (const auto& e : platform.effects) n += e.name == "GetObject";
    return n;
  }
  // The middle of a bar control on the canvas.
  void ClickObjectImage(int index) {
    const Rect r = form->ObjectImage[index].Bounds;
    platform.PushClick(form->Bounds.x + r.x + 15, form->Bounds.y + r.y + 15);
    Play();
  }
};

TEST_F(InventoryBar, TheFirstObjectsFillThePlacesAndTheSeventhScrollsTheRow) {
  Get({30});
  EXPECT_TRUE(form->InvSelect->Visible);
  EXPECT_EQ(Framed(), 1);
  EXPECT_EQ(form->InvLabel->Caption, "Plague documents");
  Get({32, 33, 38, 39, 40});
  EXPECT_EQ(Row(), (std::vector<int>{30, 32, 33, 38, 39, 40}));
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_EQ(Framed(), 1);  // the selection stays on the first object
  EXPECT_EQ(Arrow(0), 10);
  EXPECT_EQ(Arrow(7), 8);

  Get({41});
  EXPECT_EQ(w->InvCount, 7);
  EXPECT_EQ(w->InvFirst, 7);
  EXPECT_EQ(Framed(), 6);
  EXPECT_EQ(Row(), (std::vector<int>{32, 33, 38, 39, 40, 41}));
  EXPECT_TRUE(w->InvScrollBack);
  EXPECT_EQ(Arrow(0), 9);
  EXPECT_FALSE(w->InvScrollFwd);
  EXPECT_EQ(Arrow(7), 8);
  EXPECT_EQ(form->InvLabel->Caption, "An antique bowl");
  EXPECT_EQ(Sounds(), 7);
}

TEST_F(InventoryBar, KeysWalkTheFrameAndScrollOnlyAtTheEnds) {
  Get({30, 32, 33, 38, 39, 40, 41});
  // Slot 8 is empty: Page Down changes nothing and stays quiet.
  platform.PushKey(key::kPageDown);
  Play();
  InventoryAction(*game, InvAction::MoveRight);
  EXPECT_EQ(w->InvFirst, 7);
  EXPECT_EQ(Framed(), 6);
  EXPECT_EQ(Row(), (std::vector<int>{32, 33, 38, 39, 40, 41}));
  EXPECT_EQ(Sounds(), 7);

  // End walks the frame left, then scrolls the row back at place 1.
  for (int i = 0; i < 5; ++i) InventoryAction(*game, InvAction::MoveLeft);
  EXPECT_EQ(w->InvFirst, 2);
  EXPECT_EQ(Framed(), 1);
  EXPECT_EQ(form->InvLabel->Caption, "An 'Islamia Oil' Employee Pass");
  platform.PushKey(key::kEnd);
  Play();
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_EQ(Framed(), 1);
  EXPECT_EQ(Row(), (std::vector<int>{30, 32, 33, 38, 39, 40}));
  EXPECT_FALSE(w->InvScrollBack);
  EXPECT_EQ(Arrow(0), 10);
  EXPECT_TRUE(w->InvScrollFwd);
  EXPECT_EQ(Arrow(7), 7);
  InventoryAction(*game, InvAction::MoveLeft);
  EXPECT_EQ(w->InvFirst, 1);

  // Page Down at place 6 scrolls forward while objects follow.
  for (int i = 0; i < 6; ++i) InventoryAction(*game, InvAction::MoveRight);
  EXPECT_EQ(w->InvFirst, 7);
  EXPECT_EQ(Framed(), 6);
  EXPECT_EQ(Row(), (std::vector<int>{32, 33, 38, 39, 40, 41}));
  EXPECT_EQ(Sounds(), 7);  // the keys never sound
}

TEST_F(InventoryBar, GivingAwayTheOnlyObjectEmptiesTheBar) {
  Get({42});
  InventoryAction(*game, InvAction::Give, 42);
  EXPECT_EQ(w->InvCount, 0);
  EXPECT_EQ(w->Inventory[1], 0);
  EXPECT_FALSE(form->ObjectImage[1].Visible);
  EXPECT_FALSE(form->InvSelect->Visible);
  EXPECT_FALSE(w->InvScrollBack);
  EXPECT_FALSE(w->InvScrollFwd);
  EXPECT_EQ(Arrow(0), 10);
  EXPECT_EQ(Arrow(7), 8);
  EXPECT_EQ(form->InvLabel->Caption, "The Inventory is empty");
  EXPECT_EQ(Sounds(), 2);
  // The next object brings the frame back on place 1.
  Get({33});
  EXPECT_TRUE(form->InvSelect->Visible);
  EXPECT_EQ(Framed(), 1);
}

TEST_F(InventoryBar, GivingAwaySelectsTheFirstSlotAndClosesTheGap) {
  Get({30, 32, 33});
  InventoryAction(*game, InvAction::JumpTo, 3);
  EXPECT_EQ(w->InvFirst, 3);
  InventoryAction(*game, InvAction::Give, 32);
  EXPECT_EQ(w->InvCount, 2);
  EXPECT_EQ(w->Inventory[1], 30);
  EXPECT_EQ(w->Inventory[2], 33);
  EXPECT_EQ(w->Inventory[3], 0);
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_EQ(Framed(), 1);
  EXPECT_EQ(Row(), (std::vector<int>{30, 33, -1, -1, -1, -1}));
  EXPECT_EQ(form->InvLabel->Caption, "Plague documents");

  // From a scrolled row the bar returns to its start with the later slots ahead.
  Get({38, 39, 40, 41, 42});
  EXPECT_EQ(w->InvFirst, 7);
  InventoryAction(*game, InvAction::Give, 30);
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_EQ(Framed(), 1);
  EXPECT_EQ(Row(), (std::vector<int>{33, 38, 39, 40, 41, 42}));
  EXPECT_FALSE(w->InvScrollBack);
  EXPECT_FALSE(w->InvScrollFwd);

  // An object not held removes nothing, but the selection still returns.
  InventoryAction(*game, InvAction::JumpTo, 4);
  InventoryAction(*game, InvAction::Give, 150);
  EXPECT_EQ(w->InvCount, 6);
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_EQ(Framed(), 1);
}

TEST_F(InventoryBar, ArrowsScrollOnlyWhenTheyMayAndClicksOnPlacesSelect) {
  Get({30, 32, 33});
  ClickObjectImage(0);
  ClickObjectImage(7);
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_EQ(Framed(), 1);
  EXPECT_EQ(Sounds(), 3);

  ClickObjectImage(1);  // the framed place sounds too
  EXPECT_EQ(w->InvFirst, 1);
  EXPECT_EQ(Sounds(), 4);
  ClickObjectImage(3);  // a place selects its object and sounds
  EXPECT_EQ(w->InvFirst, 3);
  EXPECT_EQ(Framed(), 3);
  EXPECT_EQ(Sounds(), 5);
  EXPECT_EQ(form->InvLabel->Caption, "A coin");

  Get({38, 39, 40, 41, 42});  // slots 3 to 8 in view, the frame on place 6
  ClickObjectImage(0);
  ClickObjectImage(0);
  EXPECT_EQ(w->InvFirst, 6);  // the frame stays, the row moves under it
  EXPECT_EQ(Framed(), 6);
  EXPECT_EQ(Row(), (std::vector<int>{30, 32, 33, 38, 39, 40}));
  EXPECT_FALSE(w->InvScrollBack);
  EXPECT_TRUE(w->InvScrollFwd);
  ClickObjectImage(0);  // the first slot is in view now
  EXPECT_EQ(w->InvFirst, 6);
  ClickObjectImage(7);
  EXPECT_EQ(w->InvFirst, 7);
  EXPECT_EQ(Row(), (std::vector<int>{32, 33, 38, 39, 40, 41}));
  EXPECT_EQ(form->InvLabel->Caption, "An antique bowl");
  EXPECT_EQ(Sounds(), 10);  // the arrows are quiet
}

TEST_F(InventoryBar, AnObjectWithoutANameLeavesThePreviousName) {
  Get({30, 31});
  EXPECT_EQ(form->InvLabel->Caption, "Plague documents");
  InventoryAction(*game, InvAction::JumpTo, 2);
  EXPECT_EQ(w->InvFirst, 2);
  EXPECT_EQ(form->InvLabel->Caption, "Plague documents");
  EXPECT_EQ(Shown(2), 31);
}

TEST_F(InventoryBar, LoadingRestoresObjectsQuietly) {
  for (int n : {120, 121, 122, 123, 126, 127, 128}) InventoryAction(*game, InvAction::Load, n);
  EXPECT_EQ(w->InvCount, 7);
  EXPECT_EQ(w->InvFirst, 7);
  EXPECT_EQ(Row(), (std::vector<int>{121, 122, 123, 126, 127, 128}));
  EXPECT_EQ(form->InvLabel->Caption, "The keys to Abed's car");
  EXPECT_EQ(Sounds(), 0);
}

TEST_F(InventoryBar, AFullInventoryRefusesMoreAndTheGameGoesOn) {
  for (int i = 0; i < 40; ++i) InventoryAction(*game, InvAction::Get, 100 + i);
  EXPECT_EQ(w->InvCount, 40);
  InventoryAction(*game, InvAction::Get, 172);
  EXPECT_EQ(w->InvCount, 40);
  EXPECT_EQ(w->Inventory[40], 139);
  EXPECT_EQ(w->InvFirst, 40);
  EXPECT_EQ(Sounds(), 40);
  // Nothing lies beyond the last slot to move onto.
  InventoryAction(*game, InvAction::MoveRight);
  InventoryAction(*game, InvAction::MoveAllRight);
  EXPECT_EQ(w->InvFirst, 40);
  InventoryAction(*game, InvAction::MoveLeft);
  EXPECT_EQ(w->InvFirst, 39);
  EXPECT_EQ(Framed(), 5);
}

TEST_F(InventoryBar, AnOldGamesLaterSlotsAreNeverSelected) {
  // A new game empties only the first six slots.
  w->Inventory[7] = 150;
  w->Inventory[8] = 162;
  Get({30, 32, 33, 38, 39, 40});
  for (int i = 0; i < 6; ++i) InventoryAction(*game, InvAction::MoveRight);
  EXPECT_EQ(w->InvFirst, 6);
  EXPECT_EQ(Row(), (std::vector<int>{30, 32, 33, 38, 39, 40}));
  EXPECT_FALSE(w->InvScrollFwd);
}

TEST_F(InventoryBar, APlaceShowsItsObjectOverThePlaceBackground) {
  Get({30, 84});
  const Surface& place = form->ObjectImage[2].Picture;
  ASSERT_EQ(place.Width(), 30);
  ASSERT_EQ(place.Height(), 30);
  EXPECT_EQ(place.At(15, 15), ObjectColour(84));
  EXPECT_EQ(place.At(10, 10), ObjectColour(84));
  EXPECT_EQ(place.At(9, 10), kPlaceBack);  // the tile's key colour shows the background
  EXPECT_EQ(place.At(0, 0), kPlaceBack);
  EXPECT_EQ(place.At(29, 29), kPlaceBack);
  // And so it reaches the screen, in its place on the bar.
  game->ui.Refresh();
  const Rect r = form->ObjectImage[2].Bounds;
  const Color onScreen = game->ui.Canvas().At(form->Bounds.x + r.x + 15, form->Bounds.y + r.y + 15);
  EXPECT_EQ(onScreen, ObjectColour(84));
  EXPECT_EQ(game->ui.Canvas().At(form->Bounds.x + r.x + 1, form->Bounds.y + r.y + 1), kPlaceBack);
}

TEST_F(InventoryBar, AMissingPlaceBackgroundStillDrawsTheObject) {
  media.files.erase(std::string(kFolder) + "/Morvane11.dat");
  Get({42});
  const Surface& place = form->ObjectImage[1].Picture;
  EXPECT_EQ(place.Width(), 30);
  EXPECT_EQ(place.At(15, 15), ObjectColour(42));
  // An object beyond the tile strip shows an empty place rather than a stale one.
  Get({400});
  EXPECT_EQ(form->ObjectImage[2].Picture.At(15, 15), kBlack);
}

}  // namespace
}  // namespace vt
