// A district file as a player might leave it: its sign and switch lists and any
// screen of it are read and put into the world.
#include <cstdint>

#include "data/district_file.h"
#include "data/records.h"
#include "fuzz_support.h"
#include "world/world_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = vt::fuzz::PutFile("Strategy01.dat", data, size);
  vt::WorldState world;
  const auto lists = vt::ReadDistrictLists(path);
  vt::ApplyDistrictLists(world, lists.lists);
  for (const auto& sign : lists.lists.signs) (void)vt::ParseSignRecord(sign);
  for (const auto& record : lists.lists.switches) (void)vt::ParseSwitchRecord(record);
  // The first screen, and one outside every district, which reads every screen of
  // the file on the way to its end.
  for (const auto& [row, col] : {std::pair{1, 1}, {9, 9}}) {
    const auto screen = vt::ReadDistrictScreen(path, row, col);
    vt::ApplyDistrictScreen(world, screen.screen);
    if (screen.screen.found && (screen.screen.height < 0 || screen.screen.width < 0))
      vt::fuzz::Broken("a screen was read with a negative size");
  }
  return 0;
}
