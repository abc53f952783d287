// Workplace tiles: lab benches and hoods, the lecture room, office machines, the radio
// kit of the Secret Room (five cells of one table) and the missile factory.
#include <cmath>

#include "tiles/back_tiles.h"

namespace forge::bgtiles {

namespace {

constexpr Rgb kSteel{184, 188, 192};
constexpr Rgb kHazard{226, 178, 36};
constexpr Rgb kOlive{96, 104, 64};

// A dial: round face, scale ticks and a needle.
void Dial(cairo_t* cr, double cx, double cy, double r, Rgb face) {
  FillCircle(cr, cx + 0.8, cy + 0.8, r, {0, 0, 0});
  FillCircle(cr, cx, cy, r, face);
  for (int k = 0; k < 5; ++k) {
    const double a = M_PI * (1.15 + k * 0.175);
    Line(cr, cx + r * 0.65 * std::cos(a), cy + r * 0.65 * std::sin(a), cx + r * 0.9 * std::cos(a),
         cy + r * 0.9 * std::sin(a), {40, 40, 40}, 0.5);
  }
  Line(cr, cx, cy, cx + r * 0.8 * std::cos(M_PI * 1.6), cy + r * 0.8 * std::sin(M_PI * 1.6),
       {180, 30, 30}, 0.7);
}

void Knob(cairo_t* cr, double cx, double cy, double r) {
  FillCircle(cr, cx + 0.7, cy + 0.7, r, {0, 0, 0});
  Ball(cr, cx, cy, r, {50, 50, 54});
}

// The kit's table, running through all five cells; the ends close it off.
void KitTable(cairo_t* cr, bool leftEnd, bool rightEnd) {
  Flagged(cr);
  const double x0 = leftEnd ? 2 : 0, x1 = rightEnd ? 28 : kCell;
  SetColor(cr, {0, 0, 0}, 0.35);
  cairo_rectangle(cr, x0 + 2, 4, x1 - x0, 25);
  cairo_fill(cr);
  FillRect(cr, x0, 2, x1 - x0, 23, {92, 96, 78});
  FillRect(cr, x0, 2, x1 - x0, 1, {140, 146, 120});
  FillRect(cr, x0, 25, x1 - x0, 3, {62, 64, 52});
  if (leftEnd) FillRect(cr, x0, 2, 1, 26, {130, 136, 112});
  if (rightEnd) FillRect(cr, x1 - 1, 2, 1, 26, {50, 52, 42});
}

// A cylinder lying along x, lit from above: gradient across its height.
void Cylinder(cairo_t* cr, double y, double h, Rgb c) {
  FillRounded(cr, 0, y, 0, y + h, c, 0.25, 0.45, -0.45);
}

// The chequered steel plate a machine is bolted down on; it fills the cell, so the machine
// stands the same on the factory's concrete and the lab's tiles.
void BasePlate(cairo_t* cr) {
  Raised(cr, 0, 0, kCell, kCell, {112, 114, 112});
  for (int j = 0; j < 6; ++j)
    for (int i = 0; i < 6; ++i) {
      const double x = 2.5 + i * 5, y = 2.5 + j * 5;
      Line(cr, x - 1, y + ((i + j) % 2 ? -1 : 1), x + 1, y + ((i + j) % 2 ? 1 : -1),
           {138, 140, 138}, 0.8);
    }
  for (double x : {1.8, 28.2})
    for (double y : {1.8, 28.2}) FillCircle(cr, x, y, 0.8, {60, 62, 60});
}

}  // namespace

void LabBench(cairo_t* cr) {
  LabFloor(cr);
  SetColor(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, 0, 5, kCell, 24);
  cairo_fill(cr);
  FillRect(cr, 0, 3, kCell, 16, {44, 46, 50});
  FillRect(cr, 0, 3, kCell, 1, {110, 112, 118});
  FillRect(cr, 0, 19, kCell, 8, {196, 200, 204});
  for (double x : {0.5, 15.0}) FillRect(cr, x, 19, 0.8, 8, {150, 154, 158});
  FillRect(cr, 6, 22, 4, 1, {120, 124, 128});
  FillRect(cr, 20, 22, 4, 1, {120, 124, 128});
  Raised(cr, 14, 4, 2, 4, kSteel);
}

void LabGlassware(cairo_t* cr) {
  LabBench(cr);
  // A conical flask, a rack of test tubes and a beaker.
  SetColor(cr, {220, 236, 240}, 0.85);
  cairo_move_to(cr, 5.5, 7);
  cairo_line_to(cr, 7.5, 7);
  cairo_line_to(cr, 11, 17);
  cairo_line_to(cr, 2, 17);
  cairo_close_path(cr);
  cairo_fill(cr);
  SetColor(cr, {60, 190, 90});
  cairo_move_to(cr, 3.3, 13.5);
  cairo_line_to(cr, 9.8, 13.5);
  cairo_line_to(cr, 11, 17);
  cairo_line_to(cr, 2, 17);
  cairo_close_path(cr);
  cairo_fill(cr);
  Raised(cr, 13, 12, 9, 5, {170, 130, 80});
  static constexpr Rgb kTubes[] = {{200, 40, 40}, {60, 110, 210}, {230, 200, 50}, {210, 220, 230}};
  for (int k = 0; k < 4; ++k) {
    FillRect(cr, 13.8 + k * 2.1, 8, 1.4, 6, {220, 236, 240});
    FillRect(cr, 13.8 + k * 2.1, 11, 1.4, 3, kTubes[k]);
  }
  FillRect(cr, 23, 9, 5, 8, {220, 236, 240});
  FillRect(cr, 23, 13, 5, 4, {150, 90, 200});
  FillRect(cr, 23, 9, 0.8, 8, {255, 255, 255});
}

void FumeHood(cairo_t* cr) {
  Raised(cr, 0, 0, kCell, kCell, kSteel);
  FillRect(cr, 3, 3, 24, 16, {36, 40, 44});
  SetColor(cr, {200, 220, 230}, 0.25);
  cairo_rectangle(cr, 3, 3, 24, 16);
  cairo_fill(cr);
  Line(cr, 5, 15, 12, 5, {220, 236, 244}, 1);
  Raised(cr, 3, 18, 24, 2, {150, 154, 158});  // sash handle
  FillRect(cr, 2, 21, 26, 8, {166, 170, 174});
  FillRect(cr, 14.6, 21, 0.8, 8, {120, 124, 128});
  FillRect(cr, 22, 5, 4, 3, {236, 140, 30});
}

void Blackboard(cairo_t* cr) {
  Stucco(cr);
  Shadow(cr, 1, 2, 28, 23, 0, 0.35);
  Raised(cr, 1, 2, 28, 23, {140, 96, 56});
  FillRect(cr, 3, 4, 24, 18, {40, 70, 54});
  SetColor(cr, {226, 230, 222}, 0.85);
  cairo_set_line_width(cr, 0.7);
  cairo_move_to(cr, 5, 8);
  cairo_curve_to(cr, 7, 6, 8, 10, 10, 7.5);
  cairo_move_to(cr, 12, 8);
  cairo_line_to(cr, 20, 8);
  cairo_move_to(cr, 5, 13);
  cairo_line_to(cr, 16, 13);
  cairo_move_to(cr, 18, 11);
  cairo_line_to(cr, 24, 17);
  cairo_line_to(cr, 18, 17);
  cairo_move_to(cr, 5, 18);
  cairo_line_to(cr, 12, 18);
  cairo_stroke(cr);
  Raised(cr, 2, 22, 26, 2, {160, 116, 70});
  FillRect(cr, 8, 22.3, 3, 1, {250, 250, 250});
}

void LectureSeats(cairo_t* cr) {
  Linoleum(cr);
  SetColor(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, 0, 5, kCell, 6);
  cairo_fill(cr);
  FillRect(cr, 0, 3, kCell, 6, {170, 120, 70});
  FillRect(cr, 0, 3, kCell, 1, {206, 160, 110});
  for (int k = 0; k < 3; ++k) {
    const double x = 1 + k * 10;
    Shadow(cr, x, 12, 8, 13, 2, 0.3);
    FillRound(cr, x, 12, 8, 10, 2, {56, 80, 150});
    FillRound(cr, x, 21, 8, 4, 1.5, {40, 58, 112});
    FillRect(cr, x + 1, 13, 6, 1, {100, 124, 190});
  }
}

void OfficeMachine(cairo_t* cr) {
  BlueCarpet(cr);
  Shadow(cr, 2, 3, 26, 24, 1, 0.4);
  Raised(cr, 2, 3, 26, 24, {214, 214, 208});
  FillRect(cr, 4, 5, 15, 13, {110, 116, 120});
  Line(cr, 6, 15, 12, 7, {170, 176, 180}, 0.8);
  FillRect(cr, 21, 5, 5, 4, {60, 140, 90});
  for (int k = 0; k < 3; ++k) FillCircle(cr, 22.5 + (k % 2) * 2, 11 + k * 2.2, 0.8, {60, 60, 64});
  FillCircle(cr, 24, 18, 1.3, {60, 170, 80});
  Raised(cr, 5, 20, 18, 5, {232, 232, 226});
  FillRect(cr, 7, 21, 14, 3, {250, 250, 248});
}

void Kit(cairo_t* cr, int part) {
  KitTable(cr, part == 0, part == 4);
  if (part < 4) FillRect(cr, 0, 22.5, kCell, 1, {20, 20, 20});  // cable along the table
  switch (part) {
    case 0:  // power supply with two meters
      Shadow(cr, 6, 4, 18, 16, 1, 0.4);
      Raised(cr, 6, 4, 18, 16, {70, 72, 70});
      Dial(cr, 11, 10, 3.2, {236, 232, 214});
      Dial(cr, 19, 10, 3.2, {236, 232, 214});
      FillRect(cr, 10, 16, 2, 2.5, {200, 200, 200});
      FillCircle(cr, 19, 17, 1, {230, 60, 40});
      break;
    case 1:  // receiver: tuning scale and two big dials
      Shadow(cr, 1, 3, 28, 18, 1, 0.4);
      Raised(cr, 1, 3, 28, 18, {46, 48, 44});
      FillRect(cr, 4, 5, 22, 4, {230, 190, 90});
      for (int k = 0; k < 10; ++k) FillRect(cr, 5 + k * 2.2, 5.5, 0.4, 2, {90, 60, 20});
      FillRect(cr, 15, 5, 0.8, 4, {200, 30, 30});
      for (double x : {9.0, 21.0}) {
        Knob(cr, x, 15, 4);
        FillCircle(cr, x, 15, 1.2, {160, 160, 160});
      }
      break;
    case 2:  // Morse key on its base and the transmitter
      Shadow(cr, 2, 11, 12, 8, 1, 0.4);
      Raised(cr, 2, 11, 12, 8, {100, 66, 36});
      Raised(cr, 4, 13.5, 8, 2.5, {210, 170, 70});
      Ball(cr, 11.5, 14.8, 1.8, {40, 40, 40});
      Shadow(cr, 16, 3, 12, 18, 1, 0.4);
      Raised(cr, 16, 3, 12, 18, {60, 64, 58});
      FillCircle(cr, 22, 7, 1.8, {240, 170, 40});
      Knob(cr, 22, 15, 3);
      break;
    case 3:  // scrambler with its red lamp
      Shadow(cr, 4, 4, 22, 17, 1, 0.4);
      Raised(cr, 4, 4, 22, 17, {120, 124, 120});
      FillCircle(cr, 9, 9, 3.6, {255, 120, 110});
      FillCircle(cr, 9, 9, 2.6, {220, 20, 20});
      FillCircle(cr, 8.2, 8.2, 0.8, {255, 210, 200});
      for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) Raised(cr, 14 + i * 3.6, 6 + j * 4, 2.8, 2.8, {40, 42, 40});
      FillRect(cr, 6, 16, 6, 2, {40, 42, 40});
      break;
    default:  // headphones on the cable's end, and the log book
      Line(cr, 0, 23, 4, 23, {20, 20, 20}, 1);
      Line(cr, 4, 23, 4, 16, {20, 20, 20}, 1);
      cairo_set_line_width(cr, 1.5);
      SetColor(cr, {30, 30, 30});
      cairo_arc(cr, 9, 13, 5, M_PI, 2 * M_PI);
      cairo_stroke(cr);
      Ball(cr, 4, 14, 2.6, {40, 40, 40});
      Ball(cr, 14, 14, 2.6, {40, 40, 40});
      Shadow(cr, 16, 6, 10, 15, 0, 0.4);
      FillRect(cr, 16, 6, 10, 15, {236, 228, 200});
      FillRect(cr, 20.7, 6, 0.6, 15, {150, 140, 120});
      for (int k = 0; k < 5; ++k) {
        Line(cr, 17, 8.5 + k * 2.5, 20, 8.5 + k * 2.5, {100, 100, 140}, 0.4);
        Line(cr, 22, 8.5 + k * 2.5, 25, 8.5 + k * 2.5, {100, 100, 140}, 0.4);
      }
      break;
  }
}

