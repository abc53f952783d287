// The options window: the boxed choices it opens with, the settings each choice
// makes, its keys, and music switched off and on in a game and on the title screen.
#include "options/options_form.h"

#include <string>
#include <vector>

#include "game_fixture.h"

namespace vt::test {
namespace {

class Options : public GameFixture {
 protected:
  std::unique_ptr<OptionsForm> options;

  void SetUp() override {
    GameFixture::SetUp();
    options = std::make_unique<OptionsForm>(*game);
    options->PlaceOver(*form, 0);  // where opening stands it, so clicks can be aimed
    platform.effects.clear();
  }
  void TearDown() override {
    options.reset();
    GameFixture::TearDown();
  }

  // Opens the window on the queued input; true when it closed before the input ran out.
  bool Open() {
    try {
      options->Open(*form);
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  // Goes on with the open window over the input queued since.
  bool Resume() {
    try {
      options->ShowModal();
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  bool Press(int keyCode) {
    platform.PushKey(keyCode);
    return Resume();
  }
  bool Click(const Control& c) {
    platform.PushClick(options->Bounds.x + c.Bounds.x + c.Bounds.w / 2,
                       options->Bounds.y + c.Bounds.y + c.Bounds.h / 2);
    return Resume();
  }
  std::vector<std::string> Effects() {
    std::vector<std::string> names;
    for (const auto& e : platform.effects) names.push_back(e.name);
    platform.effects.clear();
    return names;
  }
  // The boxed entries of a row, by index.
  static std::vector<int> Boxed(const ControlArray<Label>& row) {
    std::vector<int> boxed;
    for (const auto& [n, l] : row) {
      EXPECT_EQ(l->Border, !l->Transparent) << l->Key();
      if (l->Border) boxed.push_back(n);
    }
    return boxed;
  }
  void ExpectEffects(int boxed, bool sound, bool morse) {
    EXPECT_EQ(Boxed(options->Label2), std::vector<int>{boxed});
    EXPECT_EQ(w->SoundOn, sound);
    EXPECT_EQ(w->MorseSoundOn, morse);
  }
};

TEST_F(Options, OpensCentredWithTheCurrentSettingsBoxed) {
  EXPECT_FALSE(Open());
  EXPECT_EQ(options->Bounds.w, 300);
  EXPECT_EQ(options->Bounds.h, 256);
  EXPECT_NEAR(options->Bounds.x + 150, form->Bounds.x + form->Bounds.w / 2, 1);
  EXPECT_NEAR(options->Bounds.y + 128, form->Bounds.y + form->Bounds.h / 2, 1);
  ExpectEffects(0, true, true);
  EXPECT_EQ(Boxed(options->Label3), std::vector<int>{0});
  EXPECT_EQ(options->Label4->Caption, "Using MOUSE and KEYBOARD to walk");
  EXPECT_EQ(options->Label2[1].Caption, "On (No Morse Effect)");
  EXPECT_EQ(options->Label2[1].BackColor, Rgb(0, 0, 255));
  EXPECT_TRUE(Effects().empty());

  w->MorseSoundOn = false;
  w->MusicOn = false;
  w->MouseWalkOn = false;
  EXPECT_FALSE(Open());
  ExpectEffects(1, true, false);
  EXPECT_EQ(Boxed(options->Label3), std::vector<int>{1});
  EXPECT_EQ(options->Label4->Caption, "Using KEYBOARD to walk");

  w->SoundOn = false;
  EXPECT_FALSE(Open());
  ExpectEffects(2, false, false);
}

TEST_F(Options, UpAndDownStepThroughTheEffectsAndStopAtTheEnds) {
  EXPECT_FALSE(Open());
  EXPECT_FALSE(Press(key::kUp));
  ExpectEffects(0, true, true);
  EXPECT_TRUE(Effects().empty());

  EXPECT_FALSE(Press(key::kDown));
  ExpectEffects(1, true, false);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});
  EXPECT_FALSE(Press(key::kDown));
  ExpectEffects(2, false, false);
  EXPECT_FALSE(Press(key::kDown));
  ExpectEffects(2, false, false);
  EXPECT_TRUE(Effects().empty());  // the effects are off by now

  EXPECT_FALSE(Press(key::kUp));
  ExpectEffects(1, true, false);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});
  EXPECT_FALSE(Press(key::kUp));
  ExpectEffects(0, true, true);
}

TEST_F(Options, AClickOnAnEffectChoiceSetsItsFlags) {
  EXPECT_FALSE(Open());
  EXPECT_FALSE(Click(options->Label2[2]));
  ExpectEffects(2, false, false);
  EXPECT_FALSE(Click(options->Label2[1]));
  ExpectEffects(1, true, false);
  EXPECT_FALSE(Click(options->Label2[1]));  // the chosen one again: the same steps
  ExpectEffects(1, true, false);
  EXPECT_FALSE(Click(options->Label2[0]));
  ExpectEffects(0, true, true);
  EXPECT_EQ(Effects(), (std::vector<std::string>{"MenuMove", "MenuMove", "MenuMove"}));
}

TEST_F(Options, MusicOffAndOnInAGameRestartsThePlacesTrackAtTheNextTick) {
  w->OptionsFromTitle = false;
  w->MusicSeconds = 40;
  w->TrackLength = 90;
  EXPECT_FALSE(Open());
  const std::size_t sent = platform.musicCommands.size();
  EXPECT_FALSE(Press(key::kLeft));  // already on
  EXPECT_EQ(platform.musicCommands.size(), sent);
  EXPECT_TRUE(Effects().empty());

  EXPECT_FALSE(Press(key::kRight));
  EXPECT_FALSE(w->MusicOn);
  EXPECT_EQ(Boxed(options->Label3), std::vector<int>{1});
  EXPECT_EQ(platform.musicCommands.back(), "close BGmusic");
  EXPECT_EQ(form->MusicTimer->Interval(), 0);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});
  EXPECT_FALSE(Press(key::kRight));  // already off
  EXPECT_TRUE(Effects().empty());

