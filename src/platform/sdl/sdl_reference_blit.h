// SDL's own colour-keyed blit over our surfaces' pixels, kept only so that the
// benchmarks can compare our copies with it.
#pragma once

#include <memory>

#include "platform/surface.h"

namespace vt {

class SdlKeyedBlit {
 public:
  // Wraps both surfaces' pixels (no copies); they must outlive this object.
  SdlKeyedBlit(const Surface& source, Surface& destination, Color key = kKeyColor);
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
