// The world state as JSON, for the runner's state dumps and checks.
#pragma once

#include <optional>
#include <string_view>

#include "util/json.h"
#include "world/world_state.h"

namespace vt {

// One object with every world variable under its own name, in the world table's order:
// numbers, true/false, texts as UTF-8, and arrays from index 0 (nested for grids, so that
// the path "CellChanged.1.5.2.8.18" reaches one cell).
Json DumpWorld(const WorldState& w);

// What DumpWorld(w).AtPath(path) gives, built from that part alone: a check of one cell
// costs no more than the cell. Nothing when the path leads nowhere.
std::optional<Json> DumpWorldPath(const WorldState& w, std::string_view path);

}  // namespace vt
