// The game's icon, drawn on a 256-unit square and scaled to each size.
#include <cairo.h>

#include <filesystem>
#include <numbers>

#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {
namespace {

constexpr double kPi = std::numbers::pi;

constexpr Rgb kSkyTop{40, 62, 96};
constexpr Rgb kSkyBottom{12, 20, 36};
constexpr Rgb kRoofs{6, 9, 16};
constexpr Rgb kAmber{242, 180, 64};
constexpr Rgb kMoon{241, 227, 176};

cairo_pattern_t* Sky() {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 8, 0, 248);
  cairo_pattern_add_color_stop_rgb(sky, 0, kSkyTop.r / 255.0, kSkyTop.g / 255.0, kSkyTop.b / 255.0);
  cairo_pattern_add_color_stop_rgb(sky, 1, kSkyBottom.r / 255.0, kSkyBottom.g / 255.0,
                                   kSkyBottom.b / 255.0);
  return sky;
}

// Roofs along the bottom: blocks, a dome and a tower, a few windows lit.
void Roofs(cairo_t* cr) {
  SetColor(cr, kRoofs);
  const double blocks[][4] = {{8, 176, 44, 72},   {48, 160, 40, 88},  {84, 188, 36, 60},
                              {150, 150, 34, 98}, {180, 182, 40, 66}, {216, 166, 32, 82}};
  for (const auto& b : blocks) cairo_rectangle(cr, b[0], b[1], b[2], b[3]);
  cairo_fill(cr);
  // The dome on its drum, and the tower beside it.
  cairo_rectangle(cr, 112, 172, 44, 76);
  cairo_fill(cr);
  cairo_arc(cr, 134, 172, 22, kPi, 2 * kPi);
  cairo_fill(cr);
  cairo_rectangle(cr, 132, 140, 4, 12);
  cairo_fill(cr);
  cairo_rectangle(cr, 100, 120, 12, 128);
  cairo_fill(cr);
  cairo_move_to(cr, 98, 122);
  cairo_line_to(cr, 106, 104);
  cairo_line_to(cr, 114, 122);
  cairo_fill(cr);
  SetColor(cr, kAmber);
  const double windows[][2] = {{60, 178},  {70, 204},  {20, 196},  {160, 170},
                               {166, 204}, {226, 186}, {192, 200}, {124, 196}};
  for (const auto& w : windows) cairo_rectangle(cr, w[0], w[1], 8, 10);
  cairo_fill(cr);
}

// V in Morse: three dots and a dash.
void MorseV(cairo_t* cr) {
  SetColor(cr, kAmber);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 46 + 26 * i, 64, 9, 0, 2 * kPi);
    cairo_fill(cr);
  }
  kit::RoundedRect(cr, 116, 56, 16, 16, 6);  // a rounded cap at each end of the dash
  cairo_rectangle(cr, 122, 56, 34, 16);
  kit::RoundedRect(cr, 146, 56, 16, 16, 6);
  cairo_fill(cr);
}

// The moon as a crescent: a disc, then the sky painted over most of it.
void Moon(cairo_t* cr, cairo_pattern_t* sky) {
  FillCircle(cr, 204, 66, 24, kMoon);
  cairo_set_source(cr, sky);
  cairo_arc(cr, 194, 58, 22, 0, 2 * kPi);
  cairo_fill(cr);
}

}  // namespace

void DrawIcon(cairo_t* cr, int size) {
  cairo_save(cr);
  cairo_scale(cr, size / 256.0, size / 256.0);
  kit::RoundedRect(cr, 8, 8, 240, 240, 40);
  cairo_clip(cr);
  cairo_pattern_t* sky = Sky();
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  Moon(cr, sky);
  cairo_pattern_destroy(sky);
  MorseV(cr);
  Roofs(cr);
  cairo_restore(cr);
}

void ForgeIcon(Output& out) {
  Picture icon(64, 64);
  DrawIcon(icon.cr(), 64);
  FinishKeyed(icon);
  out.Save(icon, "Icon.dat");
}

std::vector<PictureSpec> IconManifest() { return {{"Icon.dat", 64, 64, true}}; }

bool WriteDesktopIcons(const std::string& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  bool ok = !error;
  for (const int size : kDesktopIconSizes) {
    // Straight onto a transparent surface: the desktop's icons keep soft edges.
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    DrawIcon(cr, size);
    cairo_destroy(cr);
    const std::string path = dir + "/veltrane-" + std::to_string(size) + ".png";
    ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS && ok;
    cairo_surface_destroy(surface);
  }
  return ok;
}

}  // namespace forge
