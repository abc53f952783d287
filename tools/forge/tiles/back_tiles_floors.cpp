// Walkable background tiles built on the shared textures: markings, thresholds, stairs,
// rugs and the spare floor variants.
#include <cmath>
#include <utility>

#include "tiles/back_tiles.h"

namespace forge::bgtiles {

namespace {

constexpr Rgb kPaint{228, 228, 220};
constexpr Rgb kYellow{226, 184, 40};

// A worn painted mark: the paint with a few flakes of `under` showing through.
void WornPaint(cairo_t* cr, double x, double y, double w, double h, Rgb under, std::uint32_t seed) {
  FillRect(cr, x, y, w, h, kPaint);
  Noise n(seed);
  for (int i = 0; i < static_cast<int>(w * h / 12); ++i)
    FillCircle(cr, x + n.Unit() * w, y + n.Unit() * h, 0.5, Mix(kPaint, under, 0.6));
}

void Leaf(cairo_t* cr, double x, double y, double angle, Rgb c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, 1.0, 0.5);
  FillCircle(cr, 0, 0, 2.2, c);
  cairo_restore(cr);
}

}  // namespace

void Flowers(cairo_t* cr) {
  Grass(cr);
  static constexpr Rgb kPetals[] = {{240, 240, 236}, {238, 206, 60}, {206, 52, 60}, {150, 90, 190}};
  Noise n(200);
  for (int i = 0; i < 12; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    const Rgb c = kPetals[n.Range(0, 3)];
    Wrapped(x, y, [&](double px, double py) {
      for (int k = 0; k < 4; ++k)
        FillCircle(cr, px + 1.1 * std::cos(k * M_PI / 2), py + 1.1 * std::sin(k * M_PI / 2), 0.9,
                   c);
      FillCircle(cr, px, py, 0.6, {240, 200, 60});
    });
  }
}

void RiverMud(cairo_t* cr) {
  Fill(cr, {106, 82, 58});
  Noise n(201);
  for (int i = 0; i < 7; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell, r = 2 + n.Unit() * 3;
    Wrapped(x, y, [&](double px, double py) {
      FillCircle(cr, px, py, r, {78, 60, 42});
      Line(cr, px - r * 0.6, py - r * 0.4, px, py - r * 0.7, {150, 140, 130}, 0.7);
    });
  }
  for (int i = 0; i < 18; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    Wrapped(x, y, [&](double px, double py) { FillCircle(cr, px, py, 0.7, {132, 106, 78}); });
  }
}

void Kerb(cairo_t* cr) {
  Pavement(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 25, kCell, 5);
  cairo_clip(cr);
  Asphalt(cr);
  cairo_restore(cr);
  for (double x : {-8.0, 7.0, 22.0}) Raised(cr, x, 19, 15, 6, {192, 190, 182});
  FillRect(cr, 0, 25, kCell, 1.5, {40, 40, 42});  // the kerb's shadow in the gutter
}

void Zebra(cairo_t* cr) {
  Asphalt(cr);
  for (int k = 0; k < 3; ++k) WornPaint(cr, 0, 2 + k * 10, kCell, 5, {74, 74, 77}, 202 + k);
}

void FactoryStripes(cairo_t* cr) {
  ConcreteFloor(cr);
  FillRect(cr, 0, 3, kCell, 3, kYellow);
  FillRect(cr, 0, 24, kCell, 3, kYellow);
}

void CarParkBay(cairo_t* cr) {
  Asphalt(cr);
  WornPaint(cr, 13, 0, 3, kCell, {74, 74, 77}, 205);
}

