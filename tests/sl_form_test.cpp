// The save/load window: which mode it opens in, how slots are chosen by click
// and by number, what the prompts say, and when a save or a load goes ahead.
#include "savegame/sl_form.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "game_fixture.h"
#include "savegame/save_load.h"

namespace vt::test {
namespace {

constexpr Color kYellow = Rgb(0xFF, 0xFF, 0x00);
constexpr Color kWhite = Rgb(0xFF, 0xFF, 0xFF);
constexpr Color kLightYellow = Rgb(0xFF, 0xFF, 0xC0);
constexpr Color kGreen = Rgb(0x00, 0xFF, 0x00);

constexpr char kChoose[] = "Select a saved game slot or press the slot number (1-5)";
constexpr char kTypeName[] =
    "Type a name for the saved game\r\nTo save the game click 'SAVE' or press <Enter>\r\n"
    "To abort press <ESC>";
constexpr char kClickLoad[] =
    "Click 'Load' or press <ENTER>\r\nOr select a different saved game slot";

class SaveLoadWindow : public GameFixture {
 protected:
  std::unique_ptr<SLform> sl;

  void SetUp() override {
    GameFixture::SetUp();
    game->savesFolder = (dir / "saves").string();
    fs::create_directories(game->savesFolder);
    for (int n = 0; n < kSlotCount; ++n) WriteEmpty(n);
    sl = std::make_unique<SLform>(*game, shell->menu);
    platform.effects.clear();
  }
  void TearDown() override {
    sl.reset();
    GameFixture::TearDown();
  }

  void WriteEmpty(int slot) {
    std::ofstream(SlotPath(*game, slot), std::ios::binary) << "<EMPTY>\r\n";
  }
  // A saved game as far as the window reads it: the name (commas stored as
  // '*'), seven lines it skips, the district and the location.
  void WriteSaved(int slot, const std::string& storedName, const std::string& district,
                  const std::string& location) {
    std::ofstream out(SlotPath(*game, slot), std::ios::binary);
    out << storedName << "\r\n1\r\n1\r\n3\r\n100\r\n200\r\nDown\r\n*\r\n"
        << district << "\r\n"
        << location << "\r\n0\r\n0\r\n---\r\n";
  }

