// The conversation script: its compiler, the file read back, the checker's rules and coverage,
// and the city's own script.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "districts/districts.h"
#include "forge.h"
#include "script/script.h"

namespace {

namespace fs = std::filesystem;

void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  return all;
}

testing::AssertionResult Has(const std::string& all, const std::string& part) {
  if (all.find(part) != std::string::npos) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "no \"" << part << "\" in:\n" << all;
}

// A game folder of its own: every portrait but Game43.dat, and district 1 as one screen with
// Abu Karim (3) at (5,5) and the alley gate (110) at (6,3) and (7,3).
class ScriptTest : public testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("script-test-" + std::to_string(::getpid()));

  void SetUp() override {
    fs::create_directories(dir / "content" / "script");
    for (int n = 0; n < 43; ++n) {
      const std::string code = (n < 10 ? "0" : "") + std::to_string(n);
      WriteAll(dir / ("Game" + code + ".dat"), "");
    }
    forge::DistrictModel model;
    model.height = 12;
    model.width = 20;
    forge::ScreenTiles tiles;
    for (auto& row : tiles.front) row.fill(forge::kNone);
    tiles.front[4][4] = 3;
    tiles.front[5][2] = 110;
    tiles.front[6][2] = 110;
    model.screens[{1, 1}] = tiles;
    WriteAll(dir / forge::DistrictDataName(1), forge::DistrictFileText(model));
  }
  void TearDown() override { fs::remove_all(dir); }

  forge::Script Read(const std::string& source) {
    forge::Script script;
    std::vector<std::string> errors;
    forge::ReadScriptSource(source, "s.txt", script, errors);
    for (const auto& e : errors) ADD_FAILURE() << e;
    return script;
  }
  // The checker's line rules on a source named s.txt.
  std::string Faults(const std::string& source) {
    return Joined(forge::CheckScript(Read(source), dir.string()));
  }
};

TEST_F(ScriptTest, CompilesConversationsFirstWithCommasAsStarsAndEOFLast) {
  const std::string source =
      "# Abu-Jasem's shop\n"
      "obj 39 -> 5/2\n"
      "  07 My watch, my father's watch!\n"
      "GIV 39\n"
      "07 Take the shoes to Jamil.\n"
      "\n"
      "conv 5/0\n"
      "07 The shoes are ready* and my boy is sick.\n"
      "PHS 1\r\n"
      "07 Find my watch.\n"
      "conv 242/1\n"
      "03 Welcome.\n";
  const std::string expected =
      "Conv005 stage 0\r\n"
      "07 The shoes are ready* and my boy is sick.\r\n"
      "PHS 1\r\n"
      "07 Find my watch.\r\n"
      "\r\n"
      "Conv242 stage 1\r\n"
      "03 Welcome.\r\n"
      "\r\n"
      "Obj for 039\r\n"
      "Conv005 leads to 2\r\n"
      "07 My watch* my father's watch!\r\n"
      "GIV 39\r\n"
      "07 Take the shoes to Jamil.\r\n"
      "\r\n"
      "EOF\r\n";
  const forge::Script script = Read(source);
  EXPECT_EQ(forge::ScriptFileText(script), expected);
  EXPECT_EQ(script[0].lines[0].where, "s.txt:3");

  // Read back as the game reads it, the file holds the same sections.
  WriteAll(dir / "Morvane03.dat", expected);
  std::vector<std::string> problems;
  const auto back = forge::ReadScriptFile((dir / "Morvane03.dat").string(), problems);
  ASSERT_TRUE(back);
  EXPECT_TRUE(problems.empty()) << Joined(problems);
  ASSERT_EQ(back->size(), 3u);
  EXPECT_EQ(forge::SectionName((*back)[2]), "obj 39 -> 5/2");
  EXPECT_EQ((*back)[2].lines[0].where, (dir / "Morvane03.dat").string() + ":11");
  EXPECT_EQ(forge::ScriptFileText(*back), expected);
}

