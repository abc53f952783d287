// How the windows reach each other. In the game one window opens another
// directly (the game screen opens a conversation, a conversation opens the
// map, the menu opens the save/load window); here each of them asks through
// this one interface, which the shell implements and owns, so a window's
// library never depends on another window's.
#pragma once

#include <string_view>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace vt {

struct SignRecord;

// The game bar's inventory controls, as the inventory actions draw on them.
// Valid while the game screen stays loaded.
struct InventoryBar {
  ControlArray<PictureBox>& ObjectImage;  // 0 left arrow, 1-6 object places, 7 right arrow
  Label* InvSelect;                       // the selection frame
  Label* InvLabel;                        // the selected object's name
};

// How a game starts: afresh, or ready for a saved game to be put in.
enum class GameStart { New, Load };

// The two questions asked before the running game is thrown away.
enum class Question { NewGame, Exit };

// The game screen as the other windows see it.
class GameScreen {
 public:
  virtual ~GameScreen() = default;
  virtual Form& Window() = 0;
  // Resets the game screen and the world for a game; a new game also builds
  // its first screen and opens the briefing.
  virtual void StartNewGame(GameStart start) = 0;
  // Builds the current screen from its district file and draws the hero.
  virtual void SetScreen() = 0;
  // The district's and the place's captions in the game bar.
  virtual std::string_view DistrictCaption() const = 0;
  virtual std::string_view LocationCaption() const = 0;
  virtual void SetPlaceCaptions(std::string_view district, std::string_view location) = 0;
  virtual InventoryBar Bar() = 0;
  // The music timer: on, it starts afresh (its next tick plays the place's track
  // from the beginning); off, it stops.
  virtual void SetMusicTimer(bool on) = 0;
};

// Every window one window may open.
class Windows {
 public:
  virtual ~Windows() = default;

  virtual GameScreen& Screen() = 0;
  // The conversation TalkScene, modally over the game screen.
  virtual void ShowTalk() = 0;
  // The communication unit, modally.
  virtual void ShowMorse() = 0;
  // The city map, modally; `backTo` captions its first district label.
  virtual void ShowMap(std::string_view backTo) = 0;
  virtual void ShowGameMenu() = 0;
  virtual void HideGameMenu() = 0;
  // The save/load window in the mode SaveLoadMode gives.
  virtual void ShowSaveLoad() = 0;
  virtual void ShowOptions() = 0;
  // The cinematic window for InfoMode: modally, or without waiting (the ending).
  virtual void ShowCinematic(bool modal) = 0;
  // The title screen, without waiting.
  virtual void ShowTitle() = 0;
  // A yes/no question before the game is thrown away, modally; true for yes.
  virtual bool AskYesNo(Question question) = 0;
  // The sign viewer as the game's message box, over `owner` (the game screen
  // when none is given).
  virtual void ShowSign(std::string_view picture, std::string_view line1, std::string_view line2,
                        const Form* owner = nullptr) = 0;
  // A sign the hero reads.
  virtual void ShowSignRecord(const SignRecord& sign) = 0;
};

}  // namespace vt
