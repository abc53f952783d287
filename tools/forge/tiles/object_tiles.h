// The object strip's shared drawing kit: one 30 x 30 tile at a time, drawn on the
// transparent strip before the key finish, with a small palette and shape helpers.
// The people and animals of the strip are drawn in figures/object_tiles_person.h and beside it.
#pragma once

#include <cairo.h>

#include <initializer_list>
#include <span>
#include <utility>

#include "picture.h"

namespace forge::objects {

constexpr int kTile = 30;
constexpr int kObjectCount = 194;

// One tile of the strip: cairo is translated to the tile's corner and clipped to it.
struct Tile {
  Picture& pic;
  cairo_t* cr;
  int x0;
  // Sets one pixel in tile coordinates, fully opaque (for dithered shade and sparkle).
  void Dot(int x, int y, Rgb c) const {
    if (x >= 0 && y >= 0 && x < kTile && y < kTile) pic.SetPixel(x0 + x, y, c);
  }
};

using DrawFn = void (*)(Tile&, int code);

// --- Palette -------------------------------------------------------------------
constexpr Rgb kInk{30, 24, 22};  // outline around every object so it reads on any floor
constexpr Rgb kWhite{242, 240, 232};
constexpr Rgb kPaper{236, 230, 212};
constexpr Rgb kBlack{36, 34, 38};
constexpr Rgb kGrey{128, 128, 130};
constexpr Rgb kLightGrey{190, 190, 192};
constexpr Rgb kDarkGrey{72, 72, 76};
constexpr Rgb kSteel{150, 158, 166};
constexpr Rgb kGold{222, 178, 52};
constexpr Rgb kBrass{196, 160, 70};
constexpr Rgb kRed{196, 40, 36};
constexpr Rgb kDarkRed{128, 26, 30};
constexpr Rgb kGreen{52, 140, 62};
constexpr Rgb kDarkGreen{34, 84, 44};
constexpr Rgb kOlive{104, 108, 58};
constexpr Rgb kKhaki{178, 160, 110};
constexpr Rgb kNavy{36, 48, 92};
constexpr Rgb kBlue{52, 92, 176};
constexpr Rgb kSky{120, 164, 214};
constexpr Rgb kBrown{112, 72, 40};
constexpr Rgb kDarkBrown{70, 44, 26};
constexpr Rgb kWood{150, 100, 56};
constexpr Rgb kStraw{222, 196, 120};
constexpr Rgb kOrange{228, 124, 36};
constexpr Rgb kYellow{236, 204, 48};
constexpr Rgb kPink{230, 120, 160};
constexpr Rgb kPurple{110, 60, 130};
constexpr Rgb kChalk{236, 236, 228};
constexpr Rgb kCompany{30, 98, 72};  // Islamia Oil's green

// --- Shapes (tile coordinates, pixel centres at .5) -----------------------------
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c);
void Poly(cairo_t* cr, std::initializer_list<std::pair<double, double>> pts, Rgb c);
// A filled shape with a one-pixel ink rim: the rim first, then the fill inset by one.
void InkRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double r = 0);
void InkEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c);
void Arc(cairo_t* cr, double cx, double cy, double r, double a0, double a1, Rgb c, double w);
// Every other pixel inside an ellipse: shade or light that lets the floor show through.
void DitherEllipse(Tile& t, double cx, double cy, double rx, double ry, Rgb c, int parity = 0);
Rgb Darker(Rgb c, double t = 0.35);
Rgb Lighter(Rgb c, double t = 0.35);

// --- Families of tiles: each lists its codes with their drawing functions -------
struct Entry {
  int code;
  DrawFn draw;
};
std::span<const Entry> CastEntries();     // people standing, from the look table (figures/)
std::span<const Entry> FigureEntries();   // seated people, groups and animals (figures/)
std::span<const Entry> DoorEntries();     // doors, switches and signs
std::span<const Entry> FixtureEntries();  // cabinets, carts, crates, barriers, street things
std::span<const Entry> ItemEntries();     // pick-ups and inventory pictures
std::span<const Entry> FloorEntries();    // floor things and decorations

}  // namespace forge::objects
