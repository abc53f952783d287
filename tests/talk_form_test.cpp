// The conversation window on a small script: stages, object uses and refusals,
// commands in the tick of their spoken line, pass phrases, doors and the portrait.
#include "dialogue/talk_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/script_lines.h"
#include "game_fixture.h"

namespace vt {
namespace {

constexpr const char* kScript =
    "Conv242 stage 0\r\n03 Welcome.\r\nPHS 1\r\n01 The kit.\r\n\r\n"
    "Conv242 stage 1\r\n01 Again here.\r\n\r\n"
    "Conv010 stage 0\r\nMSG 3\r\n12 A report* then more.\r\n\r\n"
    "Conv011 stage 0\r\nPWD04SAFFRON MOON\r\n04 Come closer.\r\n\r\n"
    "Conv012 stage 0\r\n03 Far away.\r\nDOR0103011109111000000000\r\n\r\n"
    "Conv013 stage 0\r\n03 Another quarter.\r\nDOR0201010604060500000000\r\n\r\n"
    "Conv014 stage 0\r\n03 Right here.\r\nDOR0101030609061000000000\r\n\r\n"
    "Obj for 039\r\nConv005 leads to 2\r\n07 My watch!\r\nGIV 39\r\n07 Thank you.\r\n\r\n"
    "EOF\r\n";

constexpr Color kSpeechBack = Rgb(20, 30, 90);
constexpr Color kFace = Rgb(200, 40, 40);

class Talk : public test::GameFixture {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Morvane03.dat", std::ios::binary) << kScript;
    Put("Morvane02.dat", Surface(440, 172, kSpeechBack));
    Put("Morvane12.dat", Surface(440, 172, Rgb(220, 210, 180)));
    // A face with a cyan square where the background must show through.
    Surface face(200, 150, kFace);
    FillRect(face, {80, 60, 40, 30}, kKeyColor);
    for (const char* code : {"03", "04", "07", "12", "01", "00"})
      Put(std::string("Game") + code + ".dat", face);
    GameFixture::SetUp();
  }
  void Put(const std::string& name, Surface picture) {
    media.files[(dir / name).string()] = std::move(picture);
  }
  TalkForm& talk() { return shell->talkForm; }
  // Plays conversation `scene` (bare-handed) through to its end.
  void Converse(int scene) {
    w->TalkScene = static_cast<std::int16_t>(scene);
    w->TalkFlag = true;
    shell->ShowTalk();
  }
  // Uses the object on conversation `scene`.
  void Use(int object, int scene) {
    w->Inventory[1] = static_cast<std::int16_t>(object);
    w->InvCount = 1;
    w->InvFirst = 1;
    w->TalkScene = static_cast<std::int16_t>(scene);
    w->TalkFlag = false;
    shell->ShowTalk();
  }
  // Opens conversation `scene` with only `input` to play it, and stops when that is used up.
  void OpenWith(int scene, const std::function<void()>& input) {
    platform.feeder = nullptr;
    input();
    w->TalkScene = static_cast<std::int16_t>(scene);
    w->TalkFlag = true;
    try {
      shell->ShowTalk();
    } catch (const ScriptEnded&) {
    }
  }
  // The last line typed, its rows joined as the player reads them.
  std::string Said() const {
    std::string said;
    for (const std::string& row : shell->talkForm.Rows()) said += (said.empty() ? "" : " ") + row;
    return said;
  }
  std::string LastRow() const {
    return shell->talkForm.Rows().empty() ? "" : shell->talkForm.Rows().back();
  }
};

TEST_F(Talk, AStageLineDecidesWhichSectionTheNextOpeningPlays) {
  // The new game's briefing has played 242/0, whose PHS line set stage 1.
  EXPECT_EQ(w->StoryFlags[242], 1);
  EXPECT_FALSE(w->TalkOpen);
  EXPECT_EQ(LastRow(), "The kit.");
  Converse(242);
  EXPECT_EQ(talk().Speaker(), "01");
  EXPECT_EQ(LastRow(), "Again here.");
  EXPECT_EQ(w->StoryFlags[242], 1);
  EXPECT_FALSE(talk().IsLoaded());
  EXPECT_FALSE(w->KeysUsed);
}

TEST_F(Talk, ObjectsWithoutASectionOrUsedAgainAreRefusedAndChangeNothing) {
  const auto isOneOf = [](const std::string& row, std::initializer_list<const char*> lines) {
    for (const char* l : lines)
      if (row == l) return true;
    return false;
  };
  Use(40, 5);  // the lipstick on Abu-Jasem: nothing written for that
  EXPECT_TRUE(isOneOf(Said(), {"It doesn't seem like a good idea.",
                               "That does not look like a good idea, I had better do "
                               "something else with it.",
                               "Of all the creative uses of this item, this would be one of "
                               "the least helpful."}))
      << Said();
  EXPECT_EQ(w->StoryFlags[5], 0);
  EXPECT_EQ(w->Inventory[1], 40);

  Use(39, 5);  // the watch: accepted, the stage moves on and the watch is given
  EXPECT_EQ(w->StoryFlags[5], 2);
  EXPECT_EQ(w->InvCount, 0);
  EXPECT_EQ(Said(), "Thank you.");

  Use(39, 5);  // once more: the stage is reached
  EXPECT_TRUE(isOneOf(Said(), {"That doesn't seem like a good idea.",
                               "That does not look like a good idea; I had better do "
                               "something else with it.",
                               "Of all the creative uses of that item, this would be one of "
                               "the least helpful."}))
      << Said();
  EXPECT_EQ(w->StoryFlags[5], 2);
}

TEST_F(Talk, ACommandRunsInTheTickThatStartsItsSpokenLine) {
  // One tick: the report is ready and the next line's first letter is shown.
  OpenWith(10, [&] { platform.PushWait(60); });
  EXPECT_TRUE(w->Transmissions[3]);
  EXPECT_EQ(talk().Speaker(), "12");
  EXPECT_EQ(LastRow(), "A");
  EXPECT_TRUE(w->TalkOpen);
}

TEST_F(Talk, AStarIsShownAsAComma) {
  // "A report" takes 8 ticks; the 9th shows the star as a comma.
  OpenWith(10, [&] { platform.PushWait(9 * 55 + 10); });
  EXPECT_EQ(LastRow(), "A report,");
  test::AnswerConversations(platform, *shell);
  Converse(10);
  EXPECT_EQ(LastRow(), "A report, then more.");
}

TEST_F(Talk, APassPhraseMatchesInAnyCaseButNotWithATrailingBlank) {
  auto typed = [&](const std::string& text) {
    platform.PushWait(200);
    for (char c : text) {
      InputEvent e;
      e.kind = InputEvent::Kind::KeyPress;
      e.ch = c;
      platform.Push(e);
    }
    InputEvent enter;
    enter.kind = InputEvent::Kind::KeyDown;
    enter.keyCode = key::kEnter;
    platform.Push(enter);
  };
  // An empty entry does nothing: the box and the button wait on.
  OpenWith(11, [&] { typed(""); });
  EXPECT_TRUE(talk().Text1->Visible);
  EXPECT_TRUE(talk().Label1->Visible);
  EXPECT_EQ(talk().Label1->Caption, "SAY PASSWORD");
  EXPECT_EQ(talk().Speaker(), "04");

  // A trailing blank is a wrong phrase: the fixed exchange, the stage unchanged.
  platform.feeder = nullptr;
  typed("saffron moon ");
  test::AnswerConversations(platform, *shell);
  w->TalkScene = 11;
  w->TalkFlag = true;
  shell->ShowTalk();
  EXPECT_EQ(Said(), "Oh, nothing. Sorry to bother you.");
  EXPECT_EQ(w->StoryFlags[11], 0);

  // Lower case is said in upper case and matches.
  platform.feeder = nullptr;
  typed("saffron moon");
  test::AnswerConversations(platform, *shell);
  shell->ShowTalk();
  EXPECT_EQ(LastRow(), "Come closer.");
  EXPECT_FALSE(w->ScriptFlag2);  // only in the sealed quarter
}

TEST_F(Talk, ADoorOpensSilentlyFarAwayHeardOnAnotherScreenAndSeenHere) {
  const auto before = platform.effects.size();
  Converse(13);  // another district
  EXPECT_TRUE(w->CellChanged[2][1][1][6][4]);
  EXPECT_TRUE(w->CellChanged[2][1][1][6][5]);
  EXPECT_EQ(platform.effects.size(), before);

  Converse(12);  // this district, another screen
  EXPECT_TRUE(w->CellChanged[1][3][1][11][9]);
  EXPECT_EQ(Count("DoorOpenDist"), 1);

  w->FrontTiles[6][9] = 90;  // a door on this screen, drawn closed
  for (Surface* s : {&game->surfaces.GameBox, &game->surfaces.BG})
    FillRect(*s, {30 * 9 - 45, 30 * 6 - 45, 60, 30}, Rgb(90, 60, 30));
  Converse(14);
  EXPECT_TRUE(w->CellChanged[1][1][3][6][9]);
  EXPECT_TRUE(w->CellChanged[1][1][3][6][10]);
  EXPECT_EQ(Count("DoorOpen"), 1);
  // The opening shows the floor behind the door, on the play area and its clean copy.
  EXPECT_EQ(CellCentre(6, 9), test::BackColorOf(w->BackTiles[6][9]));
  EXPECT_FALSE(talk().IsLoaded());
}

TEST_F(Talk, ThePortraitIsDrawnWithItsCyanShowingTheBackground) {
  OpenWith(10, [&] { platform.PushWait(60); });
  const Surface& window = talk().Picture;
  EXPECT_EQ(window.At(10 + 5, 15 + 5), kFace);
  EXPECT_EQ(window.At(10 + 100, 15 + 75), kSpeechBack);  // the cyan square
  EXPECT_EQ(window.At(5, 5), kSpeechBack);
}

TEST(TypedRows, CapitalsCountMoreAndAWordThatWouldPassTheLimitStartsANewRow) {
  EXPECT_EQ(TypedRows("word word word word word"),
            (std::vector<std::string>{"word word word word word"}));
  EXPECT_EQ(TypedRows("WORD WORD WORD WORD"), (std::vector<std::string>{"WORD WORD WORD", "WORD"}));
  EXPECT_EQ(TypedRows("Yes* sir."), (std::vector<std::string>{"Yes, sir."}));
  // Each sum is rounded, a half to the even neighbour: 3 + 0.5 is 4, 4 + 0.5 stays 4.
  int wrap = 3;
  TypeCharacter(".", 0, wrap);
  EXPECT_EQ(wrap, 4);
  wrap = 4;
  TypeCharacter(".", 0, wrap);
  EXPECT_EQ(wrap, 4);
  wrap = 3;
  TypeCharacter("A", 0, wrap);
  EXPECT_EQ(wrap, 4);
}

}  // namespace
}  // namespace vt
