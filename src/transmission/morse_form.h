// The communication unit: the one transmission waiting from headquarters is
// received here, and the reports conversations have made ready are sent.
//
// How it works: opening reads the world (the waiting text, the pending report
// flags) into the status line, the two buttons and the pending list. GET and
// SEND play a whole transmission inside their handler: header lines with their
// pauses, then every character sounded in Morse while it is typed on the
// terminal, the signal light flipping per character (and the key pressed and
// released per tone when sending). Receiving applies the text's effect on the
// world; sending leaves the reply waiting. Nothing survives closing but what
// was written into the world.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/ui/form.h"
#include "transmission/key_label.h"
#include "transmission/terminal.h"

namespace vt {

class Game;

class MorseForm : public Form {
 public:
  explicit MorseForm(Game& game);

  Label* Status = nullptr;
  ControlArray<KeyLabel> Label3;      // 0 back, 1 get, 2 send
  ControlArray<Label> Label2;         // the pending list, six lines
  PictureBox* Picture1 = nullptr;     // the terminal
  ControlArray<PictureBox> Picture2;  // 0 the signal light, 1 the Morse key
  Timer* Timer1 = nullptr;            // the status blink

  // Shows the unit modally, centred on `owner`, and returns when it has closed.
  void Play(const Form& owner);
  // Plays and applies the waiting incoming transmission.
  void BeginTransmission();
  void GetTrans();

  // What the terminal shows, for the state dump and the checks.
  const Terminal& Screen() const { return terminal_; }

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Timer1_Timer();

 protected:
  void Build() override;

 private:
  void Receive(bool clicked);
  void Send(bool clicked);
  void Close();
  void SendTrans();
  int FindMessage() const;
  void FillList();
  void PlayText(std::string_view text, bool sending);
  void PlayCharacter(char c, bool sending);
  void Dots();
  void HeaderLine(const std::string& line);
  void SetStatus(std::string_view caption);
  void ShowLight(int picture);
  void ShowKey(int picture);
  void SetPointer(bool busy);
  void Redraw();
  void Pause(int ms);

  Game& game_;
  Terminal terminal_;
  // Light: idle, lit, dark; key: idle, pressed, released.
  std::array<Surface, 3> lights_;
  std::array<Surface, 3> keys_;
  bool lightLit_ = false;  // the picture the next character shows
  bool busy_ = false;      // a transmission is playing: no input is taken
};

}  // namespace vt
