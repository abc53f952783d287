// Sign and switch records as a district file might hold them: each line of the
// input is both a sign and a switch record of the running game, and the first
// one is read and thrown where it says it stands.
#include <cstdint>
#include <string_view>

#include "data/records.h"
#include "fuzz_game.h"
#include "fuzz_support.h"
#include "interaction/interaction.h"

namespace {

vt::fuzz::FuzzGame& Started() {
  static vt::fuzz::FuzzGame* fuzz = [] {
    auto* f = new vt::fuzz::FuzzGame;
    f->world().District = 1;
    f->Run([f] {
      f->shell().gameForm.Show();
      f->shell().gameForm.StartNewGame(vt::GameStart::New);
    });
    return f;
  }();
  return *fuzz;
}

bool InScreen(int row, int col) { return row >= 1 && row <= 12 && col >= 1 && col <= 20; }

// Puts the hero below cell (row, col), facing it, with `code` in it, and acts on it.
void ActOn(vt::fuzz::FuzzGame& fuzz, int screenRow, int screenCol, int row, int col, int code) {
  vt::WorldState& w = fuzz.world();
  const auto saved = w;
  if (screenRow >= 1 && screenRow <= 9) w.ScreenRow = static_cast<std::int16_t>(screenRow);
  if (screenCol >= 1 && screenCol <= 9) w.ScreenCol = static_cast<std::int16_t>(screenCol);
  w.FrontTiles[row][col] = static_cast<std::int16_t>(code);
  w.HeroFacing = vt::Facing::Up;
  w.HeroX = static_cast<std::int16_t>(30 * col - 48);
  w.HeroY = static_cast<std::int16_t>(30 * row - 10);
  w.TalkFlag = true;
  fuzz.Run([&] { (void)vt::CheckAhead(fuzz.game(), vt::Facing::Up, true); });
  w = saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vt::fuzz::FuzzGame& fuzz = Started();
  vt::WorldState& w = fuzz.world();
  std::string_view rest = vt::fuzz::AsText(data, size);
  int count = 0;
  while (!rest.empty() && count + 1 < static_cast<int>(w.SignList.size())) {
    const std::size_t end = rest.find('\n');
    const std::string line(rest.substr(0, end));
    ++count;
    w.SignList[static_cast<std::size_t>(count)] = line;
    w.SwitchList[static_cast<std::size_t>(count)] = line;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  w.SignCount = static_cast<std::int16_t>(count);
  w.SwitchCount = static_cast<std::int16_t>(count);
  if (count == 0) return 0;

  const vt::SwitchRecord lever = vt::ParseSwitchRecord(w.SwitchList[1]);
  if (InScreen(lever.row, lever.col))
    ActOn(fuzz, lever.screenRow, lever.screenCol, lever.row, lever.col, 100);
  const vt::SignRecord sign = vt::ParseSignRecord(w.SignList[1]);
  if (InScreen(sign.row, sign.col))
    ActOn(fuzz, sign.screenRow, sign.screenCol, sign.row, sign.col, 144);
  return 0;
}
