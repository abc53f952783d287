// The hero seen from the side, walking to the right: the object strip's people turned
// a quarter, same height (head at the top of the frame, shoes on its bottom rows), same
// ink rim. His left side is towards the viewer: the left arm and leg are drawn over the
// body with their own rim, the right ones behind it in shade.
#include <cmath>

#include "figures/hero_parts.h"

namespace forge::hero {
namespace {

using objects::Darker;
using objects::Ellipse;
using objects::kGold;
using objects::kInk;
using objects::Lighter;
using objects::Poly;
using objects::RoundRect;

constexpr double kHeadY = 7.2;
constexpr double kHeadR = 5.3;
constexpr double kShoulderY = 13.4;
constexpr double kArm = 7.4;  // shoulder to wrist
constexpr double kHipY = 20.6;
constexpr double kShoeY = 28.2;

// A leg and its shoe, grown by `g`; the foot a step ahead of the hip (or behind it).
void Leg(cairo_t* cr, const Outfit& o, double cx, double step, double g, Rgb trousers, bool ink) {
  const double ankle = cx + step;
  Stroke(cr, cx + 0.3, kHipY, ankle, kShoeY - 1.6, 4.0 + 2 * g, ink ? kInk : trousers);
  // A foot behind him lifts its heel.
  const double lift = step < -2 ? 0.5 : 0;
  Ellipse(cr, ankle + 1.1, kShoeY - lift, 2.5 + g, 1.2 + g, ink ? kInk : o.shoes);
  if (!ink) FillRect(cr, std::floor(ankle + 2), kShoeY - 1 - lift, 1, 1, o.shoeShine);
}

// Where an arm's hand ends: hanging, swung, or raised ahead.
struct Hand {
  double x, y;
};
Hand HandAt(double cx, double swing, double reach) {
  if (reach > 0) return {cx + reach, kShoulderY + (reach < 12 ? 2.6 : 0.8)};
  return {cx + swing, kShoulderY + std::sqrt(kArm * kArm - swing * swing)};
}

void Arm(cairo_t* cr, const Outfit& o, double cx, Hand h, double g, Rgb sleeve, bool ink) {
  const double sx = cx + 0.3;
  Stroke(cr, sx, kShoulderY, h.x, h.y, 3.6 + 2 * g, ink ? kInk : sleeve);
  const double len = std::hypot(h.x - sx, h.y - kShoulderY);
  const double ux = (h.x - sx) / len, uy = (h.y - kShoulderY) / len;
  Ellipse(cr, h.x + ux * 1.2, h.y + uy * 1.2, 1.5 + g, 1.5 + g, ink ? kInk : kSkin);
  if (!ink && !o.uniform)  // the shirt's cuff
    Line(cr, h.x - uy * 1.3, h.y + ux * 1.3, h.x + uy * 1.3, h.y - ux * 1.3, o.shirt, 0.9);
}

// An arm that shows over the jacket: its own rim, then the sleeve and hand.
void NearArm(cairo_t* cr, const Outfit& o, double cx, Hand h) {
  Arm(cr, o, cx, h, 1, kInk, true);
  Arm(cr, o, cx, h, 0, o.coat, false);
  const double sx = cx + 0.3;
  Stroke(cr, sx - 0.6, kShoulderY, (sx + h.x) / 2 - 0.6, (kShoulderY + h.y) / 2, 0.9,
         o.coatLight);  // the sleeve's lit side
}

// The jacket or tunic, shoulders to hem.
void Torso(cairo_t* cr, const Outfit& o, double cx, double g, bool ink) {
  const Rgb c = ink ? kInk : o.coat;
  RoundRect(cr, cx - 4.8 - g, 11.2 - g, 10.4 + 2 * g, 8 + 2 * g, 3.4, c);
  Poly(cr,
       {{cx - 4.8 - g, 17}, {cx + 5.6 + g, 17}, {cx + 5.9 + g, 22.4 + g}, {cx - 5.0 - g, 22.4 + g}},
       c);
  if (ink) return;
  FillRect(cr, cx - 4.8, 12.6, 1.4, 9.8, o.coatShade);  // his back, away from the light
  if (o.uniform) {
    Line(cr, cx - 3.0, 11.8, cx + 4.2, 20.0, kStrap, 1.2);  // cross strap
    FillRect(cr, cx - 4.8, 19.6, 10.6, 1.2, kStrap);        // belt
    FillRect(cr, cx + 4.0, 15.0, 1, 1, kGold);              // buttons
    FillRect(cr, cx + 4.0, 17.6, 1, 1, kGold);
    FillRect(cr, cx - 1.0, 11.2, 2.8, 1.2, o.coatShade);  // shoulder board
    FillRect(cr, cx + 0.2, 11.3, 1, 1, kGold);
    Poly(cr, {{cx + 2.0, 11.2}, {cx + 5.2, 11.2}, {cx + 5.0, 13.6}}, o.shirt);  // collar
  } else {
    Poly(cr, {{cx + 2.0, 11.2}, {cx + 5.2, 11.2}, {cx + 5.4, 12.6}, {cx + 4.4, 15.6}},
         o.shirt);                                               // open collar
    Line(cr, cx + 2.0, 11.6, cx + 4.2, 16.4, o.coatShade, 0.9);  // lapel
    FillRect(cr, cx + 4.4, 18.2, 1, 1, o.coatShade);             // button
    Line(cr, cx - 4.9, 22.0, cx + 5.8, 22.0, o.coatShade, 0.8);  // hem
  }
}

// The head in profile: face to the right, ear and the back of the head to the left.
void HeadShape(cairo_t* cr, double hx, double g, Rgb c) {
  Ellipse(cr, hx, kHeadY, kHeadR + g, kHeadR + g, c);
  Ellipse(cr, hx + 1.9, kHeadY + 3.2, 2.6 + g, 1.9 + g, c);  // jaw and chin
  Ellipse(cr, hx + 5.3, kHeadY + 1.0, 0.9 + g, 1.0 + g, c);  // nose
}

void Head(cairo_t* cr, const Outfit& o, double hx) {
  HeadShape(cr, hx, 0, kSkin);
  const double y = kHeadY;
  if (o.uniform) {
    FillRect(cr, hx - kHeadR, y - 2, 2.8, 4.6, kHair);  // cropped at the back
    Ellipse(cr, hx - 0.4, y - 2.8, 5.0, 2.2, kCapCrown);
    Ellipse(cr, hx - 1.6, y - 3.4, 1.8, 0.8, Lighter(kCapCrown, 0.25));
    FillRect(cr, hx - 4.6, y - 1.6, 8.6, 1.2, Darker(kCapCrown, 0.4));  // band
    Poly(cr, {{hx + 2.4, y - 1.8}, {hx + 6.9, y - 0.7}, {hx + 6.6, y + 0.2}, {hx + 2.4, y - 0.4}},
         kCapPeak);
    FillRect(cr, hx + 2.2, y - 3.6, 1.4, 1.4, kGold);  // badge
  } else {
    // Hair over the crown and down the back of the head, clipped to the head.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, hx, y, kHeadR + 0.4, 0, 2 * M_PI);
    cairo_clip(cr);
    FillRect(cr, hx - kHeadR - 1, y - kHeadR - 1, 2 * kHeadR + 2, kHeadR - 0.3, kHair);
    FillRect(cr, hx - kHeadR - 1, y - 2, 3.4, 3.8, kHair);
    FillRect(cr, hx - 1.6, y - 1.6, 1.2, 1.2, kHairGrey);  // greying temple
    cairo_restore(cr);
    Ellipse(cr, hx - 1.8, y - 3.6, 1.6, 0.7, Lighter(kHair, 0.28));  // sheen
    // Sunglasses pushed up into his hair, as in his portrait.
    Ellipse(cr, hx + 2.6, y - 3.1, 1.6, 0.8, kShades);
    FillRect(cr, std::floor(hx + 2.6), std::floor(y - 3.1) - 0.4, 1, 1, {150, 160, 176});
  }
  Ellipse(cr, hx - 0.9, y + 1.0, 1.0, 1.5, kSkinShade);               // ear
  FillRect(cr, std::floor(hx + 2.6), y - 0.5, 1, 2, {40, 28, 24});    // eye
  FillRect(cr, std::floor(hx + 3.2), y + 3.0, 1.6, 0.8, kSkinShade);  // mouth
}

}  // namespace

void DrawSideways(cairo_t* cr, const Outfit& o, const Pose& p, double cx) {
  const double hx = cx + 0.5;
  const Hand nearHand = HandAt(cx, p.leftSwing, p.reach);
  // The far arm swings wider, so its hand shows past his chest or his back.
  const Hand farHand = HandAt(cx, p.rightSwing * 1.7, 0);
  // The ink of the whole figure, one pixel wider than its colours.
  Arm(cr, o, cx, farHand, 1, kInk, true);
  Leg(cr, o, cx, p.rightStep, 1, kInk, true);
  Leg(cr, o, cx, p.leftStep, 1, kInk, true);
  Torso(cr, o, cx, 1, true);
  HeadShape(cr, hx, 1, kInk);
  if (o.uniform) Ellipse(cr, hx - 0.4, kHeadY - 2.8, 6.0, 3.2, kInk);  // the cap's crown
  Arm(cr, o, cx, nearHand, 1, kInk, true);
  // Far side first, in shade.
  Arm(cr, o, cx, farHand, 0, o.coatShade, false);
  Leg(cr, o, cx, p.rightStep, 0, o.trouserShade, false);
  Leg(cr, o, cx, p.leftStep, 1, kInk, true);
  Leg(cr, o, cx, p.leftStep, 0, o.trousers, false);
  Torso(cr, o, cx, 0, false);
  Head(cr, o, hx);
  NearArm(cr, o, cx, nearHand);
}

}  // namespace forge::hero
