// The cinematic window: what is watched rather than played.
//
// How it works: the caller stores a sequence number in InfoMode and shows the
// window; loading reads it and runs that sequence. The very first showing in a
// run is the start-up presentation whatever InfoMode says: the presenter's
// name tapped out in Morse on a telegram, then the title screen. The
// introduction and the ending move one step per advance (a click anywhere on
// the window, Enter, Space or Esc), so the player reads at their own pace; the
// help and credits pages are single pictures that close on the first advance.
#pragma once

#include <string>
#include <vector>

#include "cinematics/story_steps.h"
#include "platform/ui/form.h"

namespace vt {

class Game;

// What InfoMode asks the window to show.
namespace info {
inline constexpr int kHowToPlay = 2;
inline constexpr int kIntroduction = 3;
inline constexpr int kPresentation = 4;
inline constexpr int kEnding = 5;
inline constexpr int kCredits = 7;
}  // namespace info

// The presenter's line, spelled in Morse at start-up.
inline constexpr const char* kPresenterLine = "HERON WORKS";

class InfoForm : public Form {
 public:
  explicit InfoForm(Game& game);

  // Controls.
  Label* TitleLabel = nullptr;
  ControlArray<PictureBox> Image1;  // 0 centre, 1 left speaker, 2 right speaker
  ControlArray<Label> Label1;       // their captions

  // The sequence shown (fixed for the whole showing) and the step on the
  // screen (0 before the first).
  int Sequence() const { return sequence_; }
  int StepShown() const;
  // The presentation's lettering so far, a line for each line on the telegram.
  std::string Printed() const;

  void AdvanceSequence();

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Click() override;
  void Paint(Surface& canvas, TextRenderer& text) const override;

 protected:
  void Build() override;

 private:
  bool PlayStep(const std::vector<Step>& steps, int& next);
  void PlayIntroStep();
  void PlayEndingStep();
  void PlayPresentation();
  void Print(int xTwips, int yTwips, Color color, char c);
  void RunStep(const Step& step);
  void PlaceCentrePicture(std::string_view file, int liftTwips);

  struct Letter {
    int x;
    int y;
    Color color;
    char c;
  };

  Game& game_;
  int sequence_ = 0;
  int introStep_ = 1;   // the next step of the introduction
  int endingStep_ = 1;  // the next step of the ending
  std::vector<Letter> printed_;
};

}  // namespace vt
