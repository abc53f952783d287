// Hair, hats and glasses.
#include <algorithm>
#include <cmath>

#include "figures/figures_parts.h"

namespace forge::fig {

namespace {

// The outer round of the skull, a little beyond the head outline.
void SkullArc(cairo_t* cr, const HeadGeo& g, double grow, double from, double to) {
  EllipseArc(cr, g.cx, g.cy - 1, g.hw + grow, g.hh + grow, from, to);
}

// Hair over the top of the head down to the sideburns; `line` is how high the
// hairline sits above the head centre (in head heights).
void HairCap(cairo_t* cr, const Person& p, const HeadGeo& g, double line, double grow) {
  const double burn = p.female ? g.eyeY + 14 : g.eyeY + 5;
  cairo_new_path(cr);
  cairo_move_to(cr, g.cx - g.hw - 0.5, burn);
  SkullArc(cr, g, grow, M_PI * 1.0, M_PI * 2.0);
  cairo_line_to(cr, g.cx + g.hw + 0.5, burn);
  cairo_line_to(cr, g.cx + g.hw - 3.5, burn);
  cairo_line_to(cr, g.cx + g.hw - 4, g.cy - g.hh * 0.28);
  cairo_curve_to(cr, g.cx + 10, g.cy - g.hh * (line + 0.08), g.cx - 10, g.cy - g.hh * (line + 0.02),
                 g.cx - g.hw + 4, g.cy - g.hh * 0.28);
  cairo_line_to(cr, g.cx - g.hw + 3.5, burn);
  cairo_close_path(cr);
}

Rgb HairColour(const Person& p) { return p.hair; }

void Strands(cairo_t* cr, const HeadGeo& g, Rgb c, int count, double line) {
  SetColor(cr, Lighter(c, 0.3), 0.7);
  cairo_set_line_width(cr, 1.0);
  for (int i = 0; i < count; ++i) {
    const double t = (i + 0.5) / count;
    const double x = g.cx - g.hw * 0.8 + t * g.hw * 1.6;
    cairo_move_to(cr, x, g.cy - g.hh * line - 1);
    cairo_curve_to(cr, x - 3, g.cy - g.hh * 0.8, x - 6, g.cy - g.hh * 0.95, x - 8,
                   g.cy - g.hh * 1.02);
  }
  cairo_stroke(cr);
}

void Curls(cairo_t* cr, const HeadGeo& g, Rgb c, double spread, double lowY) {
  // Bunches of curls round the skull, largest at the sides.
  for (int i = 0; i <= 12; ++i) {
    const double a = M_PI * (0.92 + 1.16 * i / 12.0);
    const double x = g.cx + std::cos(a) * (g.hw + spread);
    const double y = std::min(lowY, g.cy - 2 + std::sin(a) * (g.hh + spread * 0.6));
    Ellipse(cr, x, y, 7, 6);
    ShadeRound(cr, c, x - 2, y - 2, 8, 0.9);
  }
}

}  // namespace

void DrawHairBack(cairo_t* cr, const Person& p) {
  const HeadGeo g = GeoOf(p);
  const Rgb c = HairColour(p);
  if (p.hairStyle == Hair::kLongCurls) {
    cairo_move_to(cr, g.cx - g.hw - 6, g.cy - 10);
    cairo_curve_to(cr, g.cx - g.hw - 20, g.cy + 20, g.cx - g.hw - 24, g.cy + 50, g.cx - g.hw - 14,
                   g.cy + 72);
    cairo_line_to(cr, g.cx + g.hw + 14, g.cy + 72);
    cairo_curve_to(cr, g.cx + g.hw + 24, g.cy + 50, g.cx + g.hw + 20, g.cy + 20, g.cx + g.hw + 6,
                   g.cy - 10);
    cairo_close_path(cr);
    Paint(cr, c, g.cx - 30, g.cy - 20, g.cx + 40, g.cy + 70);
    for (int side : {-1, 1})
      for (int k = 0; k < 5; ++k) {
        const double x = g.cx + side * (g.hw + 10 + (k % 2) * 5);
        const double y = g.cy + 6 + k * 13;
        Ellipse(cr, x, y, 8, 7);
        ShadeRound(cr, c, x - 2, y - 2, 9, 0.9);
      }
  } else if (p.hairStyle == Hair::kPonytail) {
    cairo_move_to(cr, g.cx + g.hw - 4, g.cy - g.hh * 0.6);
    cairo_curve_to(cr, g.cx + g.hw + 22, g.cy - g.hh * 0.5, g.cx + g.hw + 20, g.cy + 24,
                   g.cx + g.hw + 12, g.cy + 44);
    cairo_curve_to(cr, g.cx + g.hw + 8, g.cy + 24, g.cx + g.hw + 6, g.cy, g.cx + g.hw - 2,
                   g.cy - 4);
    cairo_close_path(cr);
    Paint(cr, c, g.cx + g.hw, g.cy - 20, g.cx + g.hw + 20, g.cy + 40);
  }
}

void DrawHairFront(cairo_t* cr, const Person& p) {
  const HeadGeo g = GeoOf(p);
  const Rgb c = HairColour(p);
  const bool hidden = p.hat == Hat::kScarf || p.hat == Hat::kHeadscarf || p.hat == Hat::kHelmet;
  if (hidden) return;
  switch (p.hairStyle) {
    case Hair::kBald: {
      // A fringe over the ears and round the back, and a shine on the crown.
      for (int side : {-1, 1}) {
        cairo_move_to(cr, g.cx + side * (g.hw + 1.5), g.eyeY + 6);
        cairo_curve_to(cr, g.cx + side * (g.hw + 3), g.cy - 6, g.cx + side * (g.hw + 1), g.cy - 12,
                       g.cx + side * (g.hw - 4), g.cy - 14);
        cairo_line_to(cr, g.cx + side * (g.hw - 3), g.eyeY + 6);
        cairo_close_path(cr);
        Paint(cr, c, g.cx + side * g.hw, g.cy - 14, g.cx + side * g.hw, g.eyeY + 8, 0.8);
      }
      if (p.hat == Hat::kNone) {
        Ellipse(cr, g.cx - 8, g.cy - g.hh * 0.72, 9, 4.5);
        SetColor(cr, Rgb{255, 250, 235}, 0.45);
        cairo_fill(cr);
      }
      break;
    }
    case Hair::kCurly:
      HairCap(cr, p, g, 0.5, 3);
      Paint(cr, c, g.cx - 20, g.cy - g.hh, g.cx + 20, g.cy);
      Curls(cr, g, c, 2, g.cy - 6);
      break;
    case Hair::kLongCurls:
      HairCap(cr, p, g, 0.48, 3);
      Paint(cr, c, g.cx - 20, g.cy - g.hh, g.cx + 20, g.cy);
      Curls(cr, g, c, 4, g.eyeY + 20);
      break;
    case Hair::kReceding:
      HairCap(cr, p, g, 0.8, 1.5);
      Paint(cr, c, g.cx - 20, g.cy - g.hh, g.cx + 20, g.cy);
      break;
    case Hair::kCropped:
      HairCap(cr, p, g, 0.62, 1.2);
      Paint(cr, c, g.cx - 20, g.cy - g.hh, g.cx + 20, g.cy, 0.8);
      break;
    case Hair::kMessy: {
      HairCap(cr, p, g, 0.5, 3.5);
      Paint(cr, c, g.cx - 20, g.cy - g.hh, g.cx + 20, g.cy);
      // Tufts over the forehead.
      for (int i = 0; i < 5; ++i) {
        const double x = g.cx - 14 + i * 7;
        cairo_move_to(cr, x - 4, g.cy - g.hh * 0.6);
        cairo_line_to(cr, x + 1, g.cy - g.hh * 0.38);
        cairo_line_to(cr, x + 4, g.cy - g.hh * 0.6);
        cairo_close_path(cr);
        Paint(cr, c, x, g.cy - g.hh * 0.6, x, g.cy - g.hh * 0.4, 0.7);
      }
      break;
    }
    case Hair::kOiled:
      HairCap(cr, p, g, 0.6, 2.5);
      Paint(cr, c, g.cx - 20, g.cy - g.hh, g.cx + 20, g.cy);
      SetColor(cr, Rgb{250, 250, 255}, 0.55);
      cairo_set_line_width(cr, 1.6);
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, g.cx - 16 + i * 7, g.cy - g.hh * 0.62);
        cairo_curve_to(cr, g.cx - 8 + i * 8, g.cy - g.hh * 0.98, g.cx + 6 + i * 6,
                       g.cy - g.hh * 1.0, g.cx + 16 + i * 3, g.cy - g.hh * 0.8);
      }
      cairo_stroke(cr);
      break;
    case Hair::kSideParted:
    case Hair::kShort:
    case Hair::kPonytail: {
      const double line = p.hairStyle == Hair::kPonytail ? 0.58 : 0.52;
      HairCap(cr, p, g, line, p.female ? 3.5 : 2.5);
      cairo_path_t* cap = cairo_copy_path(cr);
      Paint(cr, c, g.cx - 20, g.cy - g.hh, g.cx + 20, g.cy);
      cairo_save(cr);
      cairo_append_path(cr, cap);
      cairo_clip(cr);
      Strands(cr, g, c, 6, line);
      cairo_restore(cr);
      cairo_path_destroy(cap);
      if (p.hairStyle == Hair::kSideParted) {
        Line(cr, g.cx - 9, g.cy - g.hh * 0.58, g.cx - 7, g.cy - g.hh * 1.02, Darker(c, 0.5), 1.2);
        // The swept fringe.
        cairo_move_to(cr, g.cx - 8, g.cy - g.hh * 0.6);
        cairo_curve_to(cr, g.cx + 4, g.cy - g.hh * 0.72, g.cx + 14, g.cy - g.hh * 0.58,
                       g.cx + g.hw - 3, g.cy - g.hh * 0.3);
        cairo_line_to(cr, g.cx + g.hw - 1, g.cy - g.hh * 0.6);
        cairo_curve_to(cr, g.cx + 10, g.cy - g.hh * 0.95, g.cx - 4, g.cy - g.hh * 0.9, g.cx - 8,
                       g.cy - g.hh * 0.6);
        Paint(cr, c, g.cx, g.cy - g.hh, g.cx + 10, g.cy - g.hh * 0.4, 0.8);
      }
      break;
    }
  }
  if (p.props & kGreyTemples) {
    // A few grey streaks along the sideburns.
    for (int side : {-1, 1})
      for (int k = 0; k < 3; ++k)
        Line(cr, g.cx + side * (g.hw - 3 + k * 1.2), g.cy - 10 + k, g.cx + side * (g.hw - 2 + k),
             g.eyeY + 4, Rgb{196, 192, 186}, 1.0);
  }
}

