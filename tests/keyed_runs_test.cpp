// Tiles drawn from their prepared runs look exactly as the plain keyed copy
// draws them: on every tile of the game's strips, at every kind of clipping,
// and on shapes chosen to stress the way rows are split into runs.
#include "platform/keyed_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/sdl/sdl_media.h"
#include "platform/surface.h"

namespace vt {
namespace {

constexpr int kTile = 30;

// A destination that is not one colour, so a pixel wrongly kept or wrongly
// overwritten shows.
Surface Backdrop(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.Set(x, y, Rgb(x * 5, y * 7, (x ^ y) * 3) | 0x5A000000u);
  return s;
}

// Where a tile is drawn on a 64 × 48 destination: inside, hanging over each
// edge and corner, and wholly outside.
std::vector<std::pair<int, int>> Places(int tileW, int tileH) {
  const int w = 64;
  const int h = 48;
  return {{5, 7},      {0, 0},     {w - tileW, h - tileH},   {-13, 4},           {4, -17},
          {w - 10, 9}, {9, h - 6}, {-tileW + 1, -tileH + 1}, {w - 1, h - 1},     {w + 3, 0},
          {-tileW, 0}, {0, h},     {-5, h - tileH},          {w - tileW + 7, -3}};
}

// Compares one tile drawn both ways at every place; the first mismatch, if any.
std::optional<std::string> FirstDifference(const Surface& strip, const KeyedRuns& runs, int tile,
                                           int tileW, int tileH) {
  for (const auto& [x, y] : Places(tileW, tileH)) {
    Surface plain = Backdrop(64, 48);
    Surface fast = plain;
    CopyKeyed(plain, x, y, strip, tile * tileW, 0, tileW, tileH);
    runs.Draw(fast, x, y, tile);
    for (int py = 0; py < plain.Height(); ++py)
      for (int px = 0; px < plain.Width(); ++px)
        if (plain.At(px, py) != fast.At(px, py))
          return "tile " + std::to_string(tile) + " at (" + std::to_string(x) + ", " +
                 std::to_string(y) + "), pixel (" + std::to_string(px) + ", " + std::to_string(py) +
                 ")";
  }
  return std::nullopt;
}

void ExpectSameOnEveryTile(const Surface& strip, int tileW, int tileH, const std::string& what) {
  const KeyedRuns runs(strip, tileW, tileH);
  ASSERT_EQ(runs.TileCount(), (strip.Width() + tileW - 1) / tileW) << what;
  for (int t = 0; t < runs.TileCount(); ++t)
    if (const auto difference = FirstDifference(strip, runs, t, tileW, tileH)) {
      ADD_FAILURE() << what << ": " << *difference;
      return;
    }
}

TEST(KeyedRuns, EveryTileOfTheGamesStripsDrawsAsThePlainKeyedCopy) {
  SdlMedia media;
  for (const char* name : {"Morvane15.dat", "Morvane16.dat", "Morvane17.dat"}) {
    const auto strip = media.LoadPicture(std::string(VELTRANE_GAME_DIR) + "/" + name);
    ASSERT_TRUE(strip) << name << ": " << media.LastPictureProblem();
    ASSERT_GT(strip->Width() / kTile, 100) << name;
    ExpectSameOnEveryTile(*strip, kTile, kTile, name);
  }
}

TEST(KeyedRuns, AwkwardShapesDrawAsThePlainKeyedCopy) {
  // One 30-pixel tile per shape, side by side.
  std::vector<std::function<Color(int, int)>> shapes = {
      [](int, int) { return kKeyColor; },                             // nothing
      [](int x, int y) { return Rgb(x, y, 9); },                      // everything
      [](int x, int y) { return (x + y) % 2 ? kKeyColor : kWhite; },  // checkerboard
      [](int x, int y) { return x == 0 || x == 29 || y == 29 ? kBlack : kKeyColor; },
      [](int x, int) { return x % 6 < 3 ? Rgb(1, 2, 3) : kKeyColor; },     // five runs a row
      [](int x, int) { return x % 8 < 4 ? Rgb(1, 2, 3) : kKeyColor; },     // four runs a row
      [](int x, int y) { return x == y ? kKeyColor : Rgb(0, 254, 255); },  // next to the key
      // The key with something in the top byte is still the key.
      [](int x, int) { return x < 15 ? (kKeyColor | 0xFF000000u) : (kWhite | 0x12000000u); },
      [](int x, int y) { return (x * 7 + y * 3) % 11 < 2 ? kKeyColor : Rgb(x, 0, y); },
  };
  Surface strip(kTile * static_cast<int>(shapes.size()) + 17, kTile);  // last tile cut short
  for (int t = 0; t * kTile < strip.Width(); ++t)
    for (int y = 0; y < kTile; ++y)
      for (int x = 0; x < kTile && t * kTile + x < strip.Width(); ++x)
        strip.Set(t * kTile + x, y, shapes[static_cast<std::size_t>(t) % shapes.size()](x, y));
  ExpectSameOnEveryTile(strip, kTile, kTile, "shapes");

  // Random strips from sparse to dense, in tiles of other sizes.
  std::mt19937 random(20240607);
  for (int density : {5, 50, 95}) {
    for (const auto& [w, h] : {std::pair{7, 5}, std::pair{33, 12}, std::pair{64, 40}}) {
      Surface noise(w * 6 + 3, h);
      for (Color& c : noise.Pixels())
        c = static_cast<int>(random() % 100) < density ? static_cast<Color>(random()) : kKeyColor;
      ExpectSameOnEveryTile(
          noise, w, h,
          "noise " + std::to_string(density) + "% " + std::to_string(w) + "x" + std::to_string(h));
    }
  }
}

TEST(KeyedRuns, TilesOutsideTheStripOrAfterItChangesDrawWhatWasBuilt) {
  Surface strip(3 * kTile, kTile, kWhite);
  const KeyedRuns runs(strip, kTile, kTile);
  const Surface before = Backdrop(64, 48);
  Surface target = before;
  for (int tile : {-1, 3, 1000, -1000}) runs.Draw(target, 0, 0, tile);
  EXPECT_EQ(target.Pixels().size(), before.Pixels().size());
  EXPECT_TRUE(std::equal(target.Pixels().begin(), target.Pixels().end(), before.Pixels().begin()));

  // The runs keep their own pixels: the strip may be reused.
  strip.Clear(kBlack);
  runs.Draw(target, 1, 1, 2);
  EXPECT_EQ(target.At(1, 1), kWhite);
  EXPECT_EQ(target.At(30, 30), kWhite);
  EXPECT_EQ(target.At(31, 31), before.At(31, 31));

  Surface nothing;
  runs.Draw(nothing, 0, 0, 0);
  KeyedRuns none;
  EXPECT_TRUE(none.Empty());
  none.Draw(target, 0, 0, 0);
  EXPECT_TRUE(KeyedRuns(Surface(), kTile, kTile).Empty());
  EXPECT_TRUE(KeyedRuns(strip, 0, kTile).Empty());
}

}  // namespace
}  // namespace vt
