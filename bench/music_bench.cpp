// What a change of music costs the main thread: the three commands the game sends
// ("close", "open", "play"), then frames of 1/64 s in which the platform looks in
// on the track being loaded, until it plays. Each iteration changes to the next
// track. Reported: the longest the main thread spent in any one sound call
// (longest_stall_ms, over all iterations) and the average time from the change to
// the track playing (until_playing_ms).
//
// Arg 0 plays with the game's own sound font, arg 1 with a large General MIDI
// font, from VELTRANE_BENCH_LARGE_SOUNDFONT or else where fluid-soundfont-gm puts
// it. Runs under whatever audio driver SDL picks; SDL_AUDIODRIVER=dummy needs no
// sound card.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/sdl/sdl_sound.h"
#include "platform/sound_font.h"

namespace vt {
namespace {

using Clock = std::chrono::steady_clock;

std::string LargeFont() {
  const char* chosen = std::getenv("VELTRANE_BENCH_LARGE_SOUNDFONT");
  return chosen ? chosen : "/usr/share/sounds/sf2/FluidR3_GM.sf2";
}

std::string Track(int n) {
  char name[16];
  std::snprintf(name, sizeof name, "/Vask%02d.dat", n);
  return std::string(VELTRANE_GAME_DIR) + name;
}

void BM_MusicChange(benchmark::State& state) {
  const bool large = state.range(0) != 0;
  if (large) {
    if (!LooksLikeSoundFont(LargeFont())) return state.SkipWithError("no large sound font");
    setenv(kSoundFontVariable, LargeFont().c_str(), 1);
  } else {
    unsetenv(kSoundFontVariable);
  }
  SdlSound sound;
  if (!sound.Ready()) return state.SkipWithError("no audio device");
  state.SetLabel(sound.SoundFont());

  double longestMs = 0;
  double untilPlayingMs = 0;
  auto timed = [&longestMs](auto call) {
    const Clock::time_point start = Clock::now();
    call();
    longestMs = std::max(longestMs,
                         std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  };
  int track = 1;
  for (auto _ : state) {
    const Clock::time_point change = Clock::now();
    timed([&] { sound.SendMusic({MusicCommand::Kind::Close, {}}); });
    timed([&] { sound.SendMusic({MusicCommand::Kind::Open, Track(track)}); });
    timed([&] { sound.SendMusic({MusicCommand::Kind::Play, {}}); });
    bool playing = false;
    for (int frame = 0; frame < 64 * 10 && !playing; ++frame) {
      std::this_thread::sleep_for(std::chrono::microseconds(15625));
      timed([&] { playing = sound.MusicPlaying(); });
    }
    if (!playing) return state.SkipWithError("the track never started");
    untilPlayingMs += std::chrono::duration<double, std::milli>(Clock::now() - change).count();
    track = track % 15 + 1;
  }
  sound.SendMusic({MusicCommand::Kind::Close, {}});
  state.counters["longest_stall_ms"] = longestMs;
  state.counters["until_playing_ms"] =
      untilPlayingMs /
      static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
}
BENCHMARK(BM_MusicChange)
    ->ArgName("large_font")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vt
