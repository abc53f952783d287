// Writing and reading the saved-game file.
#include "savegame/saved_game.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "data/object_names.h"
#include "util/printable.h"

namespace vt {
namespace {

constexpr const char* kEol = "\r\n";
constexpr std::string_view kEndMarker = "---";
constexpr std::string_view kEmptyMark = "*";

std::string StoredName(std::string_view name) {
  std::string stored;
  for (const char c : name) {
    if (c == '\r' || c == '\n') continue;  // a name is one line
    stored += c == ',' ? '*' : c;
  }
  return stored;
}

const char* Flag(bool b) { return b ? "True" : "False"; }

std::string Quoted(std::string_view field) { return "\"" + Printable(field) + "\""; }

// Reads the lines one after another, remembering where a problem lies.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : lines_(SplitLines(text)) {}

  bool Next(std::string_view what, std::string_view& line) {
    if (at_ >= lines_.size()) return Fail(what, "the file ends before it");
    line = lines_[at_++];
    return true;
  }
  bool Number(std::string_view what, int low, int high, int& value) {
    std::string_view line;
    if (!Next(what, line)) return false;
    const bool digits = !line.empty() && line.size() <= 6 &&
                        std::all_of(line.begin() + (line[0] == '-' ? 1 : 0), line.end(),
                                    [](char c) { return c >= '0' && c <= '9'; }) &&
                        line != "-";
    int n = 0;
    if (!digits || std::from_chars(line.data(), line.data() + line.size(), n).ec != std::errc())
      return Fail(what, "not a number: " + Quoted(line));
    if (n < low || n > high)
      return Fail(what, std::to_string(n) + " is outside " + std::to_string(low) + " to " +
                            std::to_string(high));
    value = n;
    return true;
  }
  bool Bool(std::string_view what, bool& value) {
    std::string_view line;
    if (!Next(what, line)) return false;
    if (line != "True" && line != "False")
      return Fail(what, "neither True nor False: " + Quoted(line));
    value = line == "True";
    return true;
  }
  bool Fail(std::string_view what, const std::string& why) {
    problem = "line " + std::to_string(at_ == 0 ? 1 : at_) + " (" + std::string(what) + "): " + why;
    return false;
  }
  std::string problem;

 private:
  std::vector<std::string_view> lines_;
  std::size_t at_ = 0;
};

bool ParseCell(std::string_view line, ChangedCell& cell) {
  if (line.size() != 9 ||
      !std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  auto field = [&](std::size_t at, std::size_t n) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) v = v * 10 + (line[i] - '0');
    return v;
  };
  cell = {field(0, 1), field(1, 2), field(3, 2), field(5, 2), field(7, 2)};
  return cell.district >= 1 && cell.district <= 9 && cell.screenRow >= 1 &&
         cell.screenRow < kCellScreenRows && cell.screenCol >= 1 &&
         cell.screenCol < kCellScreenCols && cell.tileRow >= 1 && cell.tileRow < kTileRows &&
         cell.tileCol >= 1 && cell.tileCol < kTileCols;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string ShownName(std::string_view storedName) {
  // A stray carriage return (a file edited by hand) is dropped, as on writing, so
  // that the name read is the name a save writes back.
  std::string shown;
  for (const char c : storedName)
    if (c != '\r') shown += c == '*' ? ',' : c;
  return shown;
}

SavedGame CaptureSavedGame(const WorldState& w, std::string_view name,
                           std::string_view districtName, std::string_view locationName) {
  SavedGame g;
  g.name = std::string(name);
  g.district = w.District;
  g.screenRow = w.ScreenRow;
  g.screenCol = w.ScreenCol;
  g.heroX = w.HeroX;
  g.heroY = w.HeroY;
  g.facing = w.HeroFacing;
  g.incomingText = w.IncomingText;
  g.districtName = std::string(districtName);
  g.locationName = std::string(locationName);
  g.transNumber = w.TransNumber;
  for (int i = 1; i <= w.InvCount && i < static_cast<int>(w.Inventory.size()); ++i)
    g.inventory.push_back(w.Inventory[static_cast<std::size_t>(i)]);
  g.districtOpen = w.DistrictOpen;
  g.storyFlags = w.StoryFlags;
  g.transmissions = w.Transmissions;
  // A cell line holds a one-digit district: districts 1 to 9.
  for (int d = 1; d <= 9; ++d)
    for (int r = 1; r < kCellScreenRows; ++r)
      for (int c = 1; c < kCellScreenCols; ++c)
        for (int tr = 1; tr < kTileRows; ++tr)
          for (int tc = 1; tc < kTileCols; ++tc)
            if (w.CellChanged[static_cast<std::size_t>(d)][static_cast<std::size_t>(r)]
                             [static_cast<std::size_t>(c)][static_cast<std::size_t>(tr)]
                             [static_cast<std::size_t>(tc)])
              g.cells.push_back({d, r, c, tr, tc});
  return g;
}

std::string FormatSavedGame(const SavedGame& g) {
  std::string out;
  auto line = [&out](std::string_view text) {
    out += text;
    out += kEol;
  };
  auto number = [&line](int n) { line(std::to_string(n)); };
  auto orMark = [](const std::string& s) { return s.empty() ? std::string(kEmptyMark) : s; };
  line(StoredName(g.name));
  number(g.district);
  number(g.screenRow);
  number(g.screenCol);
  number(g.heroX);
  number(g.heroY);
  line(FacingName(g.facing));
  line(orMark(g.incomingText));
  line(g.districtName);
  line(orMark(g.locationName));
  number(g.transNumber);
  number(static_cast<int>(g.inventory.size()));
  for (const int object : g.inventory) number(object);
  for (int i = 1; i <= 7; ++i) line(Flag(g.districtOpen[static_cast<std::size_t>(i)]));
  for (int i = 1; i <= 250; ++i) number(g.storyFlags[static_cast<std::size_t>(i)]);
  for (int i = 1; i <= 10; ++i) line(Flag(g.transmissions[static_cast<std::size_t>(i)]));
  for (const ChangedCell& c : g.cells) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d%02d%02d%02d%02d", c.district, c.screenRow, c.screenCol,
                  c.tileRow, c.tileCol);
    line(buf);
  }
  line(kEndMarker);
  return out;
}

