// Music (one MIDI track under the alias BGmusic) and the one-at-a-time wave
// player, on SDL2_mixer. The audio device opens on first use; without one,
// every call does nothing.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace vt {

class SdlSound {
 public:
  SdlSound();
  ~SdlSound();
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // Opens the audio device if need be; false when there is none.
  bool Ready();
  void SendMusicCommand(const std::string& command);
  void PlayWave(const std::string& path, WaveMode mode);
  // True while a wave sounds (for tests and waits).
  bool WavePlaying();
  // True while the music plays.
  bool MusicPlaying();

 private:
  struct Device;
  bool Open();
  std::unique_ptr<Device> device_;
  bool failed_ = false;  // opening the device failed once: stay silent
};

}  // namespace vt
