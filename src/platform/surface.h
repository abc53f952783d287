// 32-bit pixel surfaces and the copies everything on screen is drawn with.
// Every copy clips to both its source and its destination: the part of a
// rectangle that lies outside either is simply not drawn.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vt {

// 0x00RRGGBB; the top byte is ignored.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return (static_cast<Color>(r & 255) << 16) | (static_cast<Color>(g & 255) << 8) |
         static_cast<Color>(b & 255);
}
constexpr int RedOf(Color c) { return static_cast<int>((c >> 16) & 255); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(Color c) { return static_cast<int>(c & 255); }

// Colour values as the original tools write them: 0x00BBGGRR.
constexpr Color FromBgr(std::uint32_t bgr) {
  return Rgb(static_cast<int>(bgr & 255), static_cast<int>((bgr >> 8) & 255),
             static_cast<int>((bgr >> 16) & 255));
}

// The one transparent colour of every sprite and tile: red 0, green 255, blue 255.
constexpr Color kKeyColor = Rgb(0, 255, 255);
// The colour bits of a pixel; the alpha byte above them plays no part in keying.
constexpr Color kRgbMask = 0x00FFFFFF;
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Reallocates; the contents become `fill`.
  void Resize(int width, int height, Color fill = kBlack);
  // Frees the pixels (an empty picture).
  void Release();
  void Clear(Color fill);

  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the surface: reads give black, writes are dropped.
  Color At(int x, int y) const { return Inside(x, y) ? pixels_[Index(x, y)] : kBlack; }
  void Set(int x, int y, Color c) {
    if (Inside(x, y)) pixels_[Index(x, y)] = c;
  }

  Color* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Color* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::span<Color> Pixels() { return pixels_; }
  std::span<const Color> Pixels() const { return pixels_; }

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

enum class Mirror { None, LeftRight, TopBottom };

// Plain rectangle copy of w × h pixels from (sx, sy) of src to (dx, dy) of dst.
void Copy(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h);

// The same, leaving the destination untouched wherever the source has `key`.
void CopyKeyed(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h,
               Color key = kKeyColor);

// One row of a keyed copy: n pixels from `in` to `out`, skipping those whose colour
// (alpha byte ignored) is `key`, which must have its alpha byte clear. The rows
// must not overlap. A select rather than a branch, with the compiler told the
// pixels are independent, so it does several at once.
inline void CopyKeyedRow(Color* __restrict out, const Color* __restrict in, int n, Color key) {
#if defined(__clang__)
#pragma clang loop vectorize(assume_safety)
#elif defined(__GNUC__)
#pragma GCC ivdep
#endif
  for (int i = 0; i < n; ++i) {
    const Color c = in[i];
    out[i] = (c & kRgbMask) == key ? out[i] : c;
  }
}

// Copy with the source rectangle turned over: LeftRight puts source column sx
// at destination column dx + w - 1, TopBottom puts source row sy at dy + h - 1.
void CopyMirrored(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h,
                  Mirror mirror);

void FillRect(Surface& dst, Rect r, Color c);
// Outline one pixel wide, inside r.
void FrameRect(Surface& dst, Rect r, Color c);
// A one-pixel line from (x1, y1) up to but not including (x2, y2), as a pen draws it.
void DrawLine(Surface& dst, int x1, int y1, int x2, int y2, Color c);

}  // namespace vt
