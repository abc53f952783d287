// Cell helpers and the textures that many background tiles share (floors and wall faces).
// Each texture repeats every 30 px and keeps its joints off the cell edges, so laid cell
// after cell it reads as one surface.
#include <cmath>

#include "tiles/back_tiles.h"

namespace forge::bgtiles {

Rgb Shade(Rgb c, double t) { return t >= 0 ? Mix(c, {255, 255, 255}, t) : Mix(c, {0, 0, 0}, -t); }

void Fill(cairo_t* cr, Rgb c) { FillRect(cr, 0, 0, kCell, kCell, c); }

void RoundPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void FillRound(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c) {
  SetColor(cr, c);
  RoundPath(cr, x, y, w, h, r);
  cairo_fill(cr);
}

void Shadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha) {
  SetColor(cr, {0, 0, 0}, alpha);
  RoundPath(cr, x + 2, y + 2, w, h, r);
  cairo_fill(cr);
}

void QuadTo(cairo_t* cr, double cx, double cy, double x, double y) {
  double x0 = 0, y0 = 0;
  cairo_get_current_point(cr, &x0, &y0);
  cairo_curve_to(cr, x0 + 2.0 / 3 * (cx - x0), y0 + 2.0 / 3 * (cy - y0), x + 2.0 / 3 * (cx - x),
                 y + 2.0 / 3 * (cy - y), x, y);
}

void Raised(cairo_t* cr, double x, double y, double w, double h, Rgb base) {
  FillRect(cr, x, y, w, h, base);
  FillRect(cr, x, y, w, 1, Shade(base, 0.35));
  FillRect(cr, x, y, 1, h, Shade(base, 0.25));
  FillRect(cr, x, y + h - 1, w, 1, Shade(base, -0.4));
  FillRect(cr, x + w - 1, y, 1, h, Shade(base, -0.3));
}

void Rail(cairo_t* cr, double y, double h, Rgb base) {
  FillRect(cr, 0, y, kCell, h, base);
  FillRect(cr, 0, y, kCell, 1, Shade(base, 0.35));
  FillRect(cr, 0, y + h - 1, kCell, 1, Shade(base, -0.4));
}

void Ball(cairo_t* cr, double cx, double cy, double radius, Rgb base) {
  const Rgb hi = Shade(base, 0.4);
  const Rgb lo = Shade(base, -0.35);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - radius * 0.4, cy - radius * 0.4,
                                                   radius * 0.1, cx, cy, radius);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r / 255.0, hi.g / 255.0, hi.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 0.6, base.r / 255.0, base.g / 255.0, base.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r / 255.0, lo.g / 255.0, lo.b / 255.0);
  cairo_set_source(cr, p);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Dim(cairo_t* cr, double alpha, Rgb tint) {
  SetColor(cr, tint, alpha);
  cairo_rectangle(cr, 0, 0, kCell, kCell);
  cairo_fill(cr);
}

