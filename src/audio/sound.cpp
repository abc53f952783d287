// The effect table and the music device commands.
#include "audio/sound.h"

#include <array>
#include <cstdio>

#include "platform/files.h"

namespace vt {
namespace {

constexpr WaveMode kAsync = WaveMode::Async;
constexpr WaveMode kWait = WaveMode::Wait;
constexpr WaveMode kLoop = WaveMode::Loop;

constexpr std::array<EffectEntry, 33> kEffects = {{
    {"Dah", "Comm01.dat", kWait},
    {"Dit", "Comm02.dat", kWait},
    {"Blip1", "Comm03.dat", kAsync},
    {"Blip2", "Comm00.dat", kAsync},
    {"Blip2Sync", "Comm00.dat", kWait},
    {"OpenLib", "Comm05.dat", kAsync},
    {"Switch", "Comm06.dat", kWait},
    {"DoorOpen", "Comm07.dat", kAsync},
    {"DoorOpenDist", "Comm08.dat", kAsync},
    {"GiveObject", "Comm09.dat", kAsync},
    {"GetObject", "Comm10.dat", kAsync},
    {"OpenLock", "", kAsync},
    {"MenuMove", "Comm11.dat", kAsync},
    {"MenuSelect", "Comm12.dat", kAsync},
    {"JumpToCar", "Comm13.dat", kAsync},
    {"StartEngine", "Comm14.dat", kWait},
    {"SlamDoor", "Comm15.dat", kAsync},
    {"BackEngine", "Comm16.dat", kLoop},
    {"Presents", "Comm17.dat", kAsync},
    {"BackIntro", "Comm18.dat", kAsync},
    {"PhoneRing", "Comm19.dat", kWait},
    {"Clap", "Comm24.dat", kAsync},
    {"Doh!", "Comm25.dat", kAsync},
    {"Drums", "Comm26.dat", kWait},
    {"TaxiStart", "Comm27.dat", kAsync},
    {"Ahh", "Comm28.dat", kWait},
    {"SirenBombing", "Comm29.dat", kAsync},
    {"TakeOff", "Comm30.dat", kAsync},
    {"TickTick", "Comm31.dat", kAsync},
    {"Revolution", "Comm32.dat", kAsync},
    {"Destruct", "Comm33.dat", kAsync},
    {"Drive", "Comm34.dat", kWait},
    {"", "", kAsync},  // sentinel: every other name is silent
}};

}  // namespace

EffectEntry FindEffect(std::string_view name) {
  for (const auto& e : kEffects)
    if (!e.name.empty() && e.name == name) return e;
  return {name, "", kAsync};
}

void PlaySound(Platform& platform, const WorldState& world, const std::string& folder,
               std::string_view name) {
  if (!world.SoundOn) return;
  if ((name == "Dah" || name == "Dit") && !world.MorseSoundOn) return;
  const EffectEntry e = FindEffect(name);
  if (e.file.empty()) return;
  platform.PlayWave(std::string(name), DataPath(folder, e.file), e.mode);
}

void PlayMusic(Platform& platform, const std::string& folder, int track) {
  // Outside 1 to 15 the path is empty, the open fails and only the play is heard of.
  std::string path;
  if (track >= 1 && track <= 15) {
    char name[16];
    std::snprintf(name, sizeof name, "Vask%02d.dat", track);
    path = DataPath(folder, name);
  }
  platform.SendMusic({MusicCommand::Kind::Open, path});
  ResumeMusic(platform);
}

void CloseMusic(Platform& platform) { platform.SendMusic({MusicCommand::Kind::Close, {}}); }

void ResumeMusic(Platform& platform) { platform.SendMusic({MusicCommand::Kind::Play, {}}); }

}  // namespace vt
