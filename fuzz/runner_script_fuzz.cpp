// The runner's script: read into commands, and every path and value it names
// looked up in a state dump and parsed the way the runner compares them.
#include <cstdint>
#include <string>

#include "fuzz_game.h"
#include "fuzz_support.h"
#include "tools/runner/dump.h"
#include "tools/runner/script.h"
#include "util/json.h"

namespace {

const vt::Json& Dump() {
  static const vt::Json dump = [] {
    vt::fuzz::FuzzGame fuzz;
    return vt::DumpState(fuzz.game(), fuzz.platform());
  }();
  return dump;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Files the script includes are looked for beside it, in a folder that holds none.
  const std::string script = (vt::fuzz::Scratch() / "script.txt").string();
  const vt::ScriptParse parse = vt::ParseScript(std::string(vt::fuzz::AsText(data, size)), script);
  for (const vt::ScriptCommand& c : parse.commands) {
    if (c.kind != vt::ScriptCommand::Kind::Dump && c.kind != vt::ScriptCommand::Kind::Expect)
      continue;
    (void)Dump().AtPath(c.text);
    if (c.kind != vt::ScriptCommand::Kind::Expect) continue;
    const auto value = vt::Json::Parse(c.value);
    if (!value) continue;
    const auto again = vt::Json::Parse(value->Dump());
    if (!again || !(*again == *value)) vt::fuzz::Broken("a JSON value read back differently");
  }
  return 0;
}
