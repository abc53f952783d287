// The shared services of the running game.
#include "core/game.h"

#include <iostream>

#include "audio/sound.h"
#include "core/startup.h"
#include "platform/files.h"
#include "util/printable.h"

namespace vt {
namespace {

// A report is one line of a terminal or two, however long the text it quotes.
constexpr std::size_t kLongestReport = 400;

}  // namespace

Game::Game(Platform& p, std::string programFolder, Windows& w)
    : platform(p),
      folder(std::move(programFolder)),
      savesFolder(folder),
      ui(p),
      worldStorage_(std::make_unique<WorldState>()),
      world(*worldStorage_),
      windows(w) {
  // Closing the window leaves through the one orderly exit.
  ui.OnQuitRequest = [this] { ExitGame(*this); };
}

Game::~Game() = default;

std::string Game::Path(std::string_view name) const { return DataPath(folder, name); }

void Game::PlaySound(std::string_view effect) { vt::PlaySound(platform, world, folder, effect); }

bool Game::LoadPicture(Surface& into, std::string_view name) {
  auto picture = platform.LoadPicture(Path(name));
  if (!picture) {
    const std::string why = platform.LastPictureProblem();
    ReportOnce("cannot read the picture " + Path(name) + (why.empty() ? "" : ": " + why));
    return false;
  }
  into = std::move(*picture);
  return true;
}

void Game::ReportOnce(const std::string& problem) {
  // A message carries paths and excerpts from outside: print it bounded and escaped.
  if (reported_.insert(problem).second)
    std::cerr << "Veltrane: " << Printable(problem, kLongestReport) << "\n";
}

int Game::PointerFrom(std::string_view name) {
  if (auto it = pointers_.find(name); it != pointers_.end()) return it->second;
  Surface picture;
  int pointer = -1;
  // The hot spot is the picture's centre: the arrows point from there.
  if (LoadPicture(picture, name))
    pointer = platform.CreatePointer(picture, picture.Width() / 2, picture.Height() / 2);
  pointers_.emplace(std::string(name), pointer);
  return pointer;
}

void Game::Request(std::string what) {
  if (!requests.empty() && requests.back().what == what) {
    ++requests.back().times;
    return;
  }
  requests.push_back({std::move(what), 1});
}

}  // namespace vt
