// veltrane-monkey [--data DIR] [--saves DIR] [--seed N] [--inputs N] [--every N]
//                 [--slot N FILE]...
// Plays N random inputs (10000 unless told) with the seed given (1 unless told)
// against the game folder (the program's own unless told), with the saved games
// in DIR (a folder of its own under the temporary folder unless told), checking
// after every input what must always hold. --slot puts a saved game into a slot
// first. Exit status 0 when everything held, 1 with the seed and the input it
// failed after, 2 for bad usage.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/files.h"
#include "tools/monkey/monkey.h"

int main(int argc, char** argv) {
  vt::MonkeyOptions options;
  options.dataFolder = vt::ExecutableFolder();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--data" && hasValue) {
      options.dataFolder = argv[++i];
    } else if (arg == "--saves" && hasValue) {
      options.savesFolder = argv[++i];
    } else if (arg == "--seed" && hasValue) {
      options.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--inputs" && hasValue) {
      options.inputs = std::strtol(argv[++i], nullptr, 10);
    } else if (arg == "--every" && hasValue) {
      options.reportEvery = std::strtol(argv[++i], nullptr, 10);
    } else if (arg == "--slot" && i + 2 < argc) {
      const int slot = std::atoi(argv[++i]);
      if (slot < 1 || slot > 5) {
        std::cerr << "veltrane-monkey: a slot is 1 to 5\n";
        return 2;
      }
      options.slotFiles[slot] = argv[++i];
    } else {
      std::cerr << "usage: veltrane-monkey [--data DIR] [--saves DIR] [--seed N] [--inputs N] "
                   "[--every N] [--slot N FILE]...\n";
      return 2;
    }
  }
  if (options.savesFolder.empty())
    options.savesFolder =
        (std::filesystem::temp_directory_path() / ("veltrane-monkey-" + std::to_string(getpid())))
            .string();
  const vt::MonkeyResult result = vt::RunMonkey(options, std::cerr);
  std::cout << "seed " << options.seed << ": " << result.inputs << " inputs in " << result.seconds
            << " s (" << static_cast<long>(result.inputs / std::max(result.seconds, 1e-9))
            << " a second), " << result.programRuns << " program starts, peak memory "
            << result.peakKbEarly << " kB after 1000 inputs, " << result.peakKbEnd
            << " kB at the end\n";
  if (!result.broken.empty()) {
    std::cout << "FAILED: seed " << options.seed << ", after input " << result.inputs << ": "
              << result.broken << "\n"
              << "replay: veltrane-monkey --seed " << options.seed << " --inputs " << result.inputs
              << "\n"
              << "the last inputs:\n";
    for (const std::string& input : result.lastInputs) std::cout << "  " << input << "\n";
    return 1;
  }
  return 0;
}
