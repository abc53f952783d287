// What the whole story played of the conversation script: every section the
// quest chain needs, and the list of those no run reaches yet.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "data/script_lines.h"
#include "scratch_folder.h"
#include "tools/runner/runner.h"
#include "util/json.h"

namespace vt::test {
namespace {

std::string Text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Every section of the game's script, named as the dump names them.
std::set<std::string> ScriptSections(const std::string& path) {
  std::set<std::string> sections;
  std::istringstream in(Text(path));
  std::string line;
  int object = -1;  // an object header waits for its conversation line
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsObjHeader(line)) {
      object = HeaderObject(line);
      continue;
    }
    if (!IsConvHeader(line)) continue;
    const std::string at =
        std::to_string(HeaderConversation(line)) + "/" + std::to_string(LastDigit(line));
    sections.insert(object >= 0 ? "obj " + std::to_string(object) + " -> " + at : "conv " + at);
    object = -1;
  }
  return sections;
}

class WalkthroughCoverage : public ScratchFolder {
 protected:
  WalkthroughCoverage() : ScratchFolder("veltrane-coverage-") {}
};

TEST_F(WalkthroughCoverage, TheWholeStoryPlaysEveryChainSection) {
  const std::string script = VELTRANE_TEST_DATA "/../scripts/walkthrough/whole_story.txt";
  RunnerOptions options;
  options.dataFolder = VELTRANE_GAME_DIR;
  options.savesFolder = dir_.string();
  options.scriptName = script;
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunScript(options, Text(script) + "\ndump sections\n", out, err), 0) << err.str();
  const auto played = Json::Parse(out.str());
  ASSERT_TRUE(played.has_value() && played->IsArray()) << out.str().substr(0, 200);
  std::set<std::string> sections;
  for (const Json& section : played->AsArray()) sections.insert(section.AsString());

  // The sections the quest chain itself plays, step by step.
  const char* chain[] = {
      "conv 242/0",      "conv 1/0",         "conv 2/0",        "conv 39/0",
      "obj 39 -> 5/2",   "obj 38 -> 26/1",   "conv 117/2",      "conv 123/0",
      "obj 123 -> 2/2",  "conv 33/0",        "obj 33 -> 4/2",   "conv 42/0",
      "obj 42 -> 90/1",  "conv 120/0",       "conv 150/0",      "obj 150 -> 10/2",
      "conv 73/0",       "conv 141/2",       "conv 18/0",       "conv 43/0",
      "obj 41 -> 19/2",  "obj 43 -> 9/2",    "obj 40 -> 8/2",   "conv 6/0",
      "obj 129 -> 7/2",  "obj 122 -> 109/1", "obj 126 -> 21/1", "obj 128 -> 67/1",
      "conv 32/0",       "obj 127 -> 66/2",  "obj 73 -> 35/2",  "conv 148/0",
      "conv 140/1",      "conv 163/0",       "obj 121 -> 36/1", "obj 84 -> 37/1",
      "conv 163/2",      "obj 120 -> 46/1",  "conv 163/3",      "obj 162 -> 77/1",
      "obj 130 -> 62/2", "conv 65/0",        "obj 32 -> 71/1",  "obj 172 -> 112/1",
      "conv 113/0",      "conv 189/0",       "conv 245/0",      "conv 187/0",
      "conv 247/0"};
  for (const char* section : chain) EXPECT_EQ(sections.count(section), 1u) << section;

  // Every section played is one the script has, and the rest are listed.
  const std::set<std::string> all = ScriptSections(VELTRANE_GAME_DIR "/Morvane03.dat");
  std::string never;
  int count = 0;
  for (const std::string& section : all) {
    if (sections.count(section)) continue;
    never += (count++ % 8 == 0 ? "\n  " : ", ") + section;
  }
  for (const std::string& section : sections) EXPECT_EQ(all.count(section), 1u) << section;
  std::cout << sections.size() << " of " << all.size()
            << " script sections played; never played:" << never << "\n";
}

}  // namespace
}  // namespace vt::test
