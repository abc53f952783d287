// People on the object strip: body, hair and hats. Worn and held things are in
// object_tiles_wear.cpp; the looks themselves are in object_tiles_cast.cpp.
#include "figures/object_tiles_person.h"

#include <cmath>

namespace forge::objects {
namespace {

// The body's shapes, grown by `g` pixels; `ink` paints them all in the rim colour.
void Legs(cairo_t* cr, const Look& l, const Frame& f, double g, bool ink) {
  const Rgb shoe = ink ? kInk : Rgb{40, 32, 30};
  const Rgb legs = ink ? kInk : l.legs;
  const Rgb skin = ink ? kInk : l.skin;
  const double b = f.bulk * 0.5;
  switch (l.lower) {
    case Lower::kRobe:
      Poly(cr,
           {{8.5 - b - g, 19}, {21.5 + b + g, 19}, {23 + b + g, 27.5 + g}, {7 - b - g, 27.5 + g}},
           legs);
      Ellipse(cr, 12, 28, 2.2 + g, 1.3 + g, shoe);
      Ellipse(cr, 18, 28, 2.2 + g, 1.3 + g, shoe);
      return;
    case Lower::kSkirt:
      RoundRect(cr, 11 - g, 22, 3 + 2 * g, 5.5 + g, 1, skin);
      RoundRect(cr, 16 - g, 22, 3 + 2 * g, 5.5 + g, 1, skin);
      Poly(cr,
           {{9 - b - g, 19}, {21 + b + g, 19}, {22.5 + b + g, 24.5 + g}, {7.5 - b - g, 24.5 + g}},
           legs);
      break;
    case Lower::kShorts:
      RoundRect(cr, 10.6 - g, 23, 3.4 + 2 * g, 4.5 + g, 1, skin);
      RoundRect(cr, 16 - g, 23, 3.4 + 2 * g, 4.5 + g, 1, skin);
      RoundRect(cr, 10 - b - g, 20, 10 + 2 * b + 2 * g, 4.5 + g, 1.2, legs);
      break;
    case Lower::kCoat:
    case Lower::kTrousers:
      RoundRect(cr, 10.3 - b - g, 20, 4 + 2 * g, 7.5 + g, 1.2, legs);
      RoundRect(cr, 15.7 + b - g, 20, 4 + 2 * g, 7.5 + g, 1.2, legs);
      break;
  }
  Ellipse(cr, 12.3 - b, 27.9, 2.3 + g, 1.4 + g, shoe);
  Ellipse(cr, 17.7 + b, 27.9, 2.3 + g, 1.4 + g, shoe);
}

void Torso(cairo_t* cr, const Look& l, const Frame& f, double g, bool ink) {
  const Rgb top = ink ? kInk : l.top;
  const Rgb arm = ink ? kInk : l.sleeve;
  bool gloves = false;
  for (const Worn& w : l.worn) gloves = gloves || w.acc == Acc::kGloves;
  const Rgb hand = ink ? kInk : (gloves ? kWhite : l.skin);
  if (l.lower == Lower::kCoat)
    Poly(cr,
         {{f.Left() - g, 14},
          {f.Right() + g, 14},
          {f.Right() + 1 + g, 25.5 + g},
          {f.Left() - 1 - g, 25.5 + g}},
         top);
  RoundRect(cr, f.Left() - g, 11.3 - g, 14 + 2 * f.bulk + 2 * g, 11.2 + 2 * g, 3.2, top);
  RoundRect(cr, f.HandLX() - 2 - g, 12.3 - g, 4 + 2 * g, 9.4 + 2 * g, 2, arm);
  RoundRect(cr, f.HandRX() - 2 - g, 12.3 - g, 4 + 2 * g, 9.4 + 2 * g, 2, arm);
  Ellipse(cr, f.HandLX(), f.handY, 1.9 + g, 1.9 + g, hand);
  Ellipse(cr, f.HandRX(), f.handY, 1.9 + g, 1.9 + g, hand);
  if (!ink) Line(cr, 15, 15.5, 15, 22, Darker(l.top, 0.18), 1);  // the jacket's or shirt's front
}

void Hair(cairo_t* cr, const Look& l, const Frame& f) {
  const Rgb h = l.hair;
  const double x = f.headX, y = f.headY, r = f.headR;
  switch (l.cut) {
    case HairCut::kBald:
      Ellipse(cr, x - 1.8, y - 2.6, 1.6, 1.1, Lighter(l.skin, 0.4));
      return;
    case HairCut::kBalding:
      Ellipse(cr, x - 1.8, y - 2.6, 1.6, 1.1, Lighter(l.skin, 0.4));
      Arc(cr, x, y, r - 0.6, M_PI * 0.78, M_PI * 1.12, h, 1.8);
      Arc(cr, x, y, r - 0.6, M_PI * 1.88, M_PI * 2.22, h, 1.8);
      return;
    case HairCut::kLong:
    case HairCut::kBob:
      RoundRect(cr, x - r - 0.9, y - 1, 2.6, l.cut == HairCut::kLong ? 9 : 5.5, 1.2, h);
      RoundRect(cr, x + r - 1.7, y - 1, 2.6, l.cut == HairCut::kLong ? 9 : 5.5, 1.2, h);
      break;
    case HairCut::kFrizz:
      for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (0.9 + i * 0.15);
        Ellipse(cr, x + std::cos(a) * (r - 0.2), y + std::sin(a) * (r - 0.2) + 0.5, 2.4, 2.4, h);
      }
      break;
    default:
      break;
  }
  // The crown: everything of the head above the brow line.
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, x, y, r + 0.5, 0, 2 * M_PI);
  cairo_clip(cr);
  const double brow =
      l.cut == HairCut::kCrew ? y - 2.4 : (l.cut == HairCut::kBob ? y - 0.2 : y - 0.8);
  FillRect(cr, x - r - 1, y - r - 1, 2 * r + 2, brow - (y - r - 1), h);
  if (l.cut != HairCut::kCrew && l.cut != HairCut::kBob)  // sideburns / hair at the temples
    FillRect(cr, x - r - 1, brow, 1.8, 2.4, h), FillRect(cr, x + r - 0.8, brow, 1.8, 2.4, h);
  if (l.cut == HairCut::kSlick) Line(cr, x - 3, y - 3.2, x + 1, y - 4.2, Lighter(h, 0.45), 1);
  cairo_restore(cr);
  switch (l.cut) {
    case HairCut::kCurly:
      for (int i = 0; i < 7; ++i) {
        const double a = M_PI * (1.0 + i / 6.0);
        Ellipse(cr, x + std::cos(a) * r, y - 0.5 + std::sin(a) * (r - 0.5), 1.7, 1.7, h);
      }
      break;
    case HairCut::kBun:
      Ellipse(cr, x, y - r + 0.2, 2.4, 1.9, Darker(h, 0.15));
      break;
    case HairCut::kPonytail:
      Ellipse(cr, x + r + 0.6, y + 4.5, 1.6, 3.2, h);
      Ellipse(cr, x + r - 0.6, y + 0.6, 1.1, 1.1, kRed);  // the band
      break;
    case HairCut::kPigtails:
      Ellipse(cr, x - r - 1, y + 1.5, 1.8, 2.4, h);
      Ellipse(cr, x + r + 1, y + 1.5, 1.8, 2.4, h);
      break;
    default:
      break;
  }
}

