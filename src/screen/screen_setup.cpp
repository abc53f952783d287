// Building a screen from its district file, starting a new game, naming the
// place and choosing its music.
#include "audio/sound.h"
#include "dialogue/talk.h"
#include "interaction/interaction.h"
#include "interaction/tile_classes.h"
#include "screen/compositing.h"
#include "screen/district_file.h"
#include "screen/game_form.h"
#include "screen/places.h"
#include "shell/game.h"
#include "shell/menu.h"

namespace vt {
namespace {

constexpr int kTile = 30;

// Cell (row, col) of a screen, counted from 1, has its corner here in GameBox.
int CellX(int col) { return kTile * col - 45; }
int CellY(int row) { return kTile * row - 45; }

// A changed cell shows its open form once; anything else that changed is gone.
std::int16_t ChangedForm(std::int16_t code) {
  const int open = OpenForm(code);
  return open >= 0 ? static_cast<std::int16_t>(open) : kNoTile;
}

}  // namespace

void GameForm::DrawHero(std::string_view frame) {
  const WorldState& w = game_.world;
  vt::DrawHero(game_.surfaces, w.HeroX, w.HeroY, w.HeroFacing, frame);
}

void GameForm::SetScreen() {
  WorldState& w = game_.world;
  GameSurfaces& s = game_.surfaces;
  w.MusicRestart = true;
  const DistrictScreenResult read =
      ReadDistrictScreen(game_.Path(DistrictFileName(w.District)), w.ScreenRow, w.ScreenCol);
  for (const auto& problem : read.problems) game_.ReportOnce(problem);
  ApplyDistrictLists(w, read.lists);
  ApplyDistrictScreen(w, read.screen);

  s.GameBox.Clear(kBlack);
  for (int row = 1; row <= 12; ++row)
    for (int col = 1; col <= 20; ++col)
      if (const int t = w.BackTiles[row][col]; t != kNoTile)
        Copy(s.GameBox, CellX(col), CellY(row), s.PClip2, kTile * t, 0, kTile, kTile);
  const bool cells = InCellRange(w.District, w.ScreenRow, w.ScreenCol);
  for (int row = 1; row <= 12; ++row) {
    for (int col = 1; col <= 20; ++col) {
      std::int16_t& f = w.FrontTiles[row][col];
      if (cells && w.CellChanged[w.District][w.ScreenRow][w.ScreenCol][row][col])
        f = ChangedForm(f);
      if (f == kNoTile) continue;
      s.ClippedObject.Clear(kKeyColor);
      Copy(s.ClippedObject, 0, 0, s.PclipObjects, kTile * f, 0, kTile, kTile);
      TransparentBlt(s.GameBox, s.GameBox, s.ClippedObject, kTile, kTile, CellX(col), CellY(row));
    }
  }
  s.BG = s.GameBox;
  DrawHero("Stand");
  UpdateLocation();
  if (w.DestructPending && w.ScreenCol == 2) {
    game_.PlaySound("Destruct");
    w.DestructPending = false;
  }
  w.WalkDir = 0;
  w.MouseLeg = 0;
}

void GameForm::StartNewGame(std::string_view mode) {
  WorldState& w = game_.world;
  game_.platform.SendMusicCommand(std::string(kCloseMusic));
  game_.LoadPicture(game_.surfaces.SourceBMP, "Morvane01.dat");
  const DistrictListsResult lists = ReadDistrictLists(game_.Path(DistrictFileName(w.District)));
  for (const auto& problem : lists.problems) game_.ReportOnce(problem);
  ApplyDistrictLists(w, lists.lists);
  // Every changed cell forgotten, the bar emptied, the hero standing, no music yet.
  ApplyGameResetValues(w);
  // The bar: the frame parked beside place 1 and hidden, the places empty.
  InvSelect->Bounds.x = ObjectImage[1].Bounds.x - 2;
  InvSelect->Visible = false;
  for (int place = 1; place <= 6; ++place) {
    ObjectImage[place].Picture.Clear(kBlack);
    ObjectImage[place].Visible = false;
  }
  Timer1->SetInterval(1);
  MusicTimer->SetInterval(1000);
  if (mode == "NEW") {
    ApplyNewGameValues(w);
    SetScreen();
    InvLabel->Caption = "The Inventory is empty";
    HideGameMenu(game_);
    ShowTalkForm(game_);
  }
  w.DestructPending = false;
}

void GameForm::UpdateLocation() {
  WorldState& w = game_.world;
  w.TrackPlaying = false;
  const double elapsed = game_.platform.SecondsSinceMidnight() - w.TrackStartTime;
  if (elapsed < -450) w.TrackLength = 0;  // the clock passed midnight
  if (elapsed < w.TrackLength && !w.MusicRestart) return;
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
  if (w.MusicOn) game_.platform.SendMusicCommand(std::string(kPlayMusic));
  if (w.MusicSeconds >= w.TrackLength) w.MusicSeconds = 0;
}

void GameForm::PlayTrack(int track, int seconds) {
  WorldState& w = game_.world;
  w.TrackPlaying = true;
  // A screen change within the same music keeps the track playing.
  if (track == w.MusicTrack && w.MusicRestart) return;
  if (!w.MusicOn) return;
  game_.platform.SendMusicCommand(std::string(kCloseMusic));
  PlayMusic(game_.platform, game_.folder, track);
  w.MusicTrack = static_cast<std::uint8_t>(track);
  w.TrackLength = static_cast<std::int16_t>(seconds);
  w.TrackStartTime = game_.platform.SecondsSinceMidnight();
}

void GameForm::MusicTimer_Timer() {
  game_.world.MusicSeconds = static_cast<std::int16_t>(game_.world.MusicSeconds + 1);
  UpdateLocation();
}

}  // namespace vt
