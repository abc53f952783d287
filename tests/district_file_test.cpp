// The district file reader: a well-formed district, then every kind of damage a district file
// can carry, each of which must leave safe values behind and say where it went wrong.
#include "data/district_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "util/printable.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

// A recognisable tile layout for each screen; a few foreground cells hold objects.
TileGrid BackPattern(int seed) {
  TileGrid g = DistrictScreen::EmptyGrid();
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 20; ++c)
      g[r][c] = static_cast<std::int16_t>((seed * 37 + r * 20 + c) % 192);
  return g;
}

TileGrid FrontPattern(int seed) {
  TileGrid g = DistrictScreen::EmptyGrid();
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 20; ++c)
      if ((r + c + seed) % 5 == 0) g[r][c] = static_cast<std::int16_t>((seed * 11 + r * c) % 194);
  return g;
}

// Twenty right-aligned 3-character numbers.
std::string TileLine(const TileGrid& g, int row) {
  std::string line;
  char group[8];
  for (int c = 1; c <= 20; ++c) {
    std::snprintf(group, sizeof group, "%3d", g[row][c]);
    line += group;
  }
  return line;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// A district file built line by line, remembering where each screen record begins.
struct DistrictText {
  std::vector<std::string> lines;
  std::vector<int> screenLines;  // line of each record's row field

  int Add(const std::string& line) {
    lines.push_back(line);
    return static_cast<int>(lines.size());
  }
  void AddScreen(int row, int col, const TileGrid& back, const TileGrid& front) {
    screenLines.push_back(Add(std::to_string(row)));
    Add(std::to_string(col));
    for (int r = 1; r <= 12; ++r) Add(Quoted(TileLine(back, r)));
    for (int r = 1; r <= 12; ++r) Add(Quoted(TileLine(front, r)));
  }
  std::string Text(const std::string& lineEnd = "\n") const {
    std::string text;
    for (const auto& l : lines) text += l + lineEnd;
    return text;
  }
};

int Seed(int row, int col) { return row * 10 + col; }

// Two signs, one switch, 24 x 40 tiles: four screens, rows and columns 1 and 2.
DistrictText TwoByTwo() {
  DistrictText d;
  d.Add("2");
  d.Add("\"S0102030405*A sign, with a comma\"");
  d.Add("N0101111213*Note");
  d.Add("1");
  d.Add("0102030405060708091011");
  d.Add("24");
  d.Add("40");
  for (int row = 1; row <= 2; ++row)
    for (int col = 1; col <= 2; ++col)
      d.AddScreen(row, col, BackPattern(Seed(row, col)), FrontPattern(Seed(row, col)));
  return d;
}

class DistrictFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltrane-district-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    path_ = (dir_ / DistrictFileName(1)).string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

  // One problem, at `line` of our file, mentioning `words`.
  void ExpectOneProblem(const std::vector<std::string>& problems, int line,
                        const std::string& words) {
    ASSERT_EQ(problems.size(), 1u) << ::testing::PrintToString(problems);
    const std::string where = path_ + ":" + std::to_string(line) + ": ";
    EXPECT_EQ(problems[0].rfind(where, 0), 0u) << problems[0] << "\nexpected at " << where;
    EXPECT_NE(problems[0].find(words), std::string::npos) << problems[0];
  }

  fs::path dir_;
  std::string path_;
};

// Every tile is what was written or "no tile"; none can reach outside a strip.
void ExpectTilesSafe(const DistrictScreen& s) {
  for (int r = 0; r < kTileRows; ++r)
    for (int c = 0; c < kTileCols; ++c) {
      const bool outer = r == 0 || c == 0;
      if (outer) {
        EXPECT_EQ(s.back[r][c], kNoTile);
        EXPECT_EQ(s.front[r][c], kNoTile);
      }
      EXPECT_TRUE(s.back[r][c] == kNoTile || (s.back[r][c] >= 0 && s.back[r][c] < kBackTileCount));
      EXPECT_TRUE(s.front[r][c] == kNoTile ||
                  (s.front[r][c] >= 0 && s.front[r][c] < kFrontTileCount));
    }
}

bool AllEmpty(const TileGrid& g) {
  for (const auto& row : g)
    for (auto t : row)
      if (t != kNoTile) return false;
  return true;
}

