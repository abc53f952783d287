// The sound effects: every effect the game plays is a sound wave file the
// wave player can take, of a length that suits how it is played; the Morse
// tones keep their timing; the engine loops without a click; the voices are
// voiced at a person's pitch; and a broken recipe (or a missing program) is
// reported by name without leaving a file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "forge.h"
#include "sound/effects.h"

namespace {

namespace fs = std::filesystem;
using forge::EffectMode;

struct Wave {
  std::string problem;  // empty when the file is a good 16-bit mono 44.1 kHz PCM wave
  std::vector<int16_t> samples;
  double Seconds() const { return samples.size() / 44100.0; }
};

uint32_t Le32(const std::string& s, size_t at) {
  return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 |
         uint32_t(uint8_t(s[at + 2])) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}
uint16_t Le16(const std::string& s, size_t at) {
  return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8);
}

Wave ReadWave(const fs::path& path) {
  Wave w;
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string s = buffer.str();
  if (s.size() < 12 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 4, "WAVE") != 0)
    return {"not a RIFF WAVE file", {}};
  if (Le32(s, 4) != s.size() - 8) return {"RIFF size does not match the file", {}};
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= s.size();) {
    const std::string id = s.substr(at, 4);
    const uint32_t size = Le32(s, at + 4);
    if (at + 8 + size > s.size()) return {"chunk " + id + " runs past the end", {}};
    if (id == "fmt ") {
      if (size < 16) return {"short fmt chunk", {}};
      if (Le16(s, at + 8) != 1) return {"not plain PCM", {}};
      if (Le16(s, at + 10) != 1) return {"not mono", {}};
      if (Le32(s, at + 12) != 44100) return {"not 44100 Hz", {}};
      if (Le32(s, at + 16) != 88200 || Le16(s, at + 20) != 2) return {"bad byte rate", {}};
      if (Le16(s, at + 22) != 16) return {"not 16-bit", {}};
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return {"data before fmt", {}};
      if (size % 2) return {"odd data size", {}};
      for (size_t i = 0; i < size; i += 2)
        w.samples.push_back(static_cast<int16_t>(Le16(s, at + 8 + i)));
      return w;
    }
    at += 8 + size + (size & 1);
  }
  return {"no data chunk", {}};
}

Wave GameWave(const std::string& file) { return ReadWave(fs::path(VELTRANE_GAME_DIR) / file); }

// The files, each with the strictest way the game plays it.
std::map<std::string, EffectMode> FileModes() {
  std::map<std::string, EffectMode> files;
  for (const auto& e : forge::EffectManifest()) {
    auto [it, added] = files.emplace(e.file, e.mode);
    if (!added && e.mode == EffectMode::Wait) it->second = EffectMode::Wait;
  }
  return files;
}

// The stretch from the first to the last sample above 1% of the peak.
struct Sounding {
  size_t first = 0, last = 0;
  int peak = 0;
};
Sounding FindSounding(const std::vector<int16_t>& s) {
  Sounding r;
  for (int16_t v : s) r.peak = std::max(r.peak, std::abs(int(v)));
  const int threshold = r.peak / 100;
  for (size_t i = 0; i < s.size(); ++i)
    if (std::abs(int(s[i])) > threshold) {
      if (r.first == 0 && r.last == 0) r.first = i;
      r.last = i;
    }
  return r;
}

double ZeroCrossingHz(const std::vector<int16_t>& s, const Sounding& r) {
  int crossings = 0;
  for (size_t i = r.first + 1; i <= r.last; ++i)
    if ((s[i - 1] < 0) != (s[i] < 0)) ++crossings;
  return crossings / 2.0 / ((r.last - r.first) / 44100.0);
}

