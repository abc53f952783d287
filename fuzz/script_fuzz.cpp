// The conversation script as a player might leave it: the first conversation
// section in it and the first object use are played through to their ends.
#include <cstdint>
#include <string_view>

#include "data/script_lines.h"
#include "fuzz_game.h"
#include "fuzz_support.h"
#include "interaction/interaction.h"

namespace {

struct Section {
  int scene = -1;
  int stage = 0;
  int object = 0;  // an object use: the object given
};

// The first Conv section and the first Obj section the text names.
void FindSections(std::string_view text, Section& conv, Section& use) {
  bool objHeaderBefore = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (objHeaderBefore && use.scene < 0) {
      use.scene = vt::HeaderConversation(line);
      objHeaderBefore = false;
    } else if (vt::IsObjHeader(line) && use.scene < 0) {
      use.object = vt::HeaderObject(line);
      objHeaderBefore = true;
    } else if (vt::IsConvHeader(line) && conv.scene < 0) {
      conv.scene = vt::HeaderConversation(line);
      conv.stage = vt::LastDigit(line);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vt::fuzz::PutFile(std::string(vt::kScriptFile), data, size);
  Section conv, use;
  FindSections(vt::fuzz::AsText(data, size), conv, use);

  static vt::fuzz::ReusedGame games(vt::fuzz::Scratch().string());
  vt::fuzz::FuzzGame& fuzz = games.Next();
  vt::WorldState& w = fuzz.world();
  if (conv.scene >= 0) {
    w.TalkScene = static_cast<std::int16_t>(conv.scene);
    if (conv.scene < static_cast<int>(w.StoryFlags.size()))
      w.StoryFlags[static_cast<std::size_t>(conv.scene)] = static_cast<std::uint8_t>(conv.stage);
    w.TalkFlag = true;
    fuzz.Run([&] { fuzz.shell().ShowTalk(); });
  }
  if (use.scene >= 0) {
    w.Inventory[1] = static_cast<std::int16_t>(use.object);
    w.InvCount = 1;
    w.InvFirst = 1;
    w.TalkScene = static_cast<std::int16_t>(use.scene);
    w.TalkFlag = false;
    fuzz.Run([&] { fuzz.shell().ShowTalk(); });
  }
  if (w.InvCount < 0 || w.InvCount > 40) vt::fuzz::Broken("the inventory count left 0 to 40");
  return 0;
}
