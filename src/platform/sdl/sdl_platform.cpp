// The SDL2 window, input translation, display settings and the process lock.
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <thread>
#include <vector>

#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_pads.h"

namespace vt {
namespace {

struct WindowDestroyer {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct RendererDestroyer {
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
};
struct TextureDestroyer {
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
struct CursorFreer {
  void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
};
struct SurfaceFreer {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using WindowPtr = std::unique_ptr<SDL_Window, WindowDestroyer>;
using RendererPtr = std::unique_ptr<SDL_Renderer, RendererDestroyer>;
using TexturePtr = std::unique_ptr<SDL_Texture, TextureDestroyer>;
using CursorPtr = std::unique_ptr<SDL_Cursor, CursorFreer>;
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFreer>;

// Shown when SDL cannot tell (no display).
constexpr DisplayMode kFallbackMode = {640, 480, 32};
// How often a wait for input looks whether a track has finished loading.
constexpr int kMusicCheckMs = 10;

InputEvent MakeKey(InputEvent::Kind kind, int code, int shift) {
  InputEvent e;
  e.kind = kind;
  e.keyCode = code;
  e.shift = shift;
  return e;
}

InputEvent MakePress(char ch, int shift) {
  InputEvent e;
  e.kind = InputEvent::Kind::KeyPress;
  e.ch = ch;
  e.shift = shift;
  return e;
}

Rect ClipToCanvas(Rect view, const Surface& canvas) {
  const int x0 = std::max(view.x, 0);
  const int y0 = std::max(view.y, 0);
  const int x1 = std::min(view.x + view.w, canvas.Width());
  const int y1 = std::min(view.y + view.h, canvas.Height());
  if (x1 <= x0 || y1 <= y0) return {0, 0, 0, 0};
  return {x0, y0, x1 - x0, y1 - y0};
}

// An SDL picture of `picture` with the key colour see-through (pointers, the icon).
SdlSurfacePtr KeyedSurface(const Surface& picture) {
  SdlSurfacePtr image(SDL_CreateRGBSurfaceWithFormat(0, picture.Width(), picture.Height(), 32,
                                                     SDL_PIXELFORMAT_ARGB8888));
  if (!image || SDL_LockSurface(image.get()) != 0) return nullptr;
  for (int y = 0; y < picture.Height(); ++y) {
    auto* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(image->pixels) +
                                          static_cast<std::size_t>(y) * image->pitch);
    const Color* in = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x)
      out[x] = (in[x] & kRgbMask) == kKeyColor ? 0u : 0xFF000000u | in[x];
  }
  SDL_UnlockSurface(image.get());
  return image;
}

}  // namespace

struct SdlPlatform::Video {
  bool ready = false;
  std::string title;
  WindowPtr window;
  RendererPtr renderer;
  TexturePtr texture;
  int textureW = 0;
  int textureH = 0;
  bool rendererFailed = false;
  std::vector<CursorPtr> cursors;
  SdlSurfacePtr icon;  // put on the window when it opens

  // The last frame, kept to redraw after an expose or a resize.
  Surface frame;
  Rect view;
  bool haveFrame = false;
  Rect windowedSize;  // the view size the window was last sized to

  // The emulated display mode switch and the hidden taskbar.
  std::optional<DisplayMode> requested;
  bool switched = false;
  bool taskbarHidden = false;
  bool fullScreen = false;  // what the window currently is
  // The player's own choice by Alt+Enter; it stands until the game next asks
  // for a display change of its own.
  std::optional<bool> playerFullScreen;
  bool swallowEnterUp = false;  // the Enter of an Alt+Enter is not the game's

  // The game's pointer over the picture, the system's over the black bars.
  int pointer = -1;
  bool overPicture = true;

  int buttonsDown = 0;

