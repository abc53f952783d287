// Solid things of the object strip that block and answer: cabinets, the melon cart,
// crates, the boot lid, barbed wire, the barrier, and spare street furniture.
// Things placed over two or more cells run off the tile's edges so copies join.
#include <cmath>

#include "tiles/object_tiles.h"

namespace forge::objects {
namespace {

constexpr Rgb kCabinet{148, 156, 164};

// Drawers seen from the front below a strip of the cabinet's top.
void Cabinet21(Tile& t, int) {  // placed side by side: the top runs over both edges
  cairo_t* cr = t.cr;
  FillRect(cr, 0, 2, 30, 27, kInk);
  FillRect(cr, 0, 3, 30, 6, Lighter(kCabinet, 0.25));
  FillRect(cr, 0, 9, 30, 19, kCabinet);
  for (int i = 0; i < 3; ++i) {
    FillRect(cr, 0, 9 + i * 6.4, 30, 1, Darker(kCabinet, 0.4));
    InkRect(cr, 11, 11.5 + i * 6.4, 8, 2.5, kLightGrey);
    FillRect(cr, 4, 12 + i * 6.4, 3, 1.5, kWhite);  // label holders
  }
  FillRect(cr, 0, 3, 1, 25, Darker(kCabinet, 0.45));  // the joint between units
  FillRect(cr, 29, 3, 1, 25, Darker(kCabinet, 0.3));
}

void CardCabinet46(Tile& t, int) {  // placed one under another: runs over top and bottom
  cairo_t* cr = t.cr;
  FillRect(cr, 3, 0, 24, 30, kInk);
  FillRect(cr, 4, 0, 22, 30, kCabinet);
  FillRect(cr, 4, 0, 3, 30, Lighter(kCabinet, 0.3));
  FillRect(cr, 4, 29, 22, 1, Darker(kCabinet, 0.45));
  for (int i = 0; i < 3; ++i) FillRect(cr, 8, 5 + i * 9, 16, 1, Darker(kCabinet, 0.3));
  InkRect(cr, 13, 9, 9, 11, kBlack, 1);  // the card reader
  FillRect(cr, 15, 11, 5, 1, kGrey);
  FillRect(cr, 15, 14, 2, 2, kRed);
  FillRect(cr, 18, 14, 2, 2, Rgb{40, 90, 40});
}

void Melons(cairo_t* cr, double y0, double y1) {
  for (double y = y0; y < y1; y += 6.2)
    for (int i = 0; i < 3; ++i) {
      const double x = 9 + i * 6 + (static_cast<int>(y) % 2) * 0.8;
      InkEllipse(cr, x, y, 2.7, 2.5, Rgb{62, 128, 52});
      Line(cr, x - 1.5, y - 1.6, x - 1.5, y + 1.6, Rgb{150, 196, 92}, 1);
      Line(cr, x + 0.8, y - 2, x + 0.8, y + 2, Rgb{150, 196, 92}, 1);
    }
}

void Cart49(Tile& t, int) {  // upper half: shafts and the front of the bed
  cairo_t* cr = t.cr;
  Line(cr, 8, 0, 9, 8, kInk, 3), Line(cr, 22, 0, 21, 8, kInk, 3);
  Line(cr, 8, 0, 9, 8, kWood, 1.4), Line(cr, 22, 0, 21, 8, kWood, 1.4);
  FillRect(cr, 4, 6, 22, 24, kInk);
  FillRect(cr, 5, 7, 20, 23, kWood);
  FillRect(cr, 6, 8, 18, 22, Darker(kWood, 0.3));
  Melons(cr, 11.5, 30);
}

void Cart50(Tile& t, int) {  // lower half: the rest of the bed over the wheels
  cairo_t* cr = t.cr;
  for (double x : {2.0, 28.0}) InkRect(cr, x - 2, 6, 4, 14, kDarkGrey, 1.5);
  FillRect(cr, 4, 0, 22, 25, kInk);
  FillRect(cr, 5, 0, 20, 24, kWood);
  FillRect(cr, 6, 0, 18, 23, Darker(kWood, 0.3));
  Melons(cr, 4.5, 22);
  FillRect(cr, 12, 24, 6, 4, kInk);
}

void Crate(cairo_t* cr, double x, double y, double s, Rgb c) {
  InkRect(cr, x, y, s, s, c);
  for (int i = 1; i < 4; ++i) FillRect(cr, x + 1, y + i * s / 4, s - 2, 1, Darker(c, 0.3));
  Line(cr, x + 1.5, y + 1.5, x + s - 1.5, y + s - 1.5, Darker(c, 0.2), 1.4);
}

void Crates54(Tile& t, int) {
  Crate(t.cr, 1, 10, 17, kWood);
  Crate(t.cr, 13, 12, 16, Darker(kWood, 0.12));
  Crate(t.cr, 7, 1, 15, Lighter(kWood, 0.15));
}

void BootLid67(Tile& t, int) {  // a pair side by side: the lock sits on their joint
  cairo_t* cr = t.cr;
  const Rgb paint{52, 70, 120};
  FillRect(cr, 0, 1, 30, 22, kInk);
  FillRect(cr, 0, 2, 30, 20, paint);
  FillRect(cr, 0, 3, 30, 2, Lighter(paint, 0.3));
  FillRect(cr, 0, 15, 30, 2, kLightGrey);  // chrome strip
  FillRect(cr, 0, 23, 30, 5, kInk);
  FillRect(cr, 0, 24, 30, 3, kSteel);  // bumper
  for (double x : {0.0, 30.0}) InkEllipse(cr, x, 11, 1.6, 1.6, kLightGrey);
}

void Warheads114(Tile& t, int) {  // stacked one under another
  cairo_t* cr = t.cr;
  const Rgb olive{88, 98, 56};
  InkRect(cr, 2, 0, 26, 30, olive);  // the next crate of the stack sits on its edge
  FillRect(cr, 3, 2, 24, 2, Lighter(olive, 0.25));
  FillRect(cr, 3, 25, 24, 1, Darker(olive, 0.35));
  // A stencilled curved blade and the word, in faded yellow.
  const Rgb stencil{222, 206, 120};
  Arc(cr, 15, 19, 8, 1.15 * M_PI, 1.85 * M_PI, stencil, 2);  // the blade
  FillRect(cr, 7, 12, 2, 4, stencil);                        // its hilt
  const double size = 6.0 * 22 / TextWidth(cr, "SCIMITAR", 6.0, true);
  Text(cr, 4, 23.5, "SCIMITAR", size, stencil, true);
  for (double y : {8.0, 20.0})
    InkRect(cr, 0, y - 1.5, 3, 3, kDarkGrey), InkRect(cr, 27, y - 1.5, 3, 3, kDarkGrey);
}

// Concertina wire: loops round the middle, the strand running out to all four edges
// so the coil continues in a row or a column.
void Wire177(Tile& t, int) {
  cairo_t* cr = t.cr;
  const Rgb wire{176, 180, 186};
  for (int pass = 0; pass < 2; ++pass) {
    const Rgb c = pass ? wire : kInk;
    const double w = pass ? 1 : 2.6;
    for (int i = 0; i < 5; ++i) {  // loops along the row and down the column
      cairo_new_path(cr);
      EllipseArc(cr, i * 7.5, 15, 4.6, 9);
      SetColor(cr, c);
      cairo_set_line_width(cr, w);
      cairo_stroke(cr);
    }
    Line(cr, 15, 0, 15, 30, c, w);
  }
  for (int i = 0; i < 5; ++i) {  // barbs on the strands
    const double x = 3.7 + i * 7.5, y = i % 2 ? 8 : 22;
    Line(cr, x - 1.5, y - 1.5, x + 1.5, y + 1.5, kDarkGrey, 1);
    Line(cr, x - 1.5, y + 1.5, x + 1.5, y - 1.5, kDarkGrey, 1);
  }
  for (double y : {3.0, 27.0}) {
    Line(cr, 13, y - 1.5, 17, y + 1.5, kDarkGrey, 1);
    Line(cr, 13, y + 1.5, 17, y - 1.5, kDarkGrey, 1);
  }
}

void Barrier143(Tile& t, int) {  // the pole runs down the column of its two cells
  cairo_t* cr = t.cr;
  FillRect(cr, 11, 0, 8, 30, kInk);
  for (int i = 0; i < 6; ++i) FillRect(cr, 12, i * 5, 6, 5, i % 2 ? kWhite : kRed);
  FillRect(cr, 12, 0, 1, 30, Rgb{255, 255, 255});
}

void Intercom140(Tile& t, int) {
  cairo_t* cr = t.cr;
  InkRect(cr, 8, 5, 14, 20, kSteel, 1.5);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) FillRect(cr, 10.5 + x * 2.5, 8 + y * 2.5, 1, 1, kBlack);
  InkRect(cr, 12, 17, 6, 5, kDarkGrey);
  FillRect(cr, 14, 19, 2, 1, kYellow);
}

void PhoneBox119(Tile& t, int) {  // a red booth: roof, then the glazed front
  cairo_t* cr = t.cr;
  const Rgb red{182, 36, 32};
  InkRect(cr, 5, 1, 20, 28, red, 1);
  FillRect(cr, 6, 2, 18, 5, Lighter(red, 0.2));
  FillRect(cr, 8, 7.5, 14, 2, kWhite);  // the lit name band
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) FillRect(cr, 8 + x * 5, 11 + y * 4.3, 4, 3.3, Rgb{150, 190, 210});
  FillRect(cr, 20, 18, 1, 3, kBlack);  // the door handle
}

