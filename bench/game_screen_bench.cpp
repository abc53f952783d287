// What the game screen costs per screen change and per walking tick, on a
// headless game with a generated 30-screen district.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "../tests/test_support.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/memory_media.h"
#include "shell/shell.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

// A district of 5 rows × 6 columns of screens, every cell a floor tile and
// many objects, as busy as a real screen gets.
void WriteDistrict(const fs::path& path) {
  std::ofstream out(path);
  out << "0\n0\n60\n120\n";
  char cell[8];
  for (int row = 1; row <= 5; ++row) {
    for (int col = 1; col <= 6; ++col) {
      out << row << "\n" << col << "\n";
      for (int line = 0; line < 24; ++line) {
        for (int c = 1; c <= 20; ++c) {
          // Floors of many kinds; objects on every other cell of the top four rows,
          // so the hero has open floor to walk on below them.
          static constexpr int kFloors[] = {0, 1, 4, 5, 6, 7, 8, 20, 21};
          const int code = line < 12   ? kFloors[(line + c) % 9]
                           : line < 16 ? ((line + c) % 2 ? 999 : (c * 7) % 90)
                                       : 999;
          std::snprintf(cell, sizeof cell, "%03d", code);
          out << cell;
        }
        out << "\n";
      }
    }
  }
}

struct BenchGame {
  fs::path dir = fs::temp_directory_path() / "veltrane-bench";
  MemoryMedia media;
  std::unique_ptr<HeadlessPlatform> platform;
  std::unique_ptr<Shell> shell;
  Game* game = nullptr;

  BenchGame() {
    fs::create_directories(dir);
    WriteDistrict(dir / "Strategy01.dat");
    std::ofstream(dir / "Morvane03.dat") << "EOF\r\n";  // a script without sections
    Surface back(192 * 30, 30);
    for (int x = 0; x < back.Width(); ++x)
      for (int y = 0; y < 30; ++y) back.Set(x, y, Rgb(x & 255, y * 8, 90));
    Surface front(194 * 30, 30, kKeyColor);
    for (int t = 0; t < 194; ++t) FillRect(front, {30 * t + 6, 6, 18, 18}, Rgb(t, 20, 200));
    media.files[(dir / "Morvane15.dat").string()] = back;
    media.files[(dir / "Morvane16.dat").string()] = front;
    media.files[(dir / "Morvane01.dat").string()] = Surface(130, 95, Rgb(200, 180, 150));
    platform = std::make_unique<HeadlessPlatform>(media);
    shell = std::make_unique<Shell>(*platform, dir.string());
    test::AnswerConversations(*platform, *shell);  // the new game's briefing
    game = &shell->game;
    ApplyStartupSettings(game->world);
    game->world.FullScreen = true;
    game->world.District = 1;
    shell->gameForm.Show();
    try {
      shell->gameForm.StartNewGame(GameStart::New);
    } catch (const ScriptEnded&) {
    }
  }
  ~BenchGame() { fs::remove_all(dir); }
};

// A screen change: read the district file, compose both layers, copy to BG,
// draw the hero, name the place.
void BM_SetScreen(benchmark::State& state) {
  BenchGame b;
  WorldState& w = b.game->world;
  int n = 0;
  for (auto _ : state) {
    w.ScreenRow = static_cast<std::int16_t>(5 - n % 5);  // the far screens read the most
    w.ScreenCol = static_cast<std::int16_t>(6 - n % 6);
    b.shell->gameForm.SetScreen();
    ++n;
  }
}
BENCHMARK(BM_SetScreen)->Unit(benchmark::kMicrosecond);

// One walking tick: ten one-pixel steps, each asking what lies ahead, and one
// hero drawing.
void BM_WalkingTick(benchmark::State& state) {
  BenchGame b;
  WorldState& w = b.game->world;
  for (auto _ : state) {
    w.HeroX = 100;
    w.HeroY = 200;  // below the objects: ten free steps
    w.HeroFacing = Facing::Right;
    w.WalkDir = 1;
    b.shell->gameForm.Timer1_Timer();
  }
}
BENCHMARK(BM_WalkingTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vt