  ~Video() {
    cursors.clear();
    texture.reset();
    renderer.reset();
    window.reset();
    if (ready) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  bool WantFullScreen() const { return playerFullScreen.value_or(switched || taskbarHidden); }

  void ShowPointer() {
    if (overPicture && pointer >= 0 && pointer < static_cast<int>(cursors.size()))
      SDL_SetCursor(cursors[static_cast<std::size_t>(pointer)].get());
    else
      SDL_SetCursor(SDL_GetDefaultCursor());
  }

  bool EnsureWindow(int w, int h) {
    if (window) return true;
    if (!ready) return false;
    fullScreen = WantFullScreen();
    const Uint32 flags = SDL_WINDOW_RESIZABLE | (fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    window.reset(SDL_CreateWindow(Cp1252ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED,
                                  SDL_WINDOWPOS_CENTERED, w, h, flags));
    if (!window) {
      std::fprintf(stderr, "veltrane: cannot open the window (%s)\n", SDL_GetError());
      ready = false;
      return false;
    }
    windowedSize = {0, 0, w, h};
    if (icon) SDL_SetWindowIcon(window.get(), icon.get());
    // SDL_RENDER_DRIVER from the environment picks the driver; software if none works.
    renderer.reset(SDL_CreateRenderer(window.get(), -1, 0));
    if (!renderer) renderer.reset(SDL_CreateRenderer(window.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer) {
      std::fprintf(stderr, "veltrane: cannot draw in the window (%s)\n", SDL_GetError());
      rendererFailed = true;
    }
    SDL_StartTextInput();
    return true;
  }

  bool EnsureTexture(int w, int h) {
    if (!renderer) return false;
    if (texture && textureW == w && textureH == h) return true;
    texture.reset(SDL_CreateTexture(renderer.get(), SDL_PIXELFORMAT_RGB888,
                                    SDL_TEXTUREACCESS_STREAMING, w, h));
    if (!texture) return false;
    SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeNearest);
    textureW = w;
    textureH = h;
    return true;
  }

  // The window in windowed mode is exactly the view, centred on the screen.
  void FitWindowToView() {
    if (!window || fullScreen) return;
    if (windowedSize.w == view.w && windowedSize.h == view.h) return;
    SDL_SetWindowSize(window.get(), view.w, view.h);
    SDL_SetWindowPosition(window.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    windowedSize = {0, 0, view.w, view.h};
  }

  void Redraw() {
    if (!haveFrame || !renderer || !EnsureTexture(frame.Width(), frame.Height())) return;
    const SDL_Rect src = {view.x, view.y, view.w, view.h};
    SDL_UpdateTexture(texture.get(), &src, frame.Row(view.y) + view.x, frame.Width() * 4);
    int outW = 0;
    int outH = 0;
    SDL_GetRendererOutputSize(renderer.get(), &outW, &outH);
    const Rect box = LetterboxRect(outW, outH, view.w, view.h);
    const SDL_Rect dst = {box.x, box.y, box.w, box.h};
    SDL_SetRenderDrawColor(renderer.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer.get());
    SDL_RenderCopy(renderer.get(), texture.get(), &src, &dst);
    SDL_RenderPresent(renderer.get());
  }

  void ApplyFullScreen() {
    const bool want = WantFullScreen();
    if (!window || want == fullScreen) return;
    if (want) {
      // Cover the screen first: a desktop without a window manager does not
      // resize a window that asks to be full screen, and would show a corner.
      SDL_Rect screen;
      if (SDL_GetDisplayBounds(0, &screen) == 0) {
        SDL_SetWindowPosition(window.get(), screen.x, screen.y);
        SDL_SetWindowSize(window.get(), screen.w, screen.h);
      }
    }
    SDL_SetWindowFullscreen(window.get(), want ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    fullScreen = want;
    if (!want && haveFrame) {
      windowedSize = {};
      FitWindowToView();
    }
    Redraw();
  }

  // Window pixels to canvas pixels through the letterbox.
  CanvasPoint ToCanvas(int wx, int wy) const {
    int winW = 0;
    int winH = 0;
    SDL_GetWindowSize(window.get(), &winW, &winH);
    return WindowToCanvas(wx, wy, LetterboxRect(winW, winH, view.w, view.h), view);
  }

  void TranslateMouse(const SDL_Event& e, std::deque<InputEvent>& out) {
    if (!window || !haveFrame) return;
    InputEvent m;
    m.shift = ShiftBits(SDL_GetModState());
    CanvasPoint p;
    if (e.type == SDL_MOUSEMOTION) {
      m.kind = InputEvent::Kind::MouseMove;
      p = ToCanvas(e.motion.x, e.motion.y);
      if (view.Contains(p.x, p.y) != overPicture) {
        overPicture = !overPicture;
        ShowPointer();
      }
      // Outside the picture only a held button follows the mouse.
      if (!view.Contains(p.x, p.y) && buttonsDown == 0) return;
    } else {
      if (e.button.button == SDL_BUTTON_LEFT)
        m.button = kLeftButton;
      else if (e.button.button == SDL_BUTTON_RIGHT)
        m.button = kRightButton;
      else
        return;
      p = ToCanvas(e.button.x, e.button.y);
      if (e.type == SDL_MOUSEBUTTONDOWN) {
        if (!view.Contains(p.x, p.y)) return;  // a click on the black bars
        m.kind = InputEvent::Kind::MouseDown;
        buttonsDown |= m.button;
      } else {
        m.kind = InputEvent::Kind::MouseUp;
        buttonsDown &= ~m.button;
      }
    }
    m.x = p.x;
    m.y = p.y;
    out.push_back(m);
  }

  void Translate(const SDL_Event& e, std::deque<InputEvent>& out) {
    switch (e.type) {
      case SDL_QUIT: {
        InputEvent q;
        q.kind = InputEvent::Kind::Quit;
        out.push_back(q);
        break;
      }
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const int code = WindowsKeyCode(e.key.keysym.sym);
        if (code == 0) break;
        const int shift = ShiftBits(e.key.keysym.mod);
        if (code == key::kEnter && e.type == SDL_KEYDOWN && (shift & kAltMask)) {
          // Alt+Enter switches between the window and full screen, at any time.
          if (!e.key.repeat) {
            playerFullScreen = !fullScreen;
            ApplyFullScreen();
          }
          swallowEnterUp = true;
          break;
        }
        if (code == key::kEnter && e.type == SDL_KEYUP && swallowEnterUp) {
          swallowEnterUp = false;
          break;
        }
        if (e.type == SDL_KEYUP) {
          out.push_back(MakeKey(InputEvent::Kind::KeyUp, code, shift));
          break;
        }
        // Repeats are key downs too, as on Windows.
        out.push_back(MakeKey(InputEvent::Kind::KeyDown, code, shift));
        // These keys type a character but send no text input.
        if (code == key::kEnter || code == key::kEscape || code == key::kBack)
          out.push_back(MakePress(static_cast<char>(code), shift));
        break;
      }
      case SDL_TEXTINPUT: {
        const int shift = ShiftBits(SDL_GetModState());
        for (char ch : Utf8ToCp1252(e.text.text)) out.push_back(MakePress(ch, shift));
        break;
      }
      case SDL_MOUSEMOTION:
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        TranslateMouse(e, out);
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
          Redraw();
        break;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        texture.reset();  // its pixels may be gone; Redraw uploads them again
        Redraw();
        break;
      default:
        break;
    }
  }
};

SdlPlatform::SdlPlatform(Media& media, std::string title)
    : media_(media), video_(std::make_unique<Video>()), sound_(std::make_unique<SdlSound>()) {
  video_->title = std::move(title);
  // Ctrl+C should end the program, not arrive as a window close it may ignore.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // When the software renderer draws (no graphics driver, or asked for), its
  // frames go to the window as they are: putting them through OpenGL first
  // loads a whole software GL driver (some 90 MB) to copy a picture.
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  // A click that activates the window also counts, as on Windows.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  video_->ready = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  if (!video_->ready) {
    std::fprintf(stderr, "veltrane: no display (%s)\n", SDL_GetError());
  } else if (const char* driver = SDL_GetCurrentVideoDriver();
             driver && SDL_strcmp(driver, "offscreen") == 0 && !SDL_GetHint(SDL_HINT_VIDEODRIVER)) {
    // SDL falls back to an invisible screen when there is none; nobody could play.
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    video_->ready = false;
    std::fprintf(stderr, "veltrane: no display to open a window on\n");
  }
  pads_ = std::make_unique<SdlPads>();
  startCounter_ = SDL_GetPerformanceCounter();
  counterFrequency_ = std::max<std::uint64_t>(1, SDL_GetPerformanceFrequency());
}

SdlPlatform::~SdlPlatform() {
  pads_.reset();
  sound_.reset();
  video_.reset();
  if (lockFd_ >= 0) close(lockFd_);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

bool SdlPlatform::VideoReady() const { return video_->ready; }

// --- Clock -----------------------------------------------------------------

std::uint64_t SdlPlatform::NowUs() {
  const std::uint64_t ticks = SDL_GetPerformanceCounter() - startCounter_;
  // Split so the multiplication cannot overflow.
  return ticks / counterFrequency_ * 1000000 +
         ticks % counterFrequency_ * 1000000 / counterFrequency_;
}

double SdlPlatform::SecondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
         static_cast<double>(micros < 0 ? micros + 1000000 : micros) / 1e6;
}

void SdlPlatform::Delay(std::uint64_t us) {
  const std::uint64_t end = NowUs() + us;
  for (std::uint64_t now = NowUs(); now < end; now = NowUs()) {
    // Pumping keeps the window responsive; the events stay in SDL's queue.
    if (video_->ready) SDL_PumpEvents();
    sound_->Update();
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::min<std::uint64_t>(end - now, 5000)));
  }
}

// --- Input -----------------------------------------------------------------

std::optional<InputEvent> SdlPlatform::Pop() {
  if (pending_.empty()) return std::nullopt;
  InputEvent e = pending_.front();
  pending_.pop_front();
  return e;
}

void SdlPlatform::Take(const SDL_Event& e) {
  if (!pads_->Translate(e, pending_)) video_->Translate(e, pending_);
}

bool SdlPlatform::Fill(int waitMs) {
  SDL_Event e;
  // A track loading in the background starts playing from here: look in on
  // it often enough that it starts within a frame of being ready.
  sound_->Update();
  if (sound_->MusicLoading()) waitMs = std::min(waitMs, kMusicCheckMs);
  if (waitMs > 0) {
    if (SDL_WaitEventTimeout(&e, waitMs)) Take(e);
  }
  while (pending_.empty() && SDL_PollEvent(&e)) Take(e);
  return !pending_.empty();
}

std::optional<InputEvent> SdlPlatform::WaitEvent(std::uint64_t deadlineUs) {
  for (;;) {
    if (!pending_.empty()) return Pop();
    if (!video_->ready) {
      // Nothing can ever arrive: ask the game to end rather than wait forever.
      InputEvent q;
      q.kind = InputEvent::Kind::Quit;
      return q;
    }
    const std::uint64_t now = NowUs();
    if (now >= deadlineUs) {
      Fill(0);
      return Pop();
    }
    const std::uint64_t remainingUs = deadlineUs - now;
    if (remainingUs >= 1000) {
      Fill(static_cast<int>(std::min<std::uint64_t>(remainingUs / 1000, INT_MAX)));
    } else if (!Fill(0)) {
      std::this_thread::sleep_for(std::chrono::microseconds(remainingUs));
    }
  }
}

std::optional<InputEvent> SdlPlatform::PollEvent() {
  if (pending_.empty() && !video_->ready) {
    InputEvent q;
    q.kind = InputEvent::Kind::Quit;
    return q;
  }
  if (pending_.empty()) Fill(0);
  return Pop();
}

// --- Screen ----------------------------------------------------------------

void SdlPlatform::Present(const Surface& canvas, Rect view) {
  const Rect shown = ClipToCanvas(view, canvas);
  if (shown.w == 0 || !video_->EnsureWindow(shown.w, shown.h)) return;
  // The loop presents on every turn; an unchanged frame need not travel to
  // the screen again (exposes redraw from the kept copy).
  const bool unchanged =
      video_->haveFrame && video_->view == shown && video_->frame.Width() == canvas.Width() &&
      video_->frame.Height() == canvas.Height() &&
      std::equal(canvas.Pixels().begin(), canvas.Pixels().end(), video_->frame.Pixels().begin());
  if (unchanged) return;
  video_->frame = canvas;
  video_->view = shown;
  video_->haveFrame = true;
  video_->FitWindowToView();
  video_->Redraw();
}

void SdlPlatform::SetTitle(const std::string& title) {
  video_->title = title;
  if (video_->window) SDL_SetWindowTitle(video_->window.get(), Cp1252ToUtf8(title).c_str());
}

void SdlPlatform::SetIcon(const Surface& picture) {
  if (!video_->ready || picture.Empty()) return;
  video_->icon = KeyedSurface(picture);
  if (video_->icon && video_->window) SDL_SetWindowIcon(video_->window.get(), video_->icon.get());
}

bool SdlPlatform::IsFullScreen() const { return video_->fullScreen; }

std::uint32_t SdlPlatform::WindowId() const {
  return video_->window ? SDL_GetWindowID(video_->window.get()) : 0;
}

// --- Display settings ------------------------------------------------------

DisplayMode SdlPlatform::CurrentDisplayMode() {
  // While "switched", the mode the game asked for is the current one, as it
  // would be after a real switch.
  if (video_->switched && video_->requested) return *video_->requested;
  SDL_DisplayMode mode;
  if (!video_->ready || SDL_GetDesktopDisplayMode(0, &mode) != 0) return kFallbackMode;
  return {mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format))};
}

