// The random player: weighted input, the invariants after every one.
#include "tools/monkey/monkey.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_media.h"
#include "savegame/save_load.h"
#include "shell/shell.h"
#include "tools/monkey/invariants.h"

namespace vt {

namespace {

// Peak resident memory of this process so far, in kB (Linux).
long PeakKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

struct Broken {};

class Monkey {
 public:
  Monkey(const MonkeyOptions& options, std::ostream& log)
      : options_(options), log_(log), random_(options.seed) {}

  MonkeyResult Run() {
    const auto start = std::chrono::steady_clock::now();
    MakeEmptySlots(options_.savesFolder);
    for (const auto& [slot, file] : options_.slotFiles)
      std::filesystem::copy_file(file, options_.savesFolder + "/" + SlotFileName(slot - 1),
                                 std::filesystem::copy_options::overwrite_existing);
    SdlMedia media;
    while (result_.inputs < options_.inputs && result_.broken.empty()) {
      // A program ended by EXIT starts again, as a player would start it again.
      HeadlessPlatform platform(media);
      Shell shell(platform, options_.dataFolder);
      shell.game.savesFolder = options_.savesFolder;
      platform.feeder = [&] { return Feed(shell.game, platform); };
      ++result_.programRuns;
      try {
        shell.Run();
      } catch (const ScriptEnded&) {
      }
    }
    result_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result_.peakKbEnd = PeakKb();
    return result_;
  }

 private:
  // Called whenever the game waits and nothing is queued: check, then one more input.
  bool Feed(const Game& game, HeadlessPlatform& platform) {
    if (std::string broken = invariants_.Check(game, platform); !broken.empty()) {
      result_.broken = broken;
      return false;
    }
    if (result_.inputs >= options_.inputs) return false;
    ++result_.inputs;
    if (result_.inputs == 1000) result_.peakKbEarly = PeakKb();
    if (options_.reportEvery > 0 && result_.inputs % options_.reportEvery == 0)
      log_ << result_.inputs << " inputs, peak " << PeakKb() << " kB\n";
    const std::string input = GiveInput(game, platform);
    result_.lastInputs.push_back(std::to_string(result_.inputs) + ": " + input);
    if (result_.lastInputs.size() > 30) result_.lastInputs.pop_front();
    return true;
  }

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <class T>
  const T& OneOf(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
  }

  // One input, chosen by weight; returns it in words for the failure report.
  std::string GiveInput(const Game& game, HeadlessPlatform& platform) {
    const int roll = Between(1, 100);
    if (roll <= 30) return Walk(platform);
    if (roll <= 40) return Key(platform, key::kSpace, "Space");
    if (roll <= 44) return Key(platform, key::kControl, "Ctrl");
    if (roll <= 51) return Key(platform, key::kEnter, "Enter");
    if (roll <= 56) return Key(platform, key::kEscape, "Esc");
    if (roll <= 58) return Key(platform, key::kTab, "Tab");
    if (roll <= 65) return Letter(platform);
    if (roll <= 80) return ClickControl(game, platform);
    if (roll <= 88) return ClickAnywhere(platform);
    if (roll <= 91) return Move(platform);
    if (roll <= 92) return Key(platform, OneOf<int>({key::kF1, key::kF2, key::kF3}), "F key");
    if (roll <= 93) return Quit(platform);
    if (roll <= 96) return Pad(platform);
    const int ms = Between(55, 5000);
    platform.PushWait(ms);
    return "wait " + std::to_string(ms);
  }

  std::string Walk(HeadlessPlatform& platform) {
    const int code = OneOf<int>({key::kLeft, key::kRight, key::kUp, key::kDown});
    const int ms = Between(55, 2500);
    platform.PushHold(code, ms);
    return "walk key " + std::to_string(code) + " for " + std::to_string(ms) + " ms";
  }

