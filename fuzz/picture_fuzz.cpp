// A picture file as a player might leave it, through the loader the game uses.
#include <cstdint>

#include "fuzz_support.h"
#include "platform/sdl/sdl_media.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vt::SdlMedia media;
  const std::string path = vt::fuzz::PutFile("Morvane04.dat", data, size);
  const auto picture = media.LoadPicture(path);
  if (picture && !media.LastPictureProblem().empty())
    vt::fuzz::Broken("a picture was loaded and refused at once");
  if (!picture && media.LastPictureProblem().empty())
    vt::fuzz::Broken("a picture was refused without a reason");
  return 0;
}
