// What each incoming text changes in the world once it has been received.
#pragma once

#include <string_view>

#include "world/world_state.h"

namespace vt {

// Applies the effect of `text` (the briefing or reply 1 to 8, compared whole);
// any other text changes nothing.
void ApplyReceived(WorldState& w, std::string_view text);

}  // namespace vt