void Letterbox168(Tile& t, int) {  // a standing post box, slot and collection plate
  cairo_t* cr = t.cr;
  const Rgb red{190, 30, 30};
  InkRect(cr, 8, 4, 14, 24, red, 3);
  FillRect(cr, 9, 5, 12, 3, Lighter(red, 0.25));  // the cap
  FillRect(cr, 10, 10, 10, 2, kBlack);            // slot
  FillRect(cr, 11, 15, 8, 5, kWhite);             // times plate
  FillRect(cr, 12, 16.5, 6, 1, kDarkGrey);
  FillRect(cr, 8, 25, 14, 2, Darker(red, 0.4));
}

void VendingCart169(Tile& t, int) {  // a handcart under a striped parasol
  cairo_t* cr = t.cr;
  InkRect(cr, 3, 18, 24, 10, kWhite, 1);
  for (int i = 0; i < 8; ++i) {
    cairo_new_path(cr);
    cairo_move_to(cr, 15, 12);
    cairo_arc(cr, 15, 12, 11.5, i * M_PI / 4, (i + 1) * M_PI / 4);
    cairo_close_path(cr);
    SetColor(cr, i % 2 ? kWhite : kRed);
    cairo_fill(cr);
  }
  Arc(cr, 15, 12, 11.5, 0, 2 * M_PI, kInk, 1);
  Ellipse(cr, 15, 12, 1.4, 1.4, kGold);
}

