// veltrane-run: scripts, expectations, dumps and their failures.
#include "tools/runner/runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tools/runner/script.h"
#include "util/json.h"

namespace vt {
namespace {

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

RunResult RunText(const std::string& script, RunnerOptions options = {}) {
  options.dataFolder = "/nonexistent";
  options.scriptName = "t.txt";
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunScript(options, script, out, err);
  return {status, out.str(), err.str()};
}

// The start-up window is centred: "Window" at (185, 278), the button at (369, 266).
constexpr const char* kChooseWindowAndPlay = "click 190 288\nclick 380 260\n";

TEST(Runner, ThreeLinesChooseWindowPressTheButtonAndDump) {
  const auto r = RunText(std::string(kChooseWindowAndPlay) + "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto dump = Json::Parse(r.out);
  ASSERT_TRUE(dump.has_value());
  EXPECT_EQ(*dump->AtPath("top"), Json("InfoForm"));
  EXPECT_EQ(*dump->AtPath("world.FullScreen"), Json(false));
  // The presentation has played: the name in Morse, then "PRESENTS".
  EXPECT_EQ(*dump->AtPath("effects.2"), Json("Blip2Sync"));
  EXPECT_EQ(*dump->AtPath("effects.last"), Json("Presents"));
  EXPECT_EQ(*dump->AtPath("music.0"), Json("close BGmusic"));
  EXPECT_EQ(*dump->AtPath("world.CellChanged.1.5.2.8.18"), Json(false));  // no game yet
  EXPECT_EQ(dump->AtPath("windows.Mode"), nullptr);                       // unloaded
  EXPECT_EQ(*dump->AtPath("windows.InfoForm.visible"), Json(true));
  EXPECT_EQ(*dump->AtPath("ended"), Json(false));
}

TEST(Runner, ExpectationsPassAndFailLoudly) {
  const auto ok = RunText(
      "expect windows.Mode.controls.Option1(1).value false\n"
      "expect windows.Mode.controls.Label1(0).caption \"Veltrane\"\n"
      "expect windows.Mode.controls.Label1(0).forecolor \"#FFFFFF\"\n"
      "expect messages []\n"
      "expect windows.Big absent\n");
  EXPECT_EQ(ok.status, 0) << ok.err;
  const auto present = RunText("expect windows.Mode absent\n");
  EXPECT_EQ(present.status, 1);
  EXPECT_NE(present.err.find("expected nothing there"), std::string::npos) << present.err;

  const auto bad = RunText("click 190 288\nexpect world.FullScreen true\n");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("t.txt:2"), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("world.FullScreen"), std::string::npos);
  EXPECT_NE(bad.err.find("expected true, got false"), std::string::npos) << bad.err;

  const auto missing = RunText("expect world.NoSuchThing 1\n");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("nothing at that path"), std::string::npos);
}

TEST(Runner, BadScriptsAreRefusedBeforeAnythingRuns) {
  EXPECT_EQ(RunText("jump 3\n").status, 2);
  EXPECT_EQ(RunText("key NoSuchKey\n").status, 2);
  EXPECT_EQ(RunText("click 1\n").status, 2);
  EXPECT_EQ(RunText("wait -5\n").status, 2);
  const auto r = RunText("# fine\n\nkey Enter\nexpect x\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("line 4"), std::string::npos) << r.err;
}

TEST(Runner, ProgramEndAndRefusedStartAreVisible) {
  RunnerOptions options;
  options.anotherCopy = true;
  const auto r = RunText(
      "expect ended true\n"
      "expect messages.0.text \"Veltrane is already running\"\n"
      "expect messages.0.title \"Veltrane\"\n",
      options);
  EXPECT_EQ(r.status, 0) << r.err;
  // Input after the end is a script error, not silently dropped: Enter starts,
  // Esc on the title asks to leave, Enter answers yes.
  EXPECT_EQ(RunText("key Enter\nwait 100\nkey Esc\nkey Enter\nkey Esc\n").status, 1);
}

TEST(Runner, VirtualClockAndDisplayOptions) {
  RunnerOptions options;
  options.display = {640, 480, 32};
  const auto r = RunText(
      "wait 2500\n"
      "expect clock_ms 2500\n"
      "expect windows.Mode.controls.Option1(1).enabled false\n"
      "expect world.FullScreen true\n",
      options);
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(Script, KeyNamesAndTypedText) {
  EXPECT_EQ(KeyCodeForName("Enter"), 13);
  EXPECT_EQ(KeyCodeForName("PageDown"), 34);
  EXPECT_EQ(KeyCodeForName("F3"), 114);
  EXPECT_EQ(KeyCodeForName("j"), 'J');
  EXPECT_EQ(KeyCodeForName("7"), '7');
  EXPECT_EQ(KeyCodeForName("enter"), 0);
  const auto parsed = ParseScript("type Saffron Moon #1\nexpect world.HeroFacing \"Up\"  \n");
  ASSERT_TRUE(parsed.error.empty());
  EXPECT_EQ(parsed.commands[0].text, "Saffron Moon #1");
  EXPECT_EQ(parsed.commands[1].value, "\"Up\"");
  // Lines of carriage returns or other blanks are blank lines, not commands without a verb.
  const auto blanks = ParseScript("wait 5\n\r\r\r\n \v\f\n\t# a comment\nwait 6\n");
  ASSERT_TRUE(blanks.error.empty()) << blanks.error;
  ASSERT_EQ(blanks.commands.size(), 2u);
  EXPECT_EQ(blanks.commands[1].ms, 6);
}

TEST(Json, PathsParsingAndPrinting) {
  const auto j = Json::Parse(R"J({"a":{"Label1(0)":{"x":[1,2,{"y":"z"}]}},"s":"q\"\n"})J");
  ASSERT_TRUE(j.has_value());
  EXPECT_EQ(*j->AtPath("a.Label1(0).x.1"), Json(2));
  EXPECT_EQ(*j->AtPath("a.Label1(0).x.last.y"), Json("z"));
  EXPECT_EQ(j->AtPath("a.Label1(0).x.3"), nullptr);
  EXPECT_EQ(j->AtPath("a.Label1(0).x.-1"), nullptr);
  EXPECT_EQ(Json::Parse(j->Dump()), j);
  EXPECT_FALSE(Json::Parse("[1,").has_value());
  EXPECT_FALSE(Json::Parse("{\"a\" 1}").has_value());
  EXPECT_FALSE(Json::Parse(std::string(1000, '[')).has_value());
}

}  // namespace
}  // namespace vt
