// The evening news of Islamia National Television: studio, parade, oil tower,
// balcony speech and the opening of the research labs (Zorl01 - Zorl05).
#include <cmath>

#include "scenes/scenes_parts.h"

namespace forge::scene {

using namespace fig;

void Studio(cairo_t* cr, double w, double h) {
  VerticalGradient(cr, 0, 0, w, h, Rgb{24, 40, 86}, Rgb{10, 16, 40});
  // Wall panels and a band of light behind the desk.
  for (int i = 0; i < 8; ++i) {
    cairo_rectangle(cr, i * w / 8 + 3, 10, w / 8 - 6, h * 0.62);
    SetColor(cr, Rgb{60, 90, 160}, 0.18);
    cairo_fill(cr);
  }
  Glow(cr, w * 0.5, h * 0.45, w * 0.45, Rgb{90, 130, 210}, 0.45);
  // The flag on its pole, left.
  Line(cr, 30, 20, 30, h * 0.75, Rgb{200, 170, 80}, 3);
  FillCircle(cr, 30, 18, 4, Rgb{230, 200, 90});
  IslamiaFlag(cr, 32, 26, 80, 54);
  // The President's portrait, right, in a gilt frame.
  cairo_rectangle(cr, w - 104, 20, 80, 96);
  Paint(cr, Rgb{196, 156, 64}, w - 104, 20, w - 24, 116, 1.2);
  cairo_rectangle(cr, w - 97, 27, 66, 82);
  SetColor(cr, Rgb{120, 100, 70});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, w - 97, 27, 66, 82);
  cairo_clip(cr);
  Place(cr, President(), w - 64, 62, 0.62, 71);
  cairo_restore(cr);
  // The newsreader and his desk.
  Place(cr, Newsreader(), w * 0.5, 104, 1.0, 11);
  cairo_move_to(cr, 0, h * 0.72);
  cairo_line_to(cr, w, h * 0.72);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  Paint(cr, Rgb{40, 60, 110}, 0, h * 0.72, 0, h, 0);
  FillRect(cr, 0, h * 0.72, w, 4, Rgb{180, 196, 230});
  // Papers and hands on the desk.
  cairo_move_to(cr, w * 0.5 - 44, h * 0.72 + 2);
  cairo_line_to(cr, w * 0.5 - 6, h * 0.72 + 2);
  cairo_line_to(cr, w * 0.5 - 2, h * 0.72 + 14);
  cairo_line_to(cr, w * 0.5 - 48, h * 0.72 + 14);
  cairo_close_path(cr);
  Paint(cr, Rgb{240, 238, 230}, 0, h * 0.72, 0, h * 0.72 + 14, 0.8);
  DrawHand(cr, w * 0.5 - 36, h * 0.72 + 4, 14, Newsreader().skin);
  DrawHand(cr, w * 0.5 + 30, h * 0.72 + 4, 14, Newsreader().skin);
  // Microphone.
  Line(cr, w * 0.5 + 12, h * 0.72, w * 0.5 + 16, h * 0.6, Rgb{60, 60, 66}, 2);
  Ellipse(cr, w * 0.5 + 16, h * 0.6 - 4, 3.5, 5);
  Paint(cr, Rgb{70, 70, 76}, 0, h * 0.6 - 8, 0, h * 0.6, 0.8);
  // Channel plate on the desk front.
  cairo_rectangle(cr, w * 0.5 - 62, h * 0.83, 124, 24);
  Paint(cr, Rgb{170, 140, 60}, w * 0.5 - 62, h * 0.83, w * 0.5 + 62, h * 0.83 + 24, 1.0);
  CentredText(cr, w * 0.5, h * 0.83 + 17, "INTV", 16, Rgb{40, 30, 20}, true);
  CentredText(cr, w * 0.5, h - 8, "ISLAMIA NATIONAL TELEVISION", 9, Rgb{190, 206, 236}, false);
}