TEST(DistrictFileName, FollowsTheGamesNaming) {
  EXPECT_EQ(DistrictFileName(1), "Strategy01.dat");
  EXPECT_EQ(DistrictFileName(8), "Strategy08.dat");
}

TEST_F(DistrictFile, ReadsEveryScreenOfAWellFormedDistrict) {
  for (const std::string lineEnd : {"\n", "\r\n"}) {
    Write(TwoByTwo().Text(lineEnd));
    for (int row = 1; row <= 2; ++row)
      for (int col = 1; col <= 2; ++col) {
        SCOPED_TRACE(::testing::Message() << "screen " << row << "," << col);
        const auto read = ReadDistrictScreen(path_, row, col);
        EXPECT_TRUE(read.problems.empty()) << ::testing::PrintToString(read.problems);
        EXPECT_TRUE(read.screen.found);
        EXPECT_EQ(read.screen.height, 24);
        EXPECT_EQ(read.screen.width, 40);
        EXPECT_EQ(read.screen.back, BackPattern(Seed(row, col)));
        EXPECT_EQ(read.screen.front, FrontPattern(Seed(row, col)));
        EXPECT_EQ(read.lists.signs, (std::vector<std::string>{"S0102030405*A sign, with a comma",
                                                              "N0101111213*Note"}));
        EXPECT_EQ(read.lists.switches, std::vector<std::string>{"0102030405060708091011"});
      }
  }
}

TEST_F(DistrictFile, ReadsZeroPaddedTileLinesUnquotedAndScreenNumbersByValue) {
  DistrictText d;
  for (const char* line : {"0", "0", "12", "20", " 01.0", "\"2\""}) d.Add(line);
  TileGrid back = BackPattern(3), front = FrontPattern(3);
  for (int r = 1; r <= 12; ++r) {
    std::string line;
    char group[8];
    for (int c = 1; c <= 20; ++c) {
      std::snprintf(group, sizeof group, "%03d", back[r][c]);
      line += group;
    }
    d.Add(line);
  }
  for (int r = 1; r <= 12; ++r) d.Add(Quoted(TileLine(front, r)));
  d.Add("");  // trailing empty lines are not a record
  d.Add("");
  Write(d.Text());
  const auto read = ReadDistrictScreen(path_, 1, 2);
  EXPECT_TRUE(read.problems.empty()) << ::testing::PrintToString(read.problems);
  EXPECT_TRUE(read.screen.found);
  EXPECT_EQ(read.screen.back, back);
  EXPECT_EQ(read.screen.front, front);
  EXPECT_TRUE(read.lists.signs.empty());
  EXPECT_TRUE(read.lists.switches.empty());
}

TEST_F(DistrictFile, ListsOnlyStopsAfterTheSwitchRecords) {
  Write("1\nsign\n1\nswitch\nthis, is not read\n");
  const auto read = ReadDistrictLists(path_);
  EXPECT_TRUE(read.problems.empty());
  EXPECT_EQ(read.lists.signs, std::vector<std::string>{"sign"});
  EXPECT_EQ(read.lists.switches, std::vector<std::string>{"switch"});
}

TEST_F(DistrictFile, ApplyingStoresTheListsAsTheGameKeepsThem) {
  auto world = std::make_unique<WorldState>();
  world->SignList.fill("stale");
  world->SwitchList.fill("stale");
  ApplyDistrictLists(*world, DistrictLists{{"a", "b"}, {}});
  EXPECT_EQ(world->SignCount, 2);
  EXPECT_EQ(world->SwitchCount, 0);
  EXPECT_EQ(world->SignList[1], "a");
  EXPECT_EQ(world->SignList[2], "b");
  for (int i = 3; i <= 200; ++i) EXPECT_EQ(world->SignList[i], "0");
  for (int i = 1; i <= 200; ++i) EXPECT_EQ(world->SwitchList[i], "0");
  EXPECT_EQ(world->SignList[0], "stale");  // the game never uses entry 0

  // More than the lists hold never writes past their end.
  ApplyDistrictLists(*world, DistrictLists{std::vector<std::string>(300, "x"), {}});
  EXPECT_EQ(world->SignCount, 200);

  Write(TwoByTwo().Text());
  const auto read = ReadDistrictScreen(path_, 2, 1);
  ApplyDistrictScreen(*world, read.screen);
  EXPECT_EQ(world->DistrictHeight, 24);
  EXPECT_EQ(world->DistrictWidth, 40);
  EXPECT_EQ(world->BackTiles, BackPattern(Seed(2, 1)));
  EXPECT_EQ(world->FrontTiles, FrontPattern(Seed(2, 1)));
}

