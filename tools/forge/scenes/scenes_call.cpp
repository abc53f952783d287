// The night call and the briefing: Dan in bed, Tavori at his desk, the
// operations room and the turning bookcase (Zorl06 - Zorl09).
#include <cmath>

#include "scenes/scenes_parts.h"

namespace forge::scene {

using namespace fig;

namespace {

Person WokenDan() {
  Person p = CastPerson(0);
  p.outfit = Outfit::kPyjamas;
  p.cloth = {150, 170, 204};
  p.cloth2 = {96, 114, 164};
  p.hairStyle = Hair::kMessy;
  p.glasses = Glasses::kNone;
  p.eyes = Eyes::kSleepy;
  p.mouth = Mouth::kOpen;
  p.brows = Brows::kWorried;
  return p;
}

Person DanAtHome(Outfit outfit, Rgb cloth, Rgb cloth2) {
  Person p = CastPerson(0);
  p.outfit = outfit;
  p.cloth = cloth;
  p.cloth2 = cloth2;
  p.glasses = Glasses::kNone;
  return p;
}

void Books(cairo_t* cr, double x, double y, double w, double h, std::uint32_t seed) {
  constexpr Rgb kSpines[] = {{120, 40, 36},  {50, 70, 110}, {60, 90, 50},
                             {150, 110, 50}, {90, 50, 80},  {140, 120, 90}};
  Noise n(seed);
  cairo_rectangle(cr, x, y, w, h);
  Paint(cr, Rgb{90, 56, 32}, x, y, x + w, y + h, 1.2);
  for (double sy = y + 4; sy + 22 < y + h; sy += 28) {
    for (double sx = x + 4; sx < x + w - 8;) {
      const double bw = 4 + n.Range(0, 4);
      const double bh = 16 + n.Range(0, 6);
      if (sx + bw > x + w - 4) break;
      cairo_rectangle(cr, sx, sy + 22 - bh, bw, bh);
      Paint(cr, kSpines[n.Range(0, 5)], sx, 0, sx + bw, 0, 0.6);
      sx += bw + 0.5;
    }
    FillRect(cr, x + 2, sy + 22, w - 4, 4, Rgb{70, 42, 24});
  }
}

}  // namespace

void Bedroom(cairo_t* cr, double w, double h) {
  VerticalGradient(cr, 0, 0, w, h, Rgb{22, 28, 58}, Rgb{12, 14, 30});
  // Window with the city's lights.
  cairo_rectangle(cr, 8, 12, 56, 70);
  Paint(cr, Rgb{40, 60, 110}, 8, 12, 64, 82, 1.5);
  FillCircle(cr, 48, 28, 7, Rgb{230, 230, 200});
  Noise n(606);
  for (int i = 0; i < 14; ++i)
    FillRect(cr, 12 + n.Range(0, 46), 60 + n.Range(0, 18), 2, 2, Rgb{240, 200, 110});
  Line(cr, 36, 12, 36, 82, Rgb{30, 30, 50}, 3);
  Line(cr, 8, 47, 64, 47, Rgb{30, 30, 50}, 3);
  // Pillow, then Dan, tilted as he props himself up.
  Ellipse(cr, 96, 86, 56, 22);
  Paint(cr, Rgb{170, 180, 210}, 60, 70, 140, 110, 1.2);
  const Person dan = WokenDan();
  cairo_save(cr);
  cairo_translate(cr, 94, 76);
  cairo_rotate(cr, -0.12);
  PlacePosed(cr, dan, 0, 0, 0.8, 61, [&](cairo_t* c) {
    Receiver(c, 128, 80, 1.9, 50, Rgb{40, 40, 44});
    DrawArm(c, 168, 150, 136, 92, dan.cloth, dan.skin, 22);
  });
  cairo_restore(cr);
  // The blanket over him.
  cairo_move_to(cr, 0, h * 0.8);
  cairo_curve_to(cr, 50, h * 0.72, 110, h * 0.78, w, h * 0.74);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  Paint(cr, Rgb{70, 80, 130}, 0, h * 0.72, w * 0.5, h, 1.2);
  // Bedside table, telephone and clock.
  cairo_rectangle(cr, w - 44, h * 0.58, 44, 40);
  Paint(cr, Rgb{70, 50, 40}, w - 44, h * 0.58, w, h * 0.8, 1.0);
  cairo_rectangle(cr, w - 38, h * 0.5, 26, 12);
  Paint(cr, Rgb{44, 44, 48}, w - 38, h * 0.5, w - 12, h * 0.58, 1.0);
  SetColor(cr, Rgb{30, 30, 34});
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, w - 36, h * 0.55);
  for (int i = 0; i < 6; ++i) cairo_rel_curve_to(cr, -3, -4, -7, 2, -8, -6);
  cairo_stroke(cr);
  cairo_rectangle(cr, w - 30, h * 0.66, 26, 12);
  SetColor(cr, Rgb{20, 20, 20});
  cairo_fill(cr);
  Text(cr, w - 29, h * 0.66 + 10, "3:40", 10, Rgb{240, 50, 40}, true);
}