namespace {

void Visor(cairo_t* cr, const HeadGeo& g, double y, Rgb c) {
  cairo_move_to(cr, g.cx - g.hw - 2, y);
  cairo_curve_to(cr, g.cx - 10, y + 11, g.cx + 10, y + 11, g.cx + g.hw + 2, y);
  cairo_curve_to(cr, g.cx + 10, y + 4, g.cx - 10, y + 4, g.cx - g.hw - 2, y);
  cairo_close_path(cr);
  Paint(cr, c, g.cx - 10, y, g.cx + 10, y + 10, 1.0);
}

void PeakedCap(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const double band = g.cy - g.hh * 0.52;
  cairo_move_to(cr, g.cx - g.hw - 1, band);
  cairo_curve_to(cr, g.cx - g.hw - 10, band - 16, g.cx - g.hw, band - 26, g.cx, band - 27);
  cairo_curve_to(cr, g.cx + g.hw + 2, band - 26, g.cx + g.hw + 12, band - 16, g.cx + g.hw + 1,
                 band);
  cairo_close_path(cr);
  Paint(cr, p.hatColour, g.cx - 20, band - 26, g.cx + 20, band);
  cairo_rectangle(cr, g.cx - g.hw - 1, band - 7, 2 * g.hw + 2, 8);
  Paint(cr, Darker(p.hatColour, 0.45), g.cx, band - 7, g.cx, band + 1, 0.8);
  // Badge.
  Ellipse(cr, g.cx, band - 9, 4.5, 5);
  ShadeRound(cr, Rgb{215, 180, 70}, g.cx - 1.5, band - 11, 6, 0.7);
  Visor(cr, g, band, Rgb{30, 28, 26});
}

void Scarf(cairo_t* cr, const Person& p, const HeadGeo& g) {
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_move_to(cr, g.cx - 46, 152);
  cairo_curve_to(cr, g.cx - 40, 120, g.cx - g.hw - 12, g.cy + 20, g.cx - g.hw - 9, g.cy - 4);
  SkullArc(cr, g, 9, M_PI, 2 * M_PI);
  cairo_curve_to(cr, g.cx + g.hw + 12, g.cy + 20, g.cx + 40, 120, g.cx + 46, 152);
  cairo_close_path(cr);
  // The face shows through an oval opening; the cloth wraps under the chin.
  Ellipse(cr, g.cx, g.cy + 2, g.hw - 1.5, g.hh - 1);
  Paint(cr, p.hatColour, g.cx - 30, g.cy - 30, g.cx + 40, 150, 1.4);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  SetColor(cr, Darker(p.hatColour, 0.6), 0.8);
  cairo_set_line_width(cr, 1.0);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, g.cx + side * (g.hw + 2), g.cy + 16);
    cairo_curve_to(cr, g.cx + side * (g.hw + 8), g.cy + 40, g.cx + side * 30, 115, g.cx + side * 34,
                   150);
  }
  cairo_move_to(cr, g.cx - 16, g.chinY + 3);
  cairo_curve_to(cr, g.cx - 6, g.chinY + 12, g.cx + 8, g.chinY + 12, g.cx + 18, g.chinY + 3);
  cairo_stroke(cr);
}

