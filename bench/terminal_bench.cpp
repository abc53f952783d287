// What the unit's terminal costs: one received transmission printed character by
// character with the game's real font, as the unit prints it, against a 60 Hz frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "data/transmissions.h"
#include "platform/sdl/sdl_media.h"
#include "transmission/terminal.h"

namespace vt {
namespace {

// The longest reply, printed one character at a time from a cleared terminal.
void BM_TerminalTransmission(benchmark::State& state) {
  SdlMedia media;
  Terminal terminal(media.Text());
  std::string_view longest;
  for (std::string_view reply : kReplyTexts)
    if (reply.size() > longest.size()) longest = reply;
  std::size_t characters = 0;
  for (auto _ : state) {
    terminal.Clear();
    for (std::size_t i = 0; i < longest.size(); ++i) {
      terminal.Print(longest.substr(i, 1));
      if (i % 40 == 39) terminal.Break();
    }
    characters += longest.size();
    benchmark::DoNotOptimize(terminal.Screen().Pixels().data());
  }
  // items_per_second: characters drawn a second; a 60 Hz frame is 16.7 ms.
  state.SetItemsProcessed(static_cast<std::int64_t>(characters));
}
BENCHMARK(BM_TerminalTransmission)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vt
