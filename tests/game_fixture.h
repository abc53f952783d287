// A headless game on generated data: tile strips whose tiles are plain
// colours, a sprite sheet, and small district files written by the test.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "shell/shell.h"
#include "test_support.h"

namespace vt::test {

namespace fs = std::filesystem;

// Background tile t is filled with (t, 100, 0); object tile f is a centred
// 10 × 10 square of (f, 0, 200) on the key colour.
inline Color BackColorOf(int t) { return Rgb(t, 100, 0); }
inline Color FrontColorOf(int f) { return Rgb(f, 0, 200); }

inline Surface MakeBackStrip() {
  Surface s(192 * 30, 30);
  for (int t = 0; t < 192; ++t) FillRect(s, {30 * t, 0, 30, 30}, BackColorOf(t));
  return s;
}

inline Surface MakeFrontStrip() {
  Surface s(194 * 30, 30, kKeyColor);
  for (int f = 0; f < 194; ++f) FillRect(s, {30 * f + 10, 10, 10, 10}, FrontColorOf(f));
  return s;
}

// A screen's tiles: every background cell `back`, objects placed by the caller.
struct ScreenTiles {
  int row;
  int col;
  int back = 0;
  std::map<std::pair<int, int>, int> objects;  // (tile row, tile col) -> code
};

inline std::string TileLine(const std::function<int(int)>& codeAt) {
  std::string line;
  char buf[8];
  for (int col = 1; col <= 20; ++col) {
    std::snprintf(buf, sizeof buf, "%03d", codeAt(col));
    line += buf;
  }
  return line;
}

inline void WriteDistrict(const fs::path& path, int height, int width,
                          const std::vector<ScreenTiles>& screens,
                          const std::vector<std::string>& signs = {},
                          const std::vector<std::string>& switches = {}) {
  std::ofstream out(path);
  out << signs.size() << "\n";
  for (const auto& r : signs) out << '"' << r << '"' << "\n";
  out << switches.size() << "\n";
  for (const auto& r : switches) out << '"' << r << '"' << "\n";
  out << height << "\n" << width << "\n";
  for (const auto& s : screens) {
    out << s.row << "\n" << s.col << "\n";
    for (int r = 1; r <= 12; ++r) out << TileLine([&](int) { return s.back; }) << "\n";
    for (int r = 1; r <= 12; ++r)
      out << TileLine([&](int c) {
        auto it = s.objects.find({r, c});
        return it == s.objects.end() ? 999 : it->second;
      }) << "\n";
  }
}

class GameFixture : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("veltrane-screen-" + std::to_string(::getpid()));
  MemoryMedia media;
  HeadlessPlatform platform{media};
  std::unique_ptr<Shell> shell;
  Game* game = nullptr;
  WorldState* w = nullptr;
  GameForm* form = nullptr;

  void SetUp() override {
    fs::create_directories(dir);
    media.files[(dir / "Morvane15.dat").string()] = MakeBackStrip();
    media.files[(dir / "Morvane16.dat").string()] = MakeFrontStrip();
    Surface hero(130, 95, kKeyColor);
    FillRect(hero, {0, 0, 130, 95}, Rgb(250, 250, 250));
    media.files[(dir / "Morvane01.dat").string()] = hero;
    // District 1: 2 screen rows × 3 columns; the new game's screen (1, 3) has objects.
    std::vector<ScreenTiles> d1;
    // Each screen its own floor (all walkable codes), so a picture tells them apart.
    const int floors[] = {0, 1, 4, 5, 6, 7};
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 3; ++c) d1.push_back({r, c, floors[(r - 1) * 3 + c - 1], {}});
    d1[2].objects = {{{3, 4}, 96}, {{3, 5}, 97}, {{4, 4}, 50}};
    WriteDistrict(dir / "Strategy01.dat", 24, 60, d1);
    std::vector<ScreenTiles> d6 = {{1, 1, 4, {}}, {1, 2, 4, {}}, {2, 1, 4, {}}, {2, 2, 4, {}}};
    WriteDistrict(dir / "Strategy06.dat", 24, 40, d6);
    std::vector<ScreenTiles> d8;
    for (int r = 1; r <= 5; ++r)
      for (int c = 1; c <= 6; ++c) d8.push_back({r, c, 0, {}});
    WriteDistrict(dir / "Strategy08.dat", 60, 120, d8);
    // A script without sections unless the test wrote its own: every conversation then
    // says only its "..." line.
    if (!fs::exists(dir / "Morvane03.dat")) std::ofstream(dir / "Morvane03.dat") << "EOF\r\n";

    shell = std::make_unique<Shell>(platform, dir.string());

    AnswerConversations(platform, *shell);
    game = &shell->game;
    w = &game->world;
    form = &shell->gameForm;
    ApplyStartupSettings(*w);
    w->FullScreen = true;
    w->District = 1;
    form->Show();
    form->StartNewGame(GameStart::New);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs the event loop over the queued input and waits.
  void Play() {
    try {
      game->ui.Run();
    } catch (const ScriptEnded&) {
    }
  }
  void GoTo(int district, int row, int col) {
    w->District = static_cast<std::int16_t>(district);
    w->ScreenRow = static_cast<std::int16_t>(row);
    w->ScreenCol = static_cast<std::int16_t>(col);
    form->SetScreen();
  }
  int Count(const std::string& effect) const {
    int n = 0;
    for (const auto& e : platform.effects) n += e.name == effect;
    return n;
  }
  int Opens() const {
    int n = 0;
    for (const auto& c : platform.musicCommands) n += c.rfind("open ", 0) == 0;
    return n;
  }
  std::string LastOpen() const {
    for (auto it = platform.musicCommands.rbegin(); it != platform.musicCommands.rend(); ++it)
      if (it->rfind("open ", 0) == 0) return *it;
    return "";
  }
  Color At(int x, int y) const { return game->surfaces.GameBox.At(x, y); }
  Color CellCentreOf(int row, int col) const { return CellCentre(row, col); }
  Color CellCentre(int row, int col) const { return At(30 * col - 45 + 15, 30 * row - 45 + 15); }
};

}  // namespace vt::test