ParsedSave ParseSavedGame(std::string_view text) {
  if (text.size() > kMaxSaveBytes)
    return {std::nullopt, "the file is " + std::to_string(text.size()) + " bytes, too long"};
  LineReader in(text);
  SavedGame g;
  std::string_view line;
  auto fail = [&in] { return ParsedSave{std::nullopt, in.problem}; };
  if (!in.Next("name", line)) return fail();
  g.name = ShownName(line);
  if (!in.Number("district", 1, 9, g.district) || !in.Number("screen row", 1, 10, g.screenRow) ||
      !in.Number("screen column", 1, 10, g.screenCol) ||
      !in.Number("hero x", kHeroMinX, kHeroMaxX, g.heroX) ||
      !in.Number("hero y", kHeroMinY, kHeroMaxY, g.heroY))
    return fail();
  if (!in.Next("facing", line)) return fail();
  const auto facing = FacingFromName(line);
  if (!facing) {
    in.Fail("facing", "not a direction: " + Quoted(line));
    return fail();
  }
  g.facing = *facing;
  if (!in.Next("incoming text", line)) return fail();
  g.incomingText = line == kEmptyMark ? "" : std::string(line);
  if (!in.Next("district name", line)) return fail();
  g.districtName = std::string(line);
  if (!in.Next("place name", line)) return fail();
  g.locationName = line == kEmptyMark ? "" : std::string(line);
  int count = 0;
  if (!in.Number("transmission number", 0, 255, g.transNumber) ||
      !in.Number("inventory count", 0, 40, count))
    return fail();
  for (int i = 0; i < count; ++i) {
    int object = 0;
    if (!in.Number("object", 0, 999, object)) return fail();
    if (ObjectName(object).empty()) {
      in.Fail("object", std::to_string(object) + " is no object");
      return fail();
    }
    if (std::find(g.inventory.begin(), g.inventory.end(), object) != g.inventory.end()) {
      in.Fail("object", std::to_string(object) + " is carried twice");
      return fail();
    }
    g.inventory.push_back(object);
  }
  for (int i = 1; i <= 7; ++i)
    if (!in.Bool("district open", g.districtOpen[static_cast<std::size_t>(i)])) return fail();
  for (int i = 1; i <= 250; ++i) {
    int flag = 0;
    if (!in.Number("story value", 0, 255, flag)) return fail();
    g.storyFlags[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(flag);
  }
  for (int i = 1; i <= 10; ++i)
    if (!in.Bool("report ready", g.transmissions[static_cast<std::size_t>(i)])) return fail();
  while (true) {
    if (!in.Next("changed cell or ---", line)) return fail();
    if (line == kEndMarker) break;
    ChangedCell cell{};
    if (!ParseCell(line, cell)) {
      in.Fail("changed cell", "not a cell of the city: " + Quoted(line));
      return fail();
    }
    g.cells.push_back(cell);
  }
  return {std::move(g), ""};
}

}  // namespace vt
