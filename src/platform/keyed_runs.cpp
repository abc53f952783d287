// Finding each tile row's opaque runs once, and drawing tiles run by run.
#include "platform/keyed_runs.h"

#include <algorithm>
#include <cstring>

namespace vt {
namespace {

// A row with more runs than this is copied as one span with the key test:
// the loop over many short runs would cost more than testing every pixel.
constexpr std::size_t kMostRunsPerRow = 4;
// Span fields are 16 bits wide; no picture the game loads comes near this.
constexpr int kLargestTileSide = 0xFFFF;

// Sixteen bytes per move, two moves per turn, the last moves overlapping the
// ones before: a run of 30 pixels is eight moves and no pixel-by-pixel tail.
inline void CopyRun(Color* __restrict out, const Color* __restrict in, int n) {
  if (n < 4) {
    if (n >= 2) {
      std::memcpy(out, in, 8);
      std::memcpy(out + n - 2, in + n - 2, 8);
    } else if (n == 1) {
      out[0] = in[0];
    }
    return;
  }
  if (n <= 8) {
    std::memcpy(out, in, 16);
    std::memcpy(out + n - 4, in + n - 4, 16);
    return;
  }
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    std::memcpy(out + i, in + i, 16);
    std::memcpy(out + i + 4, in + i + 4, 16);
  }
  if (i < n) {
    std::memcpy(out + n - 8, in + n - 8, 16);
    std::memcpy(out + n - 4, in + n - 4, 16);
  }
}

}  // namespace

KeyedRuns::KeyedRuns(const Surface& strip, int tileWidth, int tileHeight, Color key)
    : key_(key & kRgbMask) {
  if (tileWidth <= 0 || tileHeight <= 0 || strip.Empty()) return;
  const int tileW = std::min(tileWidth, kLargestTileSide);
  const int height = std::min({tileHeight, strip.Height(), kLargestTileSide});
  const int count = (strip.Width() + tileW - 1) / tileW;
  pixels_.reserve(static_cast<std::size_t>(strip.Width()) * height);
  tiles_.reserve(static_cast<std::size_t>(count));
  std::vector<std::pair<int, int>> runs;  // one row's opaque runs: start, length
  for (int t = 0; t < count; ++t) {
    const int x0 = t * tileW;
    const int width = std::min(tileW, strip.Width() - x0);
    Tile tile{static_cast<std::uint32_t>(spans_.size()), 0, width, height};
    for (int row = 0; row < height; ++row) {
      const Color* in = strip.Row(row) + x0;
      const auto from = static_cast<std::uint32_t>(pixels_.size());
      pixels_.insert(pixels_.end(), in, in + width);
      runs.clear();
      for (int col = 0; col < width;) {
        if ((in[col] & kRgbMask) == key_) {
          ++col;
          continue;
        }
        const int start = col;
        while (col < width && (in[col] & kRgbMask) != key_) ++col;
        runs.emplace_back(start, col - start);
      }
      auto span = [&](int start, int length, bool masked) {
        spans_.push_back({from + static_cast<std::uint32_t>(start), static_cast<std::uint16_t>(row),
                          static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(length),
                          masked});
      };
      if (runs.size() <= kMostRunsPerRow) {
        for (const auto& [start, length] : runs) span(start, length, false);
      } else {
        const int last = runs.back().first + runs.back().second;
        span(runs.front().first, last - runs.front().first, true);
      }
    }
    tile.spanCount = static_cast<std::uint32_t>(spans_.size()) - tile.firstSpan;
    tiles_.push_back(tile);
  }
}

void KeyedRuns::Draw(Surface& dst, int dx, int dy, int tile) const {
  if (tile < 0 || tile >= TileCount()) return;
  const Tile& t = tiles_[static_cast<std::size_t>(tile)];
  const Span* span = spans_.data() + t.firstSpan;
  const Span* const end = span + t.spanCount;
  const Color* const pixels = pixels_.data();
  if (dx >= 0 && dy >= 0 && dx + t.width <= dst.Width() && dy + t.height <= dst.Height()) {
    // Wholly inside, the usual case: no clipping per span.
    Color* const origin = dst.Row(dy) + dx;
    const auto stride = static_cast<std::size_t>(dst.Width());
    for (; span != end; ++span) {
      Color* out = origin + span->row * stride + span->col;
      if (span->masked)
        CopyKeyedRow(out, pixels + span->from, span->length, key_);
      else
        CopyRun(out, pixels + span->from, span->length);
    }
    return;
  }
  // Partly outside: each span cut to the destination.
  for (; span != end; ++span) {
    const int y = dy + span->row;
    if (y < 0 || y >= dst.Height()) continue;
    const int left = dx + span->col;
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + static_cast<int>(span->length), dst.Width());
    if (x1 <= x0) continue;
    Color* out = dst.Row(y) + x0;
    const Color* in = pixels + span->from + (x0 - left);
    if (span->masked)
      CopyKeyedRow(out, in, x1 - x0, key_);
    else
      CopyRun(out, in, x1 - x0);
  }
}

}  // namespace vt
