// Start-up checks, display mode, taskbar and ExitGame.
#include "core/startup.h"

#include <cmath>

#include "audio/sound.h"
#include "core/game.h"

namespace vt {
namespace {

[[noreturn]] void RefuseToRun(Game& game, const char* text) {
  game.platform.MessageBox(kGameTitle, text);
  game.exitStatus = 1;
  game.ui.End();
}

}  // namespace

void StartupChecks(Game& game) {
  Platform& p = game.platform;
  if (p.CurrentDisplayMode().bitsPerPixel * p.ColorPlanes() < 16)
    RefuseToRun(game, kColorDepthMessage);
  if (p.AnotherCopyRunning()) RefuseToRun(game, kAlreadyRunningMessage);
  p.SetTitle(kGameTitle);
  if (Surface icon; game.LoadPicture(icon, kIconFile)) p.SetIcon(icon);
  if (!SmallFonts(game)) RefuseToRun(game, kSmallFontsMessage);
  ApplyStartupSettings(game.world);
  CloseMusic(p);
  game.randomSeed = static_cast<unsigned>(p.SecondsSinceMidnight());
  game.random.seed(game.randomSeed);
}

bool SmallFonts(Game& game) { return game.platform.LogPixelsX() == 96; }

int ChangeResolution(Game& game, float& width, float& height, int& bits) {
  // Walk the mode list to its end first, as the display settings call expects
  // a record it filled itself; then ask for the size and depth we want.
  int index = 0;
  while (game.platform.EnumDisplayMode(index)) ++index;
  DisplayMode mode;
  mode.width = static_cast<int>(std::lround(width));
  mode.height = static_cast<int>(std::lround(height));
  mode.bitsPerPixel = bits;
  game.platform.ChangeDisplayMode(mode);
  return 1;
}

void HideTaskbar(Game& game) { game.platform.SetTaskbarVisible(false); }

void ShowTaskbar(Game& game) { game.platform.SetTaskbarVisible(true); }

void EnterFullScreenOnce(Game& game) {
  WorldState& w = game.world;
  if (w.PresentationShown) return;
  w.PresentationShown = true;
  if (!w.FullScreen) return;
  if (w.OrigWidth != 640) {
    float width = 640;
    float height = 480;
    int bits = 32;
    ChangeResolution(game, width, height, bits);
  }
  HideTaskbar(game);
}

void ExitGame(Game& game) {
  CloseMusic(game.platform);
  // Files are opened, read and closed within one operation, so none is open here.
  game.surfaces.ReleaseLarge();
  WorldState& w = game.world;
  int bits = w.OrigBits;
  ChangeResolution(game, w.OrigWidth, w.OrigHeight, bits);
  ShowTaskbar(game);
  for (Form* form : game.ui.Forms())
    if (form->IsLoaded()) form->Unload();
  game.ui.End();
}

void CannotGoOn(Game& game, const std::string& file) {
  game.ReportOnce(file + " is missing or cannot be read: the game cannot go on");
  game.platform.MessageBox(kGameTitle, "Veltrane cannot go on: its data file " + file +
                                           " is missing or damaged. Please install the game "
                                           "again.");
  game.exitStatus = 1;
  ExitGame(game);
}

}  // namespace vt