TEST(ForgeEffects, ManifestAgreesWithTheGamesEffectTable) {
  std::set<std::string> files;
  for (const auto& e : forge::EffectManifest()) {
    const vt::EffectEntry entry = vt::FindEffect(e.name);
    EXPECT_EQ(entry.file, e.file) << e.name;
    const vt::WaveMode mode = e.mode == EffectMode::Wait   ? vt::WaveMode::Wait
                              : e.mode == EffectMode::Loop ? vt::WaveMode::Loop
                                                           : vt::WaveMode::Async;
    EXPECT_EQ(entry.mode, mode) << e.name;
    files.insert(e.file);
  }
  // Comm00 to Comm34, except Comm04 (unused) and Comm20-23 (mouse pointers).
  std::set<std::string> expected;
  for (int n = 0; n <= 34; ++n) {
    if (n == 4 || (n >= 20 && n <= 23)) continue;
    char name[16];
    std::snprintf(name, sizeof name, "Comm%02d.dat", n);
    expected.insert(name);
  }
  EXPECT_EQ(files, expected);
}

TEST(ForgeEffects, EveryFileIsAWaveOfASuitableLength) {
  for (const auto& [file, mode] : FileModes()) {
    const Wave w = GameWave(file);
    ASSERT_EQ(w.problem, "") << file;
    EXPECT_GE(w.Seconds(), 0.03) << file;
    EXPECT_LE(w.Seconds(), 15.0) << file;
    // The game stands still while a waited-for sound plays.
    if (mode == EffectMode::Wait) {
      EXPECT_LT(w.Seconds(), 3.0) << file;
    }
    if (mode == EffectMode::Loop) {
      EXPECT_GE(w.Seconds(), 1.0) << file;
    }
  }
}

TEST(ForgeEffects, NoFileIsSilentOrClipped) {
  for (const auto& [file, mode] : FileModes()) {
    const Wave w = GameWave(file);
    ASSERT_EQ(w.problem, "") << file;
    double sum = 0;
    int run = 0, longestRun = 0;
    for (int16_t v : w.samples) {
      sum += double(v) * v;
      run = (v >= 32767 || v <= -32767) ? run + 1 : 0;
      longestRun = std::max(longestRun, run);
    }
    const double rmsDb = 10 * std::log10(sum / w.samples.size() / (32768.0 * 32768.0) + 1e-20);
    EXPECT_GT(rmsDb, -45.0) << file << " is all but silent";
    EXPECT_LT(rmsDb, -6.0) << file << " is overloud";
    EXPECT_LT(longestRun, 3) << file << " is clipped";
  }
}

TEST(ForgeEffects, MorseTonesSoundOneToThreeWithAOneUnitGap) {
  const Wave dit = GameWave(vt::FindEffect("Dit").file.data());
  const Wave dah = GameWave(vt::FindEffect("Dah").file.data());
  ASSERT_EQ(dit.problem, "");
  ASSERT_EQ(dah.problem, "");
  const Sounding a = FindSounding(dit.samples), b = FindSounding(dah.samples);
  const double ditTone = (a.last - a.first) / 44100.0, dahTone = (b.last - b.first) / 44100.0;
  EXPECT_NEAR(dahTone / ditTone, 3.0, 0.15);
  EXPECT_GT(ditTone, 0.03);
  EXPECT_LT(ditTone, 0.1);
  // Both start at once and end with a silent unit, so that back to back they space themselves.
  for (const auto* w : {&dit, &dah}) {
    EXPECT_LT(FindSounding(w->samples).first / 44100.0, 0.005);
    size_t silent = 0;
    while (silent < w->samples.size() && std::abs(int(w->samples.rbegin()[silent])) <= 1) ++silent;
    EXPECT_NEAR(silent / 44100.0, ditTone, 0.15 * ditTone) << "the gap after a Morse tone";
  }
  // One pitch for both, in the range of a Morse sounder.
  const double pitch = ZeroCrossingHz(dit.samples, a);
  EXPECT_NEAR(ZeroCrossingHz(dah.samples, b), pitch, pitch * 0.03);
  EXPECT_GT(pitch, 500);
  EXPECT_LT(pitch, 1000);
}

