// The introduction and the ending, step by step: what each advance changes in
// the cinematic window. The window runs these tables; the words are the
// story's own.
#pragma once

#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace vt {

// The window's places: the title card, and three picture + caption pairs
// (0 the centre, 1 the left speaker, 2 the right speaker).
struct StepAction {
  enum class Kind {
    Title,          // TitleLabel's text
    TitleColor,     // TitleLabel's text colour
    TitleEnd,       // TitleLabel set large and red for the last card
    Picture,        // a picture into place `place` at its design position; empty text empties it
    HidePicture,    // the centre picture hidden (kept loaded)
    CentrePicture,  // the centre picture centred, raised by `amount` twips
    Caption,        // the caption of place `place`
    CaptionColor,   // its text colour
    MoveCaption,    // the centre caption moved down by `amount` twips
    Effect,         // a named sound effect
  };
  Kind kind;
  int place = 0;
  std::string_view text;
  Color color = 0;
  int amount = 0;
};

using Step = std::vector<StepAction>;

inline constexpr Color kStoryWhite = Rgb(255, 255, 255);
inline constexpr Color kStoryLightRed = Rgb(255, 192, 192);
inline constexpr Color kStoryLightYellow = Rgb(255, 255, 192);
inline constexpr Color kStoryLightCyan = Rgb(192, 255, 255);
inline constexpr Color kStoryClosingRed = Rgb(255, 128, 128);
inline constexpr Color kStoryEndRed = Rgb(255, 0, 0);

// Steps 1 to 44 and 1 to 19, at index step - 1.
const std::vector<Step>& IntroSteps();
const std::vector<Step>& EndingSteps();

}  // namespace vt
