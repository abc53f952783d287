// Blocking outdoor and structural tiles: wall faces and caps, fences, hedges, rock, water's
// edge, windows and the two secret doors' stone.
#include <cmath>

#include "tiles/back_tiles.h"

namespace forge::bgtiles {

namespace {

constexpr Rgb kTerracotta{176, 84, 52};
constexpr Rgb kIron{34, 34, 38};

// Barrel roof tiles along the top of a wall, seen from above.
void TileCap(cairo_t* cr, double y, double h) {
  FillRect(cr, 0, y, kCell, h, Shade(kTerracotta, -0.3));
  for (int k = 0; k < 6; ++k) {
    FillRound(cr, 0.5 + k * 5, y, 4.2, h - 0.5, 2, kTerracotta);
    FillRect(cr, 1.3 + k * 5, y + 0.5, 1, h - 2, Shade(kTerracotta, 0.3));
  }
}

// A window: frame, glass with a reflection, cross bars, and a sill.
void Window(cairo_t* cr, double x, double y, double w, double h, Rgb frame, Rgb glass) {
  Shadow(cr, x, y, w, h, 0, 0.3);
  FillRect(cr, x, y, w, h, frame);
  FillRect(cr, x + 2, y + 2, w - 4, h - 4, glass);
  cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w, y + h);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.0);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, x + 2, y + 2, w - 4, h - 4);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Line(cr, x + 4, y + h - 6, x + w - 8, y + 4, {235, 245, 250}, 0.8);
  FillRect(cr, x + w / 2 - 0.75, y + 2, 1.5, h - 4, frame);
  FillRect(cr, x + 2, y + h / 2 - 0.75, w - 4, 1.5, frame);
}

}  // namespace

void BrickCap(cairo_t* cr) {
  Noise n(300);
  Fill(cr, {176, 164, 146});
  // Bricks laid across the wall top, two courses, their joints off the cell edges.
  for (int row = 0; row < 2; ++row)
    for (int k = 0; k < 5; ++k) {
      const Rgb c = Shade({170, 82, 58}, (n.Unit() - 0.5) * 0.25);
      const double x = 1.5 + k * 6 + row * 3, y = 3 + row * 15;
      Wrapped(x, y, [&](double px, double py) {
        FillRect(cr, px, py, 5, 14, c);
        FillRect(cr, px, py, 5, 1, Shade(c, 0.3));
        FillRect(cr, px, py, 1, 14, Shade(c, 0.15));
        FillRect(cr, px + 4, py, 1, 14, Shade(c, -0.25));
      });
    }
}

void StuccoStraight(cairo_t* cr) {
  Stucco(cr);
  TileCap(cr, 0, 5);
  FillRect(cr, 0, 5, kCell, 1.5, {150, 140, 124});  // the eaves' shadow on the face
  FillRect(cr, 0, 25, kCell, 5, {164, 154, 138});   // plinth
  FillRect(cr, 0, 25, kCell, 1, {204, 196, 182});
}

void StuccoCorner(cairo_t* cr) {
  Stucco(cr);
  // A square pier with a hipped tile cap: four faces, lit from the upper left.
  auto face = [cr](double x1, double y1, double x2, double y2, Rgb c) {
    SetColor(cr, c);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_line_to(cr, 15, 15);
    cairo_close_path(cr);
    cairo_fill(cr);
  };
  face(2, 2, 28, 2, Shade(kTerracotta, 0.25));
  face(2, 2, 2, 28, Shade(kTerracotta, 0.1));
  face(28, 2, 28, 28, Shade(kTerracotta, -0.2));
  face(2, 28, 28, 28, Shade(kTerracotta, -0.35));
  StrokeRect(cr, 1, 1, 28, 28, {150, 140, 124}, 1);
  FillCircle(cr, 15, 15, 1.5, Shade(kTerracotta, -0.4));
}

void ConcreteWallTile(cairo_t* cr) {
  ConcreteWall(cr);
  FillRect(cr, 0, 0, kCell, 2, {150, 150, 146});
  FillRect(cr, 0, 27, kCell, 3, {80, 80, 78});
}

