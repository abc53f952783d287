// What drawing the game screen costs: one tile copied plain and keyed, a whole screen
// composed, and one walking step's hero redraw.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "core/compositing.h"
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

void BM_TileCopyKeyed(benchmark::State& state) {
  const Surface tile = Strip(state.range(0) != 0 ? Tiles::Scattered : Tiles::Shaped);
  Surface target(kTile, kTile, kBlack);
  for (auto _ : state) {
    CopyKeyed(target, 0, 0, tile, 0, 0, kTile, kTile);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileCopyKeyed)->ArgName("scattered")->Arg(0)->Arg(1);

// SDL's own colour-keyed blit on the same tiles, for comparison.
void BM_TileSdlKeyedBlit(benchmark::State& state) {
  const Surface tile = Strip(state.range(0) != 0 ? Tiles::Scattered : Tiles::Shaped);
  Surface target(kTile, kTile, kBlack);
  SdlKeyedBlit blit(tile, target);
  for (auto _ : state) {
    blit.Blit(0, 0, kTile, kTile, 0, 0);
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TileSdlKeyedBlit)->ArgName("scattered")->Arg(0)->Arg(1);

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
