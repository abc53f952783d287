// The city map: which districts it offers, and where each way out leaves the
// hero, what it redraws and what is heard.
#include <set>
#include <vector>

#include "citymap/map_form.h"
#include "game_fixture.h"

namespace vt::test {
namespace {

constexpr char kBack[] = "Back to Prestigious Quarter";

class CityMap : public GameFixture {
 protected:
  MapForm* map = nullptr;

  void SetUp() override {
    GameFixture::SetUp();
    // District 2 around its arrival screen (2, 4), with records of its own.
    std::vector<ScreenTiles> d2;
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 4; ++c) d2.push_back({r, c, 1, {}});
    WriteDistrict(dir / "Strategy02.dat", 24, 80, d2, {"1,2,3,4,1,Penurious*sign"}, {"5,6,7,8,1"});
    map = &shell->mapForm;
    platform.effects.clear();
  }

  // Opens the map on the queued input; false when it was still open when the input ran out.
  bool OpenMap() {
    try {
      shell->ShowMap(kBack);
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  // The districts whose names the map shows when it opens.
  std::set<int> Offered() {
    EXPECT_FALSE(OpenMap());
    std::set<int> shown;
    for (int n = 1; n <= 7; ++n)
      if (map->Label2[n].Visible) shown.insert(n);
    return shown;
  }
  // A click on the middle of label n, where the player sees it.
  void ClickLabel(int n) {
    const Rect r = map->Label2.Has(n) ? map->Label2[n].Bounds : Rect{};
    platform.PushClick(map->Bounds.x + r.x + r.w / 2, map->Bounds.y + r.y + r.h / 2);
  }
  std::vector<std::string> Effects() const {
    std::vector<std::string> names;
    for (const auto& e : platform.effects) names.push_back(e.name);
    return names;
  }
};

TEST_F(CityMap, OffersTheDistrictsTheStoryHasOpened) {
  EXPECT_EQ(Offered(), (std::set<int>{1, 2, 3}));
  EXPECT_EQ(map->Label2[0].Caption, kBack);
  EXPECT_TRUE(map->Label2[0].Visible);
  EXPECT_EQ(map->Label2[2].Caption, "Penurious Quarter");
  // It stands over the game screen, and the engine starts before it idles.
  EXPECT_EQ(map->Bounds.x, form->Bounds.x + 24);
  EXPECT_EQ(map->Bounds.y, form->Bounds.y + 35);
  EXPECT_EQ(Effects(), (std::vector<std::string>{"StartEngine", "BackEngine"}));

  w->DistrictOpen[4] = true;
  EXPECT_EQ(Offered(), (std::set<int>{1, 2, 3, 4}));
  w->DistrictOpen[4] = false;
  w->DistrictOpen[6] = true;
  EXPECT_EQ(Offered(), (std::set<int>{1, 2, 3, 6}));
}

TEST_F(CityMap, TheCurrentDistrictPutsTheHeroAtItsArrivalPoint) {
  GoTo(1, 1, 3);
  w->HeroX = 305;
  w->HeroY = 80;
  const std::string sign = w->SignList[1];
  EXPECT_FALSE(OpenMap());  // builds the map so its labels can be clicked
  platform.effects.clear();
  ClickLabel(1);
  EXPECT_TRUE(OpenMap());
  EXPECT_EQ(w->District, 1);
  EXPECT_EQ(w->ScreenRow, 2);
  EXPECT_EQ(w->ScreenCol, 1);
  EXPECT_EQ(w->HeroX, 75);
  EXPECT_EQ(w->HeroY, 115);
  EXPECT_EQ(w->HeroFacing, Facing::Left);
  EXPECT_EQ(w->SignList[1], sign);
  EXPECT_EQ(CellCentre(6, 10), BackColorOf(5));  // the floor of screen (2, 1)
  EXPECT_EQ(Effects(), (std::vector<std::string>{"StartEngine", "BackEngine", "SlamDoor"}));
  EXPECT_FALSE(map->IsLoaded());
  EXPECT_FALSE(w->KeysUsed);
}

TEST_F(CityMap, AnotherDistrictIsDrivenTo) {
  EXPECT_FALSE(OpenMap());
  platform.effects.clear();
  ClickLabel(2);
  EXPECT_TRUE(OpenMap());
  EXPECT_EQ(w->District, 2);
  EXPECT_EQ(w->ScreenRow, 2);
  EXPECT_EQ(w->ScreenCol, 4);
  EXPECT_EQ(w->HeroX, 75);
  EXPECT_EQ(w->HeroY, 75);
  EXPECT_EQ(w->HeroFacing, Facing::Left);
  // The new district's screen and records, and its name in the game bar.
  EXPECT_EQ(CellCentre(6, 10), BackColorOf(1));
  EXPECT_EQ(w->SignCount, 1);
  EXPECT_EQ(w->SignList[1], "1,2,3,4,1,Penurious*sign");
  EXPECT_EQ(w->SwitchList[2], "0");
  EXPECT_EQ(form->DistrictCaption(), "Penurious Quarter");
  EXPECT_EQ(Effects(),
            (std::vector<std::string>{"StartEngine", "BackEngine", "Drive", "SlamDoor"}));
}

TEST_F(CityMap, TheWayBackLeavesTheHeroWhereHeWas) {
  for (bool esc : {true, false}) {
    SCOPED_TRACE(esc ? "Esc" : "back label");
    GoTo(1, 1, 3);
    w->HeroX = 305;
    w->HeroY = 80;
    w->HeroFacing = Facing::Up;
    EXPECT_FALSE(OpenMap());
    platform.effects.clear();
    FillRect(game->surfaces.GameBox, {0, 0, 570, 330}, Rgb(75, 65, 55));  // the closing-in
    // Keys other than Esc do nothing.
    for (int ignored : {key::kEnter, key::kSpace, key::kLeft, int{'J'}}) platform.PushKey(ignored);
    if (esc)
      platform.PushKey(key::kEscape);
    else
      ClickLabel(0);
    EXPECT_TRUE(OpenMap());
    EXPECT_EQ(w->District, 1);
    EXPECT_EQ(w->ScreenRow, 1);
    EXPECT_EQ(w->ScreenCol, 3);
    EXPECT_EQ(w->HeroX, 305);
    EXPECT_EQ(w->HeroY, 80);
    EXPECT_EQ(w->HeroFacing, Facing::Up);
    EXPECT_EQ(CellCentre(11, 2), BackColorOf(4));  // redrawn
    EXPECT_EQ(Effects(), (std::vector<std::string>{"StartEngine", "BackEngine", "SlamDoor"}));
  }
}

TEST_F(CityMap, HiddenDistrictsCannotBeChosen) {
  EXPECT_FALSE(OpenMap());
  ClickLabel(6);  // City Park is not open yet
  EXPECT_FALSE(OpenMap());
  EXPECT_EQ(w->District, 1);
}

}  // namespace
}  // namespace vt::test
