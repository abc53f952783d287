// Indoor furniture of the background strip: bookcases and the secret bookcase, tables,
// beds, seats, counters, desks, cupboards and the few household machines. Pieces that
// stand in rows (tables, desks, counters, sofas, benches) run edge to edge across the cell
// so neighbouring cells join into one long piece. The same pieces stand on parquet, marble,
// tiles and every carpet, so none shows a floor of its own: each fills its cell, with only
// its own dark shadow under its front edge, or stands on a base that belongs to it.
#include <cmath>

#include "tiles/back_tiles.h"

namespace forge::bgtiles {

namespace {

constexpr Rgb kWood{124, 80, 44};
constexpr Rgb kDarkWood{84, 50, 26};
constexpr Rgb kChrome{196, 200, 206};
constexpr Rgb kBookColours[] = {{150, 40, 40},  {40, 70, 120},   {60, 110, 60}, {190, 160, 90},
                                {110, 60, 110}, {200, 190, 170}, {40, 40, 40},  {170, 90, 40}};

// Steps going down into the dark, darker the deeper they go.
void DarkSteps(cairo_t* cr, double x, double w) {
  for (int k = 0; k < 6; ++k) {
    const double t = k / 5.0;
    FillRect(cr, x, k * 5, w, 5, Mix({70, 58, 46}, {10, 8, 8}, t));
    FillRect(cr, x, k * 5, w, 1, Mix({110, 96, 80}, {26, 22, 20}, t));
  }
}

// A bookcase front: frame, cap, three shelves of books; x and w bound the whole case.
void BookcaseFront(cairo_t* cr, double x, double w, std::uint32_t seed) {
  Noise n(seed);
  FillRect(cr, x, 0, w, kCell, kDarkWood);
  FillRect(cr, x, 0, w, 3, Shade(kWood, 0.2));
  FillRect(cr, x, 0, w, 1, Shade(kWood, 0.45));
  FillRect(cr, x, 0, 1.5, kCell, Shade(kWood, 0.1));
  FillRect(cr, x + w - 1.5, 0, 1.5, kCell, Shade(kDarkWood, -0.3));
  for (int shelf = 0; shelf < 3; ++shelf) {
    const double top = 4 + shelf * 8.5;
    FillRect(cr, x + 1.5, top, w - 3, 7, {40, 26, 16});
    double bx = x + 2;
    while (bx < x + w - 3) {
      const double bw = 1.4 + n.Unit() * 1.4, bh = 4.5 + n.Unit() * 2.5;
      const double room = x + w - 2 - bx;
      const Rgb c = kBookColours[n.Range(0, 7)];
      FillRect(cr, bx, top + 7 - bh, std::min(bw, room), bh, c);
      FillRect(cr, bx, top + 7 - bh, 0.5, bh, Shade(c, 0.3));
      bx += bw + 0.3;
    }
    FillRect(cr, x + 1.5, top + 7, w - 3, 1.5, kWood);
  }
}

// A shelf unit like the bookcase, holding whatever `goods` draws on each shelf.
template <class Goods>
void ShelfUnit(cairo_t* cr, Goods goods) {
  FillRect(cr, 0, 0, kCell, kCell, kDarkWood);
  FillRect(cr, 0, 0, kCell, 3, Shade(kWood, 0.2));
  FillRect(cr, 0, 0, kCell, 1, Shade(kWood, 0.45));
  for (int shelf = 0; shelf < 3; ++shelf) {
    const double top = 4 + shelf * 8.5;
    FillRect(cr, 1.5, top, 27, 7, {44, 30, 18});
    goods(shelf, top + 7);
    FillRect(cr, 1.5, top + 7, 27, 1.5, kWood);
  }
  FillRect(cr, 0, 0, 1.5, kCell, Shade(kWood, 0.1));
  FillRect(cr, 28.5, 0, 1.5, kCell, Shade(kDarkWood, -0.3));
}

// The long top of a piece in a row, from the cell's upper edge down over the shadow it
// casts: top, lit rim and a darker front edge.
void LongTop(cairo_t* cr, double h, double front, Rgb top, Rgb edge) {
  UnderShadow(cr);
  const double y = 0;
  FillRect(cr, 0, y, kCell, h, top);
  FillRect(cr, 0, y, kCell, 1, Shade(top, 0.35));
  FillRect(cr, 0, y + h, kCell, front, edge);
}

}  // namespace

void BookcaseOpen(cairo_t* cr) {
  DarkSteps(cr, 0, kCell);
  // The two leaves folded back against the jambs, seen edge on.
  for (double x : {0.0, 24.0}) {
    FillRect(cr, x, 0, 6, kCell, kDarkWood);
    FillRect(cr, x + (x > 0 ? 0 : 3), 0, 3, kCell, Shade(kWood, 0.15));
    for (int k = 0; k < 3; ++k)
      FillRect(cr, x + (x > 0 ? 3 : 0.5), 5 + k * 8.5, 2.5, 6, kBookColours[k + (x > 0 ? 3 : 0)]);
  }
  FillRect(cr, 6, 0, 1, kCell, {0, 0, 0});
  FillRect(cr, 23, 0, 1, kCell, {0, 0, 0});
}

void SecretThreshold(cairo_t* cr) { DarkSteps(cr, 0, kCell); }

void SecretBookcase(cairo_t* cr) {
  // Two complete half bookcases meeting in the middle: their edges are the seam.
  BookcaseFront(cr, 0, 15, 400);
  BookcaseFront(cr, 15, 15, 401);
}

void Bookshelf(cairo_t* cr) { BookcaseFront(cr, 0, kCell, 402); }

void GoodsShelves(cairo_t* cr) {
  ShelfUnit(cr, [cr](int shelf, double floor) {
    if (shelf == 0) {  // box files with their labels
      for (int k = 0; k < 6; ++k) {
        const Rgb c = k % 2 ? Rgb{60, 80, 130} : Rgb{120, 120, 110};
        FillRect(cr, 2.5 + k * 4.2, floor - 6, 3.6, 6, c);
        FillRect(cr, 3.3 + k * 4.2, floor - 4.5, 2, 1.5, {230, 226, 210});
      }
    } else if (shelf == 1) {  // bottles
      for (int k = 0; k < 7; ++k) {
        const Rgb c =
            k % 3 == 0 ? Rgb{40, 100, 50} : (k % 3 == 1 ? Rgb{120, 70, 30} : Rgb{200, 210, 200});
        const double x = 3 + k * 3.6;
        FillRect(cr, x, floor - 4.5, 2.6, 4.5, c);
        FillRect(cr, x + 0.8, floor - 6.5, 1, 2, c);
        FillRect(cr, x + 0.3, floor - 4, 0.6, 3, Shade(c, 0.5));
      }
    } else {  // shoes and jars
      for (int k = 0; k < 3; ++k)
        FillRound(cr, 2.5 + k * 4.2, floor - 3, 3.8, 3, 1.2, {90, 40, 26});
      for (int k = 0; k < 3; ++k) {
        FillRect(cr, 16 + k * 4.2, floor - 5, 3.4, 5, {200, 180, 120});
        FillRect(cr, 16 + k * 4.2, floor - 5.8, 3.4, 1.2, {160, 40, 40});
      }
    }
  });
}

void Table(cairo_t* cr) {
  LongTop(cr, 23, 4, {150, 100, 56}, {96, 60, 30});
  for (double y : {7.5, 15.5}) Line(cr, 0, y, kCell, y, {128, 84, 46}, 0.6);
  FillRect(cr, 0, 22, kCell, 1, {170, 120, 72});  // the rounded front edge catching the light
}

void Bed(cairo_t* cr) {
  UnderShadow(cr);
  Raised(cr, 0, 0, kCell, 5, kDarkWood);  // headboard
  FillRect(cr, 0, 5, kCell, 22, {236, 234, 226});
  FillRound(cr, 3, 6.5, 24, 6.5, 2.5, {250, 250, 246});
  Line(cr, 5, 10, 25, 10, {214, 212, 204}, 0.6);
  FillRect(cr, 0, 14, kCell, 13, {70, 100, 150});
  FillRect(cr, 0, 14, kCell, 2.5, {236, 234, 226});  // the sheet turned down
  for (double x : {8.0, 22.0}) Line(cr, x, 17, x + 1, 26, {56, 82, 128}, 0.7);
  Raised(cr, 0, 27, kCell, 3, kDarkWood);  // footboard
}

void Sofa(cairo_t* cr) {
  UnderShadow(cr);
  const Rgb cloth{132, 52, 42};
  FillRect(cr, 0, 0, kCell, 27, Shade(cloth, -0.25));
  FillRound(cr, 0, 0, kCell, 9, 2, cloth);  // back
  FillRect(cr, 0, 0.5, kCell, 1, Shade(cloth, 0.3));
  FillRect(cr, 0, 8.5, kCell, 1, Shade(cloth, -0.45));    // the back's shadow on the seat
  FillRound(cr, 0.5, 10, 29, 14, 3, Shade(cloth, 0.08));  // seat cushion
  FillRect(cr, 2, 11, 26, 1, Shade(cloth, 0.35));
  FillRect(cr, 0, 24.5, kCell, 2.5, Shade(cloth, -0.4));
  for (double x : {4.0, 25.0}) FillRect(cr, x, 27, 2, 1.5, kDarkWood);  // feet
}

void Counter(cairo_t* cr) {
  LongTop(cr, 12, 16, {214, 204, 184}, {120, 80, 50});
  for (double x : {7.0, 22.0}) FillRect(cr, x, 13, 1, 14, {90, 58, 34});
  FillRect(cr, 0, 12, kCell, 1, {90, 58, 34});
  FillRect(cr, 0, 26.5, kCell, 1.5, {70, 44, 24});  // kick board
}

void Bench(cairo_t* cr) {
  UnderShadow(cr);  // what shows between the slats is the bench's own shadow
  for (double x : {4.0, 25.0}) FillRect(cr, x, 1, 1.8, 27, {40, 40, 44});
  for (int k = 0; k < 3; ++k) Rail(cr, 1 + k * 3, 2.4, {150, 100, 56});
  for (int k = 0; k < 5; ++k) Rail(cr, 11 + k * 3.6, 3, {168, 114, 64});
  for (double x : {4.0, 25.0}) Raised(cr, x - 0.5, 9.5, 2.8, 18, {54, 54, 60});  // the arms
}

void Statue(cairo_t* cr) {
  // A stepped stone plinth that fills the cell: the figure stands on it on any floor.
  Raised(cr, 0, 0, kCell, kCell, {180, 174, 162});
  Shadow(cr, 3, 3, 24, 24, 1, 0.3);
  Raised(cr, 3, 3, 24, 24, {204, 198, 186});
  FillRect(cr, 6, 6, 18, 18, {184, 178, 166});
  // A bronze figure seen from above: shoulders, an arm raised forward, the head.
  const Rgb bronze{72, 116, 96};
  SetColor(cr, {0, 0, 0}, 0.35);
  EllipseArc(cr, 17, 17.5, 7.5, 4.5);
  cairo_fill(cr);
  Line(cr, 19, 15, 24, 8, {30, 50, 40}, 3.2);
  Line(cr, 19, 15, 24, 8, bronze, 2.2);
  cairo_save(cr);
  cairo_translate(cr, 15, 15.5);
  cairo_scale(cr, 7, 4);
  FillCircle(cr, 0, 0, 1.08, {30, 50, 40});
  FillCircle(cr, 0, 0, 1, bronze);
  cairo_restore(cr);
  FillCircle(cr, 15, 14.5, 3.8, {30, 50, 40});
  Ball(cr, 15, 14.5, 3.2, Shade(bronze, 0.15));
}

void PottedPalm(cairo_t* cr) {
  // A square planter box that fills the cell, its fronds reaching over the rim.
  const Rgb box{150, 92, 56};
  Raised(cr, 0, 0, kCell, kCell, box);
  Raised(cr, 1.5, 1.5, 27, 27, Shade(box, 0.12));
  FillRect(cr, 4, 4, 22, 22, Shade(box, -0.45));
  FillRect(cr, 5, 5, 20, 20, {62, 44, 28});  // soil
  for (int k = 0; k < 3; ++k) FillRect(cr, 0, 9 + k * 6, 1.5, 0.8, Shade(box, -0.3));
  PalmCrown(cr, 15, 15, 8, 14.5, {68, 140, 56}, 0.2);
}

void BarberChair(cairo_t* cr) {
  WhiteTiles(cr);
  FillCircle(cr, 16.5, 16.5, 10, {0, 0, 0});
  Ball(cr, 15, 15, 10, kChrome);
  // Facing the mirror on the wall above: footrest up, back and headrest down.
  Raised(cr, 10, 2, 10, 3, kChrome);
  FillRound(cr, 7, 8, 16, 12, 3, {170, 36, 40});
  FillRound(cr, 8, 19, 14, 7, 2.5, {140, 28, 32});
  FillRound(cr, 11, 25.5, 8, 3.5, 1.5, {120, 24, 28});
  Raised(cr, 5, 9, 2.5, 12, kChrome);
  Raised(cr, 22.5, 9, 2.5, 12, kChrome);
  FillRect(cr, 9, 9, 12, 1, {210, 90, 90});
}

void Washbasin(cairo_t* cr) {
  // A basin set in a tiled stand that fills the cell, a cupboard front under its lip.
  UnderShadow(cr);
  Raised(cr, 0, 0, kCell, 23, {214, 212, 206});
  FillRect(cr, 0, 23, kCell, 5, {176, 174, 168});
  FillRect(cr, 0, 23, kCell, 1, {150, 148, 142});
  FillRect(cr, 14.5, 24, 1, 4, {140, 138, 132});
  cairo_save(cr);
  cairo_translate(cr, 15, 12);
  cairo_scale(cr, 10, 7);
  FillCircle(cr, 0, 0, 1, {250, 250, 250});
  FillCircle(cr, 0.05, 0.08, 0.78, {200, 208, 214});
  cairo_restore(cr);
  FillCircle(cr, 15, 13, 1, {90, 94, 100});
  Raised(cr, 14, 1, 2, 5, kChrome);
  FillCircle(cr, 10.5, 3, 1.3, {60, 110, 200});
  FillCircle(cr, 19.5, 3, 1.3, {200, 50, 50});
}

void WoodDesk(cairo_t* cr) {
  LongTop(cr, 22, 6, {110, 56, 32}, {76, 36, 20});
  FillRect(cr, 0, 3, kCell, 14, {46, 92, 62});  // leather inset
  FillRect(cr, 0, 3.5, kCell, 0.6, {200, 170, 80});
  FillRect(cr, 0, 15.8, kCell, 0.6, {200, 170, 80});
  for (double x : {7.5, 22.5}) FillCircle(cr, x, 25, 0.9, {210, 180, 90});
}

void SteelDesk(cairo_t* cr) {
  LongTop(cr, 22, 6, {148, 158, 150}, {110, 114, 118});
  FillRect(cr, 0, 2, kCell, 17, {126, 142, 132});  // the lino top
  FillRect(cr, 0, 19, kCell, 1, {170, 178, 172});
  for (double x : {6.0, 21.0}) FillRect(cr, x, 24.5, 3, 1, {200, 204, 208});
}

void FilingCabinets(cairo_t* cr) {
  UnderShadow(cr);
  for (double x : {0.0, 15.0}) {
    Raised(cr, x, 0, 15, 5, {170, 176, 166});
    FillRect(cr, x, 5, 15, 23, {136, 142, 132});
    FillRect(cr, x + 14, 5, 1, 23, {96, 100, 94});
    for (int k = 0; k < 3; ++k) {
      const double y = 6 + k * 7.3;
      StrokeRect(cr, x + 1.5, y, 12, 6.6, {104, 110, 100}, 0.8);
      FillRect(cr, x + 5, y + 1.5, 5, 1.4, {226, 222, 206});
      FillRect(cr, x + 4.5, y + 4, 6, 1.2, kChrome);
    }
  }
}

void Wardrobe(cairo_t* cr) {
  Fill(cr, kWood);
  Raised(cr, 0, 0, kCell, 4, Shade(kWood, 0.15));
  for (double x : {1.0, 15.0}) {
    Raised(cr, x, 5, 14, 22, kWood);
    StrokeRect(cr, x + 2.5, 7.5, 9, 17, kDarkWood, 1);
  }
  FillCircle(cr, 13.2, 17, 1, {210, 180, 90});
  FillCircle(cr, 16.8, 17, 1, {210, 180, 90});
  FillRect(cr, 0, 27, kCell, 3, kDarkWood);
}

void BarShelves(cairo_t* cr) {
  Fill(cr, {44, 70, 72});  // mirrored back
  Line(cr, 3, 12, 10, 3, {110, 150, 150}, 1);
  Noise n(403);
  static constexpr Rgb kGlass[] = {
      {40, 110, 50}, {150, 80, 30}, {210, 200, 160}, {120, 30, 40}, {220, 220, 230}};
  for (int shelf = 0; shelf < 2; ++shelf) {
    const double floor = 13 + shelf * 13;
    for (int k = 0; k < 6; ++k) {
      const Rgb c = kGlass[n.Range(0, 4)];
      const double x = 1.5 + k * 5, h = 6 + n.Unit() * 3;
      FillRect(cr, x, floor - h, 3.2, h, c);
      FillRect(cr, x + 1, floor - h - 2.5, 1.2, 2.5, c);
      FillRect(cr, x + 0.4, floor - h + 1, 0.7, h - 2, Shade(c, 0.5));
    }
    Raised(cr, 0, floor, kCell, 2, kWood);
  }
  Raised(cr, 0, 0, kCell, 1.5, kDarkWood);
}

void Piano(cairo_t* cr) {
  StageBoards(cr);
  const auto body = [cr](double dx) {
    cairo_move_to(cr, 3 + dx, 21 + dx);
    cairo_line_to(cr, 3 + dx, 4 + dx);
    cairo_curve_to(cr, 3 + dx, 1 + dx, 13 + dx, 0 + dx, 15 + dx, 5 + dx);
    cairo_curve_to(cr, 17 + dx, 10 + dx, 27 + dx, 8 + dx, 27 + dx, 14 + dx);
    cairo_line_to(cr, 27 + dx, 21 + dx);
    cairo_close_path(cr);
  };
  SetColor(cr, {0, 0, 0}, 0.35);
  body(2);
  cairo_fill(cr);
  SetColor(cr, {22, 20, 24});
  body(0);
  cairo_fill(cr);
  Line(cr, 5, 5, 12, 3, {120, 120, 130}, 1);
  FillRect(cr, 3, 21, 24, 5, {244, 242, 234});
  for (int k = 0; k < 12; ++k) {
    FillRect(cr, 3 + k * 2, 21, 0.4, 5, {150, 150, 150});
    if (k % 7 != 2 && k % 7 != 6) FillRect(cr, 4.4 + k * 2, 21, 1.1, 3, {20, 20, 20});
  }
  FillRect(cr, 3, 26, 24, 1, {22, 20, 24});
}

void Curtain(cairo_t* cr) {
  // Folds as a smooth wave across the cell, five to a cell so neighbours run on.
  for (int x = 0; x < 30; ++x) {
    const double t = 0.5 + 0.5 * std::cos(2 * M_PI * (x + 1) / 6.0);
    FillRect(cr, x, 0, 1, kCell, Mix({96, 14, 24}, {186, 40, 52}, t));
  }
  FillRect(cr, 0, 0, kCell, 2, {200, 160, 70});
  FillRect(cr, 0, 26, kCell, 1.5, {210, 170, 70});
  for (int k = 0; k < 15; ++k) FillRect(cr, 0.5 + k * 2, 27.5, 1, 2.5, {190, 150, 60});
}

void Pillar(cairo_t* cr) {
  // A column on a square stepped base that fills the cell, so it stands on any floor.
  Raised(cr, 0, 0, kCell, kCell, {188, 182, 172});
  Shadow(cr, 3, 3, 24, 24, 1, 0.35);
  Raised(cr, 3, 3, 24, 24, {220, 214, 204});
  FillCircle(cr, 16.5, 16.5, 10, {0, 0, 0});
  Ball(cr, 15, 15, 10, {232, 228, 218});
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    Line(cr, 15 + 4 * std::cos(a), 15 + 4 * std::sin(a), 15 + 9.5 * std::cos(a),
         15 + 9.5 * std::sin(a), {196, 190, 180}, 0.5);
  }
}