void StrawHat(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const double y = g.cy - g.hh * 0.55;
  Ellipse(cr, g.cx, y, g.hw * 2.1, 10);
  Paint(cr, p.hatColour, g.cx - 40, y - 10, g.cx + 40, y + 10);
  cairo_move_to(cr, g.cx - g.hw - 2, y);
  cairo_curve_to(cr, g.cx - g.hw, y - 30, g.cx + g.hw, y - 30, g.cx + g.hw + 2, y);
  cairo_close_path(cr);
  Paint(cr, p.hatColour, g.cx - 20, y - 28, g.cx + 20, y);
  cairo_rectangle(cr, g.cx - g.hw - 1.5, y - 7, 2 * g.hw + 3, 6);
  SetColor(cr, Rgb{120, 50, 40});
  cairo_fill(cr);
  // Weave.
  SetColor(cr, Darker(p.hatColour, 0.3), 0.6);
  cairo_set_line_width(cr, 0.7);
  for (int i = -6; i <= 6; ++i) {
    cairo_move_to(cr, g.cx + i * 7, y + 9 - std::abs(i) * 0.4);
    cairo_line_to(cr, g.cx + i * 5, y + 1);
  }
  cairo_stroke(cr);
}

void Fez(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const double y = g.cy - g.hh * 0.5;
  cairo_move_to(cr, g.cx - g.hw + 1, y);
  cairo_line_to(cr, g.cx - g.hw + 6, y - 30);
  cairo_curve_to(cr, g.cx - 6, y - 33, g.cx + 6, y - 33, g.cx + g.hw - 6, y - 30);
  cairo_line_to(cr, g.cx + g.hw - 1, y);
  cairo_curve_to(cr, g.cx + 8, y + 4, g.cx - 8, y + 4, g.cx - g.hw + 1, y);
  cairo_close_path(cr);
  Paint(cr, p.hatColour, g.cx - 18, y - 30, g.cx + 22, y);
  Line(cr, g.cx + 2, y - 31, g.cx + g.hw - 2, y - 24, Rgb{25, 20, 20}, 1.5);
  cairo_move_to(cr, g.cx + g.hw - 4, y - 24);
  cairo_line_to(cr, g.cx + g.hw - 1, y - 4);
  cairo_line_to(cr, g.cx + g.hw - 7, y - 4);
  cairo_close_path(cr);
  SetColor(cr, Rgb{25, 20, 20});
  cairo_fill(cr);
}

