// Effect files: their length comes from the sound they hold, a wait for one is
// capped, and a file whose header and data disagree is refused and reported
// once, the same way by the headless and the real backend.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/headless/memory_media.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/wave_file.h"
#include "scratch_folder.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutId(std::vector<std::uint8_t>& out, const char* id) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(id[i]));
}

// A wave file described field by field, so that each field can lie.
struct WaveFields {
  int tag = 1;
  int channels = 1;
  std::uint32_t rate = 22050;
  int bits = 16;
  std::uint32_t frames = 2205;  // 100 ms
  std::int64_t byteRate = -1;   // -1: what the fields above make
  int blockAlign = -1;
  std::int64_t dataSize = -1;  // -1: the bytes written
  std::int64_t riffSize = -1;
  int extraDataBytes = 0;  // sample bytes beyond whole frames
  bool dataFirst = false;
  bool twoFormats = false;
  bool noData = false;
  bool listChunk = false;  // an odd-sized chunk the reader skips

  std::vector<std::uint8_t> Bytes() const {
    const int frameBytes = channels * bits / 8;
    std::vector<std::uint8_t> fmt;
    PutLe(fmt, static_cast<std::uint32_t>(tag), 2);
    PutLe(fmt, static_cast<std::uint32_t>(channels), 2);
    PutLe(fmt, rate, 4);
    PutLe(fmt, static_cast<std::uint32_t>(byteRate >= 0 ? byteRate : rate * frameBytes), 4);
    PutLe(fmt, static_cast<std::uint32_t>(blockAlign >= 0 ? blockAlign : frameBytes), 2);
    PutLe(fmt, static_cast<std::uint32_t>(bits), 2);
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(frames) * frameBytes +
                                      static_cast<std::size_t>(extraDataBytes));
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i * 37);

    std::vector<std::uint8_t> body;
    PutId(body, "WAVE");
    auto putFmt = [&] {
      PutId(body, "fmt ");
      PutLe(body, static_cast<std::uint32_t>(fmt.size()), 4);
      body.insert(body.end(), fmt.begin(), fmt.end());
    };
    auto putData = [&] {
      if (noData) return;
      PutId(body, "data");
      PutLe(body, static_cast<std::uint32_t>(dataSize >= 0 ? dataSize : samples.size()), 4);
      body.insert(body.end(), samples.begin(), samples.end());
      if (samples.size() % 2 != 0) body.push_back(0);
    };
    if (!dataFirst) putFmt();
    if (twoFormats) putFmt();
    if (listChunk) {
      PutId(body, "LIST");
      PutLe(body, 5, 4);
      body.insert(body.end(), {'I', 'N', 'F', 'O', 'x', 0});
    }
    putData();
    if (dataFirst) putFmt();
    std::vector<std::uint8_t> file;
    PutId(file, "RIFF");
    PutLe(file, static_cast<std::uint32_t>(riffSize >= 0 ? riffSize : body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
  }
};

std::uint64_t LengthOf(const WaveFields& wave) {
  const WaveRead read = ParseWave(wave.Bytes());
  EXPECT_TRUE(read.sound) << read.problem;
  return read.sound ? read.sound->LengthUs() : 0;
}

// Files whose header and data disagree, or that describe no playable sound.
struct Lie {
  const char* what;
  WaveFields wave;
  const char* reason;  // part of the reported problem
};