void WoodFence(cairo_t* cr) {
  Grass(cr);
  SetColor(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, 0, 22, kCell, 5);
  cairo_fill(cr);
  for (double y : {8.0, 18.0}) Rail(cr, y, 2.5, {110, 74, 42});
  for (int k = 0; k < 5; ++k) {
    const double x = 1 + k * 6;
    SetColor(cr, {148, 102, 60});
    cairo_move_to(cr, x, 24);
    cairo_line_to(cr, x, 6);
    cairo_line_to(cr, x + 2.25, 3.5);
    cairo_line_to(cr, x + 4.5, 6);
    cairo_line_to(cr, x + 4.5, 24);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, x, 6, 1, 18, {186, 140, 92});
    FillRect(cr, x + 3.5, 6, 1, 18, {104, 68, 38});
  }
}

void Hedge(cairo_t* cr) {
  Fill(cr, {30, 64, 28});
  Noise n(301);
  for (int i = 0; i < 26; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell, r = 3 + n.Unit() * 2.5;
    const Rgb c = Mix({40, 86, 34}, {76, 130, 54}, n.Unit());
    Wrapped(x, y, [&](double px, double py) { Ball(cr, px, py, r, c); });
  }
  for (int i = 0; i < 40; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    Wrapped(x, y, [&](double px, double py) { FillCircle(cr, px, py, 0.6, {120, 170, 84}); });
  }
}

void Railing(cairo_t* cr) {
  Grass(cr);
  SetColor(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, 0, 23, kCell, 3);
  cairo_fill(cr);
  FillRect(cr, 0, 9, kCell, 2, kIron);
  FillRect(cr, 0, 21, kCell, 2, kIron);
  for (int k = 0; k < 6; ++k) {
    const double x = 2.5 + k * 5;
    FillRect(cr, x - 0.75, 7, 1.5, 16, kIron);
    FillRect(cr, x - 0.75, 7, 0.6, 16, {96, 96, 104});
    SetColor(cr, kIron);
    cairo_move_to(cr, x - 1.8, 7.5);
    cairo_line_to(cr, x, 3);
    cairo_line_to(cr, x + 1.8, 7.5);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  FillRect(cr, 0, 9, kCell, 0.7, {96, 96, 104});
}

void ChainLink(cairo_t* cr) {
  Dirt(cr);
  SetColor(cr, {0, 0, 0}, 0.18);
  cairo_rectangle(cr, 0, 8, kCell, 18);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 6, kCell, 18);
  cairo_clip(cr);
  SetColor(cr, {160, 166, 170});
  cairo_set_line_width(cr, 0.7);
  for (int k = -6; k <= 12; ++k) {
    cairo_move_to(cr, k * 5, 6);
    cairo_line_to(cr, k * 5 + 18, 24);
    cairo_move_to(cr, k * 5, 24);
    cairo_line_to(cr, k * 5 + 18, 6);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  FillRect(cr, 0, 5, kCell, 1.5, {120, 124, 128});
  Ball(cr, 15, 15, 2.2, {110, 114, 118});
  // Barbed wire along the top: two strands and their barbs.
  for (double y : {1.5, 3.5}) Line(cr, 0, y, kCell, y, {90, 92, 96}, 0.6);
  for (int k = 0; k < 6; ++k) {
    const double x = 2.5 + k * 5, y = 1.5 + (k % 2) * 2;
    Line(cr, x - 1.2, y - 1.2, x + 1.2, y + 1.2, {70, 72, 76}, 0.6);
    Line(cr, x - 1.2, y + 1.2, x + 1.2, y - 1.2, {70, 72, 76}, 0.6);
  }
}

void Reeds(cairo_t* cr) {
  Water(cr);
  Noise n(302);
  SetColor(cr, {90, 72, 50}, 0.6);
  cairo_rectangle(cr, 0, 18, kCell, 12);
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 24; ++i) {
    const double x = n.Unit() * kCell, y = 16 + n.Unit() * 14;
    const double len = 8 + n.Unit() * 9, lean = (n.Unit() - 0.5) * 6;
    const Rgb c = Mix({70, 110, 40}, {150, 170, 80}, n.Unit());
    const bool head = i % 4 == 0;
    Wrapped(x, y, [&](double px, double py) {
      Line(cr, px, py, px + lean, py - len, c, 1.0);
      if (head) FillRound(cr, px + lean - 1, py - len - 1, 2, 4.5, 1, {110, 66, 34});
    });
  }
}

void PalmTree(cairo_t* cr) {
  // The crown spreads over the whole cell, so the palm reads the same on a lawn, a gravel
  // path or a paved square; the grass in its shade shows only between the fronds.
  Grass(cr);
  Dim(cr, 0.3, {0, 20, 0});
  PalmCrown(cr, 15, 14, 11, 18, {40, 100, 54}, 0.3);
}