  const int opens = Opens();
  EXPECT_FALSE(Press(key::kLeft));
  EXPECT_TRUE(w->MusicOn);
  EXPECT_EQ(Boxed(options->Label3), std::vector<int>{0});
  EXPECT_EQ(form->MusicTimer->Interval(), 1000);
  EXPECT_EQ(w->MusicSeconds, 0);
  EXPECT_EQ(w->TrackLength, 0);
  EXPECT_EQ(Opens(), opens);  // not yet: the timer's next tick starts it
  platform.PushWait(1'100);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Opens(), opens + 1);
  EXPECT_EQ(platform.musicCommands.back(), "play BGmusic");
}

TEST_F(Options, MusicOnTheTitleScreenRestartsTheTitleTrack) {
  w->OptionsFromTitle = true;
  EXPECT_FALSE(Open());
  platform.musicCommands.clear();
  EXPECT_FALSE(Click(options->Label3[0]));  // on already: the title music starts afresh
  ASSERT_EQ(platform.musicCommands.size(), 3u);
  EXPECT_EQ(platform.musicCommands[0], "close BGmusic");
  EXPECT_NE(platform.musicCommands[1].find("Vask03.dat"), std::string::npos);
  EXPECT_EQ(platform.musicCommands[2], "play BGmusic");

  platform.musicCommands.clear();
  EXPECT_FALSE(Press(key::kRight));
  EXPECT_FALSE(w->MusicOn);
  EXPECT_EQ(platform.musicCommands, std::vector<std::string>{"close BGmusic"});
  EXPECT_FALSE(Press(key::kLeft));
  EXPECT_TRUE(w->MusicOn);
  EXPECT_NE(LastOpen().find("Vask03.dat"), std::string::npos);
  // The game screen's timer is no business of the title screen's options.
  EXPECT_EQ(form->MusicTimer->Interval(), 1000);
  EXPECT_EQ(Effects(), (std::vector<std::string>{"MenuMove", "MenuMove", "MenuMove"}));
}

TEST_F(Options, OnlyEscAndCloseShutTheWindow) {
  EXPECT_FALSE(Open());
  for (int k : {key::kEnter, key::kSpace, key::kTab, key::kF3, int{'N'}}) {
    EXPECT_FALSE(Press(k)) << k;
  }
  EXPECT_TRUE(options->Visible());
  EXPECT_TRUE(Effects().empty());
  ExpectEffects(0, true, true);
  EXPECT_TRUE(w->MouseWalkOn);

  w->KeysUsed = true;
  EXPECT_TRUE(Press(key::kEscape));
  EXPECT_FALSE(options->IsLoaded());
  EXPECT_FALSE(w->KeysUsed);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuSelect"});

  EXPECT_FALSE(Open());
  w->KeysUsed = true;
  EXPECT_TRUE(Click(*options->MenuButton));
  EXPECT_FALSE(options->IsLoaded());
  EXPECT_FALSE(w->KeysUsed);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuSelect"});
}

TEST_F(Options, TheWalkingLineTogglesMouseWalkingSilently) {
  EXPECT_FALSE(Open());
  EXPECT_FALSE(Click(*options->Label4));
  EXPECT_FALSE(w->MouseWalkOn);
  EXPECT_EQ(options->Label4->Caption, "Using KEYBOARD to walk");
  EXPECT_FALSE(Click(*options->Label4));
  EXPECT_TRUE(w->MouseWalkOn);
  EXPECT_EQ(options->Label4->Caption, "Using MOUSE and KEYBOARD to walk");
  EXPECT_TRUE(Effects().empty());
}

}  // namespace
}  // namespace vt::test
