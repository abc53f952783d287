// The district sources and their compiler, the district checker and the district map.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "districts/districts.h"
#include "forge.h"
#include "forge_image.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) { return forge_test::ReadAll(path.string()); }

void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  return all;
}

// A screen of stone floor inside a ring of wall, no objects.
std::string Room(int row, int col) {
  std::string s = "screen " + std::to_string(row) + " " + std::to_string(col) + "\n";
  s += "#################### | ....................\n";
  for (int i = 0; i < 10; ++i) s += "#ffffffffffffffffff# | ....................\n";
  s += "#################### | ....................\n";
  return s;
}

// An open square of flagstones, no objects.
std::string Square(int row, int col) {
  std::string s = "screen " + std::to_string(row) + " " + std::to_string(col) + "\n";
  for (int i = 0; i < 12; ++i) s += Repeat("f", 20) + " | " + Repeat(".", 20) + "\n";
  return s;
}

forge::Legend SharedLegend() {
  forge::Legend legend;
  std::vector<std::string> errors;
  forge::ReadLegendSource(ReadAll(fs::path(VELTRANE_CONTENT_DIR) / "districts" / "legend.txt"),
                          "legend.txt", legend, errors);
  EXPECT_TRUE(errors.empty()) << errors.front();
  return legend;
}

std::optional<forge::CompiledDistrict> Compile(const std::string& text,
                                               std::vector<std::string>& errors) {
  return forge::CompileDistrictSource(text, "d3.txt", SharedLegend(), errors);
}

forge::DistrictModel CompileOk(const std::string& text) {
  std::vector<std::string> errors;
  auto compiled = Compile(text, errors);
  for (const auto& e : errors) ADD_FAILURE() << e;
  return compiled ? compiled->model : forge::DistrictModel{};
}

std::string AllText(const std::vector<forge::Finding>& findings) {
  std::string all;
  for (const auto& f : findings) all += f.text + "\n";
  return all;
}

TEST(DistrictSource, CompilesToTheExactDistrictFile) {
  const std::string source = Joined({
      "// a cellar",
      "size 12 20",
      "obj m 1      // Ali",
      "obj D 106",
      "screen 1 1",
      "#################### | ....................",
      "#################### | .....L.......^......",
      "#ffffffffffffffffff# | ....................",
      "#ffffffffffffffffff# | ....................",
      "#ffffffffffffffffff# | ..D.................",
      "#ffffffffffffffffff# | ..D.......m.........",
      "#ffffffffffffffffff# | ....................",
      "#ffffffffffffffffff# | ....................",
      "# f f f f f f f f f f f f f f f f f f 048 | ....................",
      "#ffffffffffffffffff# | . . . . . . . . . . . . . . . . . . . 150",
      "#################### | ....................",
      "#################### | ....................",
      "back 9 2 ~ ~",
      "obj 7 4 m",
      "sign 1 1 1 2 14 \"NO ENTRY*Staff only, by order\"",
      "switch 1 1 2 6 -> 1 1 5 3 6 3",
  });
  std::vector<std::string> errors;
  const auto compiled = Compile(source, errors);
  ASSERT_TRUE(compiled) << (errors.empty() ? "" : errors.front());
  const std::string wall = Repeat("009", 20) + "\r\n";
  const std::string room = "009" + Repeat("025", 18) + "009\r\n";
  const std::string none = Repeat("999", 20) + "\r\n";
  auto front = [](int col, int code, int col2 = 0, int code2 = 0) {
    std::string line;
    for (int c = 1; c <= 20; ++c) {
      const int v = c == col ? code : c == col2 ? code2 : 999;
      line += v < 100 ? (v < 10 ? "00" : "0") + std::to_string(v) : std::to_string(v);
    }
    return line + "\r\n";
  };
  const std::string expected =
      "1\r\n\"1 01010214NO ENTRY*Staff only, by order\"\r\n"
      "1\r\n0101020601010503060300000000\r\n"
      "12,20\r\n1,1\r\n" +
      wall + wall + room + room + room + room + room + room + "009016016" + Repeat("025", 16) +
      "048\r\n" + room + wall + wall + none + front(6, 100, 14, 144) + none + none + front(3, 106) +
      front(3, 106, 11, 1) + front(4, 1) + none + none + front(20, 150) + none + none;
  EXPECT_EQ(forge::DistrictFileText(compiled->model), expected);
  EXPECT_EQ(compiled->signLines, std::vector<int>{20});
  EXPECT_EQ(compiled->switchLines, std::vector<int>{21});
}