void Pier(cairo_t* cr) {
  Fill(cr, {26, 36, 46});  // water glinting between the boards
  Noise n(206);
  for (int k = 0; k < 6; ++k) {
    const Rgb c = Shade({150, 126, 94}, (n.Unit() - 0.5) * 0.25);
    const double y = 1 + k * 5, joint = 3 + n.Unit() * 24;
    FillRect(cr, 0, y, kCell, 4, c);
    FillRect(cr, 0, y, kCell, 1, Shade(c, 0.2));
    FillRect(cr, joint, y, 1, 4, Shade(c, -0.5));
    FillCircle(cr, joint - 1.5, y + 2, 0.5, {60, 56, 52});
    FillCircle(cr, joint + 2.5, y + 2, 0.5, {60, 56, 52});
  }
}

void PatternedRug(cairo_t* cr) {
  Fill(cr, {148, 38, 40});
  auto diamond = [cr](double cx, double cy, double r, Rgb c) {
    SetColor(cr, c);
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx + r, cy);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx - r, cy);
    cairo_close_path(cr);
    cairo_fill(cr);
  };
  // A medallion in the middle; the quarter lozenges at the corners meet their neighbours'.
  diamond(15, 15, 10, {38, 48, 100});
  diamond(15, 15, 7, {224, 206, 160});
  diamond(15, 15, 4, {148, 38, 40});
  FillCircle(cr, 15, 15, 1.5, {220, 170, 60});
  for (double x : {0.0, 30.0})
    for (double y : {0.0, 30.0}) {
      diamond(x, y, 6, {224, 206, 160});
      diamond(x, y, 3, {38, 48, 100});
    }
  // Gold studs on the edge midpoints, halved so two neighbours make a whole one.
  for (auto [x, y] :
       {std::pair{15.0, 0.0}, std::pair{15.0, 30.0}, std::pair{0.0, 15.0}, std::pair{30.0, 15.0}})
    FillCircle(cr, x, y, 1.4, {220, 170, 60});
}

void Threshold(cairo_t* cr) {
  Noise n(207);
  Fill(cr, {70, 44, 22});
  for (int k = 0; k < 3; ++k) {
    const Rgb c = Shade({134, 90, 50}, (n.Unit() - 0.5) * 0.2);
    const double y = 4.5 + k * 10, tilt = n.Unit() - 0.5;
    Wrapped(0, y, [&](double, double py) {
      FillRect(cr, 0, py, kCell, 9, c);
      FillRect(cr, 0, py, kCell, 1, Shade(c, 0.25));
      for (int g = 0; g < 3; ++g)
        Line(cr, 0, py + 2.5 + g * 2.2, kCell, py + 2.5 + g * 2.2 + tilt, Shade(c, -0.15), 0.5);
    });
  }
  // Worn pale where the feet go through the middle.
  SetColor(cr, {255, 235, 200}, 0.12);
  cairo_rectangle(cr, 6, 0, 18, kCell);
  cairo_fill(cr);
}

void Stairs(cairo_t* cr) {
  for (int k = 0; k < 5; ++k) {
    const double y = 3 + k * 6;
    Wrapped(0, y, [&](double, double py) {
      FillRect(cr, 0, py, kCell, 4, {180, 172, 160});
      FillRect(cr, 0, py, kCell, 1, {214, 208, 198});
      FillRect(cr, 0, py + 4, kCell, 2, {104, 96, 88});
    });
  }
}

void PavementShade(cairo_t* cr) {
  Pavement(cr);
  Dim(cr, 0.32, {10, 14, 40});
}

void GrassShade(cairo_t* cr) {
  Grass(cr);
  Dim(cr, 0.32, {0, 20, 30});
}

void Terrace(cairo_t* cr) {
  Noise n(208);
  Fill(cr, {220, 204, 178});
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      const Rgb c = Shade({188, 98, 58}, (n.Unit() - 0.5) * 0.2);
      Wrapped(4 + i * 10, 4 + j * 10, [&](double x, double y) {
        FillRect(cr, x, y, 9, 9, c);
        FillRect(cr, x, y, 9, 1, Shade(c, 0.2));
      });
    }
}

