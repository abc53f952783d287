// This folder draws the two tile strips: the background strip (back_tiles*, this header)
// and the object strip (object_tiles*, whose people are drawn in figures/). README.md here
// says which file holds which tiles.
//
// The background strip's drawing kit: cell helpers, the textures several tiles share, and
// the tile painters the code table in back_tiles.cpp points at.
//
// Every painter draws one 30 x 30 cell at the origin (the caller translates and clips), top
// down, light from the upper left: raised things get a light top/left edge, a dark
// bottom/right edge and a shadow falling to the lower right. Textures repeat with a period
// of 30 px, so a floor or wall laid cell after cell shows no seam.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "picture.h"

namespace forge::bgtiles {

constexpr double kCell = 30.0;

// --- Colour and shape helpers -------------------------------------------------------------
// t > 0 moves towards white, t < 0 towards black.
Rgb Shade(Rgb c, double t);
void Fill(cairo_t* cr, Rgb c);
void RoundPath(cairo_t* cr, double x, double y, double w, double h, double r);
void FillRound(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c);
// A soft shadow the size of a box, fallen 2 px to the lower right.
void Shadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha = 0.35);
// A quadratic curve from the current point (cairo itself only draws cubic ones).
void QuadTo(cairo_t* cr, double cx, double cy, double x, double y);
// A box lit from the upper left: light top and left edge, dark bottom and right edge.
void Raised(cairo_t* cr, double x, double y, double w, double h, Rgb base);
// A bar running right across the cell (rail, slat), lit on top; no ends, so rows join.
void Rail(cairo_t* cr, double y, double h, Rgb base);
// A round thing lit from the upper left.
void Ball(cairo_t* cr, double cx, double cy, double radius, Rgb base);
// Darkens the whole cell (shade under trees, awnings).
void Dim(cairo_t* cr, double alpha, Rgb tint = {0, 0, 20});
// Fills the current path with a rounded surface's light along (x0, y0)-(x1, y1).
void FillRounded(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double lit,
                 double up, double down);
// An upright drum or bin seen from a little above: the lid, an ellipse rx wide centred on
// (cx, cy), and below it `side` px of the lit round side, hooped `hoops` times.
void Drum(cairo_t* cr, double cx, double cy, double rx, double side, Rgb body, int hoops);
// A palm's crown seen from above: `count` feathered fronds `len` px long round (cx, cy), the
// first turned `turn` radians from the right, their shadow cast to the lower right.
void PalmCrown(cairo_t* cr, double cx, double cy, int count, double len, Rgb leaf, double turn);

// Calls draw(x, y) at the point and at its copies one cell away, so a mark that crosses
// an edge comes back in on the other side and the texture repeats without a seam.
template <class F>
void Wrapped(double x, double y, F draw) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) draw(x + dx * kCell, y + dy * kCell);
}

// --- Shared textures (whole cell) ---------------------------------------------------------
void Pavement(cairo_t* cr);
void Asphalt(cairo_t* cr);
void Grass(cairo_t* cr);
void Parquet(cairo_t* cr);
void WhiteTiles(cairo_t* cr);
void RedCarpet(cairo_t* cr);
void Dirt(cairo_t* cr);
void RoughStone(cairo_t* cr);
void Water(cairo_t* cr);
void Marble(cairo_t* cr);
void Linoleum(cairo_t* cr);
void BlueCarpet(cairo_t* cr);
void Flagged(cairo_t* cr);
void Cobbles(cairo_t* cr);
void Gravel(cairo_t* cr);
void Rock(cairo_t* cr);
void ConcreteFloor(cairo_t* cr);
void StageBoards(cairo_t* cr);
void TunnelFloor(cairo_t* cr);
void LabFloor(cairo_t* cr);
void GreenCarpet(cairo_t* cr);
void BrickFace(cairo_t* cr);
void Stucco(cairo_t* cr);
void ConcreteWall(cairo_t* cr);
// Whole-cell grounds that belong to the thing standing on them, so it sits on any floor:
// a wooden pallet (drums, crates) and the dark shadow under a piece of furniture.
void Pallet(cairo_t* cr);
void UnderShadow(cairo_t* cr);

