// The music: the game chooses its sound font and tells the mixer, a player may
// choose another, and tracks load in the background so a change of music never
// holds up play.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/sdl/sdl_sound.h"
#include "platform/sound_font.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    unsetenv(kSoundFontVariable);
    dir_ = fs::temp_directory_path() /
           ("veltrane-music-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    unsetenv(kSoundFontVariable);
    fs::remove_all(dir_);
  }
  // A file that starts as a sound font does (nothing is ever loaded from it here).
  std::string FakeFont(const std::string& name) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary).write("RIFF\x04\0\0\0sfbk", 12);
    return path;
  }
  std::string Other(const std::string& name, const std::string& text) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path) << text;
    return path;
  }
  fs::path dir_;
};

// The game's own font as installed on this machine, or empty.
std::string InstalledGameFont() {
  for (const std::string& path : GameSoundFontPaths(""))
    if (LooksLikeSoundFont(path)) return path;
  return "";
}

bool LoadsWithin(SdlSound& sound, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  for (sound.Update(); sound.MusicLoading(); sound.Update()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

MusicCommand OpenCommand(const std::string& path) { return {MusicCommand::Kind::Open, path}; }
const MusicCommand kPlay{MusicCommand::Kind::Play, {}};
const MusicCommand kClose{MusicCommand::Kind::Close, {}};

TEST_F(MusicTest, TheGamesFontUnlessThePlayerNamesAUsableOne) {
  const std::string beside = FakeFont("TimGM6mb.sf2");
  const std::string system = FakeFont("system.sf2");
  const std::vector<std::string> both = {beside, system};
  const std::vector<std::string> systemOnly = {(dir_ / "absent.sf2").string(), system};

  SoundFontChoice choice = ChooseSoundFont(nullptr, both);
  EXPECT_EQ(choice.path, beside);
  EXPECT_NE(choice.line.find(beside), std::string::npos);
  EXPECT_EQ(ChooseSoundFont(nullptr, systemOnly).path, system);
  EXPECT_EQ(ChooseSoundFont("", systemOnly).path, system);  // set but empty: as unset

  const std::string mine = FakeFont("Mine.sf2");
  choice = ChooseSoundFont(mine.c_str(), both);
  EXPECT_EQ(choice.path, mine);
  EXPECT_NE(choice.line.find(kSoundFontVariable), std::string::npos) << choice.line;

  // A choice that cannot be used is said so, and the game's own font plays.
  const std::string text = Other("notes.txt", "not a sound font at all");
  const std::string semicolon = FakeFont("a;b.sf2");
  for (const std::string& bad : {(dir_ / "missing.sf2").string(), text, semicolon, dir_.string()}) {
    choice = ChooseSoundFont(bad.c_str(), both);
    EXPECT_EQ(choice.path, beside) << bad;
    EXPECT_NE(choice.line.find(kSoundFontVariable + std::string(" names ") + bad),
              std::string::npos)
        << choice.line;
    EXPECT_NE(choice.line.find("plays with the sound font " + beside), std::string::npos)
        << choice.line;
  }

  // Nothing found: the player is told where the game looked.
  choice = ChooseSoundFont(nullptr, {(dir_ / "absent.sf2").string()});
  EXPECT_EQ(choice.path, "");
  EXPECT_NE(choice.line.find((dir_ / "absent.sf2").string()), std::string::npos) << choice.line;
}

TEST_F(MusicTest, TheMixerIsToldTheChosenFontOnce) {
  const std::string gameFont = InstalledGameFont();
  if (gameFont.empty()) GTEST_SKIP() << "TimGM6mb is not installed";
  // Left alone, the mixer names a default of its own (on Debian the system's
  // default-GM link, which follows whichever General MIDI font was installed).
  {
    SdlSound sound;
    ::testing::internal::CaptureStderr();
    const bool ready = sound.Ready() && sound.Ready();
    const std::string said = ::testing::internal::GetCapturedStderr();
    if (!ready) GTEST_SKIP() << "no audio device";
    EXPECT_EQ(sound.SoundFont(), gameFont);
    EXPECT_EQ(sound.MixerSoundFont(), gameFont);
    EXPECT_EQ(said, "Veltrane: music plays with the sound font " + gameFont + "\n");
  }
  const std::string mine = FakeFont("Mine.sf2");
  setenv(kSoundFontVariable, mine.c_str(), 1);
  SdlSound sound;
  ASSERT_TRUE(sound.Ready());
  EXPECT_EQ(sound.MixerSoundFont(), mine);
}

TEST_F(MusicTest, TracksLoadWithoutHoldingUpTheCaller) {
  SdlSound sound;
  if (!sound.Ready()) GTEST_SKIP() << "no audio device";
  const std::string track = std::string(VELTRANE_GAME_DIR) + "/Vask01.dat";
  sound.SendMusic(OpenCommand(track));
  sound.SendMusic(kPlay);
  // The commands have returned; the track is handed over by Update only.
  EXPECT_TRUE(sound.MusicLoading());
  ASSERT_TRUE(LoadsWithin(sound, std::chrono::seconds(10)));
  EXPECT_TRUE(sound.MusicPlaying());  // the play asked for during the load

  // Closed while loading: the track, once loaded, is let go and never heard.
  sound.SendMusic(OpenCommand(std::string(VELTRANE_GAME_DIR) + "/Vask02.dat"));
  sound.SendMusic(kPlay);
  sound.SendMusic(kClose);
  EXPECT_FALSE(sound.MusicLoading());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(sound.MusicPlaying());

  // Replaced while loading: only the last track asked for plays.
  sound.SendMusic(OpenCommand(std::string(VELTRANE_GAME_DIR) + "/Vask03.dat"));
  sound.SendMusic(OpenCommand((dir_ / "absent.mid").string()));
  sound.SendMusic(kPlay);
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(LoadsWithin(sound, std::chrono::seconds(10)));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(sound.MusicPlaying());
  // A track that cannot be opened is reported once.
  sound.SendMusic(OpenCommand((dir_ / "absent.mid").string()));
  ASSERT_TRUE(LoadsWithin(sound, std::chrono::seconds(10)));
  const std::string said = ::testing::internal::GetCapturedStderr();
  const std::string line = "cannot play the music " + (dir_ / "absent.mid").string();
  const auto first = said.find(line);
  ASSERT_NE(first, std::string::npos) << said;
  EXPECT_EQ(said.find(line, first + 1), std::string::npos) << said;
}

// A machine without sound: no audio device at all, or no sound font anywhere for
// the music. The game plays on silently and says so once; nothing is retried.
TEST_F(MusicTest, WithoutAnAudioDeviceEverythingIsSilentAndSaidOnce) {
  const std::string driver = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
  setenv("SDL_AUDIODRIVER", "no-such-device", 1);
  ::testing::internal::CaptureStderr();
  {
    SdlSound sound;
    EXPECT_FALSE(sound.Ready());
    sound.SendMusic(OpenCommand(std::string(VELTRANE_GAME_DIR) + "/Vask01.dat"));
    sound.SendMusic(kPlay);
    sound.PlayWave(std::string(VELTRANE_GAME_DIR) + "/Comm00.dat", WaveMode::Wait);
    EXPECT_FALSE(sound.Ready());
    EXPECT_FALSE(sound.MusicPlaying());
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("no audio"), std::string::npos) << said;
  EXPECT_NE(said.find("playing silently"), std::string::npos) << said;
  // The next start finds the device again.
  SdlSound again;
  if (!driver.empty()) {
    EXPECT_TRUE(again.Ready());
  }
}

TEST_F(MusicTest, WithoutAnySoundFontTheMusicIsSilentAndSaidOnce) {
  setenv("SDL_SOUNDFONTS", (dir_ / "none.sf2").c_str(), 1);  // the mixer's own default
  ::testing::internal::CaptureStderr();
  bool ready = false;
  {
    SdlSound sound({(dir_ / "absent.sf2").string()});
    ready = sound.Ready();
    if (ready) {
      for (const char* track : {"/Vask01.dat", "/Vask02.dat"}) {
        sound.SendMusic(OpenCommand(std::string(VELTRANE_GAME_DIR) + track));
        sound.SendMusic(kPlay);
        EXPECT_FALSE(sound.MusicLoading());
      }
      EXPECT_FALSE(sound.MusicPlaying());
    }
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  unsetenv("SDL_SOUNDFONTS");
  if (!ready) GTEST_SKIP() << "no audio device";
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("the music stays silent"), std::string::npos) << said;
}

}  // namespace
}  // namespace vt