// Fills the current path with a rounded surface's light, from (x0, y0) to (x1, y1): the
// colour, its brightest `lit` of the way along (brightened by `up`), darkened by `down` at
// the far end.
void FillRounded(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double lit,
                 double up, double down) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  const Rgb hi = Shade(c, up), lo = Shade(c, down);
  cairo_pattern_add_color_stop_rgb(p, 0, c.r / 255.0, c.g / 255.0, c.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, lit, hi.r / 255.0, hi.g / 255.0, hi.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r / 255.0, lo.g / 255.0, lo.b / 255.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Drum(cairo_t* cr, double cx, double cy, double rx, double side, Rgb body, int hoops) {
  const double ry = rx * 0.55;
  // The shadow falls to the lower right, from the foot of the side.
  SetColor(cr, {0, 0, 0}, 0.35);
  cairo_new_path(cr);
  EllipseArc(cr, cx + 2, cy + side + 1.5, rx, ry);
  cairo_fill(cr);
  // The round side, lit from the left.
  cairo_new_path(cr);
  cairo_move_to(cr, cx - rx, cy);
  cairo_line_to(cr, cx - rx, cy + side);
  cairo_save(cr);
  cairo_translate(cr, cx, cy + side);
  cairo_scale(cr, rx, ry);
  cairo_arc_negative(cr, 0, 0, 1, M_PI, 0);
  cairo_restore(cr);
  cairo_line_to(cr, cx + rx, cy);
  cairo_close_path(cr);
  FillRounded(cr, cx - rx, 0, cx + rx, 0, body, 0.3, 0.4, -0.6);
  // Hoops rolled round the side, each a thin dark groove.
  cairo_set_line_width(cr, 0.6);
  for (int k = 1; k <= hoops; ++k) {
    const double y = cy + side * k / (hoops + 1.0);
    SetColor(cr, Shade(body, -0.45), 0.9);
    cairo_new_path(cr);
    EllipseArc(cr, cx, y, rx, ry, 0.05 * M_PI, 0.95 * M_PI);
    cairo_stroke(cr);
  }
  // The lid, its rolled rim lit on the upper left.
  cairo_new_path(cr);
  EllipseArc(cr, cx, cy, rx, ry);
  SetColor(cr, Shade(body, 0.15));
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.9);
  cairo_new_path(cr);
  EllipseArc(cr, cx, cy, rx - 0.5, ry - 0.5);
  SetColor(cr, Shade(body, 0.45));
  cairo_stroke(cr);
  cairo_new_path(cr);
  EllipseArc(cr, cx + 0.2, cy + 0.2, rx - 1.6, ry - 1.4, 1.1 * M_PI, 1.9 * M_PI);
  SetColor(cr, Shade(body, -0.3));
  cairo_stroke(cr);
}

void PalmCrown(cairo_t* cr, double cx, double cy, int count, double len, Rgb leaf, double turn) {
  const Rgb dark = Shade(leaf, -0.35), rib = Shade(leaf, 0.45), vein = Shade(leaf, -0.55);
  for (int pass = 0; pass < 2; ++pass) {
    const double off = pass == 0 ? 2.5 : 0;  // the crown's shadow, then the fronds
    for (int k = 0; k < count; ++k) {
      const double a = k * 2 * M_PI / count + turn, l = len * (k % 2 ? 0.92 : 1.0);
      const double ox = cx + off, oy = cy + off;
      const double tx = ox + l * std::cos(a), ty = oy + l * std::sin(a);
      const double nx = -std::sin(a) * 4.8, ny = std::cos(a) * 4.8;
      const double mx = ox + l * 0.5 * std::cos(a), my = oy + l * 0.5 * std::sin(a);
      SetColor(cr, pass == 0 ? Rgb{0, 0, 0} : (k % 2 ? dark : leaf), pass == 0 ? 0.35 : 1.0);
      cairo_move_to(cr, ox, oy);
      QuadTo(cr, mx + nx, my + ny, tx, ty);
      QuadTo(cr, mx - nx, my - ny, ox, oy);
      cairo_fill(cr);
      if (pass == 0) continue;
      Line(cr, cx, cy, tx, ty, rib, 0.7);
      for (int f = 1; f < 5; ++f) {  // leaflets: the frond's feathering
        const double px = cx + l * f / 5.5 * std::cos(a), py = cy + l * f / 5.5 * std::sin(a);
        for (double side : {0.5, -0.5})
          Line(cr, px, py, px + nx * side + std::cos(a) * 1.5, py + ny * side + std::sin(a) * 1.5,
               vein, 0.5);
      }
    }
  }
  FillCircle(cr, cx, cy, 2.5, {110, 78, 40});
  for (int k = 0; k < 3; ++k)
    FillCircle(cr, cx + 2.5 * std::cos(k * 2.1), cy + 2.5 * std::sin(k * 2.1), 1.2, {90, 60, 30});
}

