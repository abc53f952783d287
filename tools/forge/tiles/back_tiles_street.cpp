// Street and garden tiles: the three cars (each one drawing cut into four cells), the
// market stall, lamp, fountain, sacks, bins and the children's swing.
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

void Sack(cairo_t* cr, double x, double y, double r, Rgb spice) {
  FillCircle(cr, x + 2, y + 2, r, {0, 0, 0});
  Ball(cr, x, y, r, {186, 152, 104});
  FillCircle(cr, x, y, r - 1.6, {120, 92, 60});
  Ball(cr, x - 0.3, y - 0.3, r - 2.2, spice);
}

}  // namespace

void CarQuarter(cairo_t* cr, Car car, int qx, int qy) {
  if (car == Car::Hero)
    Pavement(cr);
  else
    Asphalt(cr);
  cairo_save(cr);
  cairo_translate(cr, -kCell * qx, -kCell * qy);
  // The shadow is laid before the taxi is turned, so it falls to the lower right for all.
  if (car == Car::Taxi)
    Shadow(cr, 3, 8, 54, 44, 9, 0.4);
  else
    Shadow(cr, 8, 3, 44, 54, 9, 0.4);
  if (car == Car::Taxi) {  // the same drawing turned to face right: left flank on top
    cairo_translate(cr, 2 * kCell, 0);
    cairo_rotate(cr, M_PI / 2);
  }
  DrawCar(cr, kLooks[static_cast<int>(car)]);
  cairo_restore(cr);
}

void MarketStall(cairo_t* cr) {
  Cobbles(cr);
  SetColor(cr, {0, 0, 0}, 0.35);
  cairo_rectangle(cr, 0, 4, kCell, 26);
  cairo_fill(cr);
  // Stripes of the awning, sloping down towards the shopper, with a scalloped hem.
  for (int k = 0; k < 7; ++k) {
    const Rgb c = k % 2 ? Rgb{236, 226, 200} : Rgb{196, 42, 42};
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 24);
    const Rgb hi = Shade(c, 0.2), lo = Shade(c, -0.2);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r / 255.0, hi.g / 255.0, hi.b / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r / 255.0, lo.g / 255.0, lo.b / 255.0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, k * 5 - 2.5, 1, 5, 23);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Shade(c, -0.2));
    cairo_new_sub_path(cr);
    cairo_arc(cr, k * 5, 24, 2.5, 0, M_PI);
    cairo_fill(cr);
  }
  FillRect(cr, 0, 1, kCell, 1, {120, 80, 40});
}

void StreetLamp(cairo_t* cr) {
  Pavement(cr);
  Line(cr, 12, 19, 27, 29, {0, 0, 0}, 2.5);  // the post's shadow, with some transparency
  SetColor(cr, {160, 158, 151}, 0.45);
  cairo_move_to(cr, 12, 19);
  cairo_line_to(cr, 27, 29);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_pattern_t* glow = cairo_pattern_create_radial(16, 12, 2, 16, 12, 13);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, 0.55);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.9, 0.5, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  FillCircle(cr, 12, 19, 4, {40, 56, 44});
  Ball(cr, 12, 19, 2.6, {60, 84, 66});
  Line(cr, 12, 19, 16, 12, {40, 56, 44}, 1.6);
  FillCircle(cr, 16, 12, 5, {40, 56, 44});
  Ball(cr, 16, 12, 4, {250, 236, 170});
}

void Fountain(cairo_t* cr) {
  Pavement(cr);
  FillCircle(cr, 16.5, 16.5, 14, {0, 0, 0});
  Ball(cr, 15, 15, 14, {206, 200, 186});
  FillCircle(cr, 15, 15, 11, {150, 144, 132});
  FillCircle(cr, 15.5, 15.5, 10.2, {56, 110, 150});
  cairo_set_line_width(cr, 0.7);
  for (double r : {5.5, 8.0}) {
    SetColor(cr, {150, 200, 226}, 0.8);
    cairo_arc(cr, 15.5, 15.5, r, 0, 2 * M_PI);
    cairo_stroke(cr);
  }
  Ball(cr, 15, 15, 3, {214, 208, 196});
  for (int k = 0; k < 10; ++k) {
    const double a = k * M_PI / 5;
    FillCircle(cr, 15 + 4.5 * std::cos(a), 15 + 4.5 * std::sin(a), 0.8, {236, 248, 255});
  }
  FillCircle(cr, 15, 15, 1.2, {250, 252, 255});
}

void SpiceSacks(cairo_t* cr) {
  Cobbles(cr);
  Sack(cr, 8.5, 8.5, 7.5, {222, 120, 30});
  Sack(cr, 22, 10, 7, {176, 40, 30});
  Sack(cr, 15, 22, 7.5, {224, 184, 40});
}

void CratesBins(cairo_t* cr) {
  Cobbles(cr);
  Shadow(cr, 2, 2, 15, 15, 0, 0.4);
  Raised(cr, 2, 2, 15, 15, {170, 126, 74});
  for (int k = 1; k < 4; ++k) FillRect(cr, 2, 2 + k * 3.75, 15, 0.8, {120, 84, 44});
  Line(cr, 3, 3, 16, 16, {140, 100, 56}, 1);
  Shadow(cr, 3, 19, 11, 9, 0, 0.4);
  Raised(cr, 3, 19, 11, 9, {160, 118, 70});
  for (int k = 0; k < 4; ++k) Ball(cr, 5.5 + k * 2.2, 23 + (k % 2), 1.3, {236, 140, 30});
  FillCircle(cr, 23, 22, 7, {0, 0, 0});
  Ball(cr, 21.5, 20.5, 6.8, {120, 126, 130});
  cairo_set_line_width(cr, 0.8);
  SetColor(cr, {80, 84, 88});
  cairo_arc(cr, 21.5, 20.5, 5, 0, 2 * M_PI);
  cairo_stroke(cr);
  Raised(cr, 19.5, 19.5, 4, 2, {70, 74, 78});
}

void Swing(cairo_t* cr) {
  Grass(cr);
  for (double x : {10.5, 19.5}) {
    SetColor(cr, {150, 120, 80}, 0.7);
    cairo_save(cr);
    cairo_translate(cr, x, 17);
    cairo_scale(cr, 4, 2.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
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
