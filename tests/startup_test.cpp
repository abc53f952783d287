// The start-up window: machine checks, the choice of mode, and the one exit.
#include "core/startup.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace vt {
namespace {

// The start-up window sits centred on the canvas; these are its controls there.
constexpr int kModeX = (640 - 302) / 2;
constexpr int kModeY = (480 - 147) / 2;
constexpr int kWindowOptionX = kModeX + 20;
constexpr int kWindowOptionY = kModeY + 120;
constexpr int kButtonX = kModeX + 200;
constexpr int kButtonY = kModeY + 100;

class Startup : public ::testing::Test {
 protected:
  test::HeadlessGame h;
  HeadlessPlatform& p = h.platform;
  Shell& game() { return *h.shell; }

  void ExpectRefusedWith(const char* text) {
    int status = 0;
    try {
      status = h.shell->Run();
    } catch (const ScriptEnded&) {
    }
    EXPECT_EQ(status, 1) << "a refused start must not end as a success";
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].title, "Veltrane");
    EXPECT_EQ(p.messages[0].text, text);
    EXPECT_TRUE(game().game.ui.Ended());
    // Nothing else happened: no window shown, no setting touched, no sound.
    EXPECT_EQ(p.presents, 0);
    EXPECT_TRUE(p.displayLog.empty());
    EXPECT_TRUE(p.effects.empty());
    EXPECT_FALSE(game().game.world.SoundOn);
    EXPECT_FALSE(game().mode.Visible());
  }

  // After the presentation: Esc on the title asks to leave, Enter answers yes.
  void LeaveFromTheTitle() {
    p.PushWait(100);
    p.PushKey(key::kEscape);
    p.PushKey(key::kEnter);
  }
};

TEST_F(Startup, ColourDepthBelowSixteenBitsIsRefused) {
  p.display.bitsPerPixel = 15;
  ExpectRefusedWith(kColorDepthMessage);
}

TEST_F(Startup, EightBitColourIsRefused) {
  p.display.bitsPerPixel = 8;
  ExpectRefusedWith(kColorDepthMessage);
}

TEST_F(Startup, DepthCountsEveryColourPlane) {
  p.display.bitsPerPixel = 8;
  p.colorPlanes = 2;  // 16 bits in all
  h.Run();
  EXPECT_TRUE(p.messages.empty());
}

TEST_F(Startup, SecondCopyIsRefused) {
  p.anotherCopy = true;
  ExpectRefusedWith(kAlreadyRunningMessage);
}

TEST_F(Startup, LargeFontsAreRefusedWithThreeLines) {
  p.logPixelsX = 120;
  ExpectRefusedWith(kSmallFontsMessage);
  EXPECT_EQ(
      std::string(kSmallFontsMessage).find("Small Fonts mode.\r\nPlease follow these steps:\r\n"),
      std::string(kSmallFontsMessage).find("Small Fonts mode."));
}

TEST_F(Startup, SixteenBitsPassAndTheWindowComesUp) {
  p.display.bitsPerPixel = 16;
  h.Run();
  EXPECT_TRUE(p.messages.empty());
  EXPECT_TRUE(game().mode.Visible());
  EXPECT_EQ(p.title, "Veltrane");
  const WorldState& w = game().game.world;
  EXPECT_TRUE(w.SoundOn && w.MusicOn && w.MorseSoundOn && w.MouseWalkOn);
  EXPECT_EQ(w.OrigWidth, 1024.0f);
  EXPECT_EQ(w.OrigHeight, 768.0f);
  EXPECT_EQ(w.OrigBits, 16);
  EXPECT_EQ(p.musicCommands, (std::vector<std::string>{"close BGmusic"}));
  ASSERT_EQ(p.effects.size(), 1u);
  EXPECT_EQ(p.effects[0].name, "Blip1");
  EXPECT_EQ(p.effects[0].mode, WaveMode::Async);
  // Both choices open; full screen is chosen.
  EXPECT_TRUE(game().mode.Option1[0].Value);
  EXPECT_TRUE(game().mode.Option1[1].Enabled);
  EXPECT_EQ(game().game.randomSeed, 12u * 3600u);
}

