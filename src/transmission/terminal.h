// The unit's terminal: green text on black, printed with a moving pen and
// never scrolled. It keeps the lines as printed and how far the print reached,
// so what it showed can be read back and checked against its size.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "platform/text.h"

namespace vt {

inline constexpr int kTerminalWidth = 249;
inline constexpr int kTerminalHeight = 121;
// A space beyond this pen position breaks the line instead of being printed.
inline constexpr int kSpaceRuleX = 200;

class Terminal {
 public:
  explicit Terminal(TextRenderer& text);

  static FontSpec Font();

  // Black and empty, the pen at the top left.
  void Clear();
  // Writes at the pen and moves the pen right.
  void Print(std::string_view s);
  // Moves the pen to the start of the next line.
  void Break();
  // A whole line: printed, then broken.
  void Line(std::string_view s) {
    Print(s);
    Break();
  }

  int PenX() const { return penX_; }
  const Surface& Screen() const { return screen_; }
  // The lines as printed; the last is the one the pen is on.
  const std::vector<std::string>& Lines() const { return lines_; }
  // The furthest right and lowest pixel any print has reached since the last Clear.
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }

 private:
  TextRenderer& text_;
  Surface screen_;
  std::vector<std::string> lines_;
  int penX_ = 0;
  int penY_ = 0;
  int right_ = 0;
  int bottom_ = 0;
};

}  // namespace vt
