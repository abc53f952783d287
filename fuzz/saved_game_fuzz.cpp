// A saved-game slot as a player might leave it: read, checked against the
// districts and, when taken, put into a running game. A game that was taken
// must save again to a file that reads back to the same game.
#include <cstdint>
#include <optional>

#include "fuzz_game.h"
#include "fuzz_support.h"
#include "savegame/save_load.h"
#include "savegame/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vt::ParsedSave parsed = vt::ParseSavedGame(vt::fuzz::AsText(data, size));
  if (parsed.game) {
    const vt::ParsedSave again = vt::ParseSavedGame(vt::FormatSavedGame(*parsed.game));
    if (!again.game || !(*again.game == *parsed.game))
      vt::fuzz::Broken("a saved game read back differently after writing it");
  } else if (parsed.problem.empty()) {
    vt::fuzz::Broken("a refused saved game gave no reason");
  }

  static vt::fuzz::ReusedGame games;
  vt::fuzz::FuzzGame& fuzz = games.Next();
  fuzz.game().savesFolder = vt::fuzz::Scratch().string();
  vt::fuzz::PutFile("Zorl16.dat", data, size);
  bool loaded = false;
  fuzz.Run([&] { loaded = vt::LoadGame(fuzz.game(), 1); });
  if (loaded && !parsed.game) vt::fuzz::Broken("a slot the reader refuses was loaded");
  if (loaded) {
    const vt::WorldState& w = fuzz.world();
    if (w.InvCount < 0 || w.InvCount > 40) vt::fuzz::Broken("the inventory count left 0 to 40");
    if (w.HeroX < vt::kHeroMinX || w.HeroX > vt::kHeroMaxX || w.HeroY < vt::kHeroMinY ||
        w.HeroY > vt::kHeroMaxY)
      vt::fuzz::Broken("a loaded hero stands outside the play area");
  }
  return 0;
}
