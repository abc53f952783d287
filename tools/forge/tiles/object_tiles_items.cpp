// Pick-ups and inventory pictures of the object strip: each object alone and centred,
// large enough to read in the inventory bar on its own.
#include <cmath>

#include "tiles/object_tiles.h"

namespace forge::objects {
namespace {

// A plastic card at a slight tilt, with a coloured band, a photo box and text lines.
void Card(cairo_t* cr, Rgb body, Rgb band, Rgb lines) {
  cairo_save(cr);
  cairo_translate(cr, 15, 15);
  cairo_rotate(cr, -0.18);
  RoundRect(cr, -12.5, -8.5, 25, 17, 2, kInk);
  RoundRect(cr, -11.5, -7.5, 23, 15, 1.5, body);
  FillRect(cr, -11.5, -7.5, 23, 4, band);
  for (int i = 0; i < 3; ++i) FillRect(cr, -1, -1 + i * 2.6, 10 - i * 2, 1, lines);
  cairo_restore(cr);
}

void Photo(cairo_t* cr) {  // the holder's face on an ID card
  cairo_save(cr);
  cairo_translate(cr, 15, 15);
  cairo_rotate(cr, -0.18);
  FillRect(cr, -10, -2, 7, 8, Rgb{170, 190, 210});
  Ellipse(cr, -6.5, 1, 2, 2.2, Rgb{214, 168, 130});
  Ellipse(cr, -6.5, -0.6, 2, 1, Rgb{150, 150, 150});
  FillRect(cr, -9.5, 4, 6, 2, Rgb{240, 240, 240});
  cairo_restore(cr);
}

void Employee32(Tile& t, int) {  // white card, black oil drop
  Card(t.cr, kWhite, kCompany, kDarkGrey);
  cairo_t* cr = t.cr;
  Ellipse(cr, 9, 17.6, 3, 3, kBlack);
  Poly(cr, {{6.6, 16.4}, {9, 11}, {11.4, 16.4}}, kBlack);
}

void Coin33(Tile& t, int) {
  InkEllipse(t.cr, 15, 15, 9, 9, kGold);
  Arc(t.cr, 15, 15, 7, 0, 2 * M_PI, Darker(kGold, 0.25), 1);
  Ellipse(t.cr, 13, 12.5, 2.5, 2, Lighter(kGold, 0.5));
  Poly(t.cr, {{15, 10}, {19, 17}, {11, 17}}, Darker(kGold, 0.3));  // a stamped pyramid
}

void Shoes38(Tile& t, int) {
  cairo_t* cr = t.cr;
  for (double x : {10.0, 20.0}) {
    InkEllipse(cr, x, 15, 4.2, 10, kBlack);
    Ellipse(cr, x, 19.5, 2.4, 3.5, Rgb{90, 70, 60});        // heel lining
    Ellipse(cr, x - 1.5, 9, 1.2, 2.5, Rgb{150, 150, 160});  // the shine
    FillRect(cr, x - 2, 13, 4, 1, Rgb{70, 70, 74});
  }
}

void Watch39(Tile& t, int) {
  cairo_t* cr = t.cr;
  FillRect(cr, 11, 1, 8, 28, kInk);
  FillRect(cr, 12, 1, 6, 28, kGold);
  for (int y = 3; y < 29; y += 3) FillRect(cr, 12, y, 6, 1, Darker(kGold, 0.3));
  InkEllipse(cr, 15, 15, 7, 7, kGold);
  Ellipse(cr, 15, 15, 5.2, 5.2, kWhite);
  Line(cr, 15, 15, 15, 11, kBlack, 1.2);
  Line(cr, 15, 15, 18, 15, kBlack, 1);
  FillRect(cr, 22, 14, 2, 2, kGold);  // crown
}

void Lipstick40(Tile& t, int) {
  cairo_t* cr = t.cr;
  cairo_save(cr);
  cairo_translate(cr, 15, 15);
  cairo_rotate(cr, 0.6);
  cairo_scale(cr, 1.2, 1.2);
  InkRect(cr, -3.5, -1, 7, 13, kGold, 1);
  FillRect(cr, -2.5, 2, 5, 1, Darker(kGold, 0.3));
  Poly(cr, {{-3, -1}, {3, -1}, {3, -9}, {-3, -6}}, kInk);
  Poly(cr, {{-2, -1.5}, {2, -1.5}, {2, -7.6}, {-2, -5.6}}, kRed);
  cairo_restore(cr);
}

void Bowl41(Tile& t, int) {
  cairo_t* cr = t.cr;
  const Rgb glaze{40, 86, 170};
  InkEllipse(cr, 15, 15, 12, 12, glaze);
  Ellipse(cr, 15, 15, 9, 9, Rgb{236, 236, 240});
  Ellipse(cr, 15, 15, 4, 4, glaze);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4;
    Ellipse(cr, 15 + std::cos(a) * 6.5, 15 + std::sin(a) * 6.5, 1.3, 1.3, glaze);
  }
  Ellipse(cr, 10, 9, 1.5, 1, kWhite);
}

void Key42(Tile& t, int) {
  cairo_t* cr = t.cr;
  cairo_save(cr);
  cairo_translate(cr, 15, 15);
  cairo_rotate(cr, -0.7);
  InkEllipse(cr, -7, 0, 5, 5, kBrass);
  Ellipse(cr, -7, 0, 2, 2, kInk);
  InkRect(cr, -3, -1.5, 16, 3, kBrass);
  InkRect(cr, 8, 1, 2.5, 4.5, kBrass);
  InkRect(cr, 11, 1, 2.5, 3, kBrass);
  cairo_restore(cr);
}

void Magazine43(Tile& t, int) {
  cairo_t* cr = t.cr;
  InkRect(cr, 6, 2, 18, 26, Rgb{236, 110, 170});
  FillRect(cr, 7, 3, 16, 5, Rgb{250, 236, 120});  // masthead
  FillRect(cr, 8, 4, 10, 3, Rgb{200, 40, 120});
  Ellipse(cr, 15, 17, 4.5, 5.5, Rgb{232, 190, 160});  // a cover face
  Ellipse(cr, 15, 14, 5, 3, Rgb{90, 50, 30});
  FillRect(cr, 8, 24, 6, 1, kWhite), FillRect(cr, 17, 24, 5, 1, kWhite);
}

void Tickets73(Tile& t, int) {
  cairo_t* cr = t.cr;
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 15 + i * 1.5, 12 + i * 6);
    cairo_rotate(cr, -0.25 + i * 0.3);
    InkRect(cr, -12, -5, 24, 10, i ? Rgb{236, 200, 80} : Rgb{240, 150, 60});
    for (int y = -4; y < 5; y += 2) FillRect(cr, 4.5, y, 1, 1, kInk);  // perforation
    FillRect(cr, -9, -2, 11, 1, kDarkRed), FillRect(cr, -9, 1, 8, 1, kDarkRed);
    cairo_restore(cr);
  }
}