TEST_F(DistrictFile, MissingFileLeavesEverythingEmpty) {
  const auto read = ReadDistrictScreen(path_, 1, 1);
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_EQ(read.problems[0].rfind(path_ + ": ", 0), 0u) << read.problems[0];
  EXPECT_FALSE(read.screen.found);
  EXPECT_TRUE(AllEmpty(read.screen.back));
  EXPECT_TRUE(AllEmpty(read.screen.front));
  EXPECT_EQ(read.screen.width, 0);
  EXPECT_TRUE(read.lists.signs.empty());

  const auto lists = ReadDistrictLists(path_);
  ASSERT_EQ(lists.problems.size(), 1u);
  EXPECT_EQ(lists.problems[0].rfind(path_ + ": ", 0), 0u);
}

TEST_F(DistrictFile, CountsOver200KeepTheFirst200AndStayInStep) {
  DistrictText d;
  d.Add("250");
  for (int i = 1; i <= 250; ++i) d.Add("sign " + std::to_string(i));
  d.Add("1");
  d.Add("the switch");
  d.Add("12");
  d.Add("20");
  d.AddScreen(1, 1, BackPattern(5), FrontPattern(5));
  Write(d.Text());
  const auto read = ReadDistrictScreen(path_, 1, 1);
  ExpectOneProblem(read.problems, 1, "250");
  ASSERT_EQ(read.lists.signs.size(), 200u);
  EXPECT_EQ(read.lists.signs.back(), "sign 200");
  EXPECT_EQ(read.lists.switches, std::vector<std::string>{"the switch"});
  EXPECT_TRUE(read.screen.found);
  EXPECT_EQ(read.screen.back, BackPattern(5));
}

TEST_F(DistrictFile, NegativeOrNonNumericCountsCountAsZero) {
  Write("-3\nnone\n12\n20\n1\n1\n");
  auto read = ReadDistrictLists(path_);
  ASSERT_EQ(read.problems.size(), 2u);
  EXPECT_EQ(read.problems[0].rfind(path_ + ":1: ", 0), 0u) << read.problems[0];
  EXPECT_NE(read.problems[0].find("negative"), std::string::npos);
  EXPECT_EQ(read.problems[1].rfind(path_ + ":2: ", 0), 0u) << read.problems[1];
  EXPECT_NE(read.problems[1].find("\"none\" is not a number"), std::string::npos);
  EXPECT_TRUE(read.lists.signs.empty());
  EXPECT_TRUE(read.lists.switches.empty());

  // A fractional count takes its whole part.
  Write("2.9\na\nb\n0\n");
  read = ReadDistrictLists(path_);
  EXPECT_TRUE(read.problems.empty());
  EXPECT_EQ(read.lists.signs, (std::vector<std::string>{"a", "b"}));
}

TEST_F(DistrictFile, UnreadableDistrictSizeIsZeroAndTheScreenStillReads) {
  DistrictText d;
  for (const char* line : {"0", "0", "0", "wide"}) d.Add(line);
  d.AddScreen(1, 1, BackPattern(2), FrontPattern(2));
  Write(d.Text());
  const auto read = ReadDistrictScreen(path_, 1, 1);
  ASSERT_EQ(read.problems.size(), 2u) << ::testing::PrintToString(read.problems);
  EXPECT_EQ(read.problems[0].rfind(path_ + ":3: ", 0), 0u) << read.problems[0];
  EXPECT_EQ(read.problems[1].rfind(path_ + ":4: ", 0), 0u) << read.problems[1];
  EXPECT_EQ(read.screen.height, 0);
  EXPECT_EQ(read.screen.width, 0);
  EXPECT_EQ(read.screen.back, BackPattern(2));
}

TEST_F(DistrictFile, AbsentScreenIsEmptyAndReported) {
  const auto d = TwoByTwo();
  Write(d.Text() + "\n  \r\n");  // blank lines after the last record are no record
  const auto read = ReadDistrictScreen(path_, 3, 1);
  ExpectOneProblem(read.problems, static_cast<int>(d.lines.size()), "row 3, column 1");
  EXPECT_FALSE(read.screen.found);
  EXPECT_TRUE(AllEmpty(read.screen.back));
  EXPECT_TRUE(AllEmpty(read.screen.front));
  EXPECT_EQ(read.lists.signs.size(), 2u);  // what the file did hold is still read
  EXPECT_EQ(read.screen.width, 40);
}