void NightOffice(cairo_t* cr, double w, double h) {
  VerticalGradient(cr, 0, 0, w, h, Rgb{50, 36, 28}, Rgb{24, 18, 16});
  // Filing cabinets and a wall map in the shadows.
  cairo_rectangle(cr, w - 60, 12, 54, 40);
  Paint(cr, Rgb{120, 110, 80}, w - 60, 12, w - 6, 52, 1.0);
  Line(cr, w - 50, 20, w - 20, 40, Rgb{160, 60, 50}, 1.5);
  FillCircle(cr, w - 30, 30, 2.5, Rgb{200, 40, 40});
  // The lamp's pool of light.
  Glow(cr, 44, 110, 90, Rgb{255, 200, 120}, 0.55);
  const Person ezer = Tavori();
  PlacePosed(cr, ezer, 110, 74, 0.74, 71, [&](cairo_t* c) {
    Receiver(c, 72, 80, 1.23 + M_PI, 50, Rgb{40, 40, 44});
    DrawArm(c, 36, 150, 64, 92, ezer.cloth, ezer.skin, 22);
  });
  // Desk, papers and the green banker's lamp.
  cairo_rectangle(cr, 0, h * 0.78, w, h * 0.22);
  Paint(cr, Rgb{100, 62, 36}, 0, h * 0.78, 0, h, 1.0);
  cairo_rectangle(cr, 70, h * 0.8, 50, 14);
  Paint(cr, Rgb{230, 222, 196}, 70, h * 0.8, 120, h * 0.8 + 14, 0.8);
  cairo_rectangle(cr, 120, h * 0.82, 40, 16);
  Paint(cr, Rgb{200, 170, 90}, 120, h * 0.82, 160, h * 0.82 + 16, 0.8);
  Line(cr, 30, h * 0.78, 30, h * 0.6, Rgb{180, 150, 70}, 3);
  cairo_move_to(cr, 8, h * 0.62);
  cairo_curve_to(cr, 10, h * 0.5, 50, h * 0.5, 52, h * 0.62);
  cairo_close_path(cr);
  Paint(cr, Rgb{30, 110, 60}, 8, h * 0.5, 52, h * 0.62, 1.0);
  Ellipse(cr, 30, h * 0.63, 20, 3);
  SetColor(cr, Rgb{255, 240, 190});
  cairo_fill(cr);
}

void OperationsRoom(cairo_t* cr, double w, double h) {
  VerticalGradient(cr, 0, 0, w, h, Rgb{58, 66, 62}, Rgb{30, 34, 34});
  // The wall map of Islamia.
  cairo_rectangle(cr, w * 0.25, 14, w * 0.5, 70);
  Paint(cr, Rgb{90, 130, 170}, w * 0.25, 14, w * 0.75, 84, 1.5);
  cairo_move_to(cr, w * 0.25, 30);
  cairo_curve_to(cr, w * 0.4, 40, w * 0.45, 70, w * 0.6, 84);
  cairo_line_to(cr, w * 0.25, 84);
  cairo_close_path(cr);
  Paint(cr, Rgb{210, 186, 130}, w * 0.25, 14, w * 0.6, 84, 1.0);
  constexpr double kPins[][2] = {{0.33, 62}, {0.4, 50}, {0.3, 74}};
  for (const auto& pin : kPins) FillCircle(cr, w * pin[0], pin[1], 3, Rgb{200, 30, 30});
  // The light over the table.
  cairo_move_to(cr, w * 0.44, 20);
  cairo_line_to(cr, w * 0.56, 20);
  cairo_line_to(cr, w * 0.8, h * 0.75);
  cairo_line_to(cr, w * 0.2, h * 0.75);
  cairo_close_path(cr);
  SetColor(cr, Rgb{255, 236, 180}, 0.1);
  cairo_fill(cr);
  Line(cr, w * 0.5, 0, w * 0.5, 14, Rgb{20, 20, 20}, 1.5);
  cairo_move_to(cr, w * 0.44, 24);
  cairo_line_to(cr, w * 0.47, 12);
  cairo_line_to(cr, w * 0.53, 12);
  cairo_line_to(cr, w * 0.56, 24);
  cairo_close_path(cr);
  Paint(cr, Rgb{40, 60, 50}, w * 0.44, 12, w * 0.56, 24, 1.0);
  // Three behind the table; Tavori leans on it.
  Place(cr, Livne(), w * 0.3, 128, 0.6, 81);
  Place(cr, Meron(), w * 0.7, 128, 0.6, 82);
  PlacePosed(cr, Tavori(), w * 0.5, 118, 0.64, 83, [](cairo_t* c) {
    DrawArm(c, 150, 132, 150, 218, Tavori().cloth, Tavori().skin, 20);
    DrawArm(c, 50, 132, 52, 218, Tavori().cloth, Tavori().skin, 20);
  });
  // The table with its map.
  cairo_move_to(cr, w * 0.18, h * 0.62);
  cairo_line_to(cr, w * 0.82, h * 0.62);
  cairo_line_to(cr, w * 0.98, h * 0.96);
  cairo_line_to(cr, w * 0.02, h * 0.96);
  cairo_close_path(cr);
  Paint(cr, Rgb{110, 74, 44}, 0, h * 0.62, 0, h, 1.5);
  cairo_move_to(cr, w * 0.3, h * 0.66);
  cairo_line_to(cr, w * 0.7, h * 0.66);
  cairo_line_to(cr, w * 0.76, h * 0.88);
  cairo_line_to(cr, w * 0.24, h * 0.88);
  cairo_close_path(cr);
  Paint(cr, Rgb{214, 192, 140}, w * 0.3, h * 0.66, w * 0.7, h * 0.88, 1.0);
  cairo_move_to(cr, w * 0.5, h * 0.66);
  cairo_curve_to(cr, w * 0.56, h * 0.74, w * 0.62, h * 0.8, w * 0.76, h * 0.86);
  cairo_line_to(cr, w * 0.7, h * 0.66);
  cairo_close_path(cr);
  Paint(cr, Rgb{80, 130, 180}, w * 0.5, h * 0.66, w * 0.76, h * 0.88, 0.8);
  FillCircle(cr, w * 0.42, h * 0.76, 4, Rgb{200, 30, 30});
  FillCircle(cr, w * 0.47, h * 0.8, 4, Rgb{200, 30, 30});
  for (double x : {w * 0.2, w * 0.8}) {  // coffee cups
    cairo_rectangle(cr, x - 5, h * 0.7, 10, 10);
    Paint(cr, Rgb{236, 236, 230}, x - 5, h * 0.7, x + 5, h * 0.7 + 10, 0.8);
  }
  // Karmi and Dan at the near corners.
  Place(cr, Karmi(), 44, 186, 0.8, 84);
  Place(cr, DanAtHome(Outfit::kJumper, Rgb{60, 64, 76}, Rgb{220, 214, 200}), w - 44, 186, 0.8, 85);
}