TEST_F(Startup, WindowModePlaysWithoutTouchingTheDisplay) {
  p.PushClick(kWindowOptionX, kWindowOptionY);
  p.PushClick(kButtonX, kButtonY);
  h.Run();
  EXPECT_FALSE(game().game.world.FullScreen);
  EXPECT_FALSE(game().mode.IsLoaded());
  EXPECT_TRUE(game().infoForm.Visible());
  EXPECT_TRUE(p.displayLog.empty());
  std::vector<std::string> names;
  for (const auto& e : p.effects) names.push_back(e.name);
  names.resize(3);  // the presentation's Morse follows
  EXPECT_EQ(names, (std::vector<std::string>{"Blip1", "MenuMove", "Blip2Sync"}));
  EXPECT_EQ(p.effects[2].mode, WaveMode::Wait);
}

TEST_F(Startup, FullScreenSwitchesToTheGameModeAndHidesTheTaskbar) {
  p.PushKey(key::kEnter);  // the button is the default
  h.Run();
  EXPECT_TRUE(game().game.world.FullScreen);
  EXPECT_EQ(p.displayLog, (std::vector<std::string>{"mode 640x480x32", "taskbar hide"}));
  EXPECT_TRUE(game().game.world.PresentationShown);
  // Only the first showing switches: a second one changes nothing.
  game().infoForm.Unload();
  game().infoForm.Show();
  EXPECT_EQ(p.displayLog.size(), 2u);
}

TEST_F(Startup, ADisplayExactly640WideOffersOnlyFullScreenAndKeepsItsMode) {
  p.display = {640, 480, 32};
  p.PushClick(kWindowOptionX, kWindowOptionY);  // disabled: nothing happens
  p.PushClick(kButtonX, kButtonY);
  h.Run();
  EXPECT_TRUE(game().game.world.FullScreen);
  EXPECT_EQ(p.displayLog, (std::vector<std::string>{"taskbar hide"}));
  for (const auto& e : p.effects) EXPECT_NE(e.name, "MenuMove");
}

TEST_F(Startup, ExitFromAWindowedGameStillRestoresDisplayAndTaskbar) {
  p.PushClick(kWindowOptionX, kWindowOptionY);
  p.PushClick(kButtonX, kButtonY);
  LeaveFromTheTitle();
  h.Run();
  EXPECT_TRUE(game().game.ui.Ended());
  EXPECT_EQ(p.displayLog, (std::vector<std::string>{"mode 1024x768x24", "taskbar show"}));
  EXPECT_EQ(p.display, (DisplayMode{1024, 768, 24}));
  EXPECT_TRUE(p.taskbarVisible);
  EXPECT_EQ(p.musicCommands.back(), "close BGmusic");
  for (Form* f : game().game.ui.Forms()) EXPECT_FALSE(f->IsLoaded()) << f->Name();
}

TEST_F(Startup, ExitFromFullScreenPutsTheDesktopBack) {
  p.display = {1280, 1024, 32};
  p.PushKey(key::kEnter);
  LeaveFromTheTitle();
  h.Run();
  EXPECT_EQ(p.displayLog, (std::vector<std::string>{"mode 640x480x32", "taskbar hide",
                                                    "mode 1280x1024x32", "taskbar show"}));
  EXPECT_TRUE(game().game.surfaces.SourceBMP.Empty());
}

TEST_F(Startup, ClosingTheWindowLeavesThroughTheOrderlyExit) {
  InputEvent quit;
  quit.kind = InputEvent::Kind::Quit;
  p.Push(quit);
  h.Run();
  EXPECT_TRUE(game().game.ui.Ended());
  EXPECT_EQ(p.displayLog.back(), "taskbar show");
}

// The window wears the game's icon; without the icon's file the game says so once
// and starts all the same.
TEST(StartupIcon, TheWindowGetsTheIconAndStartsWithoutIt) {
  MemoryMedia media;
  media.files["/icon-test/Icon.dat"] = Surface(64, 64, kKeyColor);
  HeadlessPlatform withIcon{media};
  Shell shell(withIcon, "/icon-test");
  StartupChecks(shell.game);
  EXPECT_EQ(withIcon.iconWidth, 64);
  EXPECT_TRUE(shell.game.Reported().empty());

  MemoryMedia none;
  HeadlessPlatform withoutIcon{none};
  Shell bare(withoutIcon, "/icon-test");
  StartupChecks(bare.game);
  EXPECT_EQ(withoutIcon.iconWidth, 0);
  ASSERT_EQ(bare.game.Reported().size(), 1u);
  EXPECT_NE(bare.game.Reported().begin()->find("Icon.dat"), std::string::npos);
  EXPECT_FALSE(bare.game.ui.Ended());
}

}  // namespace
}  // namespace vt