TEST_F(DistrictFile, ScreenRecordWithoutNumbersIsSkipped) {
  auto d = TwoByTwo();
  const int bad = d.screenLines[0];
  d.lines[bad - 1] = "one";
  Write(d.Text());
  auto read = ReadDistrictScreen(path_, 1, 2);  // the record after it
  ExpectOneProblem(read.problems, bad, "\"one\"");
  EXPECT_EQ(read.screen.back, BackPattern(Seed(1, 2)));
}

// Damage to one tile line of screen (2,1): the line's tiles and the problem it reports.
struct TileDamage {
  const char* name;
  bool background;
  std::string line;                           // replaces tile line 5
  std::vector<std::pair<int, int>> expected;  // (column, tile) that must come out
  const char* words;
};

TEST_F(DistrictFile, DamagedTileLinesGiveNoTileWhereUnreadable) {
  const std::string good = TileLine(BackPattern(0), 5);
  std::string tooHigh = good, negative = good, notNumber = good, edges = good;
  tooHigh.replace(3, 3, "192");     // column 2, one past the background strip
  negative.replace(6, 3, " -1");    // column 3
  notNumber.replace(12, 3, "ab ");  // column 5
  edges.replace(0, 3, "193");       // column 1: the last foreground tile
  edges.replace(57, 3, "999");
  const TileDamage cases[] = {
      {"short",
       true,
       good.substr(0, 45),
       {{15, BackPattern(0)[5][15]}, {16, 999}, {20, 999}},
       "columns 16 to 20"},
      {"cut inside a group",
       true,
       good.substr(0, 58),
       {{19, BackPattern(0)[5][19]}, {20, 999}},
       "column"},
      {"empty", false, "", {{1, 999}, {20, 999}}, "columns 1 to 20"},
      {"not a number", true, notNumber, {{4, BackPattern(0)[5][4]}, {5, 999}}, "\"ab \""},
      {"past the background strip", true, tooHigh, {{2, 999}}, "192"},
      {"past the foreground strip",
       false,
       good.substr(0, 3) + "194" + good.substr(6),
       {{2, 999}},
       "194"},
      {"negative", true, negative, {{3, 999}}, "-1"},
      {"too long", true, good + "  7", {{20, BackPattern(0)[5][20]}}, "after column 20"},
  };
  for (const auto& damage : cases) {
    SCOPED_TRACE(damage.name);
    auto d = TwoByTwo();
    const int lineNo = d.screenLines[2] + 2 + (damage.background ? 0 : 12) + 4;
    d.lines[lineNo - 1] = Quoted(damage.line);
    Write(d.Text());
    const auto read = ReadDistrictScreen(path_, 2, 1);
    ExpectOneProblem(read.problems, lineNo, damage.words);
    EXPECT_TRUE(read.screen.found);
    const auto& grid = damage.background ? read.screen.back : read.screen.front;
    for (auto [col, tile] : damage.expected) EXPECT_EQ(grid[5][col], tile) << "column " << col;
    EXPECT_EQ(grid[6], (damage.background ? BackPattern : FrontPattern)(Seed(2, 1))[6]);
    ExpectTilesSafe(read.screen);
  }

  // The strips' own last tiles and "no tile" are fine as they are.
  auto d = TwoByTwo();
  const int frontLine = d.screenLines[2] + 2 + 12 + 4;
  d.lines[frontLine - 1] = Quoted(edges);
  Write(d.Text());
  const auto read = ReadDistrictScreen(path_, 2, 1);
  EXPECT_TRUE(read.problems.empty()) << ::testing::PrintToString(read.problems);
  EXPECT_EQ(read.screen.front[5][1], 193);
  EXPECT_EQ(read.screen.front[5][20], 999);
}

