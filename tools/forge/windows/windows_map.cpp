// The city map: a night-blue survey sheet of Islamia City. Each district is
// drawn around the place where its name label lies, under a dark plate so the
// light yellow name reads; the cream corner at the top right carries the dark
// blue "Back to" label.
#include <cmath>

#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

constexpr int kW = 570;
constexpr int kH = 330;
constexpr Rgb kLand{28, 36, 54};
constexpr Rgb kSea{10, 22, 46};
constexpr Rgb kWater{40, 70, 118};
constexpr Rgb kRoad{84, 98, 124};
constexpr Rgb kBlock{44, 54, 76};
constexpr Rgb kGreen{30, 62, 44};

struct Pt {
  double x, y;
};

// District labels (index = district number), as the map window places them.
struct LabelBox {
  int x, y, w, h;
};
constexpr LabelBox kLabels[] = {
    {0, 0, 0, 0},    {240, 144, 65, 31}, {472, 208, 59, 31}, {8, 224, 113, 33},
    {4, 80, 57, 31}, {160, 160, 47, 31}, {200, 280, 57, 15}, {508, 48, 43, 31},
};

constexpr Pt kCoast[] = {{570, 232}, {548, 242}, {520, 256}, {492, 266},
                         {462, 282}, {436, 300}, {412, 316}, {396, 330}};
constexpr Pt kRiver[] = {{352, 0},   {360, 44},  {346, 96},  {372, 150}, {364, 200},
                         {330, 236}, {292, 262}, {300, 292}, {344, 308}, {400, 324}};

void Path(cairo_t* cr, const Pt* pts, int n) {
  cairo_move_to(cr, pts[0].x, pts[0].y);
  for (int i = 1; i + 1 < n; ++i) {
    const Pt mid{(pts[i].x + pts[i + 1].x) / 2, (pts[i].y + pts[i + 1].y) / 2};
    cairo_curve_to(cr, pts[i].x, pts[i].y, pts[i].x, pts[i].y, mid.x, mid.y);
  }
  cairo_line_to(cr, pts[n - 1].x, pts[n - 1].y);
}

void LandAndSea(Picture& p) {
  cairo_t* cr = p.cr();
  FillRect(cr, 0, 0, kW, kH, kLand);
  // Town blocks everywhere, a little irregular.
  for (int by = 4; by < kH; by += 16) {
    for (int bx = 4; bx < kW; bx += 18) {
      const double h = Hash(bx, by, 601);
      if (h < 0.3) continue;
      const int w = 6 + static_cast<int>(Hash(bx, by, 606) * 9);
      const int hh = 5 + static_cast<int>(Hash(bx, by, 607) * 7);
      FillRect(cr, bx + (14 - w) / 2, by + (11 - hh) / 2, w, hh, Mix(kLand, kBlock, 0.4 + h * 0.6));
    }
  }
  // The gulf in the south-east, with hatched swell.
  cairo_move_to(cr, kCoast[0].x, kCoast[0].y);
  Path(cr, kCoast, 8);
  cairo_line_to(cr, kW, kH);
  cairo_close_path(cr);
  SetColor(cr, kSea);
  cairo_fill_preserve(cr);
  SetColor(cr, kWater);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 7; ++i) {
    const double x = 460 + (i % 3) * 36, y = 290 + (i / 3) * 12 + (i % 2) * 4;
    Line(cr, x, y, x + 10, y, {30, 52, 90});
  }
  // The river from the hills to the gulf, through the park.
  Path(cr, kRiver, 10);
  SetColor(cr, kWater);
  cairo_set_line_width(cr, 7);
  cairo_stroke_preserve(cr);
  SetColor(cr, {22, 40, 76});
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