// --- Tile painters, grouped by file -------------------------------------------------------
// back_tiles_floors.cpp
void Flowers(cairo_t* cr);
void RiverMud(cairo_t* cr);
void Kerb(cairo_t* cr);
void Zebra(cairo_t* cr);
void FactoryStripes(cairo_t* cr);
void CarParkBay(cairo_t* cr);
void Pier(cairo_t* cr);
void PatternedRug(cairo_t* cr);
void Threshold(cairo_t* cr);
void Stairs(cairo_t* cr);
void PavementShade(cairo_t* cr);
void GrassShade(cairo_t* cr);
void Terrace(cairo_t* cr);
void ColdFloor(cairo_t* cr);
void Runner(cairo_t* cr);
void GardenFlags(cairo_t* cr);
void MarketStraw(cairo_t* cr);
void EntranceMat(cairo_t* cr);
void SteppingStones(cairo_t* cr);
void Manhole(cairo_t* cr);
void DrainGrating(cairo_t* cr);
void RoadArrow(cairo_t* cr);
void WetCobbles(cairo_t* cr);
void HazardFloor(cairo_t* cr);
void MarbleThreshold(cairo_t* cr);
void ConcreteThreshold(cairo_t* cr);
void TunnelThreshold(cairo_t* cr);
void AwningShadow(cairo_t* cr);
void Puddle(cairo_t* cr);
void FallenLeaves(cairo_t* cr);
void SandDrift(cairo_t* cr);
void Rubble(cairo_t* cr);
void OilStain(cairo_t* cr);
void BayNumber(cairo_t* cr);
void Checkerboard(cairo_t* cr);
void WornPath(cairo_t* cr);
void PurpleCarpet(cairo_t* cr);

// back_tiles_walls.cpp
void BrickCap(cairo_t* cr);
void StuccoStraight(cairo_t* cr);
void StuccoCorner(cairo_t* cr);
void ConcreteWallTile(cairo_t* cr);
void WoodFence(cairo_t* cr);
void Hedge(cairo_t* cr);
void Railing(cairo_t* cr);
void ChainLink(cairo_t* cr);
void Reeds(cairo_t* cr);
void PalmTree(cairo_t* cr);
void HiddenDoorClosed(cairo_t* cr);
void StoneDoorOpen(cairo_t* cr);
void TorchRock(cairo_t* cr);
void BrickWindow(cairo_t* cr);
void StuccoWindow(cairo_t* cr);
void OfficeWindow(cairo_t* cr);
void ShopWindow(cairo_t* cr);
void Shrubs(cairo_t* cr);
void FlowerBed(cairo_t* cr);
void Basin(cairo_t* cr);
void Sandbags(cairo_t* cr);

// back_tiles_sets.cpp: the six wall sets of eight tiles (codes 128-174)
enum class Piece { Feature, Horizontal, Vertical, CornerTL, CornerTR, CornerBL, CornerBR, End };
void WallSetTile(cairo_t* cr, int set, Piece piece);

// back_tiles_rooms.cpp
void BookcaseOpen(cairo_t* cr);
void SecretThreshold(cairo_t* cr);
void SecretBookcase(cairo_t* cr);
void Bookshelf(cairo_t* cr);
void GoodsShelves(cairo_t* cr);
void Table(cairo_t* cr);
void Bed(cairo_t* cr);
void Sofa(cairo_t* cr);
void Counter(cairo_t* cr);
void Bench(cairo_t* cr);
void Statue(cairo_t* cr);
void PottedPalm(cairo_t* cr);
void BarberChair(cairo_t* cr);
void Washbasin(cairo_t* cr);
void WoodDesk(cairo_t* cr);
void SteelDesk(cairo_t* cr);
void FilingCabinets(cairo_t* cr);
void Wardrobe(cairo_t* cr);
void BarShelves(cairo_t* cr);
void Piano(cairo_t* cr);
void Curtain(cairo_t* cr);
void Pillar(cairo_t* cr);
void Banister(cairo_t* cr);
void Stove(cairo_t* cr);
void Television(cairo_t* cr);
void Terminal(cairo_t* cr);

// back_tiles_works.cpp: labs, offices, the factory and the radio kit
void LabBench(cairo_t* cr);
void LabGlassware(cairo_t* cr);
void FumeHood(cairo_t* cr);
void Blackboard(cairo_t* cr);
void LectureSeats(cairo_t* cr);
void OfficeMachine(cairo_t* cr);
void Kit(cairo_t* cr, int part);      // 0..4, left to right
void Missile(cairo_t* cr, int part);  // 0 nose, 1 body, 2 tail
void WarheadCrates(cairo_t* cr);
void Press(cairo_t* cr);
void GantryLeg(cairo_t* cr);
void OilDrums(cairo_t* cr);
void Boiler(cairo_t* cr);
void Incubators(cairo_t* cr);
void FillingMachine(cairo_t* cr);

// back_tiles_street.cpp: cars, street furniture, market and garden things
enum class Car { Hero, Sedan, Taxi };
// One quarter of a 2 x 2 car: qx, qy = 0 or 1 (left/right, upper/lower cell).
void CarQuarter(cairo_t* cr, Car car, int qx, int qy);
void MarketStall(cairo_t* cr);
void StreetLamp(cairo_t* cr);
void Fountain(cairo_t* cr);
void SpiceSacks(cairo_t* cr);
void CratesBins(cairo_t* cr);
void Swing(cairo_t* cr);

}  // namespace forge::bgtiles
