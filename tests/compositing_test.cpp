// The colour-keyed copy, the hero frames and the hero drawing, on pictures built in memory.
#include "core/compositing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>

#include "vocabulary_print.h"

namespace vt {
namespace {

// Never produced by the pictures below: shows a pixel nobody drew.
constexpr Color kUntouched = Rgb(12, 34, 56);
constexpr Color kNearKey = Rgb(0, 254, 255);

// Pixels that name their own position, so a misplaced copy says what went where.
Color SheetPixel(int x, int y) { return Rgb(x, y, 7); }
Color BackPixel(int x, int y) { return Rgb(x & 255, y & 255, 100 + (x >> 8) + 3 * (y >> 8)); }

Surface Filled(int w, int h, const std::function<Color(int, int)>& pixel) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.Set(x, y, pixel(x, y));
  return s;
}

// A sprite sheet with scattered transparent pixels and a few that are only nearly so.
Surface DottedSheet() {
  return Filled(130, 100, [](int x, int y) {
    const int k = (7 * x + 3 * y) % 11;
    return k == 0 ? kKeyColor : k == 1 ? kNearKey : SheetPixel(x, y);
  });
}

testing::AssertionResult SurfaceMatches(const Surface& actual,
                                        const std::function<Color(int, int)>& expected) {
  int wrong = 0;
  std::string first;
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      if (actual.At(x, y) == expected(x, y)) continue;
      if (wrong++ == 0) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "first at (%d, %d): got %06X, want %06X", x, y,
                      actual.At(x, y), expected(x, y));
        first = buf;
      }
    }
  }
  if (wrong == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << wrong << " wrong pixels, " << first;
}

// ---- TransparentBlt ------------------------------------------------------------------

class TransparentBltTest : public testing::Test {
 protected:
  static constexpr int kW = 40;
  static constexpr int kH = 30;
  Surface destination{kW, kH, kUntouched};
  Surface background = Filled(kW, kH, BackPixel);
  Surface sprite =
      Filled(10, 8, [](int x, int y) { return (x + y) % 3 == 0 ? kKeyColor : SheetPixel(x, y); });

  // What a blit of the whole sprite at (x, y) leaves at (px, py).
  Color Expected(int x, int y, int px, int py, Color outside) const {
    const Rect drawn{x, y, sprite.Width(), sprite.Height()};
    if (!drawn.Contains(px, py)) return outside;
    const Color c = sprite.At(px - x, py - y);
    return c == kKeyColor ? background.At(px, py) : c;
  }
};

TEST_F(TransparentBltTest, OnlyTheExactKeyColourIsTransparent) {
  // Top byte is not part of the colour.
  const Color pixels[] = {kKeyColor,        0xFF000000 | kKeyColor, kNearKey,
                          Rgb(1, 255, 255), Rgb(0, 255, 254),       kBlack};
  Surface row(6, 1);
  for (int i = 0; i < 6; ++i) row.Set(i, 0, pixels[i]);

  TransparentBlt(destination, background, row, 6, 1, 3, 4);
  EXPECT_EQ(destination.At(3, 4), BackPixel(3, 4));
  EXPECT_EQ(destination.At(4, 4), BackPixel(4, 4));
  for (int i = 2; i < 6; ++i) EXPECT_EQ(destination.At(3 + i, 4), pixels[i]) << i;

  TransparentBlt(background, background, row, 6, 1, 3, 4);
  EXPECT_EQ(background.At(3, 4), BackPixel(3, 4));
  EXPECT_EQ(background.At(4, 4), BackPixel(4, 4));
  for (int i = 2; i < 6; ++i) EXPECT_EQ(background.At(3 + i, 4), pixels[i]) << i;
}

TEST_F(TransparentBltTest, AnotherKeyColourCanBeChosen) {
  Surface row(2, 1);
  row.Set(0, 0, kBlack);
  row.Set(1, 0, kKeyColor);
  TransparentBlt(destination, background, row, 2, 1, 0, 0, kBlack);
  EXPECT_EQ(destination.At(0, 0), BackPixel(0, 0));
  EXPECT_EQ(destination.At(1, 0), kKeyColor);
}