std::vector<Lie> Lies() {
  std::vector<Lie> lies;
  auto add = [&lies](const char* what, auto change, const char* reason) {
    WaveFields wave;
    change(wave);
    lies.push_back({what, wave, reason});
  };
  add(
      "one sample per second", [](WaveFields& s) { s.rate = 1; }, "sample rate of 1 per second");
  add(
      "data size past the end", [](WaveFields& s) { s.dataSize = 0x7FFFFFF0; },
      "'data' chunk holds");
  add(
      "file cut short", [](WaveFields& s) { s.riffSize = 1'000'000; }, "bytes long, but it is");
  add(
      "junk after the end", [](WaveFields& s) { s.riffSize = 40; }, "bytes long, but it is");
  add(
      "byte rate of another sound", [](WaveFields& s) { s.byteRate = 1; }, "contradicts itself");
  add(
      "frame size of another sound", [](WaveFields& s) { s.blockAlign = 4; }, "contradicts itself");
  add(
      "no channels", [](WaveFields& s) { s.channels = 0; }, "0 channels");
  add(
      "compressed", [](WaveFields& s) { s.tag = 2; }, "not plain PCM");
  add(
      "12-bit samples", [](WaveFields& s) { s.bits = 12; }, "not plain PCM");
  add(
      "half a frame at the end", [](WaveFields& s) { s.extraDataBytes = 1; }, "middle of a sample");
  add(
      "sound before format", [](WaveFields& s) { s.dataFirst = true; }, "before its format");
  add(
      "two formats", [](WaveFields& s) { s.twoFormats = true; }, "two format chunks");
  add(
      "no sound data", [](WaveFields& s) { s.noData = true; }, "no sound data");
  return lies;
}

// A sound far longer than any wait: 8 s of 8-bit mono at 8000 Hz.
WaveFields LongSound() {
  WaveFields wave;
  wave.rate = 8000;
  wave.bits = 8;
  wave.frames = 64000;
  return wave;
}

class EffectFiles : public test::ScratchFolder {
 protected:
  EffectFiles() : ScratchFolder("veltrane-effects-") {}
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ScratchFolder::SetUp();
  }
};

