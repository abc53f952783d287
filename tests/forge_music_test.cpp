// The music tracks: valid MIDI files of the right length, playing the
// instruments each place calls for, and forged the same every time.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "forge.h"
#include "sound/midi_length.h"

namespace {

// General MIDI programs (0-based) that can stand for each named instrument.
const std::set<int> kPiano{0, 1};
const std::set<int> kOud{24, 25};  // oud, guitar: the nylon or steel guitar patch
const std::set<int> kStrings{40, 41, 42, 43, 44, 48, 49, 50};
const std::set<int> kPizzicato{45};
const std::set<int> kBrass{56, 57, 58, 59, 60, 61};
const std::set<int> kTimpani{47};
const std::set<int> kFlute{73};
const std::set<int> kNey{73, 75, 77};
const std::set<int> kClarinet{71};
const std::set<int> kPluckedBass{32, 45};

struct Track {
  int number;
  double seconds;
  std::vector<std::set<int>> instruments;
  bool drums;  // percussion on channel 10
};

const std::vector<Track>& Tracks() {
  static const std::vector<Track> tracks = {
      {1, 343, {kStrings, kPiano, kPizzicato, kOud}, false},
      {2, 70, {{24}}, true},
      {3, 146, {kBrass, kStrings, kTimpani}, true},
      {4, 224, {{15}, kNey}, true},
      {5, 132, {kPluckedBass, kClarinet}, true},
      {6, 214, {{21}, {58}}, true},
      {7, 293, {{38, 39}, {57, 58, 61}, kTimpani}, true},
      {8, 137, {kPiano, {11}, {59}}, true},
      {9, 252, {kPizzicato, {13}, {70}}, true},
      {10, 257, {kNey, kOud, {48, 49, 50, 88, 89}}, true},
      {11, 215, {{6}, kFlute, {24}}, true},
      {12, 185, {kFlute, {24, 25}, kStrings, {72}}, false},
      {13, 355, {{19}, kBrass}, true},
      {14, 218, {{33}, kStrings, {65}}, true},
      {15, 410, {kPiano, kClarinet, {40}, {41}, {42}}, false},
  };
  return tracks;
}

std::string TrackFile(const std::string& dir, int n) {
  char name[16];
  std::snprintf(name, sizeof name, "/Vask%02d.dat", n);
  return dir + name;
}

bool UsesAny(const forge::MidiSummary& midi, const std::set<int>& programs) {
  for (int p : programs)
    if (midi.programs.count(p)) return true;
  return false;
}

TEST(ForgeMusic, EveryTrackLastsItsPlaceTableLength) {
  for (const auto& t : Tracks()) {
    SCOPED_TRACE("track " + std::to_string(t.number));
    auto midi = forge::ReadMidiFile(TrackFile(VELTRANE_GAME_DIR, t.number));
    ASSERT_TRUE(midi.valid) << midi.error;
    // The game restarts the track by the clock: the music must end with it.
    EXPECT_NEAR(midi.seconds, t.seconds, 2.0);
    EXPECT_NEAR(midi.lastNoteOffSeconds, t.seconds, 2.0);
    EXPECT_EQ(midi.hangingNotes, 0);
  }
}

TEST(ForgeMusic, EveryTrackPlaysItsInstrumentsOnSeveralChannels) {
  for (const auto& t : Tracks()) {
    SCOPED_TRACE("track " + std::to_string(t.number));
    auto midi = forge::ReadMidiFile(TrackFile(VELTRANE_GAME_DIR, t.number));
    ASSERT_TRUE(midi.valid) << midi.error;
    for (const auto& instrument : t.instruments)
      EXPECT_TRUE(UsesAny(midi, instrument)) << "missing program " << *instrument.begin();
    EXPECT_GE(midi.ChannelsWithNotes(), 3);
    if (t.drums) {
      EXPECT_GT(midi.notesPerChannel[9], 0) << "no percussion";
    }
  }
}

TEST(ForgeMusic, ForgingIsRepeatableAndLeavesNoTemporaryFiles) {
  namespace fs = std::filesystem;
  fs::path root = fs::temp_directory_path() / "veltrane_music_test";
  fs::remove_all(root);
  std::vector<std::string> dirs = {(root / "a").string(), (root / "b").string()};
  for (const auto& d : dirs) {
    fs::create_directories(d);
    forge::Output out(d, VELTRANE_CONTENT_DIR);
    forge::ForgeMusic(out);
    EXPECT_TRUE(out.Errors().empty()) << out.Errors().front();
  }
  auto bytes = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  for (const auto& t : Tracks()) {
    std::string a = bytes(TrackFile(dirs[0], t.number));
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, bytes(TrackFile(dirs[1], t.number))) << "track " << t.number;
  }
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dirs[0])) {
    ++files;
    EXPECT_EQ(entry.path().extension(), ".dat") << entry.path();
  }
  EXPECT_EQ(files, 15);
  fs::remove_all(root);
}

