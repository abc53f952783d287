// What drawing the game screen costs: one tile copied plain and keyed (ours per pixel,
// ours from prepared runs, SDL's keyed blits, and memcpy of the same bytes as the
// floor), every object tile of the game's strip, a whole screen composed, and one
// walking step's hero redraw.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/compositing.h"
#include "platform/keyed_runs.h"
#include "platform/sdl/sdl_media.h"
#include "platform/sdl/sdl_reference_blit.h"

namespace vt {
namespace {

constexpr int kTile = 30;
constexpr int kStripTiles = 40;

// Opaque: background tiles. Shaped: each tile a solid disc on about half its area, as
// real objects are drawn. Scattered: half the pixels transparent at random, the worst case
// for the keyed copy's branch.
enum class Tiles { Opaque, Shaped, Scattered };

Surface Strip(Tiles kind) {
  Surface strip(kTile * kStripTiles, kTile);
  unsigned seed = 12345;
  for (int y = 0; y < kTile; ++y) {
    for (int x = 0; x < strip.Width(); ++x) {
      seed = seed * 1103515245u + 12345u;
      const int cx = x % kTile - 15;
      const int cy = y - 15;
      const bool clear = (kind == Tiles::Shaped && cx * cx + cy * cy > 12 * 12) ||
                         (kind == Tiles::Scattered && ((seed >> 16) & 1) != 0);
      strip.Set(x, y, clear ? kKeyColor : Rgb(x & 255, y * 8, (x >> 8) * 40));
    }
  }
  return strip;
}

Tiles KindOf(const benchmark::State& state) {
  return state.range(0) != 0 ? Tiles::Scattered : Tiles::Shaped;
}

// Tile 0 of the strip drawn by the plain keyed copy onto the backdrop: what every
// other way of drawing it must give.
Surface Expected(const Surface& strip) {
  Surface target(kTile, kTile, kBlack);
  CopyKeyed(target, 0, 0, strip, 0, 0, kTile, kTile);
  return target;
}

bool Same(const Surface& a, const Surface& b) {
  return std::equal(a.Pixels().begin(), a.Pixels().end(), b.Pixels().begin(), b.Pixels().end());
}

void BM_TileCopyKeyed(benchmark::State& state) {
  const Surface tile = Strip(KindOf(state));
  Surface target(kTile, kTile, kBlack);
  for (auto _ : state) {
    CopyKeyed(target, 0, 0, tile, 0, 0, kTile, kTile);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileCopyKeyed)->ArgName("scattered")->Arg(0)->Arg(1);

// The same tile drawn from runs prepared once, as tiles that never change allow.
void BM_TileKeyedRuns(benchmark::State& state) {
  const Surface strip = Strip(KindOf(state));
  const KeyedRuns runs(strip, kTile, kTile);
  Surface target(kTile, kTile, kBlack);
  runs.Draw(target, 0, 0, 0);
  if (!Same(target, Expected(strip))) state.SkipWithError("differs from the plain keyed copy");
  for (auto _ : state) {
    runs.Draw(target, 0, 0, 0);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileKeyedRuns)->ArgName("scattered")->Arg(0)->Arg(1);

// SDL's keyed blit of the tile straight from the 1200-pixel strip, without run-length
// encoding: every pixel tested on every blit.
void BM_TileSdlKeyedBlit(benchmark::State& state) {
  const Surface tile = Strip(KindOf(state));
  Surface target(kTile, kTile, kBlack);
  SdlKeyedBlit blit(tile, target);
  for (auto _ : state) {
    blit.Blit(0, 0, kTile, kTile, 0, 0);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileSdlKeyedBlit)->ArgName("scattered")->Arg(0)->Arg(1);

// SDL at its best: the tile as a surface of its own, its runs encoded once (RLE).
void BM_TileSdlRleBlit(benchmark::State& state) {
  const Surface strip = Strip(KindOf(state));
  Surface tile(kTile, kTile);
  Copy(tile, 0, 0, strip, 0, 0, kTile, kTile);
  Surface target(kTile, kTile, kBlack);
  SdlKeyedBlit blit(tile, target, kKeyColor, SdlKeyedBlit::Encoding::RunLength);
  blit.Blit(0, 0, kTile, kTile, 0, 0);
  if (!Same(target, Expected(strip))) state.SkipWithError("differs from the plain keyed copy");
  for (auto _ : state) {
    blit.Blit(0, 0, kTile, kTile, 0, 0);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileSdlRleBlit)->ArgName("scattered")->Arg(0)->Arg(1);

void BM_TileCopy(benchmark::State& state) {
  const Surface tile = Strip(Tiles::Shaped);
  Surface target(kTile, kTile, kBlack);
  for (auto _ : state) {
    Copy(target, 0, 0, tile, 0, 0, kTile, kTile);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileCopy);

// The floor: the same 3600 bytes as one block.
void BM_TileMemcpy(benchmark::State& state) {
  const std::vector<Color> from(kTile * kTile, kKeyColor);
  std::vector<Color> to(kTile * kTile);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), to.size() * sizeof(Color));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileMemcpy);

// The game's own object tiles (the foreground strip the forge draws), each drawn once
// per iteration; the items are tiles.
const Surface* ObjectStrip() {
  static const std::optional<Surface> strip =
      SdlMedia().LoadPicture(std::string(VELTRANE_GAME_DIR) + "/Morvane16.dat");
  return strip ? &*strip : nullptr;
}

void BM_ObjectTilesCopyKeyed(benchmark::State& state) {
  const Surface* strip = ObjectStrip();
  if (!strip) return state.SkipWithError("no forged object strip");
  const int count = strip->Width() / kTile;
  Surface target(kTile, kTile, kBlack);
  for (auto _ : state) {
    for (int t = 0; t < count; ++t) CopyKeyed(target, 0, 0, *strip, t * kTile, 0, kTile, kTile);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ObjectTilesCopyKeyed);

void BM_ObjectTilesKeyedRuns(benchmark::State& state) {
  const Surface* strip = ObjectStrip();
  if (!strip) return state.SkipWithError("no forged object strip");
  const KeyedRuns runs(*strip, kTile, kTile);
  const int count = strip->Width() / kTile;
  Surface target(kTile, kTile, kBlack);
  for (auto _ : state) {
    for (int t = 0; t < count; ++t) runs.Draw(target, 0, 0, t);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ObjectTilesKeyedRuns);

void BM_ObjectTilesSdlRleBlit(benchmark::State& state) {
  const Surface* strip = ObjectStrip();
  if (!strip) return state.SkipWithError("no forged object strip");
  const int count = strip->Width() / kTile;
  Surface target(kTile, kTile, kBlack);
  std::vector<Surface> tiles(static_cast<std::size_t>(count), Surface(kTile, kTile));
  std::vector<std::unique_ptr<SdlKeyedBlit>> blits;
  for (int t = 0; t < count; ++t) {
    Surface& tile = tiles[static_cast<std::size_t>(t)];
    Copy(tile, 0, 0, *strip, t * kTile, 0, kTile, kTile);
    blits.push_back(
        std::make_unique<SdlKeyedBlit>(tile, target, kKeyColor, SdlKeyedBlit::Encoding::RunLength));
    // Each blit onto a fresh backdrop must match the plain keyed copy.
    Surface expected(kTile, kTile, kBlack);
    CopyKeyed(expected, 0, 0, tile, 0, 0, kTile, kTile);
    target.Clear(kBlack);
    blits.back()->Blit(0, 0, kTile, kTile, 0, 0);
    if (!Same(target, expected)) return state.SkipWithError("differs from the plain keyed copy");
  }
  for (auto _ : state) {
    for (auto& blit : blits) blit->Blit(0, 0, kTile, kTile, 0, 0);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ObjectTilesSdlRleBlit);

// A screen change: 12 × 20 background tiles, then as many keyed object tiles, each taken
// through the one-tile scratch surface as the screen set-up does.
void BM_ComposeScreen(benchmark::State& state) {
  const Surface backTiles = Strip(Tiles::Opaque);
  const Surface objectTiles = Strip(Tiles::Shaped);
  Surface screen(600, 360);
  Surface scratch(kTile, kTile);
  for (auto _ : state) {
    for (int row = 0; row < 12; ++row)
      for (int col = 0; col < 20; ++col)
        Copy(screen, col * kTile, row * kTile, backTiles, ((row + col) % kStripTiles) * kTile, 0,
             kTile, kTile);
    for (int row = 0; row < 12; ++row) {
      for (int col = 0; col < 20; ++col) {
        Copy(scratch, 0, 0, objectTiles, ((row * 7 + col) % kStripTiles) * kTile, 0, kTile, kTile);
        TransparentBlt(screen, screen, scratch, kTile, kTile, col * kTile, row * kTile);
      }
    }
    benchmark::DoNotOptimize(screen.Pixels().data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 480);
}
BENCHMARK(BM_ComposeScreen);

// The same screen change with the object tiles drawn from runs prepared once.
void BM_ComposeScreenRuns(benchmark::State& state) {
  const Surface backTiles = Strip(Tiles::Opaque);
  const KeyedRuns objectTiles(Strip(Tiles::Shaped), kTile, kTile);
  Surface screen(600, 360);
  for (auto _ : state) {
    for (int row = 0; row < 12; ++row)
      for (int col = 0; col < 20; ++col)
        Copy(screen, col * kTile, row * kTile, backTiles, ((row + col) % kStripTiles) * kTile, 0,
             kTile, kTile);
    for (int row = 0; row < 12; ++row)
      for (int col = 0; col < 20; ++col)
        objectTiles.Draw(screen, col * kTile, row * kTile, (row * 7 + col) % kStripTiles);
    benchmark::DoNotOptimize(screen.Pixels().data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 480);
}
BENCHMARK(BM_ComposeScreenRuns);

// One walking step.
void BM_DrawHero(benchmark::State& state) {
  GameSurfaces s;
  s.SourceBMP = Strip(Tiles::Shaped);
  s.BG.Clear(Rgb(40, 80, 40));
  const auto world = std::make_unique<WorldState>();
  world->HeroY = 150;
  world->HeroFacing = Facing::Left;
  int step = 0;
  for (auto _ : state) {
    world->HeroX = static_cast<std::int16_t>(200 + (step & 1) * 10);
    DrawHero(s, *world, (step & 1) != 0 ? HeroPose::Walk1 : HeroPose::Walk2);
    ++step;
    benchmark::DoNotOptimize(s.GameBox.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawHero);

}  // namespace
}  // namespace vt
