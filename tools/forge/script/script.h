// This folder compiles and checks the conversation script; README.md here says which file
// holds which step.
//
// The script: readable sources in content/script/*.txt (format in that folder's README)
// compiled into the game's "Morvane03.dat", and the checker that proves it sound (every line
// is one the conversation window plays as meant) and complete (a section for every
// conversation and stage the game can ask for). Both the sources and a compiled file read
// into the same list of sections, so one checker serves both; each line keeps where it came
// from, so every finding points at the line to fix.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace forge {

inline constexpr int kLastConversation = 250;

struct ScriptLine {
  std::string text;   // as it goes into the file: "*" for every comma
  std::string where;  // "FILE:LINE"
};

// A conversation section ("Conv005 stage 1") or, with an object, an object-use section
// ("Obj for 039" / "Conv005 leads to 2").
struct ScriptSection {
  int object = -1;  // -1: a conversation section
  int conversation = 0;
  int stage = 0;  // the stage it plays at, or the stage an object use leads to
  std::string where;
  std::vector<ScriptLine> lines;  // the body, without the closing empty line

  bool IsObjectUse() const { return object >= 0; }
};

using Script = std::vector<ScriptSection>;

// "conv 5/2" or "obj 39 -> 5/2", for messages.
std::string SectionName(const ScriptSection& section);

// Reads one source text into `script`; each fault of its form is one "NAME:LINE: ..." entry
// of `errors`. Commas in the lines become "*".
void ReadScriptSource(const std::string& text, const std::string& name, Script& script,
                      std::vector<std::string>& errors);
// A file's bytes; nullopt when it cannot be read.
std::optional<std::string> FileBytes(const std::string& path);
// The sources of a folder: every *.txt in name order. Empty when there are none.
std::vector<std::string> ScriptSourceFiles(const std::string& folder);
Script ReadScriptSources(const std::vector<std::string>& files, std::vector<std::string>& errors);

// The file's text: every conversation section before the first object section, an empty line
// after each section, "EOF" last; CR LF line ends.
std::string ScriptFileText(const Script& script);
// Reads a compiled file back line by line as the game does; each fault of its form is one
// "FILE:LINE: ..." entry of `problems`. Nullopt when the file cannot be read.
std::optional<Script> ReadScriptFile(const std::string& path, std::vector<std::string>& problems);

// Whether every line plays as meant: line forms, command order, numbers in range, speakers
// with a portrait in `gameDir`, objects with a name, door lines on a door (or people who leave) of
// the district files in `gameDir`, text that fits the window, no section twice. One "WHERE: ..."
// entry per fault.
std::vector<std::string> CheckScript(const Script& script, const std::string& gameDir);
// What the game can ask for and the script lacks, by conversation and stage.
std::vector<std::string> MissingSections(const Script& script, const std::string& gameDir);

// How a spoken text fails to fit the talk window (at most 5 rows, 225 pixels each, as typed
// in the window's font); empty when it fits.
std::string TextFitProblem(const std::string& text);

// `forge --check`: the script from its sources in `contentDir` when given (findings on the
// source lines; the game folder's file must be up to date), else the game folder's file.
// Prints the findings; returns their number.
int RunScriptCheck(const std::string& gameDir, const std::string& contentDir, std::ostream& report);

}  // namespace forge
