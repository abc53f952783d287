// Shoulders and clothing of the figures, and the assembled person.
#include <cmath>

#include "figures/figures_parts.h"

namespace forge::fig {

namespace {

struct Torso {
  double cx, top, sw, nw;
};

Torso TorsoOf(const Person& p) {
  const HeadGeo g = GeoOf(p);
  const bool child = p.age < 0.15;
  return {g.cx, g.chinY + (child ? 10 : 13), (child ? 46 : 60) * p.build,
          (child ? 9 : 11) * p.width};
}

void TorsoPath(cairo_t* cr, const Torso& t) {
  cairo_move_to(cr, t.cx - t.nw - 6, t.top - 3);
  cairo_curve_to(cr, t.cx - t.sw * 0.7, t.top - 1, t.cx - t.sw, t.top + 6, t.cx - t.sw - 2,
                 t.top + 30);
  cairo_line_to(cr, t.cx - t.sw - 4, 420);
  cairo_line_to(cr, t.cx + t.sw + 4, 420);
  cairo_line_to(cr, t.cx + t.sw + 2, t.top + 30);
  cairo_curve_to(cr, t.cx + t.sw, t.top + 6, t.cx + t.sw * 0.7, t.top - 1, t.cx + t.nw + 6,
                 t.top - 3);
  cairo_close_path(cr);
}

void PaintTorso(cairo_t* cr, const Torso& t, Rgb c) {
  TorsoPath(cr, t);
  Paint(cr, c, t.cx - t.sw, t.top - 10, t.cx + t.sw * 0.9, t.top + 60, 1.5);
}

// The open front of a jacket or coat, showing the shirt below the neck.
void Opening(cairo_t* cr, const Torso& t, double depth, double half, Rgb shirt) {
  cairo_move_to(cr, t.cx - half, t.top - 4);
  cairo_line_to(cr, t.cx + half, t.top - 4);
  cairo_line_to(cr, t.cx, t.top + depth);
  cairo_close_path(cr);
  Paint(cr, shirt, t.cx - half, t.top, t.cx + half, t.top + depth, 0.8);
}

void ShirtCollar(cairo_t* cr, const Torso& t, Rgb shirt, bool open) {
  for (int side : {-1, 1}) {
    cairo_move_to(cr, t.cx + side * (t.nw + 1), t.top - 8);
    cairo_line_to(cr, t.cx + side * (t.nw + 7), t.top + 1);
    cairo_line_to(cr, t.cx + side * (open ? 6 : 1), t.top + (open ? 12 : 7));
    cairo_close_path(cr);
    Paint(cr, shirt, t.cx, t.top - 8, t.cx + side * 8, t.top + 8, 0.9);
  }
}

void Tie(cairo_t* cr, const Torso& t, Rgb c, double length) {
  cairo_move_to(cr, t.cx - 3.5, t.top + 1);
  cairo_line_to(cr, t.cx + 3.5, t.top + 1);
  cairo_line_to(cr, t.cx + 2.5, t.top + 6);
  cairo_line_to(cr, t.cx + 6, t.top + length);
  cairo_line_to(cr, t.cx, t.top + length + 6);
  cairo_line_to(cr, t.cx - 6, t.top + length);
  cairo_line_to(cr, t.cx - 2.5, t.top + 6);
  cairo_close_path(cr);
  Paint(cr, c, t.cx - 5, t.top, t.cx + 5, t.top + length, 0.9);
}

void BowTie(cairo_t* cr, const Torso& t, Rgb c) {
  const double y = t.top + 4;
  cairo_move_to(cr, t.cx, y);
  cairo_line_to(cr, t.cx - 9, y - 5);
  cairo_line_to(cr, t.cx - 9, y + 5);
  cairo_close_path(cr);
  cairo_move_to(cr, t.cx, y);
  cairo_line_to(cr, t.cx + 9, y - 5);
  cairo_line_to(cr, t.cx + 9, y + 5);
  cairo_close_path(cr);
  Paint(cr, c, t.cx - 9, y - 5, t.cx + 9, y + 5, 0.9);
  FillCircle(cr, t.cx, y, 2.4, Darker(c, 0.2));
}

void Lapels(cairo_t* cr, const Torso& t, Rgb c, double depth, double half) {
  for (int side : {-1, 1}) {
    cairo_move_to(cr, t.cx + side * half, t.top - 4);
    cairo_line_to(cr, t.cx + side * (half + 13), t.top + 14);
    cairo_line_to(cr, t.cx + side * (half + 7), t.top + 18);
    cairo_line_to(cr, t.cx, t.top + depth);
    cairo_close_path(cr);
    Paint(cr, side < 0 ? Lighter(c, 0.1) : Darker(c, 0.1), t.cx, t.top, t.cx + side * 16,
          t.top + depth, 1.0);
  }
}

void Buttons(cairo_t* cr, double x, double y, int n, double gap, Rgb c) {
  for (int i = 0; i < n; ++i) {
    FillCircle(cr, x, y + i * gap, 2.2, Darker(c, 0.3));
    FillCircle(cr, x - 0.5, y + i * gap - 0.5, 1.4, Lighter(c, 0.3));
  }
}

void Epaulettes(cairo_t* cr, const Torso& t, Rgb c) {
  for (int side : {-1, 1}) {
    cairo_move_to(cr, t.cx + side * (t.nw + 10), t.top - 2);
    cairo_line_to(cr, t.cx + side * (t.sw - 4), t.top + 6);
    cairo_line_to(cr, t.cx + side * (t.sw - 6), t.top + 13);
    cairo_line_to(cr, t.cx + side * (t.nw + 10), t.top + 6);
    cairo_close_path(cr);
    Paint(cr, c, t.cx, t.top, t.cx + side * t.sw, t.top + 12, 0.8);
  }
}

void Pocket(cairo_t* cr, double x, double y, Rgb c) {
  cairo_rectangle(cr, x - 9, y, 18, 16);
  Paint(cr, c, x - 9, y, x + 9, y + 16, 0.9);
  cairo_rectangle(cr, x - 10, y - 2, 20, 6);
  Paint(cr, Darker(c, 0.1), x - 10, y - 2, x + 10, y + 4, 0.9);
}

void Uniform(cairo_t* cr, const Person& p, const Torso& t, bool braided) {
  PaintTorso(cr, t, p.cloth);
  Opening(cr, t, 30, 12, p.cloth2);
  ShirtCollar(cr, t, p.cloth2, false);
  Tie(cr, t, Darker(p.cloth, 0.35), 22);
  Lapels(cr, t, p.cloth, 30, 12);
  Epaulettes(cr, t, braided ? Rgb{205, 170, 60} : Darker(p.cloth, 0.15));
  for (int side : {-1, 1}) {  // collar tabs
    cairo_rectangle(cr, t.cx + side * 20 - 3, t.top + 9, 6, 4);
    SetColor(cr, braided ? Rgb{200, 40, 40} : Rgb{170, 30, 30});
    cairo_fill(cr);
  }
  Buttons(cr, t.cx, t.top + 34, 2, 12, Rgb{215, 180, 70});
  if (braided) {
    SetColor(cr, Rgb{225, 190, 70});
    cairo_set_line_width(cr, 2.2);
    for (int k = 0; k < 2; ++k) {
      cairo_move_to(cr, t.cx - t.sw + 8, t.top + 8 + k * 3);
      cairo_curve_to(cr, t.cx - 40, t.top + 30 + k * 6, t.cx - 26, t.top + 32 + k * 6, t.cx - 16,
                     t.top + 18);
    }
    cairo_stroke(cr);
  }
}

void Jacket(cairo_t* cr, const Person& p, const Torso& t, Rgb shirt, bool tie) {
  PaintTorso(cr, t, p.cloth);
  Opening(cr, t, 40, 13, shirt);
  ShirtCollar(cr, t, shirt, !tie);
  if (tie) Tie(cr, t, p.cloth2, 30);
  Lapels(cr, t, p.cloth, 40, 13);
}

void Knit(cairo_t* cr, const Torso& t, Rgb c) {
  SetColor(cr, Darker(c, 0.25), 0.5);
  cairo_set_line_width(cr, 0.8);
  for (double x = t.cx - t.sw; x < t.cx + t.sw; x += 5) {
    for (double y = t.top + 10; y < 160; y += 6) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + 2.5, y + 3);
      cairo_line_to(cr, x + 5, y);
    }
  }
  cairo_stroke(cr);
}

