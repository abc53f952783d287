// The small dialog windows: yes/no confirmation, save/load and options.
#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

// Brushed steel body with a raised edge and a screw in every corner.
void SteelBody(Picture& p, std::uint32_t seed) {
  cairo_t* cr = p.cr();
  const int w = p.Width(), h = p.Height();
  Gradient(cr, 0, 0, w, h, {48, 54, 64}, {26, 30, 38});
  Brushed(p, 0, 0, w, h, seed, 7);
  Bevel(cr, 0, 0, w, h, 3, true);
  for (auto [x, y] : {std::pair{8, 8}, {w - 9, 8}, {8, h - 9}, {w - 9, h - 9}})
    Screw(cr, x, y, 3, 0.5 + x * 0.01);
}

// Thin yellow-and-black warning stripes across a band.
void HazardBand(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  FillRect(cr, x, y, w, h, {20, 20, 16});
  SetColor(cr, {170, 140, 40});
  for (double s = x - h; s < x + w; s += 12) {
    cairo_move_to(cr, s, y + h);
    cairo_line_to(cr, s + h, y);
    cairo_line_to(cr, s + h + 6, y);
    cairo_line_to(cr, s + 6, y + h);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_restore(cr);
  Bevel(cr, x, y, w, h, 1, false);
}

// Question at 28,16 (257 x 53); NO at 16,112 and YES at 252,112.
void Confirmation(Output& out) {
  Picture p(311, 148);
  cairo_t* cr = p.cr();
  SteelBody(p, 401);
  Well(cr, 20, 11, 271, 64, kNight);
  HazardBand(cr, 20, 88, 271, 6);
  Plate(p, 8, 105, 50, 34, {42, 48, 56}, 402);
  Plate(p, 244, 105, 59, 34, {42, 48, 56}, 403);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Trasken04.dat");
}

// Title at 24,16; prompt at 20,52; five slots at 23,109 + 20 k (301 x 22);
// summary at 20,224; CANCEL at 34,262 and the action at 262,262.
void SaveLoad(Output& out) {
  Picture p(350, 295);
  cairo_t* cr = p.cr();
  SteelBody(p, 411);
  Well(cr, 19, 12, 312, 38, kNight);
  Well(cr, 20, 105, 308, 110, {12, 14, 18});
  for (int k = 0; k < 5; ++k)
    Engraved(cr, kSans, 12, 109 + 20 * k + 16, std::to_string(k + 1), 10, kBrass, true, 0);
  Well(cr, 18, 221, 314, 23, kNight, false);
  Plate(p, 26, 256, 80, 29, {42, 48, 56}, 412);
  Plate(p, 252, 256, 64, 29, {42, 48, 56}, 413);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Trasken05.dat");
}

// An etched group frame with a gap for its title label at the top left.
void GroupFrame(cairo_t* cr, double x, double y, double w, double h, double gapFrom, double gapTo) {
  for (int pass = 0; pass < 2; ++pass) {
    const double o = pass + 0.5;
    SetColor(cr, pass == 0 ? Rgb{12, 14, 18} : Rgb{96, 104, 118});
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, gapFrom, y + o);
    cairo_line_to(cr, x + o, y + o);
    cairo_line_to(cr, x + o, y + h + o);
    cairo_line_to(cr, x + w + o, y + h + o);
    cairo_line_to(cr, x + w + o, y + o);
    cairo_line_to(cr, gapTo, y + o);
    cairo_stroke(cr);
  }
}

// Row titles at 24,52 and 24,160; effect choices at 28,80/96/120; music
// choices at 58,184 and 116,184; walking mode at 10,212; CLOSE at 124,220.
void Options(Output& out) {
  Picture p(300, 256);
  cairo_t* cr = p.cr();
  SteelBody(p, 421);
  BrassTitle(cr, 150, 34, "OPTIONS", 24, 4);
  GroupFrame(cr, 12, 58, 276, 84, 20, 122);
  GroupFrame(cr, 12, 166, 276, 40, 20, 80);
  // A darker field under each group's choices keeps the cyan text crisp.
  SetColor(cr, {8, 12, 24}, 0.45);
  cairo_rectangle(cr, 16, 74, 268, 64);
  cairo_rectangle(cr, 16, 180, 268, 24);
  cairo_fill(cr);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Trasken16.dat");
}

}  // namespace

void ForgeDialogs(Output& out) {
  Confirmation(out);
  SaveLoad(out);
  Options(out);
}

}  // namespace forge
