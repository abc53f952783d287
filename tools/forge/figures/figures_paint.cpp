// Paint helpers shared by the figures and the scene pictures.
#include <cmath>

#include "figures/figures.h"

namespace forge::fig {

Rgb Lighter(Rgb c, double t) { return Mix(c, Rgb{255, 250, 240}, t); }
Rgb Darker(Rgb c, double t) { return Mix(c, Rgb{20, 12, 18}, t); }

namespace {
void AddStop(cairo_pattern_t* pat, double at, Rgb c) {
  cairo_pattern_add_color_stop_rgb(pat, at, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}
}  // namespace

void Shade(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* pat = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStop(pat, 0.0, Lighter(base, 0.28));
  AddStop(pat, 0.45, base);
  AddStop(pat, 1.0, Darker(base, 0.38));
  cairo_set_source(cr, pat);
  cairo_fill(cr);
  cairo_pattern_destroy(pat);
}

void Paint(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1, double outline) {
  cairo_pattern_t* pat = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStop(pat, 0.0, Lighter(base, 0.28));
  AddStop(pat, 0.45, base);
  AddStop(pat, 1.0, Darker(base, 0.38));
  cairo_set_source(cr, pat);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pat);
  if (outline > 0) {
    SetColor(cr, Darker(base, 0.7));
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  } else {
    cairo_new_path(cr);
  }
}

void ShadeRound(cairo_t* cr, Rgb base, double cx, double cy, double r, double outline) {
  cairo_pattern_t* pat = cairo_pattern_create_radial(cx, cy, r * 0.05, cx, cy, r);
  AddStop(pat, 0.0, Lighter(base, 0.22));
  AddStop(pat, 0.5, base);
  AddStop(pat, 1.0, Darker(base, 0.4));
  cairo_set_source(cr, pat);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pat);
  if (outline > 0) {
    SetColor(cr, Darker(base, 0.7));
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    cairo_new_path(cr);
  }
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_new_sub_path(cr);
  EllipseArc(cr, cx, cy, rx, ry);
}

void DrawHand(cairo_t* cr, double x, double y, double size, Rgb skin) {
  Ellipse(cr, x, y, size * 0.55, size * 0.5);
  ShadeRound(cr, skin, x - size * 0.2, y - size * 0.2, size * 0.8, 1.0);
  // Knuckle lines make a fist read as a hand.
  SetColor(cr, Darker(skin, 0.45));
  cairo_set_line_width(cr, 0.8);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, x + i * size * 0.18, y - size * 0.38);
    cairo_line_to(cr, x + i * size * 0.18, y - size * 0.12);
  }
  cairo_stroke(cr);
}

void DrawArm(cairo_t* cr, double sx, double sy, double hx, double hy, Rgb sleeve, Rgb skin,
             double thickness) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, Darker(sleeve, 0.7));
  cairo_set_line_width(cr, thickness + 2.4);
  cairo_move_to(cr, sx, sy);
  cairo_line_to(cr, hx, hy);
  cairo_stroke(cr);
  // The sleeve itself, lit along its upper edge.
  const double dx = hx - sx;
  const double dy = hy - sy;
  const double len = std::hypot(dx, dy);
  const double nx = len > 0 ? -dy / len : 0;
  const double ny = len > 0 ? dx / len : 0;
  cairo_pattern_t* pat =
      cairo_pattern_create_linear(sx + nx * thickness / 2, sy + ny * thickness / 2,
                                  sx - nx * thickness / 2, sy - ny * thickness / 2);
  const Rgb a = Darker(sleeve, 0.3);
  const Rgb b = Lighter(sleeve, 0.2);
  cairo_pattern_add_color_stop_rgb(pat, 0, a.r / 255.0, a.g / 255.0, a.b / 255.0);
  cairo_pattern_add_color_stop_rgb(pat, 1, b.r / 255.0, b.g / 255.0, b.b / 255.0);
  cairo_set_source(cr, pat);
  cairo_set_line_width(cr, thickness);
  cairo_move_to(cr, sx, sy);
  cairo_line_to(cr, hx, hy);
  cairo_stroke(cr);
  cairo_pattern_destroy(pat);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  DrawHand(cr, hx, hy, thickness * 0.95, skin);
}

}  // namespace forge::fig
