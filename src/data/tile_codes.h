// The tile codes, conversations and story values the interaction script and the
// walking rules test by number, under names. The district files and the
// conversation script use the numbers; the code uses these names.
#pragma once

#include <array>

namespace vt {

// Background codes that start something when the hero acts on them.
namespace back {
inline constexpr int kOpenPassage = 24;     // the open bookcase or wall: dark steps
inline constexpr int kBookcase = 32;        // Ali Hassan's bookcase, closed
inline constexpr int kSmugglersWall = 108;  // the west wall of the sealed quarter's room
inline constexpr int kUnitFirst = 77;       // the communication unit, 77 to 81
inline constexpr int kUnitLast = 81;
inline constexpr int kCar = 48;  // the car (its rear half is 99)
inline constexpr int kCarRear = 99;
inline constexpr int kMirror = 168;
inline constexpr std::array kPortraits = {128, 136, 144, 152, 160};
inline constexpr std::array kWindows = {111, 112, 113, 114, 123, 124};
inline constexpr std::array kShelves = {33, 34, 89};
inline constexpr std::array kTaxi = {180, 181};
}  // namespace back

// Where the passages are: the bookcase's cell on its screen, the wall's cell.
inline constexpr int kBookcaseRow = 3;
inline constexpr int kBookcaseCol = 17;
inline constexpr int kBookcaseScreenRow = 2;
inline constexpr int kBookcaseScreenCol = 3;
inline constexpr int kWallRow = 6;
inline constexpr int kWallCol = 1;

// Front codes with an after-effect on the story.
namespace front {
inline constexpr int kJamil = 26;   // once met, talking to him again sends the hero to Hakim
inline constexpr int kLeila = 148;  // after her, the intercom to Saidi's office answers
}  // namespace front

// Conversations the game opens by itself.
namespace talk {
inline constexpr int kBriefing = 242;  // a new game
inline constexpr int kShelves = 243;
inline constexpr int kWindows = 244;
inline constexpr int kDisguise = 245;   // the sealed quarter after the last reply
inline constexpr int kNoWayBack = 246;  // the sealed quarter's story gates
inline constexpr int kTaxi = 247;       // the escape
inline constexpr int kMirror = 248;
inline constexpr int kPortraits = 249;
inline constexpr int kWayOut = 250;  // the edge of a district
inline constexpr int kSmugglersWall = 187;
}  // namespace talk

// Story values (indices of StoryFlags) the game itself reads or sets.
namespace story {
inline constexpr int kSealedQuarter = 189;  // 2: the last reply received, the escape on
inline constexpr int kJamilMet = 26;
inline constexpr int kToHakim = 117;
inline constexpr int kLeilaMet = 140;
}  // namespace story

// The sealed quarter: district 8, the home district emptied and guarded.
inline constexpr int kSealedDistrict = 8;

template <std::size_t N>
constexpr bool OneOf(int code, const std::array<int, N>& codes) {
  for (int c : codes)
    if (c == code) return true;
  return false;
}

}  // namespace vt
