// The ending: the flight out, the raid, the uprising, the ceremony and the
// beach (Zorl10 - Zorl14).
#include <cmath>

#include "scenes/scenes_parts.h"

namespace forge::scene {

using namespace fig;

namespace {

void Smoke(cairo_t* cr, double x, double y, double size, std::uint32_t seed) {
  Noise n(seed);
  for (int i = 0; i < 7; ++i) {
    const double px = x + n.Range(-10, 10) * size / 20;
    const double py = y - i * size * 0.35;
    Ellipse(cr, px, py, size * (0.5 + i * 0.08), size * 0.4);
    SetColor(cr, Mix(Rgb{70, 60, 60}, Rgb{30, 28, 34}, i / 7.0), 0.7);
    cairo_fill(cr);
  }
}

void Blast(cairo_t* cr, double x, double y, double r) {
  Glow(cr, x, y, r * 2.2, Rgb{255, 120, 30}, 0.6);
  Glow(cr, x, y, r, Rgb{255, 230, 140}, 0.95);
  FillCircle(cr, x, y, r * 0.3, Rgb{255, 250, 220});
}

void DeckChair(cairo_t* cr, double x, double y, Rgb stripe) {
  // Seen from behind: the sloping canvas back in its wooden frame.
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + 36, y);
  cairo_line_to(cr, x + 42, y + 34);
  cairo_line_to(cr, x - 6, y + 34);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  Paint(cr, Rgb{240, 236, 226}, x, y, x + 36, y + 34, 0);
  for (int i = 0; i < 4; ++i) FillRect(cr, x - 6 + i * 13, y, 6.5, 40, stripe);
  cairo_restore(cr);
  for (double lx : {x - 7.0, x + 43.0})
    Line(cr, lx - (lx < x ? -1 : 1) * 6, y - 2, lx, y + 44, Rgb{130, 86, 50}, 2.5);
  Line(cr, x - 6, y + 34, x + 42, y + 34, Rgb{130, 86, 50}, 2.5);
}

}  // namespace

void Airliner(cairo_t* cr, double w, double h) {
  Sky(cr, w, h, Rgb{34, 44, 100}, Rgb{214, 120, 120}, Rgb{255, 204, 124}, 0.64);
  const double horizon = h * 0.72;
  Glow(cr, 70, horizon, 80, Rgb{255, 220, 150}, 0.8);
  cairo_arc(cr, 70, horizon, 18, M_PI, 2 * M_PI);
  SetColor(cr, Rgb{255, 236, 180});
  cairo_fill(cr);
  // Sea to the left, desert to the right.
  VerticalGradient(cr, 0, horizon, w, h - horizon, Rgb{70, 80, 130}, Rgb{40, 50, 90});
  for (int i = 0; i < 8; ++i)
    Line(cr, 50 - i * 2, horizon + 4 + i * 6, 90 + i * 3, horizon + 4 + i * 6, Rgb{255, 210, 150},
         1.4);
  cairo_move_to(cr, w * 0.45, h);
  cairo_curve_to(cr, w * 0.5, h * 0.85, w * 0.55, horizon + 4, w * 0.62, horizon);
  cairo_line_to(cr, w, horizon);
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  Paint(cr, Rgb{200, 150, 96}, w * 0.5, horizon, w, h, 0);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, w * 0.6 + i * 30, h);
    cairo_curve_to(cr, w * 0.66 + i * 30, h * 0.84, w * 0.74 + i * 30, h * 0.82, w * 0.8 + i * 30,
                   h);
    SetColor(cr, Rgb{150, 100, 70}, 0.6);
    cairo_fill(cr);
  }
  // Contrail, then the airliner climbing away to the upper right.
  cairo_move_to(cr, 40, h * 0.62);
  cairo_line_to(cr, 170, h * 0.36);
  cairo_line_to(cr, 170, h * 0.4);
  cairo_close_path(cr);
  SetColor(cr, Rgb{255, 240, 230}, 0.5);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 210, 66);
  cairo_rotate(cr, -0.32);
  const Rgb body{226, 222, 230};
  cairo_move_to(cr, 26, -4);
  cairo_line_to(cr, -12, -44);
  cairo_line_to(cr, -22, -44);
  cairo_line_to(cr, -4, -4);
  cairo_close_path(cr);
  Paint(cr, Rgb{170, 168, 186}, -20, -44, 20, -4, 1.0);
  cairo_move_to(cr, -50, -8);
  cairo_curve_to(cr, 20, -10, 50, -9, 62, -2);
  cairo_curve_to(cr, 50, 6, 20, 7, -50, 5);
  cairo_line_to(cr, -56, -18);
  cairo_line_to(cr, -48, -18);
  cairo_close_path(cr);
  Paint(cr, body, 0, -10, 0, 7, 1.0);
  FillRect(cr, -40, -2, 88, 2, Rgb{30, 110, 60});
  for (int i = 0; i < 12; ++i) FillCircle(cr, -30 + i * 6.5, -4.5, 1.1, Rgb{60, 70, 100});
  cairo_move_to(cr, 20, 2);
  cairo_line_to(cr, -10, 26);
  cairo_line_to(cr, -2, 26);
  cairo_line_to(cr, 34, 2);
  cairo_close_path(cr);
  Paint(cr, Rgb{200, 190, 200}, -10, 2, 34, 26, 1.0);
  Ellipse(cr, 8, 14, 8, 3.5);
  Paint(cr, Rgb{150, 150, 164}, 0, 10, 0, 18, 1.0);
  cairo_restore(cr);
}

