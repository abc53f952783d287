// The hero's sprite sheets as the game reads them: every frame the game's own table
// names is drawn inside its rectangle, readable both straight and one column to the
// left, nothing strays outside the frames, the walk and the use gesture move, and the
// disguise is the same man in other clothes.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/compositing.h"
#include "forge.h"
#include "forge_image.h"
#include "vocabulary_print.h"

namespace {

constexpr std::uint32_t kKey = 0x00FFFF;
const std::array<std::string, 2> kSheets = {"Morvane01.dat", "Morvane14.dat"};
// One name for each rectangle; Walk5 and Walk6 share those of Walk3 and Walk2.
using vt::Facing;
using vt::HeroPose;
constexpr std::array<HeroPose, 7> kFrameNames = {HeroPose::Stand, HeroPose::Walk1, HeroPose::Walk2,
                                                 HeroPose::Walk3, HeroPose::Walk4, HeroPose::Use1,
                                                 HeroPose::Use2};
// Right stands for the sideways set, Down for the up-and-down set.
constexpr std::array<Facing, 2> kSets = {Facing::Right, Facing::Down};

std::string Named(Facing set, HeroPose pose) {
  return std::string(vt::FacingName(set)) + " pose " + std::to_string(static_cast<int>(pose));
}

struct Sheet {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB
  std::uint32_t At(int x, int y) const {
    return x < 0 || y < 0 || x >= width || y >= height ? kKey : pixels[y * width + x];
  }
  bool Drawn(int x, int y) const { return At(x, y) != kKey; }
};

Sheet Load(const std::string& name) {
  const forge_test::Image img = forge_test::LoadForged(name);
  return {img.width, img.height, img.pixels};
}

std::vector<vt::Rect> AllFrames() {
  std::vector<vt::Rect> frames;
  for (const auto& set : kSets)
    for (const auto& name : kFrameNames) frames.push_back(vt::HeroFrame(name, set));
  return frames;
}

// The frame's pixels, key where nothing is drawn.
std::vector<std::uint32_t> Picture(const Sheet& s, vt::Rect r) {
  std::vector<std::uint32_t> out;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) out.push_back(s.At(x, y));
  return out;
}

int DrawnCount(const Sheet& s, vt::Rect r) {
  int n = 0;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) n += s.Drawn(x, y);
  return n;
}

// How far forward the figure reaches: the last drawn column (sideways, facing right)
// or row (up and down, facing down) of the frame, counted from its start.
int Front(const Sheet& s, vt::Rect r, bool sideways) {
  int front = -1;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x)
      if (s.Drawn(x, y)) front = std::max(front, sideways ? x - r.x : y - r.y);
  return front;
}

// The smallest rectangle holding every drawn pixel of a frame, relative to the frame.
vt::Rect Bounds(const Sheet& s, vt::Rect r) {
  int x0 = r.w, y0 = r.h, x1 = -1, y1 = -1;
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x)
      if (s.Drawn(r.x + x, r.y + y))
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

class ForgeHero : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& name : kSheets) {
      sheets.push_back(Load(name));
      ASSERT_FALSE(sheets.back().pixels.empty()) << name << " is not a readable picture";
    }
  }
  std::vector<Sheet> sheets;
};

TEST_F(ForgeHero, SheetsAreDeclaredKeyedAndHoldEveryFrame) {
  const auto manifest = forge::HeroManifest();
  ASSERT_EQ(manifest.size(), kSheets.size());
  for (std::size_t i = 0; i < kSheets.size(); ++i) {
    EXPECT_EQ(manifest[i].name, kSheets[i]);
    EXPECT_TRUE(manifest[i].keyed) << kSheets[i];
    EXPECT_EQ(sheets[i].width, manifest[i].width) << kSheets[i];
    EXPECT_EQ(sheets[i].height, manifest[i].height) << kSheets[i];
  }
  for (const vt::Rect& r : AllFrames()) {
    ASSERT_GT(r.w, 0);
    for (const Sheet& s : sheets) {
      EXPECT_GE(r.x, 0);
      EXPECT_GE(r.y, 0);
      EXPECT_LE(r.x + r.w, s.width);
      EXPECT_LE(r.y + r.h, s.height);
    }
  }
}

// Right reads a frame's rectangle as it is, the other facings one column to the left, so
// a figure touching either edge column would be cut off or show a neighbour's sliver.
TEST_F(ForgeHero, EveryFrameIsDrawnWhereEveryFacingReadsIt) {
  for (std::size_t i = 0; i < sheets.size(); ++i)
    for (const auto& set : kSets)
      for (const auto& name : kFrameNames) {
        const vt::Rect r = vt::HeroFrame(name, set);
        const std::string what = kSheets[i] + " " + Named(set, name);
        EXPECT_GT(DrawnCount(sheets[i], {r.x, r.y, r.w - 1, r.h}), 40) << what;
        EXPECT_EQ(DrawnCount(sheets[i], {r.x - 1, r.y, 1, r.h}), 0) << what << ": left edge";
        EXPECT_EQ(DrawnCount(sheets[i], {r.x + r.w - 1, r.y, 1, r.h}), 0) << what << ": right edge";
      }
}

