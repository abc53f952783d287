// The hero's sprite sheets: Dan in his cream linen suit (Morvane01.dat) and the same
// man in the olive uniform and peaked cap of a Republican Guard captain (Morvane14.dat).
//
// The tall sideways frames show him from the side, walking to the right, at the size of
// the people on the object strip; the wide up-and-down frames show him from above,
// facing down (figures/hero_side.cpp, figures/hero_above.cpp). The game reads Left, Up
// and Down one column to the left of each rectangle, so every picture keeps off the
// rectangle's last column and suits both readings.
#include <cstdint>
#include <string>
#include <vector>

#include "figures/hero_parts.h"
#include "forge.h"

namespace forge {
namespace {

using hero::Outfit;
using hero::Pose;

constexpr int kSheetWidth = 130;
constexpr int kSheetHeight = 95;

struct Box {
  int x, y, w, h;
};

struct FrameRow {
  Box sideways;
  Box upDown;
  Pose pose;
};

// Stand, Walk1 (left leg ahead), Walk2/6, Walk3/5, Walk4 (right leg ahead), Use1, Use2.
// Standing and using keep his body 7 pixels from the back of the frame, which is what
// the game's nudges during the use gesture expect; the walk spreads both ways.
constexpr FrameRow kFrames[] = {
    {{0, 0, 19, 31}, {67, 0, 31, 18}, {0, 0, 0, 0, 0, 7}},
    {{20, 0, 23, 31}, {67, 20, 31, 22}, {4.5, -4.5, -3.5, 3.5, 0, 10}},
    {{8, 31, 20, 31}, {98, 8, 31, 19}, {2, -1.5, -1.5, 1.5, 0, 8}},
    {{34, 31, 20, 31}, {98, 33, 31, 20}, {-1.5, 2, 1.5, -1.5, 0, 8}},
    {{43, 0, 23, 31}, {67, 42, 31, 23}, {-4.5, 4.5, 3.5, -3.5, 0, 10}},
    {{0, 63, 21, 30}, {67, 67, 30, 21}, {0, 0, 0, 0, 9, 7}},
    {{22, 63, 26, 30}, {98, 67, 30, 26}, {0, 0, 0, 0, 14, 7}},
};

// coat, shade, light; trousers, shade; shirt; shoes, shine; uniform
constexpr Outfit kLinenSuit{{232, 220, 186}, {178, 162, 124}, {248, 242, 220},
                            {216, 202, 164}, {170, 154, 116}, {150, 186, 214},
                            {92, 56, 32},    {150, 104, 66},  false};
constexpr Outfit kUniform{{104, 112, 62}, {66, 72, 38}, {132, 140, 84}, {92, 98, 54}, {60, 66, 34},
                          {76, 82, 42},   {22, 20, 18}, {84, 84, 80},   true};

// --- Frames on the sheet --------------------------------------------------------------

bool Keyed(Picture& frame, int x, int y) {
  return (frame.Pixel(x, y) & 0x00FFFFFFu) == 0x0000FFFFu;
}

// His shadow: every other floor pixel of an ellipse darkened, so it shows on any floor
// without hiding it. Sideways it lies under his shoes; from above it falls to his left
// and right (never ahead or behind, since the Up picture is the Down one turned over).
void Shadow(Picture& frame, double cx, double cy, double rx, double ry) {
  constexpr Rgb kShadow{34, 30, 28};
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1 && (x + y) % 2 == 0 && Keyed(frame, x, y))
        frame.SetPixel(x, y, kShadow);
    }
}

// Draws one pose into the drawable part of a rectangle (all but its last column) and
// copies its figure onto the sheet.
void PlaceFrame(Picture& sheet, const Outfit& o, const Pose& pose, Box box, bool sideways) {
  Picture frame(box.w - 1, box.h);
  const double middle = (box.w - 1) / 2.0;
  if (sideways)
    hero::DrawSideways(frame.cr(), o, pose, pose.back);
  else
    hero::DrawFromAbove(frame.cr(), o, pose, middle, pose.back);
  FinishKeyed(frame);
  if (sideways)
    Shadow(frame, pose.back + 1.5, 29.0, 7.5, 1.6);
  else
    Shadow(frame, middle + 1, pose.back + 0.5, 12.5, 6);
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x) {
      if (Keyed(frame, x, y)) continue;
      const std::uint32_t p = frame.Pixel(x, y);
      sheet.SetPixel(box.x + x, box.y + y,
                     {static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255),
                      static_cast<int>(p & 255)});
    }
}

void ForgeSheet(Output& out, const Outfit& o, const std::string& name) {
  Picture sheet(kSheetWidth, kSheetHeight);
  FinishKeyed(sheet);  // all key to begin with
  for (const FrameRow& row : kFrames) {
    PlaceFrame(sheet, o, row.pose, row.sideways, true);
    PlaceFrame(sheet, o, row.pose, row.upDown, false);
  }
  out.Save(sheet, name);
}

}  // namespace

void ForgeHeroSheets(Output& out) {
  ForgeSheet(out, kLinenSuit, "Morvane01.dat");
  ForgeSheet(out, kUniform, "Morvane14.dat");
}

std::vector<PictureSpec> HeroManifest() {
  return {{"Morvane01.dat", kSheetWidth, kSheetHeight, true},
          {"Morvane14.dat", kSheetWidth, kSheetHeight, true}};
}

}  // namespace forge
