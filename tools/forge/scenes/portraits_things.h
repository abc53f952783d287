// Portraits of the speakers that are not people: a letter read aloud (40),
// the narrator's hourglass (41), the parrot (42) and the alley cat (43).
#pragma once

#include <cairo.h>

namespace forge {

void DrawPortraitThing(cairo_t* cr, int code);

}  // namespace forge
