// The seam between the game and the machine. The game talks only to this
// interface; sdl/ implements it for a real window, headless/ for tests and the
// scripted runner. Nothing here knows anything about the game itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/surface.h"
#include "platform/text.h"

namespace vt {

// Key codes as Windows numbers them; the game's tables use these numbers.
namespace key {
constexpr int kBack = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kF1 = 112;
constexpr int kF2 = 113;
constexpr int kF3 = 114;
}  // namespace key

// Shift state bits, as the key and mouse events carry them.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Mouse buttons.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

struct InputEvent {
  enum class Kind { KeyDown, KeyUp, KeyPress, MouseDown, MouseUp, MouseMove, Quit };
  Kind kind = Kind::KeyDown;
  int keyCode = 0;  // KeyDown/KeyUp: Windows key code
  char ch = 0;      // KeyPress: the typed character (code page byte)
  int shift = 0;    // kShiftMask | kCtrlMask | kAltMask
  int button = 0;   // mouse events: kLeftButton or kRightButton (0 for moves)
  int x = 0;        // mouse events: canvas pixels
  int y = 0;
};

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// How the wave player plays an effect: return at once (cutting off what
// plays), block until the end, or repeat without cutting off a playing sound.
enum class WaveMode { Async, Wait, Loop };

// A command to the music device, the sequencer the game calls BGmusic: open a MIDI
// file on it, play what it holds, or close it.
struct MusicCommand {
  enum class Kind { Open, Play, Close };
  Kind kind = Kind::Close;
  std::string path;  // Open only; an empty path opens nothing

  // As the device's command language writes it ("open PATH type sequencer alias
  // BGmusic", "play BGmusic", "close BGmusic"), for the record.
  std::string Text() const {
    switch (kind) {
      case Kind::Open:
        return "open " + path + " type sequencer alias BGmusic";
      case Kind::Play:
        return "play BGmusic";
      case Kind::Close:
        break;
    }
    return "close BGmusic";
  }
};

class Platform {
 public:
  virtual ~Platform() = default;

  // --- Clock ---------------------------------------------------------------
  // Monotonic time in microseconds since the platform started.
  virtual std::uint64_t NowUs() = 0;
  // Local wall clock, seconds since midnight (with fractions).
  virtual double SecondsSinceMidnight() = 0;
  // Blocks the thread; input that arrives meanwhile stays queued.
  virtual void Delay(std::uint64_t us) = 0;

  // --- Input ---------------------------------------------------------------
  // The next input event, waiting until NowUs() reaches deadlineUs at most;
  // nullopt when the deadline passed first.
  virtual std::optional<InputEvent> WaitEvent(std::uint64_t deadlineUs) = 0;
  // The next event already queued, without waiting.
  virtual std::optional<InputEvent> PollEvent() = 0;

  // --- Screen --------------------------------------------------------------
  // Shows the part `view` of the 640 × 480 canvas: in a window of that size,
  // or scaled to the whole screen while full screen.
  virtual void Present(const Surface& canvas, Rect view) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // The window's icon (key colour see-through); a backend without one ignores it.
  virtual void SetIcon(const Surface& /*picture*/) {}
  // False when nobody looks at the frames (a headless run): the toolkit then
  // paints only when asked to, which keeps long virtual waits quick.
  virtual bool ShowsFrames() { return true; }

  // --- Display settings ----------------------------------------------------
  virtual DisplayMode CurrentDisplayMode() = 0;
  // Mode number 0, 1, 2, ...; nullopt past the last.
  virtual std::optional<DisplayMode> EnumDisplayMode(int index) = 0;
  // Switches the display mode; false when it could not.
  virtual bool ChangeDisplayMode(const DisplayMode& mode) = 0;
  virtual int ColorPlanes() = 0;
  // Horizontal logical resolution in pixels per inch.
  virtual int LogPixelsX() = 0;
  virtual void SetTaskbarVisible(bool visible) = 0;

  // --- Process and dialogs -------------------------------------------------
  // Takes the single-instance lock; true when another copy holds it.
  virtual bool AnotherCopyRunning() = 0;
  // A blocking message box with an OK button and the warning icon.
  virtual void MessageBox(const std::string& title, const std::string& text) = 0;

  // --- Mouse pointers ------------------------------------------------------
  // A pointer from a picture (key colour transparent); -1 when not possible.
  virtual int CreatePointer(const Surface& picture, int hotX, int hotY) = 0;
  // -1 selects the ordinary arrow.
  virtual void SetPointer(int pointer) = 0;

  // --- Pictures and text ---------------------------------------------------
  virtual std::optional<Surface> LoadPicture(const std::string& path) = 0;
  // Why the last LoadPicture gave nothing (see Media::LastPictureProblem).
  virtual std::string LastPictureProblem() { return {}; }
  virtual TextRenderer& Text() = 0;

  // --- Sound ---------------------------------------------------------------
  // The music device; failures (a path that opens nothing) are ignored.
  virtual void SendMusic(const MusicCommand& command) = 0;
  // Plays a wave file; `name` is the effect's name, kept for the record.
  virtual void PlayWave(const std::string& name, const std::string& path, WaveMode mode) = 0;
};

}  // namespace vt