void RoundNeck(cairo_t* cr, const Torso& t, Rgb c, double depth) {
  cairo_move_to(cr, t.cx - t.nw - 3, t.top - 4);
  cairo_curve_to(cr, t.cx - t.nw, t.top + depth, t.cx + t.nw, t.top + depth, t.cx + t.nw + 3,
                 t.top - 4);
  SetColor(cr, Darker(c, 0.4));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void Texture(cairo_t* cr, const Torso& t, Rgb c, std::uint32_t seed, int count) {
  Noise n(seed);
  cairo_save(cr);
  TorsoPath(cr, t);
  cairo_clip(cr);
  for (int i = 0; i < count; ++i) {
    const double x = t.cx - t.sw - 4 + n.Unit() * (2 * t.sw + 8);
    const double y = t.top - 4 + n.Unit() * (160 - t.top);
    Line(cr, x, y, x + 2, y + 1.5, n.Unit() < 0.5 ? Darker(c, 0.25) : Lighter(c, 0.2), 0.9);
  }
  cairo_restore(cr);
}

void Outfits(cairo_t* cr, const Person& p, const Torso& t, std::uint32_t seed) {
  const Rgb white{236, 234, 226};
  switch (p.outfit) {
    case Outfit::kLinenSuit:
      Jacket(cr, p, t, p.cloth2, false);
      Texture(cr, t, p.cloth, seed, 160);
      break;
    case Outfit::kSuit:
      Jacket(cr, p, t, white, true);
      break;
    case Outfit::kTweed:
      Jacket(cr, p, t, white, true);
      Texture(cr, t, p.cloth, seed, 700);
      break;
    case Outfit::kBlazer:
      Jacket(cr, p, t, white, true);
      Pocket(cr, t.cx + 32, t.top + 30, p.cloth);
      FillCircle(cr, t.cx + 32, t.top + 38, 4.5, Rgb{220, 170, 50});
      FillCircle(cr, t.cx + 32, t.top + 38, 2.2, Rgb{30, 30, 30});
      break;
    case Outfit::kCravat:
      Jacket(cr, p, t, white, false);
      // A silk cravat: a small knot and a puffed fold tucked into the shirt.
      cairo_move_to(cr, t.cx - 5, t.top + 3);
      cairo_curve_to(cr, t.cx - 12, t.top + 14, t.cx - 9, t.top + 28, t.cx, t.top + 31);
      cairo_curve_to(cr, t.cx + 9, t.top + 28, t.cx + 12, t.top + 14, t.cx + 5, t.top + 3);
      cairo_close_path(cr);
      Paint(cr, p.cloth2, t.cx - 8, t.top, t.cx + 8, t.top + 30, 0.9);
      Line(cr, t.cx - 2, t.top + 8, t.cx + 3, t.top + 28, Darker(p.cloth2, 0.35), 1.0);
      Ellipse(cr, t.cx, t.top + 2, 5, 3.5);
      Paint(cr, Darker(p.cloth2, 0.1), t.cx - 5, t.top, t.cx + 5, t.top + 5, 0.8);
      for (int i = 0; i < 6; ++i)
        FillCircle(cr, t.cx - 4 + (i % 3) * 4, t.top + 12 + (i / 3) * 8, 1.1,
                   Lighter(p.cloth2, 0.5));
      break;
    case Outfit::kGuardUniform:
      Uniform(cr, p, t, false);
      break;
    case Outfit::kBraidedUniform:
      Uniform(cr, p, t, true);
      break;
    case Outfit::kAirForce:
    case Outfit::kPolice:
    case Outfit::kSoldier:
      PaintTorso(cr, t, p.cloth);
      ShirtCollar(cr, t, p.cloth, p.outfit == Outfit::kSoldier);
      if (p.outfit == Outfit::kSoldier) Opening(cr, t, 12, 6, Rgb{110, 100, 70});
      Line(cr, t.cx, t.top + 8, t.cx, 160, Darker(p.cloth, 0.4), 1.2);
      Buttons(cr, t.cx + 3, t.top + 16, 3, 13, p.cloth);
      Pocket(cr, t.cx - 28, t.top + 22, p.cloth);
      Pocket(cr, t.cx + 28, t.top + 22, p.cloth);
      Epaulettes(cr, t, Darker(p.cloth, 0.2));
      if (p.outfit == Outfit::kPolice) {
        cairo_move_to(cr, t.cx - 28, t.top + 10);
        cairo_line_to(cr, t.cx - 22, t.top + 12);
        cairo_line_to(cr, t.cx - 25, t.top + 20);
        cairo_close_path(cr);
        Paint(cr, Rgb{215, 180, 70}, t.cx - 28, t.top + 10, t.cx - 22, t.top + 20, 0.7);
      }
      if (p.outfit == Outfit::kAirForce) {
        Line(cr, t.cx + 18, t.top + 16, t.cx + 38, t.top + 16, Rgb{225, 200, 110}, 2.5);
        FillCircle(cr, t.cx + 28, t.top + 16, 3, Rgb{225, 200, 110});
      }
      break;
    case Outfit::kWaistcoat:
      PaintTorso(cr, t, p.cloth2);
      RoundNeck(cr, t, p.cloth2, 6);
      for (int side : {-1, 1}) {
        cairo_move_to(cr, t.cx + side * (t.nw + 6), t.top - 2);
        cairo_line_to(cr, t.cx + side * (t.sw - 12), t.top + 6);
        cairo_line_to(cr, t.cx + side * (t.sw - 8), 180);
        cairo_line_to(cr, t.cx + side * 2, 180);
        cairo_line_to(cr, t.cx + side * 2, t.top + 30);
        cairo_close_path(cr);
        Paint(cr, p.cloth, t.cx + side * 40, t.top, t.cx, t.top + 60, 1.0);
        // Gold thread along the edge.
        SetColor(cr, Rgb{220, 180, 80});
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, t.cx + side * (t.nw + 7), t.top);
        cairo_line_to(cr, t.cx + side * 4, t.top + 30);
        cairo_line_to(cr, t.cx + side * 4, 170);
        cairo_stroke(cr);
        for (int k = 0; k < 4; ++k)
          FillCircle(cr, t.cx + side * (14 + k * 2), t.top + 14 + k * 9, 1.6, Rgb{220, 180, 80});
      }
      break;
    case Outfit::kApron:
      PaintTorso(cr, t, p.cloth2);
      ShirtCollar(cr, t, p.cloth2, true);
      cairo_move_to(cr, t.cx - 24, t.top + 22);
      cairo_line_to(cr, t.cx + 24, t.top + 22);
      cairo_line_to(cr, t.cx + 32, 180);
      cairo_line_to(cr, t.cx - 32, 180);
      cairo_close_path(cr);
      Paint(cr, p.cloth, t.cx - 24, t.top + 20, t.cx + 30, 160, 1.2);
      for (int side : {-1, 1})
        Line(cr, t.cx + side * 20, t.top + 23, t.cx + side * (t.nw + 2), t.top - 3,
             Darker(p.cloth, 0.3), 3);
      Pocket(cr, t.cx, t.top + 30, Darker(p.cloth, 0.05));
      break;
    case Outfit::kSmock:
    case Outfit::kWhiteCoat:
      if (p.outfit == Outfit::kWhiteCoat) {
        Jacket(cr, p, t, p.female ? Rgb{180, 200, 220} : white, !p.female);
        Pocket(cr, t.cx + 34, t.top + 26, p.cloth);
        Line(cr, t.cx + 31, t.top + 24, t.cx + 31, t.top + 32, Rgb{40, 70, 160}, 2);
      } else {
        PaintTorso(cr, t, p.cloth);
        RoundNeck(cr, t, p.cloth, 4);
        Buttons(cr, t.cx + 18, t.top + 6, 4, 12, p.cloth);
        Line(cr, t.cx + 14, t.top + 2, t.cx + 14, 160, Darker(p.cloth, 0.3), 1);
      }
      break;
    case Outfit::kTailcoat:
      Jacket(cr, p, t, white, false);
      Opening(cr, t, 22, 9, Rgb{150, 150, 155});
      Opening(cr, t, 12, 7, white);
      BowTie(cr, t, Rgb{25, 25, 30});
      break;
    case Outfit::kDinnerJacket:
      Jacket(cr, p, t, white, false);
      BowTie(cr, t, p.cloth2);
      break;
    case Outfit::kShirtSleeves:
      PaintTorso(cr, t, p.cloth);
      ShirtCollar(cr, t, p.cloth, true);
      Tie(cr, Torso{t.cx + 2, t.top + 6, t.sw, t.nw}, p.cloth2, 28);
      for (int side : {-1, 1})
        Line(cr, t.cx + side * 30, t.top, t.cx + side * 26, 160, Rgb{110, 30, 30}, 3);
      break;
    case Outfit::kSequins: {
      PaintTorso(cr, t, p.skin);
      cairo_move_to(cr, t.cx - t.sw + 8, t.top + 14);
      cairo_curve_to(cr, t.cx - 20, t.top + 6, t.cx - 10, t.top + 22, t.cx, t.top + 16);
      cairo_curve_to(cr, t.cx + 10, t.top + 22, t.cx + 20, t.top + 6, t.cx + t.sw - 8, t.top + 14);
      cairo_line_to(cr, t.cx + t.sw + 4, 200);
      cairo_line_to(cr, t.cx - t.sw - 4, 200);
      cairo_close_path(cr);
      Paint(cr, p.cloth, t.cx - 30, t.top + 20, t.cx + 40, 160, 1.2);
      Noise n(seed + 5);
      for (int i = 0; i < 90; ++i) {
        const double x = t.cx - t.sw + n.Unit() * 2 * t.sw;
        const double y = t.top + 18 + n.Unit() * 30;
        FillCircle(cr, x, y, 1.1, n.Unit() < 0.5 ? Lighter(p.cloth, 0.6) : Rgb{250, 240, 200});
      }
      break;
    }
    case Outfit::kOveralls:
      PaintTorso(cr, t, p.cloth2);
      ShirtCollar(cr, t, p.cloth2, true);
      cairo_rectangle(cr, t.cx - 26, t.top + 26, 52, 60);
      Paint(cr, p.cloth, t.cx - 26, t.top + 26, t.cx + 26, t.top + 80, 1.2);
      for (int side : {-1, 1}) {
        Line(cr, t.cx + side * 22, t.top + 28, t.cx + side * 30, t.top - 2, p.cloth, 6);
        FillCircle(cr, t.cx + side * 21, t.top + 30, 2.5, Rgb{200, 190, 150});
      }
      Pocket(cr, t.cx, t.top + 34, p.cloth);
      break;
    case Outfit::kWornJacket:
      PaintTorso(cr, t, p.cloth);
      Opening(cr, t, 32, 13, p.cloth2);
      RoundNeck(cr, t, p.cloth2, 5);
      Lapels(cr, t, p.cloth, 32, 13);
      cairo_rectangle(cr, t.cx - 48, t.top + 20, 14, 12);
      Paint(cr, Mix(p.cloth, Rgb{90, 100, 70}, 0.5), t.cx - 48, t.top + 20, t.cx - 34, t.top + 32,
            0.8);
      Texture(cr, t, p.cloth, seed, 250);
      break;
    case Outfit::kSummerShirt:
    case Outfit::kTShirt: {
      PaintTorso(cr, t, p.cloth);
      if (p.outfit == Outfit::kSummerShirt)
        ShirtCollar(cr, t, p.cloth, true);
      else
        RoundNeck(cr, t, p.cloth, 6);
      Noise n(seed + 9);
      for (int i = 0; i < (p.outfit == Outfit::kSummerShirt ? 26 : 0); ++i) {
        const double x = t.cx - t.sw + n.Unit() * 2 * t.sw;
        const double y = t.top + 8 + n.Unit() * 40;
        for (int k = 0; k < 5; ++k)
          FillCircle(cr, x + 3 * std::cos(k * 1.256), y + 3 * std::sin(k * 1.256), 1.8, p.cloth2);
        FillCircle(cr, x, y, 1.2, Rgb{240, 220, 90});
      }
      if (p.outfit == Outfit::kTShirt) {
        FillCircle(cr, t.cx, t.top + 30, 9, p.cloth2);
        FillCircle(cr, t.cx, t.top + 30, 4, Lighter(p.cloth2, 0.6));
      }
      break;
    }
    case Outfit::kPorter:
      PaintTorso(cr, t, p.cloth);
      cairo_rectangle(cr, t.cx - t.nw - 2, t.top - 8, 2 * t.nw + 4, 9);
      Paint(cr, p.cloth, t.cx - t.nw, t.top - 8, t.cx + t.nw, t.top + 1, 1.0);
      Line(cr, t.cx, t.top + 1, t.cx, 160, Darker(p.cloth, 0.4), 1.2);
      Buttons(cr, t.cx + 4, t.top + 8, 4, 11, Rgb{200, 170, 70});
      Epaulettes(cr, t, Darker(p.cloth, 0.2));
      break;
    case Outfit::kJumper:
      PaintTorso(cr, t, p.cloth);
      ShirtCollar(cr, t, p.cloth2, false);
      RoundNeck(cr, t, p.cloth, 5);
      Knit(cr, t, p.cloth);
      break;
    case Outfit::kBlouse:
    case Outfit::kRobe:
      PaintTorso(cr, t, p.cloth);
      if (p.outfit == Outfit::kBlouse) {
        Opening(cr, t, 18, 14, p.skin);
        for (int side : {-1, 1})
          Line(cr, t.cx + side * 14, t.top - 4, t.cx, t.top + 18, Darker(p.cloth, 0.3), 1.5);
      } else {
        RoundNeck(cr, t, p.cloth, 4);
        SetColor(cr, Darker(p.cloth, 0.25), 0.8);
        cairo_set_line_width(cr, 1);
        for (int i = -2; i <= 2; ++i) {
          cairo_move_to(cr, t.cx + i * 14, t.top + 14);
          cairo_curve_to(cr, t.cx + i * 15, t.top + 40, t.cx + i * 17, t.top + 60, t.cx + i * 18,
                         160);
        }
        cairo_stroke(cr);
      }
      break;
    case Outfit::kPyjamas:
      PaintTorso(cr, t, p.cloth);
      cairo_save(cr);
      TorsoPath(cr, t);
      cairo_clip(cr);
      SetColor(cr, p.cloth2, 0.8);
      for (double x = t.cx - t.sw; x < t.cx + t.sw; x += 9)
        cairo_rectangle(cr, x, t.top + 4, 3, 150);
      cairo_fill(cr);
      cairo_restore(cr);
      ShirtCollar(cr, t, p.cloth, true);
      break;
  }
}

