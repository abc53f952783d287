// The place the hero is in: its caption in the game bar and its music, looped
// by the music timer.
#include "audio/sound.h"
#include "core/game.h"
#include "data/places.h"
#include "screen/game_form.h"

namespace vt {

void GameForm::UpdateLocation() {
  WorldState& w = game_.world;
  w.TrackPlaying = false;
  const double elapsed = game_.platform.SecondsSinceMidnight() - w.TrackStartTime;
  // After a change of clock day the track counts as ended, whatever the elapsed time says.
  const bool newDay = elapsed < -450;
  if (newDay) w.TrackLength = 0;
  if (!newDay && elapsed < w.TrackLength && !w.MusicRestart) return;
  if (const auto name = DistrictName(w.District); !name.empty()) Zone->Caption = std::string(name);
  for (const PlaceMusic& place : PlacesAt(w.District, w.ScreenRow, w.ScreenCol)) {
    if (!place.caption.empty()) Location->Caption = std::string(place.caption);
    PlayTrack(place.track, place.seconds);
  }
  if (!w.TrackPlaying) {
    const PlaceMusic street = StreetMusic(w.District);
    Location->Caption = std::string(street.caption);
    if (street.track != 0) PlayTrack(street.track, street.seconds);
  }
  w.MusicRestart = false;
  if (w.MusicOn) ResumeMusic(game_.platform);
  if (w.MusicSeconds >= w.TrackLength) w.MusicSeconds = 0;
}

void GameForm::PlayTrack(int track, int seconds) {
  WorldState& w = game_.world;
  w.TrackPlaying = true;
  // A screen change within the same music keeps the track playing.
  if (track == w.MusicTrack && w.MusicRestart) return;
  if (!w.MusicOn) return;
  CloseMusic(game_.platform);
  PlayMusic(game_.platform, game_.folder, track);
  w.MusicTrack = static_cast<std::uint8_t>(track);
  w.TrackLength = static_cast<std::int16_t>(seconds);
  w.TrackStartTime = game_.platform.SecondsSinceMidnight();
}

void GameForm::SetMusicTimer(bool on) {
  if (!on) {
    MusicTimer->SetInterval(0);
    return;
  }
  MusicTimer->SetInterval(1000);
  game_.world.MusicSeconds = 0;
  game_.world.TrackLength = 0;
}

void GameForm::MusicTimer_Timer() {
  game_.world.MusicSeconds = static_cast<std::int16_t>(game_.world.MusicSeconds + 1);
  UpdateLocation();
}

}  // namespace vt
