// The district map: every screen of a district side by side, drawn from the compiled district
// file and the two tile strips, for review by eye.
#include <cairo.h>

#include <cstdint>
#include <vector>

#include "districts/districts.h"
#include "picture.h"

namespace forge {
namespace {

constexpr int kCell = 30;
constexpr int kScreenW = kScreenTileCols * kCell;
constexpr int kScreenH = kScreenTileRows * kCell;
constexpr int kGap = 4;      // the thin grid between screens
constexpr int kMargin = 24;  // room for the row and column labels
constexpr Rgb kPaper{236, 233, 224};
constexpr Rgb kInk{30, 30, 36};

void DrawTile(cairo_t* cr, cairo_surface_t* strip, int code, double x, double y) {
  if (code == kNone || !strip) return;
  if ((code + 1) * kCell > cairo_image_surface_get_width(strip)) return;
  cairo_save(cr);
  cairo_rectangle(cr, x, y, kCell, kCell);
  cairo_clip(cr);
  cairo_set_source_surface(cr, strip, x - code * kCell, y);
  cairo_paint(cr);
  cairo_restore(cr);
}

}  // namespace

bool WriteDistrictMap(int district, const std::string& pngPath, const std::string& gameDir,
                      std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error) *error = what;
    return false;
  };
  std::vector<std::string> problems;
  const auto model = ReadDistrictModel(gameDir + "/" + DistrictDataName(district), problems);
  if (!model || model->height == 0 || model->width == 0)
    return fail(problems.empty() ? DistrictDataName(district) + ": unreadable" : problems.front());
  cairo_surface_t* back = LoadShownPng(gameDir + "/Morvane15.dat", false);
  cairo_surface_t* front = LoadShownPng(gameDir + "/Morvane16.dat", true);
  if (!back || !front) {
    if (back) cairo_surface_destroy(back);
    if (front) cairo_surface_destroy(front);
    return fail(gameDir + ": the tile strips Morvane15.dat and Morvane16.dat cannot be read");
  }
  const int rows = model->ScreenRows();
  const int cols = model->ScreenCols();
  Picture picture(kMargin + cols * (kScreenW + kGap), kMargin + rows * (kScreenH + kGap));
  cairo_t* cr = picture.cr();
  FillRect(cr, 0, 0, picture.Width(), picture.Height(), kPaper);
  for (int c = 1; c <= cols; ++c)
    Text(cr, kMargin + (c - 1) * (kScreenW + kGap) + kScreenW / 2.0 - 10, 17,
         "c" + std::to_string(c), 15, kInk, true);
  for (int r = 1; r <= rows; ++r)
    Text(cr, 2, kMargin + (r - 1) * (kScreenH + kGap) + kScreenH / 2.0, "r" + std::to_string(r), 15,
         kInk, true);
  for (const auto& [key, tiles] : model->screens) {
    const double x0 = kMargin + (key.second - 1) * (kScreenW + kGap);
    const double y0 = kMargin + (key.first - 1) * (kScreenH + kGap);
    FillRect(cr, x0, y0, kScreenW, kScreenH, Rgb{0, 0, 0});
    for (int r = 0; r < kScreenTileRows; ++r)
      for (int c = 0; c < kScreenTileCols; ++c) {
        DrawTile(cr, back, tiles.back[r][c], x0 + c * kCell, y0 + r * kCell);
        DrawTile(cr, front, tiles.front[r][c], x0 + c * kCell, y0 + r * kCell);
      }
    Text(cr, x0 + 4, y0 + 14,
         "[" + std::to_string(key.first) + "," + std::to_string(key.second) + "]", 12,
         Rgb{255, 255, 255}, true);
  }
  cairo_surface_destroy(back);
  cairo_surface_destroy(front);
  FinishOpaque(picture, kPaper);
  if (!SavePng(picture, pngPath)) return fail("cannot write " + pngPath);
  return true;
}

}  // namespace forge
