// The conversation script's lines, as both the conversation window and the forge's
// checker read them: what kind a line is, the numbers in headers and commands, and how
// a spoken line is typed (which character shows, how long it pauses, where a row breaks).
//
// The file ("Morvane03.dat") holds sections: a conversation header ("Conv" + three-digit
// number in characters 5 to 7 + ... + the stage digit last) or an object header ("Obj" +
// ... + the object number in the last three characters, then a conversation header whose
// stage digit is the stage the use leads to), the section's lines, an empty line; "EOF"
// last. Numbers follow the decimal-prefix rule: leading blanks skipped, then digits; none
// read as 0.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

inline constexpr std::string_view kScriptFile = "Morvane03.dat";
inline constexpr int kMaxSectionLines = 100;  // the closing empty line included
inline constexpr int kWrapLimit = 24;         // width units on one typed row

enum class ScriptLineKind {
  Spoken,      // "NN text": speaker code, a blank, the text from position 4
  PassPhrase,  // "PWD" + NN + phrase in upper case
  Stage,       // "PHS" + ... + digit
  Map,         // "MAP" + ... + digit: a district opens on the map
  Message,     // "MSG" + ... + digit: an outgoing report becomes ready
  Get,         // "GET" + object number
  Give,        // "GIV" + object number
  Door,        // "DOR" + 11 two-digit fields
  End,         // empty: the section ends
};

ScriptLineKind KindOf(std::string_view line);

// Leading blanks skipped, then the digits; 0 when there are none.
int DecimalPrefix(std::string_view text);

bool IsConvHeader(std::string_view line);  // starts "Conv"
bool IsObjHeader(std::string_view line);   // starts "Obj"
// Characters 5 to 7 of a conversation header.
int HeaderConversation(std::string_view header);
// The last character of a conversation header or a command, as a digit; -1 if none.
int LastDigit(std::string_view line);
// The object number of an object header: its last three characters.
int HeaderObject(std::string_view header);
// The number after "GET" or "GIV".
int CommandNumber(std::string_view line);
// The two-digit speaker code of a spoken line or of a "PWD" line (characters 4 and 5).
std::string SpeakerCode(std::string_view line);
// The expected phrase of a "PWD" line (from position 6).
std::string_view PassPhrase(std::string_view line);

// A "DOR" line's fields: the screen and up to four door cells (column 0: not used).
struct DoorOpening {
  int district = 0;
  int screenRow = 0;
  int screenCol = 0;
  std::array<std::array<int, 2>, 4> cells{};  // (tile row, tile column) for A, B, C, D
};
DoorOpening ParseDoor(std::string_view line);

// One typed character of a spoken line.
struct TypedCharacter {
  char shown = '\0';      // '\0': nothing (past the line's end)
  int pauseMs = 0;        // after punctuation 100, after a "*" (shown ",") 50
  bool breakRow = false;  // the next word goes on a new row
};

// Types the character at `index` of `text` (the spoken text from position 4), keeping
// the row's width units in `wrapCount`: punctuation ". ! ? : ; -" and "*" count 0.5,
// capitals 1.5, others 1, each sum rounded half to even; after a blank, the next word
// goes on a new row when the units plus its length would pass 24.
TypedCharacter TypeCharacter(std::string_view text, std::size_t index, int& wrapCount);

// The rows a spoken text is typed in, as shown ("*" shown as ","), for checks and dumps.
std::vector<std::string> TypedRows(std::string_view text);

}  // namespace vt
