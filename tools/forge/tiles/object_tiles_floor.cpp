// Flat things on the floor of the object strip (walked over, some examined) and the
// silent decorations. Shade, light, smoke and dust are dithered, every other pixel,
// so the floor shows through them as it would through a shadow.
#include <cmath>

#include "tiles/object_tiles.h"

namespace forge::objects {
namespace {

constexpr Rgb kShade{34, 32, 40};

void Sheet(cairo_t* cr, double cx, double cy, double angle, double w, double h, Rgb c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  InkRect(cr, -w / 2, -h / 2, w, h, c);
  for (double y = -h / 2 + 2.5; y < h / 2 - 2; y += 2.2)
    FillRect(cr, -w / 2 + 2, y, w - 4, 1, kGrey);
  cairo_restore(cr);
}

void LooseTile31(Tile& t, int) {
  cairo_save(t.cr);
  cairo_translate(t.cr, 15, 15);
  cairo_rotate(t.cr, 0.12);
  InkRect(t.cr, -11, -11, 22, 22, Rgb{176, 164, 146});
  FillRect(t.cr, -10, -10, 20, 2, Rgb{200, 190, 172});
  Line(t.cr, -6, -10, 2, 3, kDarkGrey, 1);
  Line(t.cr, 2, 3, 9, 10, kDarkGrey, 1);
  cairo_restore(t.cr);
}

void ChalkCross34(Tile& t, int) {
  Line(t.cr, 7, 7, 23, 23, kChalk, 2.6);
  Line(t.cr, 23, 7, 7, 23, kChalk, 2.6);
  Arc(t.cr, 15, 15, 11, 0.2, 1.4, kChalk, 1.4);
}

void Papers44(Tile& t, int) {
  Sheet(t.cr, 10, 10, -0.4, 13, 10, kPaper);
  Sheet(t.cr, 20, 19, 0.3, 14, 11, kWhite);
  Sheet(t.cr, 9, 22, 0.9, 9, 7, kPaper);
}

void Manhole47(Tile& t, int) {
  InkEllipse(t.cr, 15, 15, 10, 10, kDarkGrey);
  for (int i = -2; i <= 2; ++i) FillRect(t.cr, 7, 15 + i * 3.4, 16, 1, Rgb{100, 100, 104});
  Line(t.cr, 21, 3, 27, 9, kChalk, 1.6);  // a chalk arrow at the rim
  Line(t.cr, 27, 9, 27, 4, kChalk, 1.6);
  Line(t.cr, 27, 9, 22, 9, kChalk, 1.6);
}

void Footprints48(Tile& t, int) {
  const Rgb dust{120, 104, 84};
  for (int i = 0; i < 4; ++i) {
    const double x = 9 + i * 3.8 + (i % 2) * 5, y = 26 - i * 7;
    Ellipse(t.cr, x, y, 1.8, 3, dust);
    Ellipse(t.cr, x, y - 3.6, 1.3, 1.3, dust);
  }
}

void Puddle(Tile& t, double rx, double ry, bool ripples) {
  const Rgb water{92, 118, 150};
  InkEllipse(t.cr, 15, 15, rx, ry, water);
  Ellipse(t.cr, 21, 17, rx * 0.5, ry * 0.6, water);
  Ellipse(t.cr, 11, 12, rx * 0.4, ry * 0.25, Rgb{170, 190, 214});
  if (ripples) {
    Arc(t.cr, 17, 17, 3, 0, 2 * M_PI, Rgb{150, 174, 204}, 1);
    Arc(t.cr, 12, 18, 1.6, 0, 2 * M_PI, Rgb{150, 174, 204}, 1);
  }
}

void Puddle51(Tile& t, int) { Puddle(t, 11, 7, false); }
void Puddle176(Tile& t, int) { Puddle(t, 8, 10, true); }

void Leaflet52(Tile& t, int) {
  Sheet(t.cr, 15, 15, 0.35, 14, 18, kWhite);
  cairo_save(t.cr);
  cairo_translate(t.cr, 15, 15);
  cairo_rotate(t.cr, 0.35);
  FillRect(t.cr, -6, -8, 12, 4, kRed);
  cairo_restore(t.cr);
}

void Grate(Tile& t, double s) {
  const double x = 15 - s / 2;
  InkRect(t.cr, x, x, s, s, kDarkGrey);
  for (double y = x + 2.5; y < x + s - 2; y += 2.5) FillRect(t.cr, x + 2, y, s - 4, 1, kBlack);
}

void Drain53(Tile& t, int) { Grate(t, 18); }
void Grate153(Tile& t, int) {
  Grate(t, 24);
  for (double x = 8.5; x < 24; x += 6) FillRect(t.cr, x, 4, 1, 22, kGrey);
}

void BedEdge55(Tile& t, int) {
  for (int i = 0; i < 5; ++i) InkRect(t.cr, i * 6, 22, 6, 6, Rgb{176, 96, 64});
  const Rgb petals[] = {kRed, kYellow, kPink, kWhite, kOrange};
  for (int i = 0; i < 5; ++i) {
    Ellipse(t.cr, 3 + i * 6, 16 - (i % 2) * 4, 2.4, 2.4, kDarkGreen);
    Ellipse(t.cr, 3 + i * 6, 15 - (i % 2) * 4, 1.4, 1.4, petals[i]);
  }
}

void Rug(Tile& t, double x, double y, double w, double h, Rgb field) {
  cairo_t* cr = t.cr;
  FillRect(cr, x, y, w, h, kInk);
  FillRect(cr, x + 1, y + 1, w - 2, h - 2, Rgb{226, 196, 120});
  FillRect(cr, x + 3, y + 3, w - 6, h - 6, field);
  for (double a = x + 5; a < x + w - 4; a += 4) FillRect(cr, a, y + 5, 2, 2, kGold);
  Ellipse(cr, x + w / 2, y + h / 2, w / 5, h / 5, kNavy);
}

void RugCorner56(Tile& t, int) {
  Rug(t, 6, 6, 30, 30, Rgb{150, 34, 40});
  for (double a = 7; a < 30; a += 2.5)
    FillRect(t.cr, a, 3, 1, 3, kPaper), FillRect(t.cr, 3, a, 3, 1, kPaper);
}

void Rug175(Tile& t, int) {
  Rug(t, 3, 6, 24, 18, Rgb{40, 80, 130});
  for (double y = 7; y < 24; y += 2.5)
    FillRect(t.cr, 0, y, 3, 1, kPaper), FillRect(t.cr, 27, y, 3, 1, kPaper);
}

void Trapdoor57(Tile& t, int) {
  InkRect(t.cr, 3, 3, 24, 24, kWood);
  for (int i = 1; i < 4; ++i) FillRect(t.cr, 4, 3 + i * 6, 22, 1, Darker(kWood, 0.35));
  FillRect(t.cr, 6, 5, 2, 20, kDarkGrey), FillRect(t.cr, 22, 5, 2, 20, kDarkGrey);  // hinges
  Arc(t.cr, 15, 17, 2.6, 0, 2 * M_PI, kDarkGrey, 1.5);
}

void Leaves(Tile& t, int count, std::uint32_t seed) {
  Noise n(seed);
  const Rgb colours[] = {{190, 110, 40}, {150, 80, 30}, {210, 160, 50}, {120, 100, 40}};
  for (int i = 0; i < count; ++i) {
    const double x = 5 + n.Unit() * 20, y = 5 + n.Unit() * 20, a = n.Unit() * M_PI;
    cairo_save(t.cr);
    cairo_translate(t.cr, x, y);
    cairo_rotate(t.cr, a);
    Ellipse(t.cr, 0, 0, 3.4, 1.8, Darker(colours[i % 4], 0.4));
    Ellipse(t.cr, 0, 0, 2.6, 1.1, colours[i % 4]);
    cairo_restore(t.cr);
  }
}

void LeafPile58(Tile& t, int) { Leaves(t, 26, 58); }
void Leaves184(Tile& t, int) { Leaves(t, 6, 184); }

void Spice59(Tile& t, int) {
  DitherEllipse(t, 17, 18, 10, 7, Rgb{214, 110, 30});
  DitherEllipse(t, 15, 17, 6, 4, Rgb{190, 60, 30}, 1);
  InkEllipse(t.cr, 8, 9, 5, 4, Rgb{200, 180, 130});  // the tipped sack
  Ellipse(t.cr, 11, 11, 2.2, 1.6, Rgb{214, 110, 30});
}

void Mosaic60(Tile& t, int) {
  const Rgb tiles[] = {kBlue, kWhite, kGold, Rgb{40, 130, 140}};
  InkEllipse(t.cr, 15, 15, 12, 12, kWhite);
  for (int ring = 0; ring < 3; ++ring)
    for (int i = 0; i < 8 + ring * 4; ++i) {
      const double a = i * 2 * M_PI / (8 + ring * 4), r = 3 + ring * 3.5;
      FillRect(t.cr, 14 + std::cos(a) * r, 14 + std::sin(a) * r, 2, 2, tiles[(i + ring) % 4]);
    }
  FillRect(t.cr, 13, 13, 4, 4, kRed);
}

void Butts61(Tile& t, int) {
  const double pos[][3] = {{8, 10, 0.5}, {19, 8, -0.9}, {14, 20, 0.2}, {23, 22, 1.3}};
  for (const auto& p : pos) {
    cairo_save(t.cr);
    cairo_translate(t.cr, p[0], p[1]);
    cairo_rotate(t.cr, p[2]);
    FillRect(t.cr, -3, -1, 4, 2, kWhite);
    FillRect(t.cr, 1, -1, 2, 2, kOrange);
    cairo_restore(t.cr);
  }
  DitherEllipse(t, 14, 14, 5, 4, kGrey);
}

void OilStain(Tile& t, Rgb c) {
  DitherEllipse(t, 15, 15, 12, 9, c, 1);
  Ellipse(t.cr, 15, 15, 8, 6, c);
  Ellipse(t.cr, 20, 18, 4, 3, c);
  Ellipse(t.cr, 13, 13, 2, 1, Rgb{90, 70, 110});  // sheen
}

void Oil72(Tile& t, int) { OilStain(t, Rgb{30, 28, 26}); }

void Hopscotch74(Tile& t, int) {
  for (int i = 0; i < 3; ++i) StrokeRect(t.cr, 9, 1 + i * 9.5, 12, 10, kChalk, 1.4);
  for (int box = 0; box < 3; ++box)  // one, two, three chalk pips, bottom to top
    for (int k = 0; k <= box; ++k) FillRect(t.cr, 12 + k * 2.5, 24.5 - box * 9.5, 1.5, 1.5, kChalk);
}

void Tyres75(Tile& t, int) {  // two tread marks running top to bottom
  for (int y = 0; y < 30; ++y)
    for (int k = 0; k < 2; ++k) {
      const int x0 = 6 + k * 14;
      for (int x = x0; x < x0 + 5; ++x)
        if ((x + y / 2) % 2 == 0) t.Dot(x, y, kShade);
    }
}

void Cable76(Tile& t, int) {
  cairo_t* cr = t.cr;
  for (int pass = 0; pass < 2; ++pass) {
    SetColor(cr, pass ? Rgb{50, 50, 54} : kInk);
    cairo_set_line_width(cr, pass ? 1.6 : 3.2);
    cairo_move_to(cr, 0, 8);
    cairo_curve_to(cr, 12, 2, 8, 26, 22, 22);
    cairo_stroke(cr);
  }
  InkRect(cr, 21, 19, 6, 6, kDarkGrey);
  FillRect(cr, 27, 20, 2, 1, kBrass), FillRect(cr, 27, 23, 2, 1, kBrass);
}

void TreeShadow118(Tile& t, int) {
  DitherEllipse(t, 15, 15, 13, 11, kShade);
  DitherEllipse(t, 6, 24, 5, 5, kShade);
  DitherEllipse(t, 24, 6, 5, 5, kShade);
}

void Poster124(Tile& t, int) {
  cairo_save(t.cr);
  cairo_translate(t.cr, 15, 15);
  cairo_rotate(t.cr, -0.3);
  InkRect(t.cr, -10, -12, 20, 24, kPaper);
  FillRect(t.cr, -9, -11, 18, 15, Rgb{60, 110, 70});
  Ellipse(t.cr, 0, -3, 4.5, 5.5, Rgb{214, 170, 130});
  Ellipse(t.cr, 0, -7, 4.5, 2.5, kBlack);
  FillRect(t.cr, -3, -1, 6, 1.5, kBlack);  // the moustache
  FillRect(t.cr, -9, 6, 18, 2, kRed);
  Poly(t.cr, {{10, 9}, {10, 12}, {5, 12}}, kInk);  // a torn corner
  cairo_restore(t.cr);
}

void DogBowl125(Tile& t, int) {
  InkEllipse(t.cr, 15, 16, 9, 7, kSteel);
  Ellipse(t.cr, 15, 16, 6, 4.5, Darker(kSteel, 0.3));
  for (int i = 0; i < 6; ++i) Ellipse(t.cr, 12 + (i % 3) * 3, 15 + (i / 3) * 2, 1, 1, kBrown);
}

void Hose136(Tile& t, int) {
  for (int i = 0; i < 3; ++i) Arc(t.cr, 15, 15, 5 + i * 3, 0, 2 * M_PI, kInk, 3.2);
  for (int i = 0; i < 3; ++i) Arc(t.cr, 15, 15, 5 + i * 3, 0, 2 * M_PI, Rgb{60, 160, 60}, 1.6);
  Line(t.cr, 26, 15, 29, 26, kInk, 3.2), Line(t.cr, 26, 15, 29, 26, Rgb{60, 160, 60}, 1.6);
  InkRect(t.cr, 12, 12, 6, 6, kBrass);
}

void Shadow137(Tile& t, int) { DitherEllipse(t, 15, 15, 12, 9, kShade); }
void Lamplight139(Tile& t, int) { DitherEllipse(t, 15, 15, 14, 14, Rgb{255, 236, 150}); }

void Litter138(Tile& t, int) {
  InkEllipse(t.cr, 8, 9, 3.5, 3, kWhite);
  Line(t.cr, 6, 8, 10, 10, kLightGrey, 1);
  InkRect(t.cr, 17, 16, 9, 5, kRed, 2);  // a flattened can
  FillRect(t.cr, 19, 17, 4, 1, kWhite);
  Sheet(t.cr, 9, 22, 0.6, 8, 6, Rgb{230, 200, 120});
}

void Mat152(Tile& t, int) {
  InkRect(t.cr, 3, 6, 24, 18, Rgb{196, 164, 96});
  for (int i = 0; i < 5; ++i) FillRect(t.cr, 4, 8 + i * 3.3, 22, 1.4, Rgb{160, 120, 62});
  for (int i = 0; i < 4; ++i) FillRect(t.cr, 8 + i * 5, 7, 1.4, 16, Rgb{176, 60, 40});
}

void Doormat160(Tile& t, int) {
  InkRect(t.cr, 2, 7, 26, 16, Rgb{150, 110, 60});
  StrokeRect(t.cr, 4, 9, 22, 12, Rgb{90, 60, 30}, 1);
  for (int i = 0; i < 5; ++i) FillRect(t.cr, 7 + i * 4, 12, 2, 6, Rgb{110, 76, 40});
}

void Feathers154(Tile& t, int) {
  const double pos[][3] = {{9, 10, 0.6}, {20, 14, -0.4}, {12, 22, 1.5}};
  for (const auto& p : pos) {
    cairo_save(t.cr);
    cairo_translate(t.cr, p[0], p[1]);
    cairo_rotate(t.cr, p[2]);
    Ellipse(t.cr, 0, 0, 5, 1.8, kLightGrey);
    Line(t.cr, -5.5, 0, 5, 0, kGrey, 1);
    cairo_restore(t.cr);
  }
}

void Glass155(Tile& t, int) {
  const Rgb glass{200, 226, 232};
  Poly(t.cr, {{6, 8}, {12, 6}, {9, 14}}, glass);
  Poly(t.cr, {{16, 12}, {24, 14}, {18, 19}}, glass);
  Poly(t.cr, {{9, 20}, {14, 22}, {10, 26}}, glass);
  Poly(t.cr, {{20, 5}, {23, 8}, {19, 9}}, glass);
  Line(t.cr, 17, 13, 22, 14, kWhite, 1);
}

void Sand157(Tile& t, int) {
  InkEllipse(t.cr, 15, 16, 12, 10, Rgb{214, 186, 120});
  Ellipse(t.cr, 13, 13, 8, 6, Rgb{228, 204, 146});
  Ellipse(t.cr, 11, 11, 3, 2, Rgb{240, 222, 170});
  DitherEllipse(t, 19, 21, 6, 4, Rgb{176, 148, 90});
}

void Paint158(Tile& t, int) {
  const Rgb paint{236, 236, 240};
  InkEllipse(t.cr, 17, 17, 9, 7, paint);
  Ellipse(t.cr, 9, 22, 3, 2, paint);
  InkEllipse(t.cr, 8, 8, 5, 5, kSteel);  // the tin on its side
  Ellipse(t.cr, 8, 8, 3.5, 3.5, paint);
}

void Tiles159(Tile& t, int) {
  for (int i = 0; i < 3; ++i)
    InkRect(t.cr, 4 + i * 3, 14 - i * 4, 13, 13, Rgb{190 - i * 10, 90, 60});
  InkRect(t.cr, 16, 16, 11, 11, Rgb{60, 110, 170});
  Line(t.cr, 17, 26, 26, 17, kWhite, 1);
}

void OilCan164(Tile& t, int) {
  InkRect(t.cr, 6, 10, 14, 16, Rgb{40, 120, 60}, 2);
  FillRect(t.cr, 8, 15, 10, 5, kYellow);
  Line(t.cr, 18, 12, 27, 4, kInk, 3), Line(t.cr, 18, 12, 27, 4, kBrass, 1.4);  // spout
  InkRect(t.cr, 10, 6, 6, 4, kDarkGrey);
}

void ChalkOutline178(Tile& t, int) {
  cairo_t* cr = t.cr;
  Arc(cr, 15, 5, 3.4, 0, 2 * M_PI, kChalk, 1.2);
  cairo_new_path(cr);
  const double pts[][2] = {{12, 9},  {4, 13},  {6, 15},  {12, 12}, {11, 21},
                           {7, 29},  {10, 29}, {15, 22}, {20, 29}, {23, 29},
                           {19, 21}, {18, 12}, {26, 10}, {25, 8},  {18, 9}};
  for (const auto& p : pts) cairo_line_to(cr, p[0], p[1]);
  cairo_close_path(cr);
  SetColor(cr, kChalk);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void Toy185(Tile& t, int) {  // a little red tin car
  InkRect(t.cr, 6, 9, 18, 12, kRed, 3);
  FillRect(t.cr, 11, 11, 8, 8, Rgb{170, 210, 230});
  for (double x : {9.0, 21.0})
    for (double y : {8.5, 21.5}) InkEllipse(t.cr, x, y, 1.6, 1.2, kBlack);
}

void Smoke186(Tile& t, int) {
  DitherEllipse(t, 12, 18, 8, 7, kLightGrey);
  DitherEllipse(t, 19, 10, 7, 6, kLightGrey, 1);
  DitherEllipse(t, 10, 6, 4, 3, kLightGrey);
}

void Sparks187(Tile& t, int) {
  Noise n(187);
  for (int i = 0; i < 12; ++i) {
    const double a = n.Unit() * 2 * M_PI, r = 3 + n.Unit() * 10;
    Line(t.cr, 15 + std::cos(a) * r * 0.5, 15 + std::sin(a) * r * 0.5, 15 + std::cos(a) * r,
         15 + std::sin(a) * r, i % 2 ? kYellow : kOrange, 1);
  }
  Ellipse(t.cr, 15, 15, 2, 2, Rgb{255, 250, 200});
}

void Dust193(Tile& t, int) {
  DitherEllipse(t, 15, 17, 13, 10, Rgb{190, 166, 120});
  DitherEllipse(t, 10, 12, 6, 5, Rgb{214, 196, 150}, 1);
}

constexpr Entry kFloor[] = {
    {31, LooseTile31},  {34, ChalkCross34},     {44, Papers44},   {47, Manhole47},
    {48, Footprints48}, {51, Puddle51},         {52, Leaflet52},  {53, Drain53},
    {55, BedEdge55},    {56, RugCorner56},      {57, Trapdoor57}, {58, LeafPile58},
    {59, Spice59},      {60, Mosaic60},         {61, Butts61},    {72, Oil72},
    {74, Hopscotch74},  {75, Tyres75},          {76, Cable76},    {118, TreeShadow118},
    {124, Poster124},   {125, DogBowl125},      {136, Hose136},   {137, Shadow137},
    {138, Litter138},   {139, Lamplight139},    {152, Mat152},    {153, Grate153},
    {154, Feathers154}, {155, Glass155},        {157, Sand157},   {158, Paint158},
    {159, Tiles159},    {160, Doormat160},      {164, OilCan164}, {175, Rug175},
    {176, Puddle176},   {178, ChalkOutline178}, {184, Leaves184}, {185, Toy185},
    {186, Smoke186},    {187, Sparks187},       {193, Dust193},
};

}  // namespace

std::span<const Entry> FloorEntries() { return kFloor; }

}  // namespace forge::objects