namespace {

// Square slabs `size` px wide whose joints sit at offset + k * size, each slab a little
// lighter or darker, lit on its upper-left edge.
void Slabs(cairo_t* cr, std::uint32_t seed, int size, int offset, Rgb slab, Rgb joint,
           double tint) {
  Noise n(seed);
  Fill(cr, slab);
  const int count = static_cast<int>(kCell) / size;
  for (int j = 0; j < count; ++j)
    for (int i = 0; i < count; ++i) {
      const Rgb c = Shade(slab, (n.Unit() - 0.5) * tint);
      Wrapped(offset + i * size, offset + j * size, [&](double x, double y) {
        FillRect(cr, x, y, size, size, c);
        FillRect(cr, x + 1, y + 1, size - 1, 1, Shade(c, 0.18));
        FillRect(cr, x + 1, y + 1, 1, size - 1, Shade(c, 0.12));
        FillRect(cr, x, y, size, 1, joint);
        FillRect(cr, x, y, 1, size, joint);
      });
    }
}

// Scattered small dots in a few colours around `base`.
void Grit(cairo_t* cr, std::uint32_t seed, int count, Rgb base, double spread, double rMin,
          double rMax) {
  Noise n(seed);
  for (int i = 0; i < count; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    const double r = rMin + n.Unit() * (rMax - rMin);
    const Rgb c = Shade(base, (n.Unit() - 0.5) * spread);
    Wrapped(x, y, [&](double px, double py) { FillCircle(cr, px, py, r, c); });
  }
}

// Soft patches of lighter and darker colour.
void Blotches(cairo_t* cr, std::uint32_t seed, int count, double size, double alpha) {
  Noise n(seed);
  for (int i = 0; i < count; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    const double r = size * (0.5 + n.Unit());
    const Rgb c = n.Unit() < 0.5 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    Wrapped(x, y, [&](double px, double py) {
      SetColor(cr, c, alpha);
      cairo_save(cr);
      cairo_translate(cr, px, py);
      cairo_scale(cr, 1.0, 0.7);
      cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_fill(cr);
    });
  }
}

// Rounded stones with a joint colour between them; rects are x, y, w, h.
struct StoneRect {
  double x, y, w, h;
};

void Stones(cairo_t* cr, std::uint32_t seed, const StoneRect* rects, int count, double shiftX,
            double shiftY, Rgb stone, Rgb joint, double tint, double radius, double relief) {
  Noise n(seed);
  Fill(cr, joint);
  for (int i = 0; i < count; ++i) {
    const StoneRect& s = rects[i];
    const Rgb c = Shade(stone, (n.Unit() - 0.5) * tint);
    Wrapped(s.x + shiftX, s.y + shiftY, [&](double x, double y) {
      FillRound(cr, x, y, s.w, s.h, radius, Shade(c, -relief));
      FillRound(cr, x, y, s.w - 1, s.h - 1, radius, Shade(c, relief * 0.8));
      FillRound(cr, x + 1, y + 1, s.w - 2, s.h - 2, radius, c);
    });
  }
}

}  // namespace

void Pavement(cairo_t* cr) { Slabs(cr, 100, 15, 7, {160, 158, 151}, {112, 110, 106}, 0.12); }

void Asphalt(cairo_t* cr) {
  Fill(cr, {74, 74, 77});
  Blotches(cr, 101, 6, 4, 0.04);
  Grit(cr, 102, 90, {96, 96, 98}, 0.6, 0.4, 0.8);
}

void Grass(cairo_t* cr) {
  Fill(cr, {76, 126, 50});
  Blotches(cr, 103, 6, 5, 0.05);
  Noise n(104);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 150; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    const double dx = (n.Unit() - 0.5) * 2.5, dy = -2 - n.Unit() * 2.5;
    const Rgb c = Mix({52, 96, 34}, {132, 178, 76}, n.Unit());
    Wrapped(x, y, [&](double px, double py) { Line(cr, px, py, px + dx, py + dy, c, 0.9); });
  }
}

