// Fonts and text drawing. Texts are bytes in the game's single-byte code page
// (Windows-1252); renderers convert at their own edge.
#pragma once

#include <string>
#include <string_view>

#include "platform/surface.h"

namespace vt {

struct FontSpec {
  std::string name = "Times New Roman";
  double sizePt = 8.25;  // points; 96 pixels per inch, so 14.25 pt is 19 px per em
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The game's captions are set in Times New Roman.
inline FontSpec Times(double sizePt, bool bold) {
  FontSpec f;
  f.sizePt = sizePt;
  f.bold = bold;
  return f;
}

struct TextSize {
  int w = 0;
  int h = 0;
};

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // Size of one line of text (no line breaks inside).
  virtual TextSize Measure(const FontSpec& font, std::string_view text) = 0;
  // Height of a line, baseline to baseline.
  virtual int LineHeight(const FontSpec& font) = 0;
  // Draws one line with its top-left corner at (x, y); clips to the surface.
  virtual void Draw(Surface& dst, int x, int y, const FontSpec& font, std::string_view text,
                    Color color) = 0;
};

// Converts Windows-1252 bytes to UTF-8 (for fonts, JSON and file names).
std::string Cp1252ToUtf8(std::string_view text);
// Converts UTF-8 to Windows-1252; characters outside the code page become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace vt