void Parade(cairo_t* cr, double w, double h) {
  Sky(cr, w, h, Rgb{70, 120, 190}, Rgb{150, 186, 220}, Rgb{226, 214, 184}, 0.6);
  // Buildings of the boulevard.
  Noise n(202);
  for (double x = 0; x < w; x += 26 + n.Range(0, 14)) {
    const double top = h * 0.22 + n.Range(0, 30);
    cairo_rectangle(cr, x, top, 30, h * 0.6 - top);
    Paint(cr, Mix(Rgb{214, 186, 140}, Rgb{190, 160, 120}, n.Unit()), x, top, x + 30, h * 0.6, 0.8);
    for (double y = top + 6; y < h * 0.55; y += 12)
      for (double wx = x + 5; wx < x + 25; wx += 9) FillRect(cr, wx, y, 4, 6, Rgb{110, 90, 70});
  }
  // Tribune with a striped awning, right.
  cairo_rectangle(cr, w * 0.68, h * 0.34, w * 0.3, h * 0.3);
  Paint(cr, Rgb{170, 150, 120}, w * 0.68, h * 0.34, w * 0.98, h * 0.64, 1.0);
  for (int i = 0; i < 8; ++i)
    FillRect(cr, w * 0.66 + i * w * 0.042, h * 0.28, w * 0.042, h * 0.07,
             (i % 2) ? Rgb{236, 232, 220} : Rgb{30, 110, 60});
  for (int i = 0; i < 5; ++i)
    CrowdFigure(cr, w * 0.72 + i * 18, h * 0.42, 4.2, i == 2 ? Rgb{60, 70, 44} : Rgb{50, 52, 60},
                CrowdSkin(i), Rgb{30, 26, 24}, i == 2);
  IslamiaFlag(cr, w * 0.06, h * 0.08, 44, 28);
  Line(cr, w * 0.06, h * 0.08, w * 0.06, h * 0.6, Rgb{200, 170, 80}, 2);
  // The road.
  VerticalGradient(cr, 0, h * 0.6, w, h * 0.4, Rgb{120, 116, 110}, Rgb{80, 76, 72});
  // Transporter and missile.
  const double by = h * 0.7;
  cairo_rectangle(cr, w * 0.14, by - 14, w * 0.6, 20);
  Paint(cr, Rgb{96, 104, 62}, w * 0.14, by - 14, w * 0.14, by + 6, 1.2);
  cairo_rectangle(cr, w * 0.66, by - 40, w * 0.13, 46);
  Paint(cr, Rgb{104, 112, 68}, w * 0.66, by - 40, w * 0.79, by + 6, 1.2);
  cairo_rectangle(cr, w * 0.7, by - 34, w * 0.07, 14);
  SetColor(cr, Rgb{160, 190, 200});
  cairo_fill(cr);
  for (int i = 0; i < 6; ++i) {
    const double x = w * 0.2 + i * w * 0.095;
    FillCircle(cr, x, by + 10, 9, Rgb{30, 30, 30});
    FillCircle(cr, x, by + 10, 4, Rgb{110, 110, 100});
  }
  cairo_save(cr);
  cairo_translate(cr, w * 0.16, by - 22);
  cairo_rotate(cr, -0.08);
  cairo_rectangle(cr, 0, -9, w * 0.5, 18);
  Paint(cr, Rgb{222, 222, 210}, 0, -9, 0, 9, 1.0);
  cairo_move_to(cr, w * 0.5, -9);
  cairo_curve_to(cr, w * 0.5 + 18, -8, w * 0.5 + 30, -2, w * 0.5 + 34, 0);
  cairo_curve_to(cr, w * 0.5 + 30, 2, w * 0.5 + 18, 8, w * 0.5, 9);
  cairo_close_path(cr);
  Paint(cr, Rgb{180, 40, 40}, w * 0.5, -9, w * 0.5, 9, 1.0);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 4, s * 9);
    cairo_line_to(cr, 0, s * 20);
    cairo_line_to(cr, 22, s * 9);
    cairo_close_path(cr);
    Paint(cr, Rgb{96, 104, 62}, 0, 0, 0, s * 20, 0.8);
  }
  FillRect(cr, w * 0.2, -9, 4, 18, Rgb{30, 110, 60});
  Text(cr, w * 0.25, 5, "SCIMITAR", 10, Rgb{60, 60, 56}, true);
  cairo_restore(cr);
  // Soldiers marching in front.
  for (int i = 0; i < 11; ++i) {
    const double x = 12 + i * 31;
    CrowdFigure(cr, x, h * 0.86, 5, Rgb{96, 104, 62}, CrowdSkin(i), Rgb{80, 86, 50}, false);
    Line(cr, x + 6, h * 0.86 + 8, x + 10, h * 0.86 - 12, Rgb{40, 40, 40}, 1.6);
  }
}