void Roads(cairo_t* cr) {
  SetColor(cr, kRoad);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 0, 136);
  cairo_curve_to(cr, 150, 128, 300, 140, 570, 126);  // the Corniche avenue, west to east
  cairo_move_to(cr, 148, 0);
  cairo_curve_to(cr, 140, 120, 160, 230, 150, 330);  // north-south boulevard
  cairo_move_to(cr, 150, 210);
  cairo_curve_to(cr, 260, 226, 380, 196, 470, 200);  // to the Penurious Quarter
  cairo_move_to(cr, 420, 126);
  cairo_line_to(cr, 500, 40);  // to the oil works
  cairo_stroke(cr);
  // Bridges over the river.
  for (auto [x, y] : {std::pair{367, 133}, {364, 203}}) {
    FillRect(cr, x - 8, y - 4, 16, 8, kRoad);
    StrokeRect(cr, x - 8, y - 4, 16, 8, {150, 160, 180});
  }
}

void Tint(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha) {
  SetColor(cr, c, alpha);
  RoundedRect(cr, x, y, w, h, 10);
  cairo_fill(cr);
}

void Tree(cairo_t* cr, double x, double y) {
  FillCircle(cr, x, y, 3.4, {22, 44, 30});
  FillCircle(cr, x - 0.8, y - 0.8, 2.4, {58, 104, 66});
}

// Each district where its label lies, in its own character.
void Districts(cairo_t* cr) {
  // 1 Prestigious Quarter: villas in gardens.
  Tint(cr, 214, 108, 124, 92, {120, 100, 50}, 0.22);
  for (int i = 0; i < 10; ++i) {
    const double x = 220 + (i % 5) * 23, y = 114 + (i / 5) * 64;
    FillRect(cr, x, y, 14, 10, {92, 86, 70});
    Tree(cr, x + 18, y + 12);
  }
  // 2 Penurious Quarter: tight little blocks by the shore.
  Tint(cr, 420, 168, 144, 70, {110, 70, 40}, 0.25);
  for (int y = 172; y < 236; y += 6)
    for (int x = 424; x < 560; x += 7)
      if (Hash(x, y, 602) > 0.3) FillRect(cr, x, y, 5, 4, {70, 60, 54});
  // 3 Ministers' Living Quarters: large estates with lawns.
  Tint(cr, 2, 190, 140, 110, {60, 90, 60}, 0.25);
  for (auto [x, y] : {std::pair{14, 196}, {70, 196}, {14, 266}, {76, 264}}) {
    FillRect(cr, x, y, 44, 22, kGreen);
    FillRect(cr, x + 10, y + 5, 22, 12, {96, 90, 80});
  }
  // 4 Islamia University: a campus round a quadrangle.
  Tint(cr, 0, 46, 124, 74, {70, 80, 120}, 0.28);
  FillRect(cr, 68, 54, 48, 50, {86, 92, 116});
  FillRect(cr, 78, 64, 28, 30, kGreen);
  FillCircle(cr, 92, 79, 4, {120, 126, 150});
  // 5 Club Nargila: one bright block with a star.
  Tint(cr, 150, 150, 66, 50, {130, 50, 80}, 0.28);
  FillRect(cr, 196, 190, 18, 8, {120, 80, 110});
  // 6 City Park: trees, lawns and the river bend.
  Tint(cr, 180, 244, 150, 84, {40, 110, 60}, 0.35);
  for (int i = 0; i < 26; ++i) {
    const double x = 186 + Hash(i, 1, 603) * 140, y = 248 + Hash(i, 2, 603) * 76;
    if (x > 196 && x < 262 && y > 276 && y < 299) continue;  // leave the name plate clear
    Tree(cr, x, y);
  }
  // 7 Islamia Oil Inc.: tank farm and flare stack by the road.
  Tint(cr, 440, 22, 128, 92, {110, 100, 40}, 0.22);
  for (int i = 0; i < 6; ++i) {
    const double x = 452 + (i % 3) * 18, y = 34 + (i / 3) * 52;
    FillCircle(cr, x, y, 7, {70, 72, 64});
    FillCircle(cr, x, y, 3, {110, 112, 100});
  }
  Line(cr, 556, 96, 556, 70, {120, 120, 110}, 2);
  Glow(cr, 556, 66, 8, {255, 150, 50}, 0.8);
}

