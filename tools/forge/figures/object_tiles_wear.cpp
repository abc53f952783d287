// Things people wear and hold on the object strip: glasses, moustaches, ties,
// medals, aprons, and everything carried in a hand.
#include <cmath>

#include "figures/object_tiles_person.h"

namespace forge::objects {
namespace {

void Face(cairo_t* cr, const Look& l, const Frame& f, const Worn& w) {
  const double x = f.headX, y = f.headY;
  const Rgb c = w.c;
  switch (w.acc) {
    case Acc::kGlasses:  // thin frames round each eye, so they never read as sunglasses
      StrokeRect(cr, 11, 7, 4, 4, c, 1);
      StrokeRect(cr, 15, 7, 4, 4, c, 1);
      FillRect(cr, 12, 8, 2, 1, Rgb{214, 228, 236});
      FillRect(cr, 16, 8, 2, 1, Rgb{214, 228, 236});
      FillRect(cr, 12, 9, 1, 1, kBlack);
      FillRect(cr, 17, 9, 1, 1, kBlack);
      FillRect(cr, 13, 9, 1, 1, l.skin);
      FillRect(cr, 16, 9, 1, 1, l.skin);
      break;
    case Acc::kRoundGlasses:
      Arc(cr, 12.5, 8.8, 1.7, 0, 2 * M_PI, c, 1);
      Arc(cr, 17.5, 8.8, 1.7, 0, 2 * M_PI, c, 1);
      FillRect(cr, 14, 8, 2, 1, c);
      break;
    case Acc::kThickGlasses:
      InkEllipse(cr, 12.5, 8.8, 2.4, 2.2, Rgb{200, 220, 228});
      InkEllipse(cr, 17.5, 8.8, 2.4, 2.2, Rgb{200, 220, 228});
      FillRect(cr, 12, 8, 1, 2, kBlack);
      FillRect(cr, 17, 8, 1, 2, kBlack);
      break;
    case Acc::kSunglasses:
      Ellipse(cr, 12.5, 8.8, 2.2, 1.5, c);
      Ellipse(cr, 17.5, 8.8, 2.2, 1.5, c);
      FillRect(cr, 13, 8, 4, 1, c);
      FillRect(cr, 11.5, 8, 1, 1, Lighter(c, 0.5));
      break;
    case Acc::kCatEye:
      Poly(cr, {{10, 7}, {14, 7.8}, {14, 10}, {11, 10}}, c);
      Poly(cr, {{20, 7}, {16, 7.8}, {16, 10}, {19, 10}}, c);
      FillRect(cr, 12, 8, 1, 1, kWhite);
      FillRect(cr, 17, 8, 1, 1, kWhite);
      break;
    case Acc::kMoustache:
      FillRect(cr, 12.5, 10.5, 5, 1.3, c);
      break;
    case Acc::kBigMoustache:
      Poly(cr, {{11, 12.5}, {12.5, 10.2}, {17.5, 10.2}, {19, 12.5}, {17, 11.6}, {13, 11.6}}, c);
      break;
    case Acc::kBeard:
      Poly(cr,
           {{10, 9.5}, {12, 10.5}, {18, 10.5}, {20, 9.5}, {18.5, 13.5}, {15, 14.6}, {11.5, 13.5}},
           c);
      FillRect(cr, 13.5, 11.5, 3, 1, Darker(l.skin, 0.3));
      break;
    case Acc::kStubble:
      for (int i = 0; i < 6; ++i) FillRect(cr, 11 + i * 1.6, 11 + (i % 2), 1, 1, c);
      break;
    case Acc::kHeadphones:
      Arc(cr, x, y, f.headR + 0.4, 1.0 * M_PI, 2.0 * M_PI, kBlack, 2.2);
      InkRect(cr, x - f.headR - 2.6, y - 1.5, 4.4, 6, c, 1.2);
      InkRect(cr, x + f.headR - 1.8, y - 1.5, 4.4, 6, c, 1.2);
      break;
    case Acc::kEarpiece:
      FillRect(cr, x + f.headR - 0.8, y + 0.5, 1.5, 1.5, c);
      Line(cr, x + f.headR + 0.2, y + 2, x + 4.5, 13, c, 1);
      break;
    case Acc::kPlaster:
      FillRect(cr, 14, 9.5, 2, 1, c);
      break;
    case Acc::kLips:
      FillRect(cr, 14, 11, 2, 1, c);
      break;
    case Acc::kWorried:
      Line(cr, 11, 7, 13.5, 6.2, c, 1);
      Line(cr, 19, 7, 16.5, 6.2, c, 1);
      FillRect(cr, 14, 11, 2, 1, Darker(l.skin, 0.4));
      break;
    case Acc::kComb:
      Line(cr, x + f.headR - 1, y - 3.5, x + f.headR + 1.6, y + 1.5, c, 1.4);
      break;
    default:
      break;
  }
}

void Clothes(cairo_t* cr, const Look& l, const Frame& f, const Worn& w) {
  const Rgb c = w.c;
  const double L = f.Left(), R = f.Right();
  switch (w.acc) {
    case Acc::kPearls:
      for (int i = 0; i < 7; ++i) {
        const double a = M_PI * (0.1 + i * 0.8 / 6);
        Ellipse(cr, 15 + std::cos(a) * 3.6, 12 + std::sin(a) * 2.4, 0.8, 0.8, c);
      }
      break;
    case Acc::kBowTie:
      Poly(cr, {{12.2, 11.8}, {15, 13}, {17.8, 11.8}, {17.8, 14.4}, {15, 13.2}, {12.2, 14.4}}, c);
      break;
    case Acc::kTie:
      Poly(cr, {{14, 12}, {16, 12}, {16.3, 19}, {15, 20.5}, {13.7, 19}}, c);
      break;
    case Acc::kCravat:
      Ellipse(cr, 15, 13.6, 2.8, 2.2, c);
      Ellipse(cr, 15, 16, 1.7, 1.6, Lighter(c, 0.3));
      break;
    case Acc::kMedals:
      for (int i = 0; i < 3; ++i) {
        FillRect(cr, L + 2 + i * 2, 14, 1.6, 2, i == 1 ? kRed : kBlue);
        Ellipse(cr, L + 2.8 + i * 2, 17, 0.9, 0.9, c);
      }
      break;
    case Acc::kApron:
      InkRect(cr, 10.5, 13.5, 9, 13.5, c, 1.5);
      Line(cr, 11, 13.5, 13.5, 11.6, c, 1);
      Line(cr, 19, 13.5, 16.5, 11.6, c, 1);
      break;
    case Acc::kWaistcoat:
      Poly(cr, {{L, 12.5}, {13.4, 12.5}, {14.2, 22}, {L, 22}}, c);
      Poly(cr, {{R, 12.5}, {16.6, 12.5}, {15.8, 22}, {R, 22}}, c);
      for (int i = 0; i < 3; ++i) FillRect(cr, 16.2, 15 + i * 2.4, 1, 1, kGold);
      break;
    case Acc::kJacket:  // an open jacket over a shirt of colour c
      Poly(cr, {{12.2, 11.8}, {17.8, 11.8}, {15, 17.5}}, c);
      Line(cr, 12.2, 12, 15, 17.5, Darker(l.top, 0.3), 1);
      Line(cr, 17.8, 12, 15, 17.5, Darker(l.top, 0.3), 1);
      break;
    case Acc::kBraid:
      FillRect(cr, L - 1, 11.5, 4.5, 2, c);
      FillRect(cr, R - 3.5, 11.5, 4.5, 2, c);
      Arc(cr, R - 2, 16, 3, 0.2 * M_PI, 0.9 * M_PI, c, 1);
      break;
    case Acc::kChevrons:
      for (int i = 0; i < 2; ++i) {
        const double y = 15 + i * 2;
        Line(cr, f.HandLX() - 1.8, y + 1, f.HandLX(), y, c, 1);
        Line(cr, f.HandLX(), y, f.HandLX() + 1.8, y + 1, c, 1);
        Line(cr, f.HandRX() - 1.8, y + 1, f.HandRX(), y, c, 1);
        Line(cr, f.HandRX(), y, f.HandRX() + 1.8, y + 1, c, 1);
      }
      break;
    case Acc::kSleeveGuards:
      FillRect(cr, f.HandLX() - 2, 16.5, 4, 4.5, c);
      FillRect(cr, f.HandRX() - 2, 16.5, 4, 4.5, c);
      break;
    case Acc::kBelt:
      FillRect(cr, L, 20.5, R - L, 1.6, c);
      FillRect(cr, 14, 20.5, 2, 1.6, kBrass);
      break;
    case Acc::kSequins: {
      Noise n(7);
      for (int i = 0; i < 22; ++i)
        FillRect(cr, std::floor(L + n.Unit() * (R - L)), std::floor(12 + n.Unit() * 13), 1, 1,
                 i % 3 == 0 ? kWhite : c);
      break;
    }
    case Acc::kCamo: {
      Noise n(11);
      for (int i = 0; i < 9; ++i)
        Ellipse(cr, L + 1 + n.Unit() * (R - L - 2), 12.5 + n.Unit() * 9, 1.6, 1.1, c);
      break;
    }
    case Acc::kBadge:
      Ellipse(cr, L + 3.5, 14.5, 1.5, 1.5, c);
      FillRect(cr, L + 3, 14, 1, 1, kWhite);
      break;
    case Acc::kHiVis:
      Poly(cr, {{L, 13}, {13, 12}, {13, 22}, {L, 22}}, c);
      Poly(cr, {{R, 13}, {17, 12}, {17, 22}, {R, 22}}, c);
      FillRect(cr, L, 18, R - L, 1.5, kLightGrey);
      break;
    case Acc::kTails:
      Poly(cr, {{L + 1, 21}, {14, 21}, {12.5, 27}, {L + 0.5, 26}}, c);
      Poly(cr, {{R - 1, 21}, {16, 21}, {17.5, 27}, {R - 0.5, 26}}, c);
      Poly(cr, {{12.8, 11.8}, {17.2, 11.8}, {16.5, 20}, {13.5, 20}}, kWhite);  // shirt front
      FillRect(cr, 13.8, 12, 2.4, 1.2, kBlack);
      break;
    case Acc::kCrossBelt:
      Line(cr, L + 1, 12.5, R - 1, 21, c, 1.5);
      FillRect(cr, L, 20.5, R - L, 1.5, c);
      break;
    case Acc::kLongCoat:  // an open coat of colour c over the clothes
      Poly(cr, {{L - 0.5, 12}, {13.5, 12}, {13.5, 26}, {L - 1.5, 26}}, c);
      Poly(cr, {{R + 0.5, 12}, {16.5, 12}, {16.5, 26}, {R + 1.5, 26}}, c);
      FillRect(cr, L + 1, 17, 2.5, 1, Darker(c, 0.25));  // pocket
      break;
    default:
      break;
  }
}

void Held(cairo_t* cr, const Look& l, const Frame& f, const Worn& w) {
  const Rgb c = w.c;
  const double lx = f.HandLX(), rx = f.HandRX(), hy = f.handY;
  switch (w.acc) {
    case Acc::kNewspaper:
      InkRect(cr, 9, 15, 12, 8, c);
      for (int i = 0; i < 3; ++i) FillRect(cr, 10.5, 17 + i * 2, 4, 1, kGrey);
      FillRect(cr, 16, 17, 3.5, 4, kGrey);
      break;
    case Acc::kBroom:
      Line(cr, rx + 0.5, 8, rx - 1, 28.5, kInk, 2.6);
      Line(cr, rx + 0.5, 8, rx - 1, 28.5, kWood, 1.2);
      InkRect(cr, rx - 4.5, 25.5, 7.5, 4, c, 0.5);
      break;
    case Acc::kClipboard:
      InkRect(cr, 10.5, 15.5, 9, 9, kWood, 0.5);
      FillRect(cr, 12, 17, 6, 6.5, kWhite);
      for (int i = 0; i < 3; ++i) FillRect(cr, 12.5, 18 + i * 1.8, 5, 0.8, kGrey);
      FillRect(cr, 13.5, 15.2, 3, 1.4, kSteel);
      break;
    case Acc::kGlass:
      InkRect(cr, rx - 1.5, hy - 4.5, 3.6, 4.4, c, 0.6);
      FillRect(cr, rx - 0.5, hy - 3.5, 1, 2, kWhite);
      break;
    case Acc::kCigar:
      Line(cr, 15.5, 11.5, 19.5, 12.5, kDarkBrown, 1.6);
      FillRect(cr, 19.5, 11.5, 1.2, 1.4, kOrange);
      FillRect(cr, 21, 9, 1, 1, kLightGrey), FillRect(cr, 22, 7, 1, 1, kLightGrey);
      break;
    case Acc::kPipe:
      Line(cr, 15.5, 11.5, 19, 12.8, kDarkBrown, 1.2);
      InkEllipse(cr, 19.8, 12.2, 1.6, 1.6, kWood);
      break;
    case Acc::kRifle:
      Line(cr, 7.5, 26, 24, 8, kInk, 3);
      Line(cr, 7.5, 26, 24, 8, c, 1.4);
      Line(cr, 7.5, 26, 12, 21, kWood, 2);
      break;
    case Acc::kTray:
      InkEllipse(cr, rx + 1, hy - 4, 4.8, 3.6, kSteel);
      Ellipse(cr, rx - 0.3, hy - 4.6, 1.2, 1.2, c);
      Ellipse(cr, rx + 2.3, hy - 3.4, 1.2, 1.2, c);
      break;
    case Acc::kSatchel:
      Line(cr, f.Left() + 1, 12, f.Right() - 1, 20, c, 1.4);
      InkRect(cr, rx - 3, hy - 3, 5.5, 5, c, 1);
      FillRect(cr, rx - 2.5, hy - 1.5, 4.5, 1, Darker(c, 0.3));
      break;
    case Acc::kBasket:
      InkRect(cr, 9.5, 17.5, 11, 6.5, kStraw, 1.5);
      for (int i = 0; i < 4; ++i) Ellipse(cr, 11.5 + i * 2.4, 18.8 + (i % 2), 1.3, 1.3, c);
      break;
    case Acc::kFlowers:
      Line(cr, 15, 22, 15, 17, kDarkGreen, 2);
      for (int i = 0; i < 7; ++i) {
        const double a = i * 0.9;
        Ellipse(cr, 15 + std::cos(a) * 2.6, 16 + std::sin(a) * 2, 1.2, 1.2,
                i % 3 == 0 ? kYellow : (i % 3 == 1 ? c : kWhite));
      }
      break;
    case Acc::kRod:
      Line(cr, rx, hy, 29.5, 0.5, kInk, 2);
      Line(cr, rx, hy, 29.5, 0.5, c, 1);
      InkEllipse(cr, rx + 0.8, hy - 2.5, 1.4, 1.4, kSteel);
      break;
    case Acc::kCamera:
      InkRect(cr, 11, 14.5, 8, 5, kBlack, 0.5);
      Ellipse(cr, 15, 17, 1.7, 1.7, kGrey);
      FillRect(cr, 17, 15, 1, 1, kWhite);
      break;
    case Acc::kBowl:
      InkEllipse(cr, 15, 20, 3.6, 2.2, c);
      Ellipse(cr, 15, 19.6, 2.4, 1.2, Darker(c, 0.35));
      break;
    case Acc::kScissors:
      Line(cr, rx, hy, rx + 1.5, hy - 5, c, 1);
      Line(cr, rx, hy, rx + 3, hy - 4, c, 1);
      break;
    case Acc::kBooks:
      InkRect(cr, lx - 3, hy - 6, 5, 6, c, 0.5);
      FillRect(cr, lx - 2.5, hy - 3.5, 4, 1, kWhite);
      break;
    case Acc::kWhistle:
      Line(cr, 16, 11.5, 15, 17, kWhite, 1);
      FillRect(cr, 14, 16.5, 2, 2, c);
      break;
    case Acc::kKite:
      Line(cr, rx, hy, 26, 8, kWhite, 1);
      Poly(cr, {{26, 0.5}, {29.5, 5}, {26, 11}, {22.5, 5}}, kInk);
      Poly(cr, {{26, 1.8}, {28.3, 5}, {26, 9.6}, {23.7, 5}}, c);
      Line(cr, 26, 1.8, 26, 9.6, kYellow, 1);
      break;
    case Acc::kBags:
      InkRect(cr, lx - 2.6, hy - 1, 5, 6, c, 1);
      InkRect(cr, rx - 2.4, hy - 1, 5, 6, Darker(c, 0.25), 1);
      Ellipse(cr, lx, hy - 0.5, 1.2, 1, kGreen);  // a leek showing
      break;
    case Acc::kLadle:
      Line(cr, rx, hy, rx + 1, hy - 8, c, 1.2);
      InkEllipse(cr, rx + 1, hy - 8.5, 1.8, 1.6, c);
      break;
    case Acc::kCoolBox:
      Line(cr, f.Left() + 1, 12, f.Right() - 1, 20, kDarkGrey, 1.2);
      InkRect(cr, rx - 3, hy - 4, 7, 7, c, 1);
      FillRect(cr, rx - 2, hy - 3, 5, 1.2, kWhite);
      break;
    case Acc::kPad:
      InkRect(cr, rx - 2.5, hy - 5, 4.5, 5.5, c, 0.5);
      FillRect(cr, rx - 1.5, hy - 3.5, 2.5, 0.8, kGrey);
      break;
    case Acc::kBeads:
      for (int i = 0; i < 6; ++i)
        Ellipse(cr, lx + 0.8 * std::sin(i), hy + 2 + i * 1.1, 0.7, 0.7, c);
      break;
    case Acc::kShaker:
    case Acc::kBottle:
      InkRect(cr, rx - 1.4, hy - 6.5, 3, 6, c, 1);
      FillRect(cr, rx - 0.6, hy - 7.5, 1.4, 1.4, w.acc == Acc::kShaker ? kSteel : kDarkGreen);
      break;
    case Acc::kScoop:
      InkEllipse(cr, rx, hy - 2.2, 2.2, 1.7, kSteel);
      Ellipse(cr, rx, hy - 2.4, 1.3, 0.9, c);
      break;
    case Acc::kTorch:
      Line(cr, rx, hy, rx + 2, hy - 5, kInk, 2.4);
      Line(cr, rx, hy, rx + 2, hy - 5, c, 1.2);
      FillRect(cr, rx + 1.5, hy - 6.5, 1.5, 1.5, kYellow);
      break;
    case Acc::kHandsToFace:  // both hands raised to the cheeks
      RoundRect(cr, 8.5, 9.5, 3, 4, 1.2, l.skin);
      RoundRect(cr, 18.5, 9.5, 3, 4, 1.2, l.skin);
      Line(cr, 9, 13.5, 8, 17, l.sleeve, 2);
      Line(cr, 21, 13.5, 22, 17, l.sleeve, 2);
      Ellipse(cr, 20.8, 5.2, 0.8, 1.2, kSky);  // a bead of sweat
      break;
    default:
      break;
  }
}

}  // namespace

Layer LayerOf(Acc acc) {
  switch (acc) {
    case Acc::kRod:
    case Acc::kKite:
      return Layer::kBehind;
    case Acc::kComb:
      return Layer::kHat;
    default:
      break;
  }
  if (acc >= Acc::kGlasses && acc <= Acc::kComb) return Layer::kFace;
  if (acc >= Acc::kPearls && acc <= Acc::kLongCoat) return Layer::kClothes;
  return Layer::kHand;
}

void DrawWorn(cairo_t* cr, const Look& l, const Frame& f, const Worn& w) {
  switch (LayerOf(w.acc)) {
    case Layer::kFace:
    case Layer::kHat:
      Face(cr, l, f, w);
      break;
    case Layer::kClothes:
      Clothes(cr, l, f, w);
      break;
    case Layer::kBehind:
    case Layer::kHand:
      Held(cr, l, f, w);
      break;
  }
}

}  // namespace forge::objects
