// The communication unit: the open lid of an army transceiver case. The status
// line, buttons and terminal sit in a console in the middle; the pending reports
// print on a paper strip at the top right (black text, so the paper is light);
// the signal lamp (43,314) and the Morse key (520,292) sit in their own mounts.
#include <cmath>

#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

constexpr Rgb kStencil{204, 198, 160};
constexpr Rgb kButton{44, 48, 52};

void CaseBody(Picture& p) {
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, kMorseWidth, kMorseHeight, {70, 74, 50}, {40, 43, 28});
  Brushed(p, 0, 0, kMorseWidth, kMorseHeight, 701, 6);
  Grain(p, 0, 0, kMorseWidth, kMorseHeight, 702, 3);
  Bevel(cr, 0, 0, kMorseWidth, kMorseHeight, 4, true);
  for (auto [x, y] : {std::pair{11, 11}, {571, 11}, {11, 405}, {571, 405}})
    Screw(cr, x, y, 3.6, 1.1);
}

// Name plate and speaker grille at the top left.
void Speaker(Picture& p) {
  cairo_t* cr = p.cr();
  Plate(p, 24, 16, 148, 24, {150, 118, 58}, 703);
  Engraved(cr, kSans, 98, 33, "COMMKIT No. 412", 11, {150, 118, 58}, true, 1.5);
  FillCircle(cr, 98, 104, 50, {30, 32, 22});
  FillCircle(cr, 98, 104, 46, {20, 21, 15});
  for (int y = 62; y <= 146; y += 7) {
    for (int x = 56; x <= 140; x += 7) {
      if (std::hypot(x - 98, y - 104) > 42) continue;
      FillCircle(cr, x + 0.5, y + 0.5, 2.1, {4, 4, 3});
    }
  }
  for (double a = 0.4; a < 6.3; a += M_PI / 2)
    Rivet(cr, 98 + std::cos(a) * 48, 104 + std::sin(a) * 48, 2.2);
}

// Paper strip for the pending reports: rows at x 340, y 60 + 12 k.
void PaperStrip(Picture& p) {
  cairo_t* cr = p.cr();
  FillRect(cr, 324, 28, 254, 8, {12, 12, 10});  // printer slot
  Bevel(cr, 324, 28, 254, 8, 2, false);
  cairo_move_to(cr, 330, 36);
  cairo_line_to(cr, 574, 36);
  for (int x = 574; x >= 330; x -= 6) cairo_line_to(cr, x - 3, x % 12 == 2 ? 141 : 138);
  cairo_close_path(cr);
  SetColor(cr, {0, 0, 0}, 0.35);
  cairo_save(cr);
  cairo_translate(cr, 3, 3);
  cairo_fill_preserve(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 330, 36);
  cairo_line_to(cr, 574, 36);
  for (int x = 574; x >= 330; x -= 6) cairo_line_to(cr, x - 3, x % 12 == 2 ? 141 : 138);
  cairo_close_path(cr);
  SetColor(cr, {232, 228, 206});
  cairo_fill(cr);
  Grain(p, 330, 36, 245, 106, 704, 4);
  Letters(cr, kMono, 340, 50, "OUTGOING  REPORTS", 9, {110, 104, 90}, true);
  for (int k = 1; k <= 6; ++k)
    Line(cr, 338, 60 + 12 * k + 0.5, 566, 60 + 12 * k + 0.5, {200, 206, 214});
  for (int y = 42; y < 136; y += 9) {
    FillCircle(cr, 334.5, y, 1.6, {170, 164, 140});
    FillCircle(cr, 569.5, y, 1.6, {170, 164, 140});
  }
}

// The console: status (176,188), GET and SEND (y 212), terminal (176,244, 249 x 121).
void Console(Picture& p) {
  cairo_t* cr = p.cr();
  SetColor(cr, {0, 0, 0}, 0.45);
  RoundedRect(cr, 163, 179, 284, 206, 7);
  cairo_fill(cr);
  SetColor(cr, {36, 39, 42});
  RoundedRect(cr, 159, 175, 284, 206, 7);
  cairo_fill(cr);
  Grain(p, 159, 175, 284, 206, 705, 4);
  Bevel(cr, 161, 177, 280, 202, 2, true);
  Well(cr, 172, 184, 258, 21, {4, 22, 6}, false);
  Plate(p, 168, 208, 120, 22, kButton, 706);
  Plate(p, 308, 208, 128, 22, kButton, 707);
  Well(cr, 172, 240, 258, 130, {0, 0, 0}, false);
}

// Tuning scale and two knobs on the left, between the speaker and the lamp.
void Tuning(Picture& p) {
  cairo_t* cr = p.cr();
  Well(cr, 24, 184, 130, 22, {214, 200, 150}, true);
  for (int x = 30; x <= 148; x += 4)
    Line(cr, x + 0.5, 204, x + 0.5, x % 20 == 10 ? 193 : 199, {60, 50, 30});
  Line(cr, 101.5, 186, 101.5, 205, {190, 30, 20}, 1.4);
  for (auto [cx, name] : {std::pair{60.0, "FREQ"}, {122.0, "GAIN"}}) {
    for (int t = 0; t <= 10; ++t) {
      const double a = M_PI * (0.75 + 1.5 * t / 10);
      Line(cr, cx + std::cos(a) * 19, 238 + std::sin(a) * 19, cx + std::cos(a) * 23,
           238 + std::sin(a) * 23, {200, 196, 170});
    }
    FillCircle(cr, cx + 1, 239, 15, {0, 0, 0});
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - 5, 233, 1, cx, 238, 15);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.35, 0.35, 0.33);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.08, 0.08);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, 238, 14, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Line(cr, cx, 238, cx + 9, 229, {220, 220, 210}, 2);
    Painted(cr, kSans, cx, 276, name, 9, kStencil, true, 1.5);
  }
}

// Mounts for the lamp (43,314, 101 x 21) and the key (520,292, 105 x 33), the BACK
// button (380,392) and the key's cord running to the console.
void Mounts(Picture& p) {
  cairo_t* cr = p.cr();
  Plate(p, 34, 305, 119, 39, {58, 62, 44}, 708);
  Well(cr, 40, 311, 107, 27, {10, 10, 8}, false);
  Painted(cr, kSans, 93.5, 358, "SIGNAL", 9, kStencil, true, 2);
  SetColor(cr, {10, 10, 8});
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 512, 326);
  cairo_curve_to(cr, 480, 360, 470, 300, 443, 330);
  cairo_stroke(cr);
  Plate(p, 508, 284, 74, 50, {54, 56, 58}, 709);
  Painted(cr, kSans, 545, 350, "KEY", 9, kStencil, true, 2);
  Plate(p, 374, 386, 205, 27, kButton, 710);
}

}  // namespace

void DrawMorseCase(Picture& p) {
  CaseBody(p);
  Speaker(p);
  PaperStrip(p);
  Console(p);
  Tuning(p);
  Mounts(p);
}

void ForgeMorseCase(Output& out) {
  Picture p(kMorseWidth, kMorseHeight);
  DrawMorseCase(p);
  FinishOpaque(p, kOliveDark);
  out.Save(p, "Trasken07.dat");
}

}  // namespace forge