void Eyes(cairo_t* cr, const Look& l) {
  const Rgb eye{40, 28, 24};
  (void)l;
  FillRect(cr, 12, 8, 1, 2, eye);
  FillRect(cr, 17, 8, 1, 2, eye);
  FillRect(cr, 14.5, 11, 1, 1, Darker(l.skin, 0.25));  // shade under the nose
}

void HatShape(cairo_t* cr, const Look& l, const Frame& f) {
  const Rgb c = l.hatColour;
  const double x = f.headX, y = f.headY;
  switch (l.hat) {
    case Hat::kNone:
    case Hat::kScarf:
      return;
    case Hat::kFez:
      InkRect(cr, x - 4, y - 7, 8, 6.5, c, 1);
      Ellipse(cr, x, y - 5.8, 2.6, 1, Darker(c, 0.25));
      Line(cr, x + 0.5, y - 5.5, x + 3.5, y - 2, kBlack, 1);  // tassel
      return;
    case Hat::kSkullcap:
      InkEllipse(cr, x, y - 3, 4.8, 2.9, c);
      for (int i = -2; i <= 2; ++i) FillRect(cr, x + i * 1.8 - 0.5, y - 3, 1, 1, kRed);
      return;
    case Hat::kStraw:
      InkEllipse(cr, x, y - 2.6, 9.2, 4.9, c);
      InkEllipse(cr, x, y - 3.6, 4.8, 3.2, Darker(c, 0.08));
      Arc(cr, x, y - 3.3, 4.3, 0.15 * M_PI, 0.85 * M_PI, kDarkRed, 1.3);  // band
      return;
    case Hat::kHelmet:  // the dome stops at the brow so the face still shows
      InkEllipse(cr, x, y - 2.8, 6.4, 4.2, c);
      Ellipse(cr, x - 1.8, y - 4.4, 2.2, 1.3, Lighter(c, 0.3));
      FillRect(cr, x - 6, y + 0.4, 12, 1, Darker(c, 0.35));  // rim
      return;
    case Hat::kHardHat:
      InkEllipse(cr, x, y - 1.8, 7, 4.6, c);
      InkEllipse(cr, x, y - 2.6, 4.6, 3.3, Lighter(c, 0.12));
      Line(cr, x, y - 5.8, x, y + 0.4, Darker(c, 0.2), 1);
      return;
    case Hat::kPeaked:
      InkEllipse(cr, x, y - 3.4, 6.2, 3.6, c);
      FillRect(cr, x - 5, y - 1.6, 10, 1.4, Darker(c, 0.3));  // band
      InkEllipse(cr, x, y + 0.3, 4.6, 1.3, kBlack);           // visor
      Ellipse(cr, x, y - 2.4, 1.2, 1.2, kGold);               // badge
      return;
    case Hat::kFlat:
    case Hat::kFlatAskew:
    case Hat::kCap: {
      cairo_save(cr);
      cairo_translate(cr, x, y);
      if (l.hat == Hat::kFlatAskew) cairo_rotate(cr, -0.5);
      InkEllipse(cr, 0, -3, 5.8, 3.4, c);
      if (l.hat == Hat::kCap)
        InkEllipse(cr, 0, 0.2, 3.8, 1.1, Darker(c, 0.15));
      else
        Arc(cr, 0, -2.6, 4.6, 0.15 * M_PI, 0.85 * M_PI, Darker(c, 0.3), 1);
      cairo_restore(cr);
      return;
    }
    case Hat::kBeret:
      InkEllipse(cr, x - 1, y - 3.2, 6.2, 3.4, c);
      Ellipse(cr, x - 3.2, y - 2.6, 1, 1, kGold);
      return;
    case Hat::kToque:
      InkEllipse(cr, x, y - 3.8, 5.6, 3.8, c);
      Ellipse(cr, x - 2.2, y - 4.8, 2, 1.6, kWhite);
      Ellipse(cr, x + 2, y - 4.6, 2, 1.6, Darker(c, 0.06));
      FillRect(cr, x - 4.5, y - 1.2, 9, 1.2, Darker(c, 0.15));
      return;
    case Hat::kVisor:
      Arc(cr, x, y + 0.5, 5.1, 1.15 * M_PI, 1.85 * M_PI, c, 2);
      InkEllipse(cr, x, y - 1.4, 3.6, 1.2, c);
      return;
    case Hat::kNurseCap:
      InkRect(cr, x - 3.5, y - 6, 7, 3.5, c, 0.5);
      FillRect(cr, x - 0.5, y - 5.4, 1, 2.4, kRed);
      FillRect(cr, x - 1.5, y - 4.7, 3, 1, kRed);
      return;
    case Hat::kPaperHat:
      Poly(cr, {{x - 5.5, y - 2}, {x + 5.5, y - 2}, {x + 3, y - 6}, {x - 3, y - 6}}, kInk);
      Poly(cr, {{x - 4.5, y - 2.6}, {x + 4.5, y - 2.6}, {x + 2.5, y - 5.4}, {x - 2.5, y - 5.4}}, c);
      return;
  }
}