void Parquet(cairo_t* cr) {
  Noise n(105);
  Fill(cr, {92, 58, 30});
  // Blocks of three slats, the slats turning a quarter from block to block.
  for (int bj = 0; bj < 2; ++bj)
    for (int bi = 0; bi < 2; ++bi)
      for (int s = 0; s < 3; ++s) {
        const Rgb c = Shade({176, 122, 68}, (n.Unit() - 0.5) * 0.25);
        const bool upright = (bi + bj) % 2 == 0;
        const double bx = 2 + bi * 15, by = 2 + bj * 15;
        const double x = upright ? bx + s * 5 : bx, y = upright ? by : by + s * 5;
        const double w = upright ? 4 : 14, h = upright ? 14 : 4;
        const double gx = upright ? 1.5 : 0, gy = upright ? 0 : 1.5;
        Wrapped(x, y, [&](double px, double py) {
          FillRect(cr, px, py, w, h, c);
          FillRect(cr, px, py, upright ? 1 : w, upright ? h : 1, Shade(c, 0.2));
          Line(cr, px + gx + (upright ? 0.5 : 2), py + gy + (upright ? 2 : 0.5),
               px + gx + (upright ? 0.5 : w - 3), py + gy + (upright ? h - 3 : 0.5),
               Shade(c, -0.12), 0.6);
        });
      }
}

void WhiteTiles(cairo_t* cr) { Slabs(cr, 106, 15, 7, {228, 226, 218}, {176, 174, 166}, 0.06); }

void RedCarpet(cairo_t* cr) {
  Fill(cr, {146, 30, 38});
  // A faint diamond weave; the period divides 30 so it repeats cleanly.
  cairo_set_line_width(cr, 0.8);
  SetColor(cr, {100, 14, 24}, 0.5);
  for (int k = -3; k <= 6; ++k) {
    cairo_move_to(cr, k * 10, 0);
    cairo_line_to(cr, k * 10 + 30, 30);
    cairo_move_to(cr, k * 10, 30);
    cairo_line_to(cr, k * 10 + 30, 0);
  }
  cairo_stroke(cr);
  Grit(cr, 107, 20, {190, 60, 60}, 0.3, 0.3, 0.6);
}

void Dirt(cairo_t* cr) {
  Fill(cr, {186, 156, 108});
  Blotches(cr, 108, 10, 4, 0.07);
  Grit(cr, 109, 14, {140, 118, 86}, 0.4, 0.5, 1.1);
  Grit(cr, 110, 8, {214, 194, 150}, 0.2, 0.4, 0.8);
}

void RoughStone(cairo_t* cr) {
  static constexpr StoneRect kLayout[] = {
      {0, 0, 12, 9},   {13, 0, 16, 9}, {0, 10, 7, 10},  {8, 10, 13, 10},
      {22, 10, 7, 10}, {0, 21, 15, 8}, {16, 21, 13, 8},
  };
  // Wall stone: darker, deep joints and strong relief, so it reads as standing up.
  Stones(cr, 111, kLayout, 7, 4, 3, {106, 100, 92}, {34, 30, 26}, 0.35, 2.5, 0.5);
}

void Water(cairo_t* cr) {
  Fill(cr, {38, 86, 126});
  Blotches(cr, 112, 6, 6, 0.05);
  Noise n(113);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 16; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell, w = 3 + n.Unit() * 4;
    const bool light = i % 3 != 0;
    Wrapped(x, y, [&](double px, double py) {
      SetColor(cr, light ? Rgb{140, 190, 220} : Rgb{20, 56, 90}, light ? 0.7 : 0.8);
      cairo_set_line_width(cr, 0.9);
      cairo_move_to(cr, px - w, py);
      cairo_curve_to(cr, px - w / 2, py - 1.5, px + w / 2, py - 1.5, px + w, py);
      cairo_stroke(cr);
    });
  }
}

