// The saved-game file: the bytes a new game saves, every value through a write
// and a read, and the damaged files a reader must refuse.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_media.h"
#include "savegame/save_load.h"
#include "savegame/saved_game.h"
#include "scratch_folder.h"
#include "shell/shell.h"
#include "test_support.h"

namespace vt::test {
namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class SaveFormat : public ScratchFolder {
 protected:
  SaveFormat() : ScratchFolder("veltrane-save-") {}
};

// Right after a new game (its briefing played), in the real city.
TEST_F(SaveFormat, ANewGameSavesExactlyTheCheckedInFile) {
  SdlMedia media;
  HeadlessPlatform platform{media};
  Shell shell(platform, VELTRANE_GAME_DIR);
  AnswerConversations(platform, shell);
  shell.game.savesFolder = dir_.string();
  ApplyStartupSettings(shell.game.world);
  shell.game.world.District = 1;
  shell.gameForm.Show();
  shell.gameForm.StartNewGame(GameStart::New);
  ASSERT_TRUE(SaveGame(shell.game, 0, "Darras, day one"));
  const std::string saved = FileBytes((dir_ / "Zorl15.dat").string());
  const std::string golden = FileBytes(VELTRANE_TEST_DATA "/new_game_save.dat");
  EXPECT_EQ(saved, golden);
  // No file is left beside the slot.
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Zorl15.dat.new"));
}

SavedGame RandomGame(std::mt19937& rng) {
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  const int objects[] = {30, 32, 33, 38, 39, 40, 41, 42, 43, 73, 84, 120};
  SavedGame g;
  std::string name;
  for (int i = pick(0, 25); i > 0; --i) name += "ab, *Z9-'"[pick(0, 8)];
  g.name = name;
  for (char& c : g.name) c = c == '*' ? ',' : c;  // a typed '*' comes back as ','
  g.district = pick(1, 9);
  g.screenRow = pick(1, 10);
  g.screenCol = pick(1, 10);
  g.heroX = pick(kHeroMinX, kHeroMaxX);
  g.heroY = pick(kHeroMinY, kHeroMaxY);
  g.facing = static_cast<Facing>(pick(0, 3));
  g.incomingText = pick(0, 1) ? "" : "HQ: ALL WELL >";
  g.districtName = "Penurious Quarter";
  g.locationName = pick(0, 1) ? "" : "Market";
  g.transNumber = pick(0, 255);
  std::vector<int> pool(std::begin(objects), std::end(objects));
  std::shuffle(pool.begin(), pool.end(), rng);
  g.inventory.assign(pool.begin(), pool.begin() + pick(0, 12));
  for (int i = 1; i <= 7; ++i) g.districtOpen[static_cast<std::size_t>(i)] = pick(0, 1);
  for (int i = 1; i <= 250; ++i)
    g.storyFlags[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(pick(0, 255));
  for (int i = 1; i <= 10; ++i) g.transmissions[static_cast<std::size_t>(i)] = pick(0, 1);
  for (int i = pick(0, 30); i > 0; --i)
    g.cells.push_back({pick(1, 9), pick(1, 10), pick(1, 10), pick(1, 12), pick(1, 20)});
  return g;
}

TEST(SavedGameFile, EveryValueComesBackFromItsBytes) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    const SavedGame g = RandomGame(rng);
    const std::string bytes = FormatSavedGame(g);
    const ParsedSave back = ParseSavedGame(bytes);
    ASSERT_TRUE(back.game) << back.problem;
    EXPECT_EQ(*back.game, g) << "round " << round;
    // Every line ends in CR LF, the last included; the count is as the layout says.
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "---\r\n");
    const std::size_t lines =
        static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    EXPECT_EQ(lines, 12 + g.inventory.size() + 7 + 250 + 10 + g.cells.size() + 1);
    EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r')), lines);
  }
}

