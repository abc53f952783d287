// SDL2_mixer behind the music commands and the wave player.
#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

#include "platform/sdl/sdl_input.h"
#include "platform/wave_file.h"

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
constexpr int kBufferFrames = 1024;

}  // namespace

struct SdlSound::Device {
  struct Effect {
    ChunkPtr chunk;  // null for a file that cannot play
    std::uint64_t waitUs = 0;
  };
  MusicPtr music;
  std::map<std::string, Effect> effects;
  std::uint64_t bufferUs = 0;  // how much sound the device takes at a time

  ~Device() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    effects.clear();
    music.reset();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  // Each file is read and checked once, as the headless backend does, and the
  // mixer decodes exactly the checked sound.
  const Effect& EffectOf(const std::string& path) {
    auto it = effects.find(path);
    if (it != effects.end()) return it->second;
    Effect effect;
    const WaveRead read = ReadWave(path);
    std::string problem = read.problem;
    if (read.sound) {
      const std::vector<std::uint8_t> wave = read.sound->ToWaveFile();
      effect.chunk.reset(
          Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1));
      effect.waitUs = read.sound->WaitUs();
      if (!effect.chunk) problem = std::string("the mixer cannot play it (") + Mix_GetError() + ")";
    }
    if (!effect.chunk) std::fprintf(stderr, "%s\n", EffectProblemLine(path, problem).c_str());
    return effects.emplace(path, std::move(effect)).first->second;
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
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
    std::fprintf(stderr, "veltrane: no audio (%s); playing silently\n", Mix_GetError());
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  device_ = std::make_unique<Device>();
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) != 0 && rate > 0)
    device_->bufferUs = kBufferFrames * 1'000'000ull / static_cast<unsigned>(rate);
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
  const Device::Effect& effect = device_->EffectOf(path);
  if (!effect.chunk) return;
  if (mode == WaveMode::Loop) {
    // A looping sound waits its turn: it does not cut off what is playing.
    if (Mix_Playing(kWaveChannel)) return;
    Mix_PlayChannel(kWaveChannel, effect.chunk.get(), -1);
    return;
  }
  Mix_HaltChannel(kWaveChannel);
  if (Mix_PlayChannel(kWaveChannel, effect.chunk.get(), 0) < 0) return;
  if (mode == WaveMode::Wait) {
    // As long as the sound lasts and no longer, and never beyond the cap (the
    // headless backend lets exactly that time pass), plus the one buffer the
    // device may take to start it: cut short, a Morse tone would lose its tail.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end =
        Clock::now() + std::chrono::microseconds(effect.waitUs + device_->bufferUs);
    for (Clock::time_point now = Clock::now(); Mix_Playing(kWaveChannel) && now < end;
         now = Clock::now()) {
      SDL_PumpEvents();  // keeps the window alive; the input stays queued
      std::this_thread::sleep_for(
          std::min<Clock::duration>(end - now, std::chrono::milliseconds(1)));
    }
  }
}

bool SdlSound::WavePlaying() { return device_ && Mix_Playing(kWaveChannel) != 0; }

bool SdlSound::MusicPlaying() { return device_ && Mix_PlayingMusic() != 0; }

}  // namespace vt
