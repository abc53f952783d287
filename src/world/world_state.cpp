// Starting values of a new game and of a run.
#include "world/world_state.h"

namespace vt {
namespace {

// Where a new game finds the spice seller: her stall cell counts as changed (drawn empty)
// until the first briefing is received and names her.
constexpr int kSellerDistrict = 1;
constexpr int kSellerScreenRow = 5;
constexpr int kSellerScreenCol = 2;
constexpr int kSellerTileRow = 8;
constexpr int kSellerTileCol = 18;

// Inventory places on the bar; only these are emptied.
constexpr int kInventoryPlaces = 6;

void ClearCells(CellFlags& cells) {
  for (auto& district : cells) {
    for (auto& screenRow : district) {
      for (auto& screen : screenRow) {
        for (auto& tileRow : screen) {
          tileRow.fill(false);
        }
      }
    }
  }
}

}  // namespace

void ApplyGameResetValues(WorldState& w) {
  ClearCells(w.CellChanged);

  w.InvCount = 0;
  w.InvFirst = 1;
  for (int slot = 1; slot <= kInventoryPlaces; ++slot) {
    w.Inventory[slot] = 0;
  }

  w.WalkFrame = 1;
  w.StandShown = true;
  w.WalkDir = 0;

  w.MusicTrack = 0;
  w.MusicSeconds = 0;
  w.TrackLength = 0;

  w.DestructPending = false;
}

void ApplyNewGameValues(WorldState& w) {
  ApplyGameResetValues(w);

  w.InvScrollFwd = false;
  w.InvScrollBack = false;

  w.District = 1;
  w.ScreenRow = 1;
  w.ScreenCol = 3;
  w.HeroX = 305;
  w.HeroY = 80;
  w.HeroFacing = Facing::Up;

  for (int k = 1; k <= 10; ++k) {
    w.Transmissions[k] = false;
  }
  for (int d = 1; d <= 7; ++d) {
    w.DistrictOpen[d] = d <= 3;
  }
  w.CellChanged[kSellerDistrict][kSellerScreenRow][kSellerScreenCol][kSellerTileRow]
               [kSellerTileCol] = true;
  w.StoryFlags.fill(0);

  w.TransNumber = 136;  // so the briefing arrives as number 137
  w.IncomingText = std::string(kFirstBriefing);

  w.TalkScene = 242;  // the opening briefing conversation
  w.TalkFlag = true;
}

void ApplyStartupSettings(WorldState& w) {
  w.SoundOn = true;
  w.MusicOn = true;
  w.MorseSoundOn = true;
  w.MouseWalkOn = true;
}

}  // namespace vt