TEST_F(DistrictFile, CutOffFileKeepsWhatWasReadAndSaysSoOnce) {
  const auto d = TwoByTwo();
  auto cutAfter = [&](int lines) {
    DistrictText part;
    part.lines.assign(d.lines.begin(), d.lines.begin() + lines);
    return part.Text();
  };

  // Inside the foreground lines of the screen asked for.
  const int frontStart = d.screenLines[3] + 2 + 12;
  Write(cutAfter(frontStart + 3));
  auto read = ReadDistrictScreen(path_, 2, 2);
  ExpectOneProblem(read.problems, frontStart + 3, "ends early");
  EXPECT_TRUE(read.screen.found);
  EXPECT_EQ(read.screen.back, BackPattern(Seed(2, 2)));
  const auto front = FrontPattern(Seed(2, 2));
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 20; ++c) EXPECT_EQ(read.screen.front[r][c], r <= 4 ? front[r][c] : 999);

  // Inside the sign records: the signs read so far stay, nothing else is there.
  Write(cutAfter(2));
  read = ReadDistrictScreen(path_, 1, 1);
  ExpectOneProblem(read.problems, 2, "sign record 2 of 2");
  EXPECT_EQ(read.lists.signs.size(), 1u);
  EXPECT_FALSE(read.screen.found);
  EXPECT_TRUE(AllEmpty(read.screen.back));

  // Inside a record that is skipped on the way.
  Write(cutAfter(d.screenLines[1] + 10));
  read = ReadDistrictScreen(path_, 2, 2);
  ExpectOneProblem(read.problems, d.screenLines[1] + 10,
                   "begun on line " + std::to_string(d.screenLines[1]));
  EXPECT_FALSE(read.screen.found);

  // An empty file.
  Write("");
  read = ReadDistrictScreen(path_, 1, 1);
  ExpectOneProblem(read.problems, 1, "sign count");
}

// A file cut at any byte, or with bytes scrambled, is read without crashing, keeps every
// tile inside the strips and the lists inside their bounds. AddressSanitizer watches the rest.
TEST_F(DistrictFile, AnyTruncationOrScrambleIsReadSafely) {
  const std::string whole = TwoByTwo().Text("\r\n");
  // Short of the final line end, which would leave the file whole.
  for (std::size_t cut = 0; cut + 2 < whole.size(); cut += 7) {
    Write(whole.substr(0, cut));
    const auto read = ReadDistrictScreen(path_, 2, 2);
    EXPECT_FALSE(read.problems.empty()) << "cut at " << cut;
    ExpectTilesSafe(read.screen);
    if (HasFailure()) return;
  }

  std::mt19937 random(1234);
  const std::string alphabet = "0123456789 ,\"\r\n-.9a";
  for (int trial = 0; trial < 300; ++trial) {
    std::string text = whole;
    const int changes = 1 + trial % 20;
    for (int i = 0; i < changes; ++i)
      text[random() % text.size()] = alphabet[random() % alphabet.size()];
    Write(text);
    const auto read = ReadDistrictScreen(path_, 1 + trial % 2, 1 + trial / 2 % 2);
    ExpectTilesSafe(read.screen);
    EXPECT_LE(read.lists.signs.size(), 200u);
    EXPECT_LE(read.lists.switches.size(), 200u);
    for (const auto& p : read.problems) EXPECT_EQ(p.rfind(path_ + ":", 0), 0u) << p;
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// A damaged field is quoted in a line's worth at most, whatever its size, and bytes a
// terminal would act on are shown escaped.
TEST_F(DistrictFile, MessagesQuoteAHugeOrBinaryFieldBoundedAndEscaped) {
  const std::string huge(10'000'000, '7');
  Write("x" + huge + "\n\x1B[2J\x07\xFF\n0\n" + "12\n20\n");
  const auto result = ReadDistrictLists(path_);
  ASSERT_FALSE(result.problems.empty());
  for (const std::string& problem : result.problems) {
    EXPECT_LT(problem.size(), path_.size() + 200) << problem.substr(0, 200);
    for (unsigned char c : problem) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << int(c);
  }
  EXPECT_NE(result.problems[0].find("(10000001 bytes)"), std::string::npos) << result.problems[0];
}

TEST(Printable, KeepsShortTextAndCutsLongTextSayingItsSize) {
  EXPECT_EQ(Printable("Strategy01.dat"), "Strategy01.dat");
  EXPECT_EQ(Printable("a\tb\xE9"), "a\\x09b\\xE9");
  EXPECT_EQ(Printable(std::string(70, 'z'), 10), "zzzzzzzzzz... (70 bytes)");
  // An escape is never split: it is shown whole or not at all.
  EXPECT_EQ(Printable("abcdefgh\x01z", 10), "abcdefgh... (10 bytes)");
  EXPECT_EQ(Printable(""), "");
}

}  // namespace
}  // namespace vt
