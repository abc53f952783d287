// The forged object strip: size, the key pixel the game tests, clean key edges,
// a picture for every code, people told apart, doors, switches and signs on the
// right side of their cells, and things that span cells joining up.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "forge.h"
#include "forge_image.h"

namespace {

constexpr int kTile = 30;
constexpr int kCodes = 194;

struct Strip {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> px;  // 0xRRGGBB
  std::uint32_t At(int x, int y) const { return px[static_cast<std::size_t>(y) * width + x]; }
  bool Key(int x, int y) const { return At(x, y) == 0x00FFFFu; }
  // Tile-local opacity.
  bool Solid(int code, int x, int y) const { return !Key(code * kTile + x, y); }
};

Strip Load(const std::string& path) {
  forge_test::Image img = forge_test::LoadPng(path);
  return {img.width, img.height, std::move(img.pixels)};
}

const Strip& Forged() {
  static const Strip strip = Load(std::string(VELTRANE_GAME_DIR) + "/Morvane16.dat");
  return strip;
}

std::vector<std::uint32_t> TilePixels(const Strip& s, int code) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) out.push_back(s.At(code * kTile + x, y));
  return out;
}

int SolidCount(const Strip& s, int code, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += s.Solid(code, x, y);
  return n;
}

double MeanSolidY(const Strip& s, int code) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x)
      if (s.Solid(code, x, y)) sum += y, ++n;
  return n ? sum / n : -1;
}

TEST(ForgeObjectTiles, StripHasItsSizeKeyPixelAndCleanKeyEdges) {
  const Strip& s = Forged();
  ASSERT_EQ(s.width, kTile * kCodes);
  ASSERT_EQ(s.height, kTile);
  for (const auto& m : forge::ObjectStripManifest()) {
    EXPECT_EQ(m.width, s.width) << m.name;
    EXPECT_EQ(m.height, s.height) << m.name;
    EXPECT_TRUE(m.keyed) << m.name;
  }
  EXPECT_TRUE(s.Key(280, 0)) << "the game checks this pixel to accept the strip";
  int nearKey = 0;
  for (std::uint32_t p : s.px)
    if (p != 0x00FFFFu && forge::NearKey(p >> 16, (p >> 8) & 255, p & 255)) ++nearKey;
  EXPECT_EQ(nearKey, 0) << "object colours a viewer could take for the key";
}

TEST(ForgeObjectTiles, ReplacementStripHoldsTheSamePictures) {
  const Strip other = Load(std::string(VELTRANE_GAME_DIR) + "/Morvane17.dat");
  ASSERT_EQ(other.width, Forged().width);
  EXPECT_TRUE(other.px == Forged().px);
}

TEST(ForgeObjectTiles, EveryCodeDrawsSomethingButNoneFillsItsCell) {
  const Strip& s = Forged();
  for (int code = 0; code < kCodes; ++code) {
    const int solid = SolidCount(s, code, 0, 0, kTile - 1, kTile - 1);
    EXPECT_GT(solid, 25) << "code " << code << " is (nearly) empty";
    EXPECT_LT(solid, kTile * kTile) << "code " << code << " hides the floor completely";
  }
}

TEST(ForgeObjectTiles, ThingsLeaveTheFloorShowingAtTheirCorners) {
  // The strip is laid over the background with the key see-through, so a person or thing
  // that painted a patch of floor of its own would show it on every floor it stands on.
  // Only these reach a corner: doors (they close their edge), things that run on into the
  // next cell, the rug corner and picnic blanket lying on the floor, the fisherman's rod
  // and the students' bench.
  const std::set<int> reach = {21, 56, 66, 67, 80, 85};
  const Strip& s = Forged();
  for (int code = 0; code < kCodes; ++code) {
    if (reach.count(code) || (code >= 88 && code <= 95) || (code >= 104 && code <= 111)) continue;
    for (int x0 : {0, kTile - 2})
      for (int y0 : {0, kTile - 2})
        EXPECT_EQ(SolidCount(s, code, x0, y0, x0 + 1, y0 + 1), 0)
            << "object " << code << " paints its corner at (" << x0 << ", " << y0 << ")";
  }
}

TEST(ForgeObjectTiles, PeopleOfTheCastAreAllDifferent) {
  // Every person (and person group) the maps show, spare ones included.
  const std::vector<int> people = {0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,
                                   13,  15,  16,  17,  18,  19,  20,  22,  23,  24,  25,  26,  27,
                                   28,  29,  35,  36,  37,  45,  62,  63,  64,  66,  68,  69,  70,
                                   71,  77,  78,  79,  80,  81,  82,  83,  85,  86,  87,  112, 113,
                                   115, 116, 117, 131, 132, 141, 142, 148, 149, 151, 156, 161, 163,
                                   165, 170, 171, 179, 180, 181, 182, 183, 188, 189, 190, 191, 192};
  const Strip& s = Forged();
  for (std::size_t i = 0; i < people.size(); ++i)
    for (std::size_t j = i + 1; j < people.size(); ++j) {
      const auto a = TilePixels(s, people[i]), b = TilePixels(s, people[j]);
      int differing = 0;
      for (std::size_t k = 0; k < a.size(); ++k) differing += a[k] != b[k];
      EXPECT_GT(differing, 40) << "people " << people[i] << " and " << people[j] << " look alike";
    }
}

