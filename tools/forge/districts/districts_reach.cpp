// Where the hero can walk in a district: a flood fill over free cells across screen edges.
#include <memory>
#include <queue>
#include <tuple>

#include "data/places.h"
#include "data/tile_classes.h"
#include "districts/districts.h"
#include "world/world_state.h"

namespace forge {
namespace {

struct Cell {
  int r, c, tr, tc;  // screen row and column, tile row and column
  auto operator<=>(const Cell&) const = default;
};

class Reach {
 public:
  explicit Reach(const DistrictModel& m) : m_(m) {}

  bool Free(const Cell& x) const {
    const auto s = m_.screens.find({x.r, x.c});
    if (s == m_.screens.end() || x.tr < 1 || x.tr > 12 || x.tc < 1 || x.tc > 20) return false;
    if (Walkable(s->second, x.tr, x.tc)) return true;
    // A door can be opened; the floor under it decides.
    return IsDoor(s->second.front[x.tr - 1][x.tc - 1]) &&
           !vt::IsBlockingBackground(s->second.back[x.tr - 1][x.tc - 1]);
  }

  void Start(int r, int c, int x, int y, const std::string& facing) {
    for (const auto& [tr, tc] : HeroCells(x, y, facing)) Visit({r, c, tr, tc});
  }

  void Fill() {
    while (!todo_.empty()) {
      const Cell x = todo_.front();
      todo_.pop();
      const int dr[4] = {-1, 1, 0, 0};
      const int dc[4] = {0, 0, -1, 1};
      for (int k = 0; k < 4; ++k) {
        Cell n{x.r, x.c, x.tr + dr[k], x.tc + dc[k]};
        // Off an edge onto the neighbouring screen.
        if (n.tr < 1) n = {x.r - 1, x.c, 12, x.tc};
        if (n.tr > 12) n = {x.r + 1, x.c, 1, x.tc};
        if (n.tc < 1) n = {x.r, x.c - 1, x.tr, 20};
        if (n.tc > 20) n = {x.r, x.c + 1, x.tr, 1};
        Visit(n);
      }
    }
  }

  bool Reached(const Cell& x) const { return seen_.count(x) > 0; }
  bool Empty() const { return seen_.empty(); }

 private:
  void Visit(const Cell& x) {
    if (!Free(x) || !seen_.insert(x).second) return;
    todo_.push(x);
  }
  const DistrictModel& m_;
  std::set<Cell> seen_;
  std::queue<Cell> todo_;
};

std::string CellName(const Cell& x) {
  return "screen [" + std::to_string(x.r) + "," + std::to_string(x.c) + "] cell (" +
         std::to_string(x.tr) + "," + std::to_string(x.tc) + ")";
}

int Two(const std::string& s, std::size_t at) { return std::stoi(s.substr(at, 2)); }

std::pair<int, int> Stand(int tr, int tc, int code) {
  switch (code) {
    case 144:
    case 100:
      return {tr + 1, tc};
    case 145:
    case 102:
      return {tr - 1, tc};
    case 146:
    case 96:
      return {tr, tc - 1};
    default:
      return {tr, tc + 1};
  }
}

}  // namespace

std::vector<Finding> ReachNotes(const DistrictModel& m, int district) {
  std::vector<Finding> notes;
  Reach reach(m);
  auto world = std::make_unique<vt::WorldState>();
  if (district >= 1 && district <= 7) {
    vt::PlaceHero(*world, district, true);
    reach.Start(world->ScreenRow, world->ScreenCol, world->HeroX, world->HeroY,
                std::string(vt::FacingName(world->HeroFacing)));
  }
  if (district == 1 || district == 8) reach.Start(1, 3, 305, 80, "Up");  // the Secret Room
  reach.Fill();
  if (reach.Empty()) return notes;
  auto front = [&](int r, int c, int tr, int tc) {
    return m.screens.at({r, c}).front[tr - 1][tc - 1];
  };
  for (std::size_t i = 0; i < m.signs.size(); ++i) {
    const std::string& s = m.signs[i];
    if (s.size() < 11) continue;
    const Cell x{Two(s, 2), Two(s, 4), Two(s, 6), Two(s, 8)};
    if (!m.screens.count({x.r, x.c}) || x.tr < 1 || x.tr > 12 || x.tc < 1 || x.tc > 20) continue;
    const auto [sr, sc] = Stand(x.tr, x.tc, front(x.r, x.c, x.tr, x.tc));
    if (!reach.Reached({x.r, x.c, sr, sc}))
      notes.push_back(
          {"the sign at " + CellName(x) + " cannot be reached", static_cast<int>(i), -1});
  }
  for (std::size_t i = 0; i < m.switches.size(); ++i) {
    const std::string& s = m.switches[i];
    if (s.size() != 28) continue;
    const Cell x{Two(s, 0), Two(s, 2), Two(s, 4), Two(s, 6)};
    if (!m.screens.count({x.r, x.c}) || x.tr < 1 || x.tr > 12 || x.tc < 1 || x.tc > 20) continue;
    const auto [sr, sc] = Stand(x.tr, x.tc, front(x.r, x.c, x.tr, x.tc));
    if (!reach.Reached({x.r, x.c, sr, sc}))
      notes.push_back(
          {"the switch at " + CellName(x) + " cannot be reached", -1, static_cast<int>(i)});
  }
  // People and objects: some neighbouring cell (or, for a pick-up, its own) must be reached.
  for (const auto& [key, tiles] : m.screens)
    for (int tr = 1; tr <= 12; ++tr)
      for (int tc = 1; tc <= 20; ++tc) {
        const int code = tiles.front[tr - 1][tc - 1];
        if (!vt::IsConversationObject(code) && !vt::IsPickUp(code)) continue;
        if (IsDoor(code)) continue;
        const Cell x{key.first, key.second, tr, tc};
        bool ok = reach.Reached(x);
        for (const auto& n : {Cell{x.r, x.c, tr - 1, tc}, Cell{x.r, x.c, tr + 1, tc},
                              Cell{x.r, x.c, tr, tc - 1}, Cell{x.r, x.c, tr, tc + 1}})
          ok = ok || reach.Reached(n);
        if (!ok)
          notes.push_back(
              {"object " + std::to_string(code) + " at " + CellName(x) + " cannot be reached"});
      }
  return notes;
}

}  // namespace forge