void Neck(cairo_t* cr, const Person& p, const Torso& t) {
  const HeadGeo g = GeoOf(p);
  cairo_rectangle(cr, t.cx - t.nw, g.cy + 12, 2 * t.nw, t.top - g.cy - 4);
  Paint(cr, p.skin, t.cx - t.nw, g.cy + 10, t.cx + t.nw, g.cy + 12, 1.2);
  // The chin's shadow on the neck.
  Ellipse(cr, t.cx, g.chinY + 2, t.nw, 5);
  SetColor(cr, Darker(p.skin, 0.35), 0.6);
  cairo_fill(cr);
}

void BackProps(cairo_t* cr, const Person& p, const Torso& t) {
  if (p.props & kRifle) {
    // Slung on the shoulder, muzzle up behind the head's left side.
    cairo_save(cr);
    cairo_translate(cr, t.cx - t.sw + 10, t.top + 12);
    cairo_rotate(cr, -0.3);
    cairo_rectangle(cr, -1.8, -96, 3.6, 90);
    Paint(cr, Rgb{60, 60, 64}, -2, -96, 2, -96, 1.0);
    cairo_rectangle(cr, -4.5, -52, 9, 46);
    Paint(cr, Rgb{120, 78, 40}, -4, -52, 4, -52, 1.0);
    cairo_move_to(cr, 4, -34);
    cairo_curve_to(cr, 12, -30, 14, -22, 14, -14);
    cairo_line_to(cr, 6, -14);
    cairo_line_to(cr, 4, -22);
    cairo_close_path(cr);
    Paint(cr, Rgb{50, 50, 54}, 4, -34, 14, -14, 1.0);
    cairo_rectangle(cr, -1.5, -100, 3, 6);
    Paint(cr, Rgb{40, 40, 44}, -1.5, -100, 1.5, -94, 0.8);
    cairo_restore(cr);
  }
}

}  // namespace

