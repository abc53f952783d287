// Compiling a district source: the legend, the screens, the sign and switch records.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

#include "districts/districts.h"

namespace forge {
namespace {

std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  const auto b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

// The line without its comment ("//" outside a quoted text).
std::string StripComment(const std::string& line) {
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (!quoted && line.compare(i, 2, "//") == 0) return line.substr(0, i);
  }
  return line;
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool AllDigits(const std::string& s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// A whole number of at most 4 digits, else nullopt.
std::optional<int> Number(const std::string& s) {
  if (!AllDigits(s) || s.size() > 4) return std::nullopt;
  return std::stoi(s);
}

std::string Two(int v) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", v);
  return buffer;
}

constexpr int kBackCodes = 192;   // background strip: codes 0-191
constexpr int kFrontCodes = 194;  // object strip: codes 0-193

bool ValidCode(int code, bool background) {
  return code == kNone || (code >= 0 && code < (background ? kBackCodes : kFrontCodes));
}

const char* LayerName(bool background) { return background ? "background" : "object"; }

// Collects errors as "NAME:LINE: ...".
struct Reporter {
  const std::string& name;
  std::vector<std::string>& errors;
  void operator()(int line, const std::string& what) const {
    errors.push_back(name + ":" + std::to_string(line) + ": " + what);
  }
};

// "back SYM CODE" / "obj SYM CODE" (the words after the keyword) into the legend.
void LegendLine(const std::vector<std::string>& w, bool background, Legend& legend, int line,
                const Reporter& report) {
  const std::string& symbol = w[1];
  const auto code = Number(w[2]);
  if (symbol.size() > 2) {
    report(line, "symbol \"" + symbol + "\" is longer than 2 characters");
    return;
  }
  if (symbol == "." || symbol.find_first_of("|\"/") != std::string::npos) {
    report(line,
           "\"" + symbol +
               "\" cannot be a symbol ('.' is always no tile; '|', '\"' and '/' are reserved)");
    return;
  }
  if (!code || !ValidCode(*code, background)) {
    report(line, std::string(LayerName(background)) + " code \"" + w[2] +
                     "\" is not on the strip (" + (background ? "0-191" : "0-193") + ")");
    return;
  }
  (background ? legend.back : legend.front)[symbol] = *code;
}

// One cell's token: '.', a 3-digit literal code or a legend symbol.
std::optional<int> CellCode(const std::string& token, bool background, const Legend& legend,
                            std::string& why) {
  if (token == ".") return kNone;
  if (token.size() == 3 && AllDigits(token)) {
    const int code = std::stoi(token);
    if (ValidCode(code, background)) return code;
    why = std::string(LayerName(background)) + " code " + token + " is not on the strip";
    return std::nullopt;
  }
  const auto& map = background ? legend.back : legend.front;
  const auto it = map.find(token);
  if (it != map.end()) return it->second;
  why = "unknown " + std::string(LayerName(background)) + " symbol '" + token + "'";
  return std::nullopt;
}

// One half of a cell line: 20 packed 1-character symbols or 20 blank-separated tokens.
bool CellRow(const std::string& half, bool background, const Legend& legend,
             std::array<int, kScreenTileCols>& row, std::string& why) {
  std::vector<std::string> tokens;
  if (half.find_first_of(" \t") == std::string::npos) {
    for (char c : half) tokens.emplace_back(1, c);
  } else {
    tokens = Words(half);
  }
  if (tokens.size() != kScreenTileCols) {
    why = std::string(LayerName(background)) + " row has " + std::to_string(tokens.size()) +
          " cells, not 20";
    return false;
  }
  for (int c = 0; c < kScreenTileCols; ++c) {
    std::string cellWhy;
    const auto code = CellCode(tokens[c], background, legend, cellWhy);
    if (!code) {
      why = "column " + std::to_string(c + 1) + ": " + cellWhy;
      return false;
    }
    row[c] = *code;
  }
  return true;
}

bool IsKeyword(const std::string& w) {
  return w == "size" || w == "back" || w == "obj" || w == "screen" || w == "sign" || w == "switch";
}

class SourceCompiler {
 public:
  SourceCompiler(const std::string& name, const Legend& shared, std::vector<std::string>& errors)
      : report_{name, errors}, legend_(shared), errors_(errors) {}

