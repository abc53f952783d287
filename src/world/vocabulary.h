// The small words the game passes around inside: which way the hero faces, which
// walking key was pressed, which picture of him is drawn, what the inventory bar
// is asked to do. Text appears only where a file, the world dump or a saved game
// needs it, through the names below.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vt {

// Which way the hero faces; the names are the ones the saved games and the dump use.
enum class Facing : std::uint8_t { Up, Down, Left, Right };

constexpr std::string_view FacingName(Facing f) {
  switch (f) {
    case Facing::Up:
      return "Up";
    case Facing::Down:
      return "Down";
    case Facing::Left:
      return "Left";
    case Facing::Right:
      return "Right";
  }
  return "Up";
}

constexpr std::optional<Facing> FacingFromName(std::string_view name) {
  for (Facing f : {Facing::Up, Facing::Down, Facing::Left, Facing::Right})
    if (FacingName(f) == name) return f;
  return std::nullopt;
}

// Left and Right use the sideways pictures of the hero, Up and Down the others.
constexpr bool Sideways(Facing f) { return f == Facing::Left || f == Facing::Right; }

// The walking keys of the game screen: four directions and the two uses
// (bare-handed with Space or a right click, the selected object with Control).
enum class WalkKey : std::uint8_t { Right, Left, Up, Down, Use, UseObject };

// The pictures of the hero on his sprite sheet.
enum class HeroPose : std::uint8_t { Stand, Walk1, Walk2, Walk3, Walk4, Walk5, Walk6, Use1, Use2 };

// Walk picture n (1 to 6); other numbers give the first.
constexpr HeroPose WalkPose(int n) {
  return n >= 1 && n <= 6 ? static_cast<HeroPose>(static_cast<int>(HeroPose::Walk1) + n - 1)
                          : HeroPose::Walk1;
}

// What the inventory bar is asked to do.
enum class InvAction : std::uint8_t {
  Get,           // take object n into the next slot
  Give,          // give the selected object away
  Load,          // redraw the bar for a loaded game
  MoveRight,     // the selection one object on
  MoveLeft,      // the selection one object back
  MoveAllRight,  // the row scrolled to its end
  MoveAllLeft,   // the row scrolled to its start
  JumpTo,        // the selection to place n
};

}  // namespace vt