// Dark plates under the district names; a pin marks each district on the map.
void NamePlates(cairo_t* cr) {
  for (int d = 1; d <= 7; ++d) {
    const LabelBox& b = kLabels[d];
    SetColor(cr, {6, 10, 22}, 0.62);
    RoundedRect(cr, b.x - 3, b.y - 2, b.w + 6, b.h + 4, 3);
    cairo_fill(cr);
    SetColor(cr, kBrassDark, 0.8);
    cairo_set_line_width(cr, 1);
    RoundedRect(cr, b.x - 2.5, b.y - 1.5, b.w + 5, b.h + 3, 3);
    cairo_stroke(cr);
  }
}

void Furniture(Picture& p) {
  cairo_t* cr = p.cr();
  // Sheet title at the top left, compass, scale bar and the gulf's name.
  Letters(cr, kSerif, 8, 20, "ISLAMIA CITY", 15, kCream, true, 2);
  Letters(cr, kSans, 9, 32, "SURVEY SHEET 4  \xc2\xb7  1 : 25 000", 7.5, kPaleGrey, false, 1);
  const double cx = 262, cy = 52;
  cairo_new_path(cr);
  SetColor(cr, kPaleGrey, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_arc(cr, cx, cy, 16, 0, 2 * M_PI);
  cairo_stroke(cr);
  SetColor(cr, kBrassLight);
  cairo_move_to(cr, cx, cy - 22);
  cairo_line_to(cr, cx + 4, cy);
  cairo_line_to(cr, cx - 4, cy);
  cairo_close_path(cr);
  cairo_fill(cr);
  SetColor(cr, kPaleGrey);
  cairo_move_to(cr, cx, cy + 16);
  cairo_line_to(cr, cx + 4, cy);
  cairo_line_to(cr, cx - 4, cy);
  cairo_close_path(cr);
  cairo_fill(cr);
  LettersCentred(cr, kSans, cx, cy - 24, "N", 8, kBrassLight, true);
  for (int i = 0; i < 4; ++i) FillRect(cr, 10 + i * 20, 318, 20, 4, i % 2 ? kPaleGrey : kLand);
  StrokeRect(cr, 10, 318, 80, 4, kPaleGrey);
  Letters(cr, kSans, 94, 323, "1 km", 7.5, kPaleGrey);
  cairo_select_font_face(cr, kSerif, CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 13);
  SetColor(cr, {90, 120, 170});
  cairo_move_to(cr, 478, 316);
  cairo_show_text(cr, "The Gulf");
  // The cream corner under "Back to ..." (516,0): deep enough for the longest
  // district name wrapped in its four lines, and clear of the oil works' name.
  FillRect(cr, 506, 0, 64, 45, kCream);
  Grain(p, 506, 0, 64, 45, 604, 4);
  Line(cr, 505.5, 0, 505.5, 45.5, kBrassDark);
  Line(cr, 505.5, 45.5, 570, 45.5, kBrassDark);
}

// A faint survey grid and a double border.
void Grid(Picture& p) {
  cairo_t* cr = p.cr();
  SetColor(cr, {90, 120, 170}, 0.12);
  cairo_set_line_width(cr, 1);
  for (int x = 30; x < kW; x += 60) {
    cairo_move_to(cr, x + 0.5, 0);
    cairo_line_to(cr, x + 0.5, kH);
  }
  for (int y = 30; y < kH; y += 60) {
    cairo_move_to(cr, 0, y + 0.5);
    cairo_line_to(cr, kW, y + 0.5);
  }
  cairo_stroke(cr);
  Grain(p, 0, 0, kW, kH, 605, 4);
}

}  // namespace

void ForgeCityMap(Output& out) {
  Picture p(kW, kH);
  LandAndSea(p);
  Roads(p.cr());
  Districts(p.cr());
  Grid(p);
  Vignette(p, 0.35);
  NamePlates(p.cr());
  Furniture(p);
  FinishOpaque(p, kLand);
  out.Save(p, "Morvane04.dat");
}

}  // namespace forge
