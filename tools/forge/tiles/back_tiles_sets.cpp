// The six indoor wall sets (codes 128-174): villa plaster, brick, wood panelling, concrete,
// green tiles and mirror tiles.
//
// A wall piece is the wall's material across the whole cell, so any two pieces of a set
// join. Its open sides carry the edge that faces the room: a light edge on the top and
// left sides, a dark one on the bottom and right sides (light from the upper left). The
// straight horizontal piece is the wall face seen from the room, with the set's trim; the
// first tile of each set is that face with the President's portrait (a mirror in set F).
#include <cmath>

#include "tiles/back_tiles.h"

namespace forge::bgtiles {

namespace {

enum Set { kPlaster, kBrick, kPanel, kConcrete, kGreenTile, kMirror };

constexpr Rgb kWainscot{116, 76, 46};
constexpr Rgb kWalnut{112, 72, 42};
constexpr Rgb kGreenGlaze{52, 128, 94};
constexpr Rgb kSilver{176, 196, 212};
constexpr Rgb kGold{204, 166, 72};

// Square glazed tiles (or mirror squares) with their joints off the cell edges.
void SquareTiles(cairo_t* cr, Rgb tile, Rgb grout, bool shiny) {
  Fill(cr, grout);
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i)
      Wrapped(4 + i * 10, 4 + j * 10, [&](double x, double y) {
        const Rgb c = Shade(tile, ((i + 2 * j) % 3 - 1) * 0.05);
        FillRect(cr, x, y, 9, 9, c);
        FillRect(cr, x, y, 9, 1, Shade(c, 0.3));
        if (shiny) Line(cr, x + 2, y + 7, x + 7, y + 2, Shade(c, 0.55), 1);
      });
}

void Planks(cairo_t* cr) {
  Fill(cr, Shade(kWalnut, -0.3));
  for (int k = 0; k < 5; ++k) {
    const Rgb c = Shade(kWalnut, (k % 3 - 1) * 0.08);
    FillRect(cr, 1 + k * 6, 0, 5.4, kCell, c);
    FillRect(cr, 1 + k * 6, 0, 1, kCell, Shade(c, 0.2));
  }
}

// The set's material seen as a plain stretch of wall.
void Material(cairo_t* cr, int set) {
  switch (set) {
    case kPlaster:
      Stucco(cr);
      Dim(cr, 0.08, {120, 80, 20});
      break;
    case kBrick:
      BrickFace(cr);
      break;
    case kPanel:
      Planks(cr);
      break;
    case kConcrete:
      ConcreteWall(cr);
      break;
    case kGreenTile:
      SquareTiles(cr, kGreenGlaze, {214, 206, 180}, false);
      break;
    default:
      SquareTiles(cr, kSilver, {110, 120, 132}, true);
      break;
  }
}

// The wall face as the room sees it, with the set's own trim.
void Face(cairo_t* cr, int set) {
  if (set == kPlaster) {
    Material(cr, set);
    FillRect(cr, 0, 17, kCell, 10, kWainscot);
    for (double x : {2.0, 17.0}) StrokeRect(cr, x, 19, 11, 6, Shade(kWainscot, -0.3), 1);
    Raised(cr, 0, 16, kCell, 2, Shade(kWainscot, 0.2));  // dado rail
  } else if (set == kPanel) {
    Fill(cr, kWalnut);
    for (double x : {2.0, 17.0}) {
      Raised(cr, x, 3, 11, 22, Shade(kWalnut, 0.12));
      FillRect(cr, x + 2, 5, 7, 18, Shade(kWalnut, 0.05));
    }
  } else {
    Material(cr, set);
  }
}

// Light edges on the top and left, dark ones on the bottom and right, as a translucent wash
// over the material so every set keeps its colour. A hairline outlines the lit edges so
// they show on pale walls too.
void Edges(cairo_t* cr, bool top, bool left, bool bottom, bool right) {
  auto wash = [cr](double x, double y, double w, double h, Rgb c, double alpha) {
    SetColor(cr, c, alpha);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
  };
  const Rgb light{255, 250, 235}, dark{0, 0, 0};
  if (top) {
    wash(0, 0, kCell, 3, light, 0.5);
    wash(0, 0, kCell, 1, dark, 0.3);
  }
  if (left) {
    wash(0, 0, 3, kCell, light, 0.4);
    wash(0, 0, 1, kCell, dark, 0.3);
  }
  if (bottom) {
    wash(0, kCell - 4, kCell, 4, dark, 0.4);
    wash(0, kCell - 1, kCell, 1, dark, 0.4);
  }
  if (right) {
    wash(kCell - 4, 0, 4, kCell, dark, 0.4);
    wash(kCell - 1, 0, 1, kCell, dark, 0.4);
  }
}

// The small square where two inner edges meet at a corner piece.
void InnerCorner(cairo_t* cr, double x, double y, bool light) {
  SetColor(cr, light ? Rgb{255, 250, 235} : Rgb{0, 0, 0}, light ? 0.45 : 0.5);
  cairo_rectangle(cr, x, y, 4, 4);
  cairo_fill(cr);
}

void President(cairo_t* cr, double cx, double top, double scale) {
  // Shoulders of a uniform with a sash and medals, a stern face, black hair and moustache.
  SetColor(cr, {76, 88, 50});
  cairo_move_to(cr, cx - 6 * scale, top + 17 * scale);
  cairo_curve_to(cr, cx - 6 * scale, top + 11 * scale, cx + 6 * scale, top + 11 * scale,
                 cx + 6 * scale, top + 17 * scale);
  cairo_close_path(cr);
  cairo_fill(cr);
  Line(cr, cx - 4 * scale, top + 12.5 * scale, cx + 3 * scale, top + 17 * scale, {170, 30, 40},
       1.2 * scale);
  FillCircle(cr, cx + 3.2 * scale, top + 13.5 * scale, 0.7 * scale, kGold);
  FillCircle(cr, cx - 3.2 * scale, top + 15 * scale, 0.7 * scale, kGold);
  cairo_save(cr);
  cairo_translate(cr, cx, top + 7.5 * scale);
  cairo_scale(cr, 3.1 * scale, 3.8 * scale);
  FillCircle(cr, 0, 0, 1, {204, 160, 118});
  cairo_restore(cr);
  SetColor(cr, {24, 20, 18});
  cairo_arc(cr, cx, top + 6.6 * scale, 3.3 * scale, M_PI * 1.05, M_PI * 1.95);
  cairo_fill(cr);
  FillRect(cr, cx - 1.8 * scale, top + 9 * scale, 3.6 * scale, 0.9 * scale, {30, 24, 20});
  FillRect(cr, cx - 1.8 * scale, top + 7 * scale, 1 * scale, 0.6 * scale, {30, 24, 20});
  FillRect(cr, cx + 0.8 * scale, top + 7 * scale, 1 * scale, 0.6 * scale, {30, 24, 20});
}

void Portrait(cairo_t* cr, Rgb frame) {
  Shadow(cr, 8, 2, 14, 20, 0, 0.35);
  Raised(cr, 8, 2, 14, 20, frame);
  FillRect(cr, 10, 4, 10, 16, {58, 70, 60});
  cairo_save(cr);
  cairo_rectangle(cr, 10, 4, 10, 16);
  cairo_clip(cr);
  President(cr, 15, 4, 0.95);
  cairo_restore(cr);
}

void Poster(cairo_t* cr) {
  Shadow(cr, 7, 3, 16, 22, 0, 0.25);
  FillRect(cr, 7, 3, 16, 22, {232, 224, 198});
  FillRect(cr, 9, 5, 12, 13, {190, 40, 40});
  President(cr, 15, 4.5, 0.8);
  for (int k = 0; k < 3; ++k) FillRect(cr, 9, 19.5 + k * 1.8, 12 - k * 3, 0.9, {30, 28, 26});
  // A torn corner shows the brick behind.
  SetColor(cr, {150, 66, 46});
  cairo_move_to(cr, 23, 3);
  cairo_line_to(cr, 18.5, 3);
  cairo_line_to(cr, 23, 7.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void WallMirror(cairo_t* cr) {
  SetColor(cr, {0, 0, 0}, 0.35);
  EllipseArc(cr, 17, 16, 9, 12);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 15, 14);
  cairo_scale(cr, 9, 12);
  FillCircle(cr, 0, 0, 1, kGold);
  FillCircle(cr, 0, 0, 0.82, {200, 222, 236});
  cairo_restore(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(8, 4, 22, 24);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.6);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.3, 0.4, 0.55, 0.5);
  cairo_set_source(cr, p);
  EllipseArc(cr, 15, 14, 7.3, 9.8);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Line(cr, 10, 16, 17, 7, {255, 255, 255}, 1);
  Line(cr, 13, 19, 19, 11, {255, 255, 255}, 0.6);
}

}  // namespace

