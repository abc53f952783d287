// The names of the objects the hero can carry, as the inventory bar shows them.
#pragma once

#include <string_view>

namespace vt {

// The name of object n; empty for numbers that are no carried object.
std::string_view ObjectName(int object);

}  // namespace vt
