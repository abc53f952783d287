// Veltrane: builds the real backend, chooses where the saved games live and
// starts the start-up window.
#include <cstdio>

#include "platform/files.h"
#include "platform/sdl/sdl_media.h"
#include "platform/sdl/sdl_platform.h"
#include "savegame/saves_folder.h"
#include "shell/shell.h"

int main() {
  vt::SdlMedia media;
  vt::SdlPlatform platform(media, "Veltrane");
  vt::Shell shell(platform, vt::ExecutableFolder());
  const vt::SavesPlace saves = vt::PrepareSavesPlace(shell.game.folder);
  shell.game.savesFolder = saves.folder;
  std::printf("veltrane: %s\n", saves.message.c_str());
  std::fflush(stdout);
  return shell.Run();
}