  std::optional<CompiledDistrict> Run(const std::string& text) {
    const std::size_t before = errors_.size();
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
      ++lineNo;
      const std::string line = Trim(StripComment(raw));
      if (line.empty()) continue;
      if (rowsWanted_ > 0) {
        const auto w = Words(line);
        if (line.find('|') != std::string::npos || !IsKeyword(w[0])) {
          Row(line, lineNo);
          continue;
        }
        EndScreenEarly(lineNo);
      }
      Statement(line, lineNo);
    }
    if (rowsWanted_ > 0) EndScreenEarly(lineNo + 1);
    Finish(lineNo);
    if (errors_.size() != before) return std::nullopt;
    return std::move(result_);
  }

 private:
  DistrictModel& M() { return result_.model; }

  void Statement(const std::string& line, int lineNo) {
    const auto w = Words(line);
    const std::string& key = w[0];
    if (key == "size") {
      Size(w, lineNo);
    } else if ((key == "back" || key == "obj") && w.size() == 3) {
      LegendLine(w, key == "back", legend_, lineNo, report_);
    } else if ((key == "back" || key == "obj") && w.size() >= 4) {
      Edit(w, key == "back", lineNo);
    } else if (key == "screen") {
      Screen(w, lineNo);
    } else if (key == "sign") {
      Sign(line, lineNo);
    } else if (key == "switch") {
      Switch(w, lineNo);
    } else if (key == "back" || key == "obj") {
      report_(
          lineNo,
          "\"" + key + "\" needs SYMBOL CODE (legend) or TILE_ROW TILE_COL SYMBOL... (cell edit)");
    } else {
      report_(lineNo,
              "unknown line \"" + line + "\" (expected size, back, obj, screen, sign or switch)");
    }
  }

  void Size(const std::vector<std::string>& w, int lineNo) {
    if (sizeLine_) {
      report_(lineNo, "second size line (the first is on line " + std::to_string(sizeLine_) + ")");
      return;
    }
    const auto h = w.size() == 3 ? Number(w[1]) : std::nullopt;
    const auto wd = w.size() == 3 ? Number(w[2]) : std::nullopt;
    if (!h || !wd || *h < 12 || *wd < 20 || *h % 12 || *wd % 20 || *h > 120 || *wd > 200) {
      report_(
          lineNo,
          "size needs HEIGHT WIDTH in tiles: multiples of 12 and 20 (at most 10 screens each way)");
      return;
    }
    sizeLine_ = lineNo;
    M().height = *h;
    M().width = *wd;
  }

  bool NeedSize(int lineNo) {
    if (sizeLine_) return true;
    report_(lineNo, "the size line must come before the screens and records");
    return false;
  }

  // A screen row and column inside the grid.
  bool ScreenAt(const std::string& rs, const std::string& cs, int lineNo, int& r, int& c) {
    const auto row = Number(rs);
    const auto col = Number(cs);
    if (!row || !col || *row < 1 || *col < 1 || *row > M().ScreenRows() ||
        *col > M().ScreenCols()) {
      report_(lineNo, "screen [" + rs + "," + cs + "] is not in the district's " +
                          std::to_string(M().ScreenRows()) + " x " +
                          std::to_string(M().ScreenCols()) + " screens");
      return false;
    }
    r = *row;
    c = *col;
    return true;
  }

  bool TileAt(const std::string& rs, const std::string& cs, int lineNo, int& r, int& c) {
    const auto row = Number(rs);
    const auto col = Number(cs);
    if (!row || !col || *row < 1 || *row > 12 || *col < 1 || *col > 20) {
      report_(lineNo,
              "tile (" + rs + "," + cs + ") is not a cell of a screen (rows 1-12, columns 1-20)");
      return false;
    }
    r = *row;
    c = *col;
    return true;
  }

  void Screen(const std::vector<std::string>& w, int lineNo) {
    if (!NeedSize(lineNo)) return;
    const bool copy = w.size() == 6 && w[3] == "from";
    if (w.size() != 3 && !copy) {
      report_(lineNo, "screen needs ROW COL, or ROW COL from ROW COL");
      return;
    }
    int r = 0, c = 0;
    if (!ScreenAt(w[1], w[2], lineNo, r, c)) return;
    const auto key = std::make_pair(r, c);
    if (const auto it = screenLines_.find(key); it != screenLines_.end()) {
      report_(lineNo, "screen [" + w[1] + "," + w[2] + "] is written twice (first on line " +
                          std::to_string(it->second) + ")");
      current_.reset();
      if (!copy) Expect(r, c, lineNo, /*keep=*/false);
      return;
    }
    screenLines_[key] = lineNo;
    if (copy) {
      int fr = 0, fc = 0;
      if (!ScreenAt(w[4], w[5], lineNo, fr, fc)) return;
      const auto from = M().screens.find({fr, fc});
      if (from == M().screens.end()) {
        report_(lineNo,
                "screen [" + w[4] + "," + w[5] + "] to copy is not written above this line");
        return;
      }
      M().screens[key] = from->second;
      current_ = key;
      return;
    }
    Expect(r, c, lineNo, true);
  }