void FlatCap(cairo_t* cr, const Person& p, const HeadGeo& g, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, g.cx, g.cy - g.hh * 0.5);
  cairo_rotate(cr, tilt);
  cairo_translate(cr, -g.cx, -(g.cy - g.hh * 0.5));
  const double y = g.cy - g.hh * 0.5;
  cairo_move_to(cr, g.cx - g.hw - 2, y);
  cairo_curve_to(cr, g.cx - g.hw - 4, y - 24, g.cx + g.hw, y - 28, g.cx + g.hw + 4, y - 6);
  cairo_line_to(cr, g.cx + g.hw + 2, y);
  cairo_close_path(cr);
  Paint(cr, p.hatColour, g.cx - 20, y - 24, g.cx + 20, y);
  SetColor(cr, Darker(p.hatColour, 0.3), 0.7);
  cairo_set_line_width(cr, 0.8);
  cairo_move_to(cr, g.cx - 10, y - 21);
  cairo_curve_to(cr, g.cx, y - 14, g.cx + 4, y - 6, g.cx + 2, y);
  cairo_stroke(cr);
  Visor(cr, g, y, Darker(p.hatColour, 0.15));
  cairo_restore(cr);
}

void Skullcap(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const double y = g.cy - g.hh * 0.6;
  cairo_move_to(cr, g.cx - g.hw + 1, y);
  cairo_curve_to(cr, g.cx - g.hw + 2, y - 18, g.cx + g.hw - 2, y - 18, g.cx + g.hw - 1, y);
  cairo_curve_to(cr, g.cx + 8, y + 3, g.cx - 8, y + 3, g.cx - g.hw + 1, y);
  cairo_close_path(cr);
  Paint(cr, p.hatColour, g.cx - 14, y - 15, g.cx + 16, y);
  // Embroidered band of small diamonds.
  for (int i = -4; i <= 4; ++i) {
    const double x = g.cx + i * 5;
    const double yy = y - 3 + std::abs(i) * 0.2;
    cairo_move_to(cr, x, yy - 3);
    cairo_line_to(cr, x + 2.2, yy);
    cairo_line_to(cr, x, yy + 3 - 0.5);
    cairo_line_to(cr, x - 2.2, yy);
    cairo_close_path(cr);
    SetColor(cr, i % 2 ? Rgb{170, 40, 40} : Rgb{40, 90, 60});
    cairo_fill(cr);
  }
}

