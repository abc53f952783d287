// The SDL backend without a display: pictures, fonts, key and mouse mapping,
// the process lock, display-mode emulation and the sound player.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_media.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/sdl_text.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

// SDL key numbers: printable keys are their character, the others are
// their scancode with bit 30 set.
constexpr int Scancode(int s) { return s | (1 << 30); }
constexpr int kSdlF1 = Scancode(58);
constexpr int kSdlF12 = Scancode(69);
constexpr int kSdlInsert = Scancode(73);
constexpr int kSdlHome = Scancode(74);
constexpr int kSdlPageUp = Scancode(75);
constexpr int kSdlEnd = Scancode(77);
constexpr int kSdlPageDown = Scancode(78);
constexpr int kSdlRight = Scancode(79);
constexpr int kSdlLeft = Scancode(80);
constexpr int kSdlDown = Scancode(81);
constexpr int kSdlUp = Scancode(82);
constexpr int kSdlKeypadEnter = Scancode(88);
constexpr int kSdlLeftCtrl = Scancode(224);
constexpr int kSdlLeftShift = Scancode(225);
constexpr int kSdlRightShift = Scancode(229);
constexpr int kSdlRightCtrl = Scancode(228);

class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Never open a real window or sound card from the tests.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    dir_ = fs::temp_directory_path() /
           ("veltrane-sdl-test-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  void WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  fs::path dir_;
};

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A mono 16-bit tone of `ms` milliseconds.
std::vector<std::uint8_t> ToneWav(int ms) {
  const std::uint32_t rate = 22050;
  const std::uint32_t samples = rate * ms / 1000;
  std::vector<std::uint8_t> w = {'R', 'I', 'F', 'F'};
  PutLe(w, 36 + samples * 2, 4);
  for (char c : std::string("WAVEfmt ")) w.push_back(static_cast<std::uint8_t>(c));
  PutLe(w, 16, 4);
  PutLe(w, 1, 2);  // PCM
  PutLe(w, 1, 2);  // mono
  PutLe(w, rate, 4);
  PutLe(w, rate * 2, 4);
  PutLe(w, 2, 2);
  PutLe(w, 16, 2);
  for (char c : std::string("data")) w.push_back(static_cast<std::uint8_t>(c));
  PutLe(w, samples * 2, 4);
  for (std::uint32_t i = 0; i < samples; ++i)
    PutLe(w, (i / 25) % 2 ? 8000 : static_cast<std::uint32_t>(-8000), 2);
  return w;
}

// One note, a quarter long.
std::vector<std::uint8_t> OneNoteMidi() {
  return {'M',  'T',  'h', 'd', 0,    0,    0,  6,  0,    0,    0,    1,
          0,    96,                                  // format 0, 96 ticks
          'M',  'T',  'r', 'k', 0,    0,    0,  12,  //
          0x00, 0x90, 60,  100, 0x60, 0x80, 60, 0,  0x00, 0xFF, 0x2F, 0x00};
}