void NightRaid(cairo_t* cr, double w, double h) {
  Sky(cr, w, h, Rgb{6, 8, 26}, Rgb{26, 24, 56}, Rgb{110, 46, 36}, 0.6);
  // Searchlight beams.
  constexpr double kBeams[][2] = {{60, -0.5}, {170, 0.25}, {270, -0.2}};
  for (const auto& b : kBeams) {
    cairo_move_to(cr, b[0] - 3, h * 0.8);
    cairo_line_to(cr, b[0] + 3, h * 0.8);
    cairo_line_to(cr, b[0] + std::tan(b[1]) * h + 22, 0);
    cairo_line_to(cr, b[0] + std::tan(b[1]) * h - 22, 0);
    cairo_close_path(cr);
    SetColor(cr, Rgb{220, 226, 240}, 0.22);
    cairo_fill(cr);
  }
  Noise n(1111);
  for (int i = 0; i < 18; ++i) {
    const double x = n.Range(10, static_cast<int>(w) - 10);
    const double y = n.Range(10, static_cast<int>(h * 0.5));
    Glow(cr, x, y, 5, Rgb{255, 220, 140}, 0.9);
    FillCircle(cr, x, y, 1.2, Rgb{255, 250, 220});
  }
  // The Islamia Oil tower, left, hit at its base.
  cairo_rectangle(cr, 30, h * 0.16, 50, h * 0.84);
  Paint(cr, Rgb{30, 30, 44}, 30, h * 0.16, 80, h, 1.0);
  for (int i = 0; i < 10; ++i)
    FillRect(cr, 36 + n.Range(0, 4) * 9, h * 0.2 + n.Range(0, 16) * 9, 5, 4, Rgb{200, 180, 110});
  // The factory, right: saw-tooth roof, chimney.
  const double fy = h * 0.64;
  cairo_move_to(cr, 130, h);
  cairo_line_to(cr, 130, fy);
  for (int i = 0; i < 6; ++i) {
    cairo_line_to(cr, 130 + i * 30 + 22, fy - 18);
    cairo_line_to(cr, 130 + i * 30 + 30, fy);
  }
  cairo_line_to(cr, 310, h);
  cairo_close_path(cr);
  Paint(cr, Rgb{36, 32, 40}, 130, fy - 18, 310, h, 1.0);
  FillRect(cr, 280, fy - 60, 10, 60, Rgb{40, 34, 40});
  Smoke(cr, 200, fy - 20, 40, 3);
  Smoke(cr, 62, h * 0.72, 30, 4);
  Blast(cr, 200, fy + 4, 30);
  Blast(cr, 250, fy + 20, 18);
  Blast(cr, 56, h * 0.86, 24);
  VerticalGradient(cr, 0, h * 0.92, w, h * 0.08, Rgb{80, 40, 30}, Rgb{20, 14, 16});
}

