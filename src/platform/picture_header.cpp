// PNG and BMP headers: format, width and height, and the size limits.
#include "platform/picture_header.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vt {
namespace {

std::uint32_t Be32(std::span<const std::uint8_t> b, std::size_t at) {
  return (static_cast<std::uint32_t>(b[at]) << 24) | (static_cast<std::uint32_t>(b[at + 1]) << 16) |
         (static_cast<std::uint32_t>(b[at + 2]) << 8) | b[at + 3];
}

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint32_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}

PictureCheck Sized(PictureFormat format, std::int64_t width, std::int64_t height) {
  PictureCheck check;
  const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
  if (width <= 0 || height <= 0) {
    check.problem = "its header gives a size of " + size;
  } else if (width > kMaxPictureSide || height > kMaxPictureSide ||
             width * height > kMaxPicturePixels) {
    check.problem = "its header says " + size + ", more than the game can use (at most " +
                    std::to_string(kMaxPictureSide) + " pixels a side and " +
                    std::to_string(kMaxPicturePixels) + " in all)";
  } else {
    check.header = PictureHeader{format, static_cast<int>(width), static_cast<int>(height)};
  }
  return check;
}

PictureCheck Refused(std::string problem) {
  PictureCheck check;
  check.problem = std::move(problem);
  return check;
}

}  // namespace

PictureCheck CheckPictureHeader(std::span<const std::uint8_t> start) {
  static constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (start.size() >= 8 && std::memcmp(start.data(), kPngSignature, 8) == 0) {
    // The signature, then the IHDR chunk: length 13, "IHDR", width, height.
    if (start.size() < 24 || Be32(start, 8) != 13 || std::memcmp(start.data() + 12, "IHDR", 4) != 0)
      return Refused("it is a PNG file without a proper header");
    // PNG sizes are at most 2^31 - 1; anything above is malformed and refused as such.
    return Sized(PictureFormat::Png, Be32(start, 16), Be32(start, 20));
  }
  if (start.size() >= 2 && start[0] == 'B' && start[1] == 'M') {
    if (start.size() < 26) return Refused("it is a BMP file without a proper header");
    const std::uint32_t infoSize = Le32(start, 14);
    if (infoSize == 12)  // the old OS/2 header: 16-bit sizes
      return Sized(PictureFormat::Bmp, Le16(start, 18), Le16(start, 20));
    if (infoSize < 40) return Refused("it is a BMP file without a proper header");
    // The height is negative for pictures stored top row first.
    const auto height = static_cast<std::int32_t>(Le32(start, 22));
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    return Sized(PictureFormat::Bmp, static_cast<std::int32_t>(Le32(start, 18)), rows);
  }
  return Refused("it is not a PNG or BMP picture");
}

PictureFile ReadPictureFile(const std::string& path) {
  PictureFile file;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    file.problem = "it is missing";
    return file;
  }
  if (!std::filesystem::is_regular_file(status)) {
    file.problem = "it is not a file";
    return file;
  }
  const std::uintmax_t length = std::filesystem::file_size(path, ec);
  if (ec || length == 0) {
    file.problem = "it is empty";
    return file;
  }
  if (length > static_cast<std::uintmax_t>(kMaxPictureFileBytes)) {
    file.problem = "it is " + std::to_string(length / (1024 * 1024)) +
                   " MB long, more than any picture the game can use";
    return file;
  }
  std::ifstream in(path, std::ios::binary);
  file.bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(length, 32)));
  if (!in.read(reinterpret_cast<char*>(file.bytes.data()),
               static_cast<std::streamsize>(file.bytes.size()))) {
    file.bytes.clear();
    file.problem = "it cannot be read";
    return file;
  }
  PictureCheck check = CheckPictureHeader(file.bytes);
  if (!check.header) {
    file.bytes.clear();
    file.problem = std::move(check.problem);
    return file;
  }
  file.header = *check.header;
  const std::size_t head = file.bytes.size();
  file.bytes.resize(static_cast<std::size_t>(length));
  if (!in.read(reinterpret_cast<char*>(file.bytes.data() + head),
               static_cast<std::streamsize>(length - head))) {
    file.bytes.clear();
    file.problem = "it cannot be read";
    return file;
  }
  if (file.header.format == PictureFormat::Png && !PngChunksFit(file.bytes)) {
    file.bytes.clear();
    file.problem = "its picture data is cut short or damaged";
  }
  return file;
}

bool PngChunksFit(std::span<const std::uint8_t> bytes) {
  // After the 8-byte signature: length (4, big-endian), type (4), data, CRC (4).
  std::size_t at = 8;
  while (at + 12 <= bytes.size()) {
    const std::uint32_t length = (std::uint32_t{bytes[at]} << 24) |
                                 (std::uint32_t{bytes[at + 1]} << 16) |
                                 (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
    if (length > bytes.size() - at - 12) return false;
    if (bytes[at + 4] == 'I' && bytes[at + 5] == 'E' && bytes[at + 6] == 'N' &&
        bytes[at + 7] == 'D')
      return true;
    at += 12 + length;
  }
  return false;
}

}  // namespace vt
