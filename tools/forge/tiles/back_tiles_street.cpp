// Street and garden tiles: the three cars (each one drawing cut into four cells), the
// market stall, lamp, fountain, sacks, bins and the children's swing. These stand on
// pavement, road, cobbles, dirt and garden paths alike, so each brings its own ground: a
// marked bay under a car, a plinth under the fountain and the lamp, a pallet or a mat.
#include <cmath>

#include "tiles/back_tiles.h"

namespace forge::bgtiles {

namespace {

struct CarLook {
  Rgb body;
  Rgb glass;
  bool roofSign;
};

constexpr CarLook kLooks[] = {
    {{36, 58, 108}, {40, 50, 64}, false},    // the hero's car
    {{212, 204, 182}, {50, 62, 76}, false},  // the parked sedan
    {{228, 182, 32}, {46, 54, 64}, true},    // the taxi
};

void Trapezoid(cairo_t* cr, double x1, double x2, double y1, double x3, double x4, double y2,
               Rgb c) {
  SetColor(cr, c);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y1);
  cairo_line_to(cr, x4, y2);
  cairo_line_to(cr, x3, y2);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// A whole car, nose up, in a 60 x 60 box (two cells by two).
void DrawCar(cairo_t* cr, const CarLook& look) {
  const Rgb b = look.body;
  FillRect(cr, 4.5, 21, 4, 3, Shade(b, -0.3));  // wing mirrors
  FillRect(cr, 51.5, 21, 4, 3, Shade(b, -0.3));
  FillRound(cr, 8, 3, 44, 54, 9, Shade(b, -0.35));
  FillRound(cr, 8.5, 3.5, 42.5, 53, 8.5, b);
  FillRound(cr, 9, 4, 10, 50, 5, Shade(b, 0.18));   // the lit flank
  FillRound(cr, 12, 4, 36, 16, 5, Shade(b, 0.06));  // bonnet
  Line(cr, 22, 6, 21, 19, Shade(b, -0.15), 0.7);
  Line(cr, 38, 6, 39, 19, Shade(b, -0.15), 0.7);
  Trapezoid(cr, 13, 47, 20, 16, 44, 28, look.glass);
  Line(cr, 17, 26, 24, 21, {150, 170, 190}, 1);
  FillRect(cr, 15, 28, 30, 14, Shade(b, 0.12));  // roof
  FillRect(cr, 15, 28, 30, 1, Shade(b, 0.35));
  Trapezoid(cr, 16, 44, 42, 13, 47, 48, look.glass);
  for (double x : {11.0, 46.0}) FillRect(cr, x, 23, 3, 23, look.glass);
  for (double y : {22.0, 35.0, 47.0}) {
    FillRect(cr, 8.5, y, 2.5, 0.8, Shade(b, -0.4));
    FillRect(cr, 49, y, 2.5, 0.8, Shade(b, -0.4));
  }
  FillRect(cr, 14, 48, 32, 0.8, Shade(b, -0.3));  // boot lid
  FillRect(cr, 12, 3, 36, 1.5, {200, 204, 208});  // bumpers
  FillRect(cr, 12, 55.5, 36, 1.5, {200, 204, 208});
  for (double x : {12.0, 42.0}) {
    FillRound(cr, x, 4.5, 6, 3, 1.2, {250, 244, 200});
    FillRound(cr, x, 52.5, 6, 2.5, 1, {200, 30, 30});
  }
  if (look.roofSign) {
    Raised(cr, 24, 32, 12, 5, {250, 250, 246});
    FillRect(cr, 26, 33.8, 8, 1.4, {30, 30, 30});
    for (int k = 0; k < 10; ++k)
      FillRect(cr, 9.5, 8 + k * 4.5, 1.5, 2.2, k % 2 ? Rgb{30, 30, 30} : Rgb{250, 250, 250});
  }
}

// An open sack seen from above: the squarish bag, its mouth rolled down into a thick
// collar, and the heap of spice inside, grainy and lit from the upper left.
void Sack(cairo_t* cr, double x, double y, double r, Rgb spice) {
  const Rgb burlap{172, 138, 92};
  Shadow(cr, x - r, y - r, 2 * r, 2 * r, r * 0.6, 0.45);
  FillRound(cr, x - r, y - r, 2 * r, 2 * r, r * 0.6, burlap);
  for (double k : {-1.0, 1.0}) {  // the folds where the bag slumps at its corners
    Line(cr, x - r + 1, y + k * (r - 2.5), x - r + 2.5, y + k * (r - 1), Shade(burlap, -0.3), 0.6);
    Line(cr, x + r - 1, y + k * (r - 2.5), x + r - 2.5, y + k * (r - 1), Shade(burlap, -0.3), 0.6);
  }
  FillCircle(cr, x, y, r - 1, Shade(burlap, 0.22));  // the rolled collar
  FillCircle(cr, x + 0.4, y + 0.4, r - 2.3, Shade(burlap, -0.45));
  // The heap is a low cone of powder: lit towards its peak, no dark rim like a ball's.
  const Rgb peak = Shade(spice, 0.25), foot = Shade(spice, -0.12);
  cairo_pattern_t* heap = cairo_pattern_create_radial(x - 0.8, y - 0.8, 0.3, x, y, r - 2.9);
  cairo_pattern_add_color_stop_rgb(heap, 0, peak.r / 255.0, peak.g / 255.0, peak.b / 255.0);
  cairo_pattern_add_color_stop_rgb(heap, 1, foot.r / 255.0, foot.g / 255.0, foot.b / 255.0);
  cairo_set_source(cr, heap);
  cairo_arc(cr, x, y, r - 2.9, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(heap);
  Noise n(static_cast<std::uint32_t>(x * 31 + y));
  for (int i = 0; i < 12; ++i) {
    const double a = n.Unit() * 2 * M_PI, d = n.Unit() * (r - 3.5);
    FillCircle(cr, x + d * std::cos(a), y + d * std::sin(a), 0.35, Shade(spice, n.Unit() - 0.5));
  }
}

}  // namespace

// Turns the car's own 60 x 60 drawing (nose up) into place over its 2 x 2 block: the taxi
// faces right, and every car is stretched a little so that it nearly fills its block.
void CarFrame(cairo_t* cr, Car car) {
  if (car == Car::Taxi) {
    cairo_translate(cr, 2 * kCell, 0);
    cairo_rotate(cr, M_PI / 2);
  }
  cairo_translate(cr, kCell, kCell);
  cairo_scale(cr, 1.07, 1.04);
  cairo_translate(cr, -kCell, -kCell);
}

void CarQuarter(cairo_t* cr, Car car, int qx, int qy) {
  // Each car stands in a bay of its own, marked like the car park (bg 42), so the block
  // sits on a road, a pavement or in the car park alike; the taxi's bay runs with it.
  if (car == Car::Taxi) {
    cairo_save(cr);
    cairo_translate(cr, kCell / 2, kCell / 2);
    cairo_rotate(cr, M_PI / 2);
    cairo_translate(cr, -kCell / 2, -kCell / 2);
    CarParkBay(cr);
    cairo_restore(cr);
  } else {
    CarParkBay(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, -kCell * qx, -kCell * qy);
  // The shadow is cast before the car is turned, so it falls to the lower right for all.
  cairo_save(cr);
  cairo_translate(cr, 2.5, 2.5);
  CarFrame(cr, car);
  SetColor(cr, {0, 0, 0}, 0.45);
  RoundPath(cr, 7, 2, 46, 56, 9);
  cairo_fill(cr);
  cairo_restore(cr);
  CarFrame(cr, car);
  DrawCar(cr, kLooks[static_cast<int>(car)]);
  cairo_restore(cr);
}

void MarketStall(cairo_t* cr) {
  UnderShadow(cr);
  // Stripes of the awning, sloping down towards the shopper, with a scalloped hem.
  for (int k = 0; k < 7; ++k) {
    const Rgb c = k % 2 ? Rgb{236, 226, 200} : Rgb{196, 42, 42};
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 22);
    const Rgb hi = Shade(c, 0.2), lo = Shade(c, -0.2);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r / 255.0, hi.g / 255.0, hi.b / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r / 255.0, lo.g / 255.0, lo.b / 255.0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, k * 5 - 2.5, 0, 5, 21);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Shade(c, -0.2));
    cairo_new_sub_path(cr);
    cairo_arc(cr, k * 5, 21, 2.5, 0, M_PI);
    cairo_fill(cr);
  }
  FillRect(cr, 0, 0, kCell, 1, {120, 80, 40});
  // The trestle counter under the hem, its goods in shallow baskets.
  FillRect(cr, 0, 24, kCell, 4, {150, 108, 62});
  FillRect(cr, 0, 24, kCell, 0.8, {190, 146, 92});
  FillRect(cr, 0, 28, kCell, 1.2, {92, 62, 34});
  static constexpr Rgb kGoods[] = {{90, 150, 60}, {230, 150, 40}, {200, 60, 40}};
  for (int k = 0; k < 3; ++k) {
    const double x = 2 + k * 10;
    FillRound(cr, x, 24.5, 7, 3, 1, {120, 84, 44});
    for (int g = 0; g < 3; ++g) FillCircle(cr, x + 1.5 + g * 2, 25.6, 0.9, kGoods[k]);
  }
}