  // Opens the window over the queued input; true when it closed again.
  bool Open(int mode) {
    w->SaveLoadMode = static_cast<std::int16_t>(mode);
    try {
      sl->Open(*form);
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  // Goes on with the open window; true when it closed.
  bool Resume() {
    try {
      sl->ShowModal();
    } catch (const ScriptEnded&) {
      return false;
    }
    return true;
  }
  void PushAt(InputEvent::Kind kind, const Control& c) {
    InputEvent e;
    e.kind = kind;
    e.button = kind == InputEvent::Kind::MouseMove ? 0 : kLeftButton;
    e.x = sl->Bounds.x + c.Bounds.x + c.Bounds.w / 2;
    e.y = sl->Bounds.y + c.Bounds.y + c.Bounds.h / 2;
    platform.Push(e);
  }
  void Click(const Control& c) {
    PushAt(InputEvent::Kind::MouseDown, c);
    PushAt(InputEvent::Kind::MouseUp, c);
  }
  void Type(char ch) {
    InputEvent e;
    e.kind = InputEvent::Kind::KeyPress;
    e.ch = ch;
    platform.Push(e);
  }
  void Type(const std::string& text) {
    for (char ch : text) Type(ch);
  }
  std::vector<std::string> Effects() {
    std::vector<std::string> names;
    for (const auto& e : platform.effects) names.push_back(e.name);
    platform.effects.clear();
    return names;
  }
  std::string Highlighted() const {
    const Color cancel = sl->NameLabel[11].ForeColor;
    const Color action = sl->NameLabel[13].ForeColor;
    if (action == kYellow && cancel == kWhite && sl->ActionHighlight == 13) return "action";
    if (cancel == kYellow && action == kWhite && sl->ActionHighlight == 11) return "CANCEL";
    return "neither";
  }
  std::vector<int> VisibleFields() const {
    std::vector<int> shown;
    for (const auto& [n, field] : sl->SLfilename)
      if (field->Visible) shown.push_back(n);
    return shown;
  }
};

TEST_F(SaveLoadWindow, TheModeComesFromTheMenuItemAndWhetherTheMenuShows) {
  WriteSaved(1, "Harbour run", "Old Town", "The Quay");
  EXPECT_FALSE(Open(11));
  EXPECT_EQ(sl->SLlabel->Caption, "LOAD GAME");
  EXPECT_EQ(sl->NameLabel[13].Caption, "LOAD");
  EXPECT_EQ(sl->NameLabel[0].Caption, kChoose);
  EXPECT_EQ(Highlighted(), "action");

  EXPECT_FALSE(Open(2));  // the game menu's LOAD GAME, but the menu is not showing
  EXPECT_EQ(sl->SLlabel->Caption, "SAVE GAME");
  EXPECT_EQ(sl->NameLabel[13].Caption, "SAVE");

  shell->menu.Show();
  EXPECT_FALSE(Open(2));
  EXPECT_EQ(sl->SLlabel->Caption, "LOAD GAME");
  EXPECT_FALSE(Open(3));
  EXPECT_EQ(sl->SLlabel->Caption, "SAVE GAME");
  EXPECT_EQ(sl->NameLabel[13].Caption, "SAVE");
}

TEST_F(SaveLoadWindow, EveryOpeningReadsTheSlotsAndLoadingGreysTheEmptyOnes) {
  WriteSaved(2, "Before the bridge", "Docks", "Pier 4");
  EXPECT_FALSE(Open(11));
  for (int n = 0; n < kSlotCount; ++n) {
    EXPECT_EQ(sl->Label1[n].Caption, n == 2 ? "Before the bridge" : "<EMPTY>") << n;
    EXPECT_EQ(sl->Label1[n].Enabled, n == 2) << n;
    EXPECT_EQ(sl->Label1[n].BackColor, kLightYellow) << n;
  }
  // A click and a key on an empty slot select nothing.
  Click(sl->Label1[0]);
  platform.PushKey('4');
  EXPECT_FALSE(Resume());
  for (int n = 0; n < kSlotCount; ++n) EXPECT_EQ(sl->Label1[n].BackColor, kLightYellow) << n;
  EXPECT_EQ(sl->NameLabel[0].Caption, kChoose);

  // Saving offers every slot, and a slot written since shows at the next opening.
  WriteSaved(4, "Late, tired*and lost", "Hills", "Hut");
  EXPECT_FALSE(Open(3));
  for (int n = 0; n < kSlotCount; ++n) EXPECT_TRUE(sl->Label1[n].Enabled) << n;
  EXPECT_EQ(sl->Label1[4].Caption, "Late, tired,and lost");
}

TEST_F(SaveLoadWindow, LoadModeMarksTheChosenSlotGreenAndShowsWhereItStands) {
  WriteSaved(0, "One", "Old Town", "The Quay");
  WriteSaved(3, "Four", "Docks", "Pier 4");
  EXPECT_FALSE(Open(11));
  platform.PushKey('4');
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->Label1[3].BackColor, kGreen);
  EXPECT_EQ(sl->NameLabel[4].Caption, "Docks, Pier 4.");
  EXPECT_EQ(sl->NameLabel[0].Caption, kClickLoad);
  EXPECT_TRUE(VisibleFields().empty());

  Click(sl->Label1[0]);
  EXPECT_FALSE(Resume());
  for (int n = 0; n < kSlotCount; ++n)
    EXPECT_EQ(sl->Label1[n].BackColor, n == 0 ? kGreen : kLightYellow) << n;
  EXPECT_EQ(sl->NameLabel[4].Caption, "Old Town, The Quay.");
}

TEST_F(SaveLoadWindow, EnterLoadsOnlyOnceASlotIsChosen) {
  ASSERT_TRUE(SaveGame(*game, 1, "Two"));
  const int heroX = w->HeroX;
  w->HeroX = static_cast<std::int16_t>(heroX + 30);
  w->SaveLoadOK = false;
  platform.PushKey(key::kEnter);
  EXPECT_FALSE(Open(11));
  EXPECT_TRUE(sl->Visible());
  EXPECT_FALSE(w->SaveLoadOK);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuSelect"});

  platform.PushKey('2');
  platform.PushKey(key::kEnter);
  EXPECT_TRUE(Resume());
  EXPECT_FALSE(sl->IsLoaded());
  EXPECT_TRUE(w->SaveLoadOK);
  EXPECT_EQ(w->HeroX, heroX);
}

TEST_F(SaveLoadWindow, AFailedLoadKeepsTheWindowOpenForAnotherChoice) {
  WriteSaved(1, "Cut short", "Docks", "Pier 4");  // ends long before a real save does
  EXPECT_FALSE(Open(11));
  platform.PushKey('2');
  platform.PushKey(key::kEnter);
  platform.PushKey(key::kSpace);  // past the message that tells why
  EXPECT_FALSE(Resume());
  EXPECT_TRUE(sl->Visible());
  EXPECT_FALSE(w->SaveLoadOK);
  EXPECT_EQ(sl->Label1[1].BackColor, kGreen);

  platform.PushKey(key::kEscape);
  EXPECT_TRUE(Resume());
  EXPECT_FALSE(w->SaveLoadOK);
}

TEST_F(SaveLoadWindow, ADigitTypesIntoAnOpenNameAndOtherwiseChoosesTheSlot) {
  WriteSaved(2, "Three", "Docks", "Pier 4");
  platform.PushKey('3');
  EXPECT_FALSE(Open(3));
  EXPECT_EQ(VisibleFields(), std::vector<int>{2});
  TextBox& field = sl->SLfilename[2];
  EXPECT_EQ(field.Text, "Three");  // the digit that chose the slot is not typed
  EXPECT_EQ(sl->Focus, &field);
  EXPECT_EQ(field.BackColor, kGreen);
  EXPECT_EQ(field.MaxLength, 25);
  EXPECT_EQ(sl->NameLabel[4].Caption, "Docks, Pier 4.");
  EXPECT_EQ(sl->NameLabel[0].Caption, kTypeName);

  platform.PushKey('3');
  platform.PushKey('1');
  EXPECT_FALSE(Resume());
  EXPECT_EQ(VisibleFields(), std::vector<int>{2});
  EXPECT_EQ(field.Text, "31");  // the old name gave way to the first key typed

  // Choosing another slot moves the entry there and drops what was typed.
  Click(sl->Label1[0]);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(VisibleFields(), std::vector<int>{0});
  EXPECT_EQ(sl->SLfilename[0].Text, "<EMPTY>");
  EXPECT_EQ(sl->NameLabel[4].Caption, "");

  // Shifted, the key still chooses its slot, and its character is not typed either.
  platform.PushKey(key::kEscape);
  InputEvent down;
  down.kind = InputEvent::Kind::KeyDown;
  down.keyCode = '4';
  down.shift = kShiftMask;
  platform.Push(down);
  Type('$');
  EXPECT_FALSE(Resume());
  EXPECT_EQ(VisibleFields(), std::vector<int>{3});
  EXPECT_EQ(sl->SLfilename[3].Text, "<EMPTY>");
}

TEST_F(SaveLoadWindow, EscClosesTheNameFirstAndThenCancels) {
  platform.PushKey('5');
  platform.PushKey(key::kEscape);
  EXPECT_FALSE(Open(3));
  EXPECT_TRUE(VisibleFields().empty());
  EXPECT_EQ(sl->NameLabel[0].Caption, kTypeName);  // the prompt keeps its text
  // Typing goes nowhere now that the field is gone.
  Type("ab");
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->SLfilename[4].Text, "<EMPTY>");

