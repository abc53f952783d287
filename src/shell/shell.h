// The running program: the shared game services and every window, and the
// one place where a window is asked to open another.
//
// Start, run, stop: the start-up window checks the machine and lets the player
// choose window or full screen; the cinematic window takes over; every way out
// ends in ExitGame, which puts the display back and ends the program.
#pragma once

#include <string>
#include <string_view>

#include "cinematics/info_form.h"
#include "citymap/map_form.h"
#include "core/game.h"
#include "core/windows.h"
#include "dialogue/talk_form.h"
#include "interaction/sign_form.h"
#include "options/options_form.h"
#include "options/yes_no_form.h"
#include "savegame/sl_form.h"
#include "screen/game_form.h"
#include "shell/game_menu.h"
#include "shell/mode_form.h"
#include "shell/title_form.h"
#include "transmission/morse_form.h"

namespace vt {

class Shell final : public Windows {
 public:
  // `folder` is the program's folder, which holds every data file.
  Shell(Platform& platform, std::string folder);
  ~Shell() override;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // Shows the start-up window and runs until the program ends. Returns the exit status.
  int Run();

  Game game;

  // Windows.
  Mode mode;
  InfoForm infoForm;
  GameForm gameForm;
  SignForm signForm;
  TalkForm talkForm;
  MorseForm morseForm;
  MapForm mapForm;
  Big big;
  Menu menu;
  SLform slForm;
  OptionsForm optionsForm;
  YesNoForm YNform;
  YesNoForm YNform2;

  GameScreen& Screen() override { return gameForm; }
  void ShowTalk() override;
  void ShowMorse() override;
  void ShowMap(std::string_view backTo) override;
  void ShowGameMenu() override;
  void HideGameMenu() override;
  void ShowSaveLoad() override;
  void ShowOptions() override;
  void ShowCinematic(bool modal) override;
  void ShowTitle() override;
  bool AskYesNo(Question question) override;
  void ShowSign(std::string_view picture, std::string_view line1, std::string_view line2,
                const Form* owner) override;
  void ShowSignRecord(const SignRecord& sign) override;

 private:
  // The window a new window opens over: the one on top.
  const Form& Owner() const;
};

}  // namespace vt