  void Expect(int r, int c, int lineNo, bool keep) {
    rowsWanted_ = kScreenTileRows;
    blockLine_ = lineNo;
    block_ = ScreenTiles{};
    blockKey_ = {r, c};
    keepBlock_ = keep;
    blockOk_ = true;
  }

  void Row(const std::string& line, int lineNo) {
    const int index = kScreenTileRows - rowsWanted_;
    --rowsWanted_;
    const auto bar = line.find('|');
    std::string why;
    if (bar == std::string::npos || line.find('|', bar + 1) != std::string::npos) {
      why = "a cell line needs BACKGROUND | OBJECTS (one '|')";
    } else if (CellRow(Trim(line.substr(0, bar)), true, legend_, block_.back[index], why) &&
               CellRow(Trim(line.substr(bar + 1)), false, legend_, block_.front[index], why)) {
      why.clear();
    }
    if (!why.empty()) {
      report_(lineNo, "screen [" + std::to_string(blockKey_.first) + "," +
                          std::to_string(blockKey_.second) + "] tile row " +
                          std::to_string(index + 1) + ": " + why);
      blockOk_ = false;
    }
    if (rowsWanted_ == 0) CloseBlock();
  }

  void EndScreenEarly(int lineNo) {
    report_(lineNo, "screen [" + std::to_string(blockKey_.first) + "," +
                        std::to_string(blockKey_.second) + "] (line " + std::to_string(blockLine_) +
                        ") has only " + std::to_string(kScreenTileRows - rowsWanted_) +
                        " of its 12 tile rows");
    rowsWanted_ = 0;
    blockOk_ = false;
    CloseBlock();
  }

  void CloseBlock() {
    if (keepBlock_) {
      M().screens[blockKey_] = block_;
      current_ = blockKey_;
    } else {
      current_.reset();
    }
  }

  // "back TR TC SYM [SYM ...]": cells of the screen written last, from (TR,TC) rightwards.
  void Edit(const std::vector<std::string>& w, bool background, int lineNo) {
    if (!current_) {
      report_(lineNo, "a cell edit needs a screen above it");
      return;
    }
    int r = 0, c = 0;
    if (!TileAt(w[1], w[2], lineNo, r, c)) return;
    if (c + static_cast<int>(w.size()) - 4 > kScreenTileCols) {
      report_(lineNo, "the cells run past column 20");
      return;
    }
    auto& tiles = M().screens[*current_];
    auto& rows = background ? tiles.back : tiles.front;
    for (std::size_t i = 3; i < w.size(); ++i) {
      std::string why;
      const auto code = CellCode(w[i], background, legend_, why);
      if (!code) {
        report_(lineNo, why);
        return;
      }
      rows[r - 1][c - 1 + static_cast<int>(i) - 3] = *code;
    }
  }

  // sign KIND ROW COL TR TC "TEXT"
  void Sign(const std::string& line, int lineNo) {
    if (!NeedSize(lineNo)) return;
    const auto open = line.find('"');
    const auto close = open == std::string::npos ? open : line.find('"', open + 1);
    if (open == std::string::npos || close == std::string::npos ||
        !Trim(line.substr(close + 1)).empty()) {
      report_(lineNo,
              "sign needs KIND ROW COL TILE_ROW TILE_COL \"TEXT\" (one quoted text at the end)");
      return;
    }
    const auto w = Words(line.substr(0, open));
    const std::string text = line.substr(open + 1, close - open - 1);
    if (w.size() != 6) {
      report_(lineNo, "sign needs KIND ROW COL TILE_ROW TILE_COL \"TEXT\"");
      return;
    }
    if (w[1] != "1" && w[1] != "2" && w[1] != "3") {
      report_(lineNo, "sign kind \"" + w[1] + "\" is not 1 (board), 2 (paper) or 3 (picture)");
      return;
    }
    int r = 0, c = 0, tr = 0, tc = 0;
    if (!ScreenAt(w[2], w[3], lineNo, r, c) || !TileAt(w[4], w[5], lineNo, tr, tc)) return;
    if (text.empty()) {
      report_(lineNo, "the sign's text is empty");
      return;
    }
    if (w[1] != "3" && std::count(text.begin(), text.end(), '*') != 1) {
      report_(lineNo,
              "a kind " + w[1] + " sign's text needs exactly one '*' between its two lines");
      return;
    }
    if (text.find_first_of("\t") != std::string::npos) {
      report_(lineNo, "the sign's text holds a tab");
      return;
    }
    M().signs.push_back(w[1] + " " + Two(r) + Two(c) + Two(tr) + Two(tc) + text);
    result_.signLines.push_back(lineNo);
  }