TEST_F(ForgeHero, OutsideTheFramesIsKeyAndNoColourPassesForTheKey) {
  const auto frames = AllFrames();
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const Sheet& s = sheets[i];
    int stray = 0;
    int nearKey = 0;
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) {
        const std::uint32_t c = s.At(x, y);
        if (c == kKey) continue;
        if (forge::NearKey(c >> 16, (c >> 8) & 255, c & 255)) ++nearKey;
        if (std::none_of(frames.begin(), frames.end(),
                         [&](const vt::Rect& r) { return r.Contains(x, y); }))
          ++stray;
      }
    EXPECT_EQ(stray, 0) << kSheets[i];
    EXPECT_EQ(nearKey, 0) << kSheets[i];
  }
}

TEST_F(ForgeHero, TheWalkChangesAndTheHandReachesForward) {
  for (std::size_t i = 0; i < sheets.size(); ++i)
    for (const auto& set : kSets) {
      const Sheet& s = sheets[i];
      const std::string what = kSheets[i] + " " + std::string(vt::FacingName(set));
      std::vector<std::vector<std::uint32_t>> walk;
      for (int step = 1; step <= 6; ++step) {
        auto picture = Picture(s, vt::HeroFrame(vt::WalkPose(step), set));
        if (std::find(walk.begin(), walk.end(), picture) == walk.end()) walk.push_back(picture);
      }
      EXPECT_GE(walk.size(), 3u) << what;
      const bool sideways = set == Facing::Right;
      const int stand = Front(s, vt::HeroFrame(HeroPose::Stand, set), sideways);
      const int use1 = Front(s, vt::HeroFrame(HeroPose::Use1, set), sideways);
      const int use2 = Front(s, vt::HeroFrame(HeroPose::Use2, set), sideways);
      EXPECT_GT(use1, stand) << what;
      EXPECT_GE(use2, stand + 5) << what;
    }
}

// Sideways he stands like the people of the object strip, head at the top of the tall
// frame and shoes on its bottom rows; from above he lies across the wide frame. Turning
// between the two moves his frame 6 pixels left and down (or back), and he must not
// seem to jump: the middle of the standing figure stays put in every facing.
TEST_F(ForgeHero, SidewaysHeStandsFromAboveHeLiesAcrossAndTurningKeepsHimInPlace) {
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    for (const auto& name : kFrameNames) {
      const vt::Rect side = vt::HeroFrame(name, Facing::Right);
      const vt::Rect b = Bounds(sheets[i], side);
      const std::string what = kSheets[i] + " " + Named(Facing::Right, name);
      EXPECT_LE(b.y, 2) << what;
      EXPECT_GE(b.y + b.h, side.h - 2) << what;
      const vt::Rect above = Bounds(sheets[i], vt::HeroFrame(name, Facing::Down));
      EXPECT_GE(above.w, 20) << kSheets[i] << " " << Named(Facing::Down, name);
      EXPECT_GT(above.w, above.h) << kSheets[i] << " " << Named(Facing::Down, name);
    }
    const vt::Rect side = Bounds(sheets[i], vt::HeroFrame(HeroPose::Stand, Facing::Right));
    const vt::Rect frame = vt::HeroFrame(HeroPose::Stand, Facing::Down);
    const vt::Rect above = Bounds(sheets[i], frame);
    const double sideX = side.x + side.w / 2.0, sideY = side.y + side.h / 2.0;
    // Down and Up read one column further left; Up turns the rows over.
    const double aboveX = -6 + 1 + above.x + above.w / 2.0;
    const double downY = 6 + above.y + above.h / 2.0;
    const double upY = 6 + frame.h - (above.y + above.h / 2.0);
    EXPECT_NEAR(aboveX, sideX, 3) << kSheets[i];
    EXPECT_NEAR(downY, sideY, 3) << kSheets[i];
    EXPECT_NEAR(upY, sideY, 3) << kSheets[i];
  }
}

// The disguise changes the clothes, not the man: the game moves both sheets with the
// same table and the same nudges.
TEST_F(ForgeHero, TheDisguiseIsTheSameBuildInOtherColours) {
  const Sheet& agent = sheets[0];
  const Sheet& captain = sheets[1];
  for (const vt::Rect& r : AllFrames()) {
    int both = 0, either = 0, recoloured = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x) {
        const bool a = agent.Drawn(x, y), c = captain.Drawn(x, y);
        both += a && c;
        either += a || c;
        if (a && c) {
          const std::uint32_t p = agent.At(x, y), q = captain.At(x, y);
          const int d = std::abs(int(p >> 16) - int(q >> 16)) +
                        std::abs(int((p >> 8) & 255) - int((q >> 8) & 255)) +
                        std::abs(int(p & 255) - int(q & 255));
          recoloured += d > 60;
        }
      }
    ASSERT_GT(either, 0);
    EXPECT_GT(both * 10, either * 8) << "frame at " << r.x << "," << r.y;
    EXPECT_GT(recoloured * 2, both) << "frame at " << r.x << "," << r.y;
  }
}

}  // namespace
