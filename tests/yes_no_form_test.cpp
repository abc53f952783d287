// The yes/no question: which keys and presses answer yes, which close silently
// with no, and how the highlight moves between the answers.
#include "options/yes_no_form.h"

#include <optional>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace vt::test {
namespace {

constexpr char kQuestion[] = "Are you sure that you want to Start a New Game?";
constexpr Color kYellow = Rgb(255, 255, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

class YesNo : public GameFixture {
 protected:
  std::unique_ptr<YesNoForm> yn;

  void SetUp() override {
    GameFixture::SetUp();
    yn = std::make_unique<YesNoForm>(*game, "YNform", kQuestion, &WorldState::YNresult);
    // Built and placed as asking does, so the pointer can be aimed before it asks.
    yn->Load();
    yn->Unload();
    yn->PlaceOver(*form, 0);
    platform.effects.clear();
  }
  void TearDown() override {
    yn.reset();
    GameFixture::TearDown();
  }

  // Asks over the queued input; the answer, or nothing while the window still waits.
  std::optional<bool> Ask() {
    try {
      return yn->Ask(*form);
    } catch (const ScriptEnded&) {
      return std::nullopt;
    }
  }
  // Goes on with the open window; true when it closed.
  bool Resume() {
    try {
      yn->ShowModal();
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  void PushPointer(InputEvent::Kind kind, int n, int button = 0) {
    const Rect r = yn->Label4[n].Bounds;
    InputEvent e;
    e.kind = kind;
    e.button = button;
    e.x = yn->Bounds.x + r.x + r.w / 2;
    e.y = yn->Bounds.y + r.y + r.h / 2;
    platform.Push(e);
  }
  void Hover(int n) { PushPointer(InputEvent::Kind::MouseMove, n); }
  void Press(int n, int button = kLeftButton) {
    PushPointer(InputEvent::Kind::MouseDown, n, button);
  }
  std::vector<std::string> Effects() {
    std::vector<std::string> names;
    for (const auto& e : platform.effects) names.push_back(e.name);
    platform.effects.clear();
    return names;
  }
  // Which answer is highlighted: "YES" or "NO", with the other white.
  std::string Highlighted() const {
    const Color yes = yn->Label4[1].ForeColor;
    const Color no = yn->Label4[2].ForeColor;
    if (yes == kYellow && no == kWhite) return "YES";
    if (no == kYellow && yes == kWhite) return "NO";
    return "neither";
  }
};

TEST_F(YesNo, EnterAtOnceAnswersYesAndAskingClearsAnEarlierYes) {
  w->KeysUsed = true;
  platform.PushKey(key::kEnter);
  EXPECT_EQ(Ask(), true);
  EXPECT_TRUE(w->YNresult);
  EXPECT_FALSE(w->KeysUsed);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuSelect"});

  EXPECT_EQ(Ask(), std::nullopt);  // waits, the earlier yes forgotten
  EXPECT_FALSE(w->YNresult);
  EXPECT_EQ(yn->Bounds.w, 311);
  EXPECT_EQ(yn->Bounds.h, 148);
  EXPECT_EQ(yn->Label4[0].Caption, kQuestion);
  EXPECT_EQ(yn->Label4[0].ForeColor, Rgb(255, 255, 192));
  EXPECT_EQ(Highlighted(), "YES");

  platform.PushKey(key::kSpace);
  EXPECT_EQ(Ask(), true);
}

TEST_F(YesNo, TabMovesTheHighlightThatEnterAndSpaceAnswer) {
  platform.PushKey(key::kTab);
  platform.PushKey(key::kEnter);
  EXPECT_EQ(Ask(), false);
  EXPECT_EQ(Effects(), (std::vector<std::string>{"MenuMove", "MenuSelect"}));

  platform.PushKey(key::kTab);
  platform.PushKey(key::kTab);
  platform.PushKey(key::kSpace);
  EXPECT_EQ(Ask(), true);

  platform.PushKey(key::kTab);
  platform.PushKey(key::kSpace);
  EXPECT_EQ(Ask(), false);
}

TEST_F(YesNo, YAnswersYesWhateverIsHighlighted) {
  platform.PushKey(key::kTab);
  platform.PushKey('Y');
  EXPECT_EQ(Ask(), true);
  EXPECT_EQ(Effects(), (std::vector<std::string>{"MenuMove", "MenuSelect"}));
}

TEST_F(YesNo, EveryOtherKeyAnswersNoSilently) {
  for (int k : {key::kEscape, int{'N'}, int{'Q'}, key::kUp, key::kF1}) {
    w->YNresult = true;
    platform.PushKey(k);
    EXPECT_EQ(Ask(), false) << k;
    EXPECT_FALSE(yn->IsLoaded()) << k;
    EXPECT_TRUE(Effects().empty()) << k;
  }
}

TEST_F(YesNo, ArrowsMoveTheHighlightOnlyTowardsTheOtherAnswer) {
  EXPECT_EQ(Ask(), std::nullopt);
  platform.PushKey(key::kRight);  // YES is on the right already
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "YES");
  EXPECT_TRUE(Effects().empty());

  platform.PushKey(key::kLeft);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "NO");
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});
  platform.PushKey(key::kLeft);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "NO");
  EXPECT_TRUE(Effects().empty());

  platform.PushKey(key::kRight);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "YES");
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});
}

TEST_F(YesNo, ThePointerHighlightsTheAnswerItIsOver) {
  EXPECT_EQ(Ask(), std::nullopt);
  Hover(2);
  Hover(2);
  Hover(0);  // the question takes no highlight
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "NO");
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});
  Hover(1);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "YES");
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});
}

TEST_F(YesNo, APressOnALabelAnswersAndOnlyYesMeansYes) {
  Press(0);
  EXPECT_EQ(Ask(), false);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuSelect"});

  Press(2);
  EXPECT_EQ(Ask(), false);
  Press(1, kRightButton);
  EXPECT_EQ(Ask(), true);
  // The highlight does not decide a press: NO highlighted, YES pressed.
  platform.PushKey(key::kLeft);
  Press(1);
  EXPECT_EQ(Ask(), true);
  EXPECT_EQ(Effects(),
            (std::vector<std::string>{"MenuSelect", "MenuSelect", "MenuMove", "MenuSelect"}));
}

TEST_F(YesNo, EachWindowAnswersInItsOwnFlag) {
  YesNoForm exit(*game, "YNform2", "Are you sure that you want to exit Veltrane?",
                 &WorldState::YNresult2);
  w->YNresult = false;
  platform.PushKey('Y');
  try {
    EXPECT_TRUE(exit.Ask(*form));
  } catch (const ScriptEnded&) {
    ADD_FAILURE() << "the question did not close";
  }
  EXPECT_TRUE(w->YNresult2);
  EXPECT_FALSE(w->YNresult);
  EXPECT_EQ(exit.Name(), "YNform2");
}

}  // namespace
}  // namespace vt::test
