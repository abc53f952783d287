// The headless backend: virtual time, scripted input and recorded output.
#include "platform/headless/headless_platform.h"

#include <cmath>
#include <cstring>
#include <fstream>

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
  // Waiting for a sound takes its length of (virtual) time.
  if (mode == WaveMode::Wait) nowUs_ += WaveDurationUs(path);
}

std::uint64_t WaveDurationUs(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  char riff[12];
  if (!in.read(riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0)
    return 0;
  std::uint32_t byteRate = 0;
  // Walk the chunks: "fmt " gives the byte rate, "data" the length.
  for (int guard = 0; guard < 64; ++guard) {
    char header[8];
    if (!in.read(header, 8)) return 0;
    std::uint32_t size = 0;
    for (int i = 0; i < 4; ++i)
      size |= static_cast<std::uint32_t>(static_cast<unsigned char>(header[4 + i])) << (8 * i);
    if (std::memcmp(header, "fmt ", 4) == 0) {
      char fmt[16];
      if (size < 16 || !in.read(fmt, 16)) return 0;
      for (int i = 0; i < 4; ++i)
        byteRate |= static_cast<std::uint32_t>(static_cast<unsigned char>(fmt[8 + i])) << (8 * i);
      in.seekg(size - 16 + (size & 1), std::ios::cur);
    } else if (std::memcmp(header, "data", 4) == 0) {
      if (byteRate == 0) return 0;
      return static_cast<std::uint64_t>(size) * 1'000'000ULL / byteRate;
    } else {
      in.seekg(size + (size & 1), std::ios::cur);
    }
  }
  return 0;
}

}  // namespace vt