void DrawBody(cairo_t* cr, const Person& p, std::uint32_t seed) {
  const Torso t = TorsoOf(p);
  BackProps(cr, p, t);
  DrawHairBack(cr, p);
  Neck(cr, p, t);
  Outfits(cr, p, t, seed);
}

void DrawFrontProps(cairo_t* cr, const Person& p) {
  const HeadGeo g = GeoOf(p);
  const Torso t = TorsoOf(p);
  const std::uint32_t f = p.props;
  if (f & kRifle) Line(cr, t.cx - t.sw + 6, t.top + 2, t.cx + 20, 160, Rgb{70, 55, 35}, 4);
  if (f & kSatchel) Line(cr, t.cx - t.sw + 12, t.top, t.cx + 34, 160, Rgb{120, 75, 40}, 6);
  if (f & kSash) {
    cairo_move_to(cr, t.cx - t.sw + 6, t.top + 4);
    cairo_line_to(cr, t.cx - t.sw + 24, t.top);
    cairo_line_to(cr, t.cx + 40, 160);
    cairo_line_to(cr, t.cx + 20, 160);
    cairo_close_path(cr);
    Paint(cr, Rgb{40, 120, 60}, t.cx - 40, t.top, t.cx + 40, 160, 1.0);
  }
  if (f & kMedals) {
    for (int i = 0; i < 4; ++i) {
      const double x = t.cx + 22 + i * 7;
      static constexpr Rgb kRibbon[] = {
          {170, 30, 40}, {40, 90, 160}, {40, 130, 70}, {210, 170, 50}};
      cairo_rectangle(cr, x - 3, t.top + 24, 6, 8);
      Paint(cr, kRibbon[i], x - 3, t.top + 24, x + 3, t.top + 32, 0.6);
      FillCircle(cr, x, t.top + 36, 3, Rgb{215, 180, 70});
      FillCircle(cr, x - 0.8, t.top + 35.2, 1.2, Rgb{250, 230, 150});
    }
  }
  if (f & kPearls) {
    for (int i = 0; i <= 16; ++i) {
      const double a = M_PI * (0.1 + 0.8 * i / 16.0);
      FillCircle(cr, t.cx + std::cos(a) * 15, t.top - 2 + std::sin(a) * 11, 2.0,
                 Rgb{236, 232, 222});
    }
  }
  if (f & kEarpiece) {
    SetColor(cr, Rgb{40, 40, 45});
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, g.cx + g.hw, g.eyeY + 8);
    cairo_curve_to(cr, g.cx + g.hw + 4, g.eyeY + 24, g.cx + g.hw - 2, g.chinY + 8, g.cx + 18,
                   t.top + 2);
    cairo_stroke(cr);
    FillCircle(cr, g.cx + g.hw, g.eyeY + 7, 2.4, Rgb{60, 60, 65});
  }
  if (f & kHeadphones) {
    SetColor(cr, Rgb{60, 60, 70});
    cairo_set_line_width(cr, 4);
    EllipseArc(cr, g.cx, g.cy, g.hw + 5, g.hh + 6, M_PI * 1.05, M_PI * 1.95);
    cairo_stroke(cr);
    for (int side : {-1, 1}) {
      Ellipse(cr, g.cx + side * (g.hw + 2), g.eyeY + 6, 6, 10);
      Paint(cr, Rgb{200, 50, 90}, g.cx + side * g.hw, g.eyeY, g.cx + side * g.hw, g.eyeY + 16, 1.2);
    }
    Line(cr, g.cx + g.hw, g.eyeY + 16, g.cx + 30, 160, Rgb{40, 40, 45}, 1.2);
  }
  if (f & kCombBehindEar) {
    cairo_rectangle(cr, g.cx + g.hw - 2, g.eyeY - 8, 5, 22);
    Paint(cr, Rgb{200, 60, 50}, g.cx + g.hw - 2, g.eyeY - 8, g.cx + g.hw + 3, g.eyeY + 14, 0.8);
  }
  if (f & kPipe) {
    Line(cr, g.cx + 5, g.mouthY + 1, g.cx + 20, g.mouthY + 7, Rgb{40, 30, 25}, 2.4);
    cairo_rectangle(cr, g.cx + 18, g.mouthY - 2, 9, 12);
    Paint(cr, Rgb{110, 60, 30}, g.cx + 18, g.mouthY - 2, g.cx + 27, g.mouthY + 10, 1.0);
    FillCircle(cr, g.cx + 22.5, g.mouthY - 2, 3, Rgb{60, 30, 20});
  }
  if (f & kCigar) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Line(cr, g.cx + 5, g.mouthY + 1, g.cx + 24, g.mouthY + 5, Rgb{60, 35, 20}, 5.5);
    Line(cr, g.cx + 5, g.mouthY + 1, g.cx + 24, g.mouthY + 5, Rgb{125, 75, 40}, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    FillCircle(cr, g.cx + 25, g.mouthY + 5.2, 2.2, Rgb{230, 90, 30});
    SetColor(cr, Rgb{200, 200, 205}, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, g.cx + 27, g.mouthY + 2);
    cairo_curve_to(cr, g.cx + 34, g.mouthY - 8, g.cx + 26, g.mouthY - 16, g.cx + 34, g.mouthY - 26);
    cairo_stroke(cr);
  }
  if (f & kWhiteGloves) {
    DrawArm(cr, t.cx - t.sw + 4, 170, t.cx - 14, 138, p.cloth, Rgb{245, 245, 240}, 17);
  }
  if (f & kHandOnChin) DrawArm(cr, t.cx + 50, 175, g.cx + 8, g.chinY + 4, p.cloth, p.skin, 20);
  if (f & kGlassInHand) {
    DrawArm(cr, t.cx + 62, 180, t.cx + 40, 142, p.cloth, p.skin, 18);
    cairo_move_to(cr, t.cx + 32, 112);
    cairo_line_to(cr, t.cx + 50, 112);
    cairo_line_to(cr, t.cx + 48, 138);
    cairo_line_to(cr, t.cx + 34, 138);
    cairo_close_path(cr);
    SetColor(cr, Rgb{225, 235, 240}, 0.75);
    cairo_fill_preserve(cr);
    SetColor(cr, Rgb{120, 130, 140});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, t.cx + 34, 124, 14, 13);
    SetColor(cr, Rgb{200, 130, 40});
    cairo_fill(cr);
    DrawHand(cr, t.cx + 40, 140, 15, p.skin);
  }
  if (f & kClipboard) {
    cairo_rectangle(cr, t.cx - 50, 118, 36, 46);
    Paint(cr, Rgb{150, 110, 60}, t.cx - 50, 118, t.cx - 14, 160, 1.0);
    cairo_rectangle(cr, t.cx - 47, 123, 30, 38);
    SetColor(cr, Rgb{245, 243, 235});
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i)
      Line(cr, t.cx - 44, 129 + i * 5, t.cx - 22, 129 + i * 5, Rgb{110, 110, 130}, 0.8);
    cairo_rectangle(cr, t.cx - 38, 115, 12, 5);
    Paint(cr, Rgb{170, 170, 175}, t.cx - 38, 115, t.cx - 26, 120, 0.6);
    DrawHand(cr, t.cx - 16, 146, 14, p.skin);
  }
  if (f & kPrayerBeads) {
    DrawHand(cr, t.cx + 30, 136, 15, p.skin);
    for (int i = 0; i < 12; ++i) {
      const double a = M_PI * (0.1 + 0.8 * i / 11.0);
      FillCircle(cr, t.cx + 30 + std::cos(a) * 7, 140 + std::sin(a) * 12, 2.0, Rgb{120, 40, 40});
    }
  }
  if (f & kNewspaper) {
    cairo_move_to(cr, t.cx - 56, 124);
    cairo_line_to(cr, t.cx + 4, 118);
    cairo_line_to(cr, t.cx + 8, 160);
    cairo_line_to(cr, t.cx - 52, 160);
    cairo_close_path(cr);
    Paint(cr, Rgb{226, 220, 200}, t.cx - 56, 118, t.cx + 8, 160, 1.0);
    for (int i = 0; i < 5; ++i)
      Line(cr, t.cx - 50, 132 + i * 5, t.cx - 2, 128 + i * 5, Rgb{120, 115, 110}, 1.0);
    cairo_rectangle(cr, t.cx - 48, 124, 30, 4);
    SetColor(cr, Rgb{40, 40, 40});
    cairo_fill(cr);
    DrawHand(cr, t.cx + 4, 134, 14, p.skin);
  }
}

void DrawPerson(cairo_t* cr, const Person& p, std::uint32_t seed) {
  DrawBody(cr, p, seed);
  DrawHead(cr, p, seed);
  DrawHairFront(cr, p);
  DrawHat(cr, p);
  DrawGlasses(cr, p);
  DrawFrontProps(cr, p);
}

}  // namespace forge::fig