void WallSetTile(cairo_t* cr, int set, Piece piece) {
  switch (piece) {
    case Piece::Feature:
    case Piece::Horizontal:
      Face(cr, set);
      Edges(cr, true, false, true, false);
      if (piece == Piece::Feature) {
        if (set == kBrick)
          Poster(cr);
        else if (set == kMirror)
          WallMirror(cr);
        else
          Portrait(cr, set == kPanel ? kGold : Shade(kGold, set == kConcrete ? -0.6 : 0.0));
      }
      break;
    case Piece::Vertical:
      Material(cr, set);
      Edges(cr, false, true, false, true);
      break;
    case Piece::CornerTL:
      Material(cr, set);
      Edges(cr, true, true, false, false);
      InnerCorner(cr, kCell - 4, kCell - 4, false);
      break;
    case Piece::CornerTR:
      Material(cr, set);
      Edges(cr, true, false, false, true);
      InnerCorner(cr, 0, kCell - 4, false);
      break;
    case Piece::CornerBL:
      Material(cr, set);
      Edges(cr, false, true, true, false);
      InnerCorner(cr, kCell - 4, 0, false);
      break;
    case Piece::CornerBR:
      Material(cr, set);
      Edges(cr, false, false, true, true);
      InnerCorner(cr, 0, 0, true);
      break;
    case Piece::End:
      Material(cr, set);
      Edges(cr, true, true, true, true);
      break;
  }
}

}  // namespace forge::bgtiles
