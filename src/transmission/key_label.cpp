#include "transmission/key_label.h"

namespace vt {

void KeyLabel::Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const {
  Label::Paint(canvas, originX, originY, text);
  const auto mark = Caption.find('&');
  if (mark == std::string::npos || mark + 1 >= Caption.size()) return;
  const std::string shown = StripMnemonic(Caption);
  const std::string before = StripMnemonic(Caption.substr(0, mark));
  const int whole = text.Measure(Font, shown).w;
  int x = originX + Bounds.x;
  if (Alignment == Align::Center) x += (Bounds.w - whole) / 2;
  if (Alignment == Align::Right) x += Bounds.w - whole;
  x += text.Measure(Font, before).w;
  const int width = text.Measure(Font, std::string(1, Caption[mark + 1])).w;
  const int y = originY + Bounds.y + std::min(text.LineHeight(Font), Bounds.h) - 1;
  FillRect(canvas, {x, y, width, 1}, Enabled ? ForeColor : kGrayText);
}

}  // namespace vt
