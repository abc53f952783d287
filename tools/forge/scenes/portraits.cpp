// Speaker portraits "GameNN.dat": one head-and-shoulders picture per speaker
// code, 200 x 150, on the key colour so that the talk window's background
// shows around the figure. Codes 40 to 43 are not people (a letter, the
// narrator's hourglass, the parrot, the cat) and live in portraits_things.cpp.
#include <cstdio>

#include "figures/figures.h"
#include "forge.h"
#include "scenes/portraits_things.h"

namespace forge {

namespace {

using namespace fig;

constexpr int kPortraitW = 200;
constexpr int kPortraitH = 150;
constexpr int kHumanCodes = 40;  // 00 .. 39
constexpr int kAllCodes = 44;    // 00 .. 43

// Skin tones, from the hero's tan to the sunburnt soldier.
constexpr Rgb kTan{196, 146, 108};
constexpr Rgb kOlive{184, 136, 100};
constexpr Rgb kWarm{172, 122, 86};
constexpr Rgb kFair{208, 164, 128};
constexpr Rgb kDeep{150, 102, 70};
constexpr Rgb kBlack{34, 28, 26};
constexpr Rgb kWhiteHair{226, 223, 216};
constexpr Rgb kGrey{150, 146, 140};

// Laid out by hand, a few fields to a line, so each look reads as one block.
// clang-format off
constexpr Person kHero{.skin = kTan, .hair = {48, 36, 30}, .hairStyle = Hair::kSideParted,
                       .glasses = Glasses::kSunglassesUp, .mouth = Mouth::kSmile,
                       .outfit = Outfit::kLinenSuit, .cloth = {226, 214, 184},
                       .cloth2 = {150, 182, 214}, .age = 0.42, .props = kGreyTemples,
                       .iris = {90, 65, 40}};
// clang-format on

constexpr Person Thinking(Person p) {
  p.eyes = Eyes::kHalfClosed;
  p.mouth = Mouth::kNeutral;
  p.brows = Brows::kWorried;
  p.props |= kHandOnChin;
  return p;
}

constexpr Person Captain(Person p) {
  p.hat = Hat::kPeakedCap;
  p.hatColour = {92, 98, 58};
  p.facial = Facial::kStickOn;
  p.glasses = Glasses::kNone;
  p.mouth = Mouth::kNeutral;
  p.brows = Brows::kStern;
  p.outfit = Outfit::kGuardUniform;
  p.cloth = {98, 104, 62};
  p.cloth2 = {176, 166, 124};
  return p;
}

// Laid out by hand, a few fields to a line, so each look reads as one block.
// clang-format off
constexpr Person kCast[kHumanCodes] = {
    kHero,
    Thinking(kHero),
    Captain(kHero),
    // 03 Ali Hassan
    {.skin = kOlive, .hair = kWhiteHair, .hat = Hat::kSkullcap, .hatColour = {236, 228, 208},
     .facial = Facial::kBigMoustache, .mouth = Mouth::kSmile, .outfit = Outfit::kWaistcoat,
     .cloth = {124, 32, 42}, .cloth2 = {232, 226, 210}, .age = 0.72, .width = 1.02,
     .facialColour = {236, 233, 226}},
    // 04 Umm Samir
    {.skin = kWarm, .hair = kBlack, .hat = Hat::kScarf, .hatColour = {36, 32, 36},
     .eyes = Eyes::kNarrow, .mouth = Mouth::kThinSmile, .brows = Brows::kRaised,
     .outfit = Outfit::kRobe, .cloth = {64, 52, 72}, .age = 0.56, .width = 0.95, .build = 0.9,
     .female = true, .iris = {50, 35, 20}},
    // 05 market and street folk
    {.skin = {168, 116, 80}, .hair = {62, 52, 46}, .hat = Hat::kStrawHat,
     .hatColour = {222, 192, 124}, .facial = Facial::kStubble, .mouth = Mouth::kGrin,
     .outfit = Outfit::kRobe, .cloth = {172, 176, 160}, .age = 0.58},
    // 06 Hisham
    {.skin = kFair, .hair = {26, 20, 20}, .hairStyle = Hair::kOiled, .mouth = Mouth::kThinSmile,
     .brows = Brows::kRaised, .outfit = Outfit::kCravat, .cloth = {74, 62, 112},
     .cloth2 = {200, 60, 64}, .age = 0.4, .width = 0.96},
    // 07 Abu-Jasem
    {.skin = kOlive, .hair = {165, 160, 154}, .hairStyle = Hair::kReceding,
     .facial = Facial::kMoustache, .glasses = Glasses::kHalfMoon, .mouth = Mouth::kSmile,
     .outfit = Outfit::kApron, .cloth = {124, 76, 40}, .cloth2 = {204, 192, 164}, .age = 0.68,
     .facialColour = {176, 170, 164}},
    // 08 Master Yaqub
    {.skin = kWarm, .hair = {44, 38, 32}, .hairStyle = Hair::kBald,
     .facial = Facial::kBigMoustache, .mouth = Mouth::kSmile, .brows = Brows::kRaised,
     .outfit = Outfit::kSmock, .cloth = {238, 238, 230}, .age = 0.55, .width = 1.12,
     .build = 1.1},
    // 09 Tawfiq
    {.skin = kFair, .hair = {30, 24, 22}, .hairStyle = Hair::kMessy, .glasses = Glasses::kRound,
     .outfit = Outfit::kJumper, .cloth = {86, 110, 78}, .cloth2 = {230, 226, 212}, .age = 0.22,
     .width = 0.88, .build = 0.85, .props = kCombBehindEar},
    // 10 Salma Hassani
    {.skin = kFair, .hair = {56, 32, 26}, .hairStyle = Hair::kShort, .mouth = Mouth::kSmile,
     .outfit = Outfit::kBlouse, .cloth = {40, 84, 124}, .age = 0.4, .width = 0.94, .build = 0.92,
     .female = true, .props = kPearls | kEarrings},
    // 11 Nadia Hassani
    {.skin = kFair, .hair = {44, 30, 24}, .hairStyle = Hair::kPonytail,
     .brows = Brows::kRaised, .outfit = Outfit::kTShirt, .cloth = {230, 120, 44},
     .cloth2 = {120, 40, 120}, .age = 0.16, .width = 0.9, .build = 0.82, .female = true,
     .props = kHeadphones},
    // 12 Fadi Hassani
    {.skin = kFair, .hair = {36, 26, 22}, .hairStyle = Hair::kMessy, .mouth = Mouth::kGapTooth,
     .brows = Brows::kRaised, .outfit = Outfit::kTShirt, .cloth = {60, 120, 200},
     .cloth2 = {230, 60, 60}, .age = 0.05},
    // 13 Judge Hassani
    {.skin = kOlive, .hair = {204, 202, 196}, .hat = Hat::kFez, .hatColour = {160, 30, 36},
     .facial = Facial::kMoustache, .glasses = Glasses::kRound, .mouth = Mouth::kFrown,
     .brows = Brows::kStern, .outfit = Outfit::kSuit, .cloth = {62, 62, 68},
     .cloth2 = {112, 40, 52}, .age = 0.86, .props = kNewspaper,
     .facialColour = {214, 212, 204}},
    // 14 Adnan Kharrazi
    {.skin = kOlive, .hair = {32, 28, 26}, .hairStyle = Hair::kReceding,
     .facial = Facial::kMoustache, .mouth = Mouth::kThinSmile, .outfit = Outfit::kSuit,
     .cloth = {72, 72, 84}, .cloth2 = {150, 30, 40}, .age = 0.55, .width = 1.2, .build = 1.25,
     .props = kMedals},
    // 15 soldier
    {.skin = {206, 128, 98}, .hair = {40, 32, 26}, .hairStyle = Hair::kCropped,
     .hat = Hat::kHelmet, .hatColour = {96, 100, 62}, .facial = Facial::kStubble,
     .brows = Brows::kStern, .outfit = Outfit::kSoldier, .cloth = {124, 118, 78}, .age = 0.24,
     .props = kRifle},
    // 16 Sergeant Kamal
    {.skin = kWarm, .hair = {30, 26, 24}, .hat = Hat::kPeakedCap, .hatColour = {40, 50, 92},
     .facial = Facial::kMoustache, .brows = Brows::kStern, .outfit = Outfit::kPolice,
     .cloth = {72, 92, 134}, .age = 0.46, .width = 1.05},
    // 17 Jamil
    {.skin = kFair, .hair = {70, 64, 58}, .hairStyle = Hair::kSideParted, .eyes = Eyes::kNarrow,
     .brows = Brows::kRaised, .outfit = Outfit::kTailcoat, .cloth = {30, 30, 36}, .age = 0.56,
     .width = 0.92, .props = kWhiteGloves},
    // 18 Hakim
    {.skin = kDeep, .hair = {22, 20, 20}, .hairStyle = Hair::kCropped, .mouth = Mouth::kFrown,
     .brows = Brows::kStern, .outfit = Outfit::kSuit, .cloth = {32, 34, 40}, .cloth2 = {32, 34, 40},
     .age = 0.36, .width = 1.1, .build = 1.2, .props = kEarpiece | kBrokenNose},
    // 19 General Jaber Tawil
    {.skin = kOlive, .hair = {30, 28, 26}, .hat = Hat::kPeakedCap, .hatColour = {86, 92, 54},
     .facial = Facial::kMoustache, .glasses = Glasses::kSunglasses, .mouth = Mouth::kThinSmile,
     .outfit = Outfit::kBraidedUniform, .cloth = {94, 100, 58}, .cloth2 = {180, 170, 128},
     .age = 0.6, .width = 1.08, .build = 1.08, .props = kMedals},
    // 20 Mahmoud and hotel folk
    {.skin = kWarm, .hair = {30, 26, 24}, .hat = Hat::kFez, .hatColour = {176, 36, 44},
     .facial = Facial::kMoustache, .mouth = Mouth::kSmile, .brows = Brows::kRaised,
     .outfit = Outfit::kDinnerJacket, .cloth = {120, 32, 44}, .cloth2 = {28, 26, 32}, .age = 0.36},
    // 21 Abed
    {.skin = kOlive, .hair = {34, 28, 24}, .hat = Hat::kCapAskew, .hatColour = {92, 84, 72},
     .facial = Facial::kStubble, .eyes = Eyes::kSleepy, .mouth = Mouth::kThinSmile,
     .outfit = Outfit::kWornJacket, .cloth = {72, 78, 96}, .cloth2 = {204, 194, 172},
     .age = 0.32, .props = kGlassInHand},
    // 22 factory folk
    {.skin = kDeep, .hair = {58, 54, 50}, .hairStyle = Hair::kCropped, .facial = Facial::kStubble,
     .eyes = Eyes::kSleepy, .outfit = Outfit::kOveralls, .cloth = {62, 82, 132},
     .cloth2 = {174, 164, 142}, .age = 0.46},
    // 23 Penurious folk
    {.skin = kWarm, .hair = kGrey, .facial = Facial::kBeard, .mouth = Mouth::kSmile,
     .brows = Brows::kWorried, .outfit = Outfit::kWornJacket, .cloth = {122, 96, 64},
     .cloth2 = {216, 206, 182}, .age = 0.62, .facialColour = {160, 156, 150}},
    // 24 Old Yunus
    {.skin = {160, 108, 72}, .hair = kWhiteHair, .hat = Hat::kStrawHat,
     .hatColour = {178, 148, 96}, .facial = Facial::kStubble, .eyes = Eyes::kNarrow,
     .mouth = Mouth::kNeutral, .outfit = Outfit::kJumper, .cloth = {50, 62, 96},
     .cloth2 = {210, 204, 190}, .age = 0.84, .props = kPipe, .iris = {60, 90, 110}},
    // 25 park folk
    {.skin = kFair, .hair = {52, 40, 34}, .facial = Facial::kMoustache, .mouth = Mouth::kSmile,
     .outfit = Outfit::kSummerShirt, .cloth = {72, 142, 184}, .cloth2 = {244, 240, 232},
     .age = 0.38, .width = 1.04},
    // 26 Hajj Mustafa
    {.skin = kWarm, .hair = kWhiteHair, .hat = Hat::kPeakedCap, .hatColour = {112, 114, 118},
     .facial = Facial::kBeard, .mouth = Mouth::kSmile, .outfit = Outfit::kPorter,
     .cloth = {122, 124, 128}, .age = 0.74, .props = kPrayerBeads,
     .facialColour = {228, 226, 220}},
    // 27 Karim and students
    {.skin = kOlive, .hair = {44, 30, 22}, .hairStyle = Hair::kCurly, .mouth = Mouth::kOpen,
     .brows = Brows::kRaised, .outfit = Outfit::kJumper, .cloth = {184, 142, 62},
     .cloth2 = {236, 236, 230}, .age = 0.2, .width = 0.94, .props = kSatchel},
    // 28 Hana
    {.skin = kFair, .hair = {34, 24, 20}, .hairStyle = Hair::kPonytail,
     .outfit = Outfit::kWhiteCoat, .cloth = {240, 240, 236}, .age = 0.28, .width = 0.92,
     .build = 0.9, .female = true, .props = kClipboard},
    // 29 Fawzi
    {.skin = kDeep, .hair = {26, 22, 22}, .hairStyle = Hair::kCropped, .facial = Facial::kStubble,
     .mouth = Mouth::kFrown, .brows = Brows::kStern, .outfit = Outfit::kPolice,
     .cloth = {108, 98, 72}, .age = 0.4, .width = 1.22, .build = 1.32},
    // 30 Leila (and Amal)
    {.skin = kOlive, .hair = {58, 32, 28}, .hairStyle = Hair::kShort, .glasses = Glasses::kCatEye,
     .mouth = Mouth::kSmile, .outfit = Outfit::kBlouse, .cloth = {204, 92, 122}, .age = 0.34,
     .width = 0.94, .build = 0.9, .female = true, .props = kEarrings},
    // 31 Prof. Tariq Saidi
    {.skin = kFair, .hair = {142, 140, 136}, .hairStyle = Hair::kReceding,
     .facial = Facial::kBeard, .mouth = Mouth::kFrown, .brows = Brows::kWorried,
     .outfit = Outfit::kTweed, .cloth = {128, 98, 62}, .cloth2 = {64, 84, 54}, .age = 0.56,
     .facialColour = {158, 156, 152}},
    // 32 Prof. Ahmed Phatami
    {.skin = {198, 160, 126}, .hair = {150, 146, 140}, .hairStyle = Hair::kBald,
     .glasses = Glasses::kThick, .mouth = Mouth::kThinSmile, .brows = Brows::kStern,
     .outfit = Outfit::kWhiteCoat, .cloth = {242, 242, 238}, .cloth2 = {50, 50, 62}, .age = 0.66,
     .width = 0.95},
    // 33 club staff
    {.skin = kDeep, .hair = {30, 26, 24}, .hairStyle = Hair::kBald, .brows = Brows::kStern,
     .outfit = Outfit::kDinnerJacket, .cloth = {28, 28, 34}, .cloth2 = {160, 30, 40}, .age = 0.4,
     .width = 1.16, .build = 1.36, .props = kEarrings},
    // 34 Yasmina
    {.skin = kOlive, .hair = {52, 34, 30}, .hairStyle = Hair::kLongCurls, .mouth = Mouth::kSmile,
     .outfit = Outfit::kSequins, .cloth = {152, 30, 84}, .age = 0.3, .width = 0.93, .build = 0.9,
     .female = true, .props = kEarrings, .iris = {60, 40, 20}},
    // 35 Colonel Rashid
    {.skin = kWarm, .hair = {54, 48, 42}, .hairStyle = Hair::kShort, .facial = Facial::kMoustache,
     .brows = Brows::kStern, .outfit = Outfit::kShirtSleeves, .cloth = {226, 220, 200},
     .cloth2 = {132, 40, 40}, .age = 0.55, .width = 1.1, .build = 1.1, .props = kCigar},
    // 36 Islamia Oil staff
    {.skin = kFair, .hair = {40, 32, 28}, .hairStyle = Hair::kSideParted, .mouth = Mouth::kSmile,
     .outfit = Outfit::kBlazer, .cloth = {32, 62, 112}, .cloth2 = {200, 160, 44}, .age = 0.3},
    // 37 the taxi driver
    {.skin = kWarm, .hair = {40, 34, 30}, .hat = Hat::kFlatCap, .hatColour = {104, 102, 96},
     .facial = Facial::kMoustache, .eyes = Eyes::kNarrow, .outfit = Outfit::kJumper,
     .cloth = {142, 62, 42}, .cloth2 = {214, 206, 190}, .age = 0.42},
    // 38 Zainab Hassan
    {.skin = kOlive, .hair = kGrey, .hat = Hat::kHeadscarf, .hatColour = {150, 122, 162},
     .mouth = Mouth::kSmile, .outfit = Outfit::kRobe, .cloth = {82, 102, 122}, .age = 0.66,
     .width = 0.96, .build = 0.9, .female = true},
    Thinking(Captain(kHero)),
};
// clang-format on

std::string PortraitName(int code) {
  char name[16];
  std::snprintf(name, sizeof name, "Game%02d.dat", code);
  return name;
}

}  // namespace

const Person& fig::CastPerson(int code) {
  return kCast[(code >= 0 && code < kHumanCodes) ? code : 0];
}

void ForgePortraits(Output& out) {
  for (int code = 0; code < kAllCodes; ++code) {
    Picture pic(kPortraitW, kPortraitH);
    if (code < kHumanCodes) {
      // A little larger than the figure's own frame: the head fills the
      // picture's height and the hats still clear the top edge.
      cairo_t* cr = pic.cr();
      cairo_save(cr);
      cairo_translate(cr, 100, 2);
      cairo_scale(cr, 1.15, 1.15);
      cairo_translate(cr, -100, -6);
      DrawPerson(cr, kCast[code], static_cast<std::uint32_t>(code) + 1);
      cairo_restore(cr);
    } else {
      DrawPortraitThing(pic.cr(), code);
    }
    FinishKeyed(pic);
    out.Save(pic, PortraitName(code));
  }
}

std::vector<PictureSpec> PortraitManifest() {
  std::vector<PictureSpec> all;
  for (int code = 0; code < kAllCodes; ++code)
    all.push_back({PortraitName(code), kPortraitW, kPortraitH, true});
  return all;
}

}  // namespace forge
