// The title screen (the city at night under the game's name) and the game menu.
#include <cmath>

#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

constexpr Rgb kSilhouette{7, 9, 16};
constexpr Rgb kFarCity{20, 26, 46};

// One building of the skyline: a box, a domed hall, a minaret or a mast.
enum class Shape { Box, Dome, Minaret, Mast };
struct Building {
  Shape shape;
  int x, w, top;  // top: y of the roof line
};

constexpr Building kFarSkyline[] = {
    {Shape::Box, 0, 60, 372},       {Shape::Dome, 52, 70, 352},     {Shape::Box, 118, 40, 360},
    {Shape::Minaret, 160, 10, 300}, {Shape::Box, 176, 70, 378},     {Shape::Box, 440, 50, 356},
    {Shape::Dome, 488, 64, 364},    {Shape::Minaret, 552, 10, 318}, {Shape::Box, 566, 72, 370},
};

constexpr Building kNearSkyline[] = {
    {Shape::Box, 0, 46, 404},   {Shape::Box, 40, 34, 386},   {Shape::Minaret, 82, 12, 322},
    {Shape::Box, 98, 58, 412},  {Shape::Dome, 150, 96, 384}, {Shape::Box, 244, 36, 420},
    {Shape::Box, 276, 88, 430}, {Shape::Box, 360, 40, 414},  {Shape::Mast, 470, 6, 316},
    {Shape::Box, 400, 64, 396}, {Shape::Dome, 458, 80, 400}, {Shape::Minaret, 540, 12, 338},
    {Shape::Box, 556, 44, 392}, {Shape::Box, 596, 42, 408},
};

void DrawBuilding(cairo_t* cr, const Building& b, Rgb c) {
  SetColor(cr, c);
  switch (b.shape) {
    case Shape::Box:
      cairo_rectangle(cr, b.x, b.top, b.w, 478 - b.top);
      break;
    case Shape::Dome: {
      const double r = b.w / 2.0 - 8;
      cairo_rectangle(cr, b.x, b.top + r * 0.9, b.w, 478);
      cairo_fill(cr);
      cairo_rectangle(cr, b.x + 8, b.top + r * 0.7, b.w - 16, r * 0.5);
      cairo_new_sub_path(cr);
      cairo_arc(cr, b.x + b.w / 2.0, b.top + r * 0.75, r, M_PI, 2 * M_PI);
      cairo_rectangle(cr, b.x + b.w / 2.0 - 1, b.top - r * 0.5, 2, r * 0.5);
      break;
    }
    case Shape::Minaret:
      cairo_rectangle(cr, b.x, b.top + 20, b.w, 478);
      cairo_rectangle(cr, b.x - 3, b.top + 26, b.w + 6, 4);  // balcony
      cairo_move_to(cr, b.x, b.top + 20);
      cairo_line_to(cr, b.x + b.w / 2.0, b.top);
      cairo_line_to(cr, b.x + b.w, b.top + 20);
      cairo_close_path(cr);
      break;
    case Shape::Mast:
      cairo_rectangle(cr, b.x, b.top, b.w, 478);
      for (int y = b.top + 20; y < 470; y += 24) {
        cairo_rectangle(cr, b.x - 4, y, b.w + 8, 1.5);
      }
      break;
  }
  cairo_fill(cr);
}

void NightSky(Picture& p) {
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 638, 340, {4, 7, 18}, {34, 38, 78});
  Gradient(cr, 0, 340, 638, 138, {34, 38, 78}, {20, 22, 44});
  // Stars, kept out of the version corner (563,3, 73 x 17) and thin near the horizon.
  Noise n(303);
  for (int i = 0; i < 140; ++i) {
    const int x = n.Range(0, 637), y = n.Range(0, 300);
    const double bright = n.Unit();
    if (x > 540 && y < 30) continue;
    if (bright * 300 < y * 0.6) continue;
    FillRect(cr, x, y, 1, 1, Mix({90, 100, 130}, {235, 238, 255}, bright));
  }
  // The moon, a thin crescent behind haze.
  Glow(cr, 92, 74, 60, {120, 130, 170}, 0.18);
  cairo_push_group(cr);
  FillCircle(cr, 92, 74, 17, {226, 224, 200});
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  FillCircle(cr, 100, 68, 16, {0, 0, 0});
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

