// What must hold between any two inputs, whatever the player did.
#pragma once

#include <map>
#include <string>
#include <utility>

namespace vt {

class Game;
class HeadlessPlatform;

class Invariants {
 public:
  // The first broken promise in words, or empty when all hold.
  std::string Check(const Game& game, HeadlessPlatform& platform);

 private:
  static constexpr long kWholeDumpEvery = 100;
  std::string CheckSlots(const Game& game);
  long checks_ = 0;
  // Slot files already read, by path: their size and change time, to read each version once.
  std::map<std::string, std::pair<long long, long long>> slotsSeen_;
};

}  // namespace vt