TEST_F(ScriptTest, SourceAndFileFormFaultsNameTheirLine) {
  forge::Script script;
  std::vector<std::string> errors;
  forge::ReadScriptSource(
      "07 Before any header.\n"        // 1
      "conv 251/0\n"                   // 2
      "00 Dropped with its header.\n"  // 3: no second message
      "conv 5/10\n"                    // 4
      "obj 39 5/2\n"                   // 5
      "conv 5/1\n"                     // 6
      "07 Kept.\n",
      "s.txt", script, errors);
  const std::string all = Joined(errors);
  EXPECT_TRUE(Has(all, "s.txt:1: a line outside any section"));
  EXPECT_TRUE(Has(all, "s.txt:2: write \"conv N/S\""));
  EXPECT_TRUE(Has(all, "s.txt:4: write \"conv N/S\""));
  EXPECT_TRUE(Has(all, "s.txt:5: write \"obj O -> N/S\""));
  EXPECT_EQ(errors.size(), 4u) << all;
  ASSERT_EQ(script.size(), 1u);  // the good header still opens its section
  EXPECT_EQ(script[0].lines.size(), 1u);

  const fs::path file = dir / "Morvane03.dat";
  WriteAll(file,
           "Conv005 stage 0\r\n07 Hello\r\n\r\nObj for 039\r\n07 Lost header\r\n\r\nConv006 stage 0"
           "\r\n07 Not closed\r\n");
  std::vector<std::string> problems;
  ASSERT_TRUE(forge::ReadScriptFile(file.string(), problems));
  const std::string found = Joined(problems);
  EXPECT_TRUE(Has(found, ":5: an object section's second line must be a conversation header"));
  EXPECT_TRUE(Has(found, ":8: conv 6/0 is not closed by an empty line"));
  EXPECT_TRUE(Has(found, "the file ends without \"EOF\""));
}

TEST_F(ScriptTest, CommandsMustStandWhereTheWindowPlaysThemRight) {
  const std::string all = Faults(
      "conv 1/0\n"                   // 1
      "00 Hello.\n"                  // 2
      "PWD04SAFFRON MOON\n"          // 3: not first
      "PHS 1\n"                      // 4: followed by a command
      "MSG 3\n"                      // 5
      "00 Fine.\n"                   // 6
      "DOR0101010603070300000000\n"  // 7: not last
      "GET 33\n"                     // 8: nothing spoken after it
      "conv 2/0\n"                   // 9
      "PWD04saffron moon \n"         // 10: lower case, a trailing blank
      "04 Saffron, dear.\n"          // 11
      "conv 3/0\n"                   // 12: nothing spoken
      "DOR0101010603070300000000\n"  // 13: before any spoken line
      "conv 4/0\n"                   // 14
      "PHS1\n"                       // 15: the wrong form
      "00 Text \n"                   // 16: a trailing blank
      "Conv006 stage 0\n");          // 17: neither spoken nor a command
  EXPECT_TRUE(Has(all, "s.txt:3: a pass-phrase demand must be the section's first line"));
  EXPECT_TRUE(Has(all, "s.txt:4: PHS must be followed by a spoken line"));
  EXPECT_TRUE(Has(all, "s.txt:7: a door line ends the conversation: it must be the last line"));
  EXPECT_TRUE(Has(all, "s.txt:8: GET must be followed by a spoken line"));
  EXPECT_TRUE(Has(all, "s.txt:10: the pass phrase ends in a blank"));
  EXPECT_TRUE(Has(all, "s.txt:10: the pass phrase must be upper case"));
  EXPECT_TRUE(Has(all, "s.txt:12: conv 3/0 has no spoken line"));
  EXPECT_TRUE(Has(all, "s.txt:13: a door line must follow the last spoken line"));
  EXPECT_TRUE(Has(all, "s.txt:15: write PHS, a blank and one digit"));
  EXPECT_TRUE(Has(all, "s.txt:16: a blank at the end of the line"));
  EXPECT_TRUE(Has(all, "s.txt:17: \"Conv006 stage 0\" is not a spoken line"));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 11) << all;
}

TEST_F(ScriptTest, SpeakersObjectsAndNumbersMustExist) {
  const std::string all = Faults(
      "conv 1/0\n"         // 1
      "44 Who am I?\n"     // 2: no such speaker
      "43 Miaow.\n"        // 3: no portrait in this game folder
      "GET 31\n"           // 4: no such object
      "00 Nothing.\n"      // 5
      "GIV 129\n"          // 6
      "00 The wig.\n"      // 7
      "MAP 8\n"            // 8: the sealed quarter is no map district
      "00 Map.\n"          // 9
      "MSG 0\n"            // 10
      "00 Report.\n"       // 11
      "obj 31 -> 1/0\n"    // 12: no such object; stage 0 never plays
      "00 Fine.\n"         // 13
      "07 Caf\xc3\xa9.\n"  // 14: not ASCII
      "conv 9/1\n"         // 15
      "00 Fine.\n");       // 16
  EXPECT_TRUE(Has(all, "s.txt:2: speaker 44 is not 00 to 43"));
  EXPECT_TRUE(Has(all, "s.txt:3: speaker 43 has no portrait Game43.dat in the game folder"));
  EXPECT_TRUE(Has(all, "s.txt:4: object 31 is not an object the hero carries"));
  EXPECT_TRUE(Has(all, "s.txt:8: MAP opens a district 1 to 7"));
  EXPECT_TRUE(Has(all, "s.txt:10: MSG readies a report 1 to 8"));
  EXPECT_TRUE(Has(all, "s.txt:12: object 31 is not an object the hero carries"));
  EXPECT_TRUE(Has(all, "s.txt:12: obj 31 -> 1/0 leads to stage 0"));
  EXPECT_TRUE(Has(all, "s.txt:14: a character other than printable ASCII (byte 195)"));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 8) << all;
}

