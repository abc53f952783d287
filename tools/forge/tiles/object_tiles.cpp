// The object strip (Morvane16.dat, and Morvane17.dat with the same pictures): 194
// keyed tiles of people, doors, switches, signs, things and inventory objects.
// Each code is drawn by the function its family's table names for it.
#include "tiles/object_tiles.h"

#include <algorithm>
#include <cmath>

#include "forge.h"

namespace forge {
namespace objects {

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
  if (rx <= 0 || ry <= 0) return;
  cairo_new_path(cr);
  EllipseArc(cr, cx, cy, rx, ry);
  SetColor(cr, c);
  cairo_fill(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c) {
  r = std::min({r, w / 2, h / 2});
  if (w <= 0 || h <= 0) return;
  cairo_new_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

void Poly(cairo_t* cr, std::initializer_list<std::pair<double, double>> pts, Rgb c) {
  cairo_new_path(cr);
  for (const auto& [x, y] : pts) cairo_line_to(cr, x, y);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

void InkRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double r) {
  if (r > 0) {
    RoundRect(cr, x, y, w, h, r, kInk);
    RoundRect(cr, x + 1, y + 1, w - 2, h - 2, std::max(0.0, r - 0.5), c);
  } else {
    FillRect(cr, x, y, w, h, kInk);
    FillRect(cr, x + 1, y + 1, w - 2, h - 2, c);
  }
}

void InkEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
  Ellipse(cr, cx, cy, rx + 1, ry + 1, kInk);
  Ellipse(cr, cx, cy, rx, ry, c);
}

void Arc(cairo_t* cr, double cx, double cy, double r, double a0, double a1, Rgb c, double w) {
  SetColor(cr, c);
  cairo_set_line_width(cr, w);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, a0, a1);
  cairo_stroke(cr);
}

void DitherEllipse(Tile& t, double cx, double cy, double rx, double ry, Rgb c, int parity) {
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1 && (x + y + parity) % 2 == 0) t.Dot(x, y, c);
    }
}

Rgb Darker(Rgb c, double t) { return Mix(c, Rgb{0, 0, 0}, t); }
Rgb Lighter(Rgb c, double t) { return Mix(c, Rgb{255, 255, 255}, t); }

namespace {

// Every code of the strip with its drawing function, gathered from the families.
std::vector<Entry> StripTable() {
  std::vector<Entry> all;
  for (auto part : {CastEntries(), FigureEntries(), DoorEntries(), FixtureEntries(), ItemEntries(),
                    FloorEntries()})
    all.insert(all.end(), part.begin(), part.end());
  std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.code < b.code; });
  return all;
}

}  // namespace
}  // namespace objects

void ForgeObjectStrip(Output& out) {
  using namespace objects;
  Picture strip(kTile * kObjectCount, kTile);
  const std::vector<Entry> table = StripTable();
  std::vector<int> drawn(kObjectCount, 0);
  for (const Entry& e : table) {
    if (e.code < 0 || e.code >= kObjectCount || drawn[e.code]++) {
      out.Fail("object strip: code " + std::to_string(e.code) + " listed twice or out of range");
      continue;
    }
    cairo_t* cr = strip.cr();
    cairo_save(cr);
    cairo_translate(cr, e.code * kTile, 0);
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    cairo_clip(cr);
    Tile tile{strip, cr, e.code * kTile};
    e.draw(tile, e.code);
    cairo_restore(cr);
  }
  for (int code = 0; code < kObjectCount; ++code)
    if (!drawn[code]) out.Fail("object strip: no picture for code " + std::to_string(code));
  FinishKeyed(strip);
  // The game tests this pixel to tell a sound strip from a damaged one.
  if (strip.Pixel(280, 0) != 0xFF00FFFFu) out.Fail("object strip: pixel (280, 0) is not the key");
  out.Save(strip, "Morvane16.dat");
  out.Save(strip, "Morvane17.dat");
}

std::vector<PictureSpec> ObjectStripManifest() {
  return {{"Morvane16.dat", objects::kTile * objects::kObjectCount, objects::kTile, true},
          {"Morvane17.dat", objects::kTile * objects::kObjectCount, objects::kTile, true}};
}

}  // namespace forge
