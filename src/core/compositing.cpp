// The colour-keyed copy, the hero's frame table and the hero drawing.
#include "core/compositing.h"

#include <algorithm>
#include <array>

namespace vt {

namespace {

// The sprite sheet holds a sideways set and an up-and-down set of the same poses.
// The walk cycle has six steps but only four distinct pictures plus the stand.
struct HeroFrameRow {
  Rect sideways;
  Rect upDown;
};

// In the order of HeroPose.
constexpr std::array<HeroFrameRow, 9> kHeroFrames = {{
    {{0, 0, 19, 31}, {67, 0, 31, 18}},     // Stand
    {{20, 0, 23, 31}, {67, 20, 31, 22}},   // Walk1
    {{8, 31, 20, 31}, {98, 8, 31, 19}},    // Walk2
    {{34, 31, 20, 31}, {98, 33, 31, 20}},  // Walk3
    {{43, 0, 23, 31}, {67, 42, 31, 23}},   // Walk4
    {{34, 31, 20, 31}, {98, 33, 31, 20}},  // Walk5, as Walk3
    {{8, 31, 20, 31}, {98, 8, 31, 19}},    // Walk6, as Walk2
    {{0, 63, 21, 30}, {67, 67, 30, 21}},   // Use1
    {{22, 63, 26, 30}, {98, 67, 30, 26}},  // Use2
}};

// How each facing takes its frame off the sheet. The sheet's pictures face right and
// down; the other two are turned over. All but Right read one column further left,
// which is how the sheet was laid out to be read.
struct FacingRow {
  int shiftX;
  Mirror mirror;
};

constexpr FacingRow HowFacing(Facing facing) {
  switch (facing) {
    case Facing::Right:
      return {0, Mirror::None};
    case Facing::Left:
      return {-1, Mirror::LeftRight};
    case Facing::Down:
      return {-1, Mirror::None};
    case Facing::Up:
      return {-1, Mirror::TopBottom};
  }
  return {0, Mirror::None};
}

// The hero stands 20 pixels inside his patch on every side.
constexpr int kMargin = 20;

// Clipped is sized in twips (16 per frame pixel at 15 twips per pixel), so it comes out a
// little larger than the frame; only the frame's own area is ever drawn from.
constexpr int TwipSizedPixels(int pixels) { return (16 * pixels + 14) / 15; }

void KeyedRows(Surface& destination, const Surface& background, const Surface& source, int w, int h,
               int x, int y, Color key) {
  if (&background == &destination) {
    // The usual case: the background is the destination itself, a plain keyed copy.
    CopyKeyed(destination, x, y, source, 0, 0, w, h, key);
    return;
  }
  const int col0 = std::max(0, -x);
  const int row0 = std::max(0, -y);
  const int col1 = std::min(w, destination.Width() - x);
  const int row1 = std::min(h, destination.Height() - y);
  for (int row = row0; row < row1; ++row) {
    const Color* in = source.Row(row);
    Color* out = destination.Row(y + row);
    for (int col = col0; col < col1; ++col) {
      if ((in[col] & kRgbMask) != key)
        out[x + col] = in[col];
      else if (background.Inside(x + col, y + row))
        out[x + col] = background.At(x + col, y + row);
    }
  }
}

}  // namespace

void TransparentBlt(Surface& destination, const Surface& background, const Surface& source,
                    int width, int height, int x, int y, Color key) {
  const int w = std::min(width, source.Width());
  const int h = std::min(height, source.Height());
  if (w <= 0 || h <= 0) return;
  if (&source == &destination) {
    // Drawing a surface onto itself would read pixels already overwritten.
    Surface copy(w, h);
    Copy(copy, 0, 0, source, 0, 0, w, h);
    KeyedRows(destination, background, copy, w, h, x, y, key & kRgbMask);
    return;
  }
  KeyedRows(destination, background, source, w, h, x, y, key & kRgbMask);
}

Rect HeroFrame(HeroPose pose, Facing facing) {
  const HeroFrameRow& row = kHeroFrames[static_cast<std::size_t>(pose)];
  return Sideways(facing) ? row.sideways : row.upDown;
}

void GameSurfaces::Init() {
  GameBox.Resize(kPlayWidth, kPlayHeight, kBlack);
  BG.Resize(kPlayWidth, kPlayHeight, kBlack);
  ClippedObject.Resize(kTile, kTile);
  ClippedObject2.Resize(kTile, kTile);
  TempBG.Resize(kPatch, kPatch);
}

void GameSurfaces::ReleaseLarge() {
  SourceBMP.Release();
  PClip2.Release();
  PclipObjects.Release();
  ObjectRuns = KeyedRuns();
}

void DrawHero(GameSurfaces& s, const WorldState& world, HeroPose pose) {
  constexpr int kPatch = GameSurfaces::kPatch;
  const Rect r = HeroFrame(pose, world.HeroFacing);
  const int patchX = world.HeroX - kMargin;
  const int patchY = world.HeroY - kMargin;
  Copy(s.TempBG, 0, 0, s.BG, patchX, patchY, kPatch, kPatch);
  s.Clipped.Resize(TwipSizedPixels(r.w), TwipSizedPixels(r.h), kKeyColor);
  const FacingRow how = HowFacing(world.HeroFacing);
  CopyMirrored(s.Clipped, 0, 0, s.SourceBMP, r.x + how.shiftX, r.y, r.w, r.h, how.mirror);
  TransparentBlt(s.TempBG, s.TempBG, s.Clipped, r.w, r.h, kMargin, kMargin);
  Copy(s.GameBox, patchX, patchY, s.TempBG, 0, 0, kPatch, kPatch);
}

}  // namespace vt