void Uprising(cairo_t* cr, double w, double h) {
  Sky(cr, w, h, Rgb{120, 170, 214}, Rgb{186, 204, 214}, Rgb{230, 214, 180}, 0.5);
  Noise n(1212);
  // Poor houses of mud brick, with laundry between them.
  for (double x = -10; x < w; x += 46) {
    const double top = 18 + n.Range(0, 26);
    cairo_rectangle(cr, x, top, 48, h * 0.6);
    Paint(cr, Mix(Rgb{186, 146, 100}, Rgb{160, 124, 88}, n.Unit()), x, top, x + 48, h * 0.6, 1.0);
    FillRect(cr, x + 10, top + 14, 9, 12, Rgb{60, 40, 30});
    FillRect(cr, x + 30, top + 14, 9, 12, Rgb{60, 40, 30});
  }
  SetColor(cr, Rgb{60, 50, 40});
  cairo_set_line_width(cr, 0.8);
  cairo_move_to(cr, 40, 50);
  cairo_curve_to(cr, 80, 62, 120, 62, 160, 48);
  cairo_stroke(cr);
  for (int i = 0; i < 5; ++i)
    FillRect(cr, 56 + i * 18, 56 + (i % 2) * 2, 9, 11,
             (i % 2) ? Rgb{200, 60, 60} : Rgb{230, 230, 220});
  // The torn poster of the President.
  cairo_rectangle(cr, w - 98, 30, 70, 86);
  SetColor(cr, Rgb{226, 216, 190});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, w - 94, 34, 62, 70);
  cairo_clip(cr);
  VerticalGradient(cr, w - 94, 34, 62, 70, Rgb{200, 60, 50}, Rgb{150, 40, 40});
  Place(cr, President(), w - 63, 66, 0.55, 12);
  cairo_restore(cr);
  Text(cr, w - 92, 113, "OUR LEADER", 8, Rgb{40, 30, 20}, true);
  cairo_move_to(cr, w - 98, 52);
  cairo_line_to(cr, w - 74, 60);
  cairo_line_to(cr, w - 80, 70);
  cairo_line_to(cr, w - 60, 82);
  cairo_line_to(cr, w - 64, 96);
  cairo_line_to(cr, w - 48, 118);
  cairo_line_to(cr, w - 98, 118);
  cairo_close_path(cr);
  Paint(cr, Rgb{176, 140, 100}, w - 98, 52, w - 48, 118, 0.8);
  // Banners and the marching crowd.
  const char* kBanners[] = {"FREEDOM!", "BREAD AND JUSTICE"};
  for (int b = 0; b < 2; ++b) {
    const double x = 20 + b * 120;
    const double y = h * 0.5 + b * 6;
    Line(cr, x, y, x, h, Rgb{110, 80, 50}, 2);
    Line(cr, x + 100, y, x + 100, h, Rgb{110, 80, 50}, 2);
    cairo_rectangle(cr, x, y, 100, 22);
    Paint(cr, Rgb{236, 232, 220}, x, y, x + 100, y + 22, 1.0);
    CentredText(cr, x + 50, y + 16, kBanners[b], b ? 8 : 14, Rgb{190, 30, 30}, true);
  }
  IslamiaFlag(cr, 250, h * 0.48, 34, 22);
  Line(cr, 250, h * 0.48, 250, h, Rgb{110, 80, 50}, 2);
  for (int row = 0; row < 4; ++row)
    for (int i = 0; i < 22; ++i) {
      const double x = i * 15 + (row % 2) * 7 + n.Range(-3, 3);
      const double y = h * 0.66 + row * 15;
      const Rgb shirt = Mix(Rgb{236, 232, 220}, Rgb{100, 84, 70}, n.Unit());
      CrowdFigure(cr, x, y, 4 + row * 0.8, shirt, CrowdSkin(i * 3 + row), Rgb{30, 26, 24},
                  n.Unit() < 0.35);
    }
}

void Ceremony(cairo_t* cr, double w, double h) {
  // Blue drapes with deep folds, a white banner with a blue band.
  for (int i = 0; i < 15; ++i) {
    cairo_rectangle(cr, i * w / 15, 0, w / 15 + 1, h);
    cairo_pattern_t* pat = cairo_pattern_create_linear(i * w / 15, 0, (i + 1) * w / 15, 0);
    cairo_pattern_add_color_stop_rgb(pat, 0, 0.10, 0.16, 0.36);
    cairo_pattern_add_color_stop_rgb(pat, 0.5, 0.22, 0.32, 0.58);
    cairo_pattern_add_color_stop_rgb(pat, 1, 0.10, 0.16, 0.36);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
  }
  cairo_rectangle(cr, w * 0.36, 8, w * 0.28, 44);
  Paint(cr, Rgb{240, 240, 236}, w * 0.36, 8, w * 0.64, 52, 1.0);
  FillRect(cr, w * 0.36, 14, w * 0.28, 5, Rgb{40, 80, 170});
  FillRect(cr, w * 0.36, 41, w * 0.28, 5, Rgb{40, 80, 170});
  // The Chief pins the decoration on Dan.
  Person dan = CastPerson(0);
  dan.outfit = Outfit::kSuit;
  dan.cloth = {40, 44, 58};
  dan.cloth2 = {120, 30, 40};
  dan.glasses = Glasses::kNone;
  Place(cr, dan, w * 0.62, 86, 0.62, 131);
  PlacePosed(cr, Chief(), w * 0.36, 90, 0.6, 132,
             [](cairo_t* c) { DrawArm(c, 150, 130, 226, 140, Chief().cloth, Chief().skin, 20); });
  FillCircle(cr, w * 0.36 + 126 * 0.6 + 2, 90 + 78 * 0.6, 5, Rgb{230, 190, 70});
  FillRect(cr, w * 0.36 + 126 * 0.6 - 1, 90 + 64 * 0.6, 6, 9, Rgb{40, 80, 170});
  // The guests in the front row: Tavori, Ali, Zainab and the taxi driver.
  FillRect(cr, 0, h * 0.76, w, h * 0.24, Rgb{60, 40, 30});
  Place(cr, Tavori(), 34, 158, 0.38, 133);
  Place(cr, CastPerson(3), 196, 156, 0.4, 134);
  Place(cr, CastPerson(38), 234, 160, 0.38, 135);
  Place(cr, CastPerson(37), 272, 158, 0.38, 136);
}