TEST(WaveFile, LengthComesFromTheSamplesPresent) {
  WaveFields mono;
  mono.frames = 11025;
  EXPECT_EQ(LengthOf(mono), 500'000u);
  WaveFields stereo8;
  stereo8.channels = 2;
  stereo8.bits = 8;
  stereo8.rate = 11025;
  stereo8.frames = 11025 * 2;
  EXPECT_EQ(LengthOf(stereo8), 2'000'000u);
  WaveFields floats;
  floats.tag = 3;
  floats.bits = 32;
  floats.rate = 48000;
  floats.frames = 12000;
  EXPECT_EQ(LengthOf(floats), 250'000u);
  WaveFields odd;  // 8-bit mono with an odd number of bytes, padded, after a skipped chunk
  odd.bits = 8;
  odd.frames = 2205;
  odd.listChunk = true;
  EXPECT_EQ(LengthOf(odd), 100'000u);

  // Written back in plain form, the sound reads the same.
  const WaveRead first = ParseWave(odd.Bytes());
  ASSERT_TRUE(first.sound);
  const WaveRead again = ParseWave(first.sound->ToWaveFile());
  ASSERT_TRUE(again.sound) << again.problem;
  EXPECT_EQ(again.sound->samples, first.sound->samples);
  EXPECT_EQ(again.sound->sampleRate, 22050);
  EXPECT_EQ(again.sound->bitsPerSample, 8);
}

TEST(WaveFile, WaitsStopAtTheCapButNoGameEffectReachesIt) {
  const WaveRead long8s = ParseWave(LongSound().Bytes());
  ASSERT_TRUE(long8s.sound);
  EXPECT_EQ(long8s.sound->LengthUs(), 8'000'000u);
  EXPECT_EQ(long8s.sound->WaitUs(), kLongestWaitUs);

  // The effects the game waits for are heard to their end.
  for (const char* waited : {"Comm00.dat", "Comm01.dat", "Comm02.dat", "Comm06.dat", "Comm14.dat",
                             "Comm19.dat", "Comm26.dat", "Comm28.dat", "Comm34.dat"}) {
    const WaveRead read = ReadWave(std::string(VELTRANE_GAME_DIR) + "/" + waited);
    ASSERT_TRUE(read.sound) << waited << ": " << read.problem;
    EXPECT_GT(read.sound->LengthUs(), 50'000u) << waited;
    EXPECT_EQ(read.sound->WaitUs(), read.sound->LengthUs()) << waited;
  }
}

TEST(WaveFile, HeaderAndDataThatDisagreeAreRefused) {
  for (const Lie& lie : Lies()) {
    const WaveRead read = ParseWave(lie.wave.Bytes());
    EXPECT_FALSE(read.sound) << lie.what;
    EXPECT_NE(read.problem.find(lie.reason), std::string::npos) << lie.what << ": " << read.problem;
  }
  std::vector<std::uint8_t> cut = WaveFields().Bytes();
  cut.resize(30);  // inside the format chunk
  EXPECT_FALSE(ParseWave(cut).sound);
  EXPECT_FALSE(ParseWave({}).sound);
  EXPECT_EQ(ReadWave("/nonexistent/Comm99.dat").problem, "it is missing");
}

TEST_F(EffectFiles, HeadlessWaitsTheSoundsLengthAndReportsBadFilesOnce) {
  MemoryMedia media;
  HeadlessPlatform platform(media);
  const std::string tenth = Write("tenth.wav", WaveFields().Bytes());
  const std::string longer = Write("long.wav", LongSound().Bytes());

  std::uint64_t before = platform.NowUs();
  platform.PlayWave("Tenth", tenth, WaveMode::Wait);
  EXPECT_EQ(platform.NowUs() - before, 100'000u);
  before = platform.NowUs();
  platform.PlayWave("Long", longer, WaveMode::Wait);
  EXPECT_EQ(platform.NowUs() - before, kLongestWaitUs);
  before = platform.NowUs();
  platform.PlayWave("Long", longer, WaveMode::Async);
  EXPECT_EQ(platform.NowUs(), before);
  EXPECT_TRUE(platform.effectProblems.empty());

  for (const Lie& lie : Lies()) {
    const std::string path = Write("lie.wav", lie.wave.Bytes());
    HeadlessPlatform fresh(media);
    ::testing::internal::CaptureStderr();
    fresh.PlayWave("Lie", path, WaveMode::Wait);
    fresh.PlayWave("Lie", path, WaveMode::Wait);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(fresh.NowUs(), 0u) << lie.what;
    ASSERT_EQ(fresh.effectProblems.size(), 1u) << lie.what;
    EXPECT_NE(fresh.effectProblems[0].find(path), std::string::npos);
    EXPECT_EQ(said, fresh.effectProblems[0] + "\n") << lie.what;
    EXPECT_EQ(fresh.effects.size(), 2u);  // still recorded as asked for
  }
}

TEST_F(EffectFiles, RealBackendRefusesTheSameFilesAndCapsTheSameWaits) {
  SdlSound sound;
  if (!sound.Ready()) GTEST_SKIP() << "no audio device";
  for (const Lie& lie : Lies()) {
    const std::string path = Write(std::string("lie-") + lie.what + ".wav", lie.wave.Bytes());
    ::testing::internal::CaptureStderr();
    sound.PlayWave(path, WaveMode::Async);
    EXPECT_FALSE(sound.WavePlaying()) << lie.what;
    sound.PlayWave(path, WaveMode::Wait);  // refused at once, never waited for
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, EffectProblemLine(path, ParseWave(lie.wave.Bytes()).problem) + "\n")
        << lie.what;
  }

  // The wait ends at the cap while the sound goes on.
  sound.PlayWave(Write("long.wav", LongSound().Bytes()), WaveMode::Wait);
  EXPECT_TRUE(sound.WavePlaying());
  // A short one is waited for to its end.
  sound.PlayWave(Write("tenth.wav", WaveFields().Bytes()), WaveMode::Wait);
  EXPECT_FALSE(sound.WavePlaying());
}

}  // namespace
}  // namespace vt
