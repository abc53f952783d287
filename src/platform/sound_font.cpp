// Finding the sound font the music plays with.
#include "platform/sound_font.h"

#include <cstring>
#include <fstream>

namespace vt {

std::vector<std::string> GameSoundFontPaths(const std::string& programFolder) {
  std::vector<std::string> paths;
  if (!programFolder.empty()) paths.push_back(programFolder + "/TimGM6mb.sf2");
  for (const char* folder : {"/usr/share/sounds/sf2", "/usr/local/share/sounds/sf2",
                             "/usr/share/soundfonts", "/usr/local/share/soundfonts"})
    paths.push_back(std::string(folder) + "/TimGM6mb.sf2");
  return paths;
}

bool LooksLikeSoundFont(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char head[12] = {};
  return in.read(head, sizeof head) && std::memcmp(head, "RIFF", 4) == 0 &&
         std::memcmp(head + 8, "sfbk", 4) == 0;
}

SoundFontChoice ChooseSoundFont(const char* requested, const std::vector<std::string>& gamePaths) {
  std::string refusal;
  if (requested != nullptr && *requested != '\0') {
    const std::string path = requested;
    // The mixer takes a list of fonts separated by semicolons.
    if (path.find(';') != std::string::npos)
      refusal = std::string(kSoundFontVariable) + " names " + path + ", which has a ';' in it";
    else if (!LooksLikeSoundFont(path))
      refusal = std::string(kSoundFontVariable) + " names " + path +
                ", which is not a readable SoundFont file";
    else
      return {path,
              "music plays with the sound font " + path + " (from " + kSoundFontVariable + ")"};
  }
  const std::string prefix = refusal.empty() ? "" : refusal + "; ";
  for (const std::string& path : gamePaths)
    if (LooksLikeSoundFont(path)) return {path, prefix + "music plays with the sound font " + path};
  std::string looked;
  for (const std::string& path : gamePaths) looked += (looked.empty() ? "" : ", ") + path;
  return {"", prefix + "the TimGM6mb sound font is not installed (looked for " + looked +
                  "); music plays with whatever font the mixer finds, if any"};
}

}  // namespace vt
