// The saved-game file: one value per line, CR LF after every line, in a fixed
// order that other builds of the game read and write too.
//
//   name (',' stored as '*'), District, ScreenRow, ScreenCol, HeroX, HeroY,
//   HeroFacing, IncomingText ("*" when empty), district name, place name
//   ("*" when empty), TransNumber, InvCount n, n object numbers,
//   DistrictOpen 1-7, StoryFlags 1-250, Transmissions 1-10 ("True"/"False"),
//   a nine-digit line per changed cell (district, screen row, screen column,
//   tile row, tile column), "---".
//
// Reading checks everything a line can be checked for on its own; whether the
// screen lies inside its district is for the caller, who knows the districts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "world/vocabulary.h"
#include "world/world_state.h"

namespace vt {

struct ChangedCell {
  int district;
  int screenRow;
  int screenCol;
  int tileRow;
  int tileCol;
  bool operator==(const ChangedCell&) const = default;
};

struct SavedGame {
  std::string name;  // as the player typed it
  int district = 1;
  int screenRow = 1;
  int screenCol = 1;
  int heroX = 0;
  int heroY = 0;
  Facing facing = Facing::Up;
  std::string incomingText;
  std::string districtName;
  std::string locationName;
  int transNumber = 0;
  std::vector<int> inventory;
  std::array<bool, 8> districtOpen{};          // 1-7
  std::array<std::uint8_t, 251> storyFlags{};  // 1-250
  std::array<bool, 11> transmissions{};        // 1-10
  std::vector<ChangedCell> cells;              // in file order
  bool operator==(const SavedGame&) const = default;
};

// The hero stands inside the play area, or a few pixels past its top or left border:
// he arrives on a screen at 1, and turning between lying and standing shifts him by 6.
inline constexpr int kHeroMinX = -10;
inline constexpr int kHeroMinY = -10;
inline constexpr int kHeroMaxX = 570;
inline constexpr int kHeroMaxY = 330;
// The largest slot file the game reads (every cell of the nine districts changed
// would still fit).
inline constexpr std::size_t kMaxSaveBytes = 4u << 20;

// The running game as a save: the world's saved values and the bar's captions.
SavedGame CaptureSavedGame(const WorldState& w, std::string_view name,
                           std::string_view districtName, std::string_view locationName);

// The file's bytes.
std::string FormatSavedGame(const SavedGame& game);

struct [[nodiscard]] ParsedSave {
  std::optional<SavedGame> game;
  std::string problem;  // why not, naming the line
};
ParsedSave ParseSavedGame(std::string_view text);

// The first line of a slot file as the player reads it ('*' back to ','), and
// the whole line list split at CR LF (a lone LF is accepted too).
std::string ShownName(std::string_view storedName);
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace vt
