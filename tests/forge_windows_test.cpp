// Window backgrounds and small pictures as the game uses them: sizes, keyed
// pointers, text areas that stay readable under the labels the game draws, lamp
// and key states that sit seamlessly on the unit, and arrows that point the
// way their file names promise.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "forge.h"
#include "forge_image.h"

namespace {

using forge_test::Image;

Image Load(const std::string& name) { return forge_test::LoadForged(name); }

int R(std::uint32_t p) { return static_cast<int>((p >> 16) & 255); }
int G(std::uint32_t p) { return static_cast<int>((p >> 8) & 255); }
int B(std::uint32_t p) { return static_cast<int>(p & 255); }
double Luma(std::uint32_t p) { return 0.299 * R(p) + 0.587 * G(p) + 0.114 * B(p); }

struct Stats {
  double mean = 0;
  double deviation = 0;
};

Stats Area(const Image& img, int x, int y, int w, int h) {
  double sum = 0, squares = 0;
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px) {
      const double l = Luma(img.At(px, py));
      sum += l;
      squares += l * l;
    }
  const double n = static_cast<double>(w) * h;
  const double mean = sum / n;
  return {mean, std::sqrt(std::max(0.0, squares / n - mean * mean))};
}

std::vector<forge::PictureSpec> Family() {
  auto all = forge::WindowManifest();
  for (const auto& s : forge::SmallPictureManifest()) all.push_back(s);
  return all;
}

constexpr std::uint32_t kKey = 0x00FFFF;

TEST(ForgeWindows, EveryPictureIsThereAtItsSizeAndKeyedOnesHaveCleanEdges) {
  const auto family = Family();
  for (const auto& entry : family) {
    const Image img = Load(entry.name);
    ASSERT_EQ(img.width, entry.width) << entry.name;
    ASSERT_EQ(img.height, entry.height) << entry.name;
    int key = 0, nearKey = 0;
    for (std::uint32_t p : img.pixels) {
      if (p == kKey)
        ++key;
      else if (forge::NearKey(R(p), G(p), B(p)))
        ++nearKey;
    }
    if (entry.keyed) {
      EXPECT_EQ(nearKey, 0) << entry.name << " has colours a viewer takes for the key";
      EXPECT_GT(key, 0) << entry.name << " has no see-through part";
      EXPECT_LT(key, static_cast<int>(img.pixels.size())) << entry.name << " is empty";
      // A pointer's corners are always see-through.
      for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_EQ(img.At(x, y), kKey) << entry.name;
    } else {
      EXPECT_GT(Area(img, 0, 0, img.width, img.height).deviation, 2.0)
          << entry.name << " is a flat colour";
    }
  }
}

TEST(ForgeWindows, TitleLeavesTheVersionLabelAreaCalm) {
  const Image title = Load("Trasken03.dat");
  ASSERT_EQ(title.width, 638);
  const Stats version = Area(title, 563, 3, 73, 17);
  EXPECT_LT(version.deviation, 4.0);
  EXPECT_LT(version.mean, 60.0);
}

// Where the game prints light text the picture must be dark, and the reverse.
struct TextArea {
  const char* file;
  int x, y, w, h;
  bool lightText;
  const char* what;
};
constexpr TextArea kTextAreas[] = {
    {"Trasken03.dat", 225, 240, 186, 197, true, "title menu items"},
    {"Trasken06.dat", 40, 96, 235, 290, true, "game menu items"},
    {"Trasken02.dat", 8, 21, 145, 14, true, "district caption"},
    {"Trasken02.dat", 8, 70, 145, 14, true, "place caption"},
    {"Trasken02.dat", 180, 67, 285, 14, true, "object name"},
    {"Trasken02.dat", 492, 59, 58, 22, true, "MENU command"},
    {"Trasken04.dat", 28, 16, 257, 53, true, "confirmation question"},
    {"Trasken05.dat", 20, 52, 309, 49, true, "save/load prompt"},
    {"Trasken16.dat", 28, 80, 200, 56, true, "effect choices"},
    {"Morvane02.dat", 215, 20, 215, 120, true, "spoken text"},
    {"Morvane12.dat", 215, 20, 200, 120, false, "thought text"},
    {"Morvane05.dat", 8, 12, 233, 80, true, "board sign text"},
    {"Morvane06.dat", 8, 12, 233, 80, true, "paper sign text"},
    {"Morvane13.dat", 8, 12, 233, 80, true, "message text"},
    {"Trasken07.dat", 340, 60, 225, 72, false, "pending reports"},
    {"Trasken13.dat", 262, 222, 190, 50, false, "presenter line"},
    {"Morvane04.dat", 516, 1, 54, 43, false, "Back to label"},
    {"Morvane04.dat", 240, 144, 65, 31, true, "Prestigious Quarter"},
    {"Morvane04.dat", 472, 208, 59, 31, true, "Penurious Quarter"},
    {"Morvane04.dat", 8, 224, 113, 33, true, "Ministers' Living Quarters"},
    {"Morvane04.dat", 4, 80, 57, 31, true, "Islamia University"},
    {"Morvane04.dat", 160, 160, 47, 31, true, "Club Nargila"},
    {"Morvane04.dat", 200, 280, 57, 15, true, "City Park"},
    {"Morvane04.dat", 508, 48, 43, 31, true, "Islamia Oil Inc."},
};

