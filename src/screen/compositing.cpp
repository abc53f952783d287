// The colour-keyed copy, the hero's frame table and the hero drawing.
#include "screen/compositing.h"

#include <algorithm>
#include <array>

namespace vt {

namespace {

constexpr Color kRgbMask = 0x00FFFFFF;

// The sprite sheet holds a sideways set and an up-and-down set of the same poses.
// The walk cycle has six steps but only four distinct pictures plus the stand.
struct HeroFrameRow {
  std::array<std::string_view, 2> names;  // a second name shares the picture
  Rect sideways;
  Rect upDown;
};

constexpr std::array<HeroFrameRow, 7> kHeroFrames = {{
    {{"Stand", ""}, {0, 0, 19, 31}, {67, 0, 31, 18}},
    {{"Walk1", ""}, {20, 0, 23, 31}, {67, 20, 31, 22}},
    {{"Walk2", "Walk6"}, {8, 31, 20, 31}, {98, 8, 31, 19}},
    {{"Walk3", "Walk5"}, {34, 31, 20, 31}, {98, 33, 31, 20}},
    {{"Walk4", ""}, {43, 0, 23, 31}, {67, 42, 31, 23}},
    {{"Use1", ""}, {0, 63, 21, 30}, {67, 67, 30, 21}},
    {{"Use2", ""}, {22, 63, 26, 30}, {98, 67, 30, 26}},
}};

// How each facing takes its frame off the sheet. The sheet's pictures face right and
// down; the other two are turned over. All but "Right" read one column further left,
// which is how the sheet was laid out to be read.
struct FacingRow {
  std::string_view facing;
  bool sideways;
  int shiftX;
  Mirror mirror;
};

constexpr std::array<FacingRow, 4> kFacings = {{
    {"Right", true, 0, Mirror::None},
    {"Left", true, -1, Mirror::LeftRight},
    {"Down", false, -1, Mirror::None},
    {"Up", false, -1, Mirror::TopBottom},
}};

constexpr const FacingRow* FindFacing(std::string_view facing) {
  for (const FacingRow& row : kFacings)
    if (row.facing == facing) return &row;
  return nullptr;
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

Rect HeroFrame(std::string_view frameName, std::string_view facing) {
  const FacingRow* how = FindFacing(facing);
  if (how == nullptr || frameName.empty()) return {};
  for (const HeroFrameRow& row : kHeroFrames)
    if (row.names[0] == frameName || row.names[1] == frameName)
      return how->sideways ? row.sideways : row.upDown;
  return {};
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
}

void DrawHero(GameSurfaces& s, int HeroX, int HeroY, std::string_view HeroFacing,
              std::string_view frame) {
  constexpr int kPatch = GameSurfaces::kPatch;
  const Rect r = HeroFrame(frame, HeroFacing);
  const int patchX = HeroX - kMargin;
  const int patchY = HeroY - kMargin;
  Copy(s.TempBG, 0, 0, s.BG, patchX, patchY, kPatch, kPatch);
  s.Clipped.Resize(TwipSizedPixels(r.w), TwipSizedPixels(r.h), kKeyColor);
  if (const FacingRow* how = FindFacing(HeroFacing); how != nullptr)
    CopyMirrored(s.Clipped, 0, 0, s.SourceBMP, r.x + how->shiftX, r.y, r.w, r.h, how->mirror);
  TransparentBlt(s.TempBG, s.TempBG, s.Clipped, r.w, r.h, kMargin, kMargin);
  Copy(s.GameBox, patchX, patchY, s.TempBG, 0, 0, kPatch, kPatch);
}

}  // namespace vt
