// Reading the script sources: section headers ("conv N/S", "obj O -> N/S"), comments, and the
// section lines as they will stand in the file.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/script.h"

namespace forge {
namespace {

bool AllDigits(const std::string& s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// "N/S": a conversation 0 to 250 and a stage digit.
bool ParseConvStage(const std::string& token, int& conversation, int& stage) {
  const auto slash = token.find('/');
  if (slash == std::string::npos) return false;
  const std::string n = token.substr(0, slash);
  const std::string s = token.substr(slash + 1);
  if (!AllDigits(n) || n.size() > 3 || !AllDigits(s) || s.size() != 1) return false;
  conversation = std::stoi(n);
  stage = s[0] - '0';
  return conversation <= kLastConversation;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// The header on `line`, or an explanation of why it is not one.
std::optional<ScriptSection> Header(const std::string& line, std::string& error) {
  const auto w = Words(line);
  ScriptSection s;
  if (w[0] == "conv") {
    if (w.size() == 2 && ParseConvStage(w[1], s.conversation, s.stage)) return s;
    error = "write \"conv N/S\": a conversation 0 to 250 and a stage 0 to 9";
    return std::nullopt;
  }
  if (w.size() == 4 && AllDigits(w[1]) && w[1].size() <= 3 && w[2] == "->" &&
      ParseConvStage(w[3], s.conversation, s.stage)) {
    s.object = std::stoi(w[1]);
    return s;
  }
  error = "write \"obj O -> N/S\": an object 0 to 999 used on conversation N leading to stage S";
  return std::nullopt;
}

bool IsHeaderLine(const std::string& trimmed) {
  const auto w = Words(trimmed);
  return !w.empty() && (w[0] == "conv" || w[0] == "obj");
}

}  // namespace

void ReadScriptSource(const std::string& text, const std::string& name, Script& script,
                      std::vector<std::string>& errors) {
  std::istringstream in(text);
  std::string line;
  // Lines belong to the section opened last in this source; after a broken header they are
  // dropped unreported, the header's error says it all.
  enum { kNone, kOpen, kBroken } state = kNone;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string where = name + ":" + std::to_string(number);
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    // Indentation is for the reader; trailing blanks are kept for the checker to see.
    std::string body = line.substr(first);
    if (IsHeaderLine(body)) {
      std::string error;
      auto header = Header(body, error);
      if (!header) {
        errors.push_back(where + ": " + error);
        state = kBroken;
        continue;
      }
      header->where = where;
      script.push_back(*header);
      state = kOpen;
      continue;
    }
    if (state == kBroken) continue;
    if (state == kNone) {
      errors.push_back(where +
                       ": a line outside any section (start one with \"conv N/S\" or "
                       "\"obj O -> N/S\")");
      continue;
    }
    std::replace(body.begin(), body.end(), ',', '*');
    script.back().lines.push_back({body, where});
  }
}

std::optional<std::string> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

std::vector<std::string> ScriptSourceFiles(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.is_regular_file() && entry.path().extension() == ".txt")
      files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

Script ReadScriptSources(const std::vector<std::string>& files, std::vector<std::string>& errors) {
  Script script;
  for (const auto& file : files) {
    if (const auto text = FileBytes(file))
      ReadScriptSource(*text, file, script, errors);
    else
      errors.push_back(file + ": cannot be read");
  }
  return script;
}

}  // namespace forge