TEST(ForgeObjectTiles, DoorLeavesLieOnTheirEdgeAndRunTheCellsLength) {
  const Strip& s = Forged();
  const std::vector<int> top = {88, 89, 104, 108}, bottom = {90, 91, 105, 109},
                         left = {94, 95, 107, 111}, right = {92, 93, 106, 110};
  for (int c : top) {
    EXPECT_EQ(SolidCount(s, c, 0, 4, 29, 4), kTile) << c;
    EXPECT_EQ(SolidCount(s, c, 0, 18, 29, 29), 0) << c;
  }
  for (int c : bottom) {
    EXPECT_EQ(SolidCount(s, c, 0, 26, 29, 26), kTile) << c;
    EXPECT_EQ(SolidCount(s, c, 0, 0, 29, 11), 0) << c;
  }
  for (int c : left) {
    EXPECT_EQ(SolidCount(s, c, 4, 0, 4, 29), kTile) << c;
    EXPECT_EQ(SolidCount(s, c, 18, 0, 29, 29), 0) << c;
  }
  for (int c : right) {
    EXPECT_EQ(SolidCount(s, c, 26, 0, 26, 29), kTile) << c;
    EXPECT_EQ(SolidCount(s, c, 0, 0, 11, 29), 0) << c;
  }
}

TEST(ForgeObjectTiles, ThrownSwitchesShowTheLeverPulledDown) {
  const Strip& s = Forged();
  const int pairs[][2] = {{96, 97}, {99, 98}, {100, 101}, {102, 103}};
  for (const auto& [ready, thrown] : pairs) {
    EXPECT_NE(TilePixels(s, ready), TilePixels(s, thrown)) << ready;
    EXPECT_GT(MeanSolidY(s, thrown), MeanSolidY(s, ready) + 1) << ready << " -> " << thrown;
  }
  // Each lever sits on the wall face its reader looks at.
  EXPECT_EQ(SolidCount(s, 96, 15, 0, 29, 29), 0);
  EXPECT_EQ(SolidCount(s, 99, 0, 0, 14, 29), 0);
}

TEST(ForgeObjectTiles, SignsSitOnTheSideFacingTheirReader) {
  const Strip& s = Forged();
  EXPECT_EQ(SolidCount(s, 144, 0, 0, 29, 14), 0);  // lower part, read facing up
  EXPECT_EQ(SolidCount(s, 145, 0, 15, 29, 29), 0);
  EXPECT_EQ(SolidCount(s, 146, 15, 0, 29, 29), 0);
  EXPECT_EQ(SolidCount(s, 147, 0, 0, 14, 29), 0);
}

TEST(ForgeObjectTiles, ThingsOverSeveralCellsJoinUp) {
  const Strip& s = Forged();
  auto column = [&](int code, int x) {
    std::vector<bool> v;
    for (int y = 0; y < kTile; ++y) v.push_back(s.Solid(code, x, y));
    return v;
  };
  auto row = [&](int code, int y) {
    std::vector<bool> v;
    for (int x = 0; x < kTile; ++x) v.push_back(s.Solid(code, x, y));
    return v;
  };
  // Side by side: what leaves the right edge comes back in at the left.
  for (int c : {21, 67, 88, 89, 90, 91, 104, 105, 108, 109, 177}) {
    EXPECT_EQ(column(c, 0), column(c, 29)) << c;
    EXPECT_GT(SolidCount(s, c, 0, 0, 0, 29), 0) << c;
  }
  // One under another.
  for (int c : {46, 92, 93, 94, 95, 106, 107, 110, 111, 114, 143, 177}) {
    EXPECT_EQ(row(c, 0), row(c, 29)) << c;
    EXPECT_GT(SolidCount(s, c, 0, 0, 29, 0), 0) << c;
  }
  EXPECT_EQ(row(49, 29), row(50, 0)) << "the melon cart's halves";
}

TEST(ForgeObjectTiles, InventoryPicturesStandAloneOnTheKey) {
  const Strip& s = Forged();
  for (int c : {30,  32,  33,  38,  39,  40,  41,  42,  43,  73,  84, 120,
                121, 122, 123, 126, 127, 128, 129, 130, 150, 162, 172}) {
    const int edge = SolidCount(s, c, 0, 0, 29, 0) + SolidCount(s, c, 0, 29, 29, 29) +
                     SolidCount(s, c, 0, 0, 0, 29) + SolidCount(s, c, 29, 0, 29, 29);
    EXPECT_EQ(edge, 0) << "object " << c << " touches the cell's edge";
    EXPECT_GT(SolidCount(s, c, 0, 0, 29, 29), 150) << "object " << c << " is too small to read";
  }
}

TEST(ForgeObjectTiles, ForgingTwiceGivesTheSameBytes) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "veltrane_object_strip_test";
  auto forgeInto = [&](const fs::path& d) {
    fs::create_directories(d);
    forge::Output out(d.string(), VELTRANE_CONTENT_DIR);
    forge::ForgeObjectStrip(out);
    EXPECT_TRUE(out.Errors().empty());
    std::ifstream in(d / "Morvane16.dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string a = forgeInto(dir / "a"), b = forgeInto(dir / "b");
  fs::remove_all(dir);
  EXPECT_FALSE(a.empty());
  EXPECT_EQ(a, b);
}

}  // namespace