void StreetLamp(cairo_t* cr) {
  // The post stands on a square granite footing that fills the cell, kerbed all round, so
  // it looks the same in a pavement row as out in the car park.
  Raised(cr, 0, 0, kCell, kCell, {150, 148, 142});
  Raised(cr, 2.5, 2.5, 25, 25, {174, 172, 164});
  for (double x : {9.0, 20.5}) FillRect(cr, x, 2.5, 0.8, 25, {150, 148, 142});
  cairo_pattern_t* glow = cairo_pattern_create_radial(16, 12, 2, 16, 12, 13);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, 0.55);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.9, 0.5, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  Line(cr, 13, 20, 26, 28.5, {0, 0, 0}, 2.5);  // the post's shadow, with some transparency
  SetColor(cr, {174, 172, 164}, 0.5);
  cairo_move_to(cr, 13, 20);
  cairo_line_to(cr, 26, 28.5);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  FillCircle(cr, 12, 19, 4, {40, 56, 44});
  Ball(cr, 12, 19, 2.6, {60, 84, 66});
  Line(cr, 12, 19, 16, 12, {40, 56, 44}, 1.6);
  FillCircle(cr, 16, 12, 5, {40, 56, 44});
  Ball(cr, 16, 12, 4, {250, 236, 170});
}