// Of the 40 ms frames within 20 dB of the loudest, the share that repeats itself
// (autocorrelation above 0.6 at a lag of a voice's pitch, 60-400 Hz), and the
// median of those pitches. Speech is mostly voiced; noise never is.
struct Voicing {
  double share = 0, pitchHz = 0;
};
Voicing FindVoicing(const std::vector<int16_t>& s) {
  const size_t frame = 1764;
  std::vector<double> energy;
  for (size_t f = 0; f + frame <= s.size(); f += frame / 2) {
    double e = 0;
    for (size_t i = 0; i < frame; ++i) e += double(s[f + i]) * s[f + i];
    energy.push_back(e);
  }
  const double loudest = energy.empty() ? 0 : *std::max_element(energy.begin(), energy.end());
  int loud = 0;
  std::vector<double> pitches;
  for (size_t k = 0; k < energy.size(); ++k) {
    if (energy[k] < loudest / 100) continue;
    ++loud;
    const size_t f = k * frame / 2;
    double best = 0;
    int bestLag = 0;
    for (int lag = 44100 / 400; lag <= 44100 / 60 && f + frame + lag <= s.size(); ++lag) {
      double r = 0, later = 0;
      for (size_t i = 0; i < frame; ++i) {
        r += double(s[f + i]) * s[f + i + lag];
        later += double(s[f + i + lag]) * s[f + i + lag];
      }
      r /= std::sqrt(energy[k] * later + 1);
      if (r > best) best = r, bestLag = lag;
    }
    if (best > 0.6) pitches.push_back(44100.0 / bestLag);
  }
  if (loud == 0 || pitches.empty()) return {};
  std::sort(pitches.begin(), pitches.end());
  return {double(pitches.size()) / loud, pitches[pitches.size() / 2]};
}

TEST(ForgeEffects, VoicesAreSpokenAtAPersonsPitchWithoutSilenceAround) {
  // An exclamation is short; the sigh is waited for.
  for (const auto& [name, longest] : {std::pair{"Doh!", 1.0}, std::pair{"Ahh", 2.5}}) {
    const Wave w = GameWave(vt::FindEffect(name).file.data());
    ASSERT_EQ(w.problem, "") << name;
    const Voicing v = FindVoicing(w.samples);
    EXPECT_GT(v.share, 0.5) << name << " is hardly voiced";
    EXPECT_GT(v.pitchHz, 70) << name;
    EXPECT_LT(v.pitchHz, 250) << name;
    // espeak-ng leaves half a second of silence after the words: trimmed, not kept.
    const Sounding r = FindSounding(w.samples);
    EXPECT_LT(r.first / 44100.0, 0.1) << name << ": silence before it";
    EXPECT_LT((w.samples.size() - r.last) / 44100.0, 0.5) << name << ": silence after it";
    EXPECT_LT(w.Seconds(), longest) << name;
  }
  // The check itself: noise is not a voice.
  std::vector<int16_t> noise(44100);
  uint32_t seed = 1;
  for (auto& x : noise) x = int16_t((seed = seed * 1664525 + 1013904223) >> 20) - 2048;
  EXPECT_LT(FindVoicing(noise).share, 0.1);
}

TEST(ForgeEffects, EngineLoopJoinsWithoutAClick) {
  const Wave w = GameWave(vt::FindEffect("BackEngine").file.data());
  ASSERT_EQ(w.problem, "");
  const auto& s = w.samples;
  int largestStep = 0;
  for (size_t i = 1; i < s.size(); ++i)
    largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
  const int seam = std::abs(s.front() - s.back());
  // Across the loop point the wave moves no more than a typical step inside it.
  EXPECT_LE(seam, largestStep) << "first " << s.front() << ", last " << s.back();
  EXPECT_LT(seam, 300);
}