std::optional<DisplayMode> SdlPlatform::EnumDisplayMode(int index) {
  SDL_DisplayMode mode;
  if (!video_->ready || index < 0 || index >= SDL_GetNumDisplayModes(0) ||
      SDL_GetDisplayMode(0, index, &mode) != 0)
    return std::nullopt;
  return DisplayMode{mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format))};
}

bool SdlPlatform::ChangeDisplayMode(const DisplayMode& mode) {
  // The desktop's real mode never changes: a different mode means full
  // screen with the canvas scaled up, the desktop's own mode means back.
  video_->switched = false;
  const DisplayMode desktop = CurrentDisplayMode();
  video_->switched = !(mode == desktop);
  video_->requested = mode;
  video_->playerFullScreen.reset();
  video_->ApplyFullScreen();
  return true;
}

void SdlPlatform::SetTaskbarVisible(bool visible) {
  video_->taskbarHidden = !visible;
  video_->playerFullScreen.reset();
  video_->ApplyFullScreen();
}

// --- Process and dialogs ---------------------------------------------------

bool SdlPlatform::AnotherCopyRunning() {
  if (lockFd_ >= 0) return false;  // we hold it already
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  const std::string dir = runtimeDir && *runtimeDir ? runtimeDir : "/tmp";
  const std::string path = dir + "/veltrane-" + std::to_string(getuid()) + ".lock";
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;  // no lock possible: better to run than to refuse
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    return held;
  }
  lockFd_ = fd;  // held until the process ends
  return false;
}

