// Every data file of the game folder, missing or damaged in turn: the game starts,
// plays a new game's first minutes, says what is wrong and nothing else, and goes on;
// without a file it cannot do without (the script, the district it enters) it says
// which and ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "tools/runner/runner.h"
#include "util/json.h"

namespace vt::test {
namespace {

namespace fs = std::filesystem;

// From the start-up window through the presentation and the title to a new game:
// Ali's welcome, the briefing received at the kit, a walk, the game menu and back.
constexpr const char* kFirstMinutes =
    "click 190 288\nclick 380 260\nwait 100\nkey Enter\ntalk\n"
    "key Space\nwait 500\nkey G\nwait 20000\nkey Esc\nwait 500\n"
    "keydown Right\nwait 1500\nkeyup Right\nkey Esc\nwait 500\nkey Esc\nwait 500\n"
    "expect ended false\ndump problems\n";

// The same start, up to the new game, which the game cannot begin.
std::string EndsAtTheNewGame(const std::string& file) {
  return "click 190 288\nclick 380 260\nwait 100\nkey Enter\nexpect ended true\n"
         "expect messages.0.title \"Veltrane\"\n"
         "expect messages.0.text \"Veltrane cannot go on: its data file " +
         file + " is missing or damaged. Please install the game again.\"\ndump problems\n";
}

// Files the first minutes cannot do without.
bool Essential(const std::string& name) {
  return name == "Morvane03.dat" || name == "Strategy01.dat";
}

class DamagedData : public ScratchFolder {
 protected:
  DamagedData() : ScratchFolder("veltrane-damaged-") {}

  // The game folder again, every file linked in, except `name`: left out, or garbage.
  std::string FolderWithout(const std::string& name, bool garbage) {
    const fs::path folder = dir_ / "game";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(VELTRANE_GAME_DIR)) {
      const std::string file = entry.path().filename().string();
      if (file != name) fs::create_symlink(entry.path(), folder / file);
    }
    if (garbage) std::ofstream(folder / name, std::ios::binary) << "\x89PN\r\n 0,,\"\xff\n-9999";
    return folder.string();
  }

  // Plays the first minutes; returns the problems the game reported.
  std::vector<std::string> Play(const std::string& folder, const std::string& what,
                                const std::string& script = kFirstMinutes) {
    RunnerOptions options;
    options.dataFolder = folder;
    options.savesFolder = (dir_ / "saves").string();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunScript(options, script, out, err), 0) << what << ": " << err.str();
    const std::string dump = out.str();
    const auto problems = Json::Parse(dump.substr(dump.rfind('\n', dump.size() - 2) + 1));
    std::vector<std::string> list;
    if (problems && problems->IsArray())
      for (const Json& p : problems->AsArray()) list.push_back(p.AsString());
    return list;
  }

  static std::vector<std::string> DataFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(VELTRANE_GAME_DIR)) {
      const std::string name = entry.path().filename().string();
      if (entry.path().extension() == ".dat") files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    return files;
  }
};

TEST_F(DamagedData, AnyOneFileMissingIsReportedAloneAndTheGameGoesOn) {
  ASSERT_TRUE(Play(FolderWithout("", false), "the whole folder").empty());
  // Files the first minutes cannot do without: each one missing must be named.
  const std::set<std::string> used = {"Morvane01.dat", "Morvane02.dat", "Morvane03.dat",
                                      "Morvane15.dat", "Morvane16.dat", "Strategy01.dat",
                                      "Game03.dat"};
  for (const std::string& name : DataFiles()) {
    const auto problems = Play(FolderWithout(name, false), name + " missing",
                               Essential(name) ? EndsAtTheNewGame(name) : kFirstMinutes);
    for (const std::string& problem : problems)
      EXPECT_NE(problem.find(name), std::string::npos) << name << " missing, yet: " << problem;
    if (used.count(name)) {
      EXPECT_FALSE(problems.empty()) << name << " missing, nothing said";
    }
  }
}

TEST_F(DamagedData, AFileOfEachKindFullOfGarbageIsReportedAloneAndTheGameGoesOn) {
  // A tile strip, the hero, a portrait, a window picture, the script, the first
  // district, a district not visited, a sound effect, a music track, a slot.
  for (const char* name :
       {"Morvane15.dat", "Morvane01.dat", "Game03.dat", "Morvane02.dat", "Morvane03.dat",
        "Strategy01.dat", "Strategy05.dat", "Comm00.dat", "Vask01.dat", "Zorl15.dat"}) {
    // A damaged script still reads (its sections are simply not found); a damaged
    // district has no screens.
    const bool ends = std::string(name) == "Strategy01.dat";
    const auto problems = Play(FolderWithout(name, true), std::string(name) + " damaged",
                               ends ? EndsAtTheNewGame(name) : kFirstMinutes);
    for (const std::string& problem : problems)
      EXPECT_NE(problem.find(name), std::string::npos) << name << " damaged, yet: " << problem;
  }
}

}  // namespace
}  // namespace vt::test
