// People who sit or come in groups, and the animals of the object strip.
// They reuse the standing figure of object_tiles_person.cpp, placed and scaled.
#include <cmath>

#include "figures/object_tiles_person.h"

namespace forge::objects {
namespace {

constexpr Rgb kSkin{196, 146, 106};
constexpr Rgb kHairBlack{36, 30, 28};

// A person drawn at `s` of full size with the feet at (x, y).
void Small(cairo_t* cr, const Look& l, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_translate(cr, -15, -29.5);
  DrawPerson(cr, l);
  cairo_restore(cr);
}

void Armchair(cairo_t* cr, Rgb c) {
  RoundRect(cr, 2, 6, 26, 22, 4, kInk);
  RoundRect(cr, 3, 7, 24, 20, 3.5, c);
  RoundRect(cr, 6, 10, 18, 15, 2, Darker(c, 0.25));
}

void Watchman20(Tile& t, int) {  // asleep in his chair, head dropped to one side
  cairo_t* cr = t.cr;
  Armchair(cr, Rgb{120, 84, 50});
  const Look l{kSkin,
               kHairBlack,
               HairCut::kShort,
               Hat::kCap,
               {60, 70, 90},
               {84, 96, 120},
               {84, 96, 120},
               {70, 70, 80},
               Lower::kTrousers,
               0.8,
               1,
               {{Acc::kStubble, {80, 70, 60}}, {Acc::kTorch, kBlack}}};
  cairo_save(cr);
  cairo_translate(cr, 15, 29);
  cairo_rotate(cr, -0.18);
  cairo_translate(cr, -15, -29);
  DrawPerson(cr, l);
  FillRect(cr, 11, 8, 3, 2, kSkin);  // eyes shut
  FillRect(cr, 16, 8, 3, 2, kSkin);
  FillRect(cr, 11, 9, 3, 1, kDarkBrown);
  FillRect(cr, 16, 9, 3, 1, kDarkBrown);
  cairo_restore(cr);
  Text(cr, 22, 7, "z", 6, kWhite, true);
  Text(cr, 25, 3.5, "z", 4.5, kWhite, true);
}

void Rashid63(Tile& t, int) {  // seated in shirt sleeves with a cigar
  Armchair(t.cr, Rgb{90, 40, 30});
  const Look l{kSkin,
               kHairBlack,
               HairCut::kSlick,
               Hat::kNone,
               {},
               {236, 232, 220},
               kSkin,
               {80, 76, 70},
               Lower::kTrousers,
               1.5,
               1,
               {{Acc::kBigMoustache, kHairBlack},
                {Acc::kCigar, {}},
                {Acc::kBelt, kBlack},
                {Acc::kSleeveGuards, {236, 232, 220}}}};
  DrawPerson(t.cr, l);
}

void OudPlayer79(Tile& t, int) {
  cairo_t* cr = t.cr;
  InkEllipse(cr, 15, 22, 10, 5, Rgb{120, 40, 50});  // his cushion
  const Look l{kSkin,
               kHairBlack,
               HairCut::kCurly,
               Hat::kNone,
               {},
               {232, 222, 190},
               {232, 222, 190},
               {232, 222, 190},
               Lower::kRobe,
               0.5,
               1,
               {{Acc::kWaistcoat, {30, 90, 60}}, {Acc::kBeard, kHairBlack}}};
  DrawPerson(cr, l);
  cairo_save(cr);
  cairo_translate(cr, 13, 19);
  cairo_rotate(cr, -0.6);
  Line(cr, 4, 0, 14, 0, kInk, 3.4), Line(cr, 4, 0, 14, 0, kDarkBrown, 1.8);  // the neck
  InkEllipse(cr, 0, 0, 6.5, 4.8, Rgb{176, 112, 50});
  Ellipse(cr, 0.5, 0, 1.6, 1.6, kDarkBrown);
  Line(cr, -5, 0, 14, 0, kPaper, 0.8);  // strings
  cairo_restore(cr);
}

void Picnic80(Tile& t, int) {
  cairo_t* cr = t.cr;
  FillRect(cr, 1, 4, 28, 25, kInk);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 7; ++x)
      FillRect(cr, 2 + x * 3.8, 5 + y * 3.9, 3.8, 3.9, (x + y) % 2 ? kWhite : kRed);
  const Look father{kSkin,          kHairBlack,    HairCut::kShort,  Hat::kNone, {}, {240, 200, 80},
                    {240, 200, 80}, {60, 80, 130}, Lower::kTrousers, 0.5,        1,  {}};
  const Look mother{kSkin,
                    kHairBlack,
                    HairCut::kShort,
                    Hat::kScarf,
                    {70, 140, 170},
                    {160, 60, 90},
                    {160, 60, 90},
                    {160, 60, 90},
                    Lower::kRobe,
                    0,
                    1,
                    {}};
  const Look child{kSkin,         kHairBlack,    HairCut::kPigtails, Hat::kNone, {}, {90, 180, 90},
                   {90, 180, 90}, {90, 180, 90}, Lower::kSkirt,      0,          1,  {}};
  Small(cr, father, 8, 22, 0.62);
  Small(cr, mother, 22, 22, 0.6);
  Small(cr, child, 15, 29.5, 0.42);
  InkRect(cr, 12, 6, 7, 5, kStraw, 1);  // the basket
}

void Students85(Tile& t, int) {  // two students behind a lab bench with glassware
  cairo_t* cr = t.cr;
  const Look a{kSkin,  kHairBlack, HairCut::kCurly, Hat::kNone, {}, kWhite,
               kWhite, kWhite,     Lower::kCoat,    0,          1,  {{Acc::kGlasses, kGrey}}};
  const Look b{{226, 184, 150}, {90, 56, 30}, HairCut::kPonytail, Hat::kNone, {}, kWhite,
               kWhite,          kWhite,       Lower::kCoat,       0,          1,  {}};
  Small(cr, a, 8.5, 24, 0.62);
  Small(cr, b, 21.5, 24, 0.62);
  FillRect(cr, 0, 16, 30, 13, kInk);
  FillRect(cr, 0, 17, 30, 11, Rgb{222, 226, 230});
  FillRect(cr, 0, 26, 30, 2, kSteel);
  InkEllipse(cr, 10, 21, 2.4, 2.4, Rgb{150, 220, 170});  // a flask
  InkRect(cr, 19, 18, 3, 6, Rgb{190, 150, 230}, 1);      // a test tube
  InkRect(cr, 23, 19, 3, 5, Rgb{240, 200, 90}, 1);
}

void Couple179(Tile& t, int) {
  const Look man{{240, 192, 172},
                 {214, 176, 96},
                 HairCut::kShort,
                 Hat::kCap,
                 {240, 240, 236},
                 {90, 160, 210},
                 {90, 160, 210},
                 {220, 210, 180},
                 Lower::kShorts,
                 0.5,
                 1,
                 {{Acc::kCamera, kBlack}}};
  const Look woman{{240, 192, 172},
                   {200, 120, 60},
                   HairCut::kLong,
                   Hat::kStraw,
                   {236, 130, 170},
                   {250, 250, 250},
                   {250, 250, 250},
                   {236, 130, 170},
                   Lower::kSkirt,
                   0,
                   1,
                   {{Acc::kBags, {230, 200, 120}}}};
  Small(t.cr, man, 9, 29.5, 0.78);
  Small(t.cr, woman, 21, 29.5, 0.76);
}

void Backgammon191(Tile& t, int) {
  cairo_t* cr = t.cr;
  const Look l{kSkin,
               {150, 148, 144},
               HairCut::kBalding,
               Hat::kNone,
               {},
               {150, 120, 80},
               {150, 120, 80},
               {80, 70, 60},
               Lower::kTrousers,
               1,
               1,
               {{Acc::kMoustache, {150, 148, 144}}, {Acc::kBeads, {180, 40, 40}}}};
  DrawPerson(cr, l);
  InkRect(cr, 3, 18, 24, 11, Rgb{120, 70, 36});
  FillRect(cr, 4, 19, 22, 9, Rgb{230, 210, 160});
  FillRect(cr, 14.5, 19, 1, 9, Rgb{120, 70, 36});
  for (int i = 0; i < 6; ++i) {  // the points
    const double x = 4.5 + i * 3.6 + (i >= 3 ? 1 : 0);
    Poly(cr, {{x, 19}, {x + 3, 19}, {x + 1.5, 23}}, i % 2 ? kDarkRed : kDarkBrown);
    Poly(cr, {{x, 28}, {x + 3, 28}, {x + 1.5, 24}}, i % 2 ? kDarkBrown : kDarkRed);
  }
  InkEllipse(cr, 8, 20.5, 1.2, 1.2, kWhite), InkEllipse(cr, 22, 26.5, 1.2, 1.2, kBlack);
}

// --- Animals ----------------------------------------------------------------------

void Cat134(Tile& t, int) {  // grey tabby sitting, one ear torn
  cairo_t* cr = t.cr;
  const Rgb fur{140, 140, 136};
  const Rgb stripe{84, 84, 82};
  Line(cr, 20, 26, 27, 20, kInk, 3.6), Line(cr, 20, 26, 27, 20, fur, 2);  // tail
  InkEllipse(cr, 15, 21, 7, 7.5, fur);
  for (int i = 0; i < 3; ++i) Arc(cr, 15, 24, 3 + i * 2.4, 1.15 * M_PI, 1.85 * M_PI, stripe, 1);
  Poly(cr, {{9, 9}, {10, 1.5}, {14, 6}}, kInk);
  Poly(cr, {{16, 6}, {20, 1.5}, {21, 9}}, kInk);
  Poly(cr, {{10, 8}, {10.8, 3}, {13.2, 6}}, fur);
  Poly(cr, {{17, 6}, {19.6, 3}, {20, 8}}, fur);
  FillRect(cr, 19, 3, 2, 2, kInk);  // the tear
  InkEllipse(cr, 15, 10, 5.6, 4.8, fur);
  FillRect(cr, 14, 6, 2, 3, stripe);
  FillRect(cr, 12, 9, 2, 1, Rgb{200, 200, 60}), FillRect(cr, 16, 9, 2, 1, Rgb{200, 200, 60});
  FillRect(cr, 14.5, 11.5, 1, 1, kPink);
  Ellipse(cr, 12, 28, 1.6, 1, kWhite), Ellipse(cr, 18, 28, 1.6, 1, kWhite);  // paws
}

void Dog166(Tile& t, int) {  // standing, seen from the side, nose left
  cairo_t* cr = t.cr;
  const Rgb coat{170, 120, 70};
  for (double x : {9.0, 12.0, 19.0, 22.0}) InkRect(cr, x - 1, 18, 3, 9, Darker(coat, 0.15));
  Line(cr, 23, 13, 28, 7, kInk, 3.4), Line(cr, 23, 13, 28, 7, coat, 1.8);
  InkEllipse(cr, 16, 15, 9, 5, coat);
  Ellipse(cr, 17, 13, 5, 2, Lighter(coat, 0.25));
  InkEllipse(cr, 6.5, 10, 4.2, 3.8, coat);
  InkEllipse(cr, 3, 11.5, 2.4, 1.8, Lighter(coat, 0.2));
  FillRect(cr, 1, 10.5, 1.5, 1.5, kBlack);    // nose
  Ellipse(cr, 8.5, 8.5, 1.6, 3, kDarkBrown);  // ear
  FillRect(cr, 5, 9, 1, 1, kBlack);
  FillRect(cr, 9, 13, 5, 1.4, kRed);  // collar
}

void Donkey167(Tile& t, int) {
  cairo_t* cr = t.cr;
  const Rgb coat{128, 122, 116};
  for (double x : {9.0, 12.5, 20.0, 23.5}) InkRect(cr, x - 1.2, 17, 3.2, 11, Darker(coat, 0.1));
  InkEllipse(cr, 17, 14, 10, 6, coat);
  Ellipse(cr, 17, 17, 7, 2.5, Lighter(coat, 0.4));  // pale belly
  Line(cr, 27, 12, 29, 20, kInk, 2.4), Line(cr, 27, 12, 29, 20, coat, 1);
  Poly(cr, {{9, 11}, {6, 4}, {3, 5}, {4, 14}}, kInk);
  Poly(cr, {{8, 11}, {5.6, 5}, {4, 6}, {5, 13}}, coat);  // neck
  InkEllipse(cr, 4, 8, 3.2, 4.5, coat);
  Ellipse(cr, 3.2, 11, 2.4, 2, Lighter(coat, 0.45));  // muzzle
  Poly(cr, {{4, 4}, {6, -0.5}, {7, 4}}, kInk), Poly(cr, {{2, 4}, {2.5, -0.5}, {4.5, 4}}, kInk);
  Poly(cr, {{4.8, 3.8}, {6, 0.8}, {6.3, 3.8}}, coat);
  FillRect(cr, 5, 7, 1, 1, kBlack);
  InkRect(cr, 12, 8, 10, 7, Rgb{150, 50, 40}, 1);  // a saddle blanket
  Line(cr, 12, 9, 22, 9, kYellow, 1);
}

void SleepingDog135(Tile& t, int) {
  cairo_t* cr = t.cr;
  const Rgb coat{196, 160, 110};
  InkEllipse(cr, 15, 16, 11, 9, coat);
  Arc(cr, 15, 16, 6.5, 0.3, 4.8, Darker(coat, 0.3), 1);
  InkEllipse(cr, 9, 19, 4.2, 3.6, coat);               // head on the paws
  Ellipse(cr, 7.5, 16.5, 2, 1.4, Darker(coat, 0.35));  // ear
  FillRect(cr, 5, 20, 1.5, 1.5, kBlack);
  Line(cr, 8.5, 19, 11, 19, kDarkBrown, 1);         // shut eye
  Line(cr, 24, 12, 20, 24, Lighter(coat, 0.2), 2);  // tail round the body
}

void Pigeons133(Tile& t, int) {
  const double pos[][3] = {{9, 10, 0.4}, {21, 13, -0.5}, {13, 22, 1.9}};
  for (const auto& p : pos) {
    cairo_save(t.cr);
    cairo_translate(t.cr, p[0], p[1]);
    cairo_rotate(t.cr, p[2]);
    InkEllipse(t.cr, 0, 0, 2.6, 4, Rgb{150, 150, 160});
    Ellipse(t.cr, 0, 1.5, 2, 1.6, Rgb{110, 110, 124});
    InkEllipse(t.cr, 0, -4.3, 1.7, 1.7, Rgb{100, 120, 120});
    FillRect(t.cr, -0.5, -7, 1, 1.4, kOrange);
    cairo_restore(t.cr);
  }
}

constexpr Entry kFigures[] = {
    {20, Watchman20}, {63, Rashid63},    {79, OudPlayer79}, {80, Picnic80},
    {85, Students85}, {133, Pigeons133}, {134, Cat134},     {135, SleepingDog135},
    {166, Dog166},    {167, Donkey167},  {179, Couple179},  {191, Backgammon191},
};

}  // namespace

std::span<const Entry> FigureEntries() { return kFigures; }

}  // namespace forge::objects