TEST_F(TransparentBltTest, DrawsNoMoreThanTheSourceHolds) {
  TransparentBlt(destination, background, sprite, 25, 25, 5, 5);
  EXPECT_TRUE(SurfaceMatches(destination,
                             [&](int px, int py) { return Expected(5, 5, px, py, kUntouched); }));
}

TEST_F(TransparentBltTest, KeyedPixelsOverMissingBackgroundAreLeftAlone) {
  const Surface small = Filled(12, 10, BackPixel);
  TransparentBlt(destination, small, sprite, 10, 8, 6, 5);
  EXPECT_TRUE(SurfaceMatches(destination, [&](int px, int py) {
    const bool keyed = Rect{6, 5, 10, 8}.Contains(px, py) && sprite.At(px - 6, py - 5) == kKeyColor;
    if (keyed && !small.Inside(px, py)) return kUntouched;
    return Expected(6, 5, px, py, kUntouched);
  }));
}

TEST_F(TransparentBltTest, DrawingASurfaceOntoItselfUsesItsOriginalPixels) {
  Surface strip = Filled(8, 1, [](int x, int) { return SheetPixel(x, 0); });
  TransparentBlt(strip, strip, strip, 6, 1, 2, 0);
  for (int x = 2; x < 8; ++x) EXPECT_EQ(strip.At(x, 0), SheetPixel(x - 2, 0)) << x;
}

struct Placement {
  const char* name;
  int x;
  int y;
  friend void PrintTo(const Placement& p, std::ostream* os) {
    *os << p.name << " (" << p.x << ", " << p.y << ")";
  }
};

class TransparentBltClipTest : public TransparentBltTest,
                               public testing::WithParamInterface<Placement> {};

TEST_P(TransparentBltClipTest, DrawsOnlyTheInsidePart) {
  const int x = GetParam().x;
  const int y = GetParam().y;
  TransparentBlt(destination, background, sprite, 10, 8, x, y);
  EXPECT_TRUE(SurfaceMatches(destination,
                             [&](int px, int py) { return Expected(x, y, px, py, kUntouched); }));
}

TEST_P(TransparentBltClipTest, DrawsOnlyTheInsidePartInPlace) {
  const int x = GetParam().x;
  const int y = GetParam().y;
  destination = background;
  TransparentBlt(destination, destination, sprite, 10, 8, x, y);
  EXPECT_TRUE(SurfaceMatches(
      destination, [&](int px, int py) { return Expected(x, y, px, py, BackPixel(px, py)); }));
}

