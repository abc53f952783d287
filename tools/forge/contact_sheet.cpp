// The contact sheet: every tile of both strips with its code, every hero frame,
// every portrait and every small picture on one page, for review by eye.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "forge.h"

namespace forge {
namespace {

constexpr int kSheetWidth = 1240;
constexpr int kMargin = 10;
constexpr Rgb kPaper{236, 233, 224};
constexpr Rgb kInk{30, 30, 36};

// Grey checks behind keyed pictures show where they are transparent.
void Checks(cairo_t* cr, double x, double y, double w, double h) {
  for (int cy = 0; cy * 5 < h; ++cy)
    for (int cx = 0; cx * 5 < w; ++cx)
      FillRect(cr, x + cx * 5, y + cy * 5, std::min(5.0, w - cx * 5), std::min(5.0, h - cy * 5),
               (cx + cy) % 2 ? Rgb{200, 200, 200} : Rgb{170, 170, 170});
}

struct Layout {
  cairo_t* cr;
  double y = kMargin;
  void Heading(const std::string& title) {
    Text(cr, kMargin, y + 16, title, 16, kInk, true);
    y += 24;
  }
};

void DrawStrip(Layout& page, const std::string& path, bool keyed, int tiles) {
  cairo_surface_t* strip = LoadShownPng(path, keyed);
  if (!strip) {
    page.Heading("(missing " + path + ")");
    return;
  }
  constexpr int kCell = 48;
  const int perRow = (kSheetWidth - 2 * kMargin) / kCell;
  for (int code = 0; code < tiles; ++code) {
    const double x = kMargin + (code % perRow) * kCell;
    const double y = page.y + (code / perRow) * (kCell + 4);
    if (keyed) Checks(page.cr, x, y, 30, 30);
    cairo_save(page.cr);
    cairo_rectangle(page.cr, x, y, 30, 30);
    cairo_clip(page.cr);
    cairo_set_source_surface(page.cr, strip, x - 30.0 * code, y);
    cairo_paint(page.cr);
    cairo_restore(page.cr);
    Text(page.cr, x, y + 42, std::to_string(code), 10, kInk);
  }
  page.y += ((tiles + perRow - 1) / perRow) * (kCell + 4) + 8;
  cairo_surface_destroy(strip);
}

// Pictures side by side, wrapping; scaled up when small so they can be judged.
void DrawRow(Layout& page, const std::string& dir, const std::vector<PictureSpec>& pictures) {
  double x = kMargin;
  double rowHeight = 0;
  for (const auto& p : pictures) {
    cairo_surface_t* s = LoadShownPng(dir + "/" + p.name, p.keyed);
    if (!s) continue;
    const double scale = std::max(p.width, p.height) <= 40 ? 3.0 : 1.0;
    const double w = p.width * scale;
    const double h = p.height * scale;
    if (x + w > kSheetWidth - kMargin && x > kMargin) {
      x = kMargin;
      page.y += rowHeight + 18;
      rowHeight = 0;
    }
    if (p.keyed) Checks(page.cr, x, page.y, w, h);
    cairo_save(page.cr);
    cairo_translate(page.cr, x, page.y);
    cairo_scale(page.cr, scale, scale);
    cairo_set_source_surface(page.cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(page.cr), CAIRO_FILTER_NEAREST);
    cairo_paint(page.cr);
    cairo_restore(page.cr);
    Text(page.cr, x, page.y + h + 12, p.name, 10, kInk);
    x += std::max(w, TextWidth(page.cr, p.name, 10)) + 12;
    rowHeight = std::max(rowHeight, h);
    cairo_surface_destroy(s);
  }
  page.y += rowHeight + 26;
}

double Render(cairo_t* cr, const std::string& dir) {
  Layout page{cr};
  page.Heading("Background strip Morvane15.dat");
  DrawStrip(page, dir + "/Morvane15.dat", false, 192);
  page.Heading("Object strip Morvane16.dat");
  DrawStrip(page, dir + "/Morvane16.dat", true, 194);
  page.Heading("Hero sheets (x3)");
  std::vector<PictureSpec> heroes;
  for (auto p : HeroManifest()) heroes.push_back(p);
  double x = kMargin;
  for (const auto& p : heroes) {
    cairo_surface_t* s = LoadShownPng(dir + "/" + p.name, true);
    if (!s) continue;
    Checks(cr, x, page.y, p.width * 3, p.height * 3);
    cairo_save(cr);
    cairo_translate(cr, x, page.y);
    cairo_scale(cr, 3, 3);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    Text(cr, x, page.y + p.height * 3 + 12, p.name, 10, kInk);
    x += p.width * 3 + 20;
    cairo_surface_destroy(s);
  }
  double heroHeight = 0;
  for (const auto& p : heroes) heroHeight = std::max(heroHeight, p.height * 3.0);
  page.y += heroHeight + 26;
  page.Heading("Portraits");
  DrawRow(page, dir, PortraitManifest());
  page.Heading("Small pictures");
  DrawRow(page, dir, SmallPictureManifest());
  return page.y;
}

}  // namespace

bool WriteContactSheet(const std::string& gameDir, const std::string& path) {
  // Lay out once on a scratch surface to learn the height, then for real.
  cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSheetWidth, 10);
  cairo_t* probeCr = cairo_create(probe);
  const double height = Render(probeCr, gameDir);
  cairo_destroy(probeCr);
  cairo_surface_destroy(probe);

  Picture sheet(kSheetWidth, static_cast<int>(height) + kMargin);
  FillRect(sheet.cr(), 0, 0, sheet.Width(), sheet.Height(), kPaper);
  Render(sheet.cr(), gameDir);
  FinishOpaque(sheet, kPaper);
  return SavePng(sheet, path);
}

}  // namespace forge