TEST_F(ScriptTest, ADoorLineMustOpenADoorOfItsDistrict) {
  // The gate opens; Abu Karim, a person, may be sent away instead.
  EXPECT_EQ(Faults("conv 2/0\n04 Go.\nDOR0101010603070300000000\n"
                   "conv 2/1\n04 Go.\nDOR0101010505000000000000\n"),
            "");
  const std::string all = Faults(
      "conv 2/0\n04 Go.\nDOR0901010603070300000000\n"    // 3: no district 9
      "conv 2/1\n04 Go.\nDOR0101020603070300000000\n"    // 6: district 1 has one screen
      "conv 2/2\n04 Go.\nDOR0101010404000000000000\n"    // 9: nothing there
      "conv 2/3\n04 Go.\nDOR0101010603132100000000\n"    // 12: cell B off the screen
      "conv 2/4\n04 Go.\nDOR0201010603070300000000\n"    // 15: no district file
      "conv 2/5\n04 Go.\nDOR01010106030703000000\n"      // 18: too short
      "conv 2/6\n04 Go.\nDOR0101010603050500000000\n"    // 21: half a gate, half a person
      "conv 2/7\n04 Go.\nDOR0101010505060300000000\n");  // 24: a person, then the gate
  EXPECT_TRUE(Has(all, "s.txt:3: district 9 is not 1 to 8"));
  EXPECT_TRUE(Has(all, "s.txt:6: screen [1,2] is not in district 1's 1 x 1 screens"));
  EXPECT_TRUE(Has(all,
                  "s.txt:9: cell A (4,4) of Strategy01.dat screen [1,1] holds object 999, not a "
                  "door (88-95, 104-111) or someone who leaves"));
  EXPECT_TRUE(Has(all, "s.txt:12: cell B (13,21) is not a cell"));
  EXPECT_TRUE(Has(all, "s.txt:15: Strategy02.dat cannot be read"));
  EXPECT_TRUE(Has(all, "s.txt:18: write DOR and 22 digits"));
  EXPECT_TRUE(Has(all,
                  "s.txt:21: cell B (5,5) of Strategy01.dat screen [1,1] holds object 3, "
                  "not a door like cell A"));
  EXPECT_TRUE(Has(all,
                  "s.txt:24: cell B (6,3) of Strategy01.dat screen [1,1] holds object 110, "
                  "not someone who leaves like cell A"));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 8) << all;
}

TEST_F(ScriptTest, SpokenTextMustFitTheWindow) {
  // Five rows of ordinary words fit; one word more makes a sixth row, which never shows.
  const std::string text =
      "The Minister of War pays for his toys through the Minister of Finance* and letters go "
      "between them. Every ";
  EXPECT_EQ(forge::TextFitProblem(text + "week."), "");
  EXPECT_EQ(forge::TextFitProblem(text + "single week."),
            "the text takes 6 rows in the window (at most 5)");
  // Capitals count wider than others, but not as wide as a W.
  const std::string wide = forge::TextFitProblem("WWWWWWWWWWWWWWWW");
  EXPECT_TRUE(Has(wide, "row 1 \"WWWWWWWWWWWWWWWW\" is 28"));
  EXPECT_TRUE(Has(wide, " pixels wide (at most 225)"));
  EXPECT_TRUE(
      Has(Faults("conv 1/0\n00 MMMMMMMMMMMMMMMM\n"), "s.txt:2: row 1 \"MMMMMMMMMMMMMMMM\""));
}

TEST_F(ScriptTest, SectionsAreBoundedAndWrittenOnce) {
  std::string source = "conv 1/0\n";
  for (int i = 0; i < 99; ++i) source += "00 Again.\n";
  EXPECT_EQ(Faults(source), "");
  source +=
      "00 Once too often.\n"
      "obj 39 -> 5/2\n07 Mine.\n"   // 102
      "conv 1/0\n00 Twice.\n"       // 104
      "obj 39 -> 5/1\n07 Again.\n"  // 106
      "obj 39 -> 6/1\n07 Else.\n";  // 108: another person, not twice
  const std::string all = Faults(source);
  EXPECT_TRUE(
      Has(all, "s.txt:1: conv 1/0 has 101 lines with its closing empty line (at most 100)"));
  EXPECT_TRUE(Has(all, "s.txt:104: conv 1/0 is written twice (first at s.txt:1)"));
  EXPECT_TRUE(Has(all, "s.txt:106: obj 39 -> 5/1 is written twice (first at s.txt:102)"));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 3) << all;
}

