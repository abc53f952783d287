// The conversation window: loading a section, typing its lines, commands, pass
// phrases and doors.
#include "dialogue/talk_form.h"

#include <algorithm>
#include <cctype>
#include <random>

#include "core/game.h"
#include "core/startup.h"
#include "data/script_lines.h"
#include "interaction/animations.h"
#include "interaction/interaction.h"
#include "platform/platform.h"

namespace vt {
namespace {

constexpr int kLeftOfCentreTwips = 500;
constexpr int kPenX = 215;
constexpr int kPenY = 20;
constexpr int kPortraitX = 10;
constexpr int kPortraitY = 15;
constexpr int kFirstInterval = 10;  // the first line types at 10 ms, every later one at 1 ms
constexpr int kNextInterval = 1;
constexpr Color kButtonColor = Rgb(240, 220, 140);       // on the speech background
constexpr Color kThoughtButtonColor = Rgb(110, 70, 30);  // on the pale thought paper
constexpr Color kMissingBackground = Rgb(30, 34, 44);

// The hero's thoughts and the unspoken (things, narration) are on the lighter background.
bool Thought(const std::string& code) {
  return code == "01" || code == "39" || code == "40" || code == "41";
}

// Object uses the script has no section for, and uses already made.
constexpr std::array<std::string_view, 3> kRefusedNoSection = {
    "01 It doesn't seem like a good idea.",
    "01 That does not look like a good idea* I had better do something else with it.",
    "01 Of all the creative uses of this item* this would be one of the least helpful.",
};
constexpr std::array<std::string_view, 3> kRefusedAgain = {
    "01 That doesn't seem like a good idea.",
    "01 That does not look like a good idea; I had better do something else with it.",
    "01 Of all the creative uses of that item* this would be one of the least helpful.",
};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

TalkForm::TalkForm(Game& game) : Form(game.ui, "TalkForm"), game_(game) {
  Bounds = {0, 0, 440, 172};
  BackColor = kMissingBackground;
}

void TalkForm::Build() {
  Bounds.w = 440;
  Bounds.h = 172;
  Label1 = &Add<Label>("Label1", -1, {381, 148, 50, 19});
  Label1->Transparent = true;
  Label1->ForeColor = kButtonColor;
  Label1->Font = Times(9.75, true);
  Label1->Alignment = Align::Center;
  Label1->Visible = false;
  Label1->Click = [this] { Advance(); };

  Label2 = &Add<Label>("Label2", -1, {244, 56, 169, 15});
  Label2->Caption = "PLEASE ENTER PASSWORD";
  Label2->Transparent = true;
  Label2->ForeColor = kWhite;
  Label2->Font = Times(8.25, true);
  Label2->Visible = false;

  Text1 = &Add<TextBox>("Text1", -1, {256, 76, 145, 27});
  Text1->Font = Times(12, true);
  Text1->Visible = false;

  Timer1 = &AddTimer("Timer1", kFirstInterval, false);
  Timer1->OnTimer = [this] { Timer1_Timer(); };
}

void TalkForm::Play(const Form& owner) {
  if (IsLoaded()) Unload();
  Load();
  PlaceOver(owner, kLeftOfCentreTwips);
  LoadSection();
  RestartTimer(kFirstInterval);
  ShowModal();
}

void TalkForm::Form_Unload() {
  Timer1->SetEnabled(false);
  game_.world.TalkOpen = false;
  game_.world.KeysUsed = false;
}

const std::string& TalkForm::Line(int n) const {
  static const std::string kNone;
  return n >= 1 && n < static_cast<int>(Lines.size()) ? Lines[static_cast<std::size_t>(n)] : kNone;
}

void TalkForm::SetPointer(bool busy) {
  Pointer = game_.PointerFrom(busy ? "Morvane18.dat" : "Morvane19.dat");
}

void TalkForm::RestartTimer(int intervalMs) {
  Timer1->SetInterval(intervalMs);
  Timer1->SetEnabled(true);
}

// --- Loading -----------------------------------------------------------------

void TalkForm::LoadSection() {
  WorldState& w = game_.world;
  w.TalkOpen = true;
  LineNo = 1;
  CharPos = 1;
  WrapCount = 0;
  Lines.fill({});
  speaker_.clear();
  rows_.clear();
  SetBackground(false);
  SetPointer(true);
  if (w.TalkScene < 0 || w.TalkScene >= static_cast<int>(w.StoryFlags.size())) {
    NoSection("conversation " + std::to_string(w.TalkScene) + " cannot be played");
    return;
  }
  std::string error;
  auto script = FieldReader::Open(game_.Path(kScriptFile), &error);
  if (!script) {
    // Without its script the story cannot be told at all.
    game_.ReportOnce(error);
    CannotGoOn(game_, std::string(kScriptFile));
  }
  if (!w.TalkFlag) {
    LoadObjectUse(*script);
    return;
  }
  if (!LoadConversation(*script))
    NoSection(script->Path() + " has no conversation " + std::to_string(w.TalkScene) +
              " at stage " + std::to_string(w.StoryFlags[w.TalkScene]));
}

bool TalkForm::LoadConversation(FieldReader& script) {
  const WorldState& w = game_.world;
  const int stage = w.StoryFlags[w.TalkScene];
  while (auto line = script.Next()) {
    if (*line == "EOF") return false;
    if (IsConvHeader(*line) && HeaderConversation(*line) == w.TalkScene &&
        LastDigit(*line) == stage) {
      game_.sectionsPlayed.insert("conv " + std::to_string(w.TalkScene) + "/" +
                                  std::to_string(stage));
      CopyBody(script);
      return true;
    }
  }
  return false;
}

void TalkForm::LoadObjectUse(FieldReader& script) {
  WorldState& w = game_.world;
  const int slot = w.InvFirst;
  const int object =
      slot >= 1 && slot < static_cast<int>(w.Inventory.size()) ? w.Inventory[slot] : 0;
  while (auto line = script.Next()) {
    if (*line == "EOF") break;
    if (!IsObjHeader(*line) || HeaderObject(*line) != object) continue;
    const auto header = script.Next();
    if (!header || HeaderConversation(*header) != w.TalkScene) continue;
    const int stage = LastDigit(*header);
    if (w.StoryFlags[w.TalkScene] >= stage) {
      Refuse(true);
      return;
    }
    w.StoryFlags[w.TalkScene] = static_cast<std::uint8_t>(stage);
    game_.sectionsPlayed.insert("obj " + std::to_string(object) + " -> " +
                                std::to_string(w.TalkScene) + "/" + std::to_string(stage));
    CopyBody(script);
    return;
  }
  Refuse(false);
}

void TalkForm::CopyBody(FieldReader& script) {
  for (int n = 1; n <= kMaxSectionLines; ++n) {
    const auto line = script.Next();
    if (!line) return;  // a section cut off by the file's end ends there
    if (n == kMaxSectionLines && !line->empty()) {
      game_.ReportOnce(script.Where() + ": a section longer than " +
                       std::to_string(kMaxSectionLines) + " lines is cut there");
      return;
    }
    Lines[static_cast<std::size_t>(n)] = *line;
    if (line->empty()) return;
  }
}

void TalkForm::Refuse(bool stageReached) {
  const auto& set = stageReached ? kRefusedAgain : kRefusedNoSection;
  std::uniform_int_distribution<int> pick(0, static_cast<int>(set.size()) - 1);
  Lines[1] = std::string(set[static_cast<std::size_t>(pick(game_.random))]);
  Lines[2].clear();
}

void TalkForm::NoSection(const std::string& why) {
  game_.ReportOnce(why);
  Lines[1] = "01 ...";
  Lines[2].clear();
}

// --- Typing ------------------------------------------------------------------

void TalkForm::SetBackground(bool thought) {
  // A missing background leaves a plain panel of the window's size.
  if (!game_.LoadPicture(Picture, thought ? "Morvane12.dat" : "Morvane02.dat") ||
      Picture.Width() != Bounds.w || Picture.Height() != Bounds.h)
    Picture.Resize(Bounds.w, Bounds.h, kMissingBackground);
  textColor_ = thought ? kBlack : kWhite;
  Label1->ForeColor = thought ? kThoughtButtonColor : kButtonColor;
  rows_.assign(1, std::string());
  penX_ = kPenX;
  penY_ = kPenY;
}

void TalkForm::StartSpoken(const std::string& line) {
  const std::string code = line.substr(0, 2);
  SetBackground(Thought(code));
  speaker_ = code;
  // In the sealed quarter's uniform the hero wears another face.
  std::string portrait = code;
  if (game_.world.ScriptFlag1) {
    if (code == "00") portrait = "02";
    if (code == "01") portrait = "39";
  }
  Picture1.Release();
  if (game_.LoadPicture(Picture1, "Game" + portrait + ".dat"))
    TransparentBlt(Picture, Picture, Picture1, Picture1.Width(), Picture1.Height(), kPortraitX,
                   kPortraitY);
}

void TalkForm::Timer1_Timer() {
  if (CharPos == 1) {
    const std::string& line = Line(LineNo);
    switch (KindOf(line)) {
      case ScriptLineKind::PassPhrase:
        AskPassPhrase(line);
        return;
      case ScriptLineKind::Door:
        OpenDoor(line);
        return;
      case ScriptLineKind::Stage:
      case ScriptLineKind::Map:
      case ScriptLineKind::Message:
      case ScriptLineKind::Get:
      case ScriptLineKind::Give:
        RunCommand(line);
        if (!IsLoaded()) return;
        ++LineNo;
        StartSpoken(Line(LineNo));
        break;
      default:
        StartSpoken(line);
        break;
    }
  }
  ShowCharacter();
}

void TalkForm::ShowCharacter() {
  const std::string& line = Line(LineNo);
  const std::string_view text = line.size() > 3 ? std::string_view(line).substr(3) : "";
  const TypedCharacter t = TypeCharacter(text, static_cast<std::size_t>(CharPos - 1), WrapCount);
  if (t.shown != '\0') {
    const FontSpec font = Times(14.25, false);
    TextRenderer& text = ui().Text();
    const std::string one(1, t.shown);
    text.Draw(Picture, penX_, penY_, font, one, textColor_);
    penX_ += text.Measure(font, one).w;
    rows_.back() += t.shown;
    if (t.pauseMs > 0) ui().Sleep(t.pauseMs);
    if (t.breakRow) {
      penX_ = kPenX;
      penY_ += text.LineHeight(font);
      while (!rows_.back().empty() && rows_.back().back() == ' ') rows_.back().pop_back();
      rows_.emplace_back();
    }
  }
  if (CharPos >= static_cast<int>(line.size()) + 1) {
    FinishLine();
    return;
  }
  ++CharPos;
}

void TalkForm::FinishLine() {
  SetPointer(false);
  ++LineNo;
  CharPos = 1;
  WrapCount = 0;
  Timer1->SetEnabled(false);
  const std::string& next = Line(LineNo);
  const bool more = !next.empty() && KindOf(next) != ScriptLineKind::Door;
  SetButton(more ? "MORE" : "DONE");
}

// --- Commands, pass phrases, doors ---------------------------------------------

void TalkForm::RunCommand(const std::string& line) {
  WorldState& w = game_.world;
  const int digit = LastDigit(line);
  switch (KindOf(line)) {
    case ScriptLineKind::Stage:
      if (digit >= 0) w.StoryFlags[w.TalkScene] = static_cast<std::uint8_t>(digit);
      break;
    case ScriptLineKind::Map:
      if (digit >= 1 && digit < static_cast<int>(w.DistrictOpen.size()))
        w.DistrictOpen[digit] = true;
      break;
    case ScriptLineKind::Message:
      if (digit >= 1 && digit < static_cast<int>(w.Transmissions.size()))
        w.Transmissions[digit] = true;
      break;
    case ScriptLineKind::Get:
      InventoryAction(game_, InvAction::Get, CommandNumber(line));
      break;
    case ScriptLineKind::Give:
      InventoryAction(game_, InvAction::Give, CommandNumber(line));
      break;
    default:
      break;
  }
}

void TalkForm::AskPassPhrase(const std::string& line) {
  const std::string code = SpeakerCode(line);
  SetBackground(false);
  speaker_ = code;
  Picture1.Release();
  if (game_.LoadPicture(Picture1, "Game" + code + ".dat"))
    TransparentBlt(Picture, Picture, Picture1, Picture1.Width(), Picture1.Height(), kPortraitX,
                   kPortraitY);
  Label2->Visible = true;
  Text1->Text.clear();
  Text1->Visible = true;
  SetFocus(Text1);
  Timer1->SetEnabled(false);
  SetPointer(false);
  SetButton("SAY PASSWORD");
}

void TalkForm::CheckPassPhrase() {
  if (Text1->Text.empty()) {
    Label1->Visible = true;
    return;
  }
  Text1->Visible = false;
  Label2->Visible = false;
  Label1->Visible = false;
  const std::string said = Upper(Text1->Text);
  const std::string code = SpeakerCode(Lines[1]);
  if (said == PassPhrase(Lines[1])) {
    Lines[1] = "00 " + said + ".";
    LineNo = 1;
    Label1->Caption = "MORE";
    Label1->Font = Times(9.75, true);
    if (game_.world.District == 8) game_.world.ScriptFlag2 = true;
  } else {
    LineNo = 2;
    Lines[2] = "01 Was that really the phrase? Well* here goes.";
    Lines[3] = "00 <Ahem>...";
    Lines[4] = "00 " + said + ".";
    Lines[5] = code + " What?";
    Lines[6] = "01 I knew it was wrong. I must be more careful next time.";
    Lines[7] = "00 Oh* nothing. Sorry to bother you.";
    Lines[8].clear();
  }
  CharPos = 1;
  SetPointer(true);
  RestartTimer(kNextInterval);
}

void TalkForm::OpenDoor(const std::string& line) {
  WorldState& w = game_.world;
  const DoorOpening door = ParseDoor(line);
  for (std::size_t c = 0; c < door.cells.size(); ++c) {
    const auto [row, col] = door.cells[c];
    if (c > 0 && col == 0) continue;
    if (InCellRange(door.district, door.screenRow, door.screenCol) && row >= 0 && row < kTileRows &&
        col >= 0 && col < kTileCols)
      w.CellChanged[door.district][door.screenRow][door.screenCol][row][col] = true;
  }
  Timer1->SetEnabled(false);
  if (door.district != w.District) {
    Unload();
    return;
  }
  if (door.screenRow != w.ScreenRow || door.screenCol != w.ScreenCol) {
    game_.PlaySound("DoorOpenDist");
    Unload();
    return;
  }
  Hide();
  game_.PlaySound("DoorOpen");
  const auto& cells = door.cells;
  AnimateDoor(game_, cells[0][0], cells[0][1],
              DoorHalfLength(cells[1][1], cells[2][1], cells[3][1]), 0);
  ui().Refresh();
  Unload();
}

// --- Advancing -----------------------------------------------------------------

void TalkForm::SetButton(const char* caption) {
  Label1->Caption = caption;
  // The long caption is set smaller, so that it stays on the button.
  Label1->Font = Times(std::string_view(caption).size() > 4 ? 6.75 : 9.75, true);
  Label1->Visible = true;
}

void TalkForm::Advance() {
  Label1->Visible = false;
  if (Label1->Caption == "MORE") {
    SetPointer(true);
    RestartTimer(kNextInterval);
  } else if (Label1->Caption == "DONE") {
    if (KindOf(Line(LineNo)) == ScriptLineKind::Door)
      RestartTimer(kNextInterval);
    else
      Unload();
  } else if (Label1->Caption == "SAY PASSWORD") {
    CheckPassPhrase();
  }
}

void TalkForm::Form_KeyDown(int& keyCode, int) {
  const bool enter = keyCode == key::kEnter;
  const bool space = keyCode == key::kSpace;
  if (!enter && !space) return;
  // Space in the pass-phrase box is a blank in the phrase.
  if (space && Text1->Visible) return;
  keyCode = 0;
  if (Label1->Visible) {
    Advance();
  } else if (Timer1->Enabled()) {
    RestartTimer(Timer1->Interval());  // typing: the key only starts the tick afresh
  }
}

}  // namespace vt