TEST(DistrictSource, TheLegendChangesFromItsLineOnAndCopiesTakeTheirSource) {
  const std::string source =
      "size 12 40\nback Q 4\n" + Room(1, 1) + "back Q 5\n" + "screen 1 2 from 1 1\nback 1 1 Q Q\n";
  const auto model = CompileOk(source);
  ASSERT_EQ(model.screens.size(), 2u);
  EXPECT_EQ(model.screens.at({1, 1}).back[0][0], 9);
  EXPECT_EQ(model.screens.at({1, 2}).back[0][0], 5);
  EXPECT_EQ(model.screens.at({1, 2}).back[0][1], 5);
  EXPECT_EQ(model.screens.at({1, 2}).back[0][2], 9);
  EXPECT_EQ(model.screens.at({1, 2}).back[5][5], 25);
}

TEST(DistrictSource, EveryErrorIsReportedWithFileAndLine) {
  std::string source = "size 24 20\n";                         // line 1
  source += "screen 1 1\n";                                    // line 2
  source += "####################  | ....................\n";  // 3
  source += "#ffffffffffQfffffff# | ....................\n";   // 4: unknown symbol
  source += "#ffffffffffffffffff | ....................\n";    // 5: 19 cells
  for (int i = 0; i < 9; ++i) source += "#ffffffffffffffffff# | ....................\n";  // 6-14
  source += "screen 1 1\n";  // 15: a second time
  for (int i = 0; i < 11; ++i) source += "#ffffffffffffffffff# | ....................\n";  // 16-26
  source += "sign 1 1 1 2 3 \"NO STAR\"\n";  // 27: only 11 rows above; no '*'
  source += "switch 1 1 2 3 -> 1 1\n";       // 28: no door cell
  source += "sign 1 3 1 2 3 \"A*B\"\n";      // 29: no screen [3,1]
  std::vector<std::string> errors;
  const auto compiled = Compile(source, errors);
  EXPECT_FALSE(compiled);
  const std::string all = [&] {
    std::string s;
    for (const auto& e : errors) s += e + "\n";
    return s;
  }();
  EXPECT_NE(all.find("d3.txt:4: screen [1,1] tile row 2: column 12: unknown background symbol 'Q'"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("d3.txt:5: screen [1,1] tile row 3: background row has 19 cells, not 20"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("d3.txt:15: screen [1,1] is written twice (first on line 2)"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("d3.txt:27: screen [1,1] (line 15) has only 11 of its 12 tile rows"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("d3.txt:27: a kind 1 sign's text needs exactly one '*'"), std::string::npos)
      << all;
  EXPECT_NE(all.find("d3.txt:28: switch needs"), std::string::npos) << all;
  EXPECT_NE(all.find("d3.txt:29: screen [3,1] is not in the district's 2 x 1 screens"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("d3.txt:29: 1 screen(s) of the 2 x 1 grid not written: [2,1]"),
            std::string::npos)
      << all;
  EXPECT_EQ(errors.size(), 8u) << all;
}

TEST(DistrictSource, ALegendLineMustNameASymbolAndACodeOnItsStrip) {
  forge::Legend legend;
  std::vector<std::string> errors;
  forge::ReadLegendSource("back x 191\nback y 192\nobj . 5\nobj abc 5\nobj z 193\n", "legend.txt",
                          legend, errors);
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0].rfind("legend.txt:2: background code \"192\" is not on the strip", 0), 0u);
  EXPECT_EQ(errors[1].rfind("legend.txt:3: ", 0), 0u);
  EXPECT_EQ(errors[2].rfind("legend.txt:4: symbol \"abc\" is longer", 0), 0u);
  EXPECT_EQ(legend.back.at("x"), 191);
  EXPECT_EQ(legend.front.at("z"), 193);
}

// District 8 has no car: only its records and screens are checked.
TEST(DistrictCheck, ASignRecordMustPointAtASignTheHeroCanRead) {
  auto model = CompileOk("size 12 20\n" + Room(1, 1) + "obj 2 10 ^\n" +
                         "sign 1 1 1 2 10 \"A*B\"\nsign 2 1 1 5 5 \"C*D\"\n");
  auto findings = forge::CheckDistrictModel(model, 8, "");
  ASSERT_EQ(findings.size(), 1u) << AllText(findings);
  EXPECT_NE(findings[0].text.find("screen [1,1] cell (5,5) holds object 999, not a sign (144-147)"),
            std::string::npos)
      << findings[0].text;
  EXPECT_EQ(findings[0].sign, 1);

  // A table below the sign leaves him no place to stand.
  model.screens.at({1, 1}).back[2][9] = 37;
  findings = forge::CheckDistrictModel(model, 8, "");
  EXPECT_NE(AllText(findings).find("cannot read screen [1,1] cell (2,10)"), std::string::npos)
      << AllText(findings);
}

TEST(DistrictCheck, ASignWithoutARecordIsReported) {
  const auto model = CompileOk("size 12 20\n" + Room(1, 1) + "obj 2 10 ^\n");
  const auto findings = forge::CheckDistrictModel(model, 8, "");
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_NE(findings[0].text.find("cell (2,10) holds sign 144 but no sign record names it"),
            std::string::npos);
}

TEST(DistrictCheck, ASwitchMustOpenDoors) {
  auto model = CompileOk("size 12 20\n" + Room(1, 1) + "obj 2 6 L\nobj 5 3 106 106\n" +
                         "switch 1 1 2 6 -> 1 1 5 3 5 4\n");
  EXPECT_TRUE(forge::CheckDistrictModel(model, 8, "").empty());
  model.screens.at({1, 1}).front[4][3] = 999;
  auto findings = forge::CheckDistrictModel(model, 8, "");
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_NE(
      findings[0].text.find("door cell 2 screen [1,1] cell (5,4) holds object 999, not a door"),
      std::string::npos)
      << findings[0].text;
  model.screens.at({1, 1}).front[1][5] = 101;  // the thrown form is not a switch
  findings = forge::CheckDistrictModel(model, 8, "");
  EXPECT_NE(AllText(findings).find("cell (2,6) holds object 101, not a switch"), std::string::npos);
}

// District 6: the car stands on screen [2,2]; jump at (81, 85) facing Right, arrival at
// (75, 85) facing Left.
std::string ParkWithCar() {
  return "size 24 40\n" + Square(1, 1) + Square(1, 2) + Square(2, 1) +
         "screen 2 2 from 2 1\nback 4 5 1 2\nback 5 5 3 4\n";
}

TEST(DistrictCheck, TheCarAndTheArrivalPoint) {
  auto model = CompileOk(ParkWithCar());
  EXPECT_TRUE(forge::CheckDistrictModel(model, 6, "").empty())
      << AllText(forge::CheckDistrictModel(model, 6, ""));

  // The car one cell too far right: the jump faces the car's side, not its door.
  auto moved = CompileOk("size 24 40\n" + Square(1, 1) + Square(1, 2) + Square(2, 1) +
                         "screen 2 2 from 2 1\nback 4 6 1 2\nback 5 6 3 4\n");
  EXPECT_NE(AllText(forge::CheckDistrictModel(moved, 6, "")).find("the car's door"),
            std::string::npos);

  // A wall where he steps out of the car.
  model.screens.at({2, 2}).back[4][2] = 9;  // cell (5,3), ahead of him
  auto findings = forge::CheckDistrictModel(model, 6, "");
  ASSERT_EQ(findings.size(), 1u) << AllText(findings);
  EXPECT_NE(findings[0].text.find("arrival at screen [2,2] (75,85 facing Left): the cell ahead "
                                  "screen [2,2] cell (5,3) is not free floor"),
            std::string::npos)
      << findings[0].text;
  model.screens.at({2, 2}).back[4][2] = 25;
  model.screens.at({2, 2}).front[3][3] = 1;  // a man on cell (4,4), where he stands
  EXPECT_NE(
      AllText(forge::CheckDistrictModel(model, 6, "")).find("stands on screen [2,2] cell (4,4)"),
      std::string::npos);
}

TEST(DistrictCheck, PlacesTheHeroCannotWalkToAreNoted) {
  // A sign in a walled-off room on screen [1,1]; the car stands on [2,2].
  auto model = CompileOk(ParkWithCar());
  auto& room = model.screens.at({1, 1});
  for (int c = 0; c < 20; ++c) room.back[6][c] = 9;  // a wall across tile row 7
  room.front[9][5] = 144;                            // the sign below it, at (10,6)
  model.signs.push_back("1 01011006A*B");
  EXPECT_TRUE(forge::CheckDistrictModel(model, 6, "").empty());
  EXPECT_TRUE(forge::ReachNotes(model, 6).empty()) << AllText(forge::ReachNotes(model, 6));
  for (int c = 0; c < 20; ++c) model.screens.at({2, 1}).back[0][c] = 9;  // and the ways round
  for (int r = 0; r < 12; ++r) room.back[r][19] = 9;
  const auto notes = forge::ReachNotes(model, 6);
  ASSERT_EQ(notes.size(), 1u) << AllText(notes);
  EXPECT_EQ(notes[0].text, "the sign at screen [1,1] cell (10,6) cannot be reached");
}

class DistrictFiles : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("districts-test-" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir / "content" / "districts"); }
  void TearDown() override { fs::remove_all(dir); }
  fs::path Source(int d) { return dir / "content" / "districts" / forge::DistrictSourceName(d); }
  std::vector<std::string> Forge() {
    fs::copy_file(fs::path(VELTRANE_CONTENT_DIR) / "districts" / "legend.txt",
                  dir / "content" / "districts" / "legend.txt",
                  fs::copy_options::overwrite_existing);
    forge::Output out(dir.string(), (dir / "content").string());
    forge::ForgeDistricts(out);
    return out.Errors();
  }
};

TEST_F(DistrictFiles, AMissingScreenRecordIsFound) {
  WriteAll(dir / "Strategy06.dat", forge::DistrictFileText(CompileOk(ParkWithCar())));
  std::vector<std::string> problems;
  ASSERT_TRUE(forge::ReadDistrictModel((dir / "Strategy06.dat").string(), problems));
  EXPECT_TRUE(problems.empty()) << problems.front();

  auto model = CompileOk(ParkWithCar());
  model.screens.erase({1, 2});
  problems.clear();
  WriteAll(dir / "Strategy06.dat", forge::DistrictFileText(model));
  ASSERT_TRUE(forge::ReadDistrictModel((dir / "Strategy06.dat").string(), problems));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("Strategy06.dat: screen [1,2] has no record"), std::string::npos);
}

