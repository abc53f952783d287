// The runner's script language: one command per line, '#' starts a comment.
//
//   key NAME [shift]        press and release a key
//   keydown NAME / keyup NAME
//   click X Y [right] [shift]
//   move X Y                (canvas pixels)
//   type TEXT               type the characters of TEXT
//   wait MS                 let MS milliseconds of virtual time pass
//   talk                    play the open conversation on: Enter after each line, until it
//                           closes or asks for a pass phrase
//   dump [PATH]             print the state (or the part at PATH) as JSON
//   shot FILE.png           save the canvas
//   expect PATH VALUE       compare the state at PATH with a JSON value
//   slot N FILE             put FILE into saved-game slot N (1-5)
//   expectslot N FILE       slot N holds exactly the bytes of FILE
//   include FILE            the lines of FILE, here (up to 8 files deep)
// FILE is taken from the folder of the script that names it unless it is an absolute path.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vt {

struct ScriptCommand {
  enum class Kind {
    Key,
    KeyDown,
    KeyUp,
    Click,
    Move,
    Type,
    Pad,  // a pad button pressed and let go (keyCode: the PadButton)
    PadDown,
    PadUp,
    Stick,    // the left stick to x, y
    PadGone,  // the pad pulled out
    Wait,
    Talk,
    Dump,
    Shot,
    Expect,
    Slot,
    ExpectSlot
  };
  Kind kind = Kind::Key;
  std::string file;  // the script the command stands in
  int line = 0;
  int keyCode = 0;
  int shift = 0;
  int button = 1;
  int x = 0;  // click, move; slot: the slot number
  int y = 0;
  int ms = 0;
  std::string text;   // type: the text; dump/expect: the path; shot, slot: the file
  std::string value;  // expect: the JSON value
  bool IsInput() const { return kind <= Kind::Wait; }
};

// The PadButton a script names (A B X Y Back Start LB RB Up Down Left Right LT RT);
// -1 for none.
int PadButtonForName(const std::string& name);

struct ScriptParse {
  std::vector<ScriptCommand> commands;
  std::string error;  // "line N: ..." when the script cannot be run
};

// `text` is the script `file` (for messages and the files it names; "-" for standard input).
ScriptParse ParseScript(const std::string& text, const std::string& file = "script");

// A file a script names: beside `script` unless `name` is an absolute path.
std::string ScriptFileBeside(const std::string& script, const std::string& name);

// Windows key code for a key name of the script ("Enter", "F3", "A", "7"); 0 if unknown.
int KeyCodeForName(const std::string& name);

}  // namespace vt