void Library(cairo_t* cr, double w, double h) {
  VerticalGradient(cr, 0, 0, w, h, Rgb{60, 36, 24}, Rgb{30, 18, 14});
  Books(cr, 4, 14, 96, h * 0.78, 91);
  Books(cr, w - 70, 14, 66, h * 0.78, 92);
  // The hidden stair behind the turned bookcase.
  const double ox = 132;
  const double ow = 46;
  cairo_rectangle(cr, ox, 20, ow, h * 0.76);
  SetColor(cr, Rgb{14, 10, 10});
  cairo_fill(cr);
  for (int i = 0; i < 9; ++i) {
    const double y = h * 0.92 - i * 16;
    const double inset = i * 1.6;
    cairo_rectangle(cr, ox + inset, y - 5, ow - 2 * inset, 5);
    Paint(cr, Mix(Rgb{170, 120, 70}, Rgb{40, 26, 20}, i / 9.0), ox, y - 5, ox + ow, y, 0);
  }
  cairo_move_to(cr, ox, 20);
  cairo_line_to(cr, ox - 34, 8);
  cairo_line_to(cr, ox - 34, h * 0.98);
  cairo_line_to(cr, ox, h * 0.96);
  cairo_close_path(cr);
  Paint(cr, Rgb{96, 60, 34}, ox - 34, 0, ox, 0, 1.2);
  for (int k = 0; k < 6; ++k) {
    const double y = 24 + k * 28;
    for (int b = 0; b < 5; ++b) {
      cairo_move_to(cr, ox - 30 + b * 5, y + 6 - b * 0.4);
      cairo_line_to(cr, ox - 26 + b * 5, y + 6 - b * 0.4);
      cairo_line_to(cr, ox - 26 + b * 5, y + 24 - b * 0.6);
      cairo_line_to(cr, ox - 30 + b * 5, y + 24 - b * 0.6);
      cairo_close_path(cr);
      SetColor(cr, (b + k) % 3 ? Rgb{120, 40, 36} : Rgb{50, 70, 110});
      cairo_fill(cr);
    }
  }
  // The carpet.
  cairo_move_to(cr, 20, h * 0.9);
  cairo_line_to(cr, w - 20, h * 0.9);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  Paint(cr, Rgb{140, 30, 34}, 0, h * 0.9, 0, h, 1.0);
  for (double x = 30; x < w - 20; x += 24) FillCircle(cr, x, h * 0.95, 3, Rgb{220, 180, 80});
  // Ali with the lamp raised, and its warm light on everything.
  const Person& ali = CastPerson(3);
  PlacePosed(cr, ali, 226, 98, 0.62, 93, [&](cairo_t* c) {
    DrawArm(c, 48, 130, 22, 40, ali.cloth2, ali.skin, 20);
    Line(c, 22, 40, 22, 52, Rgb{120, 100, 60}, 2);
    Ellipse(c, 22, 62, 12, 9);
    Paint(c, Rgb{200, 160, 70}, 12, 54, 32, 70, 1.0);
    FillCircle(c, 22, 52, 5, Rgb{255, 220, 120});
  });
  Glow(cr, 178, 92, 110, Rgb{255, 190, 90}, 0.35);
  FillCircle(cr, 178, 92, 3, Rgb{255, 250, 220});
}

}  // namespace forge::scene
