// The sign viewer: what closes it, where it stands, its message-box use and
// the signs the hero reads.
#include "interaction/sign_form.h"

#include <gtest/gtest.h>

#include "interaction/interaction.h"
#include "platform/headless/headless_platform.h"
#include "shell/shell.h"
#include "test_support.h"

namespace vt {
namespace {

constexpr char kFolder[] = "/game";
constexpr char kContinue[] = "Press any key or Click to Continue";
constexpr Color kYellow = Rgb(255, 255, 0);

class SignViewer : public ::testing::Test {
 protected:
  MemoryMedia media;
  HeadlessPlatform platform{media};
  std::unique_ptr<Shell> shell;
  Game* game = nullptr;
  WorldState* w = nullptr;
  SignForm* sign = nullptr;

  void SetUp() override {
    Put("Morvane05.dat", Surface(250, 100, Rgb(20, 40, 120)));
    Put("Morvane06.dat", Surface(250, 100, Rgb(90, 60, 30)));
    Put("Morvane13.dat", Surface(250, 100, Rgb(25, 30, 45)));
    Put("Trasken16.dat", Surface(250, 100, Rgb(1, 2, 3)));
    shell = std::make_unique<Shell>(platform, kFolder);
    test::AnswerConversations(platform, *shell);
    game = &shell->game;
    w = &game->world;
    sign = &shell->signForm;
    ApplyStartupSettings(*w);
  }
  void Put(const std::string& name, Surface picture) {
    media.files[std::string(kFolder) + "/" + name] = std::move(picture);
  }
  void KeyDown(int code) {
    InputEvent e;
    e.kind = InputEvent::Kind::KeyDown;
    e.keyCode = code;
    platform.Push(e);
  }
  // Opens the viewer; returns false when it was still waiting for input
  // after the queued input ran out.
  template <class Open>
  bool Closes(Open open) {
    try {
      open();
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  static SignRecord Sign(int kind, std::string text) {
    SignRecord r;
    r.kind = kind;
    r.text = std::move(text);
    return r;
  }
  bool MessageCloses() {
    return Closes([&] { shell->ShowSign("Morvane13.dat", "Game Saved", kContinue, nullptr); });
  }
};

TEST_F(SignViewer, OnlyAClickEnterSpaceOrEscCloseIt) {
  const int closers[] = {key::kSpace, key::kEnter, key::kEscape};
  for (int closer : closers) {
    SCOPED_TRACE(closer);
    w->KeysUsed = true;
    for (int ignored : {key::kLeft, key::kUp, key::kRight, key::kDown, key::kControl, int{'A'}})
      KeyDown(ignored);
    KeyDown(closer);
    ASSERT_TRUE(MessageCloses());
    EXPECT_TRUE(platform.QueueEmpty());  // it was the closer that closed it
    EXPECT_FALSE(sign->IsLoaded());
    EXPECT_FALSE(w->KeysUsed);
  }
  // An arrow alone leaves it open.
  KeyDown(key::kRight);
  EXPECT_FALSE(MessageCloses());
  EXPECT_TRUE(sign->Visible());
}

TEST_F(SignViewer, AClickAnywhereOnItClosesIt) {
  // Away from the lines, on the first line and on the second.
  for (auto [x, y] : {std::pair{3, 3}, std::pair{120, 30}, std::pair{120, 80}}) {
    SCOPED_TRACE(y);
    w->KeysUsed = true;
    platform.PushClick(161 + x, 190 + y);
    ASSERT_TRUE(MessageCloses());
    EXPECT_FALSE(sign->IsLoaded());
    EXPECT_FALSE(w->KeysUsed);
  }
  // A click beside it does not.
  platform.PushClick(150, 190);
  EXPECT_FALSE(MessageCloses());
}

TEST_F(SignViewer, StandsLeftOfItsOwnersCentre) {
  EXPECT_FALSE(MessageCloses());
  // Over the game screen (2, 1, 635 × 478): 500 twips left of its centre.
  EXPECT_EQ(sign->Bounds, (Rect{161, 190, 250, 100}));
  sign->Unload();
  Form menu(game->ui, "Menu");
  menu.Bounds = {100, 50, 300, 200};
  EXPECT_FALSE(
      Closes([&] { ShowSignOver(*game, *sign, menu, "Morvane13.dat", "Game Saved", ""); }));
  EXPECT_EQ(sign->Bounds, (Rect{92, 100, 250, 100}));
  sign->Unload();
}

TEST_F(SignViewer, TheMessageBoxShowsYellowTextOnItsPicture) {
  EXPECT_FALSE(MessageCloses());
  ASSERT_TRUE(sign->Visible());
  EXPECT_TRUE(sign->IsModal() || game->ui.ActiveForm() == sign);
  EXPECT_EQ(sign->SignLabel->Caption, "Game Saved");
  EXPECT_EQ(sign->SignLabel->ForeColor, kYellow);
  EXPECT_EQ(sign->SignLabel2->Caption, kContinue);
  EXPECT_NE(sign->SignLabel2->ForeColor, kYellow);
  game->ui.Refresh();
  EXPECT_EQ(game->ui.Canvas().At(161 + 2, 190 + 2), Rgb(25, 30, 45));
  EXPECT_EQ(game->ui.Canvas().At(161 + 248, 190 + 98), Rgb(25, 30, 45));
  KeyDown(key::kSpace);
  try {
    game->ui.Run();
  } catch (const ScriptEnded&) {
  }
  EXPECT_FALSE(sign->IsLoaded());
}

TEST_F(SignViewer, SignsSplitTheirTextAndNothingCarriesOverFromEarlierUses) {
  EXPECT_FALSE(MessageCloses());  // yellow first line, Morvane13
  sign->Unload();

  EXPECT_FALSE(Closes([&] { shell->ShowSignRecord(Sign(1, "FOR SALE*Ask inside")); }));
  EXPECT_EQ(sign->SignLabel->Caption, "FOR SALE");
  EXPECT_EQ(sign->SignLabel2->Caption, "Ask inside");
  EXPECT_NE(sign->SignLabel->ForeColor, kYellow);
  EXPECT_EQ(sign->Picture.At(5, 5), Rgb(20, 40, 120));
  EXPECT_EQ(sign->Bounds, (Rect{161, 190, 250, 100}));
  sign->Unload();

  // Without a "*" the whole text goes to the second line.
  EXPECT_FALSE(Closes([&] { shell->ShowSignRecord(Sign(2, "Closed for the holiday")); }));
  EXPECT_EQ(sign->SignLabel->Caption, "");
  EXPECT_EQ(sign->SignLabel2->Caption, "Closed for the holiday");
  EXPECT_EQ(sign->Picture.At(5, 5), Rgb(90, 60, 30));
  sign->Unload();

  EXPECT_FALSE(Closes([&] { shell->ShowSignRecord(Sign(3, "Trasken16.dat")); }));
  EXPECT_EQ(sign->SignLabel->Caption, "");
  EXPECT_EQ(sign->SignLabel2->Caption, "");
  EXPECT_EQ(sign->Picture.At(5, 5), Rgb(1, 2, 3));
  sign->Unload();

  // A picture that cannot be read still opens the viewer, without a picture.
  KeyDown(key::kEnter);
  EXPECT_TRUE(Closes([&] { shell->ShowSignRecord(Sign(3, "Nowhere.dat")); }));
  EXPECT_FALSE(Closes([&] { shell->ShowSignRecord(Sign(3, "Nowhere.dat")); }));
  EXPECT_TRUE(sign->Picture.Empty());
  sign->Unload();

  // An unknown kind shows the window as designed: no text, no picture.
  EXPECT_FALSE(Closes([&] { shell->ShowSignRecord(Sign(7, "FOR SALE*Ask inside")); }));
  EXPECT_EQ(sign->SignLabel->Caption, "");
  EXPECT_TRUE(sign->Picture.Empty());
  sign->Unload();
}

}  // namespace
}  // namespace vt
