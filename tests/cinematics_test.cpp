// The cinematic window: the presentation, the story's steps one per advance,
// the pages, the ending's way back to the title screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cinematics/info_form.h"
#include "test_support.h"

namespace vt::test {
namespace {

constexpr const char* kFolder = "/game";

class Cinematics : public ::testing::Test {
 protected:
  NullMedia media;
  HeadlessPlatform p{media};
  std::unique_ptr<Shell> shell;
  InfoForm* info = nullptr;
  WorldState* w = nullptr;

  void SetUp() override {
    // Scene pictures of known sizes, to see where the window puts them.
    media.files[std::string(kFolder) + "/Zorl08.dat"] = Surface(400, 300, Rgb(1, 2, 3));
    media.files[std::string(kFolder) + "/Zorl06.dat"] = Surface(188, 175, Rgb(4, 5, 6));
    media.files[std::string(kFolder) + "/Zorl07.dat"] = Surface(188, 175, Rgb(7, 8, 9));
    shell = std::make_unique<Shell>(p, kFolder);
    info = &shell->infoForm;
    w = &shell->game.world;
    ApplyStartupSettings(*w);
    w->FullScreen = true;
    w->PresentationShown = true;  // the start-up presentation is behind us
  }

  // Opens sequence `mode` modally and plays the queued input; true if it closed.
  bool Open(int mode) {
    w->InfoMode = static_cast<std::int16_t>(mode);
    try {
      shell->ShowCinematic(mode != info::kEnding);
      if (mode == info::kEnding) shell->game.ui.Run();
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  void Advance(int times) {
    for (int i = 0; i < times; ++i) p.PushKey(key::kEnter);
  }
  int Count(const std::string& effect) const {
    int n = 0;
    for (const auto& e : p.effects) n += e.name == effect;
    return n;
  }
};

TEST_F(Cinematics, TheIntroductionShowsOneStepPerAdvanceAndClosesAfterTheLast) {
  p.musicCommands.clear();
  EXPECT_FALSE(Open(info::kIntroduction));
  // Step 1 at once, with the music stopped.
  EXPECT_EQ(info->StepShown(), 1);
  EXPECT_EQ(p.musicCommands, (std::vector<std::string>{"close BGmusic"}));
  EXPECT_EQ(Count("BackIntro"), 1);
  EXPECT_EQ(info->TitleLabel->ForeColor, Rgb(255, 192, 192));
  EXPECT_NE(info->TitleLabel->Caption.find("sandstorm"), std::string::npos);

  info->Unload();
  Advance(43);
  EXPECT_FALSE(Open(info::kIntroduction));
  EXPECT_EQ(info->StepShown(), 44);
  EXPECT_EQ(info->TitleLabel->Caption, "Michel Darras has arrived.");
  EXPECT_EQ(info->TitleLabel->ForeColor, Rgb(255, 128, 128));
  EXPECT_FALSE(info->Image1[0].Visible);
  EXPECT_EQ(info->Label1[0].Caption, "");

  info->Unload();
  Advance(44);
  EXPECT_TRUE(Open(info::kIntroduction));
  EXPECT_FALSE(info->IsLoaded());
  // The window never starts the music again.
  EXPECT_EQ(p.musicCommands.back(), "close BGmusic");
}

TEST_F(Cinematics, EveryWayOfAdvancingCountsAndOtherKeysDoNothing) {
  p.PushKey('A');
  p.PushKey(key::kF1);
  p.PushKey(key::kDown);
  EXPECT_FALSE(Open(info::kIntroduction));
  EXPECT_EQ(info->StepShown(), 1);

  p.PushKey(key::kEnter);
  p.PushKey(key::kSpace);
  p.PushKey(key::kEscape);
  p.PushClick(5, 470);  // the bare window
  const Rect title = info->TitleLabel->Bounds;
  p.PushClick(title.x + title.w / 2, title.y + title.h / 2);
  EXPECT_FALSE(Open(info::kIntroduction));
  EXPECT_EQ(info->StepShown(), 6);
  // Step 6 put a caption under the centre picture: a click on it advances too.
  const Rect caption = info->Label1[0].Bounds;
  p.PushClick(caption.x + caption.w / 2, caption.y + 5);
  try {
    info->ShowModal();
  } catch (const ScriptEnded&) {
  }
  EXPECT_EQ(info->StepShown(), 7);
}

TEST_F(Cinematics, TheTelephoneCallAndTheOperationsRoom) {
  Advance(16);
  EXPECT_FALSE(Open(info::kIntroduction));
  ASSERT_EQ(info->StepShown(), 17);
  EXPECT_EQ(info->Label1[2].Caption, "Not any more. Islamia.");
  EXPECT_EQ(info->Label1[1].Caption, "");
  EXPECT_EQ(info->Image1[1].Bounds, (Rect{12, 12, 188, 175}));
  EXPECT_EQ(Count("PhoneRing"), 1);

  // Step 18 leaves his line standing; step 19 takes it away.
  Advance(1);
  EXPECT_FALSE(Open(info::kIntroduction));
  info->Unload();
  // (Reopening starts again at step 1: play on to 18 in one showing.)
  Advance(17);
  EXPECT_FALSE(Open(info::kIntroduction));
  ASSERT_EQ(info->StepShown(), 18);
  EXPECT_EQ(info->Label1[2].Caption, "Not any more. Islamia.");
  EXPECT_NE(info->Label1[1].Caption, "");
  info->Unload();
  Advance(18);
  EXPECT_FALSE(Open(info::kIntroduction));
  EXPECT_EQ(info->Label1[2].Caption, "");

  // Step 30: the room's picture centred and raised 1000 twips, the caption 500 lower.
  info->Unload();
  Advance(29);
  EXPECT_FALSE(Open(info::kIntroduction));
  ASSERT_EQ(info->StepShown(), 30);
  EXPECT_FALSE(info->Image1[1].Visible);
  EXPECT_EQ(info->Image1[0].Bounds, (Rect{120, 23, 400, 300}));
  EXPECT_TRUE(info->Image1[0].Visible);
  EXPECT_EQ(info->Label1[0].Bounds.y, 316 + 33);
  EXPECT_EQ(info->Label1[0].ForeColor, Rgb(255, 255, 192));
  info->Unload();
  Advance(30);
  EXPECT_FALSE(Open(info::kIntroduction));
  EXPECT_EQ(info->Label1[0].Caption.rfind("TAVORI\r\n", 0), 0u);
  EXPECT_EQ(info->Label1[0].ForeColor, Rgb(255, 255, 255));
}

TEST_F(Cinematics, PagesCloseOnTheFirstAdvanceWithASound) {
  for (const int page : {info::kHowToPlay, info::kCredits}) {
    p.effects.clear();
    EXPECT_FALSE(Open(page));
    EXPECT_TRUE(info->Visible());
    p.PushClick(320, 240);
    try {
      info->ShowModal();
    } catch (const ScriptEnded&) {
      ADD_FAILURE() << "page " << page << " stayed open";
    }
    EXPECT_FALSE(info->IsLoaded());
    EXPECT_EQ(Count("MenuSelect"), 1);
  }
}

TEST_F(Cinematics, TheEndingEndsOnTheEndAndGivesWayToTheTitleScreen) {
  Advance(18);
  EXPECT_FALSE(Open(info::kEnding));
  ASSERT_EQ(info->StepShown(), 19);
  EXPECT_EQ(info->TitleLabel->Caption, "THE END");
  EXPECT_EQ(info->TitleLabel->Font.sizePt, 30);
  EXPECT_EQ(info->TitleLabel->ForeColor, Rgb(255, 0, 0));
  EXPECT_EQ(Count("Ahh"), 1);
  EXPECT_EQ(p.effects.back().name, "Presents");
  EXPECT_FALSE(shell->big.IsLoaded());

  info->Unload();
  Advance(19);
  EXPECT_FALSE(Open(info::kEnding));  // the title screen waits for the player
  EXPECT_FALSE(info->IsLoaded());
  EXPECT_TRUE(shell->big.Visible());
  EXPECT_EQ(shell->game.ui.TopForm(), &shell->big);
}

TEST_F(Cinematics, ThePresentationSpellsTheNameOnceAndCannotBeSkipped) {
  w->PresentationShown = false;
  w->InfoMode = info::kCredits;  // the first showing is the presentation whatever was asked
  p.PushClick(320, 240);
  p.PushKey(key::kEnter);
  try {
    info->Show();
  } catch (const ScriptEnded&) {
  }
  EXPECT_EQ(info->Sequence(), info::kPresentation);
  EXPECT_EQ(info->Printed(), "HERON WORKS\nPRESENTS");
  std::string tones;
  for (const auto& e : p.effects) tones += e.name == "Dit" ? "." : e.name == "Dah" ? "-" : "";
  EXPECT_EQ(tones,
            "....."
            ".-."
            "---"
            "-."
            ".--"
            "---"
            ".-."
            "-.-"
            "...");
  EXPECT_EQ(p.effects.back().name, "Presents");
  // The title screen is up; the click and Enter did nothing to the presentation.
  EXPECT_TRUE(shell->big.Visible());
  EXPECT_TRUE(w->PresentationShown);

  // The next showing is what InfoMode asks for.
  info->Unload();
  w->InfoMode = info::kCredits;
  EXPECT_FALSE(Open(info::kCredits));
  EXPECT_EQ(info->Sequence(), info::kCredits);
  EXPECT_EQ(info->Printed(), "");
}

}  // namespace
}  // namespace vt::test
