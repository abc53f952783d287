// What a picture file says about itself, read before any of it is decoded, and
// the largest picture the game will take: a file that claims more is refused
// without allocating for it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vt {

// The game's largest picture is the 640 × 480 screen and its widest the tile
// strips (under 6000 × 30); these limits leave room for more tiles and larger
// art while keeping a decoded picture under 16 MB.
constexpr int kMaxPictureSide = 8192;
constexpr std::int64_t kMaxPicturePixels = 4096 * 1024;
// A picture file is read whole before decoding; no picture within the limits
// above needs more, even stored without compression.
constexpr std::int64_t kMaxPictureFileBytes = 32 * 1024 * 1024;

enum class PictureFormat { Png, Bmp };

struct PictureHeader {
  PictureFormat format = PictureFormat::Png;
  int width = 0;
  int height = 0;
};

struct PictureCheck {
  std::optional<PictureHeader> header;  // set when the picture may be decoded
  std::string problem;                  // otherwise why not, in words for the player
};

// Reads the format and size from the first bytes of a file (the first 32 are
// enough) and checks them against the limits. PNG and BMP are the only formats
// taken: those are the ones whose size is checked here.
PictureCheck CheckPictureHeader(std::span<const std::uint8_t> start);

struct PictureFile {
  std::vector<std::uint8_t> bytes;  // the whole file, when it may be decoded
  PictureHeader header;
  std::string problem;  // otherwise why not: "it is missing", "its header says ..."
};

// Reads a picture file whole after checking its length and its header, so a
// file that claims a huge picture costs no more than reading its first bytes.
// A PNG whose chunks run past the file's end is refused too: the decoder would
// read on past the end (for ever, for some lengths).
PictureFile ReadPictureFile(const std::string& path);

// True when every chunk of a PNG file lies within it, up to its closing IEND chunk.
bool PngChunksFit(std::span<const std::uint8_t> bytes);

}  // namespace vt
