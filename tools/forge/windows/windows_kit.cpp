// The shared look of the game's windows: textures, bevels, rivets, lettering.
#include "windows/windows_kit.h"

#include <algorithm>
#include <cmath>

namespace forge::kit {

double Hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h >> 8) / 16777216.0;
}

namespace {

int Clamp255(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

// Adds `delta` to the three channels of an opaque pixel, keeping its alpha.
std::uint32_t Shift(std::uint32_t p, double delta) {
  const unsigned a = p >> 24;
  if (a == 0) return p;
  const double scaled = delta * a / 255.0;  // premultiplied while drawing
  auto ch = [&](int shift) {
    const int v = static_cast<int>((p >> shift) & 255);
    return static_cast<std::uint32_t>(std::min<int>(Clamp255(v + scaled), static_cast<int>(a)));
  };
  return (p & 0xFF000000u) | (ch(16) << 16) | (ch(8) << 8) | ch(0);
}

void ForEachPixel(Picture& p, int x, int y, int w, int h,
                  const auto& deltaAt) {  // deltaAt(px, py) -> brightness change
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(p.Width(), x + w), y1 = std::min(p.Height(), y + h);
  for (int py = y0; py < y1; ++py) {
    std::uint32_t* row = p.Row(py);
    for (int px = x0; px < x1; ++px) row[px] = Shift(row[px], deltaAt(px, py));
  }
  cairo_surface_mark_dirty(p.surface());
}

}  // namespace

void Grain(Picture& p, int x, int y, int w, int h, std::uint32_t seed, double amount) {
  ForEachPixel(p, x, y, w, h,
               [&](int px, int py) { return (Hash(px, py, seed) * 2 - 1) * amount; });
}

void Brushed(Picture& p, int x, int y, int w, int h, std::uint32_t seed, double amount) {
  ForEachPixel(p, x, y, w, h, [&](int px, int py) {
    // Streaks: a row value plus a slow wander along the row.
    const double row = (Hash(0, py, seed) * 2 - 1) * amount * 0.8;
    const double wander = std::sin(px * 0.013 + Hash(1, py, seed) * 6.28) * amount * 0.35;
    const double fine = (Hash(px, py, seed + 7) * 2 - 1) * amount * 0.45;
    return row + wander + fine;
  });
}

void Gradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Vignette(Picture& p, double strength) {
  cairo_t* cr = p.cr();
  const double cx = p.Width() / 2.0, cy = p.Height() / 2.0;
  const double r = std::hypot(cx, cy);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, r * 0.45, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, strength);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r / 255.0, c.g / 255.0, c.b / 255.0, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Bevel(cairo_t* cr, double x, double y, double w, double h, int width, bool raised) {
  for (int i = 0; i < width; ++i) {
    const double t = width == 1 ? 0 : static_cast<double>(i) / (width - 1);
    const double lightA = (raised ? 0.40 : 0.10) * (1 - 0.5 * t);
    const double darkA = (raised ? 0.55 : 0.65) * (1 - 0.5 * t);
    const double l = x + i + 0.5, tp = y + i + 0.5, r = x + w - i - 0.5, b = y + h - i - 0.5;
    // Top and left edges.
    cairo_set_source_rgba(cr, raised ? 1 : 0, raised ? 1 : 0, raised ? 1 : 0,
                          raised ? lightA : darkA);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, l, b);
    cairo_line_to(cr, l, tp);
    cairo_line_to(cr, r, tp);
    cairo_stroke(cr);
    // Bottom and right edges.
    cairo_set_source_rgba(cr, raised ? 0 : 1, raised ? 0 : 1, raised ? 0 : 1,
                          raised ? darkA : lightA);
    cairo_move_to(cr, r, tp + 1);
    cairo_line_to(cr, r, b);
    cairo_line_to(cr, l + 1, b);
    cairo_stroke(cr);
  }
}

void Well(cairo_t* cr, double x, double y, double w, double h, Rgb fill, bool brassLine) {
  if (brassLine) {
    SetColor(cr, kBrassDark, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x - 2.5, y - 2.5, w + 5, h + 5);
    cairo_stroke(cr);
  }
  FillRect(cr, x, y, w, h, fill);
  Bevel(cr, x, y, w, h, 2, false);
}

void Plate(Picture& p, int x, int y, int w, int h, Rgb base, std::uint32_t seed) {
  cairo_t* cr = p.cr();
  Gradient(cr, x, y, w, h, Mix(base, {255, 255, 255}, 0.08), Mix(base, {0, 0, 0}, 0.18));
  Brushed(p, x, y, w, h, seed, 5);
  Bevel(cr, x, y, w, h, 2, true);
}

