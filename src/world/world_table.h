// The one description of the world's variables: name, bounds and whether a
// saved game keeps it, in the order the dump lists them. Whoever needs every
// variable (the state dump, the saved-game checks) walks this table instead of
// listing the fields again.
//
// ForEachWorldVariable(world, visit) calls visit(variable, field) for each one,
// `field` being a reference to the member (a number, bool, text, Facing, or a
// std::array of them, nested for grids).
#pragma once

#include <climits>
#include <string_view>

#include "world/world_state.h"

namespace vt {

struct WorldVariable {
  std::string_view name;
  bool saved = false;  // a saved game keeps it
  // The values a number (or each number of an array) may take; wide open when
  // the variable has no range of its own beyond its type.
  long low = LONG_MIN;
  long high = LONG_MAX;
};

template <typename World, typename Visit>
void ForEachWorldVariable(World& w, Visit&& visit) {
  constexpr long kAny = LONG_MIN;
  constexpr long kAll = LONG_MAX;
  auto var = [&visit](std::string_view name, bool saved, long low, long high, auto& field) {
    visit(WorldVariable{name, saved, low, high}, field);
  };
  constexpr bool kSaved = true;
  constexpr bool kNotSaved = false;

  // Where the hero is.
  var("District", kSaved, 1, kCellDistricts - 1, w.District);
  var("ScreenRow", kSaved, 1, kCellScreenRows - 1, w.ScreenRow);
  var("ScreenCol", kSaved, 1, kCellScreenCols - 1, w.ScreenCol);
  var("DistrictWidth", kNotSaved, kAny, kAll, w.DistrictWidth);
  var("DistrictHeight", kNotSaved, kAny, kAll, w.DistrictHeight);
  var("HeroX", kSaved, kAny, kAll, w.HeroX);
  var("HeroY", kSaved, kAny, kAll, w.HeroY);
  var("HeroFacing", kSaved, kAny, kAll, w.HeroFacing);

  var("BackTiles", kNotSaved, kAny, kAll, w.BackTiles);
  var("FrontTiles", kNotSaved, kAny, kAll, w.FrontTiles);

  // The world's persistent changes.
  var("CellChanged", kSaved, kAny, kAll, w.CellChanged);
  var("StoryFlags", kSaved, 0, 255, w.StoryFlags);
  var("DistrictOpen", kSaved, kAny, kAll, w.DistrictOpen);
  var("Transmissions", kSaved, kAny, kAll, w.Transmissions);
  var("TransNumber", kSaved, 0, 255, w.TransNumber);
  var("IncomingText", kSaved, kAny, kAll, w.IncomingText);

  // Records of the current district.
  var("SignList", kNotSaved, kAny, kAll, w.SignList);
  var("SignCount", kNotSaved, 0, kListSize - 1, w.SignCount);
  var("SwitchList", kNotSaved, kAny, kAll, w.SwitchList);
  var("SwitchCount", kNotSaved, 0, kListSize - 1, w.SwitchCount);

  // Inventory.
  var("Inventory", kSaved, kAny, kAll, w.Inventory);
  var("InvCount", kSaved, 0, 40, w.InvCount);
  var("InvFirst", kNotSaved, 0, 40, w.InvFirst);
  var("InvScrollFwd", kNotSaved, kAny, kAll, w.InvScrollFwd);
  var("InvScrollBack", kNotSaved, kAny, kAll, w.InvScrollBack);

  // Conversation and story control.
  var("TalkScene", kNotSaved, kAny, kAll, w.TalkScene);
  var("TalkFlag", kNotSaved, kAny, kAll, w.TalkFlag);
  var("TalkOpen", kNotSaved, kAny, kAll, w.TalkOpen);
  var("ScriptFlag1", kNotSaved, kAny, kAll, w.ScriptFlag1);
  var("ScriptFlag2", kNotSaved, kAny, kAll, w.ScriptFlag2);
  var("DestructPending", kNotSaved, kAny, kAll, w.DestructPending);
  var("InfoMode", kNotSaved, kAny, kAll, w.InfoMode);

  // Music.
  var("MusicTrack", kNotSaved, 0, 15, w.MusicTrack);
  var("TrackLength", kNotSaved, kAny, kAll, w.TrackLength);
  var("MusicSeconds", kNotSaved, kAny, kAll, w.MusicSeconds);
  var("TrackStartTime", kNotSaved, kAny, kAll, w.TrackStartTime);
  var("MusicRestart", kNotSaved, kAny, kAll, w.MusicRestart);
  var("TrackPlaying", kNotSaved, kAny, kAll, w.TrackPlaying);

  // Settings and run-wide values.
  var("SoundOn", kNotSaved, kAny, kAll, w.SoundOn);
  var("MusicOn", kNotSaved, kAny, kAll, w.MusicOn);
  var("MorseSoundOn", kNotSaved, kAny, kAll, w.MorseSoundOn);
  var("MouseWalkOn", kNotSaved, kAny, kAll, w.MouseWalkOn);
  var("FullScreen", kNotSaved, kAny, kAll, w.FullScreen);
  var("OrigWidth", kNotSaved, kAny, kAll, w.OrigWidth);
  var("OrigHeight", kNotSaved, kAny, kAll, w.OrigHeight);
  var("OrigBits", kNotSaved, kAny, kAll, w.OrigBits);
  var("OptionsFromTitle", kNotSaved, kAny, kAll, w.OptionsFromTitle);
  var("SaveLoadMode", kNotSaved, kAny, kAll, w.SaveLoadMode);
  var("SaveLoadOK", kNotSaved, kAny, kAll, w.SaveLoadOK);
  var("YNresult", kNotSaved, kAny, kAll, w.YNresult);
  var("YNresult2", kNotSaved, kAny, kAll, w.YNresult2);
  var("KeysUsed", kNotSaved, kAny, kAll, w.KeysUsed);
  var("PresentationShown", kNotSaved, kAny, kAll, w.PresentationShown);

  // The game screen's walking values.
  var("StepBlocked", kNotSaved, kAny, kAll, w.StepBlocked);
  var("WalkFrame", kNotSaved, 1, 6, w.WalkFrame);
  var("WalkDir", kNotSaved, 0, 4, w.WalkDir);
  var("StandShown", kNotSaved, kAny, kAll, w.StandShown);
  var("TargetX", kNotSaved, kAny, kAll, w.TargetX);
  var("TargetY", kNotSaved, kAny, kAll, w.TargetY);
  var("MouseLeg", kNotSaved, 0, 2, w.MouseLeg);
  var("HorizFirst", kNotSaved, kAny, kAll, w.HorizFirst);
  var("TargetRight", kNotSaved, kAny, kAll, w.TargetRight);
  var("TargetDown", kNotSaved, kAny, kAll, w.TargetDown);
}

}  // namespace vt