// True when the wave player goes quiet within a generous time (a looping
// sound never does).
bool FallsSilent(SdlSound& sound) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (sound.WavePlaying()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// True when the track being opened has loaded (or failed to) within `limit`;
// tracks load in the background.
bool LoadsWithin(SdlSound& sound, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  for (sound.Update(); sound.MusicLoading(); sound.Update()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// --- Pictures ----------------------------------------------------------------

TEST_F(SdlBackendTest, PictureSurvivesSaveAndLoadExactly) {
  SdlMedia media;
  Surface picture(9, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x) picture.Set(x, y, Rgb(x * 28, y * 60, (x * y * 7) & 255));
  picture.Set(0, 0, kKeyColor);
  picture.Set(8, 3, kKeyColor);
  picture.Set(4, 2, kWhite);
  // The game's pictures are PNGs under another name.
  ASSERT_TRUE(media.SavePng(picture, PathOf("Strip01.dat")));
  const std::optional<Surface> loaded = media.LoadPicture(PathOf("Strip01.dat"));
  ASSERT_TRUE(loaded);
  ASSERT_EQ(loaded->Width(), 9);
  ASSERT_EQ(loaded->Height(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(loaded->At(x, y), picture.At(x, y)) << x << "," << y;
}

TEST_F(SdlBackendTest, UnreadablePicturesGiveNothing) {
  SdlMedia media;
  EXPECT_FALSE(media.LoadPicture(PathOf("absent.dat")));
  EXPECT_FALSE(media.LoadPicture(dir_.string()));  // a folder
  WriteBytes("empty.dat", {});
  EXPECT_FALSE(media.LoadPicture(PathOf("empty.dat")));
  WriteBytes("garbage.dat", {'h', 'e', 'l', 'l', 'o', 0, 1, 2, 3, 250, 251});
  EXPECT_FALSE(media.LoadPicture(PathOf("garbage.dat")));

  ASSERT_TRUE(media.SavePng(Surface(40, 40, kWhite), PathOf("whole.dat")));
  std::ifstream in(PathOf("whole.dat"), std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  bytes.resize(bytes.size() / 2);
  WriteBytes("cut.dat", bytes);
  EXPECT_FALSE(media.LoadPicture(PathOf("cut.dat")));

  EXPECT_FALSE(media.SavePng(Surface(), PathOf("nothing.png")));
  EXPECT_FALSE(media.SavePng(Surface(2, 2), PathOf("no/such/folder/x.png")));
}

// --- Text ----------------------------------------------------------------------

TEST_F(SdlBackendTest, TimesNewRomanDrawsInTheGivenColour) {
  SdlTextRenderer text;
  FontSpec font;
  font.sizePt = 14.25;
  ASSERT_TRUE(text.HasFont(font));

  Surface canvas(200, 40, kWhite);
  text.Draw(canvas, 4, 4, font, "Harbour", Rgb(200, 0, 0));
  int changed = 0;
  bool solid = false;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const Color c = canvas.At(x, y);
      if (c == kWhite) continue;
      ++changed;
      // Only blends of red over white: red stays high, green and blue equal.
      EXPECT_GE(RedOf(c), 200);
      EXPECT_EQ(GreenOf(c), BlueOf(c));
      solid = solid || c == Rgb(200, 0, 0);
    }
  EXPECT_GT(changed, 50);
  EXPECT_TRUE(solid);
  // The text starts at the given corner.
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(canvas.At(x, y), kWhite);
}

TEST_F(SdlBackendTest, MeasuresFollowTextAndStyle) {
  SdlTextRenderer text;
  FontSpec font;
  EXPECT_EQ(FontPixelSize(14.25), 19);
  EXPECT_EQ(FontPixelSize(8.25), 11);

  const TextSize one = text.Measure(font, "Agent");
  const TextSize two = text.Measure(font, "Agent Agent");
  EXPECT_GT(one.w, 10);
  EXPECT_GT(two.w, one.w);
  EXPECT_EQ(two.h, one.h);
  EXPECT_EQ(text.Measure(font, "").w, 0);
  EXPECT_GE(text.LineHeight(font), one.h - 1);

  FontSpec bold = font;
  bold.bold = true;
  EXPECT_GE(text.Measure(bold, "Agent Agent").w, two.w);
  FontSpec bigger = font;
  bigger.sizePt = 14.25;
  EXPECT_GT(text.Measure(bigger, "Agent").h, one.h);
  FontSpec underlined = font;
  underlined.underline = true;
  underlined.italic = true;
  EXPECT_GT(text.Measure(underlined, "Agent").w, 10);
}

TEST_F(SdlBackendTest, CodePageTextAndClippingAreSafe) {
  SdlTextRenderer text;
  FontSpec font;
  font.sizePt = 14.25;
  Surface canvas(60, 30, kBlack);
  text.Draw(canvas, 2, 2, font, "caf\xE9", kWhite);  // café
  int lit = 0;
  for (Color c : canvas.Pixels()) lit += c != kBlack;
  EXPECT_GT(lit, 20);
  // é is one character as wide as e, not a stray byte.
  EXPECT_EQ(text.Measure(font, "\xE9").w, text.Measure(font, "e").w);
  // Unassigned bytes, text hanging over every edge, a surface of nothing.
  text.Draw(canvas, -7, -9, font, "\x81\x8D\x90 edge", kWhite);
  text.Draw(canvas, 50, 20, font, "overflowing text", kWhite);
  text.Draw(canvas, 1000, 1000, font, "far away", kWhite);
  Surface none;
  text.Draw(none, 0, 0, font, "x", kWhite);
}

// --- Keys and mouse ------------------------------------------------------------

TEST(SdlInputTest, KeysBecomeWindowsCodes) {
  EXPECT_EQ(WindowsKeyCode('a'), 65);
  EXPECT_EQ(WindowsKeyCode('z'), 90);
  EXPECT_EQ(WindowsKeyCode('0'), 48);
  EXPECT_EQ(WindowsKeyCode('9'), 57);
  EXPECT_EQ(WindowsKeyCode('\r'), key::kEnter);
  EXPECT_EQ(WindowsKeyCode(kSdlKeypadEnter), key::kEnter);
  EXPECT_EQ(WindowsKeyCode(27), key::kEscape);
  EXPECT_EQ(WindowsKeyCode(8), key::kBack);
  EXPECT_EQ(WindowsKeyCode('\t'), key::kTab);
  EXPECT_EQ(WindowsKeyCode(' '), key::kSpace);
  EXPECT_EQ(WindowsKeyCode(127), 46);  // Delete
  EXPECT_EQ(WindowsKeyCode(kSdlLeftShift), key::kShift);
  EXPECT_EQ(WindowsKeyCode(kSdlRightShift), key::kShift);
  EXPECT_EQ(WindowsKeyCode(kSdlLeftCtrl), key::kControl);
  EXPECT_EQ(WindowsKeyCode(kSdlRightCtrl), key::kControl);
  EXPECT_EQ(WindowsKeyCode(kSdlLeft), key::kLeft);
  EXPECT_EQ(WindowsKeyCode(kSdlUp), key::kUp);
  EXPECT_EQ(WindowsKeyCode(kSdlRight), key::kRight);
  EXPECT_EQ(WindowsKeyCode(kSdlDown), key::kDown);
  EXPECT_EQ(WindowsKeyCode(kSdlPageUp), 33);
  EXPECT_EQ(WindowsKeyCode(kSdlPageDown), key::kPageDown);
  EXPECT_EQ(WindowsKeyCode(kSdlEnd), key::kEnd);
  EXPECT_EQ(WindowsKeyCode(kSdlHome), 36);
  EXPECT_EQ(WindowsKeyCode(kSdlInsert), 45);
  EXPECT_EQ(WindowsKeyCode(kSdlF1), key::kF1);
  EXPECT_EQ(WindowsKeyCode(kSdlF1 + 2), key::kF3);
  EXPECT_EQ(WindowsKeyCode(kSdlF12), 123);
  EXPECT_EQ(WindowsKeyCode(Scancode(300)), 0);

  EXPECT_EQ(ShiftBits(0), 0);
  EXPECT_EQ(ShiftBits(0x0002), kShiftMask);  // right shift
  EXPECT_EQ(ShiftBits(0x0040 | 0x0001), kCtrlMask | kShiftMask);
  EXPECT_EQ(ShiftBits(0x0200 | 0x1000), kAltMask);  // right alt, num lock
}

TEST(SdlInputTest, WindowPixelsMapThroughTheLetterbox) {
  const Rect whole = {0, 0, 640, 480};
  EXPECT_EQ(LetterboxRect(640, 480, 640, 480), whole);
  EXPECT_EQ(LetterboxRect(1920, 1080, 640, 480), (Rect{240, 0, 1440, 1080}));
  EXPECT_EQ(LetterboxRect(800, 1000, 640, 480), (Rect{0, 200, 800, 600}));
  EXPECT_EQ(LetterboxRect(0, 0, 640, 480), (Rect{}));

  const Rect box = LetterboxRect(1920, 1080, 640, 480);
  EXPECT_EQ(WindowToCanvas(240, 0, box, whole).x, 0);
  EXPECT_EQ(WindowToCanvas(1679, 1079, box, whole).x, 639);
  EXPECT_EQ(WindowToCanvas(1679, 1079, box, whole).y, 479);
  EXPECT_LT(WindowToCanvas(239, 10, box, whole).x, 0);     // left bar
  EXPECT_GE(WindowToCanvas(1680, 10, box, whole).x, 640);  // right bar
  // Scale 2.25: canvas (100, 50) starts at window (465, 112.5).
  EXPECT_EQ(WindowToCanvas(240 + 225, 113, box, whole).x, 100);
  EXPECT_EQ(WindowToCanvas(240 + 225, 113, box, whole).y, 50);

  // A window showing part of the canvas, one to one.
  const Rect part = {100, 40, 320, 240};
  const CanvasPoint p = WindowToCanvas(10, 20, LetterboxRect(320, 240, 320, 240), part);
  EXPECT_EQ(p.x, 110);
  EXPECT_EQ(p.y, 60);
}

// --- The platform under the dummy drivers -------------------------------------

TEST_F(SdlBackendTest, OnlyOneCopyHoldsTheLock) {
  setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
  SdlMedia media;
  auto first = std::make_unique<SdlPlatform>(media, "Veltrane");
  EXPECT_FALSE(first->AnotherCopyRunning());
  EXPECT_FALSE(first->AnotherCopyRunning());  // asking again keeps it
  {
    // A second lock holder in this process counts as another copy.
    SdlPlatform second(media, "Veltrane");
    EXPECT_TRUE(second.AnotherCopyRunning());
  }
  first.reset();
  SdlPlatform third(media, "Veltrane");
  EXPECT_FALSE(third.AnotherCopyRunning());
  unsetenv("XDG_RUNTIME_DIR");
}

TEST_F(SdlBackendTest, WindowAndDisplaySettingsWorkWithoutAScreen) {
  SdlMedia media;
  SdlPlatform platform(media, "Veltrane \xE9");
  ASSERT_TRUE(platform.VideoReady());
  EXPECT_EQ(platform.LogPixelsX(), 96);
  EXPECT_EQ(platform.ColorPlanes(), 1);

  const DisplayMode desktop = platform.CurrentDisplayMode();
  EXPECT_GT(desktop.width, 0);
  EXPECT_GT(desktop.bitsPerPixel, 0);
  ASSERT_TRUE(platform.EnumDisplayMode(0));
  EXPECT_FALSE(platform.EnumDisplayMode(100000));
  EXPECT_FALSE(platform.EnumDisplayMode(-1));

  Surface canvas(640, 480, Rgb(10, 20, 30));
  platform.Present(canvas, {0, 0, 400, 300});
  platform.Present(canvas, {0, 0, 640, 480});      // the window follows the view
  platform.Present(canvas, {600, 400, 200, 200});  // partly off the canvas
  platform.Present(canvas, {700, 0, 10, 10});      // wholly off it

  // The switch to the game's mode and back is emulated, never real.
  const DisplayMode game = {640, 480, 32};
  EXPECT_TRUE(platform.ChangeDisplayMode(game));
  EXPECT_EQ(platform.CurrentDisplayMode(), desktop == game ? desktop : game);
  platform.SetTaskbarVisible(false);
  platform.Present(canvas, {0, 0, 640, 480});
  EXPECT_TRUE(platform.ChangeDisplayMode(desktop));
  platform.SetTaskbarVisible(true);
  EXPECT_EQ(platform.CurrentDisplayMode(), desktop);
  platform.SetTitle("Another title");

  Surface arrow(16, 16, kKeyColor);
  FillRect(arrow, {0, 0, 4, 12}, kBlack);
  const int pointer = platform.CreatePointer(arrow, 40, -3);  // the dummy driver may refuse
  EXPECT_GE(pointer, -1);
  platform.SetPointer(pointer);
  platform.SetPointer(-1);
  platform.SetPointer(57);
  EXPECT_EQ(platform.CreatePointer(Surface(), 0, 0), -1);
}

// Alt+Enter switches between the window and full screen whenever the player
// likes, and is not a key of the game's; the game's own next display change
// decides again. A resized window keeps the picture in proportion, and the
// mouse maps through its black bars.
TEST_F(SdlBackendTest, AltEnterSwitchesFullScreenAndAResizedWindowKeepsItsProportions) {
  SdlMedia media;
  SdlPlatform platform(media, "Veltrane");
  ASSERT_TRUE(platform.VideoReady());
  Surface canvas(640, 480, Rgb(10, 20, 30));
  platform.Present(canvas, {0, 0, 640, 480});
  ASSERT_NE(platform.WindowId(), 0u);
  while (platform.PollEvent()) {
  }

  auto key = [&](Uint32 type, SDL_Keycode sym, Uint16 mod) {
    SDL_Event e{};
    e.type = type;
    e.key.windowID = platform.WindowId();
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
  };
  auto events = [&] {
    std::vector<InputEvent> got;
    while (auto e = platform.PollEvent()) got.push_back(*e);
    return got;
  };
  EXPECT_FALSE(platform.IsFullScreen());
  key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);
  key(SDL_KEYUP, SDLK_RETURN, KMOD_LALT);
  for (const InputEvent& e : events())
    EXPECT_NE(e.keyCode, key::kEnter) << "Alt+Enter reached the game";
  EXPECT_TRUE(platform.IsFullScreen());
  key(SDL_KEYDOWN, SDLK_RETURN, KMOD_RALT);
  events();
  EXPECT_FALSE(platform.IsFullScreen());
  // A plain Enter is the game's.
  key(SDL_KEYDOWN, SDLK_RETURN, KMOD_NONE);
  const auto plain = events();
  ASSERT_FALSE(plain.empty());
  EXPECT_EQ(plain[0].keyCode, key::kEnter);
  // The player's choice holds until the game asks for a display change itself.
  key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);
  events();
  EXPECT_TRUE(platform.IsFullScreen());
  platform.SetTaskbarVisible(true);
  EXPECT_FALSE(platform.IsFullScreen());

  // Resized to 1280 x 600: the picture is 800 x 600, 240 pixels in from the left.
  SDL_Window* window = SDL_GetWindowFromID(platform.WindowId());
  ASSERT_NE(window, nullptr);
  SDL_SetWindowSize(window, 1280, 600);
  events();
  auto click = [&](int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.windowID = platform.WindowId();
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&e);
    return events();
  };
  const auto centre = click(640, 300);
  ASSERT_FALSE(centre.empty());
  EXPECT_EQ(centre[0].kind, InputEvent::Kind::MouseDown);
  EXPECT_EQ(centre[0].x, 320);
  EXPECT_EQ(centre[0].y, 240);
  const auto corner = click(240 + 799, 599);
  ASSERT_FALSE(corner.empty());
  EXPECT_EQ(corner[0].x, 639);
  EXPECT_EQ(corner[0].y, 479);
  // A click on the bars is nobody's; only its release comes through.
  for (const InputEvent& e : click(100, 300)) EXPECT_NE(e.kind, InputEvent::Kind::MouseDown);
}

// A pad plugged in during play is taken at once, its buttons arrive as keys, and
// pulling it out lets go of what it held (a virtual pad of SDL's own).
TEST_F(SdlBackendTest, APadPluggedInDuringPlayIsTakenAndLetGoWhenPulledOut) {
  // The dummy window never has the focus, without which a pad is not listened to.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  SdlMedia media;
  SdlPlatform platform(media, "Veltrane");
  ASSERT_TRUE(platform.VideoReady());
  platform.Present(Surface(640, 480, kBlack), {0, 0, 640, 480});
  auto events = [&] {
    SDL_Delay(20);
    std::vector<InputEvent> got;
    while (auto e = platform.PollEvent()) got.push_back(*e);
    return got;
  };
  events();
  const int device = SDL_JoystickAttachVirtual(
      SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  if (device < 0) GTEST_SKIP() << "no virtual pads here: " << SDL_GetError();
  events();
  SDL_Joystick* stick = SDL_JoystickOpen(device);
  ASSERT_NE(stick, nullptr);

  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
  SDL_JoystickUpdate();
  SDL_GameControllerUpdate();
  bool space = false;
  for (const InputEvent& e : events())
    space |= e.kind == InputEvent::Kind::KeyDown && e.keyCode == key::kSpace;
  EXPECT_TRUE(space) << "A did not arrive as Space";

  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
  SDL_JoystickUpdate();
  SDL_GameControllerUpdate();
  events();
  SDL_JoystickClose(stick);
  SDL_JoystickDetachVirtual(device);
  bool leftLetGo = false;
  for (const InputEvent& e : events())
    leftLetGo |= e.kind == InputEvent::Kind::KeyUp && e.keyCode == key::kLeft;
  EXPECT_TRUE(leftLetGo) << "the pulled-out pad kept Left held";
}

TEST_F(SdlBackendTest, ClockAndWaitsKeepTheirTime) {
  SdlMedia media;
  SdlPlatform platform(media, "Veltrane");
  const double midnight = platform.SecondsSinceMidnight();
  EXPECT_GE(midnight, 0.0);
  EXPECT_LT(midnight, 86401.0);

  const std::uint64_t start = platform.NowUs();
  EXPECT_FALSE(platform.WaitEvent(start + 30000));
  const std::uint64_t waited = platform.NowUs() - start;
  EXPECT_GE(waited, 30000u);
  EXPECT_LT(waited, 1000000u);

  const std::uint64_t before = platform.NowUs();
  platform.Delay(20000);
  EXPECT_GE(platform.NowUs() - before, 20000u);
  EXPECT_FALSE(platform.WaitEvent(0));  // a deadline long past
  EXPECT_FALSE(platform.PollEvent());
}

TEST_F(SdlBackendTest, WavesPlayOneAtATime) {
  SdlSound sound;
  if (!sound.Ready()) GTEST_SKIP() << "no audio device";
  WriteBytes("long.wav", ToneWav(400));
  WriteBytes("short.wav", ToneWav(120));

  auto start = std::chrono::steady_clock::now();
  sound.PlayWave(PathOf("short.wav"), WaveMode::Wait);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  // Done, give or take the device's last buffer on a busy machine.
  const auto tail = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
  while (sound.WavePlaying() && std::chrono::steady_clock::now() < tail)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_FALSE(sound.WavePlaying());

  // A loop does not cut off a playing wave; it is simply not started.
  sound.PlayWave(PathOf("long.wav"), WaveMode::Async);
  EXPECT_TRUE(sound.WavePlaying());
  sound.PlayWave(PathOf("short.wav"), WaveMode::Loop);
  EXPECT_TRUE(FallsSilent(sound));

  // Started on silence it goes on until another wave replaces it.
  sound.PlayWave(PathOf("short.wav"), WaveMode::Loop);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_TRUE(sound.WavePlaying());
  sound.PlayWave(PathOf("short.wav"), WaveMode::Async);
  EXPECT_TRUE(FallsSilent(sound));

  // A missing file changes nothing.
  sound.PlayWave(PathOf("long.wav"), WaveMode::Async);
  sound.PlayWave(PathOf("absent.wav"), WaveMode::Async);
  EXPECT_TRUE(sound.WavePlaying());
}

TEST_F(SdlBackendTest, MusicFollowsItsCommands) {
  SdlSound sound;
  if (!sound.Ready()) GTEST_SKIP() << "no audio device";
  sound.SendMusic({MusicCommand::Kind::Play, {}});  // nothing open yet
  EXPECT_FALSE(sound.MusicPlaying());
  sound.SendMusic({MusicCommand::Kind::Open, PathOf("absent.mid")});
  sound.SendMusic({MusicCommand::Kind::Play, {}});
  ASSERT_TRUE(LoadsWithin(sound, std::chrono::seconds(10)));
  EXPECT_FALSE(sound.MusicPlaying());

  fs::create_directories(dir_ / "my music");
  WriteBytes("my music/Theme 01.mid", OneNoteMidi());
  sound.SendMusic({MusicCommand::Kind::Open, PathOf("my music/Theme 01.mid")});
  ASSERT_TRUE(LoadsWithin(sound, std::chrono::seconds(10)));
  EXPECT_FALSE(sound.MusicPlaying());  // opening does not start it
  sound.SendMusic({MusicCommand::Kind::Play, {}});
  EXPECT_TRUE(sound.MusicPlaying());
  sound.SendMusic({MusicCommand::Kind::Close, {}});
  EXPECT_FALSE(sound.MusicPlaying());
  sound.SendMusic({MusicCommand::Kind::Play, {}});  // closed: nothing to play
  EXPECT_FALSE(sound.MusicPlaying());
}

}  // namespace
}  // namespace vt