void Helmet(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const double y = g.cy - g.hh * 0.35;
  for (int side : {-1, 1})
    Line(cr, g.cx + side * (g.hw - 2), y, g.cx + side * 12, g.chinY - 2, Rgb{60, 55, 40}, 1.6);
  cairo_move_to(cr, g.cx - g.hw - 7, y + 2);
  cairo_curve_to(cr, g.cx - g.hw - 6, y - 44, g.cx + g.hw + 6, y - 44, g.cx + g.hw + 7, y + 2);
  cairo_curve_to(cr, g.cx + 10, y - 3, g.cx - 10, y - 3, g.cx - g.hw - 7, y + 2);
  cairo_close_path(cr);
  Paint(cr, p.hatColour, g.cx - 20, y - 40, g.cx + 25, y);
  Line(cr, g.cx - g.hw - 4, y - 4, g.cx + g.hw + 4, y - 4, Darker(p.hatColour, 0.5), 1.0);
}

}  // namespace

void DrawHat(cairo_t* cr, const Person& p) {
  const HeadGeo g = GeoOf(p);
  switch (p.hat) {
    case Hat::kNone:
      break;
    case Hat::kSkullcap:
      Skullcap(cr, p, g);
      break;
    case Hat::kScarf:
    case Hat::kHeadscarf:
      Scarf(cr, p, g);
      break;
    case Hat::kFez:
      Fez(cr, p, g);
      break;
    case Hat::kPeakedCap:
      PeakedCap(cr, p, g);
      break;
    case Hat::kHelmet:
      Helmet(cr, p, g);
      break;
    case Hat::kFlatCap:
      FlatCap(cr, p, g, 0);
      break;
    case Hat::kCapAskew:
      FlatCap(cr, p, g, 0.22);
      break;
    case Hat::kStrawHat:
      StrawHat(cr, p, g);
      break;
  }
}

