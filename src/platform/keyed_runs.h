// Colour-keyed tiles prepared once for fast drawing. Tiles never change after
// their picture is loaded, so instead of testing every pixel against the key
// colour on every copy, the opaque pixels of each tile row are found once and
// kept as runs; drawing a tile then copies whole runs. A row broken into many
// short runs is kept as one span that is copied with the key test instead,
// which is quicker for such rows.
//
// Usage: build one KeyedRuns from a tile strip after loading it (again after
// loading another picture into that strip), then Draw tiles by number.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace vt {

class KeyedRuns {
 public:
  KeyedRuns() = default;
  // Tile t is the tileWidth × tileHeight block at (t · tileWidth, 0) of
  // `strip`; a last tile cut off by the strip's edge keeps what is there.
  // Holds its own copy of the pixels: the strip may change or go afterwards.
  KeyedRuns(const Surface& strip, int tileWidth, int tileHeight, Color key = kKeyColor);

  int TileCount() const { return static_cast<int>(tiles_.size()); }
  bool Empty() const { return tiles_.empty(); }

  // Draws tile `tile` at (dx, dy) of `dst`, exactly as CopyKeyed(dst, dx, dy,
  // strip, tile · tileWidth, 0, tileWidth, tileHeight, key) would have from the
  // strip it was built from: clipped to `dst`, nothing for a tile number
  // outside the strip.
  void Draw(Surface& dst, int dx, int dy, int tile) const;

 private:
  // Pixels [from, from + length) of the tile's own copy go to (col, row) of
  // the tile; a masked span copies only the pixels that are not the key.
  struct Span {
    std::uint32_t from;
    std::uint16_t row;
    std::uint16_t col;
    std::uint16_t length;
    bool masked;
  };
  struct Tile {
    std::uint32_t firstSpan;
    std::uint32_t spanCount;
    int width;
    int height;
  };

  std::vector<Color> pixels_;  // every tile's pixels, row after row, tile after tile
  std::vector<Span> spans_;
  std::vector<Tile> tiles_;
  Color key_ = kKeyColor;
};

}  // namespace vt
