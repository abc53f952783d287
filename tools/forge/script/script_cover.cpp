// The script checker's coverage: every conversation and stage the game can ask for, and every
// object use the story needs, must have its section.
#include <filesystem>
#include <map>
#include <set>
#include <span>

#include "data/script_lines.h"
#include "data/tile_codes.h"
#include "districts/districts.h"
#include "script/script.h"

namespace forge {
namespace {

struct Stage {
  int conversation;
  int stage;
  const char* why;
};

// Headquarters' replies set stages when they are received at the unit: the checkpoint is
// lifted (Kamal says so), Saidi trusts Dan, then sends him to Islamia Oil, and the quarter's
// escape begins.
constexpr Stage kReplyStages[] = {
    {141, 2, "reply 1 sets it"},
    {163, 2, "reply 5 sets it"},
    {163, 3, "reply 6 sets it"},
    {vt::story::kSealedQuarter, 2, "reply 8 sets it"},
};

// The game screen sets these itself after a talk: Jamil, once he has the shoes, sends Dan to
// Hakim; Leila rings the intercom of Saidi's office.
constexpr Stage kTalkStages[] = {
    {vt::story::kToHakim, 2, "set after talking to Jamil"},
    {vt::story::kLeilaMet, 1, "set after talking to Leila"},
};

// Conversations the game opens by itself or from background tiles, never from an object.
constexpr int kFixedConversations[] = {
    vt::talk::kBriefing,  vt::talk::kShelves,       vt::talk::kWindows, vt::talk::kDisguise,
    vt::talk::kNoWayBack, vt::talk::kTaxi,          vt::talk::kMirror,  vt::talk::kPortraits,
    vt::talk::kWayOut,    vt::talk::kSmugglersWall,
};

// Every object use the story is built on: the object, the person or thing it is used on and
// the stage it leads to.
struct Use {
  int object;
  int conversation;
  int stage;
};
constexpr Use kObjectUses[] = {
    {33, 4, 2},   {39, 5, 2},    {38, 26, 1},  {123, 2, 2},  {150, 10, 2},
    {43, 9, 2},   {40, 8, 2},    {42, 90, 1},  {42, 91, 1},  {41, 19, 2},
    {129, 7, 2},  {122, 109, 1}, {126, 21, 1}, {128, 67, 1}, {127, 66, 2},
    {73, 35, 2},  {121, 36, 1},  {84, 37, 1},  {122, 92, 1}, {122, 93, 1},
    {120, 46, 1}, {162, 77, 1},  {130, 62, 2}, {32, 71, 1},  {172, 112, 1},
};

using Needs = std::map<std::pair<int, int>, std::vector<std::string>>;

void DistrictNeeds(const std::string& gameDir, Needs& needs, std::vector<std::string>& out) {
  for (int d = 1; d <= kDistrictCount; ++d) {
    const std::string name = DistrictDataName(d);
    const std::string path = gameDir + "/" + name;
    if (!std::filesystem::exists(path)) {
      out.push_back(name + ": not in the game folder; the conversations it starts are unknown");
      continue;
    }
    std::vector<std::string> problems;
    const auto model = ReadDistrictModel(path, problems);
    if (!model) continue;  // the district check reports why
    for (int n : ConversationNumbers(*model)) needs[{n, 0}].push_back("started in " + name);
  }
}

void ScriptNeeds(const Script& script, Needs& needs) {
  for (const auto& s : script) {
    if (s.IsObjectUse())
      needs[{s.conversation, s.stage}].push_back(SectionName(s) + " at " + s.where +
                                                 " leads to it");
    for (const auto& line : s.lines)
      if (vt::KindOf(line.text) == vt::ScriptLineKind::Stage && vt::LastDigit(line.text) >= 0)
        needs[{s.conversation, vt::LastDigit(line.text)}].push_back("set at " + line.where);
  }
}

std::string Joined(const std::vector<std::string>& reasons) {
  std::string all;
  for (const auto& r : reasons) all += (all.empty() ? "" : "; ") + r;
  return all;
}

}  // namespace

std::vector<std::string> MissingSections(const Script& script, const std::string& gameDir) {
  std::vector<std::string> out;
  Needs needs;
  if (!gameDir.empty()) DistrictNeeds(gameDir, needs, out);
  for (int n : kFixedConversations) needs[{n, 0}].push_back("the game opens it");
  for (const auto& list :
       {std::span<const Stage>(kReplyStages), std::span<const Stage>(kTalkStages)})
    for (const Stage& s : list) needs[{s.conversation, s.stage}].push_back(s.why);
  ScriptNeeds(script, needs);

  std::set<std::pair<int, int>> written;
  std::map<std::pair<int, int>, const ScriptSection*> uses;  // (object, conversation)
  for (const auto& s : script) {
    if (s.IsObjectUse())
      uses.emplace(std::make_pair(s.object, s.conversation), &s);
    else
      written.insert({s.conversation, s.stage});
  }
  for (const auto& [key, reasons] : needs)
    if (!written.count(key))
      out.push_back("missing conv " + std::to_string(key.first) + "/" + std::to_string(key.second) +
                    " (" + Joined(reasons) + ")");
  for (const Use& u : kObjectUses) {
    const std::string name = "obj " + std::to_string(u.object) + " -> " +
                             std::to_string(u.conversation) + "/" + std::to_string(u.stage);
    const auto found = uses.find({u.object, u.conversation});
    if (found == uses.end())
      out.push_back("missing " + name + " (an object use of the story)");
    else if (found->second->stage != u.stage)
      out.push_back(found->second->where + ": " + SectionName(*found->second) +
                    " should lead to stage " + std::to_string(u.stage) + " (" + name + ")");
  }
  return out;
}

}  // namespace forge
