// Veltrane: builds the real backend and starts the start-up window.
#include "platform/files.h"
#include "platform/sdl/sdl_media.h"
#include "platform/sdl/sdl_platform.h"
#include "shell/shell.h"

int main() {
  vt::SdlMedia media;
  vt::SdlPlatform platform(media, "Veltrane");
  vt::Shell shell(platform, vt::ExecutableFolder());
  return shell.Run();
}
