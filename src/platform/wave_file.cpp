// Reading and checking wave files, and writing them back in their plainest form.
#include "platform/wave_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vt {
namespace {

constexpr int kPcm = 1;
constexpr int kFloat = 3;
constexpr int kExtensible = 0xFFFE;
// Below this nothing sounds like anything; above it no sound card plays.
constexpr int kLowestRate = 4000;
constexpr int kHighestRate = 192000;
constexpr int kMostChannels = 8;

std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return v;
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

WaveRead Refused(std::string problem) {
  WaveRead read;
  read.problem = std::move(problem);
  return read;
}

struct Format {
  int tag = 0;
  int channels = 0;
  std::uint32_t rate = 0;
  std::uint32_t byteRate = 0;
  int blockAlign = 0;
  int bits = 0;
};

// The format chunk's fields, or why they cannot describe a playable sound.
std::string CheckFormat(std::span<const std::uint8_t> body, Format& f) {
  if (body.size() < 16) return "its format chunk is too short";
  f.tag = static_cast<int>(Le(body, 0, 2));
  f.channels = static_cast<int>(Le(body, 2, 2));
  f.rate = Le(body, 4, 4);
  f.byteRate = Le(body, 8, 4);
  f.blockAlign = static_cast<int>(Le(body, 12, 2));
  f.bits = static_cast<int>(Le(body, 14, 2));
  if (f.tag == kExtensible) {
    // The real format is the first two bytes of the sub-format identifier.
    if (body.size() < 40) return "its format chunk is too short";
    f.tag = static_cast<int>(Le(body, 24, 2));
  }
  const bool pcm = f.tag == kPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
  const bool flt = f.tag == kFloat && f.bits == 32;
  if (!pcm && !flt)
    return "it is not plain PCM sound (format " + std::to_string(f.tag) + ", " +
           std::to_string(f.bits) + " bits)";
  if (f.channels < 1 || f.channels > kMostChannels)
    return "its header gives " + std::to_string(f.channels) + " channels";
  if (f.rate < kLowestRate || f.rate > kHighestRate)
    return "its header gives a sample rate of " + std::to_string(f.rate) + " per second";
  const int frameBytes = f.channels * (f.bits / 8);
  if (f.blockAlign != frameBytes || f.byteRate != f.rate * static_cast<std::uint32_t>(frameBytes))
    return "its header contradicts itself (" + std::to_string(f.byteRate) + " bytes per second, " +
           std::to_string(f.blockAlign) + " per frame)";
  return {};
}

}  // namespace

WaveRead ParseWave(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
    return Refused("it is not a wave file");
  // The RIFF header gives the length of everything after it; a file may carry
  // one byte of padding beyond that, nothing else.
  const std::uint64_t riffEnd = 8ull + Le(bytes, 4, 4);
  if (riffEnd > bytes.size() || bytes.size() > riffEnd + 1)
    return Refused("its header says the file is " + std::to_string(riffEnd) +
                   " bytes long, but it is " + std::to_string(bytes.size()));
  std::optional<Format> format;
  std::optional<std::span<const std::uint8_t>> data;
  std::uint64_t at = 12;
  while (at < riffEnd) {
    if (riffEnd - at < 8) return Refused("it ends in the middle of a chunk header");
    const std::string id(reinterpret_cast<const char*>(bytes.data() + at), 4);
    const std::uint64_t size = Le(bytes, at + 4, 4);
    if (size > riffEnd - at - 8)
      return Refused("its header says its '" + id + "' chunk holds " + std::to_string(size) +
                     " bytes, but the file has only " + std::to_string(riffEnd - at - 8) +
                     " after it");
    const auto body = bytes.subspan(at + 8, size);
    if (id == "fmt ") {
      if (format) return Refused("it has two format chunks");
      Format f;
      if (std::string problem = CheckFormat(body, f); !problem.empty()) return Refused(problem);
      format = f;
    } else if (id == "data") {
      if (data) return Refused("it has two sound data chunks");
      if (!format) return Refused("its sound data comes before its format");
      data = body;
    }
    at += 8 + size + (size & 1);  // chunks start at even offsets
  }
  if (!format) return Refused("it has no format chunk");
  if (!data) return Refused("it has no sound data");
  const int frameBytes = format->channels * (format->bits / 8);
  if (data->size() % static_cast<std::size_t>(frameBytes) != 0)
    return Refused("its sound data ends in the middle of a sample");
  WaveRead read;
  read.sound = WaveSound{format->tag, format->channels, static_cast<int>(format->rate),
                         format->bits, std::vector<std::uint8_t>(data->begin(), data->end())};
  return read;
}

WaveRead ReadWave(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) return Refused("it is missing");
  if (!std::filesystem::is_regular_file(status)) return Refused("it is not a file");
  const std::uintmax_t length = std::filesystem::file_size(path, ec);
  if (ec) return Refused("it cannot be read");
  if (length > static_cast<std::uintmax_t>(kMaxWaveFileBytes))
    return Refused("it is " + std::to_string(length / (1024 * 1024)) +
                   " MB long, more than any effect needs");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length)))
    return Refused("it cannot be read");
  return ParseWave(bytes);
}

std::vector<std::uint8_t> WaveSound::ToWaveFile() const {
  const auto size = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t pad = size & 1;
  std::vector<std::uint8_t> out;
  out.reserve(44 + size + pad);
  auto putId = [&out](const char* id) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(id[i]));
  };
  putId("RIFF");
  PutLe(out, 36 + size + pad, 4);
  putId("WAVE");
  putId("fmt ");
  PutLe(out, 16, 4);
  PutLe(out, static_cast<std::uint32_t>(formatTag), 2);
  PutLe(out, static_cast<std::uint32_t>(channels), 2);
  PutLe(out, static_cast<std::uint32_t>(sampleRate), 4);
  PutLe(out, static_cast<std::uint32_t>(sampleRate * FrameBytes()), 4);
  PutLe(out, static_cast<std::uint32_t>(FrameBytes()), 2);
  PutLe(out, static_cast<std::uint32_t>(bitsPerSample), 2);
  putId("data");
  PutLe(out, size, 4);
  out.resize(out.size() + size + pad, 0);
  std::copy(samples.begin(), samples.end(), out.end() - size - pad);
  return out;
}

std::string EffectProblemLine(const std::string& path, const std::string& problem) {
  return "Veltrane: cannot play the effect " + path + ": " + problem;
}

}  // namespace vt
