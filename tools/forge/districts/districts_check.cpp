// The district checker: reads a compiled district file back in full and tests what the hero
// will meet in it: the car, the arrival point, the signs, the switches and their doors.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

#include "data/district_file.h"
#include "data/field_reader.h"
#include "data/places.h"
#include "data/tile_classes.h"
#include "districts/districts.h"
#include "world/world_state.h"

namespace forge {
namespace {

bool AllDigits(const std::string& s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string ScreenName(int r, int c) {
  return "screen [" + std::to_string(r) + "," + std::to_string(c) + "]";
}

std::string CellName(int r, int c, int tr, int tc) {
  return ScreenName(r, c) + " cell (" + std::to_string(tr) + "," + std::to_string(tc) + ")";
}

bool OnScreen(int tr, int tc) { return tr >= 1 && tr <= 12 && tc >= 1 && tc <= 20; }

bool IsSwitch(int code) { return code == 96 || code == 99 || code == 100 || code == 102; }

// Background codes that start something when the hero acts on them.
bool IsBackgroundAction(int code) {
  return code == 32 || code == 33 || code == 34 || code == 48 || code == 89 || code == 99 ||
         code == 108 || (code >= 77 && code <= 81) || code == 180 || code == 181 || code == 128 ||
         code == 136 || code == 144 || code == 152 || code == 160 || code == 168 ||
         (code >= 111 && code <= 114) || code == 123 || code == 124;
}

// The cell the hero stands in to use a facing-bound thing at (tr, tc) facing `facing`.
std::pair<int, int> StandCell(int tr, int tc, const std::string& facing) {
  if (facing == "Up") return {tr + 1, tc};
  if (facing == "Down") return {tr - 1, tc};
  if (facing == "Right") return {tr, tc - 1};
  return {tr, tc + 1};
}

std::string SignFacing(int code) {
  switch (code) {
    case 144:
      return "Up";
    case 145:
      return "Down";
    case 146:
      return "Right";
    default:
      return "Left";
  }
}

std::string SwitchFacing(int code) {
  switch (code) {
    case 96:
      return "Right";
    case 99:
      return "Left";
    case 100:
      return "Up";
    default:
      return "Down";
  }
}

int Two(const std::string& s, std::size_t at) { return std::stoi(s.substr(at, 2)); }

}  // namespace

bool IsDoor(int code) { return (code >= 88 && code <= 95) || (code >= 104 && code <= 111); }

bool Walkable(const ScreenTiles& s, int tr, int tc) {
  if (!OnScreen(tr, tc)) return false;
  return !vt::IsBlockingBackground(s.back[tr - 1][tc - 1]) &&
         !vt::IsBlockingObject(s.front[tr - 1][tc - 1]);
}

// The cells the hero's picture covers at (x, y): 20 x 31 pixels sideways, 31 x 20 upright.
std::vector<std::pair<int, int>> HeroCells(int x, int y, const std::string& facing) {
  const bool upright = facing == "Up" || facing == "Down";
  const int w = upright ? 31 : 20;
  const int h = upright ? 20 : 31;
  auto cell = [](int p) { return p >= 0 ? p / 30 : -1; };
  std::vector<std::pair<int, int>> cells;
  for (int r = cell(y + 45); r <= cell(y + 45 + h - 1); ++r)
    for (int c = cell(x + 45); c <= cell(x + 45 + w - 1); ++c) cells.emplace_back(r, c);
  return cells;
}

namespace {

// Reads the whole file in the order the game reads it.
class ModelReader {
 public:
  ModelReader(vt::FieldReader& reader, std::vector<std::string>& problems)
      : reader_(reader), problems_(problems) {}

  void Report(const std::string& what) {
    problems_.push_back(reader_.Path() + ":" + std::to_string(reader_.Line()) + ": " + what);
  }

  std::optional<std::string> Field(const std::string& expected) {
    auto f = reader_.Next();
    if (!f) Report("the file ends where " + expected + " should be");
    return f;
  }