  std::string Key(HeadlessPlatform& platform, int code, const std::string& name) {
    platform.PushKey(code, Between(1, 20) == 1 ? kShiftMask : 0);
    platform.PushWait(Between(0, 400));
    return "key " + name;
  }

  // The keys the windows listen to by letter or digit (G, S, J, Y, N, 1-5), and others.
  std::string Letter(HeadlessPlatform& platform) {
    static const std::string keys = "GSJYN12345GSJYN12345ABCDEFHIKLMOPQRTUVWXZ06789";
    const char ch = keys[static_cast<std::size_t>(Between(0, static_cast<int>(keys.size()) - 1))];
    return Key(platform, ch, std::string(1, ch));
  }

  // A click on one of the top window's visible controls, where players click most.
  std::string ClickControl(const Game& game, HeadlessPlatform& platform) {
    const Form* form = game.ui.ActiveForm();
    std::vector<const Control*> controls;
    if (form)
      for (const auto& control : form->Controls())
        if (control->Visible) controls.push_back(control.get());
    if (controls.empty()) return ClickAnywhere(platform);
    const Control& c = *OneOf(controls);
    const int x = form->Bounds.x + c.Bounds.x + Between(0, std::max(0, c.Bounds.w - 1));
    const int y = form->Bounds.y + c.Bounds.y + Between(0, std::max(0, c.Bounds.h - 1));
    platform.PushClick(x, y);
    platform.PushWait(Between(0, 400));
    return form->Name() + "." + c.Key() + " clicked at (" + std::to_string(x) + ", " +
           std::to_string(y) + ")";
  }

  std::string ClickAnywhere(HeadlessPlatform& platform) {
    const int x = Between(0, 639);
    const int y = Between(0, 479);
    const int button = Between(1, 6) == 1 ? kRightButton : kLeftButton;
    platform.PushClick(x, y, button);
    platform.PushWait(Between(0, 1500));
    return "click (" + std::to_string(x) + ", " + std::to_string(y) + ") button " +
           std::to_string(button);
  }

  std::string Move(HeadlessPlatform& platform) {
    InputEvent move;
    move.kind = InputEvent::Kind::MouseMove;
    move.x = Between(0, 639);
    move.y = Between(0, 479);
    platform.Push(move);
    return "move (" + std::to_string(move.x) + ", " + std::to_string(move.y) + ")";
  }

  // A gamepad: a button held a while, the stick pushed somewhere (left there now
  // and then), or the pad pulled out.
  std::string Pad(HeadlessPlatform& platform) {
    const int roll = Between(1, 10);
    if (roll <= 6) {
      const int button = Between(0, static_cast<int>(PadButton::Count) - 1);
      platform.PushPad(static_cast<PadButton>(button), true);
      platform.PushWait(Between(0, 600));
      platform.PushPad(static_cast<PadButton>(button), false);
      return "pad button " + std::to_string(button);
    }
    if (roll <= 9) {
      const int x = Between(-32768, 32767);
      const int y = Between(-32768, 32767);
      const int ms = Between(55, 1500);
      platform.PushStick(x, y);
      platform.PushWait(ms);
      const bool recentred = Between(1, 3) > 1;
      if (recentred) platform.PushStick(0, 0);
      return "stick (" + std::to_string(x) + ", " + std::to_string(y) + ") for " +
             std::to_string(ms) + " ms" + (recentred ? "" : ", left there");
    }
    platform.PushPadGone();
    return "pad pulled out";
  }

  // The window's close box.
  std::string Quit(HeadlessPlatform& platform) {
    InputEvent quit;
    quit.kind = InputEvent::Kind::Quit;
    platform.Push(quit);
    return "close box";
  }

  const MonkeyOptions& options_;
  std::ostream& log_;
  std::mt19937_64 random_;
  Invariants invariants_;
  MonkeyResult result_;
};

}  // namespace

MonkeyResult RunMonkey(const MonkeyOptions& options, std::ostream& log) {
  return Monkey(options, log).Run();
}

}  // namespace vt