TEST_F(ScriptTest, MissingSectionsAreListedByConversationAndStage) {
  std::string source =
      "conv 3/0\n05 Melons!\nPHS 1\n05 Sweet.\n"  // 1-4: stage 1 is never written
      "obj 39 -> 5/2\n07 My watch!\n"             // 5: so 5/2 must be there
      "obj 33 -> 4/1\n06 Sold!\n";                // 7: the story leads to stage 2
  const auto missing = forge::MissingSections(Read(source), dir.string());
  const std::string all = Joined(missing);
  EXPECT_TRUE(Has(all, "missing conv 3/1 (set at s.txt:3)"));
  EXPECT_TRUE(Has(all, "missing conv 5/2 (obj 39 -> 5/2 at s.txt:5 leads to it)"));
  EXPECT_TRUE(Has(all, "missing conv 110/0 (started in Strategy01.dat)"));
  EXPECT_TRUE(Has(all, "missing conv 141/2 (reply 1 sets it)"));
  EXPECT_TRUE(Has(all, "missing conv 117/2 (set after talking to Jamil)"));
  EXPECT_TRUE(Has(all, "missing conv 242/0 (the game opens it)"));
  EXPECT_TRUE(Has(all, "missing obj 42 -> 91/1 (an object use of the story)"));
  EXPECT_TRUE(Has(all, "s.txt:7: obj 33 -> 4/1 should lead to stage 2"));
  EXPECT_TRUE(Has(all, "Strategy02.dat: not in the game folder"));
  EXPECT_FALSE(Has(all, "conv 3/0 "));
  // Grouped by conversation, then stage.
  EXPECT_LT(all.find("conv 3/1"), all.find("conv 5/2"));
  EXPECT_LT(all.find("conv 141/2"), all.find("conv 242/0"));
}

TEST_F(ScriptTest, TheForgeWritesTheScriptAndNoneFromAFaultySource) {
  const fs::path sources = dir / "content" / "script";
  const std::string target = (dir / "Morvane03.dat").string();
  forge::Output none(dir.string(), (dir / "content").string());
  forge::ForgeScript(none);  // no sources yet: nothing written, nothing failed
  EXPECT_TRUE(none.Errors().empty());
  EXPECT_FALSE(fs::exists(target));

  WriteAll(sources / "b.txt", "conv 4/0\n06 Dresses!\n");
  WriteAll(sources / "a.txt", "conv 3/0\n05 Melons!\n");
  WriteAll(sources / "notes.md", "conv 9/0\n");
  forge::Output good(dir.string(), (dir / "content").string());
  forge::ForgeScript(good);
  // Sound but far from complete: written, and the run fails naming what is missing.
  EXPECT_TRUE(Has(Joined(good.Errors()), "Strategy02.dat: not in the game folder"));
  EXPECT_TRUE(Has(Joined(good.Errors()), "more gaps in the script"));
  EXPECT_EQ(forge::FileBytes(target),
            "Conv003 stage 0\r\n05 Melons!\r\n\r\nConv004 stage 0\r\n06 Dresses!\r\n\r\nEOF\r\n");

  WriteAll(sources / "b.txt", "conv 4/0\n06 Dresses!\nPHS 1\n");
  forge::Output bad(dir.string(), (dir / "content").string());
  forge::ForgeScript(bad);
  ASSERT_EQ(bad.Errors().size(), 1u) << Joined(bad.Errors());
  EXPECT_TRUE(Has(bad.Errors()[0], "b.txt:3: PHS must be followed by a spoken line"));
  EXPECT_FALSE(fs::exists(target));
}

// The city's own script, as forged into the game folder: up to date with its sources, read
// back as the game reads it, sound and complete.
TEST(TheCityScript, IsForgedAndPassesTheCheck) {
  const auto files = forge::ScriptSourceFiles(std::string(VELTRANE_CONTENT_DIR) + "/script");
  if (files.empty()) GTEST_SKIP() << "content/script has no sources yet";
  std::vector<std::string> errors;
  const forge::Script sources = forge::ReadScriptSources(files, errors);
  for (const auto& e : errors) ADD_FAILURE() << e;
  const std::string file = std::string(VELTRANE_GAME_DIR) + "/Morvane03.dat";
  EXPECT_EQ(forge::FileBytes(file), forge::ScriptFileText(sources)) << file << " is out of date";
  std::vector<std::string> problems;
  const auto forged = forge::ReadScriptFile(file, problems);
  ASSERT_TRUE(forged) << Joined(problems);
  for (const auto& list : {problems, forge::CheckScript(*forged, VELTRANE_GAME_DIR),
                           forge::MissingSections(*forged, VELTRANE_GAME_DIR)})
    for (const auto& p : list)
      ADD_FAILURE() << p << "\n(forge --check GAME_DIR CONTENT_DIR names the source lines)";
}

}  // namespace
