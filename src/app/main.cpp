// Veltrane: builds the real backend and starts the start-up window.
#include "platform/files.h"
#include "platform/sdl/sdl_media.h"
#include "platform/sdl/sdl_platform.h"
#include "shell/game.h"

int main() {
  vt::SdlMedia media;
  vt::SdlPlatform platform(media, "Veltrane");
  vt::Game game(platform, vt::ExecutableFolder());
  return game.Run();
}
