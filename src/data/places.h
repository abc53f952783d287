// Where the hero arrives in each district, and what each place is called and plays.
#pragma once

#include <string_view>
#include <vector>

#include "world/world_state.h"

namespace vt {

// Puts the hero at district n's arrival point (1 to 7): at the car when jumping
// to it, or stepping out of it when arriving by the city map. Does not change
// `District` and does not redraw; other n change nothing.
void PlaceHero(WorldState& world, int n, bool arriving);

// The district caption for a district number; empty for numbers without one.
std::string_view DistrictName(int district);

// One row of the place table that holds for a screen: its caption (empty when
// the row leaves the caption as it is) and its music.
struct PlaceMusic {
  std::string_view caption;
  int track;
  int seconds;
};

// The rows of the place table that hold for (district, row, column), in table order.
std::vector<PlaceMusic> PlacesAt(int district, int row, int col);

// The street music of a district when no place row holds; track 0 for none.
PlaceMusic StreetMusic(int district);

}  // namespace vt
