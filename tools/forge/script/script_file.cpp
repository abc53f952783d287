// The script file itself: writing it from the sections, and reading it back as the game does.
#include <algorithm>
#include <cstdio>

#include "data/field_reader.h"
#include "data/script_lines.h"
#include "script/script.h"

namespace forge {
namespace {

std::string Three(int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%03d", n);
  return buffer;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "Conv" + three digits in characters 5 to 7 + ... + the stage digit last.
bool WellFormedConvHeader(const std::string& line) {
  return vt::IsConvHeader(line) && line.size() >= 8 && IsDigit(line[4]) && IsDigit(line[5]) &&
         IsDigit(line[6]) && vt::LastDigit(line) >= 0 && line.find(',') == std::string::npos;
}

// "Obj" + ... + the object number in the last three characters.
bool WellFormedObjHeader(const std::string& line) {
  const std::size_t n = line.size();
  return vt::IsObjHeader(line) && n >= 6 && IsDigit(line[n - 3]) && IsDigit(line[n - 2]) &&
         IsDigit(line[n - 1]) && line.find(',') == std::string::npos;
}

}  // namespace

std::string SectionName(const ScriptSection& s) {
  const std::string convStage = std::to_string(s.conversation) + "/" + std::to_string(s.stage);
  return s.IsObjectUse() ? "obj " + std::to_string(s.object) + " -> " + convStage
                         : "conv " + convStage;
}

std::string ScriptFileText(const Script& script) {
  // The game finds a conversation by the first header that matches, and an object section's
  // second line is such a header too: conversations first, or some would never play.
  Script ordered = script;
  std::stable_partition(ordered.begin(), ordered.end(),
                        [](const ScriptSection& s) { return !s.IsObjectUse(); });
  std::string out;
  for (const auto& s : ordered) {
    if (s.IsObjectUse()) {
      out += "Obj for " + Three(s.object) + "\r\n";
      out += "Conv" + Three(s.conversation) + " leads to " + std::to_string(s.stage) + "\r\n";
    } else {
      out += "Conv" + Three(s.conversation) + " stage " + std::to_string(s.stage) + "\r\n";
    }
    for (const auto& line : s.lines) out += line.text + "\r\n";
    out += "\r\n";
  }
  out += "EOF\r\n";
  return out;
}

std::optional<Script> ReadScriptFile(const std::string& path, std::vector<std::string>& problems) {
  std::string error;
  auto reader = vt::FieldReader::Open(path, &error);
  if (!reader) {
    problems.push_back(error);
    return std::nullopt;
  }
  auto report = [&](const std::string& what) { problems.push_back(reader->Where() + ": " + what); };
  Script script;
  while (true) {
    auto line = reader->ReadLine();
    if (!line) {
      report("the file ends without \"EOF\"");
      break;
    }
    if (*line == "EOF") {
      if (!reader->OnlyBlanksLeft()) report("text after \"EOF\" (the game never reads it)");
      break;
    }
    if (line->empty()) continue;
    ScriptSection s;
    s.where = reader->Where();
    if (vt::IsObjHeader(*line)) {
      if (!WellFormedObjHeader(*line)) report("not \"Obj\" + ... + a three-digit object number");
      s.object = vt::HeaderObject(*line);
      line = reader->ReadLine();
      if (!line || !vt::IsConvHeader(*line)) {
        report("an object section's second line must be a conversation header");
        continue;
      }
    } else if (!vt::IsConvHeader(*line)) {
      report("\"" + *line + "\" is not a section header (\"Conv...\" or \"Obj...\")");
      continue;
    }
    if (!WellFormedConvHeader(*line))
      report("not \"Conv\" + a three-digit conversation number + ... + the stage digit");
    s.conversation = vt::HeaderConversation(*line);
    s.stage = std::max(0, vt::LastDigit(*line));
    while (true) {
      line = reader->ReadLine();
      if (!line || *line == "EOF") {
        report(SectionName(s) + " is not closed by an empty line");
        break;
      }
      if (line->empty()) break;
      s.lines.push_back({*line, reader->Where()});
    }
    script.push_back(s);
    if (!line) {
      report("the file ends without \"EOF\"");
      break;
    }
    if (*line == "EOF") break;
  }
  return script;
}

}  // namespace forge
