// The headless backend: virtual time, scripted input and recorded output.
#include "platform/headless/headless_platform.h"

#include <cmath>
#include <cstdio>

#include "platform/wave_file.h"

namespace vt {

HeadlessPlatform::HeadlessPlatform(Media& media) : media_(media) {
  // A plausible monitor: its own mode first, then the smaller classic ones.
  displayModes = {{640, 480, 32}, {800, 600, 32}, {1024, 768, 32}};
}

double HeadlessPlatform::SecondsSinceMidnight() {
  return std::fmod(midnightOffsetSeconds + static_cast<double>(nowUs_) / 1e6, 86400.0);
}

void HeadlessPlatform::PushKey(int keyCode, int shift) {
  InputEvent down;
  down.kind = InputEvent::Kind::KeyDown;
  down.keyCode = keyCode;
  down.shift = shift;
  Push(down);
  // Keys that type a character also deliver it, as a keyboard does.
  char ch = 0;
  if (keyCode == key::kEnter || keyCode == key::kEscape || keyCode == key::kBack ||
      keyCode == key::kSpace) {
    ch = static_cast<char>(keyCode);
  } else if (keyCode >= '0' && keyCode <= '9') {
    ch = static_cast<char>(keyCode);
  } else if (keyCode >= 'A' && keyCode <= 'Z') {
    ch = static_cast<char>((shift & kShiftMask) ? keyCode : keyCode - 'A' + 'a');
  }
  if (ch != 0) {
    InputEvent press;
    press.kind = InputEvent::Kind::KeyPress;
    press.ch = ch;
    press.shift = shift;
    Push(press);
  }
  InputEvent up = down;
  up.kind = InputEvent::Kind::KeyUp;
  Push(up);
}

void HeadlessPlatform::PushHold(int keyCode, int ms) {
  InputEvent down;
  down.kind = InputEvent::Kind::KeyDown;
  down.keyCode = keyCode;
  Push(down);
  PushWait(ms);
  InputEvent up = down;
  up.kind = InputEvent::Kind::KeyUp;
  Push(up);
}

void HeadlessPlatform::PushClick(int x, int y, int button, int shift) {
  InputEvent e;
  e.kind = InputEvent::Kind::MouseMove;
  e.x = x;
  e.y = y;
  e.shift = shift;
  Push(e);
  e.kind = InputEvent::Kind::MouseDown;
  e.button = button;
  Push(e);
  e.kind = InputEvent::Kind::MouseUp;
  Push(e);
}

void HeadlessPlatform::PushPad(PadButton button, bool down) {
  std::deque<InputEvent> events;
  pad_.Button(button, down, events);
  PushAll(events);
}

void HeadlessPlatform::PushStick(int x, int y) {
  std::deque<InputEvent> events;
  pad_.Stick(x, y, events);
  PushAll(events);
}

void HeadlessPlatform::PushPadGone() {
  std::deque<InputEvent> events;
  pad_.ReleaseAll(events);
  PushAll(events);
}

std::optional<InputEvent> HeadlessPlatform::WaitEvent(std::uint64_t deadlineUs) {
  while (true) {
    if (queue_.empty()) {
      if (feeder && feeder()) continue;
      throw ScriptEnded{};
    }
    Item& front = queue_.front();
    if (!front.isWait) {
      InputEvent e = front.event;
      queue_.pop_front();
      return e;
    }
    if (!waitStarted_) {
      waitStarted_ = true;
      waitUntilUs_ = nowUs_ + front.waitUs;
    }
    if (deadlineUs <= waitUntilUs_) {
      // A timer falls due inside the wait (or as it ends): let the game run it.
      if (deadlineUs > nowUs_) nowUs_ = deadlineUs;
      return std::nullopt;
    }
    if (waitUntilUs_ > nowUs_) nowUs_ = waitUntilUs_;
    waitStarted_ = false;
    queue_.pop_front();
  }
}

std::optional<InputEvent> HeadlessPlatform::PollEvent() {
  if (queue_.empty() || queue_.front().isWait) return std::nullopt;
  InputEvent e = queue_.front().event;
  queue_.pop_front();
  return e;
}

void HeadlessPlatform::Present(const Surface& canvas, Rect v) {
  ++presents;
  view = v;
  screen.Resize(v.w, v.h);
  Copy(screen, 0, 0, canvas, v.x, v.y, v.w, v.h);
}

std::optional<DisplayMode> HeadlessPlatform::EnumDisplayMode(int index) {
  if (index < 0 || index >= static_cast<int>(displayModes.size())) return std::nullopt;
  return displayModes[static_cast<std::size_t>(index)];
}

bool HeadlessPlatform::ChangeDisplayMode(const DisplayMode& mode) {
  displayLog.push_back("mode " + std::to_string(mode.width) + "x" + std::to_string(mode.height) +
                       "x" + std::to_string(mode.bitsPerPixel));
  display = mode;
  return true;
}

void HeadlessPlatform::SetTaskbarVisible(bool visible) {
  displayLog.push_back(visible ? "taskbar show" : "taskbar hide");
  taskbarVisible = visible;
}

void HeadlessPlatform::MessageBox(const std::string& boxTitle, const std::string& text) {
  messages.push_back({boxTitle, text});
}

int HeadlessPlatform::CreatePointer(const Surface& picture, int, int) {
  return picture.Empty() ? -1 : pointers_++;
}

std::optional<Surface> HeadlessPlatform::LoadPicture(const std::string& path) {
  return media_.LoadPicture(path);
}

void HeadlessPlatform::PlayWave(const std::string& name, const std::string& path, WaveMode mode) {
  effects.push_back({name, path, mode});
  auto known = effectWaits_.find(path);
  if (known == effectWaits_.end()) {
    const WaveRead read = ReadWave(path);
    if (!read.sound) {
      effectProblems.push_back(EffectProblemLine(path, read.problem));
      std::fprintf(stderr, "%s\n", effectProblems.back().c_str());
    }
    known =
        effectWaits_.emplace(path, read.sound ? std::optional(read.sound->WaitUs()) : std::nullopt)
            .first;
  }
  // Waiting for a sound takes its length of (virtual) time, up to the cap.
  if (mode == WaveMode::Wait && known->second) nowUs_ += *known->second;
}

}  // namespace vt
