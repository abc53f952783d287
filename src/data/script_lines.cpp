// Reading the conversation script's lines and typing its spoken text.
#include "data/script_lines.h"

#include <cmath>

namespace vt {
namespace {

bool StartsWith(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

// wrapCount + add, rounded to the nearest integer, an exact half to the even neighbour.
int AddUnits(int wrapCount, double add) {
  return static_cast<int>(std::nearbyint(static_cast<double>(wrapCount) + add));
}

}  // namespace

ScriptLineKind KindOf(std::string_view line) {
  if (line.empty()) return ScriptLineKind::End;
  const std::string_view head = line.substr(0, 3);
  if (head == "PWD") return ScriptLineKind::PassPhrase;
  if (head == "PHS") return ScriptLineKind::Stage;
  if (head == "MAP") return ScriptLineKind::Map;
  if (head == "MSG") return ScriptLineKind::Message;
  if (head == "GET") return ScriptLineKind::Get;
  if (head == "GIV") return ScriptLineKind::Give;
  if (head == "DOR") return ScriptLineKind::Door;
  return ScriptLineKind::Spoken;
}

int DecimalPrefix(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 1'000'000) return 1'000'000;  // far beyond any number the script uses
  }
  return static_cast<int>(value);
}

bool IsConvHeader(std::string_view line) { return StartsWith(line, "Conv"); }
bool IsObjHeader(std::string_view line) { return StartsWith(line, "Obj"); }

int HeaderConversation(std::string_view header) {
  return header.size() > 4 ? DecimalPrefix(header.substr(4, 3)) : 0;
}

int LastDigit(std::string_view line) {
  if (line.empty()) return -1;
  const char c = line.back();
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

int HeaderObject(std::string_view header) {
  return header.size() >= 3 ? DecimalPrefix(header.substr(header.size() - 3)) : 0;
}

int CommandNumber(std::string_view line) {
  return line.size() > 3 ? DecimalPrefix(line.substr(3)) : 0;
}

std::string SpeakerCode(std::string_view line) {
  if (KindOf(line) == ScriptLineKind::PassPhrase) return std::string(line.substr(3, 2));
  return std::string(line.substr(0, 2));
}

std::string_view PassPhrase(std::string_view line) {
  return line.size() > 5 ? line.substr(5) : std::string_view();
}

DoorOpening ParseDoor(std::string_view line) {
  auto field = [line](int n) {  // field n (0 to 10) at position 4 + 2n
    const std::size_t at = 3 + 2 * static_cast<std::size_t>(n);
    return at < line.size() ? DecimalPrefix(line.substr(at, 2)) : 0;
  };
  DoorOpening d;
  d.district = field(0);
  d.screenRow = field(1);
  d.screenCol = field(2);
  for (int c = 0; c < 4; ++c)
    d.cells[static_cast<std::size_t>(c)] = {field(3 + 2 * c), field(4 + 2 * c)};
  return d;
}

TypedCharacter TypeCharacter(std::string_view text, std::size_t index, int& wrapCount) {
  TypedCharacter t;
  if (index >= text.size()) return t;
  const char c = text[index];
  switch (c) {
    case '.':
    case '!':
    case '?':
    case ':':
    case ';':
    case '-':
      t.shown = c;
      t.pauseMs = 100;
      wrapCount = AddUnits(wrapCount, 0.5);
      break;
    case '*':
      t.shown = ',';
      t.pauseMs = 50;
      wrapCount = AddUnits(wrapCount, 0.5);
      break;
    default:
      t.shown = c;
      wrapCount = AddUnits(wrapCount, c >= 'A' && c <= 'Z' ? 1.5 : 1.0);
      break;
  }
  if (c == ' ') {
    std::size_t end = text.find(' ', index + 1);
    if (end == std::string_view::npos) end = text.size();
    const int word = static_cast<int>(end - index - 1);
    if (wrapCount + word > kWrapLimit) {
      t.breakRow = true;
      wrapCount = 0;
    }
  }
  return t;
}

std::vector<std::string> TypedRows(std::string_view text) {
  std::vector<std::string> rows(1);
  int wrap = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const TypedCharacter t = TypeCharacter(text, i, wrap);
    rows.back() += t.shown;
    if (t.breakRow) rows.emplace_back();
  }
  for (std::string& row : rows)  // the blank before a break shows nothing
    while (!row.empty() && row.back() == ' ') row.pop_back();
  return rows;
}

}  // namespace vt
