// Cairo pictures for the forge: drawing surfaces, the key-colour finish, PNG output.
//
// Everything is drawn on a transparent ARGB surface. A keyed picture (objects,
// sprites, portraits, pointers) is then finished so that every pixel is either
// fully the object's colour or exactly the key colour (0, 255, 255): no soft
// edges, and no object colour close enough to the key to be mistaken for it.
// An opaque picture is finished over a colour. Files are PNG under the game's
// .dat names, written without timestamps, so the same drawing gives the same bytes.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace forge {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

constexpr Rgb kKey{0, 255, 255};

class Picture {
 public:
  Picture(int width, int height);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }

  // Pixels as 0xAARRGGBB (premultiplied while drawing; straight after a finish).
  std::uint32_t* Row(int y);
  std::uint32_t Pixel(int x, int y);
  void SetPixel(int x, int y, Rgb c);

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Every pixel at least half covered takes its own colour, fully opaque;
// every other pixel becomes the key colour. Colours near the key are moved away.
void FinishKeyed(Picture& picture);
// Composites the drawing over `background`; the result is fully opaque.
void FinishOpaque(Picture& picture, Rgb background);

// True for a colour a viewer could take for the key colour.
bool NearKey(int r, int g, int b);

// A PNG of the game folder as an ARGB Cairo surface (the caller destroys it),
// with the key colour made see-through when `keyed`; nullptr when unreadable.
cairo_surface_t* LoadShownPng(const std::string& path, bool keyed);

// Writes the picture as a 24-bit PNG; false when the file cannot be written.
bool SavePng(Picture& picture, const std::string& path);

// --- Small drawing helpers used by every family -------------------------------
void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c);
void StrokeRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double width = 1.0);
void FillCircle(cairo_t* cr, double cx, double cy, double radius, Rgb c);
// Adds the arc of an ellipse centred on (cx, cy) to the current path (the whole ellipse
// unless angles are given); fill or stroke it as with any path.
void EllipseArc(cairo_t* cr, double cx, double cy, double rx, double ry, double a0 = 0,
                double a1 = 2 * M_PI);
void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Rgb c, double width = 1.0);
// Text in the game's serif face ("Liberation Serif", metric twin of Times New Roman).
void Text(cairo_t* cr, double x, double baselineY, const std::string& text, double size, Rgb c,
          bool bold = false);
// Width of a text as Text() draws it.
double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold = false);
// Mixes two colours: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);
// A small deterministic pseudo-random sequence for textures (same seed, same numbers).
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  std::uint32_t Next();
  // Uniform in [0, 1).
  double Unit();
  // Uniform integer in [lo, hi].
  int Range(int lo, int hi);

 private:
  std::uint32_t state_;
};

}  // namespace forge