void Rivet(cairo_t* cr, double cx, double cy, double r) {
  FillCircle(cr, cx + 0.8, cy + 0.8, r, {0, 0, 0});
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.78, 0.80, 0.82);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.24, 0.27);
  cairo_set_source(cr, g);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Screw(cairo_t* cr, double cx, double cy, double r, double angle) {
  Rivet(cr, cx, cy, r);
  const double dx = std::cos(angle) * r * 0.75, dy = std::sin(angle) * r * 0.75;
  Line(cr, cx - dx, cy - dy, cx + dx, cy + dy, {20, 22, 26}, 1.2);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

namespace {
void Face(cairo_t* cr, const char* face, double size, bool bold) {
  cairo_select_font_face(cr, face, CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

// Bytes of the UTF-8 character that starts with `lead`.
std::size_t CharLength(char lead) {
  const unsigned char c = static_cast<unsigned char>(lead);
  return c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
}

// Lays the text out letter by letter (for letter spacing) as a path or as ink.
double Run(cairo_t* cr, double x, double baseline, const std::string& text, double spacing,
           bool asPath) {
  double pen = x;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t n = CharLength(text[i]);  // keep multi-byte characters together
    const std::string glyph = text.substr(i, n);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, glyph.c_str(), &ext);
    cairo_move_to(cr, pen, baseline);
    if (asPath)
      cairo_text_path(cr, glyph.c_str());
    else
      cairo_show_text(cr, glyph.c_str());
    pen += ext.x_advance + spacing;
    i += n;
  }
  return pen - x - (text.empty() ? 0 : spacing);
}
}  // namespace

void Letters(cairo_t* cr, const char* face, double x, double baseline, const std::string& text,
             double size, Rgb c, bool bold, double spacing) {
  Face(cr, face, size, bold);
  SetColor(cr, c);
  if (spacing == 0) {
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text.c_str());
  } else {
    Run(cr, x, baseline, text, spacing, false);
  }
}

double LettersWidth(cairo_t* cr, const char* face, const std::string& text, double size, bool bold,
                    double spacing) {
  Face(cr, face, size, bold);
  double width = 0;
  std::size_t i = 0;
  int count = 0;
  while (i < text.size()) {
    const std::size_t n = CharLength(text[i]);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.substr(i, n).c_str(), &ext);
    width += ext.x_advance;
    ++count;
    i += n;
  }
  return width + spacing * std::max(0, count - 1);
}

void LettersCentred(cairo_t* cr, const char* face, double cx, double baseline,
                    const std::string& text, double size, Rgb c, bool bold, double spacing) {
  const double w = LettersWidth(cr, face, text, size, bold, spacing);
  Letters(cr, face, std::round(cx - w / 2), baseline, text, size, c, bold, spacing);
}

void Engraved(cairo_t* cr, const char* face, double cx, double baseline, const std::string& text,
              double size, Rgb metal, bool bold, double spacing) {
  const double w = LettersWidth(cr, face, text, size, bold, spacing);
  const double x = std::round(cx - w / 2);
  Letters(cr, face, x, baseline + 1, text, size, Mix(metal, {255, 255, 255}, 0.35), bold, spacing);
  Letters(cr, face, x, baseline, text, size, Mix(metal, {0, 0, 0}, 0.6), bold, spacing);
}

void Painted(cairo_t* cr, const char* face, double cx, double baseline, const std::string& text,
             double size, Rgb paint, bool bold, double spacing) {
  const double w = LettersWidth(cr, face, text, size, bold, spacing);
  const double x = std::round(cx - w / 2);
  Letters(cr, face, x + 1, baseline + 1, text, size, {0, 0, 0}, bold, spacing);
  Letters(cr, face, x, baseline, text, size, paint, bold, spacing);
}

void BrassTitle(cairo_t* cr, double cx, double baseline, const std::string& text, double size,
                double spacing) {
  const double w = LettersWidth(cr, kSerif, text, size, true, spacing);
  const double x = std::round(cx - w / 2);
  Face(cr, kSerif, size, true);
  // Shadow, then the letters filled with a brass ramp and cut with a dark edge.
  cairo_new_path(cr);
  Run(cr, x + 4, baseline + 5, text, spacing, true);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_fill(cr);
  cairo_new_path(cr);
  Run(cr, x, baseline, text, spacing, true);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, baseline - size * 0.75, 0, baseline);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 0.98, 0.90, 0.62);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.80, 0.62, 0.27);
  cairo_pattern_add_color_stop_rgb(g, 0.55, 0.58, 0.42, 0.16);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 0.86, 0.70, 0.36);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_source_rgba(cr, 0.16, 0.10, 0.03, 1);
  cairo_set_line_width(cr, std::max(1.0, size / 40));
  cairo_stroke(cr);
}

void Crop(const Picture& from, Picture& to, int x, int y) {
  cairo_t* cr = to.cr();
  cairo_save(cr);
  cairo_surface_flush(from.surface());
  cairo_set_source_surface(cr, from.surface(), -x, -y);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_restore(cr);
}

}  // namespace forge::kit
