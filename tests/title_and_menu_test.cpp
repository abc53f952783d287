// The title screen and the game menu: moving the selection, carrying items
// out, the questions before a game is thrown away, and the rule on saving.
#include <string>
#include <vector>

#include "game_fixture.h"

namespace vt::test {
namespace {

class TitleAndMenu : public GameFixture {
 protected:
  Big* title = nullptr;
  Menu* menu = nullptr;

  void SetUp() override {
    GameFixture::SetUp();
    title = &shell->big;
    menu = &shell->menu;
    platform.effects.clear();
  }

  // Plays the queued input; true only when the program ended.
  bool Run(const std::function<void()>& open) {
    try {
      open();
      game->ui.Run();
    } catch (const ScriptEnded&) {
      return false;
    } catch (const ProgramEnded&) {
    }
    return true;
  }
  void MoveOver(const Form& f, const Label& item) {
    InputEvent move;
    move.kind = InputEvent::Kind::MouseMove;
    move.x = f.Bounds.x + item.Bounds.x + item.Bounds.w / 2;
    move.y = f.Bounds.y + item.Bounds.y + item.Bounds.h / 2;
    platform.Push(move);
  }
  void ClickOn(const Form& f, const Label& item) {
    platform.PushClick(f.Bounds.x + item.Bounds.x + item.Bounds.w / 2,
                       f.Bounds.y + item.Bounds.y + item.Bounds.h / 2);
  }
};

TEST_F(TitleAndMenu, TheTitleSelectionGoesRoundAndFollowsThePointer) {
  platform.PushKey(key::kUp);
  platform.PushKey(key::kDown);
  platform.PushKey(key::kDown);
  EXPECT_FALSE(Run([&] { title->Show(); }));
  EXPECT_EQ(title->Selected(), 11);
  EXPECT_EQ(title->MainMenu[11].ForeColor, kItemSelected);
  EXPECT_EQ(title->MainMenu[10].ForeColor, kItemOther);
  EXPECT_EQ(title->MainMenu[17].ForeColor, kItemOther);
  EXPECT_EQ(Count("MenuMove"), 3);

  // Hovering over the selected item plays nothing; over another it moves there.
  MoveOver(*title, title->MainMenu[11]);
  MoveOver(*title, title->MainMenu[16]);
  EXPECT_FALSE(Run([] {}));
  EXPECT_EQ(title->Selected(), 16);
  EXPECT_EQ(Count("MenuMove"), 4);
}

TEST_F(TitleAndMenu, EscOnTheTitleMovesToExitThenAsks) {
  platform.PushKey(key::kEscape);
  platform.PushKey('N');  // no: the title stays
  EXPECT_FALSE(Run([&] { title->Show(); }));
  EXPECT_EQ(title->Selected(), 17);
  EXPECT_EQ(Count("MenuMove"), 1);
  EXPECT_FALSE(game->ui.Ended());

  // EXIT already chosen: no move is heard, and yes leaves through the orderly exit.
  platform.PushKey(key::kEscape);
  platform.PushKey(key::kEnter);
  EXPECT_TRUE(Run([] {}));
  EXPECT_EQ(Count("MenuMove"), 1);
  EXPECT_TRUE(game->ui.Ended());
  EXPECT_EQ(platform.musicCommands.back(), "close BGmusic");
}

TEST_F(TitleAndMenu, StartingFromTheTitleHandsOverToTheGameScreen) {
  w->HeroX = 100;
  platform.PushKey(key::kEnter);
  EXPECT_FALSE(Run([&] { title->Show(); }));
  EXPECT_FALSE(title->IsLoaded());
  EXPECT_EQ(w->HeroX, 305);  // a new game stands the hero at the start
  EXPECT_EQ(Count("MenuSelect"), 1);
}

TEST_F(TitleAndMenu, TheMenuWrapsAndClosesWithEsc) {
  platform.PushKey(key::kUp);
  EXPECT_FALSE(Run([&] { shell->ShowGameMenu(); }));
  EXPECT_EQ(menu->Selected(), 8);
  platform.PushKey(key::kDown);
  platform.PushKey(key::kEscape);
  EXPECT_FALSE(Run([&] { menu->ShowModal(); }));
  EXPECT_FALSE(menu->IsLoaded());
  EXPECT_EQ(game->ui.TopForm(), form);
  EXPECT_FALSE(w->KeysUsed);
}

TEST_F(TitleAndMenu, ANewGameFromTheMenuIsAskedFirst) {
  w->HeroX = 100;
  // Tab to NO, then Enter: the game is untouched and the menu stays open.
  platform.PushKey(key::kDown);
  platform.PushKey(key::kEnter);
  platform.PushKey(key::kTab);
  platform.PushKey(key::kEnter);
  EXPECT_FALSE(Run([&] { shell->ShowGameMenu(); }));
  EXPECT_EQ(w->HeroX, 100);
  EXPECT_TRUE(menu->Visible());
  EXPECT_EQ(menu->Selected(), 1);

  // Enter at once answers yes: a new game, the menu closed.
  platform.PushKey(key::kEnter);
  platform.PushKey(key::kEnter);
  EXPECT_FALSE(Run([&] { menu->ShowModal(); }));
  EXPECT_EQ(w->HeroX, 305);
  EXPECT_FALSE(menu->IsLoaded());
}

TEST_F(TitleAndMenu, SavingIsRefusedWhileTheStorySaysSoButLoadingIsNot) {
  w->StoryFlags[189] = 2;
  for (int i = 0; i < 3; ++i) platform.PushKey(key::kDown);
  platform.PushKey(key::kEnter);  // SAVE GAME: the refusal
  EXPECT_FALSE(Run([&] { shell->ShowGameMenu(); }));
  EXPECT_TRUE(shell->signForm.Visible());
  EXPECT_EQ(shell->signForm.SignLabel->Caption, "The game cannot be saved at this point");
  EXPECT_EQ(shell->signForm.SignLabel2->Caption, "Press any key or Click to Continue");

  platform.PushKey(key::kEnter);  // the message closes; the menu stays
  platform.PushKey(key::kUp);
  platform.PushKey(key::kEnter);  // LOAD GAME still opens the save/load window
  EXPECT_FALSE(Run([&] { shell->signForm.ShowModal(); }));
  EXPECT_TRUE(shell->slForm.Visible());
  EXPECT_EQ(shell->slForm.SLlabel->Caption, "LOAD GAME");
  platform.PushKey(key::kEscape);
  EXPECT_FALSE(Run([&] { shell->slForm.ShowModal(); }));
  // Cancelled: the menu stays open with its selection.
  EXPECT_TRUE(menu->Visible());
  EXPECT_EQ(menu->Selected(), 2);
}

TEST_F(TitleAndMenu, AClickInTheMenuClearsTheSaveResultFirst) {
  platform.PushKey(key::kEnter);  // BACK TO GAME by key: the result stays as opening set it
  EXPECT_FALSE(Run([&] { shell->ShowGameMenu(); }));
  EXPECT_FALSE(menu->IsLoaded());
  EXPECT_TRUE(w->SaveLoadOK);

  EXPECT_FALSE(Run([&] { shell->ShowGameMenu(); }));
  ClickOn(*menu, menu->MenuButton[0]);
  EXPECT_FALSE(Run([&] { menu->ShowModal(); }));
  EXPECT_FALSE(menu->IsLoaded());
  EXPECT_FALSE(w->SaveLoadOK);
}

}  // namespace
}  // namespace vt::test
