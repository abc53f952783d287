// The speakers without a face: written words, the narrator, the parrot, the cat.
#include "scenes/portraits_things.h"

#include <cmath>

#include "figures/figures.h"

namespace forge {

namespace {

using fig::Darker;
using fig::Ellipse;
using fig::Lighter;
using fig::Paint;
using fig::ShadeRound;

void Handwriting(cairo_t* cr, double x, double y, double width, int lines, Noise& n) {
  SetColor(cr, Rgb{40, 44, 90});
  cairo_set_line_width(cr, 1.1);
  for (int i = 0; i < lines; ++i) {
    double cx = x + (i == 0 ? 0 : 0);
    const double end = x + width * (i == lines - 1 ? 0.55 : 0.92 + 0.08 * n.Unit());
    const double by = y + i * 11;
    cairo_move_to(cr, cx, by);
    while (cx < end) {
      const double step = 2.5 + n.Unit() * 2;
      const double h = (n.Unit() < 0.15) ? 6 : 3;
      cairo_curve_to(cr, cx + step * 0.3, by - h, cx + step * 0.7, by - h, cx + step, by);
      cx += step;
      if (n.Unit() < 0.12) {  // a gap between words
        cx += 4;
        cairo_move_to(cr, cx, by);
      }
    }
  }
  cairo_stroke(cr);
}

void Letter(cairo_t* cr) {
  // The envelope behind, with its broken seal.
  cairo_save(cr);
  cairo_translate(cr, 100, 80);
  cairo_rotate(cr, 0.16);
  cairo_rectangle(cr, -78, -30, 130, 84);
  Paint(cr, Rgb{214, 196, 160}, -78, -30, 52, 54, 1.4);
  Line(cr, -78, -30, -13, 16, Rgb{170, 150, 115}, 1.2);
  Line(cr, 52, -30, -13, 16, Rgb{170, 150, 115}, 1.2);
  FillCircle(cr, -13, 16, 8, Rgb{150, 28, 30});
  FillCircle(cr, -15, 14, 3, Rgb{190, 60, 55});
  cairo_restore(cr);
  // The opened sheet, folded in three.
  cairo_save(cr);
  cairo_translate(cr, 110, 74);
  cairo_rotate(cr, -0.07);
  cairo_rectangle(cr, -56, -66, 112, 132);
  Paint(cr, Rgb{246, 240, 222}, -56, -66, 56, 66, 1.4);
  for (int k : {-22, 22}) {
    cairo_rectangle(cr, -56, k - 1, 112, 3);
    SetColor(cr, Rgb{200, 190, 165}, 0.7);
    cairo_fill(cr);
  }
  Noise n(40);
  Handwriting(cr, -44, -46, 88, 4, n);
  Handwriting(cr, -44, -2, 88, 3, n);
  Handwriting(cr, -44, 36, 88, 2, n);
  // Signature flourish.
  SetColor(cr, Rgb{40, 44, 90});
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, 6, 56);
  cairo_curve_to(cr, 14, 44, 20, 62, 28, 50);
  cairo_curve_to(cr, 34, 44, 38, 58, 46, 54);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Hourglass(cairo_t* cr) {
  // A bronze medallion behind the glass.
  Ellipse(cr, 100, 75, 68, 68);
  ShadeRound(cr, Rgb{120, 86, 40}, 80, 55, 90, 2);
  Ellipse(cr, 100, 75, 58, 58);
  ShadeRound(cr, Rgb{46, 36, 52}, 90, 60, 70, 1.5);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    FillCircle(cr, 100 + std::cos(a) * 63, 75 + std::sin(a) * 63, 2.2, Rgb{230, 196, 110});
  }
  // Glass bulbs.
  cairo_move_to(cr, 78, 30);
  cairo_curve_to(cr, 78, 60, 97, 66, 97, 75);
  cairo_curve_to(cr, 97, 84, 78, 90, 78, 120);
  cairo_line_to(cr, 122, 120);
  cairo_curve_to(cr, 122, 90, 103, 84, 103, 75);
  cairo_curve_to(cr, 103, 66, 122, 60, 122, 30);
  cairo_close_path(cr);
  SetColor(cr, Rgb{200, 222, 232}, 0.55);
  cairo_fill_preserve(cr);
  SetColor(cr, Rgb{235, 245, 250});
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Sand: a little left above, a heap below and the falling thread.
  cairo_move_to(cr, 86, 56);
  cairo_curve_to(cr, 92, 64, 98, 68, 100, 72);
  cairo_curve_to(cr, 102, 68, 108, 64, 114, 56);
  cairo_close_path(cr);
  Paint(cr, Rgb{224, 180, 96}, 90, 56, 110, 72, 0);
  Line(cr, 100, 72, 100, 108, Rgb{224, 180, 96}, 1.6);
  cairo_move_to(cr, 80, 119);
  cairo_curve_to(cr, 86, 104, 96, 100, 100, 100);
  cairo_curve_to(cr, 104, 100, 114, 104, 120, 119);
  cairo_close_path(cr);
  Paint(cr, Rgb{224, 180, 96}, 90, 100, 110, 120, 0);
  Line(cr, 84, 38, 88, 60, Rgb{255, 255, 255}, 2);
  // Wooden ends and posts.
  for (double y : {22.0, 120.0}) {
    cairo_rectangle(cr, 68, y, 64, 9);
    Paint(cr, Rgb{120, 70, 34}, 68, y, 132, y + 9, 1.2);
  }
  for (double x : {71.0, 125.0}) {
    cairo_rectangle(cr, x, 31, 5, 89);
    Paint(cr, Rgb{132, 80, 40}, x, 31, x + 5, 31, 1.0);
  }
}

void Parrot(cairo_t* cr) {
  // Cage floor and hanging ring first, then the bird, then the bars in front.
  cairo_rectangle(cr, 38, 132, 124, 14);
  Paint(cr, Rgb{170, 130, 60}, 38, 132, 162, 146, 1.4);
  FillCircle(cr, 100, 6, 5, Rgb{190, 150, 70});
  FillCircle(cr, 100, 6, 2.5, Rgb{90, 70, 30});
  Line(cr, 60, 104, 140, 104, Rgb{120, 80, 40}, 4);
  const Rgb green{52, 150, 60};
  // Tail, body, wing.
  cairo_move_to(cr, 100, 100);
  cairo_line_to(cr, 112, 140);
  cairo_line_to(cr, 100, 142);
  cairo_close_path(cr);
  Paint(cr, Rgb{40, 90, 170}, 100, 100, 112, 140, 1.0);
  Ellipse(cr, 98, 82, 20, 28);
  ShadeRound(cr, green, 90, 70, 34, 1.4);
  cairo_move_to(cr, 104, 64);
  cairo_curve_to(cr, 122, 74, 122, 96, 110, 112);
  cairo_curve_to(cr, 104, 100, 102, 80, 104, 64);
  Paint(cr, Rgb{38, 118, 50}, 104, 64, 120, 112, 1.0);
  for (int i = 0; i < 3; ++i) Line(cr, 108, 92 + i * 5, 116, 88 + i * 6, Rgb{200, 50, 40}, 1.6);
  // Head with the yellow cheek, eye and hooked beak.
  Ellipse(cr, 96, 50, 16, 15);
  ShadeRound(cr, green, 90, 44, 22, 1.4);
  Ellipse(cr, 92, 54, 7, 5);
  SetColor(cr, Rgb{240, 210, 60});
  cairo_fill(cr);
  FillCircle(cr, 98, 46, 4.2, Rgb{250, 250, 240});
  FillCircle(cr, 98, 46, 2.2, Rgb{20, 20, 20});
  cairo_move_to(cr, 82, 44);
  cairo_curve_to(cr, 70, 44, 70, 60, 78, 62);
  cairo_curve_to(cr, 78, 56, 80, 53, 85, 54);
  cairo_close_path(cr);
  Paint(cr, Rgb{70, 64, 60}, 72, 44, 84, 62, 1.0);
  // Feet on the perch.
  for (double x : {92.0, 102.0}) FillCircle(cr, x, 104, 3, Rgb{150, 110, 100});
  // The dome and bars.
  SetColor(cr, Rgb{200, 162, 74});
  cairo_set_line_width(cr, 2.2);
  cairo_move_to(cr, 42, 132);
  cairo_line_to(cr, 42, 52);
  cairo_curve_to(cr, 42, 8, 158, 8, 158, 52);
  cairo_line_to(cr, 158, 132);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.7);
  for (int i = 1; i < 9; ++i) {
    const double x = 42 + i * 116.0 / 9;
    const double top = 52 - 38 * std::sqrt(std::max(0.0, 1 - std::pow((x - 100) / 58, 2)));
    cairo_move_to(cr, x, top + 4);
    cairo_line_to(cr, x, 132);
  }
  cairo_stroke(cr);
  Line(cr, 42, 52, 158, 52, Rgb{200, 162, 74}, 2.2);
  Line(cr, 42, 92, 158, 92, Rgb{200, 162, 74}, 1.6);
}

