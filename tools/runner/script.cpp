// Parsing of runner scripts.
#include "tools/runner/script.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/pad_keys.h"
#include "platform/platform.h"

namespace vt {
namespace {

bool ToInt(const std::string& s, int& out) {
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && p == s.data() + s.size();
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

struct SourceLine {
  std::string file;
  int line;
  std::string text;
};

// A file named by a script: beside it unless the path is absolute.
std::string Beside(const std::string& script, const std::string& name) {
  const std::filesystem::path p(name);
  if (p.is_absolute() || script == "-") return name;
  return (std::filesystem::path(script).parent_path() / p).string();
}

// The script's lines with every "include FILE" replaced by FILE's lines.
bool Expand(const std::string& file, const std::string& text, int depth,
            std::vector<SourceLine>& out, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const auto words = Words(raw);
    if (words.empty() || words[0] != "include") {
      out.push_back({file, lineNo, raw});
      continue;
    }
    auto fail = [&](const std::string& why) {
      error = file + ":" + std::to_string(lineNo) + ": " + why;
      return false;
    };
    if (words.size() != 2) return fail("include takes one FILE");
    if (depth >= 8) return fail("includes go more than 8 files deep");
    const std::string path = Beside(file, words[1]);
    std::ifstream included(path, std::ios::binary);
    if (!included) return fail("cannot read " + path);
    std::stringstream body;
    body << included.rdbuf();
    if (!Expand(path, body.str(), depth + 1, out, error)) return false;
  }
  return true;
}

}  // namespace

std::string ScriptFileBeside(const std::string& script, const std::string& name) {
  return Beside(script, name);
}

int KeyCodeForName(const std::string& name) {
  static const std::pair<const char*, int> kNames[] = {
      {"Enter", key::kEnter},    {"Esc", key::kEscape},
      {"Space", key::kSpace},    {"Tab", key::kTab},
      {"Ctrl", key::kControl},   {"Left", key::kLeft},
      {"Right", key::kRight},    {"Up", key::kUp},
      {"Down", key::kDown},      {"PageDown", key::kPageDown},
      {"End", key::kEnd},        {"F1", key::kF1},
      {"F2", key::kF2},          {"F3", key::kF3},
      {"Backspace", key::kBack}, {"Shift", key::kShift}};
  for (const auto& [n, code] : kNames)
    if (name == n) return code;
  if (name.size() == 1) {
    const unsigned char c = static_cast<unsigned char>(name[0]);
    if (std::isdigit(c)) return c;
    if (std::isalpha(c)) return std::toupper(c);
  }
  return 0;
}

int PadButtonForName(const std::string& name) {
  static const std::pair<const char*, PadButton> kNames[] = {
      {"A", PadButton::South},         {"B", PadButton::East},
      {"X", PadButton::West},          {"Y", PadButton::North},
      {"Back", PadButton::Back},       {"Start", PadButton::Start},
      {"LB", PadButton::LeftShoulder}, {"RB", PadButton::RightShoulder},
      {"Up", PadButton::Up},           {"Down", PadButton::Down},
      {"Left", PadButton::Left},       {"Right", PadButton::Right},
      {"LT", PadButton::LeftTrigger},  {"RT", PadButton::RightTrigger}};
  for (const auto& [n, button] : kNames)
    if (name == n) return static_cast<int>(button);
  return -1;
}

ScriptParse ParseScript(const std::string& text, const std::string& file) {
  ScriptParse result;
  std::vector<SourceLine> lines;
  if (!Expand(file, text, 0, lines, result.error)) return result;
  int lineNo = 0;
  std::string lineFile = file;
  auto fail = [&](const std::string& why) {
    result.error =
        (lineFile == file ? "" : lineFile + ":") + "line " + std::to_string(lineNo) + ": " + why;
    result.commands.clear();
    return result;
  };
  for (const SourceLine& source : lines) {
    lineNo = source.line;
    lineFile = source.file;
    std::string line = source.text;
    // Blank lines (whatever the blanks), and comments: '#' at the start of the first word
    // (a typed text may hold '#' inside).
    const auto words = Words(line);
    if (words.empty() || words[0].front() == '#') continue;
    ScriptCommand c;
    c.file = source.file;
    c.line = lineNo;
    const std::string& verb = words[0];
    if (verb == "key" || verb == "keydown" || verb == "keyup") {
      if (words.size() < 2 || words.size() > 3) return fail(verb + " takes NAME [shift]");
      c.kind = verb == "key"       ? ScriptCommand::Kind::Key
               : verb == "keydown" ? ScriptCommand::Kind::KeyDown
                                   : ScriptCommand::Kind::KeyUp;
      c.keyCode = KeyCodeForName(words[1]);
      if (c.keyCode == 0) return fail("unknown key '" + words[1] + "'");
      if (words.size() == 3) {
        if (words[2] != "shift") return fail("expected 'shift', got '" + words[2] + "'");
        c.shift = kShiftMask;
      }
    } else if (verb == "click" || verb == "move") {
      c.kind = verb == "click" ? ScriptCommand::Kind::Click : ScriptCommand::Kind::Move;
      if (words.size() < 3 || !ToInt(words[1], c.x) || !ToInt(words[2], c.y))
        return fail(verb + " takes X Y");
      for (std::size_t i = 3; i < words.size(); ++i) {
        if (c.kind == ScriptCommand::Kind::Click && words[i] == "right") {
          c.button = kRightButton;
        } else if (words[i] == "shift") {
          c.shift = kShiftMask;
        } else {
          return fail("unexpected '" + words[i] + "'");
        }
      }
    } else if (verb == "pad" || verb == "paddown" || verb == "padup") {
      c.kind = verb == "pad"       ? ScriptCommand::Kind::Pad
               : verb == "paddown" ? ScriptCommand::Kind::PadDown
                                   : ScriptCommand::Kind::PadUp;
      if (words.size() != 2) return fail(verb + " takes a BUTTON");
      c.keyCode = PadButtonForName(words[1]);
      if (c.keyCode < 0) return fail("unknown pad button '" + words[1] + "'");
    } else if (verb == "stick") {
      c.kind = ScriptCommand::Kind::Stick;
      if (words.size() != 3 || !ToInt(words[1], c.x) || !ToInt(words[2], c.y) || c.x < -32768 ||
          c.x > 32767 || c.y < -32768 || c.y > 32767)
        return fail("stick takes X Y, each -32768 to 32767");
    } else if (verb == "padgone") {
      c.kind = ScriptCommand::Kind::PadGone;
      if (words.size() != 1) return fail("padgone takes nothing");
    } else if (verb == "type") {
      c.kind = ScriptCommand::Kind::Type;
      const auto at = line.find("type") + 4;
      c.text = at < line.size() ? line.substr(at + 1) : "";
    } else if (verb == "wait") {
      c.kind = ScriptCommand::Kind::Wait;
      if (words.size() != 2 || !ToInt(words[1], c.ms) || c.ms < 0)
        return fail("wait takes a number of milliseconds");
    } else if (verb == "talk") {
      c.kind = ScriptCommand::Kind::Talk;
      if (words.size() != 1) return fail("talk takes nothing");
    } else if (verb == "dump") {
      c.kind = ScriptCommand::Kind::Dump;
      if (words.size() > 2) return fail("dump takes at most a PATH");
      if (words.size() == 2) c.text = words[1];
    } else if (verb == "shot") {
      c.kind = ScriptCommand::Kind::Shot;
      if (words.size() != 2) return fail("shot takes FILE.png");
      c.text = words[1];
    } else if (verb == "expect") {
      c.kind = ScriptCommand::Kind::Expect;
      if (words.size() < 3) return fail("expect takes PATH VALUE");
      c.text = words[1];
      // The value is the rest of the line, so strings may hold spaces.
      const auto pathAt = line.find(words[1], line.find("expect") + 6);
      c.value = line.substr(line.find_first_not_of(" \t", pathAt + words[1].size()));
      c.value.erase(c.value.find_last_not_of(" \t") + 1);
    } else if (verb == "slot" || verb == "expectslot") {
      c.kind = verb == "slot" ? ScriptCommand::Kind::Slot : ScriptCommand::Kind::ExpectSlot;
      if (words.size() != 3 || !ToInt(words[1], c.x) || c.x < 1 || c.x > 5)
        return fail(verb + " takes a slot number 1 to 5 and a FILE");
      c.text = words[2];
    } else {
      return fail("unknown command '" + verb + "'");
    }
    result.commands.push_back(std::move(c));
  }
  return result;
}

}  // namespace vt