void Fountain(cairo_t* cr) {
  // A round basin on a square stone plinth that fills the cell: a moulded rim of stone
  // blocks, water, and in the middle the jet, its spray falling back all round.
  Raised(cr, 0, 0, kCell, kCell, {186, 180, 166});
  for (auto [x, y] :
       {std::pair{0.0, 0.0}, std::pair{30.0, 0.0}, std::pair{0.0, 30.0}, std::pair{30.0, 30.0}})
    Line(cr, x, y, 15 + (x - 15) * 0.6, 15 + (y - 15) * 0.6, {156, 150, 138}, 0.7);
  FillCircle(cr, 16.5, 16.5, 14.3, {70, 66, 60});  // the rim's shadow on the plinth
  Ball(cr, 15, 15, 14.3, {214, 208, 194});
  for (int k = 0; k < 8; ++k) {  // the joints between the rim's blocks
    const double a = k * M_PI / 4 + 0.2;
    Line(cr, 15 + 11 * std::cos(a), 15 + 11 * std::sin(a), 15 + 14 * std::cos(a),
         15 + 14 * std::sin(a), {150, 144, 132}, 0.6);
  }
  FillCircle(cr, 15, 15, 11.2, {120, 114, 104});  // inner face of the rim, in shade
  cairo_pattern_t* water = cairo_pattern_create_radial(13, 13, 1, 15, 15, 11);
  cairo_pattern_add_color_stop_rgb(water, 0, 0.36, 0.62, 0.80);
  cairo_pattern_add_color_stop_rgb(water, 1, 0.16, 0.36, 0.54);
  cairo_set_source(cr, water);
  cairo_arc(cr, 15.5, 15.5, 10.3, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(water);
  // Spray landing in a ring, broken rings of ripples and a glint of sky.
  Noise n(560);
  for (int i = 0; i < 26; ++i) {
    const double a = n.Unit() * 2 * M_PI, r = 5 + n.Unit() * 3.5;
    FillCircle(cr, 15 + r * std::cos(a), 15 + r * std::sin(a), 0.4 + n.Unit() * 0.4,
               {232, 244, 250});
  }
  cairo_set_line_width(cr, 0.6);
  SetColor(cr, {170, 212, 234}, 0.8);
  cairo_arc(cr, 15.5, 15.5, 9, 3.6, 5.4);
  cairo_stroke(cr);
  cairo_arc(cr, 15.5, 15.5, 9, 0.5, 2.0);
  cairo_stroke(cr);
  // The jet: a white plume, brightest where it rises, with drops arcing outwards.
  FillCircle(cr, 15.8, 15.8, 2.6, {40, 70, 90});  // the jet's stone nozzle bowl, in the water
  Ball(cr, 15, 15, 2.6, {200, 194, 180});
  cairo_pattern_t* plume = cairo_pattern_create_radial(15, 15, 0.3, 15, 15, 4);
  cairo_pattern_add_color_stop_rgba(plume, 0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(plume, 0.5, 0.9, 0.96, 1, 0.75);
  cairo_pattern_add_color_stop_rgba(plume, 1, 0.8, 0.9, 1, 0);
  cairo_set_source(cr, plume);
  cairo_arc(cr, 15, 15, 4, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(plume);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int k = 0; k < 7; ++k) {
    const double a = k * 2 * M_PI / 7 + 0.3;
    SetColor(cr, {240, 248, 255}, 0.7);
    cairo_set_line_width(cr, 0.5);
    cairo_move_to(cr, 15 + 1.5 * std::cos(a), 15 + 1.5 * std::sin(a));
    cairo_curve_to(cr, 15 + 4 * std::cos(a + 0.25), 15 + 4 * std::sin(a + 0.25) - 1,
                   15 + 6 * std::cos(a + 0.3), 15 + 6 * std::sin(a + 0.3),
                   15 + 7 * std::cos(a + 0.35), 15 + 7 * std::sin(a + 0.35) + 0.5);
    cairo_stroke(cr);
  }
  FillCircle(cr, 15, 15, 1.3, {255, 255, 255});
}

void SpiceSacks(cairo_t* cr) {
  // Open sacks standing close on a reed mat that fills the cell.
  Fill(cr, {176, 146, 90});
  for (int k = 0; k < 10; ++k) Line(cr, 0, 1.5 + k * 3, kCell, 1.5 + k * 3, {140, 112, 66}, 0.7);
  for (int k = 0; k < 5; ++k) Line(cr, 3 + k * 6, 0, 3 + k * 6, kCell, {150, 122, 74}, 0.4);
  Sack(cr, 7.5, 7.5, 7.3, {222, 120, 30});
  Sack(cr, 22.5, 8, 7, {176, 40, 30});
  Sack(cr, 8, 22.5, 7, {110, 120, 50});
  Sack(cr, 22.5, 22.5, 7.3, {224, 184, 40});
  Line(cr, 20.5, 21, 26.5, 17.5, {120, 84, 46}, 1.4);  // a wooden scoop left in the turmeric
  FillCircle(cr, 20.5, 21, 1.6, {140, 100, 58});
}

void CratesBins(cairo_t* cr) {
  // Two slatted wooden crates stacked on the left, a dented steel dustbin and a black
  // rubbish bag on the right, all packed into the cell on a broken pallet.
  Pallet(cr);
  auto crate = [cr](double x, double y, double w, double h, Rgb wood, bool across) {
    Shadow(cr, x, y, w, h, 0, 0.45);
    FillRect(cr, x, y, w, h, Shade(wood, -0.55));  // the dark inside, between the slats
    const int slats = 3;
    for (int k = 0; k < slats; ++k) {
      const double t = (k + 0.15) / slats;
      if (across)
        Raised(cr, x + 1.5, y + t * h, w - 3, h / slats * 0.7, Shade(wood, 0.05 * k));
      else
        Raised(cr, x + t * w, y + 1.5, w / slats * 0.7, h - 3, Shade(wood, 0.05 * k));
    }
    // The frame: four battens round the top, lit on the upper left.
    FillRect(cr, x, y, w, 1.5, Shade(wood, 0.25));
    FillRect(cr, x, y, 1.5, h, Shade(wood, 0.15));
    FillRect(cr, x, y + h - 1.5, w, 1.5, Shade(wood, -0.35));
    FillRect(cr, x + w - 1.5, y, 1.5, h, Shade(wood, -0.3));
  };
  crate(0.5, 0.5, 16, 14, {176, 132, 78}, true);
  crate(1, 15, 15.5, 14.5, {156, 112, 64}, false);
  FillRect(cr, 4, 20, 8, 2.5, {230, 222, 200});  // a stencilled label
  FillRect(cr, 5, 20.8, 6, 0.8, {60, 50, 40});
  // A flattened cardboard box in the lower right, its taped seam across.
  Shadow(cr, 17.5, 20, 12, 9.5, 0.5, 0.45);
  Raised(cr, 17.5, 20, 12, 9.5, {196, 160, 108});
  FillRect(cr, 17.5, 24.2, 12, 1.2, {214, 196, 150});
  Line(cr, 18.5, 21, 28.5, 28.5, {170, 134, 86}, 0.5);
  // The dustbin, galvanised and ribbed, its domed lid with the handle across.
  const Rgb zinc{152, 158, 162};
  Drum(cr, 23.3, 6.2, 6.3, 8, zinc, 1);
  for (int k = -2; k <= 2; ++k) {
    const double x = 23.3 + k * 2.2, foot = 6.2 + 8 + 3.9 * std::sqrt(1 - (k * 0.35) * (k * 0.35));
    Line(cr, x, 9.5, x, foot - 0.5, Shade(zinc, k < 0 ? 0.25 : -0.35), 0.5);
  }
  cairo_pattern_t* dome = cairo_pattern_create_radial(21.5, 4.5, 0.5, 23.3, 6.2, 6.5);
  cairo_pattern_add_color_stop_rgb(dome, 0, 0.92, 0.94, 0.95);
  cairo_pattern_add_color_stop_rgb(dome, 1, 0.46, 0.48, 0.50);
  cairo_set_source(cr, dome);
  EllipseArc(cr, 23.3, 6.2, 5.2, 3.2);
  cairo_fill(cr);
  cairo_pattern_destroy(dome);
  Raised(cr, 20.8, 5.3, 5, 1.6, {84, 88, 92});  // the handle
}

void Swing(cairo_t* cr) {
  Grass(cr);
  for (double x : {10.5, 19.5}) {
    SetColor(cr, {150, 120, 80}, 0.7);
    EllipseArc(cr, x, 17, 4, 2.5);
    cairo_fill(cr);
  }
  const Rgb frame{170, 40, 34};
  // A-frame legs at both ends, splayed forward and back, their shadows to the lower right.
  for (double x : {3.0, 27.0})
    for (double dy : {-6.0, 6.0}) {
      Line(cr, x + 2, 11, x + 2 + (x < 15 ? -2 : 2), 11 + dy + 2, {0, 0, 0}, 1.6);
      Line(cr, x, 9, x + (x < 15 ? -2 : 2), 9 + dy, frame, 1.6);
    }
  Line(cr, 4, 12, 30, 12, {0, 0, 0}, 2);
  Raised(cr, 2, 8, 26, 2.5, frame);
  for (double x : {10.5, 19.5}) {
    Line(cr, x - 2, 10.5, x - 2, 15, {80, 80, 84}, 0.6);
    Line(cr, x + 2, 10.5, x + 2, 15, {80, 80, 84}, 0.6);
    Raised(cr, x - 3, 15, 6, 2, {60, 60, 64});
  }
}

}  // namespace forge::bgtiles