namespace {

void Lens(cairo_t* cr, double x, double y, double rx, double ry) { Ellipse(cr, x, y, rx, ry); }

void Sunglasses(cairo_t* cr, const HeadGeo& g, double y) {
  // The arms end at the side of the head at this height.
  const double rel = (y - g.cy) / (g.hh + 2);
  const double side = (g.hw + 2) * std::sqrt(std::max(0.0, 1 - rel * rel));
  for (int side : {-1, 1}) {
    const double x = g.cx + side * g.hw * 0.42;
    cairo_move_to(cr, x - 7, y - 3.5);
    cairo_line_to(cr, x + 7, y - 3.5);
    cairo_curve_to(cr, x + 8, y + 5, x + 3, y + 6, x, y + 6);
    cairo_curve_to(cr, x - 4, y + 6, x - 8, y + 4, x - 7, y - 3.5);
    cairo_close_path(cr);
    Paint(cr, Rgb{40, 55, 50}, x - 5, y - 4, x + 5, y + 6, 1.4);
    Line(cr, x - 4, y - 1, x - 1, y - 2.5, Rgb{200, 210, 205}, 1.0);
  }
  Line(cr, g.cx - 4, y - 2.5, g.cx + 4, y - 2.5, Rgb{40, 40, 40}, 1.5);
  for (int s : {-1, 1})
    Line(cr, g.cx + s * (g.hw * 0.42 + 7), y - 3, g.cx + s * side, y - 2, Rgb{40, 40, 40}, 1.5);
}

}  // namespace

void DrawGlasses(cairo_t* cr, const Person& p) {
  const HeadGeo g = GeoOf(p);
  const double y = g.eyeY;
  const double ex = g.hw * 0.42;
  switch (p.glasses) {
    case Glasses::kNone:
      return;
    case Glasses::kSunglasses:
      Sunglasses(cr, g, y);
      return;
    case Glasses::kSunglassesUp: {
      HeadGeo up = g;
      Sunglasses(cr, up, g.cy - g.hh * 0.62);
      return;
    }
    case Glasses::kRound:
    case Glasses::kThick:
    case Glasses::kHalfMoon: {
      const bool thick = p.glasses == Glasses::kThick;
      const Rgb frame = thick ? Rgb{30, 28, 28} : Rgb{150, 120, 60};
      const double r = thick ? 8.0 : 7.0;
      for (int side : {-1, 1}) {
        const double x = g.cx + side * ex;
        Lens(cr, x, y, r, p.glasses == Glasses::kHalfMoon ? r * 0.9 : r);
        SetColor(cr, Rgb{235, 240, 245}, thick ? 0.35 : 0.15);
        cairo_fill_preserve(cr);
        SetColor(cr, frame);
        cairo_set_line_width(cr, thick ? 2.6 : 1.2);
        cairo_stroke(cr);
        Line(cr, x - 4, y - 4, x - 1, y - 5.5, Rgb{255, 255, 255}, 1.0);
        Line(cr, x + side * r, y - 1, g.cx + side * (g.hw - 1), y - 2, frame, thick ? 2.0 : 1.0);
      }
      Line(cr, g.cx - ex + r, y - 1, g.cx + ex - r, y - 1, frame, thick ? 2.0 : 1.0);
      if (p.glasses == Glasses::kHalfMoon) {
        // A jeweller's loupe clipped over the right lens.
        cairo_rectangle(cr, g.cx + ex - 5, y - 6, 10, 11);
        Paint(cr, Rgb{60, 60, 65}, g.cx + ex - 5, y - 6, g.cx + ex + 5, y + 5, 1.0);
        Ellipse(cr, g.cx + ex, y, 3.8, 3.8);
        SetColor(cr, Rgb{190, 215, 225});
        cairo_fill(cr);
        FillCircle(cr, g.cx + ex - 1, y - 1, 1.1, Rgb{255, 255, 255});
      }
      return;
    }
    case Glasses::kCatEye: {
      for (int side : {-1, 1}) {
        const double x = g.cx + side * ex;
        cairo_move_to(cr, x - side * 7, y - 2);
        cairo_curve_to(cr, x - side * 3, y - 5, x + side * 5, y - 6, x + side * 10, y - 8);
        cairo_curve_to(cr, x + side * 8, y + 1, x + side * 5, y + 5, x, y + 5);
        cairo_curve_to(cr, x - side * 5, y + 5, x - side * 8, y + 2, x - side * 7, y - 2);
        cairo_close_path(cr);
        SetColor(cr, Rgb{235, 240, 245}, 0.2);
        cairo_fill_preserve(cr);
        SetColor(cr, Rgb{140, 30, 60});
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
      }
      Line(cr, g.cx - ex + 7, y - 1, g.cx + ex - 7, y - 1, Rgb{140, 30, 60}, 1.6);
      return;
    }
  }
}

}  // namespace forge::fig