void Vase173(Tile& t, int) {
  InkRect(t.cr, 5, 8, 20, 20, kLightGrey);
  FillRect(t.cr, 6, 9, 18, 3, kWhite);
  InkEllipse(t.cr, 15, 14, 6, 6, Rgb{52, 84, 170});
  Ellipse(t.cr, 15, 14, 3.4, 3.4, kWhite);
  Ellipse(t.cr, 15, 14, 2.2, 2.2, kDarkGrey);
  Arc(t.cr, 15, 14, 4.7, 0, 2 * M_PI, Rgb{120, 160, 220}, 1);
}

void Sculpture174(Tile& t, int) {
  const Rgb bronze{150, 102, 52};
  InkRect(t.cr, 4, 16, 22, 12, kLightGrey);
  Poly(t.cr, {{8, 18}, {12, 3}, {18, 9}, {23, 2}, {22, 18}}, kInk);
  Poly(t.cr, {{9.5, 17}, {12.5, 5}, {18, 11}, {21.8, 4.5}, {21, 17}}, bronze);
  Line(t.cr, 12.5, 6, 13, 16, Lighter(bronze, 0.4), 1);
}

void CoatStand65(Tile& t, int) {  // the uniform jacket on its stand
  cairo_t* cr = t.cr;
  const Rgb olive{94, 100, 58};
  InkEllipse(cr, 15, 25, 6, 3, kWood);
  RoundRect(cr, 5, 5, 20, 20, 4, kInk);
  RoundRect(cr, 6, 6, 18, 18, 3.5, olive);
  Poly(cr, {{12, 6}, {18, 6}, {15, 13}}, Darker(olive, 0.35));        // collar opening
  FillRect(cr, 6, 6, 5, 2, kGold), FillRect(cr, 19, 6, 5, 2, kGold);  // epaulettes
  for (int i = 0; i < 3; ++i) FillRect(cr, 16, 14 + i * 3, 1, 1, kGold);
  FillRect(cr, 7, 10, 2, 1, kRed), FillRect(cr, 9, 10, 2, 1, kBlue);
  InkEllipse(cr, 15, 4, 2.2, 2.2, kWood);
}

