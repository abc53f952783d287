// Effect files as both backends take them: a RIFF wave of plain PCM (or float)
// samples, read whole and checked so that its header and its data agree. The
// length of a sound comes from the sample frames actually present, and a
// caller that waits for a sound never waits longer than kLongestWaitUs.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vt {

// The game's longest waited effect lasts under three seconds; a longer sound
// plays on, but whoever waits for it carries on after this.
constexpr std::uint64_t kLongestWaitUs = 4'000'000;
// About six minutes of CD-quality stereo: far beyond any effect.
constexpr std::int64_t kMaxWaveFileBytes = 64 * 1024 * 1024;

struct WaveSound {
  int formatTag = 1;  // 1 integer PCM, 3 floating point
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<std::uint8_t> samples;  // whole sample frames, as stored

  int FrameBytes() const { return channels * (bitsPerSample / 8); }
  std::uint64_t Frames() const { return samples.size() / static_cast<std::size_t>(FrameBytes()); }
  std::uint64_t LengthUs() const {
    return Frames() * 1'000'000 / static_cast<unsigned>(sampleRate);
  }
  // How long a caller waits for this sound.
  std::uint64_t WaitUs() const { return std::min(LengthUs(), kLongestWaitUs); }
  // The same sound as a plain wave file (one format and one data chunk), for
  // decoders that only read files: they then play exactly what was checked.
  std::vector<std::uint8_t> ToWaveFile() const;
};

struct WaveRead {
  std::optional<WaveSound> sound;
  std::string problem;  // why not, as a clause: "it is missing", "its header says ..."
};

WaveRead ParseWave(std::span<const std::uint8_t> bytes);
WaveRead ReadWave(const std::string& path);

// The line that reports an effect file that cannot be played.
std::string EffectProblemLine(const std::string& path, const std::string& problem);

}  // namespace vt
