// This folder compiles, checks and maps the districts; README.md here says which file holds
// which step.
//
// The districts: readable sources in content/districts/ (d1.txt .. d8.txt and the shared
// legend.txt) compiled into the game's district files Strategy01.dat .. Strategy08.dat, and the
// checker that reads those files back and tests what the hero will meet in them.
//
// The source format is described in content/districts/README.md. The compiled file is the
// comma-and-line text the game reads: the sign count and records (quoted, so that commas in
// the texts survive), the switch count and records, the height and width in tiles, then one
// record per screen: "ROW,COL" and 24 tile lines of 60 digits (12 background, 12 objects).
#pragma once

#include <array>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace forge {

inline constexpr int kScreenTileRows = 12;
inline constexpr int kScreenTileCols = 20;
inline constexpr int kDistrictCount = 8;
inline constexpr int kNone = 999;

using TileRows = std::array<std::array<int, kScreenTileCols>, kScreenTileRows>;  // [row-1][col-1]

struct ScreenTiles {
  TileRows back{};
  TileRows front{};
};

// One district as the game sees it.
struct DistrictModel {
  int height = 0;  // tiles
  int width = 0;
  std::vector<std::string> signs;                      // record texts as the game reads them
  std::vector<std::string> switches;                   // 28-digit records
  std::map<std::pair<int, int>, ScreenTiles> screens;  // by (screen row, screen column)

  int ScreenRows() const { return height / kScreenTileRows; }
  int ScreenCols() const { return width / kScreenTileCols; }
};

// "d1.txt", "Strategy01.dat".
std::string DistrictSourceName(int district);
std::string DistrictDataName(int district);

// The symbols of both layers: symbol -> tile code.
struct Legend {
  std::map<std::string, int> back;
  std::map<std::string, int> front;
};

// Reads legend lines ("back SYM CODE", "obj SYM CODE", comments) into `legend`; each problem
// is one "NAME:LINE: ..." entry of `errors`.
void ReadLegendSource(const std::string& text, const std::string& name, Legend& legend,
                      std::vector<std::string>& errors);

// A compiled source: the district, and the source line of each sign and switch record so
// that later findings about a record can point at its line.
struct CompiledDistrict {
  DistrictModel model;
  std::vector<int> signLines;
  std::vector<int> switchLines;
};

// Compiles one district source starting from the shared legend. Nullopt when the source has
// errors, all of them in `errors` as "NAME:LINE: ...".
std::optional<CompiledDistrict> CompileDistrictSource(const std::string& text,
                                                      const std::string& name, const Legend& shared,
                                                      std::vector<std::string>& errors);

// The district file's text; the same model always gives the same bytes.
std::string DistrictFileText(const DistrictModel& model);

// Reads a compiled district file completely; every fault of its form (counts, missing or
// duplicate screen records, tile lines that are not 20 codes of 3 digits, codes off their
// strip) is one "FILE:LINE: ..." entry of `problems`. Nullopt when the file cannot be read.
std::optional<DistrictModel> ReadDistrictModel(const std::string& path,
                                               std::vector<std::string>& problems);

// One finding of the checker; `sign` / `switchRecord` give the record's index (from 0) when
// the finding is about a record, else -1.
struct Finding {
  std::string text;
  int sign = -1;
  int switchRecord = -1;
};

// What the hero meets in district n: the car and the arrival point (districts 1-7), the
// cells the sign and switch records point at, and the doors. `gameDir` (may be empty) is
// where kind-3 sign pictures are looked up.
std::vector<Finding> CheckDistrictModel(const DistrictModel& model, int district,
                                        const std::string& gameDir);

// Where the hero can walk: a flood fill over free cells (doors counted as open) from the
// arrival point, across screen edges. Notes, not faults (events in the game move people and open
// barriers): the signs, switches, people and objects he can never stand in front of.
std::vector<Finding> ReachNotes(const DistrictModel& model, int district);

// Door objects: the codes a switch or a script's door line may open (88-95, 104-111).
bool IsDoor(int code);

// True when the hero may stand in cell (tr, tc): on the screen, and neither its background
// nor its object blocks him.
bool Walkable(const ScreenTiles& screen, int tr, int tc);
// The cells (tile row, tile column) the hero's picture covers standing at (x, y) with the
// given facing: 20 x 31 pixels sideways, 31 x 20 upright.
std::vector<std::pair<int, int>> HeroCells(int x, int y, const std::string& facing);

// The conversation numbers a district's objects start: every conversation object and every
// pick-up code placed in it.
std::set<int> ConversationNumbers(const DistrictModel& model);

// `forge --district-source FILE N GAME_DIR`: one source (a draft under any name, with the
// legend.txt of its folder) compiled into district n's file of the game folder.
class Output;
void ForgeOneDistrict(const std::string& source, int district, Output& out);

// `forge --check GAME_DIR`: checks every district file present, prints the findings and the
// conversation numbers per district; returns the number of problems.
int RunDistrictCheck(const std::string& gameDir, std::ostream& report);

// `forge --district-map N FILE.png GAME_DIR`: every screen of district n side by side.
bool WriteDistrictMap(int district, const std::string& pngPath, const std::string& gameDir,
                      std::string* error);

}  // namespace forge