  w->SaveLoadOK = true;
  w->KeysUsed = true;
  platform.PushKey(key::kEscape);
  EXPECT_TRUE(Resume());
  EXPECT_FALSE(sl->IsLoaded());
  EXPECT_FALSE(w->SaveLoadOK);
  EXPECT_FALSE(w->KeysUsed);
  EXPECT_TRUE(Effects().empty());
}

TEST_F(SaveLoadWindow, TabSwapsTheButtonsThatEnterPerforms) {
  platform.PushKey(key::kTab);
  EXPECT_FALSE(Open(3));
  EXPECT_EQ(Highlighted(), "CANCEL");
  platform.PushKey(key::kTab);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "action");
  EXPECT_EQ(Effects(), (std::vector<std::string>{"MenuMove", "MenuMove"}));

  // Tab does not take the focus from the name field.
  platform.PushKey('1');
  platform.PushKey(key::kTab);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->Focus, &sl->SLfilename[0]);

  w->SaveLoadOK = true;
  platform.PushKey(key::kEnter);
  EXPECT_TRUE(Resume());
  EXPECT_FALSE(w->SaveLoadOK);  // CANCEL was highlighted: nothing saved
  EXPECT_EQ(ReadSlotSummary(*game, 0).name, "<EMPTY>");
}

TEST_F(SaveLoadWindow, SavingUnderTheEmptyMarkIsRefusedAndAnyOtherNameSaves) {
  platform.PushKey('1');
  platform.PushKey(key::kEnter);  // the field still reads <EMPTY>
  EXPECT_FALSE(Open(3));
  EXPECT_TRUE(sl->Visible());
  EXPECT_EQ(ReadSlotSummary(*game, 0).name, "<EMPTY>");

  // Backspace takes the whole old name, and an empty name is a name.
  platform.PushKey(key::kBack);
  platform.PushKey(key::kEnter);
  EXPECT_TRUE(Resume());
  EXPECT_TRUE(w->SaveLoadOK);
  const SlotSummary saved = ReadSlotSummary(*game, 0);
  EXPECT_FALSE(saved.empty);
  EXPECT_EQ(saved.name, "");
}

