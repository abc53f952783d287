// The conversation window: every conversation, and every use of an object on
// someone, is played here from the conversation script, line by line.
//
// How it works: opening loads one section of the script (by TalkScene and the
// conversation's stage, or by the selected object), then the typing timer shows
// one character a tick with the speaker's portrait; MORE advances, DONE closes.
// Command lines (stage, map, report, objects) run on the tick that starts the
// spoken line after them; a pass phrase is asked for in a box; a door line
// ends the conversation by opening a door on the game screen.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/field_reader.h"
#include "platform/ui/form.h"

namespace vt {

class Game;

class TalkForm : public Form {
 public:
  explicit TalkForm(Game& game);

  Label* Label1 = nullptr;   // "MORE", "DONE", "SAY PASSWORD"
  Label* Label2 = nullptr;   // "PLEASE ENTER PASSWORD"
  TextBox* Text1 = nullptr;  // the pass-phrase entry
  Timer* Timer1 = nullptr;   // the typing

  // Plays conversation TalkScene (or the use of the selected object when TalkFlag
  // is false) modally over `owner`, and returns when the window has closed.
  void Play(const Form& owner);

  // What the player sees, for the state dump: the speaker code of the line on
  // screen and the rows of text typed so far.
  const std::string& Speaker() const { return speaker_; }
  const std::vector<std::string>& Rows() const { return rows_; }

  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Timer1_Timer();

 protected:
  void Build() override;

 private:
  void LoadSection();
  bool LoadConversation(FieldReader& script);
  void LoadObjectUse(FieldReader& script);
  void CopyBody(FieldReader& script);
  void Refuse(bool stageReached);
  void NoSection(const std::string& why);
  void StartSpoken(const std::string& line);
  void ShowCharacter();
  void FinishLine();
  void RunCommand(const std::string& line);
  void AskPassPhrase(const std::string& line);
  void CheckPassPhrase();
  void OpenDoor(const std::string& line);
  void Advance();
  void SetButton(const char* caption);
  void SetBackground(bool thought);
  void SetPointer(bool busy);
  void RestartTimer(int intervalMs);
  const std::string& Line(int n) const;

  Game& game_;
  std::array<std::string, 101> Lines{};  // 1..100; the last one empty
  int LineNo = 1;
  int CharPos = 1;
  int WrapCount = 0;
  int penX_ = 0;
  int penY_ = 0;
  Color textColor_ = kWhite;
  Surface Picture1;  // the portrait, before it is drawn onto the window
  std::string speaker_;
  std::vector<std::string> rows_;
};

}  // namespace vt