INSTANTIATE_TEST_SUITE_P(Edges, TransparentBltClipTest,
                         testing::Values(Placement{"Left", -4, 10}, Placement{"Top", 12, -3},
                                         Placement{"Right", 35, 9}, Placement{"Bottom", 7, 26},
                                         Placement{"TopLeft", -9, -7},
                                         Placement{"BottomRight", 39, 29},
                                         Placement{"Beyond", 40, 30}, Placement{"Before", -10, -8}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Hero frames ---------------------------------------------------------------------

constexpr HeroPose kFrameNames[] = {HeroPose::Stand, HeroPose::Walk1, HeroPose::Walk2,
                                    HeroPose::Walk3, HeroPose::Walk4, HeroPose::Walk5,
                                    HeroPose::Walk6, HeroPose::Use1,  HeroPose::Use2};
constexpr Facing kFacings[] = {Facing::Left, Facing::Right, Facing::Up, Facing::Down};

// The hero drawn at (x, y) facing `facing`, as the game draws him from its world state.
void DrawHero(GameSurfaces& s, int x, int y, Facing facing, HeroPose pose) {
  static const auto world = std::make_unique<WorldState>();
  world->HeroX = static_cast<std::int16_t>(x);
  world->HeroY = static_cast<std::int16_t>(y);
  world->HeroFacing = facing;
  vt::DrawHero(s, *world, pose);
}

TEST(HeroFrameTest, WalkCycleRepeatsAndFacingsShareTheirSet) {
  for (Facing facing : kFacings) {
    EXPECT_EQ(HeroFrame(HeroPose::Walk2, facing), HeroFrame(HeroPose::Walk6, facing)) << facing;
    EXPECT_EQ(HeroFrame(HeroPose::Walk3, facing), HeroFrame(HeroPose::Walk5, facing)) << facing;
  }
  for (HeroPose frame : kFrameNames) {
    EXPECT_EQ(HeroFrame(frame, Facing::Left), HeroFrame(frame, Facing::Right)) << frame;
    EXPECT_EQ(HeroFrame(frame, Facing::Up), HeroFrame(frame, Facing::Down)) << frame;
    EXPECT_NE(HeroFrame(frame, Facing::Left), HeroFrame(frame, Facing::Up)) << frame;
  }
  EXPECT_EQ(HeroFrame(HeroPose::Stand, Facing::Right), (Rect{0, 0, 19, 31}));
  EXPECT_EQ(HeroFrame(HeroPose::Use2, Facing::Down), (Rect{98, 67, 30, 26}));
}

TEST(HeroFrameTest, EveryFrameFitsInsideThePatchAroundTheHero) {
  // The patch reaches 20 pixels beyond the hero's position on each side of 70.
  for (HeroPose frame : kFrameNames) {
    for (Facing facing : kFacings) {
      const Rect r = HeroFrame(frame, facing);
      EXPECT_GT(r.w, 0) << frame << facing;
      EXPECT_LE(r.w, 50) << frame << facing;
      EXPECT_GT(r.h, 0) << frame << facing;
      EXPECT_LE(r.h, 50) << frame << facing;
    }
  }
}

// ---- DrawHero ------------------------------------------------------------------------

class DrawHeroTest : public testing::Test {
 protected:
  void SetUp() override {
    s.SourceBMP = DottedSheet();
    s.BG = Filled(s.BG.Width(), s.BG.Height(), BackPixel);
    s.GameBox.Clear(kUntouched);
  }

  // Where the sheet pixel drawn at offset (i, j) from the hero's position comes from.
  static void SheetSource(Facing facing, Rect r, int i, int j, int& sx, int& sy) {
    sx = facing == Facing::Right  ? r.x + i
         : facing == Facing::Left ? r.x - 1 + (r.w - 1 - i)
                                  : r.x - 1 + i;
    sy = facing == Facing::Up ? r.y + r.h - 1 - j : r.y + j;
  }

  Color HeroOrBackground(int hx, int hy, Facing facing, HeroPose frame, int px, int py) const {
    const Rect r = HeroFrame(frame, facing);
    if (!Rect{hx, hy, r.w, r.h}.Contains(px, py)) return s.BG.At(px, py);
    int sx = 0;
    int sy = 0;
    SheetSource(facing, r, px - hx, py - hy, sx, sy);
    const Color c = s.SourceBMP.At(sx, sy);
    return !s.SourceBMP.Inside(sx, sy) || c == kKeyColor ? s.BG.At(px, py) : c;
  }

  // The patch shows the hero over clean background; the rest of GameBox is untouched.
  testing::AssertionResult ShowsOnly(int hx, int hy, Facing facing, HeroPose frame) const {
    const Rect patch{hx - 20, hy - 20, 70, 70};
    return SurfaceMatches(s.GameBox, [&](int px, int py) {
      return patch.Contains(px, py) ? HeroOrBackground(hx, hy, facing, frame, px, py) : kUntouched;
    });
  }

  GameSurfaces s;
};

TEST_F(DrawHeroTest, SidewaysFramesReadOneColumnLeftWhenFacingLeft) {
  s.SourceBMP = Filled(130, 100, SheetPixel);
  const Rect r = HeroFrame(HeroPose::Walk1, Facing::Right);  // (20, 0, 23, 31)
  DrawHero(s, 100, 100, Facing::Right, HeroPose::Walk1);
  const Surface right = s.GameBox;
  EXPECT_EQ(right.At(100, 100), SheetPixel(20, 0));
  EXPECT_EQ(right.At(122, 130), SheetPixel(42, 30));

  DrawHero(s, 100, 100, Facing::Left, HeroPose::Walk1);
  EXPECT_EQ(s.GameBox.At(100, 100), SheetPixel(41, 0));
  EXPECT_EQ(s.GameBox.At(122, 100), SheetPixel(19, 0));
  EXPECT_EQ(s.GameBox.At(100, 130), SheetPixel(41, 30));
  for (int j = 0; j < r.h; ++j)
    for (int i = 0; i + 1 < r.w; ++i)
      ASSERT_EQ(s.GameBox.At(100 + i, 100 + j), right.At(100 + r.w - 2 - i, 100 + j)) << i << j;
}

TEST_F(DrawHeroTest, ColumnLeftOfTheSheetShowsBackground) {
  s.SourceBMP = Filled(130, 100, SheetPixel);
  DrawHero(s, 100, 100, Facing::Left, HeroPose::Stand);  // frame starts at column 0
  EXPECT_EQ(s.GameBox.At(100, 100), SheetPixel(17, 0));
  for (int j = 0; j < 31; ++j) EXPECT_EQ(s.GameBox.At(118, 100 + j), BackPixel(118, 100 + j));
}

TEST_F(DrawHeroTest, FacingUpTurnsTheDownFrameOver) {
  s.SourceBMP = Filled(130, 100, SheetPixel);
  const Rect r = HeroFrame(HeroPose::Walk4, Facing::Down);  // (67, 42, 31, 23)
  DrawHero(s, 100, 100, Facing::Down, HeroPose::Walk4);
  const Surface down = s.GameBox;
  EXPECT_EQ(down.At(100, 100), SheetPixel(66, 42));
  EXPECT_EQ(down.At(130, 122), SheetPixel(96, 64));

  DrawHero(s, 100, 100, Facing::Up, HeroPose::Walk4);
  EXPECT_EQ(s.GameBox.At(100, 100), SheetPixel(66, 64));
  EXPECT_EQ(s.GameBox.At(100, 122), SheetPixel(66, 42));
  for (int j = 0; j < r.h; ++j)
    for (int i = 0; i < r.w; ++i)
      ASSERT_EQ(s.GameBox.At(100 + i, 100 + j), down.At(100 + i, 100 + r.h - 1 - j)) << i << j;
}

TEST_F(DrawHeroTest, AfterReleaseOnlyBackgroundIsDrawn) {
  s.ReleaseLarge();
  DrawHero(s, 100, 100, Facing::Left, HeroPose::Use2);
  // With no sprite sheet the patch is only the clean background.
  EXPECT_TRUE(SurfaceMatches(s.GameBox, [&](int px, int py) {
    return Rect{80, 80, 70, 70}.Contains(px, py) ? s.BG.At(px, py) : kUntouched;
  }));
}

class DrawHeroFrameTest : public DrawHeroTest,
                          public testing::WithParamInterface<std::tuple<HeroPose, Facing>> {};

TEST_P(DrawHeroFrameTest, DrawsTheFrameOverCleanBackground) {
  const auto [frame, facing] = GetParam();
  DrawHero(s, 100, 100, facing, frame);
  EXPECT_TRUE(ShowsOnly(100, 100, facing, frame));
}

INSTANTIATE_TEST_SUITE_P(AllFrames, DrawHeroFrameTest,
                         testing::Combine(testing::ValuesIn(kFrameNames),
                                          testing::ValuesIn(kFacings)),
                         [](const auto& info) {
                           return "Pose" +
                                  std::to_string(static_cast<int>(std::get<0>(info.param))) +
                                  std::string(FacingName(std::get<1>(info.param)));
                         });

class DrawHeroEdgeTest : public DrawHeroTest, public testing::WithParamInterface<Placement> {};

TEST_P(DrawHeroEdgeTest, TouchesOnlyTheInside) {
  const auto [name, x, y] = GetParam();
  for (Facing facing : kFacings) {
    s.GameBox.Clear(kUntouched);
    DrawHero(s, x, y, facing, HeroPose::Use2);
    EXPECT_TRUE(ShowsOnly(x, y, facing, HeroPose::Use2)) << facing;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, DrawHeroEdgeTest,
    testing::Values(Placement{"Corner", 0, 0}, Placement{"NearCorner", 5, 7},
                    Placement{"JustInside", 19, 19}, Placement{"LeftOfPlayArea", -10, 100},
                    Placement{"AbovePlayArea", 100, -15}, Placement{"RightEdge", 560, 100},
                    Placement{"BottomEdge", 100, 320}, Placement{"LastPixel", 569, 329},
                    Placement{"NearBottomRight", 540, 300},
                    Placement{"BeyondBottomRight", 600, 400}, Placement{"BeyondTopLeft", -60, -60}),
    [](const auto& info) { return std::string(info.param.name); });

struct Step {
  const char* name;
  int dx;
  int dy;
  friend void PrintTo(const Step& p, std::ostream* os) {
    *os << p.name << " (" << p.dx << ", " << p.dy << ")";
  }
};

class DrawHeroStepTest : public DrawHeroTest, public testing::WithParamInterface<Step> {};

TEST_P(DrawHeroStepTest, NextDrawingErasesThePreviousOne) {
  const auto [name, dx, dy] = GetParam();
  s.GameBox = s.BG;
  DrawHero(s, 200, 150, Facing::Right, HeroPose::Use2);
  DrawHero(s, 200 + dx, 150 + dy, Facing::Down, HeroPose::Stand);

  GameSurfaces fresh;
  fresh.SourceBMP = s.SourceBMP;
  fresh.BG = s.BG;
  fresh.GameBox = s.BG;
  DrawHero(fresh, 200 + dx, 150 + dy, Facing::Down, HeroPose::Stand);
  EXPECT_TRUE(SurfaceMatches(s.GameBox, [&](int x, int y) { return fresh.GameBox.At(x, y); }));
}

INSTANTIATE_TEST_SUITE_P(TenPixels, DrawHeroStepTest,
                         testing::Values(Step{"Right", 10, 0}, Step{"Left", -10, 0},
                                         Step{"Down", 0, 10}, Step{"Up", 0, -10},
                                         Step{"DownRight", 10, 10}, Step{"UpLeft", -10, -10},
                                         Step{"FullMargin", 20, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Surfaces ------------------------------------------------------------------------

TEST(GameSurfacesTest, FixedSurfacesHaveTheirSizes) {
  const GameSurfaces s;
  EXPECT_EQ(s.GameBox.Width(), 570);
  EXPECT_EQ(s.GameBox.Height(), 330);
  EXPECT_EQ(s.GameBox.At(300, 200), kBlack);
  EXPECT_EQ(s.BG.Width(), 570);
  EXPECT_EQ(s.BG.Height(), 330);
  EXPECT_EQ(s.ClippedObject.Width(), 30);
  EXPECT_EQ(s.ClippedObject.Height(), 30);
  EXPECT_EQ(s.TempBG.Width(), 70);
  EXPECT_EQ(s.TempBG.Height(), 70);
}

TEST(GameSurfacesTest, ReleaseLargeEmptiesExactlyThePictureFiles) {
  GameSurfaces s;
  const struct {
    const char* name;
    Surface* surface;
    bool large;
  } all[] = {{"GameBox", &s.GameBox, false},
             {"BG", &s.BG, false},
             {"PClip2", &s.PClip2, true},
             {"PclipObjects", &s.PclipObjects, true},
             {"ClippedObject", &s.ClippedObject, false},
             {"SourceBMP", &s.SourceBMP, true},
             {"Clipped", &s.Clipped, false},
             {"TempBG", &s.TempBG, false},
             {"TempTextures", &s.TempTextures, false},
             {"ClippedObject2", &s.ClippedObject2, false}};
  for (const auto& each : all) each.surface->Resize(40, 30, kNearKey);
  s.ReleaseLarge();
  for (const auto& [name, surface, large] : all) {
    EXPECT_EQ(surface->Empty(), large) << name;
    EXPECT_EQ(surface->Pixels().size(), large ? 0u : 1200u) << name;
    if (!large) {
      EXPECT_EQ(surface->At(39, 29), kNearKey) << name;
    }
  }
}

}  // namespace
}  // namespace vt