  bool Count(const std::string& name, std::vector<std::string>& records) {
    const auto f = Field("the " + name + " count");
    if (!f) return false;
    if (!AllDigits(*f) || f->size() > 4 || std::stoi(*f) > 200) {
      Report("the " + name + " count \"" + *f + "\" is not a number from 0 to 200");
      return false;
    }
    const int n = std::stoi(*f);
    for (int i = 0; i < n; ++i) {
      auto r = Field(name + " record " + std::to_string(i + 1));
      if (!r) return false;
      records.push_back(*r);
    }
    return true;
  }

  bool Dimension(const std::string& name, int step, int& value) {
    const auto f = Field("the district " + name);
    if (!f) return false;
    if (!AllDigits(*f) || f->size() > 4 || std::stoi(*f) == 0 || std::stoi(*f) % step ||
        std::stoi(*f) / step > 10) {
      Report("the district " + name + " \"" + *f + "\" is not a multiple of " +
             std::to_string(step) + " tiles (at most 10 screens)");
      return false;
    }
    value = std::stoi(*f);
    return true;
  }

  void Lines(TileRows& rows, bool background, const std::string& screen) {
    for (int r = 0; r < kScreenTileRows; ++r) {
      const auto line =
          Field(std::string(background ? "a background" : "an object") + " line of " + screen);
      if (!line) return;
      const std::string what =
          screen + " " + (background ? "background" : "object") + " line " + std::to_string(r + 1);
      if (line->size() != 60 || !AllDigits(*line)) {
        Report(what + " is not 20 codes of 3 digits: \"" + *line + "\"");
        continue;
      }
      for (int c = 0; c < kScreenTileCols; ++c) {
        const int code = std::stoi(line->substr(static_cast<std::size_t>(3 * c), 3));
        rows[r][c] = code;
        const int strip = background ? vt::kBackTileCount : vt::kFrontTileCount;
        if (code != kNone && code >= strip) {
          Report(what + " column " + std::to_string(c + 1) + ": code " + std::to_string(code) +
                 " is not on the " + (background ? "background" : "object") + " strip (0-" +
                 std::to_string(strip - 1) + ")");
        }
      }
    }
  }

  std::optional<DistrictModel> Read() {
    DistrictModel m;
    if (!Count("sign", m.signs) || !Count("switch", m.switches)) return m;
    if (!Dimension("height", kScreenTileRows, m.height) ||
        !Dimension("width", kScreenTileCols, m.width))
      return m;
    std::map<std::pair<int, int>, int> seen;
    while (!reader_.OnlyBlanksLeft()) {
      const auto rf = Field("a screen row");
      const int line = reader_.Line();
      const auto cf = Field("a screen column");
      if (!rf || !cf) break;
      if (!AllDigits(*rf) || !AllDigits(*cf) || rf->size() > 2 || cf->size() > 2) {
        Report("\"" + *rf + "," + *cf + "\" is not a screen row and column");
        break;  // the records are out of step; what follows cannot be trusted
      }
      const int r = std::stoi(*rf);
      const int c = std::stoi(*cf);
      ScreenTiles tiles;
      Lines(tiles.back, true, ScreenName(r, c));
      Lines(tiles.front, false, ScreenName(r, c));
      if (r < 1 || c < 1 || r > m.ScreenRows() || c > m.ScreenCols()) {
        problems_.push_back(reader_.Path() + ":" + std::to_string(line) + ": " + ScreenName(r, c) +
                            " is outside the district's " + std::to_string(m.ScreenRows()) + " x " +
                            std::to_string(m.ScreenCols()) + " screens");
      } else if (seen.count({r, c})) {
        problems_.push_back(reader_.Path() + ":" + std::to_string(line) + ": " + ScreenName(r, c) +
                            " has a second record (the first is on line " +
                            std::to_string(seen[{r, c}]) + "; the game only ever reads the first)");
      } else {
        seen[{r, c}] = line;
        m.screens[{r, c}] = tiles;
      }
    }
    for (int r = 1; r <= m.ScreenRows(); ++r)
      for (int c = 1; c <= m.ScreenCols(); ++c)
        if (!seen.count({r, c}))
          problems_.push_back(reader_.Path() + ": " + ScreenName(r, c) + " has no record");
    return m;
  }

