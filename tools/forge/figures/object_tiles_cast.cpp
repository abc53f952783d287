// The standing people of the object strip, one look per code. Every person differs
// from every other in head (hair, hat), clothing colours and what they wear or hold,
// so the player can tell them apart on the map before speaking to them.
#include <algorithm>
#include <array>

#include "figures/object_tiles_person.h"

namespace forge::objects {
namespace {

using A = Acc;
using H = HairCut;
using T = Hat;
using W = Lower;

// Skin and hair.
constexpr Rgb kOliveSkin{202, 152, 112};
constexpr Rgb kTanSkin{180, 128, 88};
constexpr Rgb kLightSkin{228, 186, 152};
constexpr Rgb kDarkSkin{146, 98, 64};
constexpr Rgb kPinkSkin{240, 192, 172};
constexpr Rgb kSunburnt{214, 128, 98};
constexpr Rgb kOldSkin{214, 170, 138};
constexpr Rgb kBlackHair{36, 30, 28};
constexpr Rgb kDarkHair{74, 46, 30};
constexpr Rgb kGreyHair{156, 154, 150};
constexpr Rgb kWhiteHair{230, 228, 222};
constexpr Rgb kAuburn{136, 58, 32};
constexpr Rgb kBlond{214, 176, 96};
// Clothes used by several people.
constexpr Rgb kShirt{238, 236, 228};
constexpr Rgb kLabCoat{246, 246, 244};
constexpr Rgb kPolice{42, 60, 116};
constexpr Rgb kPoliceDark{30, 38, 74};
constexpr Rgb kSuitBlack{30, 30, 36};
constexpr Rgb kJeans{58, 84, 140};
constexpr Rgb kSkirtGrey{60, 60, 80};
constexpr Rgb kFrame{104, 100, 108};  // glasses frames: lighter than the eyes behind them

struct CastLook {
  int code;
  Look look;
};

// One person per entry reads better than one field per line.
// clang-format off
constexpr Look kAli{kTanSkin, kWhiteHair, H::kShort, T::kSkullcap, {236, 226, 196}, kShirt, kShirt,
                    {98, 92, 86}, W::kTrousers, 0.5, 1,
                    {{A::kWaistcoat, {146, 32, 42}}, {A::kMoustache, kWhiteHair}}};

// clang-format on

constexpr Look Worried(Look l) {
  l.worn[2] = {A::kWorried, {60, 40, 30}};
  l.worn[3] = {A::kHandsToFace, {}};
  return l;
}

// clang-format off
constexpr CastLook kCast[] = {
    {0, {kPinkSkin, kBlond, H::kShort, T::kStraw, kStraw, {232, 112, 58}, {232, 112, 58}, kKhaki,
          W::kShorts, 0.5, 1, {{A::kCamera, kBlack}}}},
    {1, kAli},
    {2, {kOliveSkin, kBlackHair, H::kShort, T::kScarf, {44, 40, 46}, {84, 44, 70}, {84, 44, 70},
          {66, 36, 56}, W::kRobe, 0.5, 1, {{A::kScoop, {206, 112, 30}}}}},
    {3, {kTanSkin, kDarkHair, H::kShort, T::kStraw, {206, 176, 104}, {72, 134, 70}, {72, 134, 70},
          {92, 82, 70}, W::kTrousers, 0.5, 1, {{A::kBasket, kOrange}, {A::kMoustache, kDarkHair}}}},
    {4, {kOliveSkin, kBlackHair, H::kSlick, T::kNone, {}, {58, 62, 92}, {58, 62, 92}, {58, 62, 92},
          W::kTrousers, 0.5, 1, {{A::kJacket, kShirt}, {A::kCravat, {160, 40, 130}}}}},
    {5, {kTanSkin, kGreyHair, H::kBalding, T::kNone, {}, {92, 122, 154}, {92, 122, 154},
          {70, 70, 74}, W::kTrousers, 0.5, 1,
          {{A::kApron, {132, 84, 44}}, {A::kGlasses, kGold}, {A::kMoustache, kGreyHair}}}},
    {6, {kOliveSkin, kBlackHair, H::kBald, T::kNone, {}, kLabCoat, kLabCoat, {60, 60, 66}, W::kCoat,
          0.8, 1, {{A::kBigMoustache, kBlackHair}, {A::kScissors, kSteel}}}},
    {7, {kOliveSkin, kBlackHair, H::kShort, T::kNone, {}, {152, 192, 222}, {152, 192, 222},
          {50, 50, 60}, W::kTrousers, -0.8, 1, {{A::kRoundGlasses, kBlack}, {A::kComb, kOrange}}}},
    {8, {kLightSkin, kAuburn, H::kBob, T::kNone, {}, {132, 30, 62}, {132, 30, 62}, {132, 30, 62},
          W::kSkirt, 0, 1, {{A::kPearls, kWhite}, {A::kLips, kRed}}}},
    {9, {kLightSkin, kDarkHair, H::kPonytail, T::kNone, {}, {222, 82, 152}, {222, 82, 152}, kJeans,
          W::kTrousers, -0.5, 0.9, {{A::kHeadphones, kRed}}}},
    {10, {kOliveSkin, kBlackHair, H::kShort, T::kNone, {}, {240, 200, 60}, {240, 200, 60},
          {44, 72, 132}, W::kShorts, 0, 0.72, {{A::kBelt, kBrown}}}},
    {11, {kOldSkin, kWhiteHair, H::kShort, T::kFez, {172, 30, 40}, {84, 84, 90}, {84, 84, 90},
          {84, 84, 90}, W::kTrousers, 0.5, 1, {{A::kJacket, kShirt}, {A::kNewspaper, kPaper}}}},
    {12, {kOliveSkin, kGreyHair, H::kBalding, T::kNone, {}, {52, 52, 58}, {52, 52, 58}, {52, 52, 58},
          W::kTrousers, 2, 1,
          {{A::kJacket, kShirt}, {A::kTie, kRed}, {A::kMedals, kGold}, {A::kMoustache, kGreyHair}}}},
    {13, {kTanSkin, kBlackHair, H::kShort, T::kBeret, {34, 34, 38}, {48, 62, 84}, {48, 62, 84},
          {48, 62, 84}, W::kTrousers, 1, 1, {{A::kBelt, kBlack}, {A::kRifle, kDarkGrey}}}},
    {15, {kDarkSkin, kBlackHair, H::kShort, T::kCap, {232, 112, 30}, {236, 122, 42}, {236, 122, 42},
          {236, 122, 42}, W::kTrousers, 0.5, 1,
          {{A::kHiVis, kYellow}, {A::kBroom, {176, 146, 86}}}}},
    {16, {kOliveSkin, kBlackHair, H::kShort, T::kPeaked, kPoliceDark, kPolice, kPolice, kPoliceDark,
          W::kTrousers, 0.8, 1,
          {{A::kMoustache, kBlackHair}, {A::kCrossBelt, kWhite}, {A::kBadge, kGold}}}},
    {17, {kOliveSkin, kBlackHair, H::kLong, T::kNone, {}, {240, 202, 64}, {240, 202, 64},
          {240, 202, 64}, W::kSkirt, -0.5, 0.88, {{A::kFlowers, kPink}}}},
    {18, {kOliveSkin, kBlackHair, H::kShort, T::kFez, {184, 30, 40}, {112, 30, 42}, {112, 30, 42},
          kSuitBlack, W::kTrousers, 0.5, 1,
          {{A::kJacket, kShirt}, {A::kBowTie, kBlack}, {A::kMoustache, kBlackHair}}}},
    {19, {kTanSkin, kBlackHair, H::kShort, T::kFlatAskew, {92, 82, 70}, {112, 80, 50}, {112, 80, 50},
          {52, 52, 62}, W::kTrousers, 0.8, 1,
          {{A::kJacket, {204, 192, 170}}, {A::kStubble, {70, 60, 56}}, {A::kGlass, {222, 172, 60}}}}},
    {22, {kTanSkin, kGreyHair, H::kShort, T::kNone, {}, {122, 110, 90}, {122, 110, 90}, {72, 62, 52},
          W::kTrousers, 1, 1,
          {{A::kApron, kWhite}, {A::kMoustache, kGreyHair}, {A::kTray, {204, 118, 58}}}}},
    {23, {kDarkSkin, kGreyHair, H::kShort, T::kFlat, {100, 90, 72}, {122, 98, 62}, {142, 122, 92},
          {92, 82, 62}, W::kRobe, 0.5, 1, {{A::kBeard, kGreyHair}, {A::kBowl, kWood}}}},
    {24, {kTanSkin, kBlackHair, H::kShort, T::kHardHat, kYellow, {62, 92, 152}, {62, 92, 152},
          {62, 92, 152}, W::kTrousers, 1, 1, {{A::kBelt, kDarkBrown}, {A::kMoustache, kBlackHair}}}},
    {25, {kOliveSkin, kBlackHair, H::kSlick, T::kNone, {}, kShirt, kShirt, kSuitBlack, W::kTrousers,
          0.5, 1, {{A::kBowTie, kBlack}, {A::kMoustache, kBlackHair}, {A::kShaker, kSteel}}}},
    {26, {kLightSkin, kGreyHair, H::kSlick, T::kNone, {}, kSuitBlack, kSuitBlack, kSuitBlack,
          W::kTrousers, 0.3, 1, {{A::kTails, kSuitBlack}, {A::kGloves, kWhite}}}},
    {27, {kSunburnt, kBlackHair, H::kShort, T::kBeret, {164, 30, 36}, kOlive, kOlive, kOlive,
          W::kTrousers, 1, 1, {{A::kBelt, kDarkBrown}, {A::kRifle, kDarkGrey}}}},
    {28, {kTanSkin, kBlackHair, H::kShort, T::kPeaked, {92, 98, 50}, {98, 102, 58}, {98, 102, 58},
          {98, 102, 58}, W::kTrousers, 1.5, 1,
          {{A::kSunglasses, kBlack}, {A::kBraid, kGold}, {A::kMedals, kGold}, {A::kMoustache, kBlackHair}}}},
    {29, {kTanSkin, kWhiteHair, H::kShort, T::kSkullcap, kWhite, {122, 126, 130}, {122, 126, 130},
          {122, 126, 130}, W::kTrousers, 0.5, 1,
          {{A::kBeard, kWhiteHair}, {A::kBeads, {40, 120, 60}}}}},
    {35, {kOliveSkin, kBlackHair, H::kCurly, T::kNone, {}, {60, 142, 112}, {60, 142, 112}, kJeans,
          W::kTrousers, 0, 1, {{A::kSatchel, kBrown}}}},
    {36, {kOliveSkin, kDarkHair, H::kBun, T::kNone, {}, kLabCoat, kLabCoat, kSkirtGrey, W::kCoat, 0,
          1, {{A::kClipboard, kWood}}}},
    {37, {kTanSkin, kBlackHair, H::kCrew, T::kCap, {64, 62, 42}, {132, 112, 72}, {132, 112, 72},
          {82, 72, 52}, W::kTrousers, 2.5, 1,
          {{A::kBadge, kGold}, {A::kBelt, kBlack}, {A::kMoustache, kBlackHair}}}},
    {45, {kLightSkin, kBlackHair, H::kShort, T::kScarf, {122, 172, 212}, {204, 198, 226},
          {204, 198, 226}, kSkirtGrey, W::kSkirt, 0, 1,
          {{A::kCatEye, {40, 40, 40}}, {A::kPad, kWhite}}}},
    {62, {kOliveSkin, kBlackHair, H::kFrizz, T::kNone, {}, {204, 30, 84}, kOliveSkin, {204, 30, 84},
          W::kRobe, -0.3, 1, {{A::kSequins, kGold}, {A::kLips, kRed}}}},
    {64, {kTanSkin, kBlackHair, H::kCrew, T::kNone, {}, kSuitBlack, kSuitBlack, kSuitBlack,
          W::kTrousers, 2, 1, {{A::kJacket, kShirt}, {A::kTie, kBlack}, {A::kSunglasses, kBlack}}}},
    {66, {kTanSkin, kWhiteHair, H::kShort, T::kStraw, {198, 168, 98}, {72, 112, 172}, {72, 112, 172},
          {94, 84, 62}, W::kTrousers, 0.5, 1,
          {{A::kRod, kBrown}, {A::kStubble, kWhiteHair}, {A::kPipe, kWood}}}},
    {68, {kOliveSkin, kBlackHair, H::kShort, T::kPaperHat, kWhite, kShirt, kShirt, {44, 82, 152},
          W::kTrousers, 0.5, 1, {{A::kCoolBox, {72, 152, 212}}, {A::kMoustache, kBlackHair}}}},
    {69, {kDarkSkin, kBlackHair, H::kShort, T::kCap, {42, 62, 132}, {232, 152, 82}, kDarkSkin,
          kPoliceDark, W::kTrousers, 0.5, 1,
          {{A::kHiVis, kYellow}, {A::kWhistle, kSteel}, {A::kPad, kWhite}}}},
    {70, {kLightSkin, kBlackHair, H::kBun, T::kNone, {}, kCompany, kCompany, kCompany, W::kSkirt, 0,
          1, {{A::kJacket, kShirt}, {A::kBadge, kGold}, {A::kLips, kRed}}}},
    {71, {kTanSkin, kBlackHair, H::kCrew, T::kPeaked, kCompany, kCompany, kCompany, {30, 42, 42},
          W::kTrousers, 1.2, 1, {{A::kBadge, kGold}, {A::kBelt, kBlack}}}},
    {77, {kTanSkin, kBlackHair, H::kBald, T::kNone, {}, {24, 24, 28}, {24, 24, 28}, {24, 24, 28},
          W::kTrousers, 3, 1, {{A::kJacket, kShirt}, {A::kBowTie, kBlack}, {A::kEarpiece, kShirt}}}},
    {78, {kOliveSkin, kBlackHair, H::kSlick, T::kNone, {}, kShirt, kShirt, kSuitBlack, W::kTrousers,
          0.5, 1, {{A::kWaistcoat, {34, 34, 38}}, {A::kBowTie, kRed}, {A::kBottle, kGreen}}}},
    {81, {kOliveSkin, kGreyHair, H::kBalding, T::kVisor, {42, 142, 82}, kShirt, kShirt, {60, 60, 70},
          W::kTrousers, 0.5, 1,
          {{A::kSleeveGuards, kBlack}, {A::kGlasses, kFrame}, {A::kTie, kCompany}}}},
    {82, {kLightSkin, kDarkHair, H::kShort, T::kNone, {}, kCompany, kCompany, {40, 40, 50},
          W::kTrousers, 0.5, 1,
          {{A::kJacket, kShirt}, {A::kTie, {40, 62, 170}}, {A::kBooks, kBlue}}}},
    {83, {kOliveSkin, kBlackHair, H::kSlick, T::kNone, {}, kCompany, kCompany, {40, 40, 50},
          W::kTrousers, 0.5, 1,
          {{A::kJacket, kShirt}, {A::kTie, kRed}, {A::kGlasses, kFrame}, {A::kBooks, kRed}}}},
    {86, {kTanSkin, kBlackHair, H::kShort, T::kHelmet, {92, 96, 52}, kOlive, kOlive, kOlive,
          W::kTrousers, 1, 1,
          {{A::kBelt, kDarkBrown}, {A::kMoustache, kBlackHair}, {A::kRifle, kDarkGrey}}}},
    {87, {kSunburnt, kBlackHair, H::kShort, T::kHelmet, {62, 82, 48}, {96, 112, 62}, {96, 112, 62},
          {70, 84, 48}, W::kTrousers, 1, 1, {{A::kCamo, {60, 70, 40}}, {A::kRifle, kBlack}}}},
    {112, {kTanSkin, kBlackHair, H::kCrew, T::kHelmet, {232, 232, 226}, {42, 46, 50}, {42, 46, 50},
          {42, 46, 50}, W::kTrousers, 1.2, 1,
          {{A::kBadge, kRed}, {A::kBelt, kYellow}, {A::kTorch, kBlack}}}},
    {113, {kOldSkin, kGreyHair, H::kBald, T::kNone, {}, kLabCoat, kLabCoat, {70, 70, 80}, W::kCoat,
          0.5, 1, {{A::kThickGlasses, kBlack}, {A::kLips, {150, 90, 80}}}}},
    {115, {kOliveSkin, kBlackHair, H::kBun, T::kNone, {}, {34, 32, 42}, {34, 32, 42}, {34, 32, 42},
          W::kSkirt, 0, 1, {{A::kApron, kWhite}, {A::kBooks, {200, 60, 140}}}}},
    {116, {kTanSkin, kBlackHair, H::kShort, T::kToque, kWhite, kShirt, kShirt, {64, 64, 64},
          W::kTrousers, 1.5, 1, {{A::kBigMoustache, kBlackHair}, {A::kLadle, kSteel}}}},
    {117, {kOliveSkin, kBlackHair, H::kCrew, T::kNone, {}, {44, 46, 58}, {44, 46, 58}, {44, 46, 58},
          W::kTrousers, 1.5, 1,
          {{A::kJacket, {172, 192, 222}}, {A::kTie, kNavy}, {A::kEarpiece, kShirt}, {A::kPlaster, kWhite}}}},
    {131, {kLightSkin, kGreyHair, H::kBalding, T::kNone, {}, {152, 132, 102}, {152, 132, 102},
          {152, 132, 102}, W::kTrousers, 0.5, 1,
          {{A::kGlasses, kFrame}, {A::kPipe, kDarkBrown}, {A::kNewspaper, kWhite}}}},
    {132, {kOliveSkin, kDarkHair, H::kLong, T::kNone, {}, {202, 92, 62}, {202, 92, 62}, kJeans,
          W::kTrousers, 0, 1, {{A::kGlasses, kFrame}, {A::kBooks, kBlue}}}},
    {141, {kOliveSkin, kBlackHair, H::kShort, T::kPeaked, kPoliceDark, kPolice, kPolice, kPoliceDark,
          W::kTrousers, 1.5, 1,
          {{A::kBigMoustache, kBlackHair}, {A::kChevrons, kWhite}, {A::kBelt, kBlack}, {A::kPad, kWhite}}}},
    {142, {kTanSkin, kBlackHair, H::kShort, T::kHelmet, kWhite, kPolice, kPolice, kPoliceDark,
          W::kTrousers, 0.8, 1,
          {{A::kHiVis, {232, 232, 64}}, {A::kWhistle, kSteel}, {A::kGloves, kWhite}}}},
    {148, {kOliveSkin, kBlackHair, H::kBob, T::kNone, {}, {232, 142, 162}, {232, 142, 162},
          kSkirtGrey, W::kSkirt, 0, 1, {{A::kCatEye, kRed}, {A::kLips, kRed}}}},
    {149, {kTanSkin, kGreyHair, H::kShort, T::kFlat, {112, 102, 82}, {142, 122, 92}, {142, 122, 92},
          {70, 70, 70}, W::kTrousers, 0.5, 1,
          {{A::kSatchel, {182, 162, 122}}, {A::kNewspaper, kPaper}}}},
    {151, {kOliveSkin, kBlackHair, H::kSlick, T::kNone, {}, {230, 210, 172}, {230, 210, 172},
          kSuitBlack, W::kTrousers, 0.3, 1, {{A::kBowTie, kBlack}, {A::kTray, kWhite}}}},
    {156, {kLightSkin, kDarkHair, H::kShort, T::kBeret, {40, 40, 44}, {92, 112, 72}, kShirt, kKhaki,
          W::kTrousers, 0.5, 1, {{A::kCamera, kBlack}, {A::kGlasses, kFrame}}}},
    {161, {kTanSkin, kGreyHair, H::kShort, T::kScarf, {92, 92, 102}, {42, 38, 52}, {42, 38, 52},
          {42, 38, 52}, W::kRobe, 0.8, 1, {{A::kBags, {204, 184, 132}}}}},
    {163, {kLightSkin, kGreyHair, H::kBalding, T::kNone, {}, {134, 102, 70}, {134, 102, 70},
          {92, 82, 72}, W::kTrousers, 0.8, 1,
          {{A::kJacket, kShirt}, {A::kTie, kDarkGreen}, {A::kBeard, kGreyHair}, {A::kGlasses, kFrame}, {A::kWorried, kDarkHair}}}},
    {165, {kOliveSkin, kBlackHair, H::kShort, T::kNone, {}, {62, 162, 82}, {62, 162, 82},
          {152, 112, 62}, W::kShorts, 0, 0.74, {{A::kKite, kRed}}}},
    {170, {kLightSkin, kDarkHair, H::kBun, T::kNurseCap, kWhite, {244, 244, 248}, {244, 244, 248},
          {244, 244, 248}, W::kSkirt, 0, 1, {{A::kBelt, kNavy}, {A::kPad, kSky}}}},
    {171, {kTanSkin, kBlackHair, H::kShort, T::kNone, {}, kShirt, kShirt, kSuitBlack, W::kTrousers,
          0.5, 1,
          {{A::kWaistcoat, {176, 36, 40}}, {A::kMoustache, kBlackHair}, {A::kBottle, kBrass}}}},
    {180, {kTanSkin, kBlackHair, H::kShort, T::kPeaked, {112, 102, 62}, {172, 152, 102},
          {172, 152, 102}, kOlive, W::kTrousers, 1, 1,
          {{A::kCrossBelt, kDarkBrown}, {A::kBraid, kRed}, {A::kMoustache, kBlackHair}}}},
    {181, {kOliveSkin, kBlackHair, H::kShort, T::kScarf, kWhite, {92, 142, 202}, {92, 142, 202},
          {92, 142, 202}, W::kTrousers, 0, 1, {{A::kClipboard, kWood}}}},
    {182, {kOliveSkin, kBlackHair, H::kCurly, T::kNone, {}, {40, 40, 44}, {40, 40, 44}, {40, 40, 44},
          W::kTrousers, 0.5, 1, {{A::kApron, kWhite}, {A::kTray, {150, 90, 50}}}}},
    {183, {kLightSkin, kDarkHair, H::kShort, T::kNone, {}, {122, 112, 100}, {122, 112, 100},
          {60, 60, 70}, W::kTrousers, 0.5, 1,
          {{A::kJacket, kShirt}, {A::kBadge, kYellow}, {A::kGlasses, kFrame}, {A::kPad, kWhite}}}},
    {188, {kSunburnt, kBlackHair, H::kShort, T::kHelmet, {152, 134, 86}, {176, 156, 106},
          {176, 156, 106}, {150, 132, 90}, W::kTrousers, 1, 1,
          {{A::kBelt, kDarkBrown}, {A::kStubble, kBlackHair}, {A::kRifle, kDarkGrey}}}},
    {189, Worried(kAli)},
    {190, {kTanSkin, kGreyHair, H::kShort, T::kScarf, {202, 182, 222}, {72, 92, 152}, {72, 92, 152},
          {72, 92, 152}, W::kRobe, 0.5, 1, {{A::kBeads, kBrown}}}},
    {192, {kOliveSkin, kBlackHair, H::kPigtails, T::kNone, {}, {222, 62, 62}, {222, 62, 62},
          {222, 62, 62}, W::kSkirt, 0, 0.7, {}}},
};
// clang-format on

void DrawCast(Tile& t, int code) {
  const auto* it = std::find_if(std::begin(kCast), std::end(kCast),
                                [code](const CastLook& c) { return c.code == code; });
  if (it != std::end(kCast)) DrawPerson(t.cr, it->look);
}

constexpr auto kCastEntries = [] {
  std::array<Entry, std::size(kCast)> out{};
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = {kCast[i].code, DrawCast};
  return out;
}();

}  // namespace

std::span<const Entry> CastEntries() { return kCastEntries; }

}  // namespace forge::objects
