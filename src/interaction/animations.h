// The passage and door animations: drawn frame by frame on the play area and,
// identically, on its clean copy BG, with a pause after each frame.
#pragma once

namespace vt {

class Game;

// The bookcase at cell (3, 17) closing: the two halves of tile 32 slide in.
void AnimateBookcaseClosing(Game& game);
// The bookcase at cell (3, 17) opening: a gap widens from its middle.
void AnimateBookcaseOpening(Game& game);
// The wall at cell (6, 1) opening.
void AnimateWallOpening(Game& game);
// A door whose first cell is (row, col) opening over the half-length e; the
// front code of that cell chooses the direction and the edge marks. Codes that
// are no door draw nothing.
void AnimateDoor(Game& game, int row, int col, int e, int pauseMs);

// A door's half-length e by its further cells in use (a column of 0: not used): 15 with
// cell 1 alone, 30, 45 or 60 as cells 2, 3 and 4 follow in turn.
constexpr int DoorHalfLength(int col2, int col3, int col4) {
  if (col2 == 0) return 15;
  if (col3 == 0) return 30;
  if (col4 == 0) return 45;
  return 60;
}

}  // namespace vt
