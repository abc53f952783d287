// The real backend: an SDL2 window showing the canvas, keyboard and mouse,
// display settings, the single-instance lock, pointers, message boxes and sound.
// The window opens on the first Present, so start-up checks run before it shows.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "platform/media.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_sound.h"

union SDL_Event;

namespace vt {

class SdlPads;

class SdlPlatform : public Platform {
 public:
  // `media` must outlive the platform; `title` is the window's first title
  // (Windows-1252).
  SdlPlatform(Media& media, std::string title);
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  // False when SDL's video could not start (no display): the window, pointers
  // and display modes are then unavailable and WaitEvent reports Quit.
  bool VideoReady() const;

  std::uint64_t NowUs() override;
  double SecondsSinceMidnight() override;
  void Delay(std::uint64_t us) override;

  std::optional<InputEvent> WaitEvent(std::uint64_t deadlineUs) override;
  std::optional<InputEvent> PollEvent() override;

  void Present(const Surface& canvas, Rect view) override;
  void SetTitle(const std::string& title) override;
  void SetIcon(const Surface& picture) override;
  // Whether the window is full screen now (the game's wish or the player's Alt+Enter),
  // and its SDL window id (0 before the first frame), for tests and tools.
  bool IsFullScreen() const;
  std::uint32_t WindowId() const;

  DisplayMode CurrentDisplayMode() override;
  std::optional<DisplayMode> EnumDisplayMode(int index) override;
  bool ChangeDisplayMode(const DisplayMode& mode) override;
  int ColorPlanes() override { return 1; }
  int LogPixelsX() override { return 96; }  // the canvas is fixed, whatever the screen
  void SetTaskbarVisible(bool visible) override;

  bool AnotherCopyRunning() override;
  void MessageBox(const std::string& title, const std::string& text) override;

  int CreatePointer(const Surface& picture, int hotX, int hotY) override;
  void SetPointer(int pointer) override;

  std::optional<Surface> LoadPicture(const std::string& path) override {
    return media_.LoadPicture(path);
  }
  std::string LastPictureProblem() override { return media_.LastPictureProblem(); }
  TextRenderer& Text() override { return media_.Text(); }

  void SendMusic(const MusicCommand& command) override;
  void PlayWave(const std::string& name, const std::string& path, WaveMode mode) override;

 private:
  struct Video;
  // Turns one SDL event into the game's input (the pads' or the window's).
  void Take(const SDL_Event& e);
  // Pulls SDL events into pending_: everything already queued (waitMs 0) or
  // the first event within waitMs; true when pending_ has something.
  bool Fill(int waitMs);
  std::optional<InputEvent> Pop();

  Media& media_;
  std::unique_ptr<Video> video_;
  std::unique_ptr<SdlSound> sound_;
  std::unique_ptr<SdlPads> pads_;
  std::deque<InputEvent> pending_;
  std::uint64_t startCounter_ = 0;
  std::uint64_t counterFrequency_ = 1;
  int lockFd_ = -1;
  bool lockTaken_ = false;
};

}  // namespace vt