// A recipe text with one plain tone per effect file, except those given in "overrides".
std::string ToneRecipes(const std::map<std::string, std::string>& overrides) {
  std::string text;
  std::set<std::string> done;
  for (const auto& e : forge::EffectManifest()) {
    if (!done.insert(e.file).second) continue;
    text += std::string("effect ") + e.file + " " + e.name + "\n";
    auto it = overrides.find(e.name);
    text += it != overrides.end() ? it->second
                                  : "sox -r 44100 -c 1 -n $out synth 0.05 sine 440 gain -6\n";
  }
  return text;
}

TEST(ForgeEffects, RecipeReaderNamesWhatIsWrong) {
  std::vector<std::string> errors;
  auto parsed = forge::ParseEffectRecipes(ToneRecipes({}), errors);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(parsed.size(), FileModes().size());

  auto errorsFor = [](const std::string& text) {
    std::vector<std::string> e;
    forge::ParseEffectRecipes(text, e);
    std::string all;
    for (const auto& x : e) all += x + "\n";
    return all;
  };
  // A missing effect is named with its file.
  EXPECT_NE(errorsFor("").find("Comm26.dat (Drums)"), std::string::npos);
  // A block whose name is not the game's name for that file.
  EXPECT_NE(errorsFor(ToneRecipes({}) + "effect Comm07.dat Dit\nsox -n $out\n").find("line"),
            std::string::npos);
  // Scratch names, references to later effects, and stray lines.
  const auto bad = errorsFor(ToneRecipes({
      {"Dit", "sox -r 44100 -n $Out synth 0.1\n"},
      {"Blip2", "sox @Comm33.dat $out\n"},
      {"Switch", "rm -rf /\n"},
      {"Drums", "sox a$b $out\n"},
  }));
  EXPECT_NE(bad.find("Dit: bad scratch name \"$Out\""), std::string::npos) << bad;
  EXPECT_NE(bad.find("Blip2: \"@Comm33.dat\" is not an effect made earlier"), std::string::npos)
      << bad;
  EXPECT_NE(bad.find("found \"rm\""), std::string::npos) << bad;
  EXPECT_NE(bad.find("Drums: \"a$b\""), std::string::npos) << bad;
  // A speak line: the options checked one by one, the words after the lone ":" one text.
  const auto badSpeak = errorsFor(ToneRecipes({
      {"Ahh", "speak $say -v en -p 50 Ahh\n"},
      {"Doh!", "speak $say -w /tmp/elsewhere.wav : doh\n"},
      {"Clap", "speak $say -p 150 : hey\n"},
      {"Drums", "speak drums.wav : boom\n"},
  }));
  EXPECT_NE(badSpeak.find("Ahh: expected \"speak $name OPTIONS : WORDS\""), std::string::npos)
      << badSpeak;
  EXPECT_NE(badSpeak.find("Doh!: espeak-ng option \"-w\""), std::string::npos) << badSpeak;
  EXPECT_NE(badSpeak.find("Clap: -p wants a whole number from 0 to 99"), std::string::npos)
      << badSpeak;
  EXPECT_NE(badSpeak.find("Drums: speak writes to a scratch file"), std::string::npos) << badSpeak;
  parsed = forge::ParseEffectRecipes(
      ToneRecipes({{"Ahh", "speak $say -v en-us+m3 -p 50 : [[h'A::]]  there\nsox $say $out\n"}}),
      errors);
  for (const auto& r : parsed)
    if (r.name == "Ahh") {
      ASSERT_EQ(r.commands.size(), 2u);
      EXPECT_EQ(r.commands[0].program, "espeak-ng");
      EXPECT_EQ(r.commands[0].args, (std::vector<std::string>{"-w", "$say", "-v", "en-us+m3", "-p",
                                                              "50", "--", "[[h'A::]] there"}));
    }
  // A continued line is one command.
  parsed = forge::ParseEffectRecipes(
      ToneRecipes({{"Dit", "sox -r 44100 -c 1 -n $out \\\n  synth 0.05 sine 750  # tone\n"}}),
      errors);
  for (const auto& r : parsed)
    if (r.name == "Dit") {
      ASSERT_EQ(r.commands.size(), 1u);
      EXPECT_EQ(r.commands[0].args.back(), "750");
    }
}

