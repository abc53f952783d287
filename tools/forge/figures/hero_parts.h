// The hero's two drawings, shared by both sprite sheets: the walking figure seen from
// the side (the tall sideways frames) and the same man seen from above (the wide up-and-
// down frames). Both use the object strip's palette, ink rim and shape helpers, so he
// stands among the strip's people at their scale.
#pragma once

#include <cairo.h>

#include "tiles/object_tiles.h"

namespace forge::hero {

// What he wears: the cream linen suit or the captain's olive uniform and cap.
struct Outfit {
  Rgb coat, coatShade, coatLight;
  Rgb trousers, trouserShade;
  Rgb shirt;  // the open collar (the suit) or the tunic's collar (the uniform)
  Rgb shoes, shoeShine;
  bool uniform;
};

// One pose, in pixels along the way he faces (positive ahead of his body): each foot's
// step, each hand's swing, how far the right hand reaches out (0: it swings), and where
// the body's centre line lies from the back edge of the frame.
struct Pose {
  double leftStep, rightStep;
  double leftSwing, rightSwing;
  double reach;
  int back;
};

constexpr Rgb kSkin{192, 142, 102};
constexpr Rgb kSkinShade{150, 104, 72};
constexpr Rgb kHair{40, 32, 28};
constexpr Rgb kHairGrey{136, 130, 124};  // the greying temples of his portrait
constexpr Rgb kShades{18, 20, 26};       // sunglasses pushed up into his hair
constexpr Rgb kCapCrown{82, 90, 46};
constexpr Rgb kCapPeak{26, 26, 22};
constexpr Rgb kStrap{122, 78, 40};  // the uniform's belt and cross strap

// A limb: a round-ended line `w` wide.
inline void Stroke(cairo_t* cr, double x1, double y1, double x2, double y2, double w, Rgb c) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Line(cr, x1, y1, x2, y2, c, w);
}

// Facing right, feet on the frame's bottom rows; `cx` is the body's centre line.
void DrawSideways(cairo_t* cr, const Outfit& o, const Pose& p, double cx);
// Facing down, seen from above; `cx` is the middle across, `cy` the shoulder line.
void DrawFromAbove(cairo_t* cr, const Outfit& o, const Pose& p, double cx, double cy);

}  // namespace forge::hero
