// The hero seen from above, facing down the frame: the crown of his head on broad
// shoulders, arms at his sides, shoes stepping out in front and behind. The game shows
// the same picture turned upside down when he walks up, so nothing here is lit from the
// top or the bottom of the frame. Each part is drawn on its own ink, back to front, so
// head, shoulders, arms and shoes stay apart at this size.
#include <cmath>

#include "figures/hero_parts.h"

namespace forge::hero {
namespace {

using objects::Ellipse;
using objects::kGold;
using objects::kInk;
using objects::Lighter;
using objects::Poly;
using objects::RoundRect;

constexpr double kArmX = 10.4;  // from the middle to each arm
constexpr double kFootX = 3.0;  // from the middle to each foot

// A step ahead shows the shoe in front of his chest, a step back its heel behind him.
double FootY(double cy, double step) { return cy + 4.4 + step * (step >= 0 ? 0.9 : 1.7); }

void Foot(cairo_t* cr, const Outfit& o, double x, double cy, double step) {
  const double y = FootY(cy, step);
  const double dir = step >= 0 ? 1 : -1;
  for (int pass = 0; pass < 2; ++pass) {
    const double g = pass == 0 ? 1 : 0;
    Stroke(cr, x, cy, x, y - dir * 1.5, 3.4 + 2 * g, pass == 0 ? kInk : o.trouserShade);
    Ellipse(cr, x, y, 1.8 + g, 2.5 + g, pass == 0 ? kInk : o.shoes);
  }
  FillRect(cr, std::floor(x) - 1, std::floor(y + dir), 1, 1, o.shoeShine);
}

// An arm at his side (`side` +1 his left, on the right of the frame) from the shoulder
// to the hand, which shows at the end of the sleeve.
void Arm(cairo_t* cr, const Outfit& o, double cx, double side, double cy, double handX,
         double handY) {
  const double x = cx + side * kArmX;
  const double dir = handY >= cy ? 1 : -1;
  for (int pass = 0; pass < 2; ++pass) {
    const double g = pass == 0 ? 1 : 0;
    Ellipse(cr, handX, handY + dir * 1.3, 1.5 + g, 1.7 + g, pass == 0 ? kInk : kSkin);
    Stroke(cr, x, cy - 1.0 * dir, handX, handY, 3.8 + 2 * g, pass == 0 ? kInk : o.coat);
  }
  Stroke(cr, x + side * 0.9, cy, handX + side * 0.9, handY - dir, 0.9, o.coatShade);
}

void Shoulders(cairo_t* cr, const Outfit& o, double cx, double cy) {
  for (int pass = 0; pass < 2; ++pass) {
    const double g = pass == 0 ? 1 : 0;
    const Rgb c = pass == 0 ? kInk : o.coat;
    RoundRect(cr, cx - 9.4 - g, cy - 4.3 - g, 18.8 + 2 * g, 8.6 + 2 * g, 3.8, c);
    Ellipse(cr, cx, cy + 2.8, 6 + g, 4.6 + g, c);  // the chest, out in front
  }
  Ellipse(cr, cx, cy - 0.6, 7.4, 2.2, o.coatLight);  // lit from straight above
  if (o.uniform) {
    for (double side : {-1.0, 1.0}) {
      FillRect(cr, cx + side * 6.6 - 1.2, cy - 2.6, 2.6, 5.0, o.coatShade);  // boards
      FillRect(cr, std::floor(cx + side * 6.6), cy - 1.5, 1, 1, kGold);
    }
    Line(cr, cx + 5.4, cy - 3.6, cx - 4.0, cy + 5.0, kStrap, 1.3);  // cross strap
    Ellipse(cr, cx, cy + 5.2, 2.8, 1.6, o.shirt);                   // collar
  } else {
    Poly(cr, {{cx - 3.0, cy + 4.0}, {cx + 3.0, cy + 4.0}, {cx, cy + 8.0}}, o.shirt);
    Line(cr, cx - 3.4, cy + 3.6, cx - 0.2, cy + 7.8, o.coatShade, 0.9);  // lapels
    Line(cr, cx + 3.4, cy + 3.6, cx + 0.2, cy + 7.8, o.coatShade, 0.9);
  }
}

void Head(cairo_t* cr, const Outfit& o, double cx, double cy) {
  const double y = cy - 0.8;
  for (int pass = 0; pass < 2; ++pass) {
    const double g = pass == 0 ? 1 : 0;
    const Rgb c = pass == 0 ? kInk : kSkin;
    Ellipse(cr, cx - 4.9, y + 1.0, 1.0 + g, 1.4 + g, pass == 0 ? kInk : kSkinShade);  // ears
    Ellipse(cr, cx + 4.9, y + 1.0, 1.0 + g, 1.4 + g, pass == 0 ? kInk : kSkinShade);
    Ellipse(cr, cx, y, 4.8 + g, 5.0 + g, c);
    Ellipse(cr, cx, y + 4.9, 0.9 + g, 0.8 + g, c);  // the nose, out from under the brow
  }
  if (o.uniform) {
    for (int pass = 0; pass < 2; ++pass) {
      const double g = pass == 0 ? 1 : 0;
      Ellipse(cr, cx, y + 4.2, 3.6 + g, 1.9 + g, pass == 0 ? kInk : kCapPeak);
      Ellipse(cr, cx, y - 0.4, 5.2 + g, 4.7 + g, pass == 0 ? kInk : kCapCrown);
    }
    Ellipse(cr, cx - 1.2, y - 1.6, 2.2, 1.6, Lighter(kCapCrown, 0.22));
    Ellipse(cr, cx, y + 3.1, 1.3, 0.9, kGold);                          // badge
    Line(cr, cx - 2.2, y + 5.0, cx + 1.2, y + 5.0, {96, 96, 92}, 0.8);  // the peak's shine
    return;
  }
  Ellipse(cr, cx, y - 0.8, 4.8, 4.4, kHair);
  Ellipse(cr, cx - 4.1, y + 0.6, 0.8, 1.3, kHairGrey);  // greying temples
  Ellipse(cr, cx + 4.1, y + 0.6, 0.8, 1.3, kHairGrey);
  Ellipse(cr, cx - 1.2, y - 1.8, 1.6, 1.3, Lighter(kHair, 0.28));  // sheen on the crown
  // Sunglasses pushed up on his brow, the lenses catching the light.
  for (double side : {-1.0, 1.0}) {
    Ellipse(cr, cx + side * 2.0, y + 2.6, 1.7, 0.9, kShades);
    FillRect(cr, std::floor(cx + side * 2.0) - (side < 0 ? 1 : 0), std::floor(y + 2.6) - 0.4, 1, 1,
             {150, 160, 176});
  }
}

}  // namespace

void DrawFromAbove(cairo_t* cr, const Outfit& o, const Pose& p, double cx, double cy) {
  Foot(cr, o, cx + kFootX, cy, p.leftStep);
  Foot(cr, o, cx - kFootX, cy, p.rightStep);
  const double sway = 0.2;
  Arm(cr, o, cx, 1, cy, cx + kArmX + sway, cy + 1.8 + 1.3 * p.leftSwing);
  if (p.reach == 0) Arm(cr, o, cx, -1, cy, cx - kArmX - sway, cy + 1.8 + 1.3 * p.rightSwing);
  Shoulders(cr, o, cx, cy);
  // The right arm raised ahead, over the shoulder, to touch what he faces.
  if (p.reach != 0) Arm(cr, o, cx, -1, cy, cx - kArmX + 1.6, cy + p.reach - 1.4);
  Head(cr, o, cx, cy);
}

}  // namespace forge::hero