void Banister(cairo_t* cr) {
  // The rail along the edge of the stair well, the steps dropping away into the dark.
  DarkSteps(cr, 0, kCell);
  SetColor(cr, {0, 0, 0}, 0.35);
  cairo_rectangle(cr, 0, 9, kCell, 16);
  cairo_fill(cr);
  for (int k = 0; k < 6; ++k) {
    FillRect(cr, 1.8 + k * 5, 12, 1.6, 12, {200, 190, 170});
    FillRect(cr, 1.8 + k * 5, 12, 0.6, 12, {236, 228, 210});
  }
  Rail(cr, 23, 3, {110, 64, 34});  // the foot rail
  Rail(cr, 7, 6, {110, 64, 34});   // the hand rail
  FillRect(cr, 0, 8.5, kCell, 0.8, {160, 110, 70});
}

void Stove(cairo_t* cr) {
  WhiteTiles(cr);
  Shadow(cr, 2, 2, 26, 26, 1, 0.35);
  Raised(cr, 2, 2, 26, 26, {236, 234, 228});
  for (double x : {9.0, 21.0})
    for (double y : {9.0, 18.0}) {
      FillCircle(cr, x, y, 4, {30, 30, 32});
      cairo_set_line_width(cr, 0.6);
      SetColor(cr, {90, 90, 94});
      cairo_arc(cr, x, y, 2.5, 0, 2 * M_PI);
      cairo_stroke(cr);
    }
  for (int k = 0; k < 4; ++k) FillCircle(cr, 7 + k * 5.3, 25, 1.1, {60, 60, 64});
}

