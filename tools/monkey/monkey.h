// veltrane-monkey: a random but weighted player that hammers the game headless
// and checks, after every input, what must always hold.
//
// The same seed plays the same run: a failing seed is printed with the input
// it failed after, and running it again with that many inputs replays it.
#pragma once

#include <cstdint>
#include <deque>
#include <iosfwd>
#include <map>
#include <string>

namespace vt {

struct MonkeyOptions {
  std::string dataFolder;
  std::string savesFolder;  // five empty slots at the start, then whatever the run saves
  std::map<int, std::string> slotFiles;  // slot 1-5: a saved game put there at the start
  std::uint64_t seed = 1;
  long inputs = 10000;
  long reportEvery = 0;  // print progress every so many inputs (0: never)
};

struct MonkeyResult {
  long inputs = 0;       // inputs given
  long programRuns = 0;  // starts of the program (EXIT ends one; the next starts afresh)
  std::string broken;    // what did not hold, empty when everything did
  std::deque<std::string> lastInputs;  // the last few inputs given, numbered, in order
  double seconds = 0;                  // wall time
  long peakKbEarly = 0;                // peak resident memory after the first thousand inputs
  long peakKbEnd = 0;                  // and at the end
};

MonkeyResult RunMonkey(const MonkeyOptions& options, std::ostream& log);

}  // namespace vt