void HiddenDoorClosed(cairo_t* cr) {
  RoughStone(cr);
  // The slab's faint seam at mid height: a dark hairline over a lit one.
  SetColor(cr, {30, 26, 22}, 0.55);
  cairo_rectangle(cr, 0, 14.5, kCell, 0.8);
  cairo_fill(cr);
  SetColor(cr, {220, 210, 190}, 0.25);
  cairo_rectangle(cr, 0, 15.3, kCell, 0.6);
  cairo_fill(cr);
}

void StoneDoorOpen(cairo_t* cr) {
  RoughStone(cr);
  // The tunnel mouth: black in the middle rows, ragged stone lips above and below.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 5, 0, 25);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.18, 0.14, 0.1);
  cairo_pattern_add_color_stop_rgb(p, 0.5, 0.03, 0.02, 0.02);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.16, 0.12, 0.09);
  cairo_set_source(cr, p);
  cairo_move_to(cr, 0, 6);
  static constexpr double kTop[] = {5, 7, 4.5, 6.5, 5, 7.5, 5.5};
  static constexpr double kBottom[] = {25, 23.5, 25.5, 23, 24.5, 23.5, 25};
  for (int k = 0; k < 7; ++k) cairo_line_to(cr, k * 5, kTop[k]);
  for (int k = 6; k >= 0; --k) cairo_line_to(cr, k * 5, kBottom[k]);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (int k = 0; k < 6; ++k) {
    Line(cr, k * 5, kTop[k] - 0.5, k * 5 + 5, kTop[k + 1] - 0.5, {170, 160, 144}, 1);
    Line(cr, k * 5, kBottom[k] + 0.5, k * 5 + 5, kBottom[k + 1] + 0.5, {80, 72, 64}, 1);
  }
}

void TorchRock(cairo_t* cr) {
  Rock(cr);
  cairo_pattern_t* glow = cairo_pattern_create_radial(15, 10, 1, 15, 12, 12);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.8, 0.3, 0.45);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.6, 0.2, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  Raised(cr, 13.5, 12, 3, 12, {60, 58, 56});
  Raised(cr, 11, 21, 8, 2.5, {60, 58, 56});
  FillRect(cr, 13, 9, 4, 4, {96, 64, 34});
  SetColor(cr, {250, 150, 40});
  cairo_move_to(cr, 15, 2);
  cairo_curve_to(cr, 18.5, 6, 18, 9.5, 15, 10);
  cairo_curve_to(cr, 12, 9.5, 11.5, 6, 15, 2);
  cairo_fill(cr);
  FillCircle(cr, 15, 7.5, 1.6, {255, 240, 160});
}

void BrickWindow(cairo_t* cr) {
  BrickFace(cr);
  Window(cr, 6, 3, 18, 21, {226, 222, 210}, {72, 100, 132});
  Raised(cr, 4, 24, 22, 3, {204, 198, 186});
}

void StuccoWindow(cairo_t* cr) {
  Stucco(cr);
  Window(cr, 9, 4, 12, 20, {236, 232, 222}, {72, 100, 132});
  for (double x : {2.5, 21.0}) {
    Raised(cr, x, 4, 6.5, 20, {58, 110, 70});
    for (int k = 0; k < 6; ++k)
      Line(cr, x + 1, 6.5 + k * 3, x + 5.5, 6.5 + k * 3, {36, 80, 48}, 0.7);
  }
  Raised(cr, 8, 24, 14, 2.5, {204, 198, 186});
}

void OfficeWindow(cairo_t* cr) {
  ConcreteWallTile(cr);
  Shadow(cr, 2, 5, 26, 19, 0, 0.3);
  FillRect(cr, 2, 5, 26, 19, {180, 184, 188});
  FillRect(cr, 3.5, 6.5, 23, 16, {84, 110, 136});
  for (int k = 0; k < 7; ++k) Line(cr, 3.5, 8 + k * 2.2, 26.5, 8 + k * 2.2, {150, 166, 180}, 0.5);
  for (double x : {10.5, 18.5}) FillRect(cr, x, 6.5, 1.5, 16, {180, 184, 188});
  Line(cr, 5, 20, 12, 8, {230, 240, 248}, 0.8);
}