TEST(SavedGameFile, NamesKeepTheirCommasAndEmptyTextsTheirMark) {
  SavedGame g;
  g.name = "Tel Aviv, 03:40, awake";
  g.districtName = "Prestigious Quarter";
  const std::string bytes = FormatSavedGame(g);
  const auto lines = SplitLines(bytes);
  EXPECT_EQ(lines[0], "Tel Aviv* 03:40* awake");
  EXPECT_EQ(ShownName(lines[0]), g.name);
  EXPECT_EQ(lines[7], "*");   // nothing incoming
  EXPECT_EQ(lines[9], "*");   // no place name
  EXPECT_EQ(lines[11], "0");  // an empty inventory: the districts follow at once
  EXPECT_EQ(lines[12], "False");
  EXPECT_EQ(lines[12 + 7 + 250 + 9], "False");
  EXPECT_EQ(lines[12 + 7 + 250 + 10], "---");  // no changed cell
  // A name is one line, whatever was typed.
  g.name = "two\r\nlines";
  EXPECT_EQ(SplitLines(FormatSavedGame(g))[0], "twolines");
  // A stray carriage return in a name read from a file is dropped, so the game
  // saves back to the same file.
  std::string bytes2 = FormatSavedGame(g);
  bytes2.insert(3, "\r");
  const ParsedSave read = ParseSavedGame(bytes2);
  ASSERT_TRUE(read.game) << read.problem;
  EXPECT_EQ(read.game->name, "twolines");
  EXPECT_EQ(FormatSavedGame(*read.game), FormatSavedGame(g));
}

// A real save's lines, to damage one at a time.
std::vector<std::string> GoodLines() {
  SavedGame g;
  g.name = "ok";
  g.districtName = "Prestigious Quarter";
  g.locationName = "Secret Room";
  g.inventory = {42, 33};
  g.cells = {{1, 5, 2, 8, 18}};
  const std::string bytes = FormatSavedGame(g);
  std::vector<std::string> lines;
  for (auto l : SplitLines(bytes)) lines.emplace_back(l);
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

TEST(SavedGameFile, DamagedFilesAreRefusedWithTheirLine) {
  const std::vector<std::string> good = GoodLines();
  ASSERT_TRUE(ParseSavedGame(Join(good)).game) << ParseSavedGame(Join(good)).problem;
  std::vector<std::pair<std::string, std::string>> bad;  // what, bytes
  // Cut after every line, and in the middle of the last.
  for (std::size_t n = 0; n < good.size(); ++n)
    bad.emplace_back(
        "cut after " + std::to_string(n),
        Join(std::vector<std::string>(good.begin(), good.begin() + static_cast<long>(n))));
  bad.emplace_back("half an end mark", Join(good).substr(0, Join(good).size() - 3));
  // A word where every number belongs, and a number out of range in each kind.
  std::vector<std::size_t> numeric = {1, 2, 3, 4, 5, 10, 11, 12, 13};
  for (std::size_t i = 21; i < 21 + 250; i += 25) numeric.push_back(i);
  for (const std::size_t i : numeric) {
    auto lines = good;
    lines[i] = "twelve";
    bad.emplace_back("word at " + std::to_string(i), Join(lines));
    lines[i] = "1 2";
    bad.emplace_back("blank at " + std::to_string(i), Join(lines));
    lines[i] = "";
    bad.emplace_back("empty at " + std::to_string(i), Join(lines));
  }
  const std::vector<std::pair<std::size_t, std::string>> outOfRange = {
      {1, "0"},           {1, "10"},          {2, "11"},          {3, "0"},
      {4, "-11"},         {4, "571"},         {5, "331"},         {6, "up"},
      {6, "North"},       {10, "256"},        {11, "41"},         {11, "3"},
      {12, "999"},        {13, "42"},         {14, "true"},       {20, "Maybe"},
      {21, "256"},        {270, "-5"},        {271, "1"},         {281, "1050208189"},
      {281, "005020818"}, {281, "113020818"}, {281, "105021318"}, {281, "105020821"},
      {281, "10502081x"}, {281, "--"}};
  for (const auto& [i, value] : outOfRange) {
    auto lines = good;
    ASSERT_LT(i, lines.size());
    lines[i] = value;
    bad.emplace_back("line " + std::to_string(i) + " = " + value, Join(lines));
  }
  bad.emplace_back("empty file", "");
  bad.emplace_back("no end mark", Join(std::vector<std::string>(good.begin(), good.end() - 1)));
  bad.emplace_back("garbage", std::string("\x89PNG\r\n\x1a\n\0\0\xff\xfe", 12));
  bad.emplace_back("too long", std::string(kMaxSaveBytes + 1, '1'));
  ASSERT_GE(bad.size(), 50u);
  for (const auto& [what, bytes] : bad) {
    const ParsedSave parsed = ParseSavedGame(bytes);
    EXPECT_FALSE(parsed.game) << what;
    EXPECT_FALSE(parsed.problem.empty()) << what;
    EXPECT_LT(parsed.problem.size(), 200u) << what;
  }
  // The message names the line.
  auto lines = good;
  lines[4] = "x";
  EXPECT_EQ(ParseSavedGame(Join(lines)).problem.rfind("line 5 (hero x)", 0), 0u)
      << ParseSavedGame(Join(lines)).problem;
}

}  // namespace
}  // namespace vt::test
