// Conversation backgrounds (speech and thought) and the sign viewer's pictures:
// the enamel sign board, the paper note and the message box. The sign viewer's
// labels are light, so all three sign pictures are dark; the speech background
// carries white text and the thought background black text.
#include <cmath>

#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

// The portrait (10,15, 200 x 150) sits in a frame that ends before the text at x 215.
void PortraitFrame(cairo_t* cr, Rgb metal, Rgb inside) {
  FillRect(cr, 6, 11, 208, 158, Mix(metal, {0, 0, 0}, 0.35));
  FillRect(cr, 7, 12, 206, 156, metal);
  Bevel(cr, 7, 12, 206, 156, 2, true);
  FillRect(cr, 10, 15, 200, 150, inside);
  Bevel(cr, 9, 14, 202, 152, 1, false);
}

// White text from 215,20; the MORE button at 381,148.
void Speech(Output& out) {
  Picture p(440, 172);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 440, 172, {22, 32, 58}, {9, 13, 26});
  Grain(p, 0, 0, 440, 172, 501, 3);
  Glow(cr, 330, 70, 150, {50, 70, 120}, 0.18);
  Bevel(cr, 0, 0, 440, 172, 2, true);
  PortraitFrame(cr, kBrass, {6, 8, 14});
  SetColor(cr, {0, 0, 0}, 0.35);
  RoundedRect(cr, 376, 145, 60, 24, 3);
  cairo_fill(cr);
  SetColor(cr, kBrassDark, 0.8);
  cairo_set_line_width(cr, 1);
  RoundedRect(cr, 376.5, 145.5, 59, 23, 3);
  cairo_stroke(cr);
  FinishOpaque(p, kNight);
  out.Save(p, "Morvane02.dat");
}

// Black text on pale paper, with a ring of small bubbles for a thought.
void Thought(Output& out) {
  Picture p(440, 172);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 440, 172, {222, 228, 236}, {198, 208, 222});
  Glow(cr, 330, 60, 140, {255, 255, 255}, 0.5);
  Grain(p, 0, 0, 440, 172, 511, 3);
  SetColor(cr, {120, 134, 160}, 0.6);
  cairo_set_line_width(cr, 1.2);
  for (int x = 224; x < 432; x += 11) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, 6, 2.2, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, 166, 2.2, 0, 2 * M_PI);
  }
  for (int y = 17; y < 160; y += 11) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 434, y, 2.2, 0, 2 * M_PI);
  }
  cairo_stroke(cr);
  PortraitFrame(cr, {118, 130, 150}, {40, 46, 58});
  FinishOpaque(p, {210, 218, 230});
  out.Save(p, "Morvane12.dat");
}

void ScrewsAtCorners(cairo_t* cr, int w, int h, double inset) {
  for (auto [x, y] :
       {std::pair{inset, inset}, {w - inset, inset}, {inset, h - inset}, {w - inset, h - inset}})
    Screw(cr, x, y, 2.6, 0.6 + x * 0.02);
}

// Kind 1 signs: a street sign of blue enamel with a white rim; a few chips.
void SignBoard(Output& out) {
  Picture p(250, 100);
  cairo_t* cr = p.cr();
  FillRect(cr, 0, 0, 250, 100, {16, 20, 30});
  SetColor(cr, {22, 50, 112});
  RoundedRect(cr, 1, 1, 248, 98, 8);
  cairo_fill(cr);
  Grain(p, 0, 0, 250, 100, 521, 4);
  SetColor(cr, {226, 230, 236});
  cairo_set_line_width(cr, 2);
  RoundedRect(cr, 4, 4, 242, 92, 6);
  cairo_stroke(cr);
  // Chipped enamel shows the black iron under it near the rim.
  Noise n(522);
  for (int i = 0; i < 9; ++i) {
    const double a = n.Unit() * 2 * M_PI;
    const double x = 125 + std::cos(a) * 120, y = 50 + std::sin(a) * 46;
    FillCircle(cr, x, y, 1 + n.Unit() * 1.6, {14, 16, 22});
  }
  Glow(cr, 70, 20, 110, {255, 255, 255}, 0.10);
  ScrewsAtCorners(cr, 250, 100, 7);
  FinishOpaque(p, {16, 20, 30});
  out.Save(p, "Morvane05.dat");
}

// Kind 2 signs: a note on brown manila paper, creased and clipped.
void SignPaper(Output& out) {
  Picture p(250, 100);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 250, 100, {112, 84, 52}, {84, 62, 38});
  Grain(p, 0, 0, 250, 100, 531, 7);
  // Fibres: short light and dark strokes along the paper.
  Noise n(532);
  for (int i = 0; i < 90; ++i) {
    const double x = n.Unit() * 250, y = n.Unit() * 100, len = 4 + n.Unit() * 10;
    SetColor(cr, n.Unit() < 0.5 ? Rgb{140, 110, 72} : Rgb{70, 50, 30}, 0.35);
    cairo_set_line_width(cr, 0.7);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len, y + (n.Unit() - 0.5) * 2);
    cairo_stroke(cr);
  }
  // A fold across the middle, a shade at the edges and a clip at the top.
  Line(cr, 0, 55.5, 250, 53.5, {62, 44, 26}, 1);
  Line(cr, 0, 56.5, 250, 54.5, {138, 108, 72}, 1);
  Vignette(p, 0.45);
  SetColor(cr, {170, 176, 184});
  cairo_set_line_width(cr, 1.6);
  RoundedRect(cr, 214, -10, 12, 20, 5);
  cairo_stroke(cr);
  RoundedRect(cr, 217, -8, 6, 14, 3);
  cairo_stroke(cr);
  FinishOpaque(p, {84, 62, 38});
  out.Save(p, "Morvane06.dat");
}

// The game's own message box: dark steel, a brass rule round the text.
void MessageBox(Output& out) {
  Picture p(250, 100);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 250, 100, {34, 40, 52}, {16, 19, 26});
  Brushed(p, 0, 0, 250, 100, 541, 5);
  Bevel(cr, 0, 0, 250, 100, 2, true);
  SetColor(cr, kBrass, 0.85);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 4.5, 4.5, 241, 91);
  cairo_stroke(cr);
  Line(cr, 30, 62.5, 220, 62.5, kBrassDark);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Morvane13.dat");
}

}  // namespace

void ForgeTalkAndSigns(Output& out) {
  Speech(out);
  Thought(out);
  SignBoard(out);
  SignPaper(out);
  MessageBox(out);
}

}  // namespace forge
