// Passage and door animations.
#include "interaction/animations.h"

#include "core/game.h"

namespace vt {
namespace {

constexpr int kTile = 30;

// Every copy and line goes to both GameBox and BG, so walking past later
// does not rub the opening out.
template <class Draw>
void OnBoth(Game& game, Draw draw) {
  draw(game.surfaces.GameBox);
  draw(game.surfaces.BG);
}

void Frame(Game& game, int pauseMs) { game.ui.Sleep(pauseMs); }

}  // namespace

void AnimateBookcaseClosing(Game& game) {
  const Surface& strip = game.surfaces.PClip2;
  for (int k = 1; k <= 15; ++k) {
    OnBoth(game, [&](Surface& s) {
      DrawLine(s, 465 + k, 45, 465 + k, 70, kBlack);
      DrawLine(s, 494 - k, 45, 494 - k, 70, kBlack);
      Copy(s, 465, 45, strip, 960, 0, k, kTile);
      Copy(s, 495 - k, 45, strip, 990 - k, 0, k, kTile);
    });
    Frame(game, 50);
  }
}

void AnimateBookcaseOpening(Game& game) {
  const Surface& strip = game.surfaces.PClip2;
  for (int k = 1; k <= 14; ++k) {
    OnBoth(game, [&](Surface& s) {
      Copy(s, 480 - k, 45, strip, 705 - k, 0, 2 * k, kTile);
      DrawLine(s, 480 - k, 45, 480 - k, 70, kBlack);
      DrawLine(s, 480 + k, 45, 480 + k, 70, kBlack);
    });
    Frame(game, 50);
  }
}

void AnimateWallOpening(Game& game) {
  const Surface& strip = game.surfaces.PClip2;
  for (int k = 1; k <= 14; ++k) {
    OnBoth(game, [&](Surface& s) {
      Copy(s, 0, 150 - k, strip, 855, 15 - k, 15, 2 * k);
      DrawLine(s, 0, 150 - k, 15, 150 - k, kBlack);
      DrawLine(s, 0, 150 + k, 15, 150 + k, kBlack);
    });
    Frame(game, 50);
  }
}

void AnimateDoor(Game& game, int r, int c, int e, int pauseMs) {
  const WorldState& w = game.world;
  if (r < 1 || r > 12 || c < 1 || c > 20 || e <= 0) return;
  const int code = w.FrontTiles[r][c];
  const bool horizontal =
      (code >= 88 && code <= 91) || code == 104 || code == 105 || code == 108 || code == 109;
  const bool vertical =
      (code >= 92 && code <= 95) || code == 106 || code == 107 || code == 110 || code == 111;
  if (!horizontal && !vertical) return;
  const bool wideMarks = code == 88 || code == 89 || code == 94 || code == 95 || code == 104 ||
                         code == 107 || code == 108 || code == 111;
  const int p1 = wideMarks ? 44 : 22;
  const int p2 = wideMarks ? 38 : 16;
  // Four floor tiles in a row (or column): what shows behind the opening door.
  Surface& floor = game.surfaces.TempTextures;
  const int back = w.BackTiles[r][c];
  floor.Resize(horizontal ? 4 * kTile : kTile, horizontal ? kTile : 4 * kTile);
  for (int i = 0; i < 4; ++i)
    Copy(floor, horizontal ? i * kTile : 0, horizontal ? 0 : i * kTile, game.surfaces.PClip2,
         back * kTile, 0, kTile, kTile);
  const int step = std::max(1, static_cast<int>(e / 7.5));
  for (int k = 1; k <= e; k += step) {
    OnBoth(game, [&](Surface& s) {
      if (horizontal) {
        const int m = kTile * c - 45 + e;
        Copy(s, m - k, kTile * r - 45, floor, e - k, 0, 2 * k, kTile);
        DrawLine(s, m - k, kTile * r - p1, m - k, kTile * r - p2, kBlack);
        DrawLine(s, m - 1 + k, kTile * r - p1, m - 1 + k, kTile * r - p2, kBlack);
      } else {
        const int m = kTile * r - 45 + e;
        Copy(s, kTile * c - 45, m - k, floor, 0, e - k, kTile, 2 * k);
        DrawLine(s, kTile * c - p1, m - k, kTile * c - p2, m - k, kBlack);
        DrawLine(s, kTile * c - p1, m - 1 + k, kTile * c - p2, m - 1 + k, kBlack);
      }
    });
    Frame(game, pauseMs);
  }
}

}  // namespace vt
