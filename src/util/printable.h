// Text from outside (a damaged file, a player's folder name) made safe to print:
// bounded in length, with every byte that is not printable ASCII escaped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vt {

// At most `limit` characters of `text` as they would be typed, bytes outside printable
// ASCII as \xNN; a cut text ends in "..." and says how many bytes it had.
std::string Printable(std::string_view text, std::size_t limit = 60);

}  // namespace vt
