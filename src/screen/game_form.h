// The game screen: the play surface with the hero, the game bar with the
// district and place captions and the inventory, the walking and music timers.
//
// How it works: SetScreen reads the current screen of the district file and
// composes it from the two tile strips into GameBox, keeping a clean copy in
// BG; from then on only the hero's 70 × 70 patch is redrawn as he walks. The
// walking tick moves him up to ten pixels a tick, asking the interaction
// script (CheckAhead) about every pixel. The music timer restarts a place's
// track when its length has run out.
//
// Files: game_form.cpp the layout and loading, game_input.cpp keys, mouse and
// pointers, walking.cpp the steps and the walking tick, screen_build.cpp
// SetScreen, new_game.cpp StartNewGame, place_music.cpp the place captions and
// their music.
#pragma once

#include <string>
#include <string_view>

#include "core/windows.h"
#include "platform/ui/form.h"
#include "world/vocabulary.h"

namespace vt {

class Game;

class GameForm : public Form, public GameScreen {
 public:
  explicit GameForm(Game& game);

  // Controls.
  PictureBox* GameBox = nullptr;
  PictureBox* GameBar = nullptr;
  Label* Zone = nullptr;
  Label* Location = nullptr;
  Label* InvLabel = nullptr;
  ControlArray<PictureBox> ObjectImage;  // 0 left arrow, 1-6 object places, 7 right arrow
  Label* InvSelect = nullptr;            // the selection frame
  ControlArray<Label> Label1;            // 0 "MENU", 1 "JUMP TO CAR"
  Timer* Timer1 = nullptr;               // walking
  Timer* MusicTimer = nullptr;

  // Where the window stands on the desktop, in twips (window mode centres it).
  int WindowLeft = 0;
  int WindowTop = 0;

  // GameScreen.
  Form& Window() override { return *this; }
  void SetScreen() override;
  void StartNewGame(GameStart start) override;
  std::string_view DistrictCaption() const override;
  std::string_view LocationCaption() const override;
  void SetPlaceCaptions(std::string_view district, std::string_view location) override;
  InventoryBar Bar() override { return {ObjectImage, InvSelect, InvLabel}; }
  void SetMusicTimer(bool on) override;

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  void GameBox_MouseDown(int button, int shift, int x, int y);
  void GameBox_MouseMove(int button, int shift, int x, int y);
  void Timer1_Timer();
  void MusicTimer_Timer();

  // The walking step: turns, starts a movement or performs the use gesture.
  void KeyStep(WalkKey key);

 protected:
  void Build() override;

 private:
  void UpdateLocation();
  void PlayTrack(int track, int seconds);
  bool AtEdge(Facing facing) const;
  bool Gate(int n) const;
  void OpenBarrierTalk(bool storyGate);
  void UseGesture(bool bareHands);
  void JumpToCar();
  void SetGameBoxPointer(std::string_view picture);
  void Walk(WalkKey key);
  void EndMouseWalk();

  Game& game_;
};

}  // namespace vt
