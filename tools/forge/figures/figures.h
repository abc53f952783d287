// This folder draws everyone who appears in a picture: the portrait and scene figures
// (figures*, this header), the hero's sprite sheets (hero.cpp) and the people and animals
// of the object strip (object_tiles_*). README.md here says which file holds what.
//
// People for the portraits and the scene pictures: one head-and-shoulders
// figure described by a small table row, painted with gradients and a dark
// outline so that it still reads after the key-colour finish.
//
// A figure is drawn in portrait space: 200 px wide, head centred at x 100,
// shoulders from about y 108, torso running on below y 150 so that a scene
// can scale a figure and show more of its chest. Scenes place figures with
// cairo_translate/cairo_scale around DrawPerson.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "picture.h"

namespace forge::fig {

// Laid out by hand: the choices of a look read best as compact rows.
// clang-format off
enum class Hair { kBald, kShort, kSideParted, kOiled, kCurly, kLongCurls, kPonytail, kCropped, kReceding, kMessy };
enum class Hat {
  kNone, kSkullcap, kScarf, kHeadscarf, kFez, kPeakedCap, kHelmet, kFlatCap, kStrawHat, kCapAskew
};
enum class Facial { kNone, kMoustache, kBigMoustache, kBeard, kStubble, kStickOn };
enum class Glasses { kNone, kRound, kThick, kCatEye, kSunglasses, kSunglassesUp, kHalfMoon };
enum class Eyes { kOpen, kHalfClosed, kSleepy, kNarrow, kWide };
enum class Mouth { kNeutral, kSmile, kThinSmile, kFrown, kGapTooth, kOpen, kGrin };
enum class Brows { kCalm, kWorried, kStern, kRaised };
enum class Outfit {
  kLinenSuit, kSuit, kGuardUniform, kBraidedUniform, kPolice, kSoldier, kWaistcoat, kApron,
  kSmock, kCravat, kTailcoat, kDinnerJacket, kSequins, kShirtSleeves, kBlazer, kOveralls,
  kWornJacket, kSummerShirt, kPorter, kTweed, kWhiteCoat, kJumper, kTShirt, kBlouse, kRobe,
  kPyjamas, kAirForce
};
// clang-format on

// Extras, combined as bit flags.
enum Prop : std::uint32_t {
  kNoProps = 0,
  kHandOnChin = 1u << 0,
  kGlassInHand = 1u << 1,
  kPipe = 1u << 2,
  kCigar = 1u << 3,
  kEarpiece = 1u << 4,
  kHeadphones = 1u << 5,
  kPearls = 1u << 6,
  kMedals = 1u << 7,
  kCombBehindEar = 1u << 8,
  kClipboard = 1u << 9,
  kRifle = 1u << 10,
  kPrayerBeads = 1u << 11,
  kNewspaper = 1u << 12,
  kSatchel = 1u << 13,
  kBrokenNose = 1u << 14,
  kGreyTemples = 1u << 15,
  kSash = 1u << 16,
  kEarrings = 1u << 17,
  kWhiteGloves = 1u << 18,
};

struct Person {
  Rgb skin;
  Rgb hair;
  Hair hairStyle = Hair::kShort;
  Hat hat = Hat::kNone;
  Rgb hatColour{};
  Facial facial = Facial::kNone;
  Glasses glasses = Glasses::kNone;
  Eyes eyes = Eyes::kOpen;
  Mouth mouth = Mouth::kNeutral;
  Brows brows = Brows::kCalm;
  Outfit outfit = Outfit::kSuit;
  Rgb cloth{};         // the main garment
  Rgb cloth2{};        // shirt, tie or trim
  double age = 0.4;    // 0 a child .. 1 very old: lines and bags
  double width = 1.0;  // face width
  double build = 1.0;  // shoulder width
  bool female = false;
  std::uint32_t props = kNoProps;
  Rgb iris{70, 45, 25};
  Rgb facialColour{};  // moustache or beard; black when left empty
};

// --- Colour and paint helpers --------------------------------------------------
Rgb Lighter(Rgb c, double t);
Rgb Darker(Rgb c, double t);
// Fills the current path with a gradient from light (at x0,y0) to shadow (at x1,y1),
// outlines it in a dark shade of the same colour and clears the path.
void Paint(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1, double outline = 1.2);
// The same fill without an outline; keeps nothing.
void Shade(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1);
// Radial shading, light centre at (cx,cy) fading to shadow at radius r.
void ShadeRound(cairo_t* cr, Rgb base, double cx, double cy, double r, double outline);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// --- Figures -------------------------------------------------------------------
// The whole head-and-shoulders figure; `seed` varies textures (stubble, tweed).
void DrawPerson(cairo_t* cr, const Person& p, std::uint32_t seed);
// Parts, for scenes that pose a figure.
void DrawBody(cairo_t* cr, const Person& p, std::uint32_t seed);
void DrawHead(cairo_t* cr, const Person& p, std::uint32_t seed);
void DrawFrontProps(cairo_t* cr, const Person& p);
// A sleeve from shoulder to hand with a fist or open hand at the end.
void DrawArm(cairo_t* cr, double sx, double sy, double hx, double hy, Rgb sleeve, Rgb skin,
             double thickness = 18);
void DrawHand(cairo_t* cr, double x, double y, double size, Rgb skin);

// Geometry of the standard head, for props placed by the scenes.
constexpr double kHeadX = 100;
constexpr double kHeadY = 62;
constexpr double kShoulderY = 110;

// Where the head of a figure sits; children have a smaller head set lower.
struct HeadGeo {
  double cx, cy, hw, hh;
  double eyeY, mouthY, chinY;
};
HeadGeo GeoOf(const Person& p);

// Cast member by speaker code (humans only); the scenes reuse them.
const Person& CastPerson(int code);

}  // namespace forge::fig
