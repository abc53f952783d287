// Picture loading and saving with SDL2_image.
#include "platform/sdl/sdl_media.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/picture_header.h"

namespace vt {
namespace {

struct SurfaceFreer {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFreer>;

// IMG_Quit unloads every format at once, so only the last media object calls it.
int imageUsers = 0;

}  // namespace

SdlMedia::SdlMedia() {
  if (imageUsers++ == 0) IMG_Init(IMG_INIT_PNG);
}

SdlMedia::~SdlMedia() {
  if (--imageUsers == 0) IMG_Quit();
}

std::optional<Surface> SdlMedia::LoadPicture(const std::string& path) {
  // The decoders allocate whatever the header asks for, so the header is
  // checked first: a few bytes claiming a huge picture must not cost gigabytes.
  PictureFile file = ReadPictureFile(path);
  problem_ = std::move(file.problem);
  if (!problem_.empty()) return std::nullopt;
  SdlSurfacePtr loaded;
  if (SDL_RWops* bytes =
          SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size()))) {
    loaded.reset(file.header.format == PictureFormat::Png ? IMG_LoadPNG_RW(bytes)
                                                          : IMG_LoadBMP_RW(bytes));
    SDL_RWclose(bytes);
  }
  std::vector<std::uint8_t>().swap(file.bytes);
  if (!loaded || loaded->w != file.header.width || loaded->h != file.header.height) {
    problem_ = "its picture data is damaged";
    return std::nullopt;
  }
  // Straight conversion, no blending: key-coloured pixels keep their exact value.
  SdlSurfacePtr argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  loaded.reset();
  if (!argb || SDL_LockSurface(argb.get()) != 0) {
    problem_ = "there is not enough memory for it";
    return std::nullopt;
  }
  Surface picture(argb->w, argb->h);
  for (int y = 0; y < argb->h; ++y) {
    const auto* src = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) +
                                                      static_cast<std::size_t>(y) * argb->pitch);
    Color* out = picture.Row(y);
    for (int x = 0; x < argb->w; ++x) out[x] = src[x] & kRgbMask;
  }
  SDL_UnlockSurface(argb.get());
  return picture;
}

bool SdlMedia::SavePng(const Surface& surface, const std::string& path) {
  if (surface.Empty()) return false;
  // SDL only reads through this pointer while saving.
  void* pixels = const_cast<Color*>(surface.Pixels().data());
  SdlSurfacePtr view(SDL_CreateRGBSurfaceWithFormatFrom(
      pixels, surface.Width(), surface.Height(), 32, surface.Width() * 4, SDL_PIXELFORMAT_RGB888));
  if (!view) return false;
  return IMG_SavePNG(view.get(), path.c_str()) == 0;
}

}  // namespace vt