void Parrot14(Tile& t, int) {
  cairo_t* cr = t.cr;
  const Rgb green{56, 168, 62};
  InkEllipse(cr, 15, 16, 12, 12, Rgb{240, 234, 214});
  Ellipse(cr, 15, 16, 10.6, 10.6, Rgb{206, 196, 172});
  Line(cr, 6, 16, 24, 16, kWood, 1.4);  // perch
  InkEllipse(cr, 15, 14.5, 4.2, 6, green);
  Ellipse(cr, 15, 19, 2.6, 2.8, Rgb{220, 200, 60});  // tail feathers
  InkEllipse(cr, 15, 9.5, 3, 3, green);
  Poly(cr, {{13.8, 11.5}, {16.2, 11.5}, {15, 14}}, kOrange);
  FillRect(cr, 13, 9, 1, 1, kBlack), FillRect(cr, 16, 9, 1, 1, kBlack);
  Ellipse(cr, 11.5, 14, 1.3, 3, kRed), Ellipse(cr, 18.5, 14, 1.3, 3, kRed);  // wing tips
  for (int i = 0; i < 8; ++i) {                                              // bars over the bird
    const double a = i * M_PI / 4;
    Line(cr, 15 + std::cos(a) * 5.5, 16 + std::sin(a) * 5.5, 15 + std::cos(a) * 11.5,
         16 + std::sin(a) * 11.5, kBrass, 1);
  }
  InkEllipse(cr, 15, 16, 1.5, 1.5, kBrass);
  InkEllipse(cr, 15, 3, 1.5, 1.5, kBrass);  // the hook on top
}

constexpr Entry kFixtures[] = {
    {14, Parrot14},      {21, Cabinet21},       {46, CardCabinet46}, {49, Cart49},
    {50, Cart50},        {54, Crates54},        {65, CoatStand65},   {67, BootLid67},
    {114, Warheads114},  {119, PhoneBox119},    {140, Intercom140},  {143, Barrier143},
    {168, Letterbox168}, {169, VendingCart169}, {173, Vase173},      {174, Sculpture174},
    {177, Wire177},
};

}  // namespace

std::span<const Entry> FixtureEntries() { return kFixtures; }

}  // namespace forge::objects
