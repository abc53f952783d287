// SDL2_mixer behind the music commands and the wave player.
#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/sdl/sdl_input.h"

namespace vt {
namespace {

struct MusicFreer {
  void operator()(Mix_Music* m) const { Mix_FreeMusic(m); }
};
struct ChunkFreer {
  void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }
};
using MusicPtr = std::unique_ptr<Mix_Music, MusicFreer>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFreer>;

// Waves share one channel: a new one cuts off the old, as the simple
// Windows wave player does.
constexpr int kWaveChannel = 0;

}  // namespace

struct SdlSound::Device {
  MusicPtr music;
  std::map<std::string, ChunkPtr> chunks;

  ~Device() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    chunks.clear();
    music.reset();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  Mix_Chunk* Chunk(const std::string& path) {
    auto it = chunks.find(path);
    if (it != chunks.end()) return it->second.get();
    ChunkPtr chunk(Mix_LoadWAV(path.c_str()));
    if (!chunk) return nullptr;  // missing or unreadable: try again next time
    return chunks.emplace(path, std::move(chunk)).first->second.get();
  }
};

SdlSound::SdlSound() = default;
SdlSound::~SdlSound() = default;

bool SdlSound::Open() {
  if (device_) return true;
  if (failed_) return false;
  failed_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "veltrane: no audio (%s); playing silently\n", SDL_GetError());
    return false;
  }
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    std::fprintf(stderr, "veltrane: no audio (%s); playing silently\n", Mix_GetError());
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  device_ = std::make_unique<Device>();
  failed_ = false;
  return true;
}

bool SdlSound::Ready() { return Open(); }

void SdlSound::SendMusicCommand(const std::string& command) {
  const std::optional<MusicCommand> parsed = ParseMusicCommand(command);
  if (!parsed || !Open()) return;
  switch (parsed->kind) {
    case MusicCommand::Kind::Close:
      Mix_HaltMusic();
      device_->music.reset();
      break;
    case MusicCommand::Kind::Open:
      Mix_HaltMusic();
      device_->music.reset(Mix_LoadMUS(parsed->path.c_str()));
      break;
    case MusicCommand::Kind::Play:
      if (device_->music) Mix_PlayMusic(device_->music.get(), 1);
      break;
  }
}

void SdlSound::PlayWave(const std::string& path, WaveMode mode) {
  if (!Open()) return;
  Mix_Chunk* chunk = device_->Chunk(path);
  if (!chunk) return;
  if (mode == WaveMode::Loop) {
    // A looping sound waits its turn: it does not cut off what is playing.
    if (Mix_Playing(kWaveChannel)) return;
    Mix_PlayChannel(kWaveChannel, chunk, -1);
    return;
  }
  Mix_HaltChannel(kWaveChannel);
  if (Mix_PlayChannel(kWaveChannel, chunk, 0) < 0) return;
  if (mode == WaveMode::Wait) {
    // However the device behaves, the wait ends a little after the sound would.
    int freq = 44100, channels = 2;
    Uint16 format = MIX_DEFAULT_FORMAT;
    Mix_QuerySpec(&freq, &format, &channels);
    const Uint64 bytesPerSecond =
        static_cast<Uint64>(freq) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    const Uint64 limit =
        SDL_GetTicks64() + 2000 + chunk->alen * 1000ull / std::max<Uint64>(1, bytesPerSecond);
    while (Mix_Playing(kWaveChannel) && SDL_GetTicks64() < limit) {
      SDL_PumpEvents();  // keeps the window alive; the input stays queued
      SDL_Delay(1);
    }
  }
}

bool SdlSound::WavePlaying() { return device_ && Mix_Playing(kWaveChannel) != 0; }

bool SdlSound::MusicPlaying() { return device_ && Mix_PlayingMusic() != 0; }

}  // namespace vt