  // switch ROW COL TR TC -> ROW COL TR TC [TR TC [TR TC [TR TC]]]
  void Switch(const std::vector<std::string>& w, int lineNo) {
    if (!NeedSize(lineNo)) return;
    const std::size_t n = w.size();
    if (n < 10 || n > 16 || n % 2 || w[5] != "->") {
      report_(lineNo,
              "switch needs ROW COL TILE_ROW TILE_COL -> ROW COL and 1 to 4 door cells TILE_ROW "
              "TILE_COL");
      return;
    }
    int r = 0, c = 0, tr = 0, tc = 0, dr = 0, dc = 0;
    if (!ScreenAt(w[1], w[2], lineNo, r, c) || !TileAt(w[3], w[4], lineNo, tr, tc) ||
        !ScreenAt(w[6], w[7], lineNo, dr, dc))
      return;
    std::string record = Two(r) + Two(c) + Two(tr) + Two(tc) + Two(dr) + Two(dc);
    for (std::size_t i = 8; i < n; i += 2) {
      int cr = 0, cc = 0;
      if (!TileAt(w[i], w[i + 1], lineNo, cr, cc)) return;
      record += Two(cr) + Two(cc);
    }
    record.resize(28, '0');
    M().switches.push_back(record);
    result_.switchLines.push_back(lineNo);
  }

  void Finish(int lastLine) {
    if (!sizeLine_) {
      report_(std::max(lastLine, 1), "no size line (size HEIGHT WIDTH in tiles)");
      return;
    }
    std::string missing;
    int count = 0;
    for (int r = 1; r <= M().ScreenRows(); ++r)
      for (int c = 1; c <= M().ScreenCols(); ++c)
        if (!screenLines_.count({r, c})) {
          if (++count <= 12) missing += " [" + std::to_string(r) + "," + std::to_string(c) + "]";
        }
    if (count) {
      report_(lastLine, std::to_string(count) + " screen(s) of the " +
                            std::to_string(M().ScreenRows()) + " x " +
                            std::to_string(M().ScreenCols()) + " grid not written:" + missing +
                            (count > 12 ? " ..." : ""));
    }
    if (M().signs.size() > 200) report_(lastLine, "more than 200 signs");
    if (M().switches.size() > 200) report_(lastLine, "more than 200 switches");
  }

  Reporter report_;
  Legend legend_;
  std::vector<std::string>& errors_;
  CompiledDistrict result_;
  int sizeLine_ = 0;
  std::map<std::pair<int, int>, int> screenLines_;
  std::optional<std::pair<int, int>> current_;  // the screen cell edits apply to
  // The screen block being read.
  int rowsWanted_ = 0;
  int blockLine_ = 0;
  std::pair<int, int> blockKey_;
  ScreenTiles block_;
  bool keepBlock_ = false;
  bool blockOk_ = true;
};

}  // namespace

void ReadLegendSource(const std::string& text, const std::string& name, Legend& legend,
                      std::vector<std::string>& errors) {
  const Reporter report{name, errors};
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    const auto w = Words(StripComment(raw));
    if (w.empty()) continue;
    if ((w[0] == "back" || w[0] == "obj") && w.size() == 3) {
      LegendLine(w, w[0] == "back", legend, lineNo, report);
    } else {
      report(lineNo, "a legend line is \"back SYMBOL CODE\" or \"obj SYMBOL CODE\"");
    }
  }
}

std::optional<CompiledDistrict> CompileDistrictSource(const std::string& text,
                                                      const std::string& name, const Legend& shared,
                                                      std::vector<std::string>& errors) {
  SourceCompiler compiler(name, shared, errors);
  return compiler.Run(text);
}

}  // namespace forge
