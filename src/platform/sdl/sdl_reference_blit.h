// SDL's own colour-keyed blit over our surfaces' pixels, kept only so that the
// benchmarks can compare our copies with it.
#pragma once

#include <memory>

#include "platform/surface.h"

namespace vt {

class SdlKeyedBlit {
 public:
  // Plain tests every source pixel against the key on every blit; RunLength
  // lets SDL encode the source's opaque runs once, on the first blit (its
  // fastest keyed blit, meant for sources that do not change).
  enum class Encoding { Plain, RunLength };

  // Wraps both surfaces' pixels (no copies); they must outlive this object.
  SdlKeyedBlit(const Surface& source, Surface& destination, Color key = kKeyColor,
               Encoding encoding = Encoding::Plain);
  ~SdlKeyedBlit();
  SdlKeyedBlit(const SdlKeyedBlit&) = delete;
  SdlKeyedBlit& operator=(const SdlKeyedBlit&) = delete;

  // Copies the w × h block at (sx, sy) to (dx, dy), leaving key-coloured pixels out.
  void Blit(int sx, int sy, int w, int h, int dx, int dy);

 private:
  struct Surfaces;
  std::unique_ptr<Surfaces> surfaces_;
};

}  // namespace vt
