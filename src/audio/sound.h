// Sound effects by name, and the music device commands.
//
// An effect's name picks its wave file in the program's folder and whether the
// caller waits for it to end. Music is one MIDI track at a time on the device
// alias BGmusic; a location's track is looped by the game screen's music
// timer, not by the device.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "world/world_state.h"

namespace vt {

struct EffectEntry {
  std::string_view name;
  std::string_view file;  // empty: a silent effect
  WaveMode mode;
};

// The entry for a name (exact, case-sensitive); unknown names are silent.
EffectEntry FindEffect(std::string_view name);

// Plays an effect, honouring the sound and Morse tone settings.
void PlaySound(Platform& platform, const WorldState& world, const std::string& folder,
               std::string_view name);

// Opens track n (1 to 15, "Vask01.dat" ...) on BGmusic and plays it. Does not
// close a device already open.
void PlayMusic(Platform& platform, const std::string& folder, int track);
// Stops the music and closes the device.
void CloseMusic(Platform& platform);
// Plays what the device holds (again).
void ResumeMusic(Platform& platform);

}  // namespace vt
