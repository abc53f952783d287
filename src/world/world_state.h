// The world state: every variable the windows share, under the names the rest of the game uses.
//
// How it works: one WorldState holds the whole game as plain public fields, read and written
// directly by the windows on the one user-interface thread; there are no accessors. The widths
// are deliberate: Integer fields are 16-bit, Byte fields 8-bit (TransNumber and StoryFlags rely
// on that), and arrays are declared from index 0 although the game uses indices from 1. A new
// game stores its starting values through ApplyNewGameValues; the settings are switched on once
// at start-up through ApplyStartupSettings and never reset by a new game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "world/vocabulary.h"

namespace vt {

// The first transmission headquarters sends; a new game leaves it waiting in the unit.
inline constexpr std::string_view kFirstBriefing =
    "HERON: ISLAMIA BUILDS MISSILES. FIND THE FACTORY AND THE MONEY. THE SPICE SELLER IN THE "
    "MARKET IS OURS. PWD SAFFRON MOON >";

// Index ranges as declared; the game uses 1 upwards.
inline constexpr int kTileRows = 13;       // tile rows 1..12
inline constexpr int kTileCols = 21;       // tile columns 1..20
inline constexpr int kCellDistricts = 11;  // districts 1..10 (8 in use)
inline constexpr int kCellScreenRows = 11;
inline constexpr int kCellScreenCols = 11;
inline constexpr int kListSize = 201;  // sign and switch records 1..200

// True when CellChanged has flags for screen (row, col) of `district`: a
// district file or a record may name screens beyond the array.
constexpr bool InCellRange(int district, int row, int col) {
  return district >= 1 && district < kCellDistricts && row >= 1 && row < kCellScreenRows &&
         col >= 1 && col < kCellScreenCols;
}

using TileGrid = std::array<std::array<std::int16_t, kTileCols>, kTileRows>;

// CellChanged[district][screen row][screen column][tile row][tile column].
using ScreenCellFlags = std::array<std::array<bool, kTileCols>, kTileRows>;
using CellFlags =
    std::array<std::array<std::array<ScreenCellFlags, kCellScreenCols>, kCellScreenRows>,
               kCellDistricts>;

// About 380 KB, almost all of it CellChanged: the owner keeps it on the heap
// (std::make_unique), never on the stack.
struct WorldState {
  // Where the hero is.
  std::int16_t District = 0;
  std::int16_t ScreenRow = 0;
  std::int16_t ScreenCol = 0;
  std::int16_t DistrictWidth = 0;   // tiles, a multiple of 20
  std::int16_t DistrictHeight = 0;  // tiles, a multiple of 12
  std::int16_t HeroX = 0;
  std::int16_t HeroY = 0;
  Facing HeroFacing = Facing::Up;

  // The current screen's tiles, [tile row][tile column]; 999 = no object.
  TileGrid BackTiles{};
  TileGrid FrontTiles{};

  // The world's persistent changes.
  CellFlags CellChanged{};
  std::array<std::uint8_t, 251> StoryFlags{};
  std::array<bool, 8> DistrictOpen{};
  std::array<bool, 11> Transmissions{};  // outgoing report k is ready to send
  std::uint8_t TransNumber = 0;
  std::string IncomingText;  // "" when nothing is waiting

  // Records of the current district, filled with the screen.
  std::array<std::string, kListSize> SignList{};
  std::int16_t SignCount = 0;
  std::array<std::string, kListSize> SwitchList{};
  std::int16_t SwitchCount = 0;

  // Inventory.
  std::array<std::int16_t, 41> Inventory{};
  std::uint8_t InvCount = 0;
  std::uint8_t InvFirst = 0;  // slot of the selected object
  bool InvScrollFwd = false;
  bool InvScrollBack = false;

  // Conversation and story control.
  std::int16_t TalkScene = 0;
  bool TalkFlag = false;  // true: bare-handed act or talk; false: use the selected object
  bool TalkOpen = false;
  bool ScriptFlag1 = false;
  bool ScriptFlag2 = false;
  bool DestructPending = false;
  std::int16_t InfoMode = 0;  // what the cinematic window shows next

  // Music.
  std::uint8_t MusicTrack = 0;
  std::int16_t TrackLength = 0;  // seconds
  std::int16_t MusicSeconds = 0;
  double TrackStartTime = 0.0;  // seconds since midnight
  bool MusicRestart = false;
  bool TrackPlaying = false;

  // Settings and run-wide values; a new game leaves them as they are.
  bool SoundOn = false;
  bool MusicOn = false;
  bool MorseSoundOn = false;
  bool MouseWalkOn = false;
  bool FullScreen = false;
  float OrigWidth = 0.0f;
  float OrigHeight = 0.0f;
  std::int16_t OrigBits = 0;
  bool OptionsFromTitle = false;
  std::int16_t SaveLoadMode = 0;  // 11 title load, 2 menu load, 3 menu save
  bool SaveLoadOK = false;
  bool YNresult = false;
  bool YNresult2 = false;
  bool KeysUsed = false;
  bool PresentationShown = false;  // the start-up presentation plays once per run

  // The game screen's own walking values. They live here rather than in the window so that
  // the interaction script, which stops a step, and the state dump can reach them.
  bool StepBlocked = false;
  std::int16_t WalkFrame = 0;  // 1..6
  std::int16_t WalkDir = 0;    // 0 standing, 1 right, 2 left, 3 up, 4 down
  bool StandShown = false;
  std::int16_t TargetX = 0;  // mouse target, -1 when none
  std::int16_t TargetY = 0;
  std::int16_t MouseLeg = 0;  // 0 none, 1 first leg, 2 second leg
  bool HorizFirst = false;
  bool TargetRight = false;
  bool TargetDown = false;
};

// Values both a new game and a loaded game start from: no changed cells, an empty inventory
// bar, the hero standing and the music counters cleared. A loaded game then restores its own.
void ApplyGameResetValues(WorldState& w);

// Every starting value of a new game (includes ApplyGameResetValues); everything else,
// settings included, is left as it is.
void ApplyNewGameValues(WorldState& w);

// Sound, music, Morse tones and mouse walking start on at every run.
void ApplyStartupSettings(WorldState& w);

}  // namespace vt
