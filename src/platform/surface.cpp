// Pixel surfaces: allocation, clipped copies, fills and lines.
#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vt {

Surface::Surface(int width, int height, Color fill) { Resize(width, height, fill); }

void Surface::Resize(int width, int height, Color fill) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

void Surface::Release() {
  width_ = height_ = 0;
  std::vector<Color>().swap(pixels_);
}

void Surface::Clear(Color fill) { std::fill(pixels_.begin(), pixels_.end(), fill); }

namespace {

// Shrinks a w × h copy so that it lies inside both surfaces; false when nothing is left.
bool ClipCopy(const Surface& dst, int& dx, int& dy, const Surface& src, int& sx, int& sy, int& w,
              int& h) {
  auto clipAxis = [](int& d, int& s, int& len, int dLimit, int sLimit) {
    if (d < 0) {
      s -= d;
      len += d;
      d = 0;
    }
    if (s < 0) {
      d -= s;
      len += s;
      s = 0;
    }
    len = std::min({len, dLimit - d, sLimit - s});
  };
  clipAxis(dx, sx, w, dst.Width(), src.Width());
  clipAxis(dy, sy, h, dst.Height(), src.Height());
  return w > 0 && h > 0;
}

}  // namespace

void Copy(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h) {
  if (!ClipCopy(dst, dx, dy, src, sx, sy, w, h)) return;
  if (&dst == &src) {
    // Overlapping copy within one surface: memmove row by row in a safe order.
    if (dy > sy) {
      for (int row = h - 1; row >= 0; --row)
        std::memmove(dst.Row(dy + row) + dx, src.Row(sy + row) + sx, w * sizeof(Color));
    } else {
      for (int row = 0; row < h; ++row)
        std::memmove(dst.Row(dy + row) + dx, src.Row(sy + row) + sx, w * sizeof(Color));
    }
    return;
  }
  for (int row = 0; row < h; ++row)
    std::memcpy(dst.Row(dy + row) + dx, src.Row(sy + row) + sx, w * sizeof(Color));
}

void CopyKeyed(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h,
               Color key) {
  if (!ClipCopy(dst, dx, dy, src, sx, sy, w, h)) return;
  key &= kRgbMask;
  // Distinct surfaces: a keyed copy never reads what it writes.
  for (int row = 0; row < h; ++row)
    CopyKeyedRow(dst.Row(dy + row) + dx, src.Row(sy + row) + sx, w, key);
}

void CopyMirrored(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h,
                  Mirror mirror) {
  if (mirror == Mirror::None) {
    Copy(dst, dx, dy, src, sx, sy, w, h);
    return;
  }
  // Per pixel: mirrored clipping is easy to get wrong and these copies are small.
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      const int fromX = sx + col;
      const int fromY = sy + row;
      if (!src.Inside(fromX, fromY)) continue;
      const int toX = mirror == Mirror::LeftRight ? dx + w - 1 - col : dx + col;
      const int toY = mirror == Mirror::TopBottom ? dy + h - 1 - row : dy + row;
      dst.Set(toX, toY, src.At(fromX, fromY));
    }
  }
}

void FillRect(Surface& dst, Rect r, Color c) {
  const int x0 = std::max(0, r.x);
  const int y0 = std::max(0, r.y);
  const int x1 = std::min(dst.Width(), r.x + r.w);
  const int y1 = std::min(dst.Height(), r.y + r.h);
  for (int y = y0; y < y1; ++y) std::fill(dst.Row(y) + x0, dst.Row(y) + std::max(x0, x1), c);
}

void FrameRect(Surface& dst, Rect r, Color c) {
  if (r.w <= 0 || r.h <= 0) return;
  FillRect(dst, {r.x, r.y, r.w, 1}, c);
  FillRect(dst, {r.x, r.y + r.h - 1, r.w, 1}, c);
  FillRect(dst, {r.x, r.y, 1, r.h}, c);
  FillRect(dst, {r.x + r.w - 1, r.y, 1, r.h}, c);
}

void DrawLine(Surface& dst, int x1, int y1, int x2, int y2, Color c) {
  // Bresenham; the end point is left out, as a pen moving to (x2, y2) leaves it.
  const int ddx = std::abs(x2 - x1);
  const int ddy = -std::abs(y2 - y1);
  const int stepX = x1 < x2 ? 1 : -1;
  const int stepY = y1 < y2 ? 1 : -1;
  int err = ddx + ddy;
  int x = x1;
  int y = y1;
  while (x != x2 || y != y2) {
    dst.Set(x, y, c);
    const int e2 = 2 * err;
    if (e2 >= ddy) {
      err += ddy;
      x += stepX;
    }
    if (e2 <= ddx) {
      err += ddx;
      y += stepY;
    }
  }
}

}  // namespace vt