void Missile(cairo_t* cr, int part) {
  ConcreteFloor(cr);
  // The trolley: two yellow rails with a wheel pair in every cell.
  for (double y : {6.0, 22.0}) {
    FillRect(cr, 0, y, kCell, 2, kHazard);
    FillRect(cr, 0, y + 2, kCell, 0.8, {120, 96, 20});
  }
  for (double x : {5.0, 23.0})
    for (double y : {4.0, 22.0}) FillRect(cr, x, y, 2.5, 4, {30, 30, 30});
  SetColor(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, part == 0 ? 6 : 0, 13, part == 2 ? 24 : kCell, 9);
  cairo_fill(cr);
  const Rgb body{196, 200, 180};
  if (part == 0) {  // nose cone pointing left
    cairo_move_to(cr, 30, 10);
    cairo_line_to(cr, 16, 10);
    cairo_curve_to(cr, 8, 10, 4, 13, 2, 15);
    cairo_curve_to(cr, 4, 17, 8, 20, 16, 20);
    cairo_line_to(cr, 30, 20);
    cairo_close_path(cr);
    Cylinder(cr, 10, 10, body);
    FillCircle(cr, 3.5, 15, 1.4, {190, 40, 40});
  } else if (part == 1) {
    cairo_rectangle(cr, 0, 10, kCell, 10);
    Cylinder(cr, 10, 10, body);
    cairo_rectangle(cr, 13, 10, 3, 10);
    Cylinder(cr, 10, 10, {50, 50, 50});
  } else {  // fins above and below, then the nozzle
    for (double sign : {-1.0, 1.0}) {
      cairo_move_to(cr, 8, 15 + sign * 5);
      cairo_line_to(cr, 18, 15 + sign * 12);
      cairo_line_to(cr, 22, 15 + sign * 12);
      cairo_line_to(cr, 22, 15 + sign * 5);
      cairo_close_path(cr);
      SetColor(cr, sign < 0 ? Shade(kOlive, 0.2) : Shade(kOlive, -0.2));
      cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 10, 22, 10);
    Cylinder(cr, 10, 10, body);
    cairo_rectangle(cr, 22, 11.5, 4, 7);
    Cylinder(cr, 11.5, 7, {70, 70, 74});
  }
}

