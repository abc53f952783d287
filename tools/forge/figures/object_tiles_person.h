// People on the object strip: one look per person (skin, hair, hat, clothes and up
// to five things worn or held), drawn seen from above and a little from the front,
// head at the top of the cell and feet at the bottom, facing down the screen.
#pragma once

#include <cstdint>

#include "tiles/object_tiles.h"

namespace forge::objects {

enum class HairCut : std::uint8_t {
  kShort,
  kSlick,
  kBald,
  kBalding,
  kCrew,
  kLong,
  kCurly,
  kBun,
  kPonytail,
  kBob,
  kPigtails,
  kFrizz
};
enum class Hat : std::uint8_t {
  kNone,
  kFez,
  kSkullcap,
  kStraw,
  kHelmet,
  kPeaked,
  kFlat,
  kFlatAskew,
  kScarf,
  kBeret,
  kHardHat,
  kToque,
  kVisor,
  kNurseCap,
  kPaperHat,
  kCap
};
enum class Lower : std::uint8_t { kTrousers, kShorts, kSkirt, kRobe, kCoat };

// Things worn or held, drawn in the item's own colour.
enum class Acc : std::uint8_t {
  kNone,
  // face
  kGlasses,
  kRoundGlasses,
  kThickGlasses,
  kSunglasses,
  kCatEye,
  kMoustache,
  kBigMoustache,
  kBeard,
  kStubble,
  kHeadphones,
  kEarpiece,
  kPlaster,
  kLips,
  kWorried,
  kComb,
  // body
  kPearls,
  kBowTie,
  kTie,
  kCravat,
  kMedals,
  kApron,
  kWaistcoat,
  kJacket,
  kBraid,
  kChevrons,
  kSleeveGuards,
  kBelt,
  kSequins,
  kCamo,
  kBadge,
  kHiVis,
  kTails,
  kCrossBelt,
  kLongCoat,
  // hands
  kNewspaper,
  kBroom,
  kClipboard,
  kGlass,
  kCigar,
  kRifle,
  kTray,
  kSatchel,
  kBasket,
  kFlowers,
  kRod,
  kPipe,
  kGloves,
  kCamera,
  kBowl,
  kScissors,
  kBooks,
  kWhistle,
  kKite,
  kBags,
  kLadle,
  kCoolBox,
  kPad,
  kBeads,
  kShaker,
  kBottle,
  kScoop,
  kTorch,
  kHandsToFace
};

struct Worn {
  Acc acc = Acc::kNone;
  Rgb c{};
};

struct Look {
  Rgb skin;
  Rgb hair;
  HairCut cut;
  Hat hat;
  Rgb hatColour;
  Rgb top;     // torso
  Rgb sleeve;  // arms (the shirt under a waistcoat or jacket)
  Rgb legs;    // trousers, skirt or robe
  Lower lower;
  double bulk;   // extra half-width of the torso: 0 slim, 1.5 heavy, 2.5 huge
  double scale;  // 1 for adults, less for children
  Worn worn[5];
};

// Draws the person centred in the tile (feet on the bottom rows).
void DrawPerson(cairo_t* cr, const Look& look);

// Where the figure's parts lie, in the figure's own coordinates (scale 1).
struct Frame {
  double bulk;
  double headX = 15, headY = 7.5, headR = 5.2;
  double Left() const { return 8 - bulk; }  // torso edges
  double Right() const { return 22 + bulk; }
  double HandLX() const { return 6.6 - bulk; }
  double HandRX() const { return 23.4 + bulk; }
  double handY = 22;
};

// When a worn thing is drawn: behind the body, over the clothes, over the face, in hand.
enum class Layer : std::uint8_t { kBehind, kClothes, kFace, kHat, kHand };
Layer LayerOf(Acc acc);
void DrawWorn(cairo_t* cr, const Look& look, const Frame& f, const Worn& w);

}  // namespace forge::objects
