// The music: fifteen ABC scores in content/music compiled to Standard MIDI
// files "VaskNN.dat" with abc2midi. Each is written to a temporary name first,
// so a failed run never leaves half a track in the game folder.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "forge.h"
#include "sound/midi_length.h"

extern char** environ;

namespace forge {

namespace {

constexpr int kTrackCount = 15;

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

// Runs abc2midi on one score; its chatter goes to /dev/null. True on exit 0.
bool RunAbc2Midi(const std::string& score, const std::string& target) {
  std::vector<std::string> args = {"abc2midi", score, "-o", target, "-silent"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int spawned = posix_spawnp(&pid, "abc2midi", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ForgeTrack(Output& out, int n) {
  std::string score = out.ContentPath("music/vask" + TwoDigits(n) + ".abc");
  std::string name = "Vask" + TwoDigits(n) + ".dat";
  std::string target = out.GamePath(name);
  std::string temp = target + ".tmp.mid";
  std::error_code ec;
  if (!std::filesystem::exists(score, ec)) {
    out.Fail("missing score " + score);
    return;
  }
  std::filesystem::remove(temp, ec);
  if (!RunAbc2Midi(score, temp)) {
    std::filesystem::remove(temp, ec);
    out.Fail("abc2midi failed on " + score);
    return;
  }
  // abc2midi can exit 0 after writing nothing useful; read the result back.
  MidiSummary midi = ReadMidiFile(temp);
  if (!midi.valid || midi.seconds <= 0) {
    std::filesystem::remove(temp, ec);
    out.Fail("abc2midi wrote no playable track for " + score + ": " + midi.error);
    return;
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) out.Fail("cannot write " + target + ": " + ec.message());
}

}  // namespace

void ForgeMusic(Output& out) {
  for (int n = 1; n <= kTrackCount; ++n) ForgeTrack(out, n);
}

}  // namespace forge
