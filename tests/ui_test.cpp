// The window toolkit's event loop: timers, modal loops, Sleep and virtual time.
#include "platform/ui/ui.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "test_support.h"

namespace vt {
namespace {

class TestForm : public Form {
 public:
  TestForm(Ui& ui, std::string name) : Form(ui, std::move(name)) {}
  std::vector<int> keys;
  std::function<void(int)> onKey;
  void Form_KeyDown(int& keyCode, int) override {
    keys.push_back(keyCode);
    if (onKey) onKey(keyCode);
  }
};

class UiLoop : public ::testing::Test {
 protected:
  test::NullMedia media;
  HeadlessPlatform platform{media};
  Ui ui{platform};

  void RunUntilScriptEnds() {
    try {
      ui.Run();
    } catch (const ScriptEnded&) {
    }
  }
};

TEST_F(UiLoop, TimerTicksOnTheQuantumWhateverItsInterval) {
  TestForm form(ui, "F");
  form.Show();
  int ticks1 = 0;
  int ticks10 = 0;
  int ticks1000 = 0;
  form.AddTimer("T1", 1, true).OnTimer = [&] { ++ticks1; };
  form.AddTimer("T10", 10, true).OnTimer = [&] { ++ticks10; };
  form.AddTimer("T1000", 1000, true).OnTimer = [&] { ++ticks1000; };
  platform.PushWait(1000);
  RunUntilScriptEnds();
  // 1 s holds 18 whole quanta of 55 ms; a 1 ms and a 10 ms timer both fire once per
  // quantum, a 1000 ms timer keeps its own length.
  EXPECT_EQ(ticks1, 18);
  EXPECT_EQ(ticks10, 18);
  EXPECT_EQ(ticks1000, 1);
  EXPECT_EQ(platform.NowUs(), 1'000'000u);
}

TEST_F(UiLoop, TimersKeepFiringBehindAModalWindowButNeverReenter) {
  TestForm main(ui, "Main");
  TestForm dialog(ui, "Dialog");
  main.Show();
  int ticks = 0;
  int depth = 0;
  int maxDepth = 0;
  int ticksInsideModal = 0;
  Timer& t = main.AddTimer("Walk", 1, true);
  t.OnTimer = [&] {
    ++ticks;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    if (ticks == 1) {
      // The handler opens a modal window: the loop inside it runs other
      // timers, never this one again until the handler has returned.
      dialog.ShowModal();
    }
    --depth;
  };
  Timer& other = main.AddTimer("Music", 100, true);
  other.OnTimer = [&] {
    if (dialog.Visible()) ++ticksInsideModal;
  };
  dialog.onKey = [&](int) { dialog.Hide(); };
  platform.PushWait(500);
  platform.PushKey(key::kEnter);
  platform.PushWait(500);
  RunUntilScriptEnds();
  EXPECT_EQ(maxDepth, 1);
  EXPECT_GE(ticksInsideModal, 4);
  EXPECT_GT(ticks, 5);  // it resumed ticking after the dialog closed
}

TEST_F(UiLoop, InputGoesOnlyToTheTopModalWindow) {
  TestForm main(ui, "Main");
  TestForm dialog(ui, "Dialog");
  main.Show();
  main.AddTimer("Open", 10, true).OnTimer = [&] {
    main.Timers()[0]->SetEnabled(false);
    dialog.ShowModal();
  };
  dialog.onKey = [&](int code) {
    if (code == key::kEscape) dialog.Unload();
  };
  platform.PushWait(100);  // past the first tick
  platform.PushKey(key::kSpace);
  platform.PushKey(key::kEscape);
  platform.PushKey(key::kEnter);
  RunUntilScriptEnds();
  EXPECT_EQ(dialog.keys, (std::vector<int>{key::kSpace, key::kEscape}));
  EXPECT_EQ(main.keys, (std::vector<int>{key::kEnter}));
}

TEST_F(UiLoop, InputDuringSleepIsHandledAfterwards) {
  TestForm form(ui, "F");
  form.Show();
  std::vector<std::string> order;
  form.onKey = [&](int code) {
    order.push_back("key " + std::to_string(code));
    if (code == key::kSpace) {
      platform.PushKey(key::kEnter);  // arrives while we sleep
      ui.Sleep(300);
      order.push_back("slept");
    }
  };
  platform.PushKey(key::kSpace);
  RunUntilScriptEnds();
  EXPECT_EQ(order, (std::vector<std::string>{"key 32", "slept", "key 13"}));
  EXPECT_EQ(platform.NowUs(), 300'000u);
}

TEST_F(UiLoop, DoEventsDispatchesWhatIsQueuedWithoutWaiting) {
  TestForm form(ui, "F");
  form.Show();
  platform.PushKey(key::kSpace);
  platform.PushWait(100);
  platform.PushKey(key::kEnter);
  ui.DoEvents();
  EXPECT_EQ(form.keys, (std::vector<int>{key::kSpace}));
  EXPECT_EQ(platform.NowUs(), 0u);
}

TEST_F(UiLoop, VirtualTimeMakesLongWaitsInstant) {
  TestForm form(ui, "F");
  form.Show();
  int ticks = 0;
  form.AddTimer("Music", 1000, true).OnTimer = [&] { ++ticks; };
  const auto start = std::chrono::steady_clock::now();
  platform.PushWait(10'000);
  RunUntilScriptEnds();
  ui.Sleep(10'000);
  const auto real = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(ticks, 10);
  EXPECT_EQ(platform.NowUs(), 20'000'000u);
  EXPECT_LT(real, std::chrono::seconds(5));
}

TEST_F(UiLoop, RunReturnsWhenNoFormIsLoadedAndEndUnwinds) {
  TestForm form(ui, "F");
  form.Show();
  form.onKey = [&](int code) {
    if (code == key::kEscape) form.Unload();
    if (code == key::kEnd) ui.End();
  };
  platform.PushKey(key::kEscape);
  EXPECT_NO_THROW(ui.Run());
  form.Show();
  platform.PushKey(key::kEnd);
  EXPECT_THROW(ui.Run(), ProgramEnded);
  EXPECT_TRUE(ui.Ended());
}

// --- Controls -----------------------------------------------------------------

class ControlForm : public Form {
 public:
  explicit ControlForm(Ui& ui) : Form(ui, "C") {}
  OptionButton* a = nullptr;
  OptionButton* b = nullptr;
  CommandButton* go = nullptr;
  TextBox* name = nullptr;
  int clicks = 0;

 protected:
  void Build() override {
    a = &Add<OptionButton>("Option1", 0, {10, 10, 100, 17});
    b = &Add<OptionButton>("Option1", 1, {10, 30, 100, 17});
    go = &Add<CommandButton>("Command1", -1, {10, 60, 80, 30});
    name = &Add<TextBox>("Text1", -1, {10, 100, 120, 20});
    name->MaxLength = 4;
    a->Value = true;
    go->Click = [this] { ++clicks; };
    DefaultButton = go;
  }
};

TEST_F(UiLoop, ClicksOptionsButtonsAndTyping) {
  ControlForm form(ui);
  form.Show();
  platform.PushClick(20, 35);  // Option1(1)
  platform.PushClick(20, 70);  // the button
  // A press that leaves the button before release is no click.
  InputEvent down{InputEvent::Kind::MouseDown, 0, 0, 0, kLeftButton, 20, 70};
  InputEvent up{InputEvent::Kind::MouseUp, 0, 0, 0, kLeftButton, 200, 200};
  platform.Push(down);
  platform.Push(up);
  platform.PushClick(20, 105);  // focus the text box
  for (char c : std::string("Agent")) {
    InputEvent press{InputEvent::Kind::KeyPress, 0, c, 0, 0, 0, 0};
    platform.Push(press);
  }
  platform.PushKey(key::kBack);
  RunUntilScriptEnds();
  EXPECT_FALSE(form.a->Value);
  EXPECT_TRUE(form.b->Value);
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(form.name->Text, "Age");  // cut at four, then one rubbed out
}

TEST_F(UiLoop, KeyboardMovesOptionsAndEnterPressesTheDefaultButton) {
  ControlForm form(ui);
  form.Show();
  ASSERT_EQ(form.Focus, form.a);
  platform.PushKey(key::kDown);
  platform.PushKey(key::kTab);  // focus moves to the button: Enter still clicks it
  platform.PushKey(key::kEnter);
  RunUntilScriptEnds();
  EXPECT_TRUE(form.b->Value);
  EXPECT_FALSE(form.a->Value);
  EXPECT_EQ(form.clicks, 1);
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

TEST_F(UiLoop, PointerFollowsWhatLiesUnderTheMouse) {
  ControlForm form(ui);
  form.Show();
  form.Pointer = 7;
  form.go->Pointer = 3;
  // The handler may choose the pointer while the mouse moves over its control.
  form.name->MouseMove = [&](int, int, int, int) { form.name->Pointer = 5; };
  auto move = [&](int x, int y) {
    InputEvent e;
    e.kind = InputEvent::Kind::MouseMove;
    e.x = x;
    e.y = y;
    platform.Push(e);
  };
  std::vector<int> seen;
  form.AddTimer("Look", 10, true).OnTimer = [&] {
    if (seen.empty() || seen.back() != platform.pointer) seen.push_back(platform.pointer);
  };
  move(20, 70);  // the button
  platform.PushWait(100);
  move(300, 300);  // the bare form
  platform.PushWait(100);
  move(20, 105);  // the text box, which picks its own
  platform.PushWait(100);
  RunUntilScriptEnds();
  EXPECT_EQ(seen, (std::vector<int>{3, 7, 5}));
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// Asking for a control its form never made is a fault in the code, not in the player's
// data: the program stops at once with the index, rather than unwinding through handlers.
TEST(ControlArrayDeathTest, AMissingIndexStopsTheProgramNamingIt) {
  ControlArray<Label> labels;
  EXPECT_DEATH((void)labels[3], "no control with index 3");
}

}  // namespace
}  // namespace vt
