// SDL's colour-keyed blit, for the benchmarks.
#include "platform/sdl/sdl_reference_blit.h"

#include <SDL.h>

namespace vt {

struct SdlKeyedBlit::Surfaces {
  SDL_Surface* source = nullptr;
  SDL_Surface* destination = nullptr;
};

namespace {

SDL_Surface* Wrap(const Surface& s) {
  // Our pixels are 0x00RRGGBB, which SDL calls RGB888.
  return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Color*>(s.Pixels().data()), s.Width(),
                                            s.Height(), 32, s.Width() * 4, SDL_PIXELFORMAT_RGB888);
}

}  // namespace

SdlKeyedBlit::SdlKeyedBlit(const Surface& source, Surface& destination, Color key,
                           Encoding encoding)
    : surfaces_(std::make_unique<Surfaces>()) {
  surfaces_->source = Wrap(source);
  surfaces_->destination = Wrap(destination);
  if (surfaces_->source) {
    SDL_SetColorKey(surfaces_->source, SDL_TRUE,
                    SDL_MapRGB(surfaces_->source->format, RedOf(key), GreenOf(key), BlueOf(key)));
    SDL_SetSurfaceBlendMode(surfaces_->source, SDL_BLENDMODE_NONE);
    if (encoding == Encoding::RunLength) SDL_SetSurfaceRLE(surfaces_->source, 1);
  }
}

SdlKeyedBlit::~SdlKeyedBlit() {
  SDL_FreeSurface(surfaces_->source);
  SDL_FreeSurface(surfaces_->destination);
}

void SdlKeyedBlit::Blit(int sx, int sy, int w, int h, int dx, int dy) {
  if (!surfaces_->source || !surfaces_->destination) return;
  SDL_Rect from{sx, sy, w, h};
  SDL_Rect to{dx, dy, w, h};
  SDL_BlitSurface(surfaces_->source, &from, surfaces_->destination, &to);
}

}  // namespace vt
