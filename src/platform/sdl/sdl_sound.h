// Music (one MIDI track under the alias BGmusic) and the one-at-a-time wave
// player, on SDL2_mixer. The audio device opens on first use; without one,
// every call does nothing.
//
// Opening a track makes the synthesiser read the whole sound font, which takes
// from tens of milliseconds (the game's own font) to half a second (a large
// one). So tracks load on a thread of their own: "open" and "close" return at
// once, and a "play" that arrives while its track still loads starts it as soon
// as the load is done. Update() hands finished loads over; the platform calls
// it from its event loop.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vt {

class SdlSound {
 public:
  SdlSound();
  // With the places the game's sound font is looked for, instead of the usual ones.
  explicit SdlSound(std::vector<std::string> soundFontPaths);
  ~SdlSound();
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // Opens the audio device if need be; false when there is none.
  bool Ready();
  void SendMusic(const MusicCommand& command);
  void PlayWave(const std::string& path, WaveMode mode);
  // Starts a track whose load has finished, if it was asked to play. Cheap.
  void Update();
  // True while a track is being loaded.
  bool MusicLoading() const;
  // True while a wave sounds (for tests and waits).
  bool WavePlaying();
  // True while the music plays (after handing over a finished load).
  bool MusicPlaying();
  // The sound font the game chose, and the one the mixer will actually use
  // (they differ only when no font was found); empty before the device opens.
  std::string SoundFont() const;
  std::string MixerSoundFont() const;

 private:
  struct Device;
  bool Open();
  std::unique_ptr<Device> device_;
  bool failed_ = false;  // opening the device failed once: stay silent
  std::optional<std::vector<std::string>> fontPaths_;
};

}  // namespace vt
