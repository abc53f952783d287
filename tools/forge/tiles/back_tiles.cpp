// The background tile strip "Morvane15.dat": 192 opaque 30 x 30 tiles side by side, one
// painter per code in the table below (codes follow the tile catalogue one to one).
#include "tiles/back_tiles.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "forge.h"

namespace forge {

namespace {

using namespace bgtiles;

constexpr int kTileCount = 192;
constexpr char kStripName[] = "Morvane15.dat";

struct TileEntry {
  int code;
  void (*draw)(cairo_t*);
  double grain;  // how much each pixel's brightness may wander, for a hand-made look
};

template <int Set, Piece P>
void SetTile(cairo_t* cr) {
  WallSetTile(cr, Set, P);
}
template <int Part>
void KitTile(cairo_t* cr) {
  Kit(cr, Part);
}
template <int Part>
void MissileTile(cairo_t* cr) {
  Missile(cr, Part);
}
template <Car C, int Qx, int Qy>
void CarTile(cairo_t* cr) {
  CarQuarter(cr, C, Qx, Qy);
}

constexpr TileEntry kTiles[] = {
    {0, Pavement, 0.07},
    {1, Asphalt, 0.12},
    {2, BrickFace, 0.08},
    {3, BrickCap, 0.08},
    {4, Grass, 0.08},
    {5, Parquet, 0.05},
    {6, WhiteTiles, 0.025},
    {7, RedCarpet, 0.1},
    {8, Dirt, 0.08},
    {9, RoughStone, 0.08},
    {10, StuccoStraight, 0.04},
    {11, StuccoCorner, 0.04},
    {12, ConcreteWallTile, 0.08},
    {13, WoodFence, 0.06},
    {14, Hedge, 0.06},
    {15, PalmTree, 0.06},
    {16, Water, 0.04},
    {17, Reeds, 0.05},
    {18, Railing, 0.06},
    {19, ChainLink, 0.06},
    {20, Marble, 0.02},
    {21, Linoleum, 0.04},
    {22, BlueCarpet, 0.1},
    {23, BookcaseOpen, 0.04},
    {24, SecretThreshold, 0.05},
    {25, Flagged, 0.08},
    {26, Cobbles, 0.08},
    {27, Gravel, 0.08},
    {28, StoneDoorOpen, 0.08},
    {29, Rock, 0.1},
    {30, Threshold, 0.05},
    {31, Stairs, 0.05},
    {32, SecretBookcase, 0.04},
    {33, Bookshelf, 0.04},
    {34, GoodsShelves, 0.04},
    {35, PatternedRug, 0.08},
    {36, ConcreteFloor, 0.06},
    {37, Table, 0.04},
    {38, Bed, 0.03},
    {39, Sofa, 0.05},
    {40, Counter, 0.03},
    {41, FactoryStripes, 0.06},
    {42, CarParkBay, 0.12},
    {43, LabFloor, 0.02},
    {44, Pier, 0.07},
    {45, StageBoards, 0.04},
    {46, TunnelFloor, 0.1},
    {47, MarketStall, 0.04},
    {48, CarTile<Car::Hero, 0, 0>, 0.05},
    {49, CarTile<Car::Hero, 1, 0>, 0.05},
    {50, CarTile<Car::Sedan, 0, 0>, 0.05},
    {51, CarTile<Car::Sedan, 1, 0>, 0.05},
    {52, CarTile<Car::Sedan, 0, 1>, 0.05},
    {53, CarTile<Car::Sedan, 1, 1>, 0.05},
    {54, StreetLamp, 0.05},
    {55, Fountain, 0.04},
    {56, Bench, 0.05},
    {57, Statue, 0.03},
    {58, PottedPalm, 0.03},
    {59, SpiceSacks, 0.07},
    {60, CratesBins, 0.06},
    {61, BarberChair, 0.03},
    {62, Washbasin, 0.02},
    {63, Flowers, 0.08},
    {64, RiverMud, 0.1},
    {65, Kerb, 0.07},
    {66, Zebra, 0.1},
    {67, GreenCarpet, 0.1},
    {68, WoodDesk, 0.03},
    {69, SteelDesk, 0.03},
    {70, FilingCabinets, 0.03},
    {71, LabBench, 0.02},
    {72, LabGlassware, 0.02},
    {73, FumeHood, 0.02},
    {74, Blackboard, 0.04},
    {75, LectureSeats, 0.03},
    {76, OfficeMachine, 0.03},
    {77, KitTile<0>, 0.03},
    {78, KitTile<1>, 0.03},
    {79, KitTile<2>, 0.03},
    {80, KitTile<3>, 0.03},
    {81, KitTile<4>, 0.03},
    {82, MissileTile<0>, 0.03},
    {83, MissileTile<1>, 0.03},
    {84, MissileTile<2>, 0.03},
    {85, WarheadCrates, 0.05},
    {86, Press, 0.04},
    {87, GantryLeg, 0.04},
    {88, OilDrums, 0.04},
    {89, Wardrobe, 0.04},
    {90, PavementShade, 0.07},
    {91, GrassShade, 0.08},
    {92, Terrace, 0.06},
    {93, ColdFloor, 0.03},
    {94, Runner, 0.06},
    {95, GardenFlags, 0.07},
    {96, MarketStraw, 0.08},
    {97, EntranceMat, 0.08},
    {98, Boiler, 0.04},
    {99, CarTile<Car::Hero, 0, 1>, 0.05},
    {100, CarTile<Car::Hero, 1, 1>, 0.05},
    {101, BarShelves, 0.03},
    {102, Piano, 0.03},
    {103, Curtain, 0.04},
    {104, Incubators, 0.02},
    {105, FillingMachine, 0.03},
    {106, SteppingStones, 0.07},
    {107, Manhole, 0.07},
    {108, HiddenDoorClosed, 0.08},
    {109, DrainGrating, 0.1},
    {110, RoadArrow, 0.1},
    {111, BrickWindow, 0.06},
    {112, StuccoWindow, 0.04},
    {113, OfficeWindow, 0.06},
    {114, ShopWindow, 0.03},
    {115, TorchRock, 0.08},
    {116, Shrubs, 0.07},
    {117, FlowerBed, 0.06},
    {118, Basin, 0.04},
    {119, Sandbags, 0.07},
    {120, Pillar, 0.02},
    {121, Banister, 0.04},
    {122, Stove, 0.02},
    {123, Television, 0.03},
    {124, Terminal, 0.03},
    {125, WetCobbles, 0.08},
    {126, HazardFloor, 0.03},
    {127, Swing, 0.07},
    // Set A, villa plaster with wainscot: portrait of the President first, then the plain pieces.
    {128, SetTile<0, Piece::Feature>, 0.04},
    {129, SetTile<0, Piece::Horizontal>, 0.04},
    {130, SetTile<0, Piece::Vertical>, 0.04},
    {131, SetTile<0, Piece::CornerTL>, 0.04},
    {132, SetTile<0, Piece::CornerTR>, 0.04},
    {133, SetTile<0, Piece::CornerBL>, 0.04},
    {134, SetTile<0, Piece::CornerBR>, 0.04},
    {135, SetTile<0, Piece::End>, 0.04},
    // Set B, brick: poster of the President first, then the plain pieces.
    {136, SetTile<1, Piece::Feature>, 0.08},
    {137, SetTile<1, Piece::Horizontal>, 0.08},
    {138, SetTile<1, Piece::Vertical>, 0.08},
    {139, SetTile<1, Piece::CornerTL>, 0.08},
    {140, SetTile<1, Piece::CornerTR>, 0.08},
    {141, SetTile<1, Piece::CornerBL>, 0.08},
    {142, SetTile<1, Piece::CornerBR>, 0.08},
    {143, SetTile<1, Piece::End>, 0.08},
    // Set C, wood panelling: portrait of the President first, then the plain pieces.
    {144, SetTile<2, Piece::Feature>, 0.05},
    {145, SetTile<2, Piece::Horizontal>, 0.05},
    {146, SetTile<2, Piece::Vertical>, 0.05},
    {147, SetTile<2, Piece::CornerTL>, 0.05},
    {148, SetTile<2, Piece::CornerTR>, 0.05},
    {149, SetTile<2, Piece::CornerBL>, 0.05},
    {150, SetTile<2, Piece::CornerBR>, 0.05},
    {151, SetTile<2, Piece::End>, 0.05},
    // Set D, concrete: portrait of the President first, then the plain pieces.
    {152, SetTile<3, Piece::Feature>, 0.08},
    {153, SetTile<3, Piece::Horizontal>, 0.08},
    {154, SetTile<3, Piece::Vertical>, 0.08},
    {155, SetTile<3, Piece::CornerTL>, 0.08},
    {156, SetTile<3, Piece::CornerTR>, 0.08},
    {157, SetTile<3, Piece::CornerBL>, 0.08},
    {158, SetTile<3, Piece::CornerBR>, 0.08},
    {159, SetTile<3, Piece::End>, 0.08},
    // Set E, green tiles: portrait of the President first, then the plain pieces.
    {160, SetTile<4, Piece::Feature>, 0.03},
    {161, SetTile<4, Piece::Horizontal>, 0.03},
    {162, SetTile<4, Piece::Vertical>, 0.03},
    {163, SetTile<4, Piece::CornerTL>, 0.03},
    {164, SetTile<4, Piece::CornerTR>, 0.03},
    {165, SetTile<4, Piece::CornerBL>, 0.03},
    {166, SetTile<4, Piece::CornerBR>, 0.03},
    {167, SetTile<4, Piece::End>, 0.03},
    // Set F, mirror tiles: wall mirror first, then the plain pieces.
    {168, SetTile<5, Piece::Feature>, 0.02},
    {169, SetTile<5, Piece::Horizontal>, 0.02},
    {170, SetTile<5, Piece::Vertical>, 0.02},
    {171, SetTile<5, Piece::CornerTL>, 0.02},
    {172, SetTile<5, Piece::CornerTR>, 0.02},
    {173, SetTile<5, Piece::CornerBL>, 0.02},
    {174, SetTile<5, Piece::CornerBR>, 0.02},
    {175, MarbleThreshold, 0.02},
    {176, ConcreteThreshold, 0.06},
    {177, TunnelThreshold, 0.1},
    {178, AwningShadow, 0.08},
    // The taxi faces right: its left flank is the upper row, its rear the left column.
    {179, CarTile<Car::Taxi, 0, 1>, 0.05},
    {180, CarTile<Car::Taxi, 0, 0>, 0.05},
    {181, CarTile<Car::Taxi, 1, 0>, 0.05},
    {182, CarTile<Car::Taxi, 1, 1>, 0.05},
    {183, Puddle, 0.1},
    {184, FallenLeaves, 0.07},
    {185, SandDrift, 0.07},
    {186, Rubble, 0.08},
    {187, OilStain, 0.06},
    {188, BayNumber, 0.12},
    {189, Checkerboard, 0.02},
    {190, WornPath, 0.08},
    {191, PurpleCarpet, 0.1},
};

static_assert(std::size(kTiles) == kTileCount, "one painter per background code");

constexpr bool CodesInOrder() {
  for (int i = 0; i < kTileCount; ++i)
    if (kTiles[i].code != i) return false;
  return true;
}
static_assert(CodesInOrder(), "the table lists codes 0-191 in order");

// Per-pixel brightness wander, seeded by the code so every forging gives the same bytes.
void Grain(Picture& strip, int code, double amount) {
  Noise n(7919u * static_cast<std::uint32_t>(code) + 17u);
  for (int y = 0; y < 30; ++y) {
    std::uint32_t* row = strip.Row(y);
    for (int x = code * 30; x < code * 30 + 30; ++x) {
      const double f = 1.0 + amount * (2.0 * n.Unit() - 1.0);
      auto channel = [&](int shift) {
        const double v = ((row[x] >> shift) & 255) * f;
        return static_cast<std::uint32_t>(std::clamp(v + 0.5, 0.0, 255.0));
      };
      row[x] = 0xFF000000u | (channel(16) << 16) | (channel(8) << 8) | channel(0);
    }
  }
  cairo_surface_mark_dirty(strip.surface());
}

}  // namespace

void ForgeBackgroundStrip(Output& out) {
  Picture strip(kTileCount * 30, 30);
  cairo_t* cr = strip.cr();
  for (const TileEntry& tile : kTiles) {
    cairo_save(cr);
    cairo_translate(cr, tile.code * 30.0, 0);
    cairo_rectangle(cr, 0, 0, 30, 30);
    cairo_clip(cr);
    tile.draw(cr);
    cairo_restore(cr);
  }
  FinishOpaque(strip, {0, 0, 0});
  for (const TileEntry& tile : kTiles) Grain(strip, tile.code, tile.grain);
  out.Save(strip, kStripName);
}

std::vector<PictureSpec> BackgroundStripManifest() {
  return {{kStripName, kTileCount * 30, 30, false}};
}

}  // namespace forge
