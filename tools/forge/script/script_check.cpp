// The script checker's line rules: what each line must look like, where commands may stand,
// which numbers they may carry, and whether the people, objects and doors they name exist.
#include <cctype>
#include <filesystem>
#include <map>
#include <tuple>

#include "data/district_file.h"
#include "data/object_names.h"
#include "data/script_lines.h"
#include "data/tile_classes.h"
#include "districts/districts.h"
#include "script/script.h"

namespace forge {
namespace {

inline constexpr int kLastSpeaker = 43;
inline constexpr int kLastMapDistrict = 7;  // the sealed quarter is never chosen on the map
inline constexpr int kLastReport = 8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool Digits(const std::string& s, std::size_t from, std::size_t count) {
  if (s.size() < from + count) return false;
  for (std::size_t i = from; i < from + count; ++i)
    if (!IsDigit(s[i])) return false;
  return true;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

std::string Cell(int r, int c) { return "(" + std::to_string(r) + "," + std::to_string(c) + ")"; }

class Checker {
 public:
  explicit Checker(const std::string& gameDir) : gameDir_(gameDir) {}

  void Section(const ScriptSection& s) {
    Header(s);
    const auto& lines = s.lines;
    if (static_cast<int>(lines.size()) + 1 > vt::kMaxSectionLines)
      Fail(s.where, SectionName(s) + " has " + std::to_string(lines.size() + 1) +
                        " lines with its closing empty line (at most " +
                        std::to_string(vt::kMaxSectionLines) + ")");
    bool spoken = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const ScriptLine& line = lines[i];
      Characters(line);
      const auto kind = vt::KindOf(line.text);
      const bool last = i + 1 == lines.size();
      const bool spokenNext = !last && vt::KindOf(lines[i + 1].text) == vt::ScriptLineKind::Spoken;
      switch (kind) {
        case vt::ScriptLineKind::Spoken:
          spoken = true;
          Spoken(line);
          break;
        case vt::ScriptLineKind::PassPhrase:
          if (i != 0) Fail(line, "a pass-phrase demand must be the section's first line");
          PassPhrase(line);
          break;
        case vt::ScriptLineKind::Stage:
        case vt::ScriptLineKind::Map:
        case vt::ScriptLineKind::Message:
          Digit(line, kind);
          break;
        case vt::ScriptLineKind::Get:
        case vt::ScriptLineKind::Give:
          Object(line);
          break;
        case vt::ScriptLineKind::Door:
          if (!last) Fail(line, "a door line ends the conversation: it must be the last line");
          if (!spoken) Fail(line, "a door line must follow the last spoken line");
          Door(line);
          break;
        case vt::ScriptLineKind::End:
          Fail(line, "an empty line inside a section");
          break;
      }
      if (IsCommand(kind) && !spokenNext)
        Fail(line, line.text.substr(0, 3) +
                       " must be followed by a spoken line: the window plays the next line as "
                       "spoken text at once");
    }
    if (!spoken) Fail(s.where, SectionName(s) + " has no spoken line");
  }

  void Duplicate(const ScriptSection& s) {
    const auto key = s.IsObjectUse() ? std::make_tuple(s.object, s.conversation, -1)
                                     : std::make_tuple(-1, s.conversation, s.stage);
    const auto [first, added] = seen_.emplace(key, s.where);
    if (!added)
      Fail(s.where, SectionName(s) + " is written twice (first at " + first->second +
                        "); the game only ever plays the first");
  }

  std::vector<std::string> findings;

 private:
  static bool IsCommand(vt::ScriptLineKind k) {
    return k == vt::ScriptLineKind::Stage || k == vt::ScriptLineKind::Map ||
           k == vt::ScriptLineKind::Message || k == vt::ScriptLineKind::Get ||
           k == vt::ScriptLineKind::Give;
  }

  void Fail(const std::string& where, const std::string& what) {
    findings.push_back(where + ": " + what);
  }
  void Fail(const ScriptLine& line, const std::string& what) { Fail(line.where, what); }

  void Header(const ScriptSection& s) {
    if (s.conversation < 0 || s.conversation > kLastConversation)
      Fail(s.where, "conversation " + std::to_string(s.conversation) + " is not 0 to " +
                        std::to_string(kLastConversation));
    if (!s.IsObjectUse()) return;
    if (vt::ObjectName(s.object).empty())
      Fail(s.where, "object " + std::to_string(s.object) + " is not an object the hero carries");
    if (s.stage == 0)
      Fail(s.where, SectionName(s) +
                        " leads to stage 0: the game refuses an object at a stage already reached");
  }

  // The file is single-byte text read by fields: no comma, nothing the reader would drop.
  void Characters(const ScriptLine& line) {
    const std::string& t = line.text;
    for (const unsigned char c : t)
      if (c < 0x20 || c > 0x7E) {
        Fail(line, "a character other than printable ASCII (byte " + std::to_string(c) +
                       "); write the text in plain ASCII");
        break;
      }
    if (t.find(',') != std::string::npos)
      Fail(line, "a comma in the file would cut the line short; write \"*\"");
    if (!t.empty() && (t.front() == ' ' || t.front() == '"'))
      Fail(line, "a line may not begin with a blank or a double quote");
    if (!t.empty() && t.back() == ' ')
      Fail(line, vt::KindOf(t) == vt::ScriptLineKind::PassPhrase
                     ? "the pass phrase ends in a blank, which nobody would think to type"
                     : "a blank at the end of the line");
  }

  void Speaker(const ScriptLine& line, const std::string& code) {
    const int n = std::stoi(code);
    if (n > kLastSpeaker) {
      Fail(line, "speaker " + code + " is not 00 to " + std::to_string(kLastSpeaker));
      return;
    }
    const std::string portrait = "Game" + code + ".dat";
    if (!gameDir_.empty() && !std::filesystem::exists(gameDir_ + "/" + portrait))
      Fail(line, "speaker " + code + " has no portrait " + portrait + " in the game folder");
  }

  void Spoken(const ScriptLine& line) {
    const std::string& t = line.text;
    if (t.size() < 4 || !Digits(t, 0, 2) || t[2] != ' ') {
      Fail(line,
           Quoted(t) + " is not a spoken line (speaker code, a blank, the text) or a command");
      return;
    }
    Speaker(line, t.substr(0, 2));
    const std::string fit = TextFitProblem(t.substr(3));
    if (!fit.empty()) Fail(line, fit);
  }

  void PassPhrase(const ScriptLine& line) {
    const std::string& t = line.text;
    if (t.size() < 6 || !Digits(t, 3, 2)) {
      Fail(line, "write PWD, the asker's two-digit speaker code and the phrase");
      return;
    }
    Speaker(line, t.substr(3, 2));
    for (const unsigned char c : vt::PassPhrase(t))
      if (std::islower(c)) {
        Fail(line, "the pass phrase must be upper case: what the player types is upper-cased");
        break;
      }
  }

  void Digit(const ScriptLine& line, vt::ScriptLineKind kind) {
    const std::string& t = line.text;
    const std::string name = t.substr(0, 3);
    if (t.size() != 5 || t[3] != ' ' || !IsDigit(t[4])) {
      Fail(line, "write " + name + ", a blank and one digit");
      return;
    }
    const int d = vt::LastDigit(t);
    if (kind == vt::ScriptLineKind::Map && (d < 1 || d > kLastMapDistrict))
      Fail(line, "MAP opens a district 1 to " + std::to_string(kLastMapDistrict));
    if (kind == vt::ScriptLineKind::Message && (d < 1 || d > kLastReport))
      Fail(line, "MSG readies a report 1 to " + std::to_string(kLastReport));
  }

  void Object(const ScriptLine& line) {
    const std::string& t = line.text;
    if (t.size() < 5 || t.size() > 7 || t[3] != ' ' || !Digits(t, 4, t.size() - 4)) {
      Fail(line, "write " + t.substr(0, 3) + ", a blank and an object number");
      return;
    }
    const int object = vt::CommandNumber(t);
    if (vt::ObjectName(object).empty())
      Fail(line, "object " + std::to_string(object) + " is not an object the hero carries");
  }

  void Door(const ScriptLine& line) {
    const std::string& t = line.text;
    if (t.size() != 25 || !Digits(t, 3, 22)) {
      Fail(line, "write DOR and 22 digits: district, screen row and column, four cells");
      return;
    }
    const vt::DoorOpening d = vt::ParseDoor(t);
    if (d.district < 1 || d.district > kDistrictCount) {
      Fail(line, "district " + std::to_string(d.district) + " is not 1 to " +
                     std::to_string(kDistrictCount));
      return;
    }
    for (std::size_t k = 0; k < d.cells.size(); ++k) {
      const auto [row, col] = d.cells[k];
      const bool unused = k > 0 && row == 0 && col == 0;
      if (!unused && (row < 1 || row > kScreenTileRows || col < 1 || col > kScreenTileCols))
        Fail(line, std::string("cell ") + static_cast<char>('A' + k) + " " + Cell(row, col) +
                       " is not a cell (rows 1-12, columns 1-20" + (k ? "; 00 00 unused)" : ")"));
    }
    if (gameDir_.empty()) return;
    const std::string file = vt::DistrictFileName(d.district);
    const auto read = vt::ReadDistrictScreen(gameDir_ + "/" + file, d.screenRow, d.screenCol);
    if (read.screen.height == 0) {
      Fail(line, file + " cannot be read, so the door cannot be checked");
      return;
    }
    const int rows = read.screen.height / kScreenTileRows;
    const int cols = read.screen.width / kScreenTileCols;
    if (d.screenRow < 1 || d.screenRow > rows || d.screenCol < 1 || d.screenCol > cols) {
      Fail(line, "screen [" + std::to_string(d.screenRow) + "," + std::to_string(d.screenCol) +
                     "] is not in district " + std::to_string(d.district) + "'s " +
                     std::to_string(rows) + " x " + std::to_string(cols) + " screens");
      return;
    }
    if (!read.screen.found) {
      Fail(line, file + " has no record of screen [" + std::to_string(d.screenRow) + "," +
                     std::to_string(d.screenCol) + "]");
      return;
    }
    // A door line opens a door, or clears people who leave (the cells then show nothing): every
    // cell it names holds the same kind of thing as cell A.
    bool door = false;
    for (std::size_t k = 0; k < d.cells.size(); ++k) {
      const auto [row, col] = d.cells[k];
      if (row < 1 || row > kScreenTileRows || col < 1 || col > kScreenTileCols) continue;
      const int code =
          read.screen.front[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
      if (k == 0) door = IsDoor(code);
      const bool same = door ? IsDoor(code) : vt::IsConversationObject(code) && !IsDoor(code);
      if (same) continue;
      Fail(line, std::string("cell ") + static_cast<char>('A' + k) + " " + Cell(row, col) + " of " +
                     file + " screen [" + std::to_string(d.screenRow) + "," +
                     std::to_string(d.screenCol) + "] holds object " + std::to_string(code) +
                     ", not " +
                     (k == 0 ? "a door (88-95, 104-111) or someone who leaves"
                      : door ? "a door like cell A"
                             : "someone who leaves like cell A"));
    }
  }

  std::string gameDir_;
  std::map<std::tuple<int, int, int>, std::string> seen_;
};

}  // namespace

std::vector<std::string> CheckScript(const Script& script, const std::string& gameDir) {
  Checker checker(gameDir);
  for (const auto& s : script) {
    checker.Section(s);
    checker.Duplicate(s);
  }
  return checker.findings;
}

}  // namespace forge