TEST_F(SaveLoadWindow, TheOldNameStaysUntilTheFirstKeyAndThenGivesWayWhole) {
  WriteSaved(0, "Quay", "Old Town", "The Quay");
  EXPECT_FALSE(Open(3));
  platform.PushKey('1');
  platform.PushKey(key::kTab);
  platform.PushKey(key::kTab);  // no editing: the name stays
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->SLfilename[0].Text, "Quay");
  Type("Dock");
  platform.PushKey(key::kBack);  // now an ordinary Backspace
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->SLfilename[0].Text, "Doc");

  // Opening the field again brings back the old name, untouched.
  platform.PushKey(key::kEscape);
  Click(sl->Label1[0]);
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->SLfilename[0].Text, "Quay");
  platform.PushKey(key::kEnd);  // the old name kept, to be added to
  Type("side");
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->SLfilename[0].Text, "Quayside");

  Type(std::string(30, 'x'));
  EXPECT_FALSE(Resume());
  EXPECT_EQ(sl->SLfilename[0].Text, "Quayside" + std::string(17, 'x'));  // 25 at most
}

TEST_F(SaveLoadWindow, ANameWithCommasComesBackWithCommas) {
  EXPECT_FALSE(Open(3));
  platform.PushKey('2');
  Type("North, then east");
  PushAt(InputEvent::Kind::MouseDown, sl->NameLabel[13]);
  EXPECT_TRUE(Resume());
  EXPECT_TRUE(w->SaveLoadOK);

  EXPECT_FALSE(Open(11));
  EXPECT_EQ(sl->Label1[1].Caption, "North, then east");
  EXPECT_TRUE(sl->Label1[1].Enabled);
}

TEST_F(SaveLoadWindow, HoverMovesTheHighlightWithASoundOnlyWhenItMoves) {
  EXPECT_FALSE(Open(3));
  PushAt(InputEvent::Kind::MouseMove, sl->NameLabel[13]);  // highlighted already
  PushAt(InputEvent::Kind::MouseMove, sl->NameLabel[11]);
  PushAt(InputEvent::Kind::MouseMove, sl->NameLabel[11]);
  PushAt(InputEvent::Kind::MouseMove, sl->NameLabel[0]);  // other labels take no highlight
  EXPECT_FALSE(Resume());
  EXPECT_EQ(Highlighted(), "CANCEL");
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuMove"});

  // A press moves the highlight silently, then performs the button.
  Click(sl->NameLabel[13]);
  EXPECT_FALSE(Resume());  // no slot chosen: nothing to save
  EXPECT_EQ(Highlighted(), "action");
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuSelect"});

  w->SaveLoadOK = true;
  PushAt(InputEvent::Kind::MouseDown, sl->NameLabel[11]);
  EXPECT_TRUE(Resume());
  EXPECT_FALSE(w->SaveLoadOK);
  EXPECT_EQ(Effects(), std::vector<std::string>{"MenuSelect"});
}

TEST_F(SaveLoadWindow, AGameSavedThroughTheWindowLoadsBackThroughIt) {
  const int heroX = w->HeroX;
  const int heroY = w->HeroY;
  EXPECT_FALSE(Open(3));
  platform.PushKey('3');
  Type("Start, again");
  platform.PushKey(key::kEnter);
  EXPECT_TRUE(Resume());
  EXPECT_TRUE(w->SaveLoadOK);

  w->HeroX = static_cast<std::int16_t>(heroX + 60);
  w->HeroY = static_cast<std::int16_t>(heroY + 30);
  shell->menu.Show();
  EXPECT_FALSE(Open(2));
  EXPECT_EQ(sl->Label1[2].Caption, "Start, again");
  platform.PushKey('3');
  EXPECT_FALSE(Resume());
  const std::string where = ReadSlotSummary(*game, 2).where;
  EXPECT_FALSE(where.empty());
  EXPECT_EQ(sl->NameLabel[4].Caption, where);

  platform.PushKey(key::kEnter);
  EXPECT_TRUE(Resume());
  EXPECT_TRUE(w->SaveLoadOK);
  EXPECT_EQ(w->HeroX, heroX);
  EXPECT_EQ(w->HeroY, heroY);
}

}  // namespace
}  // namespace vt::test