// A headscarf wraps the head and falls on the shoulders, leaving an oval face.
void Scarf(cairo_t* cr, const Look& l, const Frame& f, bool ink) {
  const double g = ink ? 1 : 0;
  const Rgb c = ink ? kInk : l.hatColour;
  Ellipse(cr, f.headX, f.headY - 0.2, f.headR + 1.3 + g, f.headR + 1.1 + g, c);
  Poly(cr,
       {{f.headX - 6.8 - g, f.headY + 1},
        {f.headX + 6.8 + g, f.headY + 1},
        {f.headX + 8.2 + g, 16 + g},
        {f.headX - 8.2 - g, 16 + g}},
       c);
  if (!ink) {
    InkEllipse(cr, f.headX, f.headY + 1.3, 3.7, 4.1, l.skin);
    Arc(cr, f.headX, f.headY + 1.3, 4.6, 1.1 * M_PI, 1.9 * M_PI, Darker(c, 0.25), 1);
  }
}

void Draw(cairo_t* cr, const Look& l, const Frame& f, Layer layer) {
  for (const Worn& w : l.worn)
    if (w.acc != Acc::kNone && LayerOf(w.acc) == layer) DrawWorn(cr, l, f, w);
}

}  // namespace

void DrawPerson(cairo_t* cr, const Look& l) {
  cairo_save(cr);
  if (l.scale != 1.0) {
    cairo_translate(cr, 15, 29.5);
    cairo_scale(cr, l.scale, l.scale);
    cairo_translate(cr, -15, -29.5);
  }
  const Frame f{l.bulk};
  Draw(cr, l, f, Layer::kBehind);
  // The ink rim of the whole figure first, then the colours over it.
  Legs(cr, l, f, 1, true);
  Torso(cr, l, f, 1, true);
  Ellipse(cr, f.headX, f.headY, f.headR + 1, f.headR + 1, kInk);
  if (l.hat == Hat::kScarf) Scarf(cr, l, f, true);
  Legs(cr, l, f, 0, false);
  Torso(cr, l, f, 0, false);
  Draw(cr, l, f, Layer::kClothes);
  if (l.hat == Hat::kScarf) {
    Scarf(cr, l, f, false);
  } else {
    Ellipse(cr, f.headX, f.headY, f.headR, f.headR, l.skin);
    Hair(cr, l, f);
  }
  Eyes(cr, l);
  Draw(cr, l, f, Layer::kFace);
  HatShape(cr, l, f);
  Draw(cr, l, f, Layer::kHat);
  Draw(cr, l, f, Layer::kHand);
  cairo_restore(cr);
}

}  // namespace forge::objects