void Disguise84(Tile& t, int) {  // wig and beard, glasses on top, the ID booklet beside
  cairo_t* cr = t.cr;
  InkRect(cr, 17, 13, 11, 15, Rgb{40, 70, 50}, 1);
  FillRect(cr, 19, 16, 7, 1, kGold), FillRect(cr, 20, 19, 5, 5, kGold);
  for (int i = 0; i < 8; ++i)
    InkEllipse(cr, 6 + (i % 4) * 3.4, 7 + (i / 4) * 3, 2.2, 2.2, kLightGrey);
  Poly(cr, {{3, 15}, {17, 15}, {14, 24}, {10, 27}, {6, 24}}, kInk);
  Poly(cr, {{4.5, 16}, {15.5, 16}, {13, 23}, {10, 25.5}, {7, 23}}, Rgb{200, 200, 196});
  Arc(cr, 7, 18, 2.2, 0, 2 * M_PI, kBlack, 1.4);  // the glasses over the beard
  Arc(cr, 13, 18, 2.2, 0, 2 * M_PI, kBlack, 1.4);
  Line(cr, 9, 18, 11, 18, kBlack, 1.2);
}

void ScientistId120(Tile& t, int) {
  Card(t.cr, Rgb{226, 232, 240}, kBlue, kDarkGrey);
  Photo(t.cr);
}