// Two searchlights sweep the sky behind the name.
void Searchlights(cairo_t* cr) {
  struct Beam {
    double x0, tipX, half;
  };
  for (const Beam& b : {Beam{110, 420, 38}, Beam{540, 200, 34}}) {
    cairo_pattern_t* g = cairo_pattern_create_linear(b.x0, 478, b.tipX, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.75, 0.82, 1.0, 0.16);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.75, 0.82, 1.0, 0.0);
    cairo_set_source(cr, g);
    cairo_move_to(cr, b.x0 - 3, 478);
    cairo_line_to(cr, b.tipX - b.half, 0);
    cairo_line_to(cr, b.tipX + b.half, 0);
    cairo_line_to(cr, b.x0 + 3, 478);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

void Skyline(cairo_t* cr) {
  for (const Building& b : kFarSkyline) DrawBuilding(cr, b, kFarCity);
  for (const Building& b : kNearSkyline) DrawBuilding(cr, b, kSilhouette);
  // A few lit windows and the mast's warning light.
  Noise n(304);
  for (const Building& b : kNearSkyline) {
    if (b.shape != Shape::Box) continue;
    for (int k = 0; k < b.w / 14; ++k) {
      const int wx = b.x + 4 + n.Range(0, b.w - 10), wy = b.top + 6 + n.Range(0, 50);
      if (n.Unit() < 0.55)
        FillRect(cr, wx, wy, 3, 4, Mix({120, 96, 40}, {240, 200, 110}, n.Unit()));
    }
  }
  Glow(cr, 473, 316, 9, {255, 60, 40}, 0.7);
  FillCircle(cr, 473, 316, 1.8, {255, 90, 60});
}

void TitleScreen(Output& out) {
  Picture p(638, 478);
  cairo_t* cr = p.cr();
  NightSky(p);
  Searchlights(cr);
  Skyline(cr);
  Grain(p, 0, 30, 638, 448, 305, 3);
  // The name, with a tagline between brass rules.
  BrassTitle(cr, 319, 150, "VELTRANE", 88, 7);
  LettersCentred(cr, kSans, 319, 190, "AN ESPIONAGE ADVENTURE", 13, {168, 178, 204}, true, 5);
  Line(cr, 96, 185.5, 168, 185.5, kBrass);
  Line(cr, 470, 185.5, 542, 185.5, kBrass);
  // The menu (items from 225,240 to 411,437) sits on a dark glass panel.
  SetColor(cr, {5, 8, 16}, 0.86);
  RoundedRect(cr, 196, 229, 246, 219, 6);
  cairo_fill(cr);
  SetColor(cr, kBrassDark);
  cairo_set_line_width(cr, 1);
  RoundedRect(cr, 196.5, 229.5, 245, 218, 6);
  cairo_stroke(cr);
  SetColor(cr, kBrass, 0.5);
  RoundedRect(cr, 199.5, 232.5, 239, 212, 4);
  cairo_stroke(cr);
  FinishOpaque(p, kNight);
  out.Save(p, "Trasken03.dat");
}

// The game menu: items at x 40, y 96 to 386 (235 x 21 each) in a sunken well.
void GameMenu(Output& out) {
  Picture p(317, 400);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 317, 400, {46, 52, 62}, {24, 28, 35});
  Brushed(p, 0, 0, 317, 400, 306, 7);
  Bevel(cr, 0, 0, 317, 400, 3, true);
  BrassTitle(cr, 158.5, 50, "VELTRANE", 34, 3);
  Engraved(cr, kSans, 158.5, 70, "GAME MENU", 9, kSteelLight, true, 3);
  Line(cr, 40, 64.5, 110, 64.5, kBrassDark);
  Line(cr, 207, 64.5, 277, 64.5, kBrassDark);
  Well(cr, 28, 86, 261, 306, {9, 12, 20});
  // Faint scan lines give the well the look of a dark screen.
  for (int y = 90; y < 390; y += 3) {
    SetColor(cr, {40, 60, 90}, 0.08);
    cairo_rectangle(cr, 30, y, 257, 1);
    cairo_fill(cr);
  }
  for (auto [x, y] : {std::pair{10, 10}, {307, 10}, {10, 390}, {307, 390}})
    Screw(cr, x, y, 3.5, 0.4);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Trasken06.dat");
}

}  // namespace

void ForgeTitleAndMenu(Output& out) {
  TitleScreen(out);
  GameMenu(out);
}

}  // namespace forge
