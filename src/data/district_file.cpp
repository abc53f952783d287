// Reading the district file: the record lists, the district size and one screen's tiles.
#include "data/district_file.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "data/field_reader.h"
#include "util/printable.h"

namespace vt {
namespace {

// Walks the file field by field and collects problems. Once the file has ended, every further
// read fails quietly: a cut-off file is one problem, not one per missing field.
class DistrictParser {
 public:
  DistrictParser(FieldReader& reader, std::vector<std::string>& problems)
      : reader_(reader), problems_(problems) {}

  // The next field; at the end of the file reports once what was still expected.
  std::optional<std::string> Field(const std::string& expected) {
    if (ended_) return std::nullopt;
    auto field = reader_.Next();
    if (!field) {
      ended_ = true;
      Report("the file ends early: " + expected + " is missing; what came before is kept");
    }
    return field;
  }

  // At the line of the field just read, or at `line`.
  void Report(const std::string& what, int line = 0) {
    problems_.push_back(reader_.Path() + ":" + std::to_string(line ? line : reader_.Line()) + ": " +
                        what);
  }
  bool Ended() const { return ended_; }
  FieldReader& Reader() { return reader_; }

  // A record count: its whole part, or 0 when unreadable or negative.
  long Count(const std::string& name) {
    const auto field = Field("the " + name + " count");
    if (!field) return 0;
    const auto value = WholeNumber(*field);
    if (!value) {
      Report("the " + name + " count \"" + Printable(*field) + "\" is not a number; read as 0");
      return 0;
    }
    if (*value < 0) {
      Report("the " + name + " count " + std::to_string(*value) + " is negative; read as 0");
      return 0;
    }
    return *value;
  }

  // `count` records, all read so the fields after them stay in place, at most 200 kept.
  std::vector<std::string> Records(const std::string& name, long count) {
    std::vector<std::string> kept;
    if (count > kMaxDistrictRecords) {
      Report("the " + name + " count " + std::to_string(count) + " is more than " +
             std::to_string(kMaxDistrictRecords) + "; only the first " +
             std::to_string(kMaxDistrictRecords) + " records are kept");
    }
    for (long i = 1; i <= count; ++i) {
      auto record = Field(name + " record " + std::to_string(i) + " of " + std::to_string(count));
      if (!record) break;
      if (i <= kMaxDistrictRecords) kept.push_back(std::move(*record));
    }
    return kept;
  }

  // The district height or width: 0 when unreadable or outside 1..32767.
  std::int16_t Dimension(const std::string& name) {
    const auto field = Field("the district " + name);
    if (!field) return 0;
    const auto value = WholeNumber(*field);
    if (!value || *value < 1 || *value > INT16_MAX) {
      Report("the district " + name + " \"" + Printable(*field) +
             "\" is not a size in tiles; read as 0");
      return 0;
    }
    return static_cast<std::int16_t>(*value);
  }