void StudentPass121(Tile& t, int) {
  Card(t.cr, Rgb{110, 190, 110}, kDarkGreen, kDarkGreen);
  Photo(t.cr);
}

void Lockpick122(Tile& t, int) {  // a leather roll, open, with the picks in their loops
  cairo_t* cr = t.cr;
  InkRect(cr, 3, 8, 24, 15, Rgb{120, 76, 42}, 1.5);
  InkEllipse(cr, 25, 15.5, 3, 7, Rgb{100, 62, 34});  // the rolled end
  for (int i = 0; i < 5; ++i) {
    const double x = 6 + i * 3.6;
    Line(cr, x, 5, x, 21, kLightGrey, 1.2);
    FillRect(cr, x - 1, 4 + (i % 3), 2, 1.5, kLightGrey);
    FillRect(cr, x - 1.5, 15, 3, 2, Rgb{80, 50, 28});
  }
}

void Envelope123(Tile& t, int) {
  cairo_t* cr = t.cr;
  InkRect(cr, 2, 6, 26, 18, kPaper);
  Line(cr, 3, 7, 15, 16, Darker(kPaper, 0.25), 1);
  Line(cr, 27, 7, 15, 16, Darker(kPaper, 0.25), 1);
  InkEllipse(cr, 15, 16, 3.4, 3.4, kDarkRed);  // the wax seal
  Ellipse(cr, 14.2, 15.2, 1.2, 1.2, kRed);
}

void Plans(Tile& t, Rgb band) {  // rolled blueprints tied with a band
  cairo_t* cr = t.cr;
  const Rgb blue{58, 98, 168};
  for (int i = 0; i < 2; ++i) {
    const double y = 9 + i * 9;
    InkRect(cr, 2, y, 23, 8, blue, 3);
    FillRect(cr, 4, y + 2, 19, 1, Lighter(blue, 0.35));
    InkEllipse(cr, 25, y + 4, 1.8, 3.4, Lighter(blue, 0.55));
    Arc(cr, 25, y + 4, 1.2, 0, 2 * M_PI, blue, 1);
  }
  InkRect(cr, 13, 7, 4, 21, band);
}

void FakePlans126(Tile& t, int) { Plans(t, kRed); }
void RealPlans127(Tile& t, int) { Plans(t, Rgb{40, 60, 220}); }

void CarKeys128(Tile& t, int) {
  cairo_t* cr = t.cr;
  Arc(cr, 10, 10, 6, 0, 2 * M_PI, kInk, 3);
  Arc(cr, 10, 10, 6, 0, 2 * M_PI, kSteel, 1.4);
  InkRect(cr, 14, 14, 13, 13, kBlack, 3);  // the fob
  Ellipse(cr, 20.5, 20.5, 3, 3, kSteel);
  FillRect(cr, 19, 19, 3, 3, kBlue);
  cairo_save(cr);
  cairo_translate(cr, 5, 15);
  cairo_rotate(cr, 1.2);
  InkRect(cr, 0, -1.5, 12, 3, kSteel);
  cairo_restore(cr);
}

void Wig129(Tile& t, int) {
  Noise n(129);
  InkEllipse(t.cr, 15, 15, 12, 10, Rgb{170, 170, 166});
  for (int i = 0; i < 30; ++i) {
    const double a = n.Unit() * 2 * M_PI, r = n.Unit() * 10;
    Arc(t.cr, 15 + std::cos(a) * r, 15 + std::sin(a) * r * 0.8, 1.6, 0, 5,
        i % 2 ? kLightGrey : Rgb{120, 120, 118}, 1);
  }
}

