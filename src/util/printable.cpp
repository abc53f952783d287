// Bounded, escaped excerpts of outside text for messages.
#include "util/printable.h"

#include <cstdio>

namespace vt {

std::string Printable(std::string_view text, std::size_t limit) {
  std::string out;
  std::size_t used = 0;  // bytes of `text` shown
  for (; used < text.size(); ++used) {
    const unsigned char c = static_cast<unsigned char>(text[used]);
    char piece[5] = {static_cast<char>(c), '\0'};
    if (c < 0x20 || c >= 0x7F) std::snprintf(piece, sizeof piece, "\\x%02X", c);
    const std::string_view shown(piece);
    if (out.size() + shown.size() > limit) break;
    out += shown;
  }
  if (used < text.size()) out += "... (" + std::to_string(text.size()) + " bytes)";
  return out;
}

}  // namespace vt