 private:
  FieldReader& reader_;
  std::vector<std::string>& problems_;
  bool ended_ = false;
};

DistrictLists ReadLists(DistrictParser& parser) {
  DistrictLists lists;
  lists.signs = parser.Records("sign", parser.Count("sign"));
  lists.switches = parser.Records("switch", parser.Count("switch"));
  return lists;
}

// Column `col` (1..20) of a tile line: its tile number, or 999 with the reason in `why`.
std::int16_t TileAt(std::string_view line, int col, int tileCount, std::string& why) {
  const std::string_view group = line.substr(3 * static_cast<std::size_t>(col - 1), 3);
  const auto value = WholeNumber(group);
  if (!value) {
    why = "column " + std::to_string(col) + " \"" + Printable(group) + "\" is not a tile number";
    return kNoTile;
  }
  if (*value == kNoTile) return kNoTile;
  if (*value < 0 || *value >= tileCount) {
    why = "column " + std::to_string(col) + " tile " + std::to_string(*value) +
          " is not on the strip (0 to " + std::to_string(tileCount - 1) + ")";
    return kNoTile;
  }
  return static_cast<std::int16_t>(*value);
}

// Fills one tile row from one line; one problem per damaged line, naming every bad column.
void ReadTileLine(DistrictParser& parser, TileGrid& grid, int row, bool background) {
  const std::string name =
      std::string(background ? "background" : "foreground") + " line " + std::to_string(row);
  const auto line = parser.Field(name + " of the screen");
  if (!line) return;
  const int tileCount = background ? kBackTileCount : kFrontTileCount;
  const int whole = static_cast<int>(std::min<std::size_t>(line->size() / 3, kTileCols - 1));
  std::vector<std::string> faults;
  for (int col = 1; col <= whole; ++col) {
    std::string why;
    grid[row][col] = TileAt(*line, col, tileCount, why);
    if (!why.empty()) faults.push_back(std::move(why));
  }
  if (whole < kTileCols - 1) {
    const std::string missing =
        whole == kTileCols - 2 ? "column 20" : "columns " + std::to_string(whole + 1) + " to 20";
    faults.push_back("only " + std::to_string(line->size()) + " of " +
                     std::to_string(kTileLineWidth) + " characters, " + missing + " missing");
  } else if (line->find_first_not_of(" \t", kTileLineWidth) != std::string::npos) {
    faults.push_back("characters after column 20 ignored");
  }
  if (faults.empty()) return;
  std::string message = name + ": ";
  for (std::size_t i = 0; i < faults.size(); ++i) message += (i ? "; " : "") + faults[i];
  parser.Report(message + " (left without a tile)");
}

// Searches the screen records for (screenRow, screenCol) and reads its tiles.
void ReadScreen(DistrictParser& parser, DistrictScreen& screen, int screenRow, int screenCol) {
  const std::string wanted =
      "screen row " + std::to_string(screenRow) + ", column " + std::to_string(screenCol);
  constexpr int kLinesPerRecord = 2 * (kTileRows - 1);
  while (!parser.Ended() && !parser.Reader().OnlyBlanksLeft()) {
    const auto rowField = parser.Field("a screen record's row");
    const int recordLine = parser.Reader().Line();
    const auto colField = parser.Field("a screen record's column");
    if (!rowField || !colField) break;
    const std::string begun = "the screen record begun on line " + std::to_string(recordLine);
    const auto row = WholeNumber(*rowField);
    const auto col = WholeNumber(*colField);
    if (!row || !col) {
      parser.Report(begun + " starts \"" + Printable(*rowField) + "\", \"" + Printable(*colField) +
                        "\", not a screen row and column; record skipped",
                    recordLine);
    }
    if (row == screenRow && col == screenCol) {
      screen.found = true;
      for (int r = 1; r < kTileRows; ++r) ReadTileLine(parser, screen.back, r, true);
      for (int r = 1; r < kTileRows; ++r) ReadTileLine(parser, screen.front, r, false);
      return;
    }
    for (int i = 0; i < kLinesPerRecord; ++i) {
      if (!parser.Field("part of " + begun)) break;
    }
  }
  if (parser.Ended()) return;  // the cut-off has been reported; no second word for it
  parser.Report("no record for " + wanted + " up to the end of the file; the screen is left empty");
}

}  // namespace

std::string DistrictFileName(int district) {
  return "Strategy0" + std::to_string(district) + ".dat";
}

TileGrid DistrictScreen::EmptyGrid() {
  TileGrid grid;
  for (auto& row : grid) row.fill(kNoTile);
  return grid;
}

namespace {

// The file's reader, or nothing with the reason added to `problems`.
std::optional<FieldReader> OpenReporting(const std::string& path,
                                         std::vector<std::string>& problems) {
  std::string error;
  auto reader = FieldReader::Open(path, &error);
  if (!reader) problems.push_back(error);
  return reader;
}

}  // namespace

DistrictListsResult ReadDistrictLists(const std::string& path) {
  DistrictListsResult result;
  auto reader = OpenReporting(path, result.problems);
  if (!reader) return result;
  DistrictParser parser(*reader, result.problems);
  result.lists = ReadLists(parser);
  return result;
}

DistrictScreenResult ReadDistrictScreen(const std::string& path, int screenRow, int screenCol) {
  DistrictScreenResult result;
  auto reader = OpenReporting(path, result.problems);
  if (!reader) return result;
  DistrictParser parser(*reader, result.problems);
  result.lists = ReadLists(parser);
  result.screen.height = parser.Dimension("height");
  result.screen.width = parser.Dimension("width");
  ReadScreen(parser, result.screen, screenRow, screenCol);
  return result;
}

void ApplyDistrictLists(WorldState& world, const DistrictLists& lists) {
  auto store = [](std::array<std::string, kListSize>& list, const std::vector<std::string>& from) {
    std::fill(list.begin() + 1, list.end(), std::string("0"));
    const std::size_t kept = std::min<std::size_t>(from.size(), kListSize - 1);
    std::copy_n(from.begin(), kept, list.begin() + 1);
    return static_cast<std::int16_t>(kept);
  };
  world.SignCount = store(world.SignList, lists.signs);
  world.SwitchCount = store(world.SwitchList, lists.switches);
}

void ApplyDistrictScreen(WorldState& world, const DistrictScreen& screen) {
  world.DistrictHeight = screen.height;
  world.DistrictWidth = screen.width;
  world.BackTiles = screen.back;
  world.FrontTiles = screen.front;
}

}  // namespace vt
