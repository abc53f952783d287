// Readable facings and poses in the suites' failure messages.
#pragma once

#include <ostream>

#include "world/vocabulary.h"

namespace vt {

inline std::ostream& operator<<(std::ostream& out, Facing f) { return out << FacingName(f); }
inline std::ostream& operator<<(std::ostream& out, HeroPose p) {
  return out << "pose " << static_cast<int>(p);
}

}  // namespace vt
