// Heads: skull and face, eyes, nose, mouth, lines of age and facial hair.
#include <cmath>

#include "figures/figures.h"

namespace forge::fig {

HeadGeo GeoOf(const Person& p) {
  HeadGeo g{};
  const bool child = p.age < 0.15;
  g.cx = kHeadX;
  g.cy = child ? 68 : kHeadY;
  g.hw = (child ? 25 : 26) * p.width;
  g.hh = child ? 30 : 34;
  g.eyeY = g.cy - g.hh * (child ? -0.02 : 0.06);
  g.mouthY = g.cy + g.hh * 0.55;
  g.chinY = g.cy + g.hh;
  return g;
}

namespace {

// Skull over the top, cheeks down to a chin; `jaw` widens the lower face.
void HeadPath(cairo_t* cr, const HeadGeo& g, double jaw) {
  cairo_new_path(cr);
  EllipseArc(cr, g.cx, g.cy, g.hw, g.hh, M_PI, 2 * M_PI);
  cairo_curve_to(cr, g.cx + g.hw, g.cy + g.hh * 0.45, g.cx + g.hw * jaw, g.cy + g.hh * 0.9, g.cx,
                 g.chinY);
  cairo_curve_to(cr, g.cx - g.hw * jaw, g.cy + g.hh * 0.9, g.cx - g.hw, g.cy + g.hh * 0.45,
                 g.cx - g.hw, g.cy);
  cairo_close_path(cr);
}

double JawOf(const Person& p) {
  if (p.female || p.age < 0.25) return 0.5;
  return 0.55 + 0.25 * (p.width - 0.9);
}

void Ears(cairo_t* cr, const Person& p, const HeadGeo& g) {
  for (int side : {-1, 1}) {
    const double x = g.cx + side * (g.hw - 1);
    Ellipse(cr, x, g.eyeY + 6, 5.5, 9);
    ShadeRound(cr, p.skin, x - 1, g.eyeY + 3, 10, 1.0);
    SetColor(cr, Darker(p.skin, 0.35));
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, x + side * 1.5, g.eyeY + 1);
    cairo_curve_to(cr, x + side * 3, g.eyeY + 6, x + side * 2, g.eyeY + 11, x, g.eyeY + 13);
    cairo_stroke(cr);
    if (p.props & kEarrings) FillCircle(cr, x, g.eyeY + 16, 2.2, Rgb{230, 200, 90});
  }
}

void Eye(cairo_t* cr, const Person& p, double x, double y, int side) {
  const Rgb lid = Darker(p.skin, 0.55);
  const double rx = p.age < 0.15 ? 5.6 : 5.0;
  double ry = p.eyes == Eyes::kWide ? 3.4 : 2.8;
  if (p.eyes == Eyes::kNarrow) ry = 1.9;
  // Eye socket shadow.
  Ellipse(cr, x, y - 1, rx + 2.5, ry + 2.5);
  SetColor(cr, Darker(p.skin, 0.2), 0.35);
  cairo_fill(cr);
  Ellipse(cr, x, y, rx, ry);
  SetColor(cr, Rgb{240, 236, 226});
  cairo_fill(cr);
  cairo_save(cr);
  Ellipse(cr, x, y, rx, ry);
  cairo_clip(cr);
  FillCircle(cr, x + side * 0.4, y, 2.5, p.iris);
  FillCircle(cr, x + side * 0.4, y, 1.2, Rgb{15, 10, 10});
  FillCircle(cr, x - 0.8, y - 0.9, 0.7, Rgb{255, 255, 250});
  if (p.eyes == Eyes::kHalfClosed || p.eyes == Eyes::kSleepy) {
    const double drop = p.eyes == Eyes::kHalfClosed ? 0.1 : -0.6;
    cairo_rectangle(cr, x - rx - 1, y - ry - 1, 2 * rx + 2, ry + 1 + drop * ry);
    SetColor(cr, Darker(p.skin, 0.12));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // Upper lid line, heavier at the outer corner; lashes for the women.
  const double lidY =
      (p.eyes == Eyes::kHalfClosed) ? y + 0.2 : (p.eyes == Eyes::kSleepy ? y - ry * 0.5 : y - ry);
  SetColor(cr, lid);
  cairo_set_line_width(cr, p.female ? 1.8 : 1.3);
  cairo_move_to(cr, x - rx - 0.5, y + 0.3);
  cairo_curve_to(cr, x - rx * 0.5, lidY - 0.6, x + rx * 0.5, lidY - 0.6, x + rx + 0.5, y + 0.3);
  cairo_stroke(cr);
  if (p.female) {
    Line(cr, x + side * rx, y - 0.2, x + side * (rx + 2.2), y - 1.8, lid, 1.2);
  }
  if (p.age > 0.45 || p.eyes == Eyes::kSleepy) {  // bags under the eyes
    SetColor(cr, Darker(p.skin, 0.3), 0.7);
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, x - rx * 0.8, y + ry + 1.6);
    cairo_curve_to(cr, x - 2, y + ry + 3.2, x + 2, y + ry + 3.2, x + rx * 0.8, y + ry + 1.6);
    cairo_stroke(cr);
  }
}

void Brow(cairo_t* cr, const Person& p, double x, double y, int side) {
  double inner = 0;
  double outer = 0;
  switch (p.brows) {
    case Brows::kWorried:
      inner = -3.2;
      outer = 1.0;
      break;
    case Brows::kStern:
      inner = 2.4;
      outer = -1.0;
      break;
    case Brows::kRaised:
      inner = -2.5;
      outer = -2.5;
      break;
    case Brows::kCalm:
      break;
  }
  Rgb c = p.age > 0.8 ? Rgb{220, 218, 210} : Darker(p.hair, 0.1);
  if (p.hairStyle == Hair::kBald && p.age > 0.5) c = Rgb{120, 110, 100};
  SetColor(cr, c);
  cairo_set_line_width(cr, p.female ? 1.6 : 2.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x - side * 6, y + inner);
  cairo_curve_to(cr, x - side * 2, y - 2 + inner * 0.5, x + side * 3, y - 2.2, x + side * 7,
                 y + 1 + outer);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Nose(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const double top = g.eyeY + 2;
  const double tip = g.eyeY + (p.age < 0.15 ? 11 : 15);
  const double kink = (p.props & kBrokenNose) ? 3.0 : 0.0;
  // Shadow along the unlit side of the bridge.
  cairo_move_to(cr, g.cx + 2, top);
  cairo_curve_to(cr, g.cx + 4 + kink, top + 6, g.cx + 6, tip - 3, g.cx + 6, tip);
  cairo_line_to(cr, g.cx + 1, tip + 1);
  cairo_close_path(cr);
  SetColor(cr, Darker(p.skin, 0.25), 0.55);
  cairo_fill(cr);
  SetColor(cr, Darker(p.skin, 0.5));
  cairo_set_line_width(cr, 1.1);
  cairo_move_to(cr, g.cx + 1.5, top);
  cairo_curve_to(cr, g.cx + 3 + kink, top + 6, g.cx + 4 - kink, tip - 4, g.cx + 5, tip - 1);
  cairo_stroke(cr);
  // Nostrils and the round of the tip.
  cairo_move_to(cr, g.cx - 5, tip);
  cairo_curve_to(cr, g.cx - 3, tip + 2.5, g.cx + 3, tip + 2.5, g.cx + 5.5, tip);
  cairo_stroke(cr);
  FillCircle(cr, g.cx - 2.5, tip + 0.6, 1.0, Darker(p.skin, 0.6));
  FillCircle(cr, g.cx + 2.8, tip + 0.6, 1.0, Darker(p.skin, 0.6));
  FillCircle(cr, g.cx, tip - 2, 1.6, Lighter(p.skin, 0.25));
}

void DrawMouth(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const double y = g.mouthY;
  const double w = p.female ? 7 : 8.5;
  const Rgb lip = p.female ? Rgb{170, 60, 70} : Darker(p.skin, 0.5);
  SetColor(cr, lip);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  switch (p.mouth) {
    case Mouth::kNeutral:
      cairo_move_to(cr, g.cx - w, y);
      cairo_curve_to(cr, g.cx - 3, y + 1, g.cx + 3, y + 1, g.cx + w, y);
      cairo_stroke(cr);
      break;
    case Mouth::kSmile:
      cairo_move_to(cr, g.cx - w - 1, y - 2.5);
      cairo_curve_to(cr, g.cx - 4, y + 3, g.cx + 4, y + 3, g.cx + w + 1, y - 2.5);
      cairo_stroke(cr);
      break;
    case Mouth::kThinSmile:
      cairo_move_to(cr, g.cx - w + 1, y + 0.5);
      cairo_curve_to(cr, g.cx - 2, y + 1.2, g.cx + 4, y + 0.8, g.cx + w + 1, y - 3.5);
      cairo_stroke(cr);
      break;
    case Mouth::kFrown:
      cairo_move_to(cr, g.cx - w, y + 2);
      cairo_curve_to(cr, g.cx - 3, y - 1.5, g.cx + 3, y - 1.5, g.cx + w, y + 2);
      cairo_stroke(cr);
      break;
    case Mouth::kOpen:
      Ellipse(cr, g.cx, y + 1, w * 0.6, 3.2);
      SetColor(cr, Rgb{90, 30, 30});
      cairo_fill(cr);
      break;
    case Mouth::kGapTooth:
    case Mouth::kGrin: {
      cairo_move_to(cr, g.cx - w - 1, y - 2);
      cairo_curve_to(cr, g.cx - 4, y + 6, g.cx + 4, y + 6, g.cx + w + 1, y - 2);
      cairo_close_path(cr);
      SetColor(cr, Rgb{100, 35, 35});
      cairo_fill_preserve(cr);
      cairo_save(cr);
      cairo_clip(cr);
      FillRect(cr, g.cx - w, y - 3, 2 * w, 3.6, Rgb{246, 242, 230});
      if (p.mouth == Mouth::kGapTooth) FillRect(cr, g.cx - 1.2, y - 3, 2.6, 3.6, Rgb{100, 35, 35});
      cairo_restore(cr);
      SetColor(cr, lip);
      cairo_move_to(cr, g.cx - w - 1, y - 2);
      cairo_curve_to(cr, g.cx - 4, y + 6, g.cx + 4, y + 6, g.cx + w + 1, y - 2);
      cairo_stroke(cr);
      break;
    }
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  if (p.female || p.age < 0.3) {  // a fuller lower lip
    Ellipse(cr, g.cx, y + 3.4, 4.5, 1.5);
    SetColor(cr, p.female ? Rgb{190, 80, 90} : Darker(p.skin, 0.15), 0.7);
    cairo_fill(cr);
  } else {
    Line(cr, g.cx - 3, y + 4, g.cx + 3, y + 4, Darker(p.skin, 0.25), 1.0);
  }
}

void AgeLines(cairo_t* cr, const Person& p, const HeadGeo& g) {
  if (p.age < 0.4) return;
  SetColor(cr, Darker(p.skin, 0.4), std::min(1.0, (p.age - 0.3) * 1.4));
  cairo_set_line_width(cr, 0.9);
  // Forehead, unless a hat hides it.
  if (p.hat == Hat::kNone || p.hat == Hat::kSkullcap) {
    for (int i = 0; i < (p.age > 0.65 ? 3 : 2); ++i) {
      const double y = g.cy - g.hh * 0.42 + i * 4;
      cairo_move_to(cr, g.cx - 11 + i, y);
      cairo_curve_to(cr, g.cx - 4, y - 1.5, g.cx + 4, y - 1.5, g.cx + 11 - i, y);
    }
  }
  // From the nose to the mouth corners.
  for (int side : {-1, 1}) {
    cairo_move_to(cr, g.cx + side * 7, g.eyeY + 12);
    cairo_curve_to(cr, g.cx + side * 12, g.eyeY + 18, g.cx + side * 12, g.mouthY, g.cx + side * 11,
                   g.mouthY + 3);
    // Crow's feet.
    const double ex = g.cx + side * (g.hw * 0.42 + 7);
    cairo_move_to(cr, ex, g.eyeY - 1);
    cairo_line_to(cr, ex + side * 3, g.eyeY - 2.5);
    cairo_move_to(cr, ex, g.eyeY + 1.5);
    cairo_line_to(cr, ex + side * 3, g.eyeY + 3);
  }
  cairo_stroke(cr);
}

void Stubble(cairo_t* cr, const Person& p, const HeadGeo& g, std::uint32_t seed) {
  Noise n(seed * 31 + 7);
  cairo_save(cr);
  HeadPath(cr, g, JawOf(p));
  cairo_clip(cr);
  const Rgb dot = p.age > 0.75 ? Rgb{210, 206, 198} : Darker(p.hair, 0.1);
  for (int i = 0; i < 420; ++i) {
    const double x = g.cx + (n.Unit() * 2 - 1) * g.hw;
    const double y = g.eyeY + 16 + n.Unit() * (g.chinY - g.eyeY - 14);
    if (std::abs(x - g.cx) < 8 && y < g.mouthY - 4) continue;
    FillCircle(cr, x, y, 0.55, Mix(dot, p.skin, 0.35));
  }
  cairo_restore(cr);
}

void Moustache(cairo_t* cr, const Person& p, const HeadGeo& g, bool big) {
  const Rgb c =
      (p.facialColour.r | p.facialColour.g | p.facialColour.b) ? p.facialColour : Rgb{35, 25, 20};
  const double y = g.mouthY - 4.5;
  const double w = big ? 15 : 10;
  cairo_move_to(cr, g.cx, y - 3);
  cairo_curve_to(cr, g.cx - 6, y - 5, g.cx - w, y - 2, g.cx - w - (big ? 2 : 0), y + (big ? 6 : 3));
  cairo_curve_to(cr, g.cx - w + 4, y + 2, g.cx - 4, y + 2.5, g.cx, y + 1);
  cairo_curve_to(cr, g.cx + 4, y + 2.5, g.cx + w - 4, y + 2, g.cx + w + (big ? 2 : 0),
                 y + (big ? 6 : 3));
  cairo_curve_to(cr, g.cx + w, y - 2, g.cx + 6, y - 5, g.cx, y - 3);
  cairo_close_path(cr);
  Paint(cr, c, g.cx - 6, y - 5, g.cx + 6, y + 4, 0.8);
}

void Beard(cairo_t* cr, const Person& p, const HeadGeo& g) {
  const Rgb c = (p.facialColour.r | p.facialColour.g | p.facialColour.b) ? p.facialColour : p.hair;
  cairo_save(cr);
  HeadPath(cr, g, JawOf(p) + 0.05);
  cairo_clip(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, g.cx - g.hw - 2, g.eyeY + 8);
  cairo_line_to(cr, g.cx - g.hw + 7, g.eyeY + 10);
  cairo_curve_to(cr, g.cx - 12, g.mouthY - 6, g.cx - 12, g.mouthY + 6, g.cx, g.mouthY + 6);
  cairo_curve_to(cr, g.cx + 12, g.mouthY + 6, g.cx + 12, g.mouthY - 6, g.cx + g.hw - 7,
                 g.eyeY + 10);
  cairo_line_to(cr, g.cx + g.hw + 2, g.eyeY + 8);
  cairo_line_to(cr, g.cx + g.hw + 2, g.chinY + 8);
  cairo_line_to(cr, g.cx - g.hw - 2, g.chinY + 8);
  cairo_close_path(cr);
  Shade(cr, c, g.cx - 10, g.eyeY, g.cx + 14, g.chinY + 6);
  cairo_restore(cr);
  // The beard rounds the chin a little beyond the jaw.
  Ellipse(cr, g.cx, g.chinY - 1, 11, 5);
  Shade(cr, c, g.cx - 6, g.chinY - 6, g.cx + 8, g.chinY + 4);
}

}  // namespace

void DrawHead(cairo_t* cr, const Person& p, std::uint32_t seed) {
  const HeadGeo g = GeoOf(p);
  Ears(cr, p, g);
  HeadPath(cr, g, JawOf(p));
  ShadeRound(cr, p.skin, g.cx - g.hw * 0.35, g.cy - g.hh * 0.25, g.hh * 1.45, 1.4);
  // Cheek warmth.
  for (int side : {-1, 1}) {
    Ellipse(cr, g.cx + side * g.hw * 0.55, g.mouthY - 6, 6, 4);
    SetColor(cr, Rgb{215, 110, 95}, p.female || p.age < 0.3 ? 0.28 : 0.14);
    cairo_fill(cr);
  }
  AgeLines(cr, p, g);
  if (p.facial == Facial::kStubble) Stubble(cr, p, g, seed);
  if (p.facial == Facial::kBeard) Beard(cr, p, g);
  DrawMouth(cr, p, g);
  Nose(cr, p, g);
  for (int side : {-1, 1}) {
    const double ex = g.cx + side * g.hw * 0.42;
    Eye(cr, p, ex, g.eyeY, side);
    Brow(cr, p, ex, g.eyeY - 8, side);
  }
  if (p.facial == Facial::kMoustache || p.facial == Facial::kStickOn) Moustache(cr, p, g, false);
  if (p.facial == Facial::kBigMoustache || p.facial == Facial::kBeard) Moustache(cr, p, g, true);
}

}  // namespace forge::fig