void OilTower(cairo_t* cr, double w, double h) {
  Sky(cr, w, h, Rgb{40, 30, 80}, Rgb{170, 80, 90}, Rgb{250, 170, 80}, 0.55);
  Glow(cr, w * 0.8, h * 0.74, 90, Rgb{255, 200, 120}, 0.8);
  FillCircle(cr, w * 0.8, h * 0.74, 16, Rgb{255, 226, 160});
  // Refinery silhouette: columns, tanks, pipe racks.
  const Rgb dark{46, 34, 50};
  for (int i = 0; i < 4; ++i) {
    const double x = w * 0.52 + i * 30;
    const double top = h * 0.42 + (i % 2) * 20;
    cairo_rectangle(cr, x, top, 12, h - top);
    Paint(cr, dark, x, top, x + 12, top, 0);
    for (double y = top + 8; y < h * 0.8; y += 14) Line(cr, x - 3, y, x + 15, y, dark, 1.5);
  }
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, w * 0.62 + i * 44, h * 0.84, 20, 9);
    SetColor(cr, dark);
    cairo_fill(cr);
    cairo_rectangle(cr, w * 0.62 + i * 44 - 20, h * 0.84, 40, 30);
    cairo_fill(cr);
  }
  // Flare stacks with their flames.
  for (double x : {w * 0.5, w * 0.93}) {
    FillRect(cr, x - 2, h * 0.3, 4, h * 0.7, dark);
    Glow(cr, x, h * 0.27, 30, Rgb{255, 150, 40}, 0.7);
    cairo_move_to(cr, x - 6, h * 0.3);
    cairo_curve_to(cr, x - 8, h * 0.22, x + 2, h * 0.2, x, h * 0.12);
    cairo_curve_to(cr, x + 8, h * 0.2, x + 8, h * 0.26, x + 6, h * 0.3);
    cairo_close_path(cr);
    Shade(cr, Rgb{255, 190, 60}, x, h * 0.12, x, h * 0.3);
  }
  // The glass tower, catching the sunset on its lit face.
  const double tx = w * 0.12;
  const double tw = w * 0.22;
  cairo_move_to(cr, tx, h * 0.12);
  cairo_line_to(cr, tx + tw, h * 0.06);
  cairo_line_to(cr, tx + tw, h);
  cairo_line_to(cr, tx, h);
  cairo_close_path(cr);
  Shade(cr, Rgb{110, 90, 130}, tx, 0, tx + tw, h);
  cairo_move_to(cr, tx + tw, h * 0.06);
  cairo_line_to(cr, tx + tw + w * 0.09, h * 0.1);
  cairo_line_to(cr, tx + tw + w * 0.09, h);
  cairo_line_to(cr, tx + tw, h);
  cairo_close_path(cr);
  Shade(cr, Rgb{230, 140, 90}, tx + tw, 0, tx + tw + w * 0.09, h);
  for (double y = h * 0.16; y < h; y += 9) {
    Line(cr, tx, y + 1, tx + tw, y - 4, Rgb{70, 60, 100}, 1);
    Line(cr, tx + tw, y - 4, tx + tw + w * 0.09, y - 2, Rgb{255, 200, 150}, 1);
  }
  for (double x = tx + 8; x < tx + tw; x += 10) Line(cr, x, h * 0.14, x, h, Rgb{90, 76, 120}, 0.8);
  FillRect(cr, tx + 14, h * 0.17, tw - 28, 14, Rgb{30, 110, 60});
  CentredText(cr, tx + tw / 2, h * 0.17 + 11, "ISLAMIA OIL", 9, Rgb{240, 230, 200}, true);
  // The desert floor.
  VerticalGradient(cr, 0, h * 0.9, w, h * 0.1, Rgb{90, 50, 50}, Rgb{50, 30, 40});
}

void Balcony(cairo_t* cr, double w, double h) {
  // Palace front in warm stone, with arches.
  VerticalGradient(cr, 0, 0, w, h, Rgb{214, 184, 134}, Rgb{170, 140, 100});
  for (int i = 0; i < 3; ++i) {
    const double x = 30 + i * 120;
    cairo_move_to(cr, x, h * 0.62);
    cairo_line_to(cr, x, h * 0.2);
    cairo_curve_to(cr, x, h * 0.02, x + 56, h * 0.02, x + 56, h * 0.2);
    cairo_line_to(cr, x + 56, h * 0.62);
    cairo_close_path(cr);
    Paint(cr, Rgb{90, 60, 50}, x, 0, x + 56, h * 0.62, 1.5);
  }
  for (double x : {w * 0.08 - 14, w * 0.92 - 6}) {
    cairo_rectangle(cr, x, 0, 20, h * 0.62);
    Paint(cr, Rgb{226, 200, 150}, x, 0, x + 20, 0, 1.0);
  }
  IslamiaFlag(cr, 40, 10, 40, 70);
  IslamiaFlag(cr, w - 80, 10, 40, 70);
  // The President at the middle arch, fist raised.
  PlacePosed(cr, President(), w * 0.5, 84, 0.78, 4, [](cairo_t* c) {
    DrawArm(c, 146, 126, 166, 40, Rgb{60, 70, 44}, President().skin, 17);
  });
  // Balustrade.
  FillRect(cr, 0, h * 0.55, w, 10, Rgb{232, 210, 166});
  for (double x = 4; x < w; x += 14) {
    cairo_move_to(cr, x + 3, h * 0.59);
    cairo_curve_to(cr, x - 1, h * 0.63, x - 1, h * 0.66, x + 4, h * 0.7);
    cairo_line_to(cr, x + 8, h * 0.7);
    cairo_curve_to(cr, x + 13, h * 0.66, x + 13, h * 0.63, x + 9, h * 0.59);
    cairo_close_path(cr);
    Paint(cr, Rgb{222, 198, 152}, x, 0, x + 12, 0, 0.8);
  }
  FillRect(cr, 0, h * 0.7, w, 8, Rgb{200, 176, 130});
  // The crowd below.
  VerticalGradient(cr, 0, h * 0.73, w, h * 0.27, Rgb{120, 100, 80}, Rgb{70, 56, 46});
  Noise n(404);
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 24; ++i) {
      const double x = i * 16 + (row % 2) * 8 + n.Range(-3, 3);
      const double y = h * 0.79 + row * 18;
      const Rgb shirt = Mix(Rgb{230, 226, 214}, Rgb{90, 90, 110}, n.Unit());
      CrowdFigure(cr, x, y, 4 + row, shirt, CrowdSkin(i + row), Rgb{30, 26, 24}, n.Unit() < 0.3);
    }
}

