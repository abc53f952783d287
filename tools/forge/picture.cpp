// Cairo pictures: surfaces, finishes and PNG output.
#include "picture.h"

#include <algorithm>
#include <cmath>

namespace forge {

Picture::Picture(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Picture::~Picture() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

std::uint32_t* Picture::Row(int y) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
}

std::uint32_t Picture::Pixel(int x, int y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return Row(y)[x];
}

void Picture::SetPixel(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Row(y)[x] = 0xFF000000u | (static_cast<std::uint32_t>(c.r) << 16) |
              (static_cast<std::uint32_t>(c.g) << 8) | static_cast<std::uint32_t>(c.b);
  cairo_surface_mark_dirty(surface_);
}

bool NearKey(int r, int g, int b) { return r < 48 && g > 207 && b > 207; }

void FinishKeyed(Picture& picture) {
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint32_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const std::uint32_t p = row[x];
      const unsigned a = p >> 24;
      if (a < 128) {
        row[x] = 0xFF00FFFFu;
        continue;
      }
      // Undo the premultiplication so a half-covered edge keeps its full colour.
      auto channel = [&](int shift) {
        const unsigned v = (p >> shift) & 255;
        return static_cast<int>(std::min(255u, (v * 255 + a / 2) / a));
      };
      int r = channel(16);
      int g = channel(8);
      int b = channel(0);
      if (NearKey(r, g, b)) {
        r = 64;
        g = 192;
        b = 192;
      }
      row[x] = 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) |
               (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
    }
  }
  cairo_surface_mark_dirty(picture.surface());
}

void FinishOpaque(Picture& picture, Rgb background) {
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint32_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const std::uint32_t p = row[x];
      const unsigned a = p >> 24;
      auto over = [&](int shift, int bg) {
        const unsigned v = (p >> shift) & 255;  // premultiplied: add the uncovered share
        return std::min(255u, v + (static_cast<unsigned>(bg) * (255 - a) + 127) / 255);
      };
      row[x] = 0xFF000000u | (over(16, background.r) << 16) | (over(8, background.g) << 8) |
               over(0, background.b);
    }
  }
  cairo_surface_mark_dirty(picture.surface());
}

cairo_surface_t* LoadShownPng(const std::string& path, bool keyed) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(png);
    return nullptr;
  }
  const int w = cairo_image_surface_get_width(png);
  const int h = cairo_image_surface_get_height(png);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(out);
  cairo_set_source_surface(cr, png, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(png);
  if (keyed) {
    cairo_surface_flush(out);
    unsigned char* data = cairo_image_surface_get_data(out);
    const int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < h; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
      for (int x = 0; x < w; ++x)
        if ((row[x] & 0x00FFFFFFu) == 0x0000FFFFu) row[x] = 0;
    }
    cairo_surface_mark_dirty(out);
  }
  return out;
}

bool SavePng(Picture& picture, const std::string& path) {
  // Copy into a 24-bit surface: the game's pictures carry no alpha channel.
  cairo_surface_t* out =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width(), picture.Height());
  cairo_surface_flush(picture.surface());
  unsigned char* dst = cairo_image_surface_get_data(out);
  const int dstStride = cairo_image_surface_get_stride(out);
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint32_t* src = picture.Row(y);
    auto* d = reinterpret_cast<std::uint32_t*>(dst + static_cast<std::ptrdiff_t>(y) * dstStride);
    for (int x = 0; x < picture.Width(); ++x) d[x] = src[x] | 0xFF000000u;
  }
  cairo_surface_mark_dirty(out);
  const cairo_status_t status = cairo_surface_write_to_png(out, path.c_str());
  cairo_surface_destroy(out);
  return status == CAIRO_STATUS_SUCCESS;
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
  SetColor(cr, c);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void StrokeRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double width) {
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_rectangle(cr, x + width / 2, y + width / 2, w - width, h - width);
  cairo_stroke(cr);
}

void FillCircle(cairo_t* cr, double cx, double cy, double radius, Rgb c) {
  SetColor(cr, c);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
}

void EllipseArc(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, a0, a1);
  cairo_restore(cr);
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Rgb c, double width) {
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}

namespace {
void SelectFont(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, "Liberation Serif", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}
}  // namespace

void Text(cairo_t* cr, double x, double baselineY, const std::string& text, double size, Rgb c,
          bool bold) {
  SelectFont(cr, size, bold);
  SetColor(cr, c);
  cairo_move_to(cr, x, baselineY);
  cairo_show_text(cr, text.c_str());
}

double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold) {
  SelectFont(cr, size, bold);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  return ext.x_advance;
}

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

std::uint32_t Noise::Next() {
  // xorshift32: tiny, fast and the same on every machine.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Noise::Unit() { return (Next() >> 8) / 16777216.0; }

int Noise::Range(int lo, int hi) {
  return lo + static_cast<int>(Next() % static_cast<std::uint32_t>(hi - lo + 1));
}

}  // namespace forge