void Television(cairo_t* cr) {
  WallSetTile(cr, 0, Piece::Horizontal);
  Shadow(cr, 3, 4, 24, 24, 1, 0.4);
  Raised(cr, 3, 4, 24, 24, {108, 70, 40});
  FillRound(cr, 5, 7, 16, 17, 3, {30, 34, 34});
  FillRound(cr, 6, 8, 14, 15, 3, {76, 104, 100});
  Line(cr, 8, 13, 13, 9, {170, 200, 196}, 1);
  for (double y : {10.0, 15.0}) FillCircle(cr, 24, y, 1.4, {200, 190, 160});
  for (int k = 0; k < 3; ++k) Line(cr, 22.5, 19 + k * 2, 25.5, 19 + k * 2, {70, 44, 24}, 0.7);
}

void Terminal(cairo_t* cr) {
  Fill(cr, {148, 158, 150});
  FillRect(cr, 0, 0, kCell, 1, {190, 198, 190});
  Shadow(cr, 5, 2, 20, 18, 1, 0.4);
  Raised(cr, 5, 2, 20, 18, {204, 196, 172});
  FillRound(cr, 7, 4, 16, 12, 2, {16, 36, 22});
  for (int k = 0; k < 4; ++k) FillRect(cr, 9, 6 + k * 2.4, 6 + (k * 5) % 7, 1, {90, 230, 120});
  Shadow(cr, 5, 21, 20, 6, 1, 0.3);
  Raised(cr, 5, 21, 20, 6, {204, 196, 172});
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 8; ++i)
      FillRect(cr, 6.5 + i * 2.2, 22.5 + j * 2, 1.6, 1.2, {160, 150, 130});
}

}  // namespace forge::bgtiles