void WarheadCrates(cairo_t* cr) {
  // Four crates stacked tight on a pallet: only the pallet's dark edge shows between them.
  Pallet(cr);
  struct Crate {
    double x, y, lift;
  };
  static constexpr Crate kCrates[] = {{0.5, 0.5, 0}, {15, 1, 0.12}, {0.5, 15, 0.05}, {15, 15, 0}};
  for (const Crate& c : kCrates) {
    Shadow(cr, c.x, c.y, 14, 14, 0, 0.4);
    const Rgb col = Shade(kOlive, c.lift);
    Raised(cr, c.x, c.y, 14, 14, col);
    StrokeRect(cr, c.x + 1.5, c.y + 1.5, 11, 11, Shade(col, -0.3), 0.8);
    Line(cr, c.x + 2, c.y + 2, c.x + 12, c.y + 12, Shade(col, -0.3), 0.8);
    FillRect(cr, c.x + 3, c.y + 6, 8, 1.2, {230, 210, 80});
  }
}

void Press(cairo_t* cr) {
  BasePlate(cr);
  Shadow(cr, 1.5, 1.5, 26, 26, 1, 0.45);
  Raised(cr, 1.5, 1.5, 26, 26, {80, 98, 118});
  cairo_save(cr);
  cairo_rectangle(cr, 2, 24, 26, 4);
  cairo_clip(cr);
  Fill(cr, {30, 30, 30});
  for (int k = -1; k < 8; ++k) {
    SetColor(cr, kHazard);
    cairo_move_to(cr, k * 4, 28);
    cairo_line_to(cr, k * 4 + 2, 28);
    cairo_line_to(cr, k * 4 + 6, 24);
    cairo_line_to(cr, k * 4 + 4, 24);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  FillCircle(cr, 16.5, 13.5, 8, {30, 36, 44});
  Ball(cr, 15, 12, 7.5, {170, 176, 182});
  FillCircle(cr, 15, 12, 2.5, {110, 116, 122});
  for (double x : {4.0, 26.0})
    for (double y : {4.0, 21.0}) FillCircle(cr, x, y, 1, {50, 60, 70});
}

void GantryLeg(cairo_t* cr) {
  BasePlate(cr);
  Shadow(cr, 4, 4, 22, 22, 0, 0.35);
  Raised(cr, 4, 4, 22, 22, {120, 122, 124});
  for (double x : {6.0, 24.0})
    for (double y : {6.0, 24.0}) FillCircle(cr, x, y, 1, {60, 60, 62});
  SetColor(cr, {0, 0, 0}, 0.4);
  cairo_rectangle(cr, 11, 11, 14, 14);
  cairo_fill(cr);
  // An I-beam seen end on: two flanges and the web between.
  Raised(cr, 8, 8, 14, 3, kHazard);
  Raised(cr, 8, 19, 14, 3, kHazard);
  Raised(cr, 13.5, 11, 3, 8, Shade(kHazard, -0.15));
}

void OilDrums(cairo_t* cr) {
  // Four upright steel drums on a pallet, seen from a little above: the lids with their
  // rolled rims and bungs, and the hooped sides of the front pair.
  Pallet(cr);
  struct Barrel {
    double cx, cy;
    Rgb c;
  };
  static constexpr Barrel kDrums[] = {{7.5, 4.5, {40, 74, 140}},
                                      {22.5, 4.2, {40, 74, 140}},
                                      {7.5, 18.8, {168, 44, 34}},
                                      {22.5, 18.5, {62, 92, 58}}};
  for (const Barrel& d : kDrums) {
    Drum(cr, d.cx, d.cy, 7, 6.5, d.c, 1);
    FillCircle(cr, d.cx - 3.4, d.cy - 0.6, 1.2, Shade(d.c, -0.5));  // the big bung
    FillCircle(cr, d.cx - 3.4, d.cy - 0.6, 0.7, Shade(d.c, 0.4));
    FillCircle(cr, d.cx + 3.2, d.cy - 0.4, 0.7, Shade(d.c, -0.5));                 // the vent
    Line(cr, d.cx - 4.5, d.cy + 2.2, d.cx - 1.5, d.cy + 3, Shade(d.c, 0.5), 0.6);  // a glint
  }
}

void Boiler(cairo_t* cr) {
  BasePlate(cr);
  Raised(cr, 20, 12, 10, 5, {120, 124, 128});  // pipe to the next cell
  Raised(cr, 12, 20, 5, 10, {120, 124, 128});
  FillCircle(cr, 14.5, 14.5, 12, {0, 0, 0});
  Ball(cr, 13, 13, 12, {110, 130, 110});
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    FillCircle(cr, 13 + 9.5 * std::cos(a), 13 + 9.5 * std::sin(a), 0.7, {70, 86, 70});
  }
  Dial(cr, 10, 10, 3.2, {240, 240, 234});
  cairo_set_line_width(cr, 1.2);
  SetColor(cr, {190, 30, 30});
  cairo_arc(cr, 18, 17, 2.8, 0, 2 * M_PI);
  cairo_stroke(cr);
  Line(cr, 15.2, 17, 20.8, 17, {190, 30, 30}, 0.8);
  Line(cr, 18, 14.2, 18, 19.8, {190, 30, 30}, 0.8);
}

