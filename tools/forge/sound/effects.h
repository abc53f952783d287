// This folder makes the sound: effects (effects*, from content/effects/ with sox), music
// (music.cpp, from content/music/ with abc2midi) and a MIDI reader to check the tracks
// (midi_length*). See README.md here.
//
// The sound effects: which wave file each effect name plays and how, and the
// recipe reader that turns content/effects/effects.txt into sox and espeak-ng runs.
#pragma once

#include <string>
#include <vector>

namespace forge {

enum class EffectMode { Async, Wait, Loop };

struct EffectInfo {
  const char* name;  // "Dit"
  const char* file;  // "Comm02.dat"
  EffectMode mode;   // how the game plays it (Wait: the caller waits for its end)
};

// Every effect name that has a wave file; two names may share a file.
const std::vector<EffectInfo>& EffectManifest();

// One run of an outside program: sox (its arguments as written), or espeak-ng
// for a "speak" line (its arguments made from the line: -w $name, the options,
// "--" and the words as one argument). $ and @ words are left for the forge.
struct EffectCommand {
  std::string program;  // "sox" or "espeak-ng"
  std::vector<std::string> args;
};

// One effect of the recipe file: the file it makes and its runs, in order.
struct EffectRecipe {
  std::string file;
  std::string name;
  int line = 0;  // where the block starts, for messages
  std::vector<EffectCommand> commands;
};

// Reads a recipe text; problems (unknown names, stray lines, bad tokens) go to errors.
std::vector<EffectRecipe> ParseEffectRecipes(const std::string& text,
                                             std::vector<std::string>& errors);

}  // namespace forge
