// The game screen's off-screen surfaces, the colour-keyed copy and the hero drawing.
// The screen picture is composed into BG once per screen change; each walking step
// only rebuilds a 70 × 70 patch around the hero from BG and copies it to GameBox.
#pragma once

#include "platform/keyed_runs.h"
#include "platform/surface.h"
#include "world/vocabulary.h"
#include "world/world_state.h"

namespace vt {

// Draws the width × height image at (0, 0) of `source` to (x, y) of `destination`,
// showing `background`'s block at (x, y) wherever the source has `key`. Background and
// destination may be the same surface. Pixels outside the destination or the source are
// not drawn; a keyed pixel whose background lies outside `background` is left alone.
void TransparentBlt(Surface& destination, const Surface& background, const Surface& source,
                    int width, int height, int x, int y, Color key = kKeyColor);

// The hero's frame on the sprite sheet: the sideways set for Left and Right, the
// up-and-down set for Up and Down.
Rect HeroFrame(HeroPose pose, Facing facing);

// The surfaces the game screen draws with, under the names the rest of the game uses.
struct GameSurfaces {
  static constexpr int kPlayWidth = 570;
  static constexpr int kPlayHeight = 330;
  static constexpr int kTile = 30;
  static constexpr int kPatch = 70;

  GameSurfaces() { Init(); }
  // Gives the fixed-size surfaces their sizes; pictures and per-use scratch stay empty.
  void Init();
  // Frees the three picture-file surfaces (the tile strips and the sprite sheet).
  void ReleaseLarge();

  Surface GameBox;         // the visible play area
  Surface BG;              // the composed screen without the hero
  Surface PClip2;          // background tile strip
  Surface PclipObjects;    // foreground tile strip
  Surface ClippedObject;   // one foreground tile
  Surface SourceBMP;       // hero sprite sheet
  Surface Clipped;         // one hero frame on the key colour, resized per frame
  Surface TempBG;          // the patch around the hero
  Surface TempTextures;    // sized by whoever uses it
  Surface ClippedObject2;  // one foreground tile
  // The foreground strip's tiles prepared for keyed drawing; made again whenever
  // PclipObjects is loaded (PrepareObjects).
  KeyedRuns ObjectRuns;

  void PrepareObjects() { ObjectRuns = KeyedRuns(PclipObjects, kTile, kTile); }
};

// Redraws the hero at (HeroX, HeroY) of GameBox, facing HeroFacing, in the given pose,
// from a clean patch of BG reaching 20 pixels beyond him on every side, so the previous
// drawing is erased as long as he moved at most 20 pixels. The caller repaints GameBox.
void DrawHero(GameSurfaces& s, const WorldState& world, HeroPose pose);

}  // namespace vt
