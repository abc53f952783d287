// Which General MIDI sound font plays the music. The game brings its own,
// TimGM6mb: small, and quick to load on every change of track. A player may
// name another in the environment variable VELTRANE_SOUNDFONT. Either way the
// mixer is told which font to use, so a font that merely happens to be
// installed never takes over unnoticed, and the choice is told once.
#pragma once

#include <string>
#include <vector>

namespace vt {

constexpr const char* kSoundFontVariable = "VELTRANE_SOUNDFONT";

struct SoundFontChoice {
  std::string path;  // empty when no usable font was found
  std::string line;  // what to tell the player about the choice
};

// Where the game's own font may be, in the order it is looked for: beside the
// program first, then where the usual packages install it.
std::vector<std::string> GameSoundFontPaths(const std::string& programFolder);

// True when the file starts as a SoundFont 2 bank does ("RIFF", size, "sfbk").
bool LooksLikeSoundFont(const std::string& path);

// `requested` is the value of VELTRANE_SOUNDFONT, nullptr when it is unset.
// A requested font that cannot be used is said so, and the game's own is
// taken instead.
SoundFontChoice ChooseSoundFont(const char* requested, const std::vector<std::string>& gamePaths);

}  // namespace vt
