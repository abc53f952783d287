// Building a screen from its district file: the tiles, the changed cells, the
// clean copy BG and the hero; then the place's caption and music.
#include "core/game.h"
#include "core/startup.h"
#include "data/district_file.h"
#include "data/tile_classes.h"
#include "screen/game_form.h"

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

void GameForm::SetScreen() {
  WorldState& w = game_.world;
  GameSurfaces& s = game_.surfaces;
  w.MusicRestart = true;
  const DistrictScreenResult read =
      ReadDistrictScreen(game_.Path(DistrictFileName(w.District)), w.ScreenRow, w.ScreenCol);
  for (const auto& problem : read.problems) game_.ReportOnce(problem);
  // A screen its district file does not have (the file missing, or damaged before it)
  // cannot be walked: there is nothing sensible left to show.
  if (!read.screen.found) CannotGoOn(game_, DistrictFileName(w.District));
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
      if (f != kNoTile) s.ObjectRuns.Draw(s.GameBox, CellX(col), CellY(row), f);
    }
  }
  s.BG = s.GameBox;
  game_.DrawHero(HeroPose::Stand);
  UpdateLocation();
  if (w.DestructPending && w.ScreenCol == 2) {
    game_.PlaySound("Destruct");
    w.DestructPending = false;
  }
  w.WalkDir = 0;
  w.MouseLeg = 0;
}

}  // namespace vt
