// The program object: owns the windows and runs the start-up window.
#include "shell/game.h"

#include "audio/sound.h"
#include "platform/files.h"
#include "shell/startup.h"

namespace vt {

Game::Game(Platform& p, std::string programFolder)
    : platform(p),
      folder(std::move(programFolder)),
      ui(p),
      worldStorage_(std::make_unique<WorldState>()),
      world(*worldStorage_),
      mode(*this),
      infoForm(*this) {
  // Closing the window leaves through the one orderly exit.
  ui.OnQuitRequest = [this] { ExitGame(*this); };
}

Game::~Game() = default;

int Game::Run() {
  try {
    mode.Show();
    ui.Run();
  } catch (const ProgramEnded&) {
  }
  return 0;
}

std::string Game::Path(std::string_view name) const { return DataPath(folder, name); }

void Game::PlaySound(std::string_view effect) { vt::PlaySound(platform, world, folder, effect); }

}  // namespace vt
