// What must hold between any two inputs.
#include "tools/monkey/invariants.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/game.h"
#include "platform/headless/headless_platform.h"
#include "savegame/save_load.h"
#include "savegame/saved_game.h"
#include "tools/runner/dump.h"
#include "util/json.h"

namespace vt {

namespace {

constexpr int kFirstTransmission = 136;  // none yet: the briefing comes as 137
constexpr int kLastTransmission = 153;   // the eighth reply
constexpr int kMostObjects = 40;
constexpr int kSealedQuarter = 8;

std::string Hero(const WorldState& w) {
  if (w.HeroX < kHeroMinX || w.HeroX > kHeroMaxX || w.HeroY < kHeroMinY || w.HeroY > kHeroMaxY)
    return "the hero stands outside the screen at (" + std::to_string(w.HeroX) + ", " +
           std::to_string(w.HeroY) + ")";
  return {};
}

std::string Inventory(const WorldState& w) {
  if (w.InvCount > kMostObjects)
    return "the inventory holds " + std::to_string(w.InvCount) + " objects";
  std::set<int> held;
  for (int i = 1; i <= w.InvCount; ++i) {
    const int object = w.Inventory[static_cast<std::size_t>(i)];
    if (object <= 0) return "inventory place " + std::to_string(i) + " is empty";
    if (!held.insert(object).second)
      return "object " + std::to_string(object) + " is carried twice";
  }
  return {};
}

std::string District(const WorldState& w) {
  if (w.District == 0) return {};  // no game started yet
  if (w.District < 1 || w.District > kSealedQuarter)
    return "the hero is in district " + std::to_string(w.District);
  if (w.District != 1 && w.District != kSealedQuarter &&
      !w.DistrictOpen[static_cast<std::size_t>(w.District)])
    return "the hero is in district " + std::to_string(w.District) + ", which is not open";
  return {};
}

std::string Transmission(const WorldState& w) {
  if (w.District != 0 && (w.TransNumber < kFirstTransmission || w.TransNumber > kLastTransmission))
    return "the transmission number is " + std::to_string(w.TransNumber);
  return {};
}

std::string Stacking(const Game& game) {
  std::set<const Form*> stacked;
  for (const Form* form : game.ui.ModalStack())
    if (!stacked.insert(form).second) return "the window " + form->Name() + " is stacked twice";
  return {};
}

std::string Dump(const Game& game, HeadlessPlatform& platform, bool withWorld) {
  const std::string text = DumpState(game, platform, withWorld).Dump();
  if (!Json::Parse(text)) return "the state dump is not valid JSON: " + text.substr(0, 200);
  return {};
}

std::string Reports(const Game& game) {
  if (!game.Reported().empty()) return "the game reported: " + *game.Reported().begin();
  return {};
}

}  // namespace

std::string Invariants::Check(const Game& game, HeadlessPlatform& platform) {
  const WorldState& w = game.world;
  // The world is most of the dump (every changed cell of the city): it is written out
  // whole every so many checks, the rest of the dump every time.
  const bool withWorld = ++checks_ % kWholeDumpEvery == 0;
  for (std::string broken : {Hero(w), Inventory(w), District(w), Transmission(w), Stacking(game),
                             Reports(game), CheckSlots(game), Dump(game, platform, withWorld)})
    if (!broken.empty()) return broken;
  return {};
}

// Every slot can be read back: an empty slot or a saved game the reader takes.
std::string Invariants::CheckSlots(const Game& game) {
  namespace fs = std::filesystem;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string path = SlotPath(game, slot);
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error) return "slot " + std::to_string(slot + 1) + " is gone";
    const auto changed = fs::last_write_time(path, error).time_since_epoch().count();
    const std::pair<long long, long long> version{static_cast<long long>(size), changed};
    if (slotsSeen_[path] == version) continue;
    slotsSeen_[path] = version;
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.rfind(kEmptySlot, 0) == 0) continue;
    const ParsedSave parsed = ParseSavedGame(text);
    if (!parsed.game)
      return "slot " + std::to_string(slot + 1) + " cannot be read back: " + parsed.problem;
  }
  return {};
}

}  // namespace vt