void SdlPlatform::MessageBox(const std::string& title, const std::string& text) {
  const std::string utf8Title = Cp1252ToUtf8(title);
  const std::string utf8Text = Cp1252ToUtf8(text);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, utf8Title.c_str(), utf8Text.c_str(),
                               video_->window.get()) != 0)
    std::fprintf(stderr, "%s: %s\n", utf8Title.c_str(), utf8Text.c_str());
}

// --- Mouse pointers --------------------------------------------------------

int SdlPlatform::CreatePointer(const Surface& picture, int hotX, int hotY) {
  if (!video_->ready || picture.Empty()) return -1;
  SdlSurfacePtr image = KeyedSurface(picture);
  if (!image) return -1;
  CursorPtr cursor(SDL_CreateColorCursor(image.get(), std::clamp(hotX, 0, picture.Width() - 1),
                                         std::clamp(hotY, 0, picture.Height() - 1)));
  if (!cursor) return -1;  // the dummy driver has no pointers
  video_->cursors.push_back(std::move(cursor));
  return static_cast<int>(video_->cursors.size()) - 1;
}

void SdlPlatform::SetPointer(int pointer) {
  if (!video_->ready) return;
  video_->pointer = pointer;
  video_->ShowPointer();
}

// --- Sound -----------------------------------------------------------------

void SdlPlatform::SendMusic(const MusicCommand& command) { sound_->SendMusic(command); }

void SdlPlatform::PlayWave(const std::string& /*name*/, const std::string& path, WaveMode mode) {
  sound_->PlayWave(path, mode);
}

}  // namespace vt
