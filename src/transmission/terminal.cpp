#include "transmission/terminal.h"

#include <algorithm>

namespace vt {

namespace {
constexpr Color kTerminalGreen = Rgb(0, 255, 0);
}

Terminal::Terminal(TextRenderer& text) : text_(text) { Clear(); }

FontSpec Terminal::Font() {
  FontSpec f;
  f.name = "Courier New";
  f.sizePt = 6.75;
  return f;
}

void Terminal::Clear() {
  screen_.Resize(kTerminalWidth, kTerminalHeight, kBlack);
  screen_.Clear(kBlack);
  lines_.assign(1, std::string());
  penX_ = 0;
  penY_ = 0;
  right_ = 0;
  bottom_ = 0;
}

void Terminal::Print(std::string_view s) {
  if (s.empty()) return;
  const FontSpec font = Font();
  text_.Draw(screen_, penX_, penY_, font, s, kTerminalGreen);
  penX_ += text_.Measure(font, s).w;
  lines_.back() += s;
  right_ = std::max(right_, penX_);
  bottom_ = std::max(bottom_, penY_ + text_.LineHeight(font));
}

void Terminal::Break() {
  penX_ = 0;
  penY_ += text_.LineHeight(Font());
  lines_.emplace_back();
}

}  // namespace vt