void ColdFloor(cairo_t* cr) {
  LabFloor(cr);
  Dim(cr, 0.25, {80, 130, 180});
  Noise n(209);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 10; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell, a = n.Unit() * M_PI;
    Wrapped(x, y, [&](double px, double py) {
      for (int k = 0; k < 3; ++k) {
        const double t = a + k * M_PI / 3;
        Line(cr, px - 2 * std::cos(t), py - 2 * std::sin(t), px + 2 * std::cos(t),
             py + 2 * std::sin(t), {250, 252, 255}, 0.6);
      }
    });
  }
}

void Runner(cairo_t* cr) {
  // Wine-dark pile with a gold eight-pointed star in every cell and small lozenges between,
  // so it runs the same along a corridor or down a hall two cells wide.
  Fill(cr, {92, 22, 36});
  Noise n(211);
  for (int i = 0; i < 24; ++i)
    Wrapped(n.Unit() * kCell, n.Unit() * kCell, [&](double x, double y) {
      FillCircle(cr, x, y, 0.5, {120, 34, 50});
    });
  auto square = [cr](double cx, double cy, double r, double turn, Rgb c) {
    SetColor(cr, c);
    for (int k = 0; k < 4; ++k) {
      const double a = turn + k * M_PI / 2;
      if (k == 0)
        cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
      else
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_fill(cr);
  };
  for (double turn : {0.0, M_PI / 4}) square(15, 15, 8, turn, {200, 156, 64});
  for (double turn : {0.0, M_PI / 4}) square(15, 15, 5.5, turn, {92, 22, 36});
  square(15, 15, 3, M_PI / 4, {232, 216, 176});
  FillCircle(cr, 15, 15, 1, {40, 70, 110});
  for (auto [x, y] :
       {std::pair{15.0, 0.0}, std::pair{15.0, 30.0}, std::pair{0.0, 15.0}, std::pair{30.0, 15.0}})
    square(x, y, 2.2, M_PI / 4, {40, 70, 110});
  for (double x : {0.0, 30.0})
    for (double y : {0.0, 30.0}) FillCircle(cr, x, y, 1.3, {200, 156, 64});
}

void GardenFlags(cairo_t* cr) {
  Grass(cr);
  struct Stone {
    double x, y, w, h;
  };
  static constexpr Stone kStones[] = {
      {3, 2, 14, 12}, {19, 4, 10, 13}, {4, 17, 11, 11}, {17, 19, 12, 9}};
  for (const Stone& s : kStones) {
    Shadow(cr, s.x, s.y, s.w, s.h, 3, 0.3);
    FillRound(cr, s.x, s.y, s.w, s.h, 3, {192, 186, 170});
    FillRound(cr, s.x + 1, s.y + 1, s.w - 3, s.h - 3, 2.5, {206, 200, 186});
  }
}

void MarketStraw(cairo_t* cr) {
  Cobbles(cr);
  Noise n(210);
  for (int i = 0; i < 26; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell, a = n.Unit() * M_PI;
    const Rgb c = Mix({200, 164, 70}, {236, 210, 120}, n.Unit());
    Wrapped(x, y, [&](double px, double py) {
      Line(cr, px, py, px + 4 * std::cos(a), py + 4 * std::sin(a), c, 0.8);
    });
  }
}

void EntranceMat(cairo_t* cr) {
  // Coir matting laid edge to edge, so a doorway's block of mats reads as one big mat.
  Fill(cr, {150, 116, 70});
  for (int k = 0; k < 15; ++k) Line(cr, 0, 0.5 + k * 2, kCell, 0.5 + k * 2, {124, 94, 56}, 0.7);
  Noise n(215);
  for (int i = 0; i < 40; ++i)
    Wrapped(n.Unit() * kCell, n.Unit() * kCell, [&](double x, double y) {
      FillCircle(cr, x, y, 0.45, {172, 136, 86});
    });
}

void SteppingStones(cairo_t* cr) {
  Grass(cr);
  for (auto [x, y] : {std::pair{9.0, 9.0}, std::pair{21.0, 21.0}}) {
    SetColor(cr, {0, 0, 0}, 0.3);
    cairo_save(cr);
    cairo_translate(cr, x + 1.5, y + 1.5);
    cairo_scale(cr, 1.0, 0.8);
    cairo_arc(cr, 0, 0, 6.5, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 0.8);
    Ball(cr, 0, 0, 6.5, {176, 172, 162});
    cairo_restore(cr);
  }
}

void Manhole(cairo_t* cr) {
  Pavement(cr);
  FillCircle(cr, 15, 15, 11.5, {60, 60, 62});
  FillCircle(cr, 15, 15, 10, {88, 88, 90});
  cairo_save(cr);
  cairo_arc(cr, 15, 15, 9, 0, 2 * M_PI);
  cairo_clip(cr);
  for (int k = -4; k <= 4; ++k) {
    Line(cr, 15 + k * 2.5, 4, 15 + k * 2.5, 26, {66, 66, 68}, 0.7);
    Line(cr, 4, 15 + k * 2.5, 26, 15 + k * 2.5, {110, 110, 112}, 0.5);
  }
  cairo_restore(cr);
  FillCircle(cr, 11, 12, 1, {30, 30, 30});
  FillCircle(cr, 19, 18, 1, {30, 30, 30});
}

void DrainGrating(cairo_t* cr) {
  Asphalt(cr);
  Raised(cr, 5, 8, 20, 14, {96, 94, 92});
  for (int k = 0; k < 6; ++k) FillRect(cr, 7.5 + k * 3, 10, 1.6, 10, {18, 18, 20});
}

void RoadArrow(cairo_t* cr) {
  Asphalt(cr);
  WornPaint(cr, 3, 13, 15, 4, {74, 74, 77}, 211);
  SetColor(cr, kPaint);
  cairo_move_to(cr, 17, 8);
  cairo_line_to(cr, 27, 15);
  cairo_line_to(cr, 17, 22);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void WetCobbles(cairo_t* cr) {
  Cobbles(cr);
  Dim(cr, 0.3, {10, 20, 50});
  Noise n(212);
  for (int i = 0; i < 30; ++i) {
    const double x = n.Unit() * kCell, y = n.Unit() * kCell;
    Wrapped(x, y, [&](double px, double py) { FillCircle(cr, px, py, 0.6, {210, 222, 236}); });
  }
}

void HazardFloor(cairo_t* cr) {
  LabFloor(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 10, kCell, 10);
  cairo_clip(cr);
  Fill(cr, {30, 30, 30});
  SetColor(cr, kYellow);
  for (int k = -2; k < 5; ++k) {
    cairo_move_to(cr, k * 10, 20);
    cairo_line_to(cr, k * 10 + 5, 20);
    cairo_line_to(cr, k * 10 + 15, 10);
    cairo_line_to(cr, k * 10 + 10, 10);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

void MarbleThreshold(cairo_t* cr) {
  Marble(cr);
  Shadow(cr, 0, 5, kCell, 20, 0, 0.18);
  FillRect(cr, 0, 5, kCell, 20, {236, 232, 224});
  FillRect(cr, 0, 5, kCell, 1, {252, 250, 246});
  FillRect(cr, 0, 24, kCell, 1, {170, 164, 154});
  Line(cr, 0, 15, kCell, 15, {204, 198, 188}, 0.6);
}

void ConcreteThreshold(cairo_t* cr) {
  ConcreteFloor(cr);
  FillRect(cr, 0, 10, kCell, 10, {128, 130, 134});
  FillRect(cr, 0, 10, kCell, 1, {176, 178, 182});
  FillRect(cr, 0, 19, kCell, 1, {80, 82, 86});
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 2; ++j) {
      const double x = 2.5 + i * 5 + j * 2.5, y = 13 + j * 3;
      Line(cr, x - 1, y + 1, x + 1, y - 1, {166, 168, 172}, 0.9);
    }
}

void TunnelThreshold(cairo_t* cr) {
  TunnelFloor(cr);
  Shadow(cr, 0, 11, kCell, 8, 0, 0.3);
  FillRect(cr, 0, 11, kCell, 8, {110, 78, 46});
  FillRect(cr, 0, 11, kCell, 1, {150, 112, 72});
  for (double y : {13.5, 16.0}) Line(cr, 0, y, kCell, y, {90, 62, 36}, 0.5);
  for (double x : {4.0, 26.0}) FillCircle(cr, x, 15, 0.9, {50, 48, 46});
}

void AwningShadow(cairo_t* cr) {
  Cobbles(cr);
  Dim(cr, 0.28);
  for (int k = 0; k < 5; ++k) {
    SetColor(cr, k % 2 ? Rgb{255, 230, 200} : Rgb{150, 0, 0}, 0.1);
    cairo_rectangle(cr, k * 6, 0, 6, kCell);
    cairo_fill(cr);
  }
}

void Puddle(cairo_t* cr) {
  // A puddle in the packed dirt of the lanes, where it lies: a rim of dark mud, then water.
  Dirt(cr);
  static constexpr double kBlobs[][3] = {{12, 13, 7}, {19, 16, 6}, {15, 20, 5}, {9, 18, 4}};
  for (const auto& b : kBlobs) FillCircle(cr, b[0], b[1], b[2] + 1.5, {150, 122, 84});
  for (const auto& b : kBlobs) FillCircle(cr, b[0], b[1], b[2] + 0.6, {112, 92, 66});
  for (const auto& b : kBlobs) FillCircle(cr, b[0], b[1], b[2], {92, 104, 112});
  Line(cr, 9, 12, 15, 10, {170, 190, 210}, 1);
  Line(cr, 16, 19, 20, 18, {130, 150, 175}, 0.8);
}

void FallenLeaves(cairo_t* cr) {
  Pavement(cr);
  static constexpr Rgb kLeaves[] = {{200, 120, 40}, {168, 74, 30}, {210, 170, 60}, {130, 90, 40}};
  Noise n(213);
  for (int i = 0; i < 16; ++i) {
    const double x = 2 + n.Unit() * 26, y = 2 + n.Unit() * 26, a = n.Unit() * M_PI;
    Leaf(cr, x, y, a, kLeaves[n.Range(0, 3)]);
  }
}

void SandDrift(cairo_t* cr) {
  Pavement(cr);
  SetColor(cr, {210, 184, 130});
  cairo_move_to(cr, 0, 30);
  cairo_curve_to(cr, 4, 12, 16, 6, 30, 10);
  cairo_line_to(cr, 30, 30);
  cairo_close_path(cr);
  cairo_fill(cr);
  for (int k = 0; k < 4; ++k)
    Line(cr, 8 + k * 3, 22 - k * 2.5, 24 + k, 18 - k * 2, {182, 154, 104}, 0.7);
}

void Rubble(cairo_t* cr) {
  Dirt(cr);
  Noise n(214);
  for (int i = 0; i < 9; ++i) {
    const double x = 3 + n.Unit() * 24, y = 3 + n.Unit() * 24, s = 2 + n.Unit() * 3;
    const Rgb c = i % 3 == 0 ? Rgb{150, 70, 50} : Mix({120, 116, 108}, {176, 170, 160}, n.Unit());
    SetColor(cr, {0, 0, 0}, 0.3);
    cairo_move_to(cr, x + 1.5, y - s + 1.5);
    cairo_line_to(cr, x + s + 1.5, y + 1.5);
    cairo_line_to(cr, x + 1.5, y + s + 1.5);
    cairo_line_to(cr, x - s + 1.5, y + 0.5 + 1.5);
    cairo_fill(cr);
    SetColor(cr, c);
    cairo_move_to(cr, x, y - s);
    cairo_line_to(cr, x + s, y);
    cairo_line_to(cr, x, y + s);
    cairo_line_to(cr, x - s, y + 0.5);
    cairo_fill(cr);
  }
}

void OilStain(cairo_t* cr) {
  ConcreteFloor(cr);
  static constexpr double kBlobs[][3] = {{13, 14, 8}, {19, 17, 6}, {10, 20, 4}};
  for (const auto& b : kBlobs) {
    SetColor(cr, {30, 28, 30}, 0.6);
    cairo_arc(cr, b[0], b[1], b[2], 0, 2 * M_PI);
    cairo_fill(cr);
  }
  Line(cr, 9, 11, 16, 9, {120, 80, 150}, 0.8);
  Line(cr, 17, 14, 22, 15, {70, 140, 110}, 0.8);
}

void BayNumber(cairo_t* cr) {
  Asphalt(cr);
  const double w = TextWidth(cr, "7", 22, true);
  Text(cr, 15 - w / 2, 23, "7", 22, kPaint, true);
}

void Checkerboard(cairo_t* cr) {
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      const Rgb c = (i + j) % 2 ? Rgb{34, 32, 36} : Rgb{228, 226, 220};
      Wrapped(7 + i * 15, 7 + j * 15, [&](double x, double y) {
        FillRect(cr, x, y, 15, 15, c);
        FillRect(cr, x + 2, y + 2, 5, 1, Shade(c, 0.3));
      });
    }
}

void WornPath(cairo_t* cr) {
  Grass(cr);
  SetColor(cr, {170, 140, 96});
  cairo_move_to(cr, 0, 10);
  cairo_curve_to(cr, 8, 8, 20, 12, 30, 10);
  cairo_line_to(cr, 30, 21);
  cairo_curve_to(cr, 20, 23, 10, 18, 0, 21);
  cairo_close_path(cr);
  cairo_fill(cr);
  Noise n(215);
  for (int i = 0; i < 14; ++i)
    FillCircle(cr, n.Unit() * 30, 12 + n.Unit() * 7, 0.7, {140, 112, 76});
}

void PurpleCarpet(cairo_t* cr) {
  // Velvet purple under a fine gold trellis, a rosette in every lozenge.
  Fill(cr, {84, 38, 96});
  Noise n(212);
  for (int i = 0; i < 30; ++i)
    Wrapped(n.Unit() * kCell, n.Unit() * kCell, [&](double x, double y) {
      FillCircle(cr, x, y, 0.5, {100, 50, 114});
    });
  SetColor(cr, {176, 136, 70}, 0.8);
  cairo_set_line_width(cr, 0.7);
  for (int k = -2; k <= 4; ++k) {
    cairo_move_to(cr, k * 15, 0);
    cairo_line_to(cr, k * 15 + 30, 30);
    cairo_move_to(cr, k * 15, 30);
    cairo_line_to(cr, k * 15 + 30, 0);
  }
  cairo_stroke(cr);
  for (auto [x, y] :
       {std::pair{7.5, 0.0}, std::pair{22.5, 15.0}, std::pair{7.5, 30.0}, std::pair{7.5, 15.0},
        std::pair{22.5, 0.0}, std::pair{22.5, 30.0}, std::pair{0.0, 7.5}, std::pair{30.0, 7.5},
        std::pair{0.0, 22.5}, std::pair{30.0, 22.5}, std::pair{15.0, 7.5}, std::pair{15.0, 22.5}})
    FillCircle(cr, x, y, 0.9, {200, 160, 80});
  for (auto [x, y] : {std::pair{15.0, 15.0}, std::pair{0.0, 0.0}, std::pair{30.0, 0.0},
                      std::pair{0.0, 30.0}, std::pair{30.0, 30.0}, std::pair{0.0, 15.0},
                      std::pair{30.0, 15.0}, std::pair{15.0, 0.0}, std::pair{15.0, 30.0}}) {
    FillCircle(cr, x, y, 2, {150, 60, 120});
    FillCircle(cr, x, y, 1, {220, 180, 100});
  }
}

}  // namespace forge::bgtiles