void Dress130(Tile& t, int) {
  cairo_t* cr = t.cr;
  const Rgb green{30, 150, 80};
  Poly(cr, {{10, 1}, {20, 1}, {23, 9}, {28, 28}, {2, 28}, {7, 9}}, kInk);
  Poly(cr, {{11, 2}, {19, 2}, {21.8, 9.5}, {26.6, 27}, {3.4, 27}, {8.2, 9.5}}, green);
  Poly(cr, {{12.5, 2}, {17.5, 2}, {15, 6}}, kInk);  // neckline
  FillRect(cr, 8, 10, 14, 2, Lighter(green, 0.4));  // sash
  for (int i = 0; i < 4; ++i) Line(cr, 9 + i * 4, 14, 6 + i * 5.5, 26, Darker(green, 0.3), 1);
}

void Ball150(Tile& t, int) {
  InkEllipse(t.cr, 15, 16, 9, 9, Rgb{40, 90, 210});
  Arc(t.cr, 15, 16, 6, 0.5, 2.6, kWhite, 1.5);
  Ellipse(t.cr, 11.5, 12, 2.4, 1.8, Rgb{150, 190, 250});
}

void ClubCard162(Tile& t, int) {
  Card(t.cr, Rgb{26, 24, 28}, kGold, kGold);
  cairo_save(t.cr);
  cairo_translate(t.cr, 15, 15);
  cairo_rotate(t.cr, -0.18);
  Ellipse(t.cr, -6.5, 2, 3, 3, kGold);  // the water pipe emblem
  Ellipse(t.cr, -6.5, 2, 1.5, 1.5, Rgb{26, 24, 28});
  cairo_restore(t.cr);
}

void SecurityPass172(Tile& t, int) {
  Card(t.cr, Rgb{200, 40, 40}, kDarkRed, kWhite);
  cairo_save(t.cr);
  cairo_translate(t.cr, 15, 15);
  cairo_rotate(t.cr, -0.18);
  const Rgb holo[] = {{240, 120, 240}, {120, 200, 250}, {250, 240, 120}, {160, 250, 160}};
  for (int i = 0; i < 4; ++i)
    FillRect(t.cr, -10 + (i % 2) * 3.5, -2 + (i / 2) * 3.5, 3.5, 3.5, holo[i]);
  cairo_restore(t.cr);
}

void PlagueDocs30(Tile& t, int) {
  cairo_t* cr = t.cr;
  InkRect(cr, 4, 3, 22, 25, kGrey);
  FillRect(cr, 5, 4, 20, 2, kLightGrey);
  InkRect(cr, 24, 8, 4, 6, kGrey);  // the tab
  cairo_save(cr);                   // the rubber stamp, askew
  cairo_translate(cr, 15, 18);
  cairo_rotate(cr, -0.35);
  StrokeRect(cr, -8, -4, 16, 8, kRed, 1.5);
  FillRect(cr, -5.5, -1.5, 11, 1.2, kRed);
  FillRect(cr, -5.5, 1, 7, 1, kRed);
  cairo_restore(cr);
  FillRect(cr, 8, 8, 9, 1, kWhite);
}

constexpr Entry kItems[] = {
    {30, PlagueDocs30},    {32, Employee32},   {33, Coin33},           {38, Shoes38},
    {39, Watch39},         {40, Lipstick40},   {41, Bowl41},           {42, Key42},
    {43, Magazine43},      {73, Tickets73},    {84, Disguise84},       {120, ScientistId120},
    {121, StudentPass121}, {122, Lockpick122}, {123, Envelope123},     {126, FakePlans126},
    {127, RealPlans127},   {128, CarKeys128},  {129, Wig129},          {130, Dress130},
    {150, Ball150},        {162, ClubCard162}, {172, SecurityPass172},
};

}  // namespace

std::span<const Entry> ItemEntries() { return kItems; }

}  // namespace forge::objects