void ShopWindow(cairo_t* cr) {
  Fill(cr, {62, 50, 42});
  FillRect(cr, 2, 2, 26, 24, {168, 196, 206});
  Line(cr, 4, 12, 12, 3, {236, 246, 250}, 1);
  FillRect(cr, 2, 20, 26, 6, {120, 82, 54});  // display shelf
  FillRect(cr, 2, 20, 26, 1, {160, 118, 80});
  // A pair of shoes, a handbag and a hat on show.
  FillRound(cr, 4, 16.5, 5, 3.5, 1.5, {110, 40, 30});
  FillRound(cr, 9.5, 16.5, 5, 3.5, 1.5, {110, 40, 30});
  FillRound(cr, 16, 12, 6, 7, 1.5, {190, 150, 60});
  cairo_set_line_width(cr, 1);
  SetColor(cr, {150, 110, 40});
  cairo_arc(cr, 19, 12, 2.3, M_PI, 2 * M_PI);
  cairo_stroke(cr);
  FillRound(cr, 22.5, 17, 5, 2.5, 1, {60, 60, 90});
  FillRound(cr, 23.5, 14.5, 3, 3, 1.2, {60, 60, 90});
  FillRect(cr, 2, 26, 26, 4, {90, 76, 64});
}

void Shrubs(cairo_t* cr) {
  Grass(cr);
  struct Bush {
    double x, y, r;
  };
  static constexpr Bush kBushes[] = {{9, 10, 8}, {21, 12, 7}, {15, 21, 8}};
  for (const Bush& b : kBushes) {
    SetColor(cr, {0, 0, 0}, 0.3);
    cairo_arc(cr, b.x + 2.5, b.y + 2.5, b.r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  Noise n(303);
  for (const Bush& b : kBushes) {
    Ball(cr, b.x, b.y, b.r, {70, 124, 50});
    for (int i = 0; i < 14; ++i) {
      const double a = n.Unit() * 2 * M_PI, d = n.Unit() * b.r * 0.85;
      FillCircle(cr, b.x + d * std::cos(a), b.y + d * std::sin(a), 0.8,
                 n.Unit() < 0.5 ? Rgb{44, 90, 34} : Rgb{120, 170, 80});
    }
  }
}

void FlowerBed(cairo_t* cr) {
  Grass(cr);
  Shadow(cr, 1, 2, 28, 26, 1, 0.35);
  Raised(cr, 1, 2, 28, 26, {176, 160, 136});
  FillRect(cr, 4, 5, 22, 20, {86, 60, 40});
  static constexpr Rgb kBlooms[] = {
      {220, 50, 60}, {240, 200, 60}, {240, 240, 236}, {210, 110, 180}};
  Noise n(304);
  for (int i = 0; i < 16; ++i) {
    const double x = 6 + n.Unit() * 18, y = 7 + n.Unit() * 16;
    FillCircle(cr, x + 1, y + 1, 1.6, {50, 100, 40});
    FillCircle(cr, x, y, 1.3, kBlooms[i % 4]);
  }
}

void Basin(cairo_t* cr) {
  Water(cr);
  SetColor(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, 4, 4, 22, 3);
  cairo_rectangle(cr, 4, 7, 3, 19);
  cairo_fill(cr);
  const Rgb rim{204, 198, 184};
  FillRect(cr, 0, 0, kCell, 4, rim);
  FillRect(cr, 0, 26, kCell, 4, Shade(rim, -0.1));
  FillRect(cr, 0, 0, 4, kCell, Shade(rim, 0.05));
  FillRect(cr, 26, 0, 4, kCell, Shade(rim, -0.12));
  StrokeRect(cr, 0, 0, 30, 30, Shade(rim, 0.3), 1);
  StrokeRect(cr, 3, 3, 24, 24, Shade(rim, -0.35), 1);
}

void Sandbags(cairo_t* cr) {
  Dirt(cr);
  Noise n(305);
  for (int row = 0; row < 3; ++row)
    for (int k = 0; k < 3; ++k) {
      const Rgb c = Shade({192, 172, 122}, (n.Unit() - 0.5) * 0.2);
      const double x = 1 + k * 10 + (row % 2) * 5, y = 3 + row * 8;
      Wrapped(x, 0, [&](double px, double) {
        FillRound(cr, px + 1, y + 1, 9.6, 7.6, 3, Shade(c, -0.45));
        FillRound(cr, px, y, 9.6, 7.6, 3, c);
        FillRound(cr, px + 1, y + 0.8, 6, 2.5, 1.2, Shade(c, 0.25));
        Line(cr, px + 8, y + 1.5, px + 8, y + 6, Shade(c, -0.3), 0.7);
      });
    }
}

}  // namespace forge::bgtiles
