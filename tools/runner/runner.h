// veltrane-run: plays a script against the game on the headless backend.
//
// Input commands are handed to the game one at a time, whenever it waits for
// input; dumps, shots and expectations run at that moment, between inputs.
// Exit status: 0 when the script ran to its end with every expectation met,
// 1 on a failed expectation, 2 on a bad script or usage, 3 when the script
// ended while a modal window was still waiting for input.
#pragma once

#include <iosfwd>
#include <string>

#include "platform/platform.h"

namespace vt {

struct RunnerOptions {
  std::string dataFolder;
  // When set, the saved games live here, and the run starts with five empty slots.
  std::string savesFolder;
  DisplayMode display{1024, 768, 24};
  int dpi = 96;
  bool anotherCopy = false;
  std::string scriptName = "script";  // for messages
};

int RunScript(const RunnerOptions& options, const std::string& scriptText, std::ostream& out,
              std::ostream& err);

}  // namespace vt