TEST_F(DistrictFiles, ADamagedTileLineIsFoundWithItsLine) {
  std::string text = forge::DistrictFileText(CompileOk(ParkWithCar()));
  // Line 5 is the first background line of screen [1,1].
  const auto at = text.find("1,1\r\n") + 5;
  text.replace(at, 3, "192");
  text.replace(text.find("025", at + 62), 3, "25 ");
  WriteAll(dir / "Strategy06.dat", text);
  std::vector<std::string> problems;
  ASSERT_TRUE(forge::ReadDistrictModel((dir / "Strategy06.dat").string(), problems));
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find("Strategy06.dat:5: screen [1,1] background line 1 column 1: code 192 "
                             "is not on the background strip (0-191)"),
            std::string::npos)
      << problems[0];
  EXPECT_NE(problems[1].find("Strategy06.dat:6: screen [1,1] background line 2 is not 20 codes"),
            std::string::npos)
      << problems[1];
}

TEST_F(DistrictFiles, TheForgeWritesEachSourceAndNothingForABrokenOne) {
  WriteAll(Source(6), ParkWithCar());
  EXPECT_TRUE(Forge().empty());
  const std::string first = ReadAll(dir / "Strategy06.dat");
  EXPECT_EQ(first, forge::DistrictFileText(CompileOk(ParkWithCar())));
  EXPECT_FALSE(fs::exists(dir / "Strategy05.dat"));
  EXPECT_TRUE(Forge().empty());
  EXPECT_EQ(ReadAll(dir / "Strategy06.dat"), first);

  const std::string source = ParkWithCar();
  const auto line = std::count(source.begin(), source.end(), '\n') + 1;
  WriteAll(Source(6), source + "screen 9 9\n");
  const auto errors = Forge();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(
      errors[0].find("d6.txt:" + std::to_string(line) + ": screen [9,9] is not in the district"),
      std::string::npos)
      << errors[0];
  EXPECT_FALSE(fs::exists(dir / "Strategy06.dat"));
}

