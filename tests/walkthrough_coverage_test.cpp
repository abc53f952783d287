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

  // The sections one script plays, run from its own folder of slots.
  std::set<std::string> Played(const std::string& name) {
    const std::string script = VELTRANE_TEST_DATA "/../scripts/" + name;
    RunnerOptions options;
    options.dataFolder = VELTRANE_GAME_DIR;
    options.savesFolder = (dir_ / name).string();
    options.scriptName = script;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunScript(options, Text(script) + "\ndump sections\n", out, err), 0)
        << name << ": " << err.str();
    std::set<std::string> sections;
    const std::string dump = out.str();
    const auto played = Json::Parse(dump.substr(dump.rfind('\n', dump.size() - 2) + 1));
    EXPECT_TRUE(played.has_value() && played->IsArray()) << name;
    if (played && played->IsArray())
      for (const Json& section : played->AsArray()) sections.insert(section.AsString());
    return sections;
  }
};

TEST_F(WalkthroughCoverage, TheWholeStoryPlaysEveryChainSection) {
  const std::set<std::string> sections = Played("walkthrough/whole_story.txt");
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
}

TEST_F(WalkthroughCoverage, TheSideVisitsPlayEverySectionThatCanBeReached) {
  std::set<std::string> sections;
  for (const char* script : {"walkthrough/whole_story.txt", "walkthrough/edges.txt",
                             "walkthrough/edges_districts.txt", "side_visits/before_reply1.txt",
                             "side_visits/after_reply1.txt", "side_visits/chapter2_side.txt",
                             "side_visits/chapter3_side.txt", "side_visits/chapter4_side.txt",
                             "side_visits/market_folk.txt", "side_visits/city_folk.txt"})
    sections.merge(Played(script));
  // Every section played is one the script has.
  const std::set<std::string> all = ScriptSections(VELTRANE_GAME_DIR "/Morvane03.dat");
  for (const std::string& section : sections) EXPECT_EQ(all.count(section), 1u) << section;
  // What no player can reach, each for its reason:
  const std::set<std::string> unreachable = {
      // The lines of a locked door once it is open: the key or the lockpick takes the
      // door away with its first use, so nothing is left to talk to.
      "conv 90/1", "conv 91/1", "conv 92/1", "conv 93/1", "conv 109/1",
      // Ali Hassan after the eighth reply: the only way down to him, the shaft, is barred
      // from then on, and no game can be saved to come back to it.
      "conv 189/2",
      // The smugglers' door a second time: it shuts again only when the room is rebuilt,
      // and once it is open the only way on is west through the one-way passage.
      "conv 187/1",
      // The disguise found a second time: it is found when the unit closes after the
      // eighth reply, which sets a flag only loading a game clears, and no game can be
      // saved from the eighth reply on.
      "conv 245/1"};
  std::set<std::string> never;
  for (const std::string& section : all)
    if (!sections.count(section)) never.insert(section);
  std::string list;
  for (const std::string& section : never) list += "\n  " + section;
  EXPECT_EQ(never, unreachable) << "never played:" << list;
  std::cout << sections.size() << " of " << all.size() << " script sections played; never:" << list
            << "\n";
}

}  // namespace
}  // namespace vt::test