TEST(ForgeWindows, TextAreasContrastWithTheTextDrawnOnThem) {
  for (const TextArea& a : kTextAreas) {
    const Image img = Load(a.file);
    ASSERT_GT(img.width, 0) << a.file;
    const Stats s = Area(img, a.x, a.y, a.w, a.h);
    if (a.lightText)
      EXPECT_LT(s.mean, 100.0) << a.what;
    else
      EXPECT_GT(s.mean, 170.0) << a.what;
    EXPECT_LT(s.deviation, 22.0) << a.what << " is too busy to read on";
  }
}

TEST(ForgeWindows, LampAndKeyStatesSitSeamlesslyOnTheUnit) {
  const Image unit = Load("Trasken07.dat");
  ASSERT_EQ(unit.width, 582);
  for (const char* name : {"Trasken10.dat", "Trasken11.dat", "Trasken12.dat"}) {
    const Image lamp = Load(name);
    ASSERT_EQ(lamp.width, 101) << name;
    for (int x = 0; x < 101; ++x) {
      EXPECT_EQ(lamp.At(x, 0), unit.At(43 + x, 314)) << name << " top edge at " << x;
      EXPECT_EQ(lamp.At(x, 20), unit.At(43 + x, 334)) << name << " bottom edge at " << x;
    }
  }
  for (const char* name : {"Trasken14.dat", "Trasken15.dat", "Trasken20.dat"}) {
    const Image key = Load(name);
    ASSERT_EQ(key.width, 105) << name;
    for (int y = 0; y < 33; ++y) EXPECT_EQ(key.At(0, y), unit.At(520, 292 + y)) << name;
  }
}

// Brightness of the brightest small spot, to tell a lit lamp or arrow from an unlit one.
double Brightest(const Image& img, int x, int y, int w, int h) {
  double best = 0;
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px) best = std::max(best, Luma(img.At(px, py)));
  return best;
}

TEST(ForgeWindows, LitStatesAreTheBrightOnes) {
  const Image lit = Load("Trasken11.dat"), dim = Load("Trasken10.dat");
  EXPECT_GT(Brightest(lit, 5, 2, 20, 17), Brightest(dim, 5, 2, 20, 17) + 60);
  for (auto [can, cannot] :
       {std::pair{"Morvane07.dat", "Morvane08.dat"}, {"Morvane09.dat", "Morvane10.dat"}}) {
    EXPECT_GT(Area(Load(can), 6, 6, 18, 18).mean, Area(Load(cannot), 6, 6, 18, 18).mean + 30)
        << can << " should stand out from " << cannot;
  }
}

// The edge pointers: the bar the arrow strikes lies on the side it points to.
TEST(ForgeWindows, EdgePointersPointTheirWay) {
  struct Way {
    const char* file;
    int dx, dy;
  };
  for (const Way& w : {Way{"Comm20.dat", 0, 1}, Way{"Comm21.dat", -1, 0}, Way{"Comm22.dat", 1, 0},
                       Way{"Comm23.dat", 0, -1}}) {
    const Image img = Load(w.file);
    ASSERT_EQ(img.width, 32) << w.file;
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (img.At(x, y) != kKey && Luma(img.At(x, y)) > 230) {  // the white bar
          sx += x - 15.5;
          sy += y - 15.5;
          ++n;
        }
    ASSERT_GT(n, 0) << w.file;
    EXPECT_GT((sx * w.dx + sy * w.dy) / n, 8.0) << w.file;
  }
}

// Pixels clearly brighter than the pages' night-blue paper: lettering, caps, icons.
int BrightPixels(const Image& img, int x, int y, int w, int h) {
  int n = 0;
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px) n += Luma(img.At(px, py)) > 150 ? 1 : 0;
  return n;
}

// The full-window pages carry their words where the layout puts them, and
// nothing bright strays into the margin inside the brass frame.
TEST(ForgeWindows, PagesCarryTheirTextInsideTheFrame) {
  struct Block {
    const char* file;
    int x, y, w, h;
    const char* what;
  };
  constexpr Block kBlocks[] = {
      {"Trasken09.dat", 34, 100, 320, 230, "keyboard column"},
      {"Trasken09.dat", 370, 100, 250, 230, "mouse column"},
      {"Trasken09.dat", 34, 345, 176, 85, "saving note"},
      {"Trasken09.dat", 232, 345, 176, 85, "city map note"},
      {"Trasken09.dat", 430, 345, 176, 85, "communication unit note"},
      {"Trasken09.dat", 130, 448, 380, 16, "how-to-play return prompt"},
      {"Trasken19.dat", 40, 95, 560, 145, "makers"},
      {"Trasken19.dat", 34, 290, 350, 115, "libraries"},
      {"Trasken19.dat", 400, 290, 206, 100, "fonts, sound and tools"},
      {"Trasken19.dat", 130, 448, 380, 16, "credits return prompt"},
  };
  for (const Block& b : kBlocks) {
    const Image img = Load(b.file);
    ASSERT_EQ(img.width, 640) << b.file;
    EXPECT_GT(BrightPixels(img, b.x, b.y, b.w, b.h), b.w * b.h / 60) << b.what;
  }
  for (const char* name : {"Trasken09.dat", "Trasken19.dat"}) {
    const Image img = Load(name);
    ASSERT_EQ(img.height, 480) << name;
    EXPECT_EQ(BrightPixels(img, 16, 16, 14, 448), 0) << name << " left margin";
    EXPECT_EQ(BrightPixels(img, 620, 16, 4, 448), 0) << name << " right margin";
    EXPECT_EQ(BrightPixels(img, 16, 464, 608, 2), 0) << name << " bottom margin";
  }
}

}  // namespace
