// This folder makes the sound: effects (effects*, from content/effects/ with sox), music
// (music.cpp, from content/music/ with abc2midi) and a MIDI reader to check the tracks
// (midi_length*). See README.md here.
//
// The sound effects: which wave file each effect name plays and how, and the
// recipe reader that turns content/effects/effects.txt into sox runs.
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

// One effect of the recipe file: the file it makes and its sox argument lists
// (without the program name), as written.
struct EffectRecipe {
  std::string file;
  std::string name;
  int line = 0;  // where the block starts, for messages
  std::vector<std::vector<std::string>> commands;
};

// Reads a recipe text; problems (unknown names, stray lines, bad tokens) go to errors.
std::vector<EffectRecipe> ParseEffectRecipes(const std::string& text,
                                             std::vector<std::string>& errors);

}  // namespace forge
