// The pieces a figure is assembled from, in drawing order (back to front).
#pragma once

#include "figures/figures.h"

namespace forge::fig {

void DrawHairBack(cairo_t* cr, const Person& p);  // long hair and tails behind the shoulders
void DrawHairFront(cairo_t* cr, const Person& p);
void DrawHat(cairo_t* cr, const Person& p);
void DrawGlasses(cairo_t* cr, const Person& p);

}  // namespace forge::fig
