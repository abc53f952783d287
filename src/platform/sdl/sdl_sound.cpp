// SDL2_mixer behind the music commands and the wave player.
#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "platform/files.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sound_font.h"
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

// Loads and frees tracks in the order asked, off the main thread. Only loading
// and freeing happen here; starting and stopping stay on the main thread, so a
// track is never freed while it plays.
class MusicLoader {
 public:
  struct Loaded {
    std::uint64_t ticket = 0;
    std::string path;
    MusicPtr music;     // null when the track could not be opened
    std::string error;  // then the mixer's reason
  };

  MusicLoader() : thread_([this] { Run(); }) {}
  ~MusicLoader() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  MusicLoader(const MusicLoader&) = delete;
  MusicLoader& operator=(const MusicLoader&) = delete;

  // Loads `path`; a later Load makes it stale, so it is skipped if not begun.
  void Load(const std::string& path, std::uint64_t ticket) { Post({ticket, path, nullptr}); }
  // Frees a track that no longer plays.
  void Free(MusicPtr music) {
    if (music) Post({0, {}, std::move(music)});
  }
  std::optional<Loaded> Take() {
    std::lock_guard lock(mutex_);
    if (done_.empty()) return std::nullopt;
    Loaded loaded = std::move(done_.front());
    done_.pop_front();
    return loaded;
  }

 private:
  struct Job {
    std::uint64_t ticket;
    std::string path;
    MusicPtr toFree;
  };

  void Post(Job job) {
    {
      std::lock_guard lock(mutex_);
      if (job.ticket != 0) latest_ = job.ticket;
      jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
  }

  void Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
      if (jobs_.empty()) return;  // stopping, nothing left to free
      Job job = std::move(jobs_.front());
      jobs_.pop_front();
      // Loads not begun are dropped when stopping or when a newer one waits.
      if (job.ticket != 0 && (stop_ || job.ticket != latest_)) continue;
      lock.unlock();
      Loaded loaded;
      if (job.ticket == 0) {
        job.toFree.reset();
      } else {
        loaded.ticket = job.ticket;
        loaded.path = job.path;
        loaded.music.reset(Mix_LoadMUS(job.path.c_str()));
        if (!loaded.music) loaded.error = Mix_GetError();
      }
      lock.lock();
      if (job.ticket != 0) done_.push_back(std::move(loaded));
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> jobs_;
  std::deque<Loaded> done_;
  std::uint64_t latest_ = 0;
  bool stop_ = false;
  std::thread thread_;  // last: starts once everything above exists
};

}  // namespace

struct SdlSound::Device {
  struct Effect {
    ChunkPtr chunk;  // null for a file that cannot play
    std::uint64_t waitUs = 0;
  };
  std::map<std::string, Effect> effects;
  std::string soundFont;
  bool musicSilent = false;    // no sound font anywhere: music commands do nothing
  std::uint64_t bufferUs = 0;  // how much sound the device takes at a time

  // The music: the track ready to play, and the load under way, if any.
  MusicPtr music;
  std::uint64_t ticket = 0;
  bool loading = false;
  bool playWhenLoaded = false;
  std::set<std::string> reportedTracks;
  std::unique_ptr<MusicLoader> loader = std::make_unique<MusicLoader>();

  ~Device() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    loader.reset();  // finishes the load under way, frees what it was given
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

  // Stops the track and lets it go; a load under way will be dropped.
  void Close() {
    Mix_HaltMusic();
    loader->Free(std::move(music));
    ++ticket;
    loading = false;
    playWhenLoaded = false;
  }

  void Update() {
    while (std::optional<MusicLoader::Loaded> done = loader->Take()) {
      if (!loading || done->ticket != ticket) {
        loader->Free(std::move(done->music));  // closed or replaced meanwhile
        continue;
      }
      loading = false;
      if (!done->music) {
        if (reportedTracks.insert(done->path).second)
          std::fprintf(stderr, "Veltrane: cannot play the music %s: %s\n", done->path.c_str(),
                       done->error.c_str());
        continue;
      }
      music = std::move(done->music);
      if (playWhenLoaded) Mix_PlayMusic(music.get(), 1);
      playWhenLoaded = false;
    }
  }
};

SdlSound::SdlSound() = default;
SdlSound::SdlSound(std::vector<std::string> soundFontPaths)
    : fontPaths_(std::move(soundFontPaths)) {}
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
  // Told explicitly: left alone, the mixer takes whatever font the system
  // offers first, which may be ten times the size of the game's own.
  const SoundFontChoice font =
      ChooseSoundFont(std::getenv(kSoundFontVariable),
                      fontPaths_ ? *fontPaths_ : GameSoundFontPaths(ExecutableFolder()));
  // Null puts back the mixer's own default (a font set earlier in the process stays otherwise).
  Mix_SetSoundFonts(font.path.empty() ? nullptr : font.path.c_str());
  // Without a font of the game's, the mixer's own default may still play; with
  // none at all every track would fail, so the music stays silent, said once here.
  const char* mixerFonts = Mix_GetSoundFonts();
  const std::string mixerFont =
      mixerFonts ? std::string(mixerFonts).substr(0, std::string(mixerFonts).find(';')) : "";
  const bool silent = font.path.empty() && !LooksLikeSoundFont(mixerFont);
  std::fprintf(stderr, "Veltrane: %s%s\n", font.line.c_str(),
               silent ? "; there is none, so the music stays silent" : "");
  device_ = std::make_unique<Device>();
  device_->soundFont = font.path;
  device_->musicSilent = silent;
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) != 0 && rate > 0)
    device_->bufferUs = kBufferFrames * 1'000'000ull / static_cast<unsigned>(rate);
  failed_ = false;
  return true;
}

bool SdlSound::Ready() { return Open(); }

void SdlSound::SendMusic(const MusicCommand& command) {
  if (!Open() || device_->musicSilent) return;
  Device& d = *device_;
  d.Update();
  switch (command.kind) {
    case MusicCommand::Kind::Close:
      d.Close();
      break;
    case MusicCommand::Kind::Open:
      d.Close();
      if (command.path.empty()) break;  // opens nothing
      d.loader->Load(command.path, d.ticket);
      d.loading = true;
      break;
    case MusicCommand::Kind::Play:
      if (d.music)
        Mix_PlayMusic(d.music.get(), 1);
      else if (d.loading)
        d.playWhenLoaded = true;
      break;
  }
}

void SdlSound::Update() {
  if (device_) device_->Update();
}

bool SdlSound::MusicLoading() const { return device_ && device_->loading; }

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

bool SdlSound::MusicPlaying() {
  Update();
  return device_ && Mix_PlayingMusic() != 0;
}

std::string SdlSound::SoundFont() const { return device_ ? device_->soundFont : std::string(); }

std::string SdlSound::MixerSoundFont() const {
  const char* fonts = device_ ? Mix_GetSoundFonts() : nullptr;
  return fonts ? fonts : "";
}

}  // namespace vt