TEST(ForgeEffects, FailingSoxIsReportedByEffectAndLeavesNoFile) {
  const fs::path root = fs::temp_directory_path() / ("forge-effects-" + std::to_string(::getpid()));
  fs::create_directories(root / "content/effects");
  fs::create_directories(root / "game");
  {
    std::ofstream(root / "content/effects/effects.txt")
        << ToneRecipes({{"Ahh", "sox -r 44100 -c 1 -n $out synth 0.1 sine 440 nosucheffect\n"},
                        {"Clap", "sox -r 44100 -c 1 -n $scratch synth 0.1 sine 440\n"},
                        {"Doh!", "sox -r 44100 -c 1 -n $out synth 0.2 sine 440 gain +12\n"},
                        {"Revolution", "speak $s -v nosuchvoice : hey\nsox $s $out\n"}});
  }
  // A stale file from an earlier run must not survive a failed one.
  { std::ofstream(root / "game/Comm28.dat") << "old"; }
  forge::Output out((root / "game").string(), (root / "content").string());
  forge::ForgeEffects(out);
  std::string all;
  for (const auto& e : out.Errors()) all += e + "\n";
  EXPECT_NE(all.find("effect Ahh (Comm28.dat): sox failed"), std::string::npos) << all;
  EXPECT_NE(all.find("effect Clap (Comm24.dat): the recipe never writes $out"), std::string::npos)
      << all;
  EXPECT_NE(all.find("effect Doh! (Comm25.dat): sox clipped"), std::string::npos) << all;
  EXPECT_NE(all.find("effect Revolution (Comm32.dat): espeak-ng failed"), std::string::npos) << all;
  EXPECT_EQ(out.Errors().size(), 4u) << all;
  EXPECT_FALSE(fs::exists(root / "game/Comm28.dat"));
  EXPECT_FALSE(fs::exists(root / "game/Comm24.dat"));
  EXPECT_TRUE(fs::exists(root / "game/Comm02.dat"));
  for (const auto& entry : fs::directory_iterator(root / "game"))
    EXPECT_NE(entry.path().filename().string()[0], '.') << "left behind: " << entry.path();
  fs::remove_all(root);
}

TEST(ForgeEffects, MissingEspeakIsNamedAsAPackageToInstall) {
  const fs::path root = fs::temp_directory_path() / ("forge-speak-" + std::to_string(::getpid()));
  fs::create_directories(root / "content/effects");
  fs::create_directories(root / "game");
  fs::create_directories(root / "bin");
  // A PATH with sox and nothing else.
  const char* sox = "/usr/bin/sox";
  if (!fs::exists(sox)) GTEST_SKIP() << "no " << sox;
  fs::create_symlink(sox, root / "bin/sox");
  std::ofstream(root / "content/effects/effects.txt")
      << ToneRecipes({{"Doh!", "speak $say : doh\nsox $say $out rate 44100\n"}});
  { std::ofstream(root / "game/Comm25.dat") << "old"; }
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", (root / "bin").c_str(), 1);
  forge::Output out((root / "game").string(), (root / "content").string());
  forge::ForgeEffects(out);
  setenv("PATH", path.c_str(), 1);
  ASSERT_EQ(out.Errors().size(), 1u);
  EXPECT_NE(out.Errors()[0].find("effect Doh! (Comm25.dat): cannot run espeak-ng"),
            std::string::npos)
      << out.Errors()[0];
  EXPECT_NE(out.Errors()[0].find("install the Debian package espeak-ng"), std::string::npos);
  EXPECT_FALSE(fs::exists(root / "game/Comm25.dat"));
  fs::remove_all(root);
}

}  // namespace
