// The district file reader: a district's sign and switch records, its size in tiles and the
// tiles of one screen, read from "Strategy0<n>.dat" with the field reader.
//
// Fields in order: the sign count, that many sign records, the switch count, that many switch
// records, the district height and width in tiles, then screen records of 26 fields each: the
// screen row, the screen column, 12 background lines and 12 foreground lines. A tile line holds
// 20 tile numbers of 3 characters each, 999 meaning no tile.
//
// A damaged file never stops the game: what can be read is kept, everything else is left
// empty (no records, tile 999), and each problem comes back as one "FILE:LINE: ..." line for
// the caller to print. Tile numbers that would reach outside a tile strip become 999, so the
// drawing code never has to check them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/world_state.h"

namespace vt {

inline constexpr int kMaxDistrictRecords = 200;  // per list; SignList and SwitchList hold 200
inline constexpr std::int16_t kNoTile = 999;
inline constexpr int kBackTileCount = 192;   // tiles on the background strip
inline constexpr int kFrontTileCount = 194;  // tiles on the foreground strip
inline constexpr int kTileLineWidth = 3 * (kTileCols - 1);

// "Strategy0" + the district number + ".dat", as the game names the files.
std::string DistrictFileName(int district);

// The sign and switch records as kept: at most 200 of each.
struct DistrictLists {
  std::vector<std::string> signs;
  std::vector<std::string> switches;
};

struct DistrictScreen {
  std::int16_t height = 0;  // tiles; 0 when missing or unreadable
  std::int16_t width = 0;
  TileGrid back = EmptyGrid();  // [tile row 1..12][tile column 1..20]; unused index 0 is 999
  TileGrid front = EmptyGrid();
  bool found = false;  // the screen's record was in the file (perhaps cut short)

  static TileGrid EmptyGrid();
};

struct [[nodiscard]] DistrictListsResult {
  DistrictLists lists;
  std::vector<std::string> problems;
};

struct [[nodiscard]] DistrictScreenResult {
  DistrictLists lists;
  DistrictScreen screen;
  std::vector<std::string> problems;
};

// The sign and switch lists only (what a new game and the late re-reading need).
DistrictListsResult ReadDistrictLists(const std::string& path);
// The lists, the district size and the tiles of screen (screenRow, screenCol).
DistrictScreenResult ReadDistrictScreen(const std::string& path, int screenRow, int screenCol);

// Stores the lists the way the game keeps them: entries 1..200 "0", then the records read
// from entry 1 on, and the counts of records kept.
void ApplyDistrictLists(WorldState& world, const DistrictLists& lists);
// Stores the district size and the screen's tiles.
void ApplyDistrictScreen(WorldState& world, const DistrictScreen& screen);

}  // namespace vt