TEST_F(DistrictFiles, TheMapShowsEveryScreen) {
  WriteAll(Source(6), ParkWithCar());
  ASSERT_TRUE(Forge().empty());
  for (const char* strip : {"Morvane15.dat", "Morvane16.dat"})
    fs::copy_file(fs::path(VELTRANE_GAME_DIR) / strip, dir / strip);
  std::string error;
  const fs::path png = dir / "map.png";
  ASSERT_TRUE(forge::WriteDistrictMap(6, png.string(), dir.string(), &error)) << error;
  cairo_surface_t* picture = cairo_image_surface_create_from_png(png.string().c_str());
  ASSERT_EQ(cairo_surface_status(picture), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(picture), 24 + 2 * 604);
  EXPECT_EQ(cairo_image_surface_get_height(picture), 24 + 2 * 364);
  cairo_surface_destroy(picture);
  EXPECT_FALSE(forge::WriteDistrictMap(5, png.string(), dir.string(), &error));
}

// The city as written: every district whose source exists compiles into the game folder as
// it stands, and passes the checker.
class CityDistrict : public ::testing::TestWithParam<int> {};

TEST_P(CityDistrict, IsCompiledAndPassesTheChecker) {
  const int d = GetParam();
  const fs::path source =
      fs::path(VELTRANE_CONTENT_DIR) / "districts" / forge::DistrictSourceName(d);
  if (!fs::exists(source)) GTEST_SKIP() << source << " is not written yet";
  std::vector<std::string> errors;
  const auto compiled =
      forge::CompileDistrictSource(ReadAll(source), source.string(), SharedLegend(), errors);
  ASSERT_TRUE(compiled) << errors.front();
  const fs::path file = fs::path(VELTRANE_GAME_DIR) / forge::DistrictDataName(d);
  EXPECT_EQ(ReadAll(file), forge::DistrictFileText(compiled->model)) << file << " is out of date";
  std::vector<std::string> problems;
  const auto model = forge::ReadDistrictModel(file.string(), problems);
  ASSERT_TRUE(model);
  for (const auto& p : problems) ADD_FAILURE() << p;
  for (const auto& f : forge::CheckDistrictModel(*model, d, VELTRANE_GAME_DIR))
    ADD_FAILURE() << forge::DistrictDataName(d) << ": " << f.text;
}

INSTANTIATE_TEST_SUITE_P(Districts, CityDistrict, ::testing::Range(1, forge::kDistrictCount + 1));

}  // namespace
