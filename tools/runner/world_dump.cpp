// Turns every world variable into JSON under its own name.
#include "world_dump.h"

#include <array>
#include <cstddef>
#include <string>
#include <type_traits>

#include "platform/text.h"

namespace vt {
namespace {

Json ToJson(bool flag) { return Json(flag); }
Json ToJson(const std::string& text) { return Json(Cp1252ToUtf8(text)); }

template <typename T>
requires std::is_arithmetic_v<T> Json ToJson(T number) { return Json(static_cast<double>(number)); }

template <typename T, std::size_t N>
Json ToJson(const std::array<T, N>& items) {
  Json::Array out;
  out.reserve(N);
  for (const auto& item : items) out.push_back(ToJson(item));
  return Json(std::move(out));
}

}  // namespace

Json DumpWorld(const WorldState& w) {
  Json::Object out;
  out.reserve(96);
  // The stringised member keeps each key spelled exactly as the field.
#define VT_DUMP(field) out.emplace_back(#field, ToJson(w.field))
  VT_DUMP(District);
  VT_DUMP(ScreenRow);
  VT_DUMP(ScreenCol);
  VT_DUMP(DistrictWidth);
  VT_DUMP(DistrictHeight);
  VT_DUMP(HeroX);
  VT_DUMP(HeroY);
  VT_DUMP(HeroFacing);

  VT_DUMP(BackTiles);
  VT_DUMP(FrontTiles);

  VT_DUMP(CellChanged);
  VT_DUMP(StoryFlags);
  VT_DUMP(DistrictOpen);
  VT_DUMP(Transmissions);
  VT_DUMP(TransNumber);
  VT_DUMP(IncomingText);

  VT_DUMP(SignList);
  VT_DUMP(SignCount);
  VT_DUMP(SwitchList);
  VT_DUMP(SwitchCount);

  VT_DUMP(Inventory);
  VT_DUMP(InvCount);
  VT_DUMP(InvFirst);
  VT_DUMP(InvScrollFwd);
  VT_DUMP(InvScrollBack);

  VT_DUMP(TalkScene);
  VT_DUMP(TalkFlag);
  VT_DUMP(TalkOpen);
  VT_DUMP(ScriptFlag1);
  VT_DUMP(ScriptFlag2);
  VT_DUMP(DestructPending);
  VT_DUMP(InfoMode);

  VT_DUMP(MusicTrack);
  VT_DUMP(TrackLength);
  VT_DUMP(MusicSeconds);
  VT_DUMP(TrackStartTime);
  VT_DUMP(MusicRestart);
  VT_DUMP(TrackPlaying);

  VT_DUMP(SoundOn);
  VT_DUMP(MusicOn);
  VT_DUMP(MorseSoundOn);
  VT_DUMP(MouseWalkOn);
  VT_DUMP(FullScreen);
  VT_DUMP(OrigWidth);
  VT_DUMP(OrigHeight);
  VT_DUMP(OrigBits);
  VT_DUMP(OptionsFromTitle);
  VT_DUMP(SaveLoadMode);
  VT_DUMP(SaveLoadOK);
  VT_DUMP(YNresult);
  VT_DUMP(YNresult2);
  VT_DUMP(KeysUsed);
  VT_DUMP(PresentationShown);

  VT_DUMP(StepBlocked);
  VT_DUMP(WalkFrame);
  VT_DUMP(WalkDir);
  VT_DUMP(StandShown);
  VT_DUMP(TargetX);
  VT_DUMP(TargetY);
  VT_DUMP(MouseLeg);
  VT_DUMP(HorizFirst);
  VT_DUMP(TargetRight);
  VT_DUMP(TargetDown);
#undef VT_DUMP
  return Json(std::move(out));
}

}  // namespace vt
