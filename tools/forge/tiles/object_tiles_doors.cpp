// Doors, switches and signs of the object strip. A door is its leaf seen from above:
// a slab along the edge of the cell where the opening animation draws its marks
// (1-7 px inside the top or left edge, or the last seven pixels at the bottom or right).
#include <cmath>

#include "tiles/object_tiles.h"

namespace forge::objects {
namespace {

constexpr Rgb kDoorWood{132, 82, 44};
constexpr Rgb kDoorSteel{118, 126, 134};
constexpr Rgb kIron{58, 60, 66};

enum class Side { kTop, kBottom, kLeft, kRight };
constexpr double kLeaf = 12;  // slab thickness in pixels

// The slab's rectangle for a side, spanning the whole cell length so tiles join.
void SlabRect(Side s, double& x, double& y, double& w, double& h) {
  switch (s) {
    case Side::kTop:
      x = 0, y = 0, w = 30, h = kLeaf;
      break;
    case Side::kBottom:
      x = 0, y = 30 - kLeaf, w = 30, h = kLeaf;
      break;
    case Side::kLeft:
      x = 0, y = 0, w = kLeaf, h = 30;
      break;
    case Side::kRight:
      x = 30 - kLeaf, y = 0, w = kLeaf, h = 30;
      break;
  }
}

bool Horizontal(Side s) { return s == Side::kTop || s == Side::kBottom; }

// Ink along the slab's long sides only, so cells in a row continue the same slab.
void Slab(cairo_t* cr, Side s, Rgb c) {
  double x, y, w, h;
  SlabRect(s, x, y, w, h);
  FillRect(cr, x, y, w, h, kInk);
  if (Horizontal(s))
    FillRect(cr, x, y + 1, w, h - 2, c), FillRect(cr, x, y + 1, w, 1, Lighter(c, 0.3));
  else
    FillRect(cr, x + 1, y, w - 2, h, c), FillRect(cr, x + 1, y, 1, h, Lighter(c, 0.3));
}

// Wooden leaf: planks along the leaf, a jamb at the hinge end, a knob at the meeting end.
// `hingeAtStart` puts the hinge at x 0 (horizontal) or y 0 (vertical).
void WoodLeaf(Tile& t, int, Side s, bool hingeAtStart) {
  cairo_t* cr = t.cr;
  Slab(cr, s, kDoorWood);
  double x, y, w, h;
  SlabRect(s, x, y, w, h);
  const bool hz = Horizontal(s);
  for (int i = 1; i <= 2; ++i) {  // plank joints
    if (hz)
      FillRect(cr, 0, y + 1 + i * (h - 2) / 3, 30, 1, Darker(kDoorWood, 0.25));
    else
      FillRect(cr, x + 1 + i * (w - 2) / 3, 0, 1, 30, Darker(kDoorWood, 0.25));
  }
  const double hinge = hingeAtStart ? 0 : 27;
  const double knob = hingeAtStart ? 25.5 : 4.5;
  if (hz) {
    FillRect(cr, hinge, y, 3, h, kDarkBrown);
    FillRect(cr, hingeAtStart ? 29 : 0, y + 1, 1, h - 2, Darker(kDoorWood, 0.45));  // leaf seam
    const double ky = s == Side::kTop ? h + 0.5 : y - 0.5;
    InkEllipse(cr, knob, ky, 1.6, 1.6, kBrass);
    InkEllipse(cr, knob, y + h / 2, 1.4, 1.4, kBrass);
  } else {
    FillRect(cr, x, hinge, w, 3, kDarkBrown);
    FillRect(cr, x + 1, hingeAtStart ? 29 : 0, w - 2, 1, Darker(kDoorWood, 0.45));
    const double kx = s == Side::kLeft ? w + 0.5 : x - 0.5;
    InkEllipse(cr, kx, knob, 1.6, 1.6, kBrass);
    InkEllipse(cr, x + w / 2, knob, 1.4, 1.4, kBrass);
  }
}

// Rivets every ten pixels along the slab, so repeated cells line up.
void Rivets(cairo_t* cr, Side s, Rgb c) {
  double x, y, w, h;
  SlabRect(s, x, y, w, h);
  for (int i = 0; i < 3; ++i) {
    const double a = 5 + i * 10;
    if (Horizontal(s))
      FillRect(cr, a, y + 2.5, 1, 1, c), FillRect(cr, a, y + h - 3.5, 1, 1, c);
    else
      FillRect(cr, x + 2.5, a, 1, 1, c), FillRect(cr, x + w - 3.5, a, 1, 1, c);
  }
}

void SteelDoor(Tile& t, Side s) {
  Slab(t.cr, s, kDoorSteel);
  Rivets(t.cr, s, kDarkGrey);
  double x, y, w, h;
  SlabRect(s, x, y, w, h);
  if (Horizontal(s))
    FillRect(t.cr, 0, y + h / 2 - 0.5, 30, 1, Darker(kDoorSteel, 0.3));
  else
    FillRect(t.cr, x + w / 2 - 0.5, 0, 1, 30, Darker(kDoorSteel, 0.3));
}

void Steel104(Tile& t, int) {  // card slot reader on the slab
  SteelDoor(t, Side::kTop);
  InkRect(t.cr, 11, 3, 8, 6, kBlack);
  FillRect(t.cr, 12, 5, 6, 1, kGrey);
  FillRect(t.cr, 17, 7, 1, 1, kRed);
}
void Steel105(Tile& t, int) { SteelDoor(t, Side::kBottom); }
void Steel106(Tile& t, int) { SteelDoor(t, Side::kRight); }

void ColdRoom107(Tile& t, int) {  // white insulated leaf with a round time lock
  const Rgb white{214, 222, 226};
  Slab(t.cr, Side::kLeft, white);
  for (int i = 0; i < 6; ++i) FillRect(t.cr, 1, 2 + i * 5, 10, 1, Darker(white, 0.15));
  InkEllipse(t.cr, 6, 15, 3.6, 3.6, kLightGrey);
  Line(t.cr, 6, 15, 6, 12.5, kBlack, 1);
  Line(t.cr, 6, 15, 8, 15, kRed, 1);
}

// Iron bars: thick bars across the slab, each with a spear point on the room side,
// held by one flat rail along the leaf line.
void Bars(Tile& t, Side s, bool plate) {
  cairo_t* cr = t.cr;
  double x, y, w, h;
  SlabRect(s, x, y, w, h);
  const bool hz = Horizontal(s);
  const bool roomAfter = s == Side::kTop || s == Side::kLeft;  // the room lies past the slab
  const double from = hz ? y : x, to = hz ? y + h : x + w;
  const double rail = roomAfter ? from + 3.5 : to - 3.5;
  const double tip = roomAfter ? to - 1 : from + 1;  // where the spear points end
  for (int i = 0; i < 5; ++i) {
    const double a = 3 + i * 6;
    const double dir = roomAfter ? -3 : 3;  // from the tip back towards the rail
    if (hz) {
      Line(cr, a, rail, a, tip + dir, kInk, 3.4), Line(cr, a, rail, a, tip + dir, kIron, 1.8);
      Poly(cr, {{a - 2.2, tip + dir}, {a, tip}, {a + 2.2, tip + dir}}, kInk);
    } else {
      Line(cr, rail, a, tip + dir, a, kInk, 3.4), Line(cr, rail, a, tip + dir, a, kIron, 1.8);
      Poly(cr, {{tip + dir, a - 2.2}, {tip, a}, {tip + dir, a + 2.2}}, kInk);
    }
  }
  if (hz)
    FillRect(cr, 0, rail - 2, 30, 4, kInk), FillRect(cr, 0, rail - 1, 30, 2, Lighter(kIron, 0.3));
  else
    FillRect(cr, rail - 2, 0, 4, 30, kInk), FillRect(cr, rail - 1, 0, 2, 30, Lighter(kIron, 0.3));
  if (plate) {  // the strong room's lock box on the rail
    InkRect(cr, 11, hz ? rail - 4 : 11, 8, 8, kDarkGrey, 1);
    FillRect(cr, 14.5, hz ? rail - 1.5 : 13.5, 1, 3, kBlack);
  }
}

void Bars108(Tile& t, int) { Bars(t, Side::kTop, false); }
void Bars109(Tile& t, int) { Bars(t, Side::kBottom, true); }
void Gate110(Tile& t, int) { Bars(t, Side::kRight, false); }

void Iron111(Tile& t, int) {
  Slab(t.cr, Side::kLeft, kIron);
  Rivets(t.cr, Side::kLeft, kLightGrey);
  FillRect(t.cr, 4, 9, 4, 12, Darker(kIron, 0.3));  // a cross bar
  InkRect(t.cr, 3, 13, 6, 4, kSteel);
}

void Wood88(Tile& t, int c) { WoodLeaf(t, c, Side::kTop, true); }
void Wood89(Tile& t, int c) { WoodLeaf(t, c, Side::kTop, false); }
void Wood90(Tile& t, int c) { WoodLeaf(t, c, Side::kBottom, true); }
void Wood91(Tile& t, int c) { WoodLeaf(t, c, Side::kBottom, false); }
void Wood92(Tile& t, int c) { WoodLeaf(t, c, Side::kRight, true); }
void Wood93(Tile& t, int c) { WoodLeaf(t, c, Side::kRight, false); }
void Wood94(Tile& t, int c) { WoodLeaf(t, c, Side::kLeft, true); }
void Wood95(Tile& t, int c) { WoodLeaf(t, c, Side::kLeft, false); }

// A wall lever: a plate on one side of the cell, the handle up (ready, red lamp)
// or pulled down (thrown, green lamp).
void Lever(Tile& t, Side s, bool thrown) {
  cairo_t* cr = t.cr;
  double px, py;  // pivot
  switch (s) {
    case Side::kLeft:
      InkRect(cr, 1, 6, 10, 18, kSteel, 1);
      px = 6, py = 15;
      break;
    case Side::kRight:
      InkRect(cr, 19, 6, 10, 18, kSteel, 1);
      px = 24, py = 15;
      break;
    case Side::kBottom:
      InkRect(cr, 9, 17, 12, 12, kSteel, 1);
      px = 15, py = 23;
      break;
    case Side::kTop:
    default:
      InkRect(cr, 9, 1, 12, 12, kSteel, 1);
      px = 15, py = 7;
      break;
  }
  const double lx = px + (s == Side::kLeft || s == Side::kRight ? 0 : 4.5) - 0.5;
  FillRect(cr, lx - 0.5, py - 4, 2, 8, kDarkGrey);                        // the slot
  Ellipse(cr, lx + 0.5, py - 4.5, 1.4, 1.4, thrown ? kGreen : kDarkRed);  // lamp
  const double tip = thrown ? py + 9 : py - 9;
  Line(cr, px, py, px, tip, kInk, 3.2);
  Line(cr, px, py, px, tip, kLightGrey, 1.4);
  InkEllipse(cr, px, tip, 2, 2, kRed);
  InkEllipse(cr, px, py, 1.6, 1.6, kDarkGrey);
}

void Lever96(Tile& t, int) { Lever(t, Side::kLeft, false); }
void Lever97(Tile& t, int) { Lever(t, Side::kLeft, true); }
void Lever98(Tile& t, int) { Lever(t, Side::kRight, true); }
void Lever99(Tile& t, int) { Lever(t, Side::kRight, false); }
void Lever100(Tile& t, int) { Lever(t, Side::kBottom, false); }
void Lever101(Tile& t, int) { Lever(t, Side::kBottom, true); }
void Lever102(Tile& t, int) { Lever(t, Side::kTop, false); }
void Lever103(Tile& t, int) { Lever(t, Side::kTop, true); }

// A written plaque on the side of the cell that faces its reader.
void Plaque(Tile& t, double x, double y, double w, double h) {
  cairo_t* cr = t.cr;
  InkRect(cr, x, y, w, h, kBrass, 1);
  FillRect(cr, x + 2, y + 2, w - 4, h - 4, kPaper);
  const int lines = static_cast<int>((h - 5) / 2.5);
  for (int i = 0; i < lines; ++i) {
    const double len = (w - 7) * (i == lines - 1 ? 0.6 : 1.0);
    FillRect(cr, x + 3.5, y + 3.5 + i * 2.5, len, 1, kDarkGrey);
  }
  FillRect(cr, x + 1, y + 1, 1, 1, kBlack);  // screws
  FillRect(cr, x + w - 2, y + h - 2, 1, 1, kBlack);
}

void Sign144(Tile& t, int) { Plaque(t, 4, 17, 22, 12); }
void Sign145(Tile& t, int) { Plaque(t, 4, 1, 22, 12); }
void Sign146(Tile& t, int) { Plaque(t, 1, 4, 12, 22); }
void Sign147(Tile& t, int) { Plaque(t, 17, 4, 12, 22); }

constexpr Entry kDoors[] = {
    {88, Wood88},    {89, Wood89},    {90, Wood90},    {91, Wood91},    {92, Wood92},
    {93, Wood93},    {94, Wood94},    {95, Wood95},    {96, Lever96},   {97, Lever97},
    {98, Lever98},   {99, Lever99},   {100, Lever100}, {101, Lever101}, {102, Lever102},
    {103, Lever103}, {104, Steel104}, {105, Steel105}, {106, Steel106}, {107, ColdRoom107},
    {108, Bars108},  {109, Bars109},  {110, Gate110},  {111, Iron111},  {144, Sign144},
    {145, Sign145},  {146, Sign146},  {147, Sign147},
};

}  // namespace

std::span<const Entry> DoorEntries() { return kDoors; }

}  // namespace forge::objects