TEST(ForgeMusic, MissingScoreIsReportedAndWritesNothing) {
  namespace fs = std::filesystem;
  fs::path root = fs::temp_directory_path() / "veltrane_music_missing";
  fs::remove_all(root);
  fs::create_directories(root / "game");
  fs::create_directories(root / "content" / "music");
  forge::Output out((root / "game").string(), (root / "content").string());
  forge::ForgeMusic(out);
  EXPECT_EQ(out.Errors().size(), 15u);
  EXPECT_TRUE(fs::is_empty(root / "game"));
  fs::remove_all(root);
}

// --- The reader on hand-made files --------------------------------------------

std::vector<std::uint8_t> Smf(int division,
                              std::initializer_list<std::vector<std::uint8_t>> tracks) {
  std::vector<std::uint8_t> f = {'M',
                                 'T',
                                 'h',
                                 'd',
                                 0,
                                 0,
                                 0,
                                 6,
                                 0,
                                 1,
                                 0,
                                 static_cast<std::uint8_t>(tracks.size()),
                                 static_cast<std::uint8_t>(division >> 8),
                                 static_cast<std::uint8_t>(division & 0xff)};
  for (const auto& t : tracks) {
    f.insert(f.end(), {'M', 'T', 'r', 'k', 0, 0, static_cast<std::uint8_t>(t.size() >> 8),
                       static_cast<std::uint8_t>(t.size() & 0xff)});
    f.insert(f.end(), t.begin(), t.end());
  }
  return f;
}

TEST(MidiReader, FollowsTheTempoMapRunningStatusAndSkippedEvents) {
  // Conductor: 120 bpm, then after one quarter (96 ticks) 60 bpm.
  std::vector<std::uint8_t> conductor = {0x00, 0xff, 0x51, 0x03, 0x07, 0xa1, 0x20, 0x60, 0xff,
                                         0x51, 0x03, 0x0f, 0x42, 0x40, 0x00, 0xff, 0x2f, 0x00};
  // Program 40 on channel 3, a sysex, then notes in running status; a
  // velocity-0 note-on ends each note. Delta 0x81 0x40 is 192 ticks.
  std::vector<std::uint8_t> notes = {
      0x00, 0xc2, 0x28, 0x00, 0xf0, 0x03, 0x7e, 0x7f,
      0xf7, 0x00, 0x92, 0x40, 0x64, 0x60, 0x40, 0x00,  // off at 96 (0.5 s)
      0x00, 0x43, 0x50, 0x81, 0x40, 0x43, 0x00,        // off at 288: 0.5 + 2 s
      0x00, 0xff, 0x2f, 0x00};
  auto midi = forge::ReadMidi(Smf(96, {conductor, notes}));
  ASSERT_TRUE(midi.valid) << midi.error;
  EXPECT_EQ(midi.trackCount, 2);
  EXPECT_DOUBLE_EQ(midi.lastNoteOffSeconds, 2.5);
  EXPECT_DOUBLE_EQ(midi.seconds, 2.5);
  EXPECT_EQ(midi.programs, std::set<int>{40});
  EXPECT_EQ(midi.notesPerChannel[2], 2);
  EXPECT_EQ(midi.ChannelsWithNotes(), 1);
  EXPECT_EQ(midi.hangingNotes, 0);
}

TEST(MidiReader, RefusesBrokenFiles) {
  std::vector<std::uint8_t> good = {0x00, 0x90, 0x40, 0x64, 0x10, 0x80,
                                    0x40, 0x00, 0x00, 0xff, 0x2f, 0x00};
  ASSERT_TRUE(forge::ReadMidi(Smf(96, {good})).valid);

  auto cut = Smf(96, {good});
  cut.resize(cut.size() - 3);
  EXPECT_FALSE(forge::ReadMidi(cut).valid) << "chunk past the end";

  std::vector<std::uint8_t> noEnd(good.begin(), good.end() - 4);
  EXPECT_FALSE(forge::ReadMidi(Smf(96, {noEnd})).valid) << "no end of track";

  std::vector<std::uint8_t> noStatus = {0x00, 0x40, 0x64, 0x00, 0xff, 0x2f, 0x00};
  EXPECT_FALSE(forge::ReadMidi(Smf(96, {noStatus})).valid) << "running status with nothing before";

  auto header = Smf(96, {good});
  header[0] = 'X';
  EXPECT_FALSE(forge::ReadMidi(header).valid);
  EXPECT_FALSE(forge::ReadMidiFile("/nonexistent/Vask99.dat").valid);
}

TEST(MidiReader, CountsANoteLeftSoundingAndTicksInSmpteTime) {
  // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
  std::vector<std::uint8_t> hanging = {0x00, 0x99, 0x24, 0x64, 0x87, 0x68, 0xff, 0x2f, 0x00};
  auto midi = forge::ReadMidi(Smf(0xe728, {hanging}));
  ASSERT_TRUE(midi.valid) << midi.error;
  EXPECT_EQ(midi.hangingNotes, 1);
  EXPECT_DOUBLE_EQ(midi.seconds, 1.0);
  EXPECT_EQ(midi.notesPerChannel[9], 1);
}

}  // namespace
