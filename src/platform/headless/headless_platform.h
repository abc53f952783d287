// The test backend: a virtual clock, scripted input, an in-memory screen, a
// fake display and a record of every sound and music command.
//
// Input comes from a queue of events and waits. When the game waits for input
// and the queue is empty, the feeder (if any) is asked for more script; when
// there is none, WaitEvent throws ScriptEnded, so a test never hangs on a
// window that waits for a key nobody will press.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/media.h"
#include "platform/pad_keys.h"
#include "platform/platform.h"

namespace vt {

// The script ran out while the program was waiting for input.
struct ScriptEnded {};

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(Media& media);

  // --- What a test sets up -------------------------------------------------
  DisplayMode display{1024, 768, 24};
  std::vector<DisplayMode> displayModes;  // what EnumDisplayMode lists; see constructor
  int colorPlanes = 1;
  int logPixelsX = 96;
  bool anotherCopy = false;
  double midnightOffsetSeconds = 12 * 3600;  // wall clock at virtual time 0
  bool framesWanted = false;                 // paint on every turn of the loop

  void Push(const InputEvent& event) { queue_.push_back({event, 0, false}); }
  void PushKey(int keyCode, int shift = 0);  // down, press (for typing keys) and up
  void PushHold(int keyCode, int ms);        // down, `ms` of virtual time, up
  void PushClick(int x, int y, int button = kLeftButton, int shift = 0);
  // A gamepad's button, left stick or unplugging, as the keys they stand for.
  void PushPad(PadButton button, bool down);
  void PushStick(int x, int y);
  void PushPadGone();
  // Lets `ms` of virtual time pass (timers run) before the next queued event.
  void PushWait(int ms) { queue_.push_back({{}, static_cast<std::uint64_t>(ms) * 1000, true}); }
  bool QueueEmpty() const { return queue_.empty(); }
  // Asked for more input when the queue runs dry; returns false at the script's end.
  std::function<bool()> feeder;

  // --- What a test reads back ----------------------------------------------
  struct Effect {
    std::string name;
    std::string path;
    WaveMode mode;
  };
  std::vector<Effect> effects;
  // Effect files that could not be played, each reported once (also on
  // standard error), as the real backend reports them.
  std::vector<std::string> effectProblems;
  std::vector<std::string> musicCommands;
  struct Message {
    std::string title;
    std::string text;
  };
  std::vector<Message> messages;
  std::vector<std::string> displayLog;  // "mode WxHxB", "taskbar hide", "taskbar show"
  bool taskbarVisible = true;
  std::string title;
  int iconWidth = 0;  // the window icon's width; 0 while none was set
  int pointer = -1;
  int presents = 0;
  Surface screen;  // the last presented view of the canvas
  Rect view;

  // --- Platform ------------------------------------------------------------
  std::uint64_t NowUs() override { return nowUs_; }
  double SecondsSinceMidnight() override;
  void Delay(std::uint64_t us) override { nowUs_ += us; }
  std::optional<InputEvent> WaitEvent(std::uint64_t deadlineUs) override;
  std::optional<InputEvent> PollEvent() override;
  void Present(const Surface& canvas, Rect view) override;
  void SetTitle(const std::string& text) override { title = text; }
  void SetIcon(const Surface& picture) override { iconWidth = picture.Width(); }
  bool ShowsFrames() override { return framesWanted; }
  DisplayMode CurrentDisplayMode() override { return display; }
  std::optional<DisplayMode> EnumDisplayMode(int index) override;
  bool ChangeDisplayMode(const DisplayMode& mode) override;
  int ColorPlanes() override { return colorPlanes; }
  int LogPixelsX() override { return logPixelsX; }
  void SetTaskbarVisible(bool visible) override;
  bool AnotherCopyRunning() override { return anotherCopy; }
  void MessageBox(const std::string& title, const std::string& text) override;
  int CreatePointer(const Surface& picture, int hotX, int hotY) override;
  void SetPointer(int id) override { pointer = id; }
  std::optional<Surface> LoadPicture(const std::string& path) override;
  std::string LastPictureProblem() override { return media_.LastPictureProblem(); }
  TextRenderer& Text() override { return media_.Text(); }
  void SendMusic(const MusicCommand& command) override { musicCommands.push_back(command.Text()); }
  void PlayWave(const std::string& name, const std::string& path, WaveMode mode) override;

 private:
  struct Item {
    InputEvent event;
    std::uint64_t waitUs;
    bool isWait;
  };
  void PushAll(std::deque<InputEvent>& events) {
    for (const InputEvent& e : events) Push(e);
  }
  Media& media_;
  std::deque<Item> queue_;
  PadKeys pad_;
  std::uint64_t nowUs_ = 0;
  std::uint64_t waitUntilUs_ = 0;  // end of the wait at the queue's front, once started
  bool waitStarted_ = false;
  int pointers_ = 0;
  // How long a wait for each effect file lasts, worked out on first use
  // exactly as the real backend does; nullopt for a file that cannot play.
  std::map<std::string, std::optional<std::uint64_t>> effectWaits_;
};

}  // namespace vt