void Cat(cairo_t* cr) {
  const Rgb fur{128, 124, 118};
  // Shoulders, then the head.
  cairo_move_to(cr, 40, 150);
  cairo_curve_to(cr, 44, 110, 70, 96, 100, 96);
  cairo_curve_to(cr, 130, 96, 156, 110, 160, 150);
  cairo_close_path(cr);
  Paint(cr, fur, 60, 96, 150, 150, 1.5);
  // Ears: the left one is whole, the right one torn at the tip.
  cairo_move_to(cr, 58, 62);
  cairo_line_to(cr, 62, 14);
  cairo_line_to(cr, 92, 42);
  cairo_close_path(cr);
  Paint(cr, fur, 58, 14, 92, 60, 1.4);
  cairo_move_to(cr, 64, 54);
  cairo_line_to(cr, 66, 26);
  cairo_line_to(cr, 84, 44);
  cairo_close_path(cr);
  SetColor(cr, Rgb{210, 150, 150});
  cairo_fill(cr);
  cairo_move_to(cr, 142, 62);
  cairo_line_to(cr, 140, 30);
  cairo_line_to(cr, 132, 34);
  cairo_line_to(cr, 134, 22);
  cairo_line_to(cr, 108, 42);
  cairo_close_path(cr);
  Paint(cr, fur, 108, 22, 142, 60, 1.4);
  Ellipse(cr, 100, 70, 46, 38);
  ShadeRound(cr, fur, 88, 56, 56, 1.5);
  // Tabby stripes.
  SetColor(cr, Darker(fur, 0.5));
  cairo_set_line_width(cr, 2.4);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, 100 + i * 8, 34);
    cairo_line_to(cr, 100 + i * 6, 50);
  }
  for (int side : {-1, 1})
    for (int k = 0; k < 3; ++k) {
      cairo_move_to(cr, 100 + side * 44, 64 + k * 9);
      cairo_line_to(cr, 100 + side * 32, 66 + k * 8);
    }
  for (int k = 0; k < 4; ++k) {
    cairo_move_to(cr, 56 + k * 28, 112 + (k % 2) * 4);
    cairo_curve_to(cr, 60 + k * 28, 124, 58 + k * 28, 136, 62 + k * 28, 148);
  }
  cairo_stroke(cr);
  // Muzzle, nose, eyes, whiskers.
  Ellipse(cr, 100, 86, 18, 12);
  SetColor(cr, Rgb{214, 208, 198});
  cairo_fill(cr);
  cairo_move_to(cr, 94, 78);
  cairo_line_to(cr, 106, 78);
  cairo_line_to(cr, 100, 84);
  cairo_close_path(cr);
  SetColor(cr, Rgb{190, 110, 110});
  cairo_fill(cr);
  Line(cr, 100, 84, 100, 89, Rgb{60, 50, 50}, 1.2);
  for (int side : {-1, 1}) {
    Ellipse(cr, 100 + side * 17, 64, 8, 6.5);
    ShadeRound(cr, Rgb{150, 190, 70}, 100 + side * 17 - 2, 62, 9, 1.4);
    Ellipse(cr, 100 + side * 17, 64, 1.6, 5.5);
    SetColor(cr, Rgb{15, 15, 15});
    cairo_fill(cr);
    FillCircle(cr, 100 + side * 17 - 2.5, 62, 1.2, Rgb{255, 255, 255});
    for (int k = -1; k <= 1; ++k)
      Line(cr, 100 + side * 12, 88 + k * 3, 100 + side * 50, 84 + k * 8, Rgb{235, 232, 225}, 1.0);
  }
}

}  // namespace

void DrawPortraitThing(cairo_t* cr, int code) {
  switch (code) {
    case 40:
      Letter(cr);
      break;
    case 41:
      Hourglass(cr);
      break;
    case 42:
      Parrot(cr);
      break;
    default:
      Cat(cr);
      break;
  }
}

}  // namespace forge