void Incubators(cairo_t* cr) {
  Raised(cr, 0, 0, kCell, kCell, kSteel);
  for (int row = 0; row < 2; ++row) {
    const double y = 2 + row * 14;
    for (double x : {2.0, 16.0}) {
      Raised(cr, x, y, 12, 11, {238, 240, 240});
      FillRect(cr, x + 2, y + 2, 6, 5, {110, 150, 180});
      FillRect(cr, x + 9, y + 2, 2, 1.5, row ? Rgb{220, 50, 40} : Rgb{60, 200, 90});
      FillRect(cr, x + 9, y + 7, 2, 2, {160, 164, 168});
    }
    FillRect(cr, 0, y + 11.5, kCell, 1.5, {130, 134, 138});
  }
  Noise n(500);
  for (int i = 0; i < 16; ++i) FillCircle(cr, n.Unit() * 30, n.Unit() * 30, 0.6, {250, 252, 255});
}

void FillingMachine(cairo_t* cr) {
  BasePlate(cr);
  Shadow(cr, 1.5, 1.5, 27, 26, 1, 0.45);
  Raised(cr, 1.5, 1.5, 27, 26, {150, 156, 150});
  // The hopper, its feed pipe and the nozzle over a warhead shell.
  FillCircle(cr, 10, 10, 7, {90, 94, 92});
  FillCircle(cr, 10, 10, 5.5, {60, 62, 60});
  FillCircle(cr, 10, 10, 2.5, {200, 110, 40});
  Raised(cr, 15, 8.5, 8, 3, {110, 114, 112});
  Raised(cr, 20.5, 8.5, 3, 9, {110, 114, 112});
  FillCircle(cr, 22, 22, 4.5, {0, 0, 0});
  Ball(cr, 21, 21, 4.5, kOlive);
  FillCircle(cr, 21, 21, 1.5, {40, 40, 40});
  for (int k = 0; k < 3; ++k)
    FillCircle(cr, 5 + k * 3.5, 24, 1, k == 1 ? Rgb{220, 40, 40} : Rgb{60, 200, 90});
  FillRect(cr, 2, 2, 26, 1.5, kHazard);
}

}  // namespace forge::bgtiles