void RibbonCutting(cairo_t* cr, double w, double h) {
  Sky(cr, w, h, Rgb{120, 170, 220}, Rgb{170, 200, 226}, Rgb{220, 226, 226}, 0.5);
  // The new building: white concrete, glass doors, a sign.
  cairo_rectangle(cr, 10, 20, w - 20, h * 0.8);
  Paint(cr, Rgb{226, 226, 218}, 10, 20, w - 10, h, 1.0);
  cairo_rectangle(cr, 40, 28, w - 80, 30);
  Paint(cr, Rgb{30, 60, 100}, 40, 28, w - 40, 58, 1.0);
  CentredText(cr, w / 2, 39, "ISLAMIA CITY UNIVERSITY", 8, Rgb{200, 210, 226}, false);
  CentredText(cr, w / 2, 54, "RESEARCH LABS", 13, Rgb{236, 236, 230}, true);
  for (int i = 0; i < 4; ++i) {
    const double x = w * 0.24 + i * w * 0.13;
    cairo_rectangle(cr, x, 66, w * 0.12, h * 0.55);
    Paint(cr, Rgb{110, 150, 170}, x, 66, x + w * 0.12, 66 + h * 0.55, 1.0);
    Line(cr, x + 6, 72, x + 16, 110, Rgb{200, 226, 236}, 2);
  }
  for (double x : {22.0, w - 52}) {  // potted palms
    cairo_rectangle(cr, x + 6, h - 36, 20, 24);
    Paint(cr, Rgb{150, 80, 50}, x + 6, h - 36, x + 26, h - 12, 1.0);
    for (int k = -2; k <= 2; ++k)
      Line(cr, x + 16, h - 36, x + 16 + k * 12, h - 70 + std::abs(k) * 8, Rgb{40, 110, 50}, 4);
  }
  // Officials either side of Prof. Phatami.
  Place(cr, Official(0), w * 0.2, 112, 0.72, 21);
  Place(cr, Official(1), w * 0.8, 114, 0.7, 22);
  const Person& phatami = CastPerson(32);
  PlacePosed(cr, phatami, w * 0.5, 106, 0.8, 23, [&](cairo_t* c) {
    DrawArm(c, 150, 140, 146, 196, phatami.cloth, phatami.skin, 20);
    // Big ceremonial scissors.
    Line(c, 146, 196, 120, 206, Rgb{200, 204, 210}, 4);
    Line(c, 146, 196, 124, 190, Rgb{200, 204, 210}, 4);
    FillCircle(c, 156, 200, 6, Rgb{40, 40, 40});
  });
  // The ribbon across them, with its bow.
  SetColor(cr, Rgb{200, 30, 40});
  cairo_set_line_width(cr, 6);
  cairo_move_to(cr, 0, h * 0.78);
  cairo_curve_to(cr, w * 0.3, h * 0.86, w * 0.5, h * 0.8, w * 0.62, h * 0.84);
  cairo_curve_to(cr, w * 0.8, h * 0.88, w * 0.9, h * 0.8, w, h * 0.8);
  cairo_stroke(cr);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, w * 0.62, h * 0.84);
    cairo_line_to(cr, w * 0.62 + s * 16, h * 0.78);
    cairo_line_to(cr, w * 0.62 + s * 16, h * 0.9);
    cairo_close_path(cr);
    Paint(cr, Rgb{210, 40, 50}, w * 0.6, h * 0.78, w * 0.64, h * 0.9, 1.0);
  }
}

}  // namespace forge::scene