void Marble(cairo_t* cr) {
  Slabs(cr, 114, 15, 7, {226, 222, 212}, {170, 164, 154}, 0.1);
  // Alternate slabs of a warmer stone, laid as a chequer.
  for (double x : {7.0, 22.0}) {
    Wrapped(x, x, [&](double px, double py) {
      SetColor(cr, {190, 150, 120}, 0.22);
      cairo_rectangle(cr, px + 1, py + 1, 14, 14);
      cairo_fill(cr);
    });
  }
  Noise n(115);
  for (int i = 0; i < 5; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    const double a = n.Unit() * 6, b = (n.Unit() - 0.5) * 8;
    Wrapped(x, y, [&](double px, double py) {
      SetColor(cr, {150, 146, 140}, 0.55);
      cairo_set_line_width(cr, 0.6);
      cairo_move_to(cr, px, py);
      cairo_curve_to(cr, px + a, py + b, px + 3 + a, py + 2, px + 9, py + b / 2);
      cairo_stroke(cr);
    });
  }
}

void Linoleum(cairo_t* cr) {
  Fill(cr, {160, 164, 160});
  Grit(cr, 116, 110, {160, 164, 160}, 0.35, 0.3, 0.6);
}

void BlueCarpet(cairo_t* cr) {
  Slabs(cr, 117, 15, 7, {60, 80, 130}, {52, 70, 116}, 0.08);
  Grit(cr, 118, 40, {70, 92, 146}, 0.3, 0.3, 0.5);
}

void Flagged(cairo_t* cr) {
  static constexpr StoneRect kLayout[] = {
      {0, 0, 12, 12}, {13, 0, 16, 12}, {0, 13, 8, 8},   {9, 13, 11, 8},
      {21, 13, 8, 8}, {0, 22, 15, 7},  {16, 22, 13, 7},
  };
  // Floor stone: pale, worn flat, with shallow joints.
  Stones(cr, 119, kLayout, 7, 4, 5, {176, 164, 142}, {128, 118, 102}, 0.15, 1.5, 0.12);
}

void Cobbles(cairo_t* cr) {
  Noise n(120);
  Fill(cr, {72, 66, 60});
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 5; ++col) {
      const Rgb c = Mix({128, 118, 104}, {168, 160, 146}, n.Unit());
      const double x = 2 + col * 6 + (row % 2) * 3, y = 3 + row * 5;
      Wrapped(x, y, [&](double px, double py) {
        FillRound(cr, px, py, 5.2, 4.2, 1.8, c);
        FillCircle(cr, px + 1.6, py + 1.3, 0.8, Shade(c, 0.3));
      });
    }
}

void Gravel(cairo_t* cr) {
  Fill(cr, {170, 160, 140});
  Grit(cr, 121, 200, {160, 150, 132}, 0.5, 0.5, 1.1);
  Grit(cr, 122, 50, {205, 198, 182}, 0.2, 0.3, 0.7);
}

void Rock(cairo_t* cr) {
  Fill(cr, {74, 66, 58});
  Noise n(123);
  for (int i = 0; i < 14; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell, r = 3 + n.Unit() * 4;
    const Rgb c = Mix({70, 62, 54}, {112, 100, 86}, n.Unit());
    Wrapped(x, y, [&](double px, double py) { Ball(cr, px, py, r, c); });
  }
  for (int i = 0; i < 5; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    const double dx = (n.Unit() - 0.5) * 10, dy = (n.Unit() - 0.5) * 10;
    Wrapped(x, y, [&](double px, double py) {
      Line(cr, px, py, px + dx, py + dy, {36, 30, 26}, 0.8);
    });
  }
}

void ConcreteFloor(cairo_t* cr) {
  Fill(cr, {168, 166, 158});
  Blotches(cr, 124, 8, 5, 0.05);
  Grit(cr, 125, 30, {140, 138, 130}, 0.2, 0.3, 0.5);
  // Saw-cut joints, kept inside the cell so the edges meet plain concrete.
  FillRect(cr, 22, 0, 1, kCell, {138, 136, 130});
  FillRect(cr, 0, 22, kCell, 1, {138, 136, 130});
}