void Beach(cairo_t* cr, double w, double h) {
  const double horizon = h * 0.56;
  Sky(cr, w, horizon, Rgb{70, 50, 110}, Rgb{230, 110, 90}, Rgb{255, 200, 110}, 0.6);
  Glow(cr, 196, horizon, 70, Rgb{255, 210, 130}, 0.7);
  cairo_arc(cr, 196, horizon, 22, M_PI, 2 * M_PI);
  SetColor(cr, Rgb{255, 230, 150});
  cairo_fill(cr);
  VerticalGradient(cr, 0, horizon, w, h * 0.2, Rgb{120, 70, 100}, Rgb{60, 60, 110});
  for (int i = 0; i < 7; ++i)
    Line(cr, 180 - i * 3, horizon + 3 + i * 5, 212 + i * 3, horizon + 3 + i * 5, Rgb{255, 200, 130},
         1.3);
  // Sand.
  cairo_move_to(cr, 0, h * 0.74);
  cairo_curve_to(cr, w * 0.3, h * 0.7, w * 0.7, h * 0.78, w, h * 0.72);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  Paint(cr, Rgb{226, 180, 120}, 0, h * 0.7, 0, h, 0);
  // A palm at the edge.
  Line(cr, w - 14, h, w - 30, h * 0.18, Rgb{60, 40, 40}, 5);
  for (int k = 0; k < 6; ++k) {
    const double a = -M_PI + k * M_PI / 5;
    cairo_move_to(cr, w - 30, h * 0.18);
    cairo_curve_to(cr, w - 30 + std::cos(a) * 20, h * 0.18 + std::sin(a) * 10 - 8,
                   w - 30 + std::cos(a) * 36, h * 0.18 + 6, w - 30 + std::cos(a) * 44,
                   h * 0.18 + 20);
    SetColor(cr, Rgb{40, 50, 40});
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
  }
  DeckChair(cr, 60, h * 0.66, Rgb{40, 90, 170});
  DeckChair(cr, 118, h * 0.68, Rgb{200, 50, 50});
  // The telephone with its cord cut.
  const double px = 220;
  const double py = h * 0.86;
  cairo_move_to(cr, px - 18, py + 10);
  cairo_line_to(cr, px - 12, py - 6);
  cairo_line_to(cr, px + 12, py - 6);
  cairo_line_to(cr, px + 18, py + 10);
  cairo_close_path(cr);
  Paint(cr, Rgb{30, 30, 34}, px - 18, py - 6, px + 18, py + 10, 1.0);
  FillCircle(cr, px, py + 2, 6, Rgb{220, 214, 200});
  FillCircle(cr, px, py + 2, 2, Rgb{30, 30, 34});
  Receiver(cr, px, py - 10, 0, 34, Rgb{30, 30, 34});
  SetColor(cr, Rgb{30, 30, 34});
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, px + 18, py + 6);
  for (int i = 0; i < 5; ++i) cairo_rel_curve_to(cr, 3, 5, 7, -2, 8, 3);
  cairo_stroke(cr);
  // The cut end, and the scissors that did it.
  Line(cr, px + 58, py + 8, px + 62, py + 4, Rgb{200, 120, 60}, 1.4);
  Line(cr, px + 66, py + 12, px + 60, py + 18, Rgb{200, 200, 206}, 2.2);
  Line(cr, px + 66, py + 12, px + 70, py + 20, Rgb{200, 200, 206}, 2.2);
  FillCircle(cr, px + 58, py + 20, 3, Rgb{200, 40, 40});
  FillCircle(cr, px + 72, py + 23, 3, Rgb{200, 40, 40});
}

}  // namespace forge::scene