 private:
  vt::FieldReader& reader_;
  std::vector<std::string>& problems_;
};

void CheckSigns(const DistrictModel& m, const std::string& gameDir, std::vector<Finding>& out) {
  std::set<std::array<int, 4>> named;
  for (std::size_t i = 0; i < m.signs.size(); ++i) {
    const std::string& s = m.signs[i];
    auto fail = [&](const std::string& what) {
      out.push_back({"sign record " + std::to_string(i + 1) + " \"" + s + "\": " + what,
                     static_cast<int>(i), -1});
    };
    if (s.size() < 11 || (s[0] < '1' || s[0] > '3') || s[1] != ' ' || !AllDigits(s.substr(2, 8))) {
      fail("not KIND, a blank, 8 digits and a text");
      continue;
    }
    const int r = Two(s, 2), c = Two(s, 4), tr = Two(s, 6), tc = Two(s, 8);
    const std::string text = s.substr(10);
    const auto screen = m.screens.find({r, c});
    if (screen == m.screens.end() || !OnScreen(tr, tc)) {
      fail(CellName(r, c, tr, tc) + " is not in the district");
      continue;
    }
    if (!named.insert({r, c, tr, tc}).second) {
      fail(CellName(r, c, tr, tc) + " already has a sign record; this one is never shown");
    }
    const int code = screen->second.front[tr - 1][tc - 1];
    if (code < 144 || code > 147) {
      fail(CellName(r, c, tr, tc) + " holds object " + std::to_string(code) +
           ", not a sign (144-147)");
    } else {
      const std::string facing = SignFacing(code);
      const auto [sr, sc] = StandCell(tr, tc, facing);
      if (!Walkable(screen->second, sr, sc)) {
        fail("the hero cannot read " + CellName(r, c, tr, tc) + " (sign " + std::to_string(code) +
             ", read facing " + facing + "): its neighbour (" + std::to_string(sr) + "," +
             std::to_string(sc) + ") is not free floor");
      }
    }
    if (s[0] != '3' && text.find('*') == std::string::npos) fail("no '*' between the two lines");
    if (s[0] == '3' && !gameDir.empty() && !std::filesystem::exists(gameDir + "/" + text))
      fail("the picture \"" + text + "\" is not in the game folder");
  }
  // A sign nobody wrote a text for shows nothing when read.
  for (const auto& [key, tiles] : m.screens)
    for (int tr = 1; tr <= 12; ++tr)
      for (int tc = 1; tc <= 20; ++tc) {
        const int code = tiles.front[tr - 1][tc - 1];
        if (code >= 144 && code <= 147 && !named.count({key.first, key.second, tr, tc}))
          out.push_back({CellName(key.first, key.second, tr, tc) + " holds sign " +
                         std::to_string(code) + " but no sign record names it"});
      }
}

void CheckSwitches(const DistrictModel& m, std::vector<Finding>& out) {
  for (std::size_t i = 0; i < m.switches.size(); ++i) {
    const std::string& s = m.switches[i];
    auto fail = [&](const std::string& what) {
      out.push_back({"switch record " + std::to_string(i + 1) + " \"" + s + "\": " + what, -1,
                     static_cast<int>(i)});
    };
    if (s.size() != 28 || !AllDigits(s)) {
      fail("not 28 digits");
      continue;
    }
    const int r = Two(s, 0), c = Two(s, 2), tr = Two(s, 4), tc = Two(s, 6);
    const int dr = Two(s, 8), dc = Two(s, 10);
    const auto screen = m.screens.find({r, c});
    if (screen == m.screens.end() || !OnScreen(tr, tc)) {
      fail("the switch cell " + CellName(r, c, tr, tc) + " is not in the district");
    } else {
      const int code = screen->second.front[tr - 1][tc - 1];
      if (!IsSwitch(code)) {
        fail(CellName(r, c, tr, tc) + " holds object " + std::to_string(code) +
             ", not a switch (96, 99, 100, 102)");
      } else {
        const std::string facing = SwitchFacing(code);
        const auto [sr, sc] = StandCell(tr, tc, facing);
        if (!Walkable(screen->second, sr, sc))
          fail("the hero cannot throw " + CellName(r, c, tr, tc) + " (switch " +
               std::to_string(code) + ", thrown facing " + facing + "): its neighbour (" +
               std::to_string(sr) + "," + std::to_string(sc) + ") is not free floor");
      }
    }
    const auto doors = m.screens.find({dr, dc});
    if (doors == m.screens.end()) {
      fail("the door " + ScreenName(dr, dc) + " is not in the district");
      continue;
    }
    for (int k = 0; k < 4; ++k) {
      const int cr = Two(s, 12 + 4 * static_cast<std::size_t>(k));
      const int cc = Two(s, 14 + 4 * static_cast<std::size_t>(k));
      if (k > 0 && cc == 0) continue;
      if (!OnScreen(cr, cc)) {
        fail("door cell " + std::to_string(k + 1) + " (" + std::to_string(cr) + "," +
             std::to_string(cc) + ") is not a cell");
        continue;
      }
      const int code = doors->second.front[cr - 1][cc - 1];
      if (!IsDoor(code))
        fail("door cell " + std::to_string(k + 1) + " " + CellName(dr, dc, cr, cc) +
             " holds object " + std::to_string(code) + ", not a door (88-95, 104-111)");
    }
  }
}

// The car after a jump, and the arrival point after a journey by the city map.
void CheckCar(const DistrictModel& m, int district, std::vector<Finding>& out) {
  auto world = std::make_unique<vt::WorldState>();
  for (const bool arriving : {false, true}) {
    vt::PlaceHero(*world, district, arriving);
    const vt::WorldState& w = *world;
    const std::string where = std::string(arriving ? "arrival" : "jump to the car") + " at " +
                              ScreenName(w.ScreenRow, w.ScreenCol) + " (" +
                              std::to_string(w.HeroX) + "," + std::to_string(w.HeroY) + " facing " +
                              std::string(vt::FacingName(w.HeroFacing)) + ")";
    const auto screen = m.screens.find({w.ScreenRow, w.ScreenCol});
    if (screen == m.screens.end()) {
      out.push_back({where + ": the screen is not in the district"});
      return;
    }
    const ScreenTiles& tiles = screen->second;
    const auto hero = HeroCells(w.HeroX, w.HeroY, std::string(vt::FacingName(w.HeroFacing)));
    for (const auto& [r, c] : hero)
      if (!Walkable(tiles, r, c))
        out.push_back({where + ": the hero stands on " + CellName(w.ScreenRow, w.ScreenCol, r, c) +
                       ", which is not free floor (background " +
                       std::to_string(OnScreen(r, c) ? tiles.back[r - 1][c - 1] : kNone) +
                       ", object " +
                       std::to_string(OnScreen(r, c) ? tiles.front[r - 1][c - 1] : kNone) + ")"});
    const auto probes = vt::ProbeCells(w.HeroX, w.HeroY, w.HeroFacing);
    if (arriving) {
      for (const auto& p : probes)
        if (!Walkable(tiles, p.cy, p.cx))
          out.push_back({where + ": the cell ahead " +
                         CellName(w.ScreenRow, w.ScreenCol, p.cy, p.cx) +
                         " is not free floor; he cannot walk away"});
      continue;
    }
    bool car = false;
    std::string seen;
    for (const auto& p : probes) {
      const int code = OnScreen(p.cy, p.cx) ? tiles.back[p.cy - 1][p.cx - 1] : kNone;
      seen += (seen.empty() ? "" : ", ") + CellName(w.ScreenRow, w.ScreenCol, p.cy, p.cx) +
              " background " + std::to_string(code);
      if (code == 48 || code == 99) {
        car = true;
        break;
      }
      if (IsBackgroundAction(code)) break;  // that one answers first
    }
    if (!car)
      out.push_back({where +
                     ": the car's door (background 48 or 99) is not the first thing "
                     "ahead of him (" +
                     seen + ")"});
  }
}

}  // namespace

std::optional<DistrictModel> ReadDistrictModel(const std::string& path,
                                               std::vector<std::string>& problems) {
  std::string error;
  auto reader = vt::FieldReader::Open(path, &error);
  if (!reader) {
    problems.push_back(error);
    return std::nullopt;
  }
  const std::size_t before = problems.size();
  ModelReader model(*reader, problems);
  auto m = model.Read();
  // The game's own reader must see the same tiles.
  if (m && problems.size() == before) {
    for (const auto& [key, tiles] : m->screens) {
      const auto game = vt::ReadDistrictScreen(path, key.first, key.second);
      for (const auto& p : game.problems) problems.push_back(p);
      bool same =
          game.screen.found && game.screen.height == m->height && game.screen.width == m->width;
      for (int r = 1; same && r <= 12; ++r)
        for (int c = 1; c <= 20; ++c)
          same = same && game.screen.back[r][c] == tiles.back[r - 1][c - 1] &&
                 game.screen.front[r][c] == tiles.front[r - 1][c - 1];
      if (!same)
        problems.push_back(path + ": the game reads " + ScreenName(key.first, key.second) +
                           " differently");
      if (game.lists.signs != m->signs || game.lists.switches != m->switches) {
        problems.push_back(path + ": the game reads the sign or switch records differently");
        break;
      }
    }
  }
  return m;
}

std::vector<Finding> CheckDistrictModel(const DistrictModel& model, int district,
                                        const std::string& gameDir) {
  std::vector<Finding> out;
  if (model.signs.size() > 200) out.push_back({"more than 200 sign records"});
  if (model.switches.size() > 200) out.push_back({"more than 200 switch records"});
  CheckSigns(model, gameDir, out);
  CheckSwitches(model, out);
  if (district >= 1 && district <= 7) CheckCar(model, district, out);
  return out;
}

std::set<int> ConversationNumbers(const DistrictModel& model) {
  std::set<int> numbers;
  for (const auto& [key, tiles] : model.screens)
    for (const auto& row : tiles.front)
      for (int code : row)
        if (vt::IsConversationObject(code) || vt::IsPickUp(code)) numbers.insert(code);
  return numbers;
}

int RunDistrictCheck(const std::string& gameDir, std::ostream& report) {
  int problems = 0;
  for (int d = 1; d <= kDistrictCount; ++d) {
    const std::string name = DistrictDataName(d);
    const std::string path = gameDir + "/" + name;
    if (!std::filesystem::exists(path)) {
      report << name << ": not in the game folder (no source yet?)\n";
      continue;
    }
    std::vector<std::string> form;
    const auto model = ReadDistrictModel(path, form);
    for (const auto& p : form) report << p << "\n";
    problems += static_cast<int>(form.size());
    if (!model || !form.empty()) continue;
    for (const auto& f : CheckDistrictModel(*model, d, gameDir)) {
      report << name << ": " << f.text << "\n";
      ++problems;
    }
    for (const auto& f : ReachNotes(*model, d)) report << name << ": note: " << f.text << "\n";
    report << name << ": conversations used:";
    for (int n : ConversationNumbers(*model)) report << " " << n;
    report << "\n";
  }
  report << (problems ? std::to_string(problems) + " problem(s)" : std::string("no problems"))
         << "\n";
  return problems;
}

}  // namespace forge
