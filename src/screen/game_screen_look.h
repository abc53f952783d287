// Colours the game screen's window shares between its files.
#pragma once

#include "platform/surface.h"

namespace vt {

inline constexpr Color kCommandColor = FromBgr(49344);  // the bar commands' normal colour

}  // namespace vt