void StageBoards(cairo_t* cr) {
  Noise n(126);
  Fill(cr, {90, 50, 24});
  for (int i = 0; i < 6; ++i) {
    const Rgb c = Shade({168, 100, 52}, (n.Unit() - 0.5) * 0.2);
    const double x = 2 + i * 5, end = n.Unit() * kCell;
    Wrapped(x, 0, [&](double px, double py) {
      FillRect(cr, px, py, 4.4, kCell, c);
      FillRect(cr, px + 0.6, py, 0.8, kCell, Shade(c, 0.3));
      FillRect(cr, px, py + end, 4.4, 0.8, Shade(c, -0.4));
    });
  }
}

void TunnelFloor(cairo_t* cr) {
  Fill(cr, {134, 118, 98});
  Blotches(cr, 127, 10, 5, 0.08);
  Grit(cr, 128, 26, {100, 88, 74}, 0.4, 0.6, 1.4);
  Grit(cr, 129, 12, {160, 144, 122}, 0.2, 0.4, 0.8);
}

void LabFloor(cairo_t* cr) {
  Slabs(cr, 130, 10, 4, {232, 236, 234}, {204, 208, 208}, 0.03);
  Grit(cr, 131, 12, {190, 196, 196}, 0.1, 0.3, 0.5);
}

void GreenCarpet(cairo_t* cr) {
  Fill(cr, {36, 94, 60});
  Grit(cr, 132, 40, {44, 110, 72}, 0.3, 0.3, 0.6);
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      const double x = 5 + i * 10, y = 5 + j * 10;
      SetColor(cr, {196, 166, 84});
      cairo_move_to(cr, x, y - 1.8);
      cairo_line_to(cr, x + 1.8, y);
      cairo_line_to(cr, x, y + 1.8);
      cairo_line_to(cr, x - 1.8, y);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
}

void BrickFace(cairo_t* cr) {
  Noise n(133);
  Fill(cr, {190, 180, 164});  // mortar
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 3; ++col) {
      const Rgb c = Shade({150, 66, 46}, (n.Unit() - 0.5) * 0.3);
      const double x = 4 + col * 10 + (row % 2) * 5, y = 3 + row * 5;
      Wrapped(x, y, [&](double px, double py) {
        FillRect(cr, px, py, 9, 4, c);
        FillRect(cr, px, py, 9, 1, Shade(c, 0.18));
        FillRect(cr, px, py + 3, 9, 1, Shade(c, -0.2));
      });
    }
}

void Stucco(cairo_t* cr) {
  Fill(cr, {232, 226, 210});
  Blotches(cr, 134, 10, 4, 0.05);
  Grit(cr, 135, 30, {214, 206, 190}, 0.1, 0.3, 0.6);
}

void ConcreteWall(cairo_t* cr) {
  Fill(cr, {114, 114, 110});
  Blotches(cr, 136, 8, 5, 0.06);
  // Formwork board marks and the tie holes of the shuttering.
  for (double y : {4.0, 19.0}) FillRect(cr, 0, y, kCell, 1, {98, 98, 95});
  for (double x : {7.0, 22.0})
    for (double y : {11.5, 26.5}) FillCircle(cr, x, y, 1.1, {70, 70, 68});
}

void Pallet(cairo_t* cr) {
  Fill(cr, {46, 34, 22});  // the dark between the boards
  Noise n(137);
  for (int k = 0; k < 5; ++k) {
    const Rgb c = Shade({164, 126, 80}, (n.Unit() - 0.5) * 0.25);
    const double y = 0.5 + k * 6;
    FillRect(cr, 0, y, kCell, 5, c);
    FillRect(cr, 0, y, kCell, 1, Shade(c, 0.25));
    FillRect(cr, 0, y + 4, kCell, 1, Shade(c, -0.25));
    for (double x : {3.0, 15.0, 27.0}) FillCircle(cr, x, y + 2.5, 0.5, {70, 60, 50});
  }
}

void UnderShadow(cairo_t* cr) { Fill(cr, {40, 34, 30}); }

}  // namespace forge::bgtiles
