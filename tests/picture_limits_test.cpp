// Pictures larger than the game can use are refused from their header, before
// any decoding: a few bytes claiming a huge picture cost neither time nor memory.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/picture_header.h"
#include "platform/sdl/sdl_media.h"
#include "scratch_folder.h"
#include "shell/shell.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

void PutBe(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t n) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& body) {
  PutBe(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  PutBe(out, Crc32(out.data() + start, out.size() - start));
}

// A well-formed PNG of a few dozen bytes whose header claims width × height RGB
// pixels; its one data chunk holds far less than that.
std::vector<std::uint8_t> ClaimingPng(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> ihdr;
  PutBe(ihdr, width);
  PutBe(ihdr, height);
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, not interlaced
  PutChunk(png, "IHDR", ihdr);
  PutChunk(png, "IDAT", {0x78, 0x9C, 0x63, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01});
  PutChunk(png, "IEND", {});
  return png;
}

std::vector<std::uint8_t> BmpHeader(std::uint32_t infoSize, std::int32_t width,
                                    std::int32_t height) {
  std::vector<std::uint8_t> b(26, 0);
  b[0] = 'B';
  b[1] = 'M';
  auto le = [&b](std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  le(14, infoSize, 4);
  if (infoSize == 12) {
    le(18, static_cast<std::uint32_t>(width), 2);
    le(20, static_cast<std::uint32_t>(height), 2);
  } else {
    le(18, static_cast<std::uint32_t>(width), 4);
    le(22, static_cast<std::uint32_t>(height), 4);
  }
  return b;
}

// Peak resident memory of this process so far, in MB.
long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

class PictureLimits : public test::ScratchFolder {
 protected:
  PictureLimits() : ScratchFolder("veltrane-pictures-") {}
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    ScratchFolder::SetUp();
  }
};

TEST(PictureHeader, SizesAreReadAndLimitedFromTheFirstBytes) {
  const auto png = [](std::uint32_t w, std::uint32_t h) {
    return CheckPictureHeader(ClaimingPng(w, h));
  };
  const PictureCheck strip = png(5820, 30);  // the widest picture the game has
  ASSERT_TRUE(strip.header) << strip.problem;
  EXPECT_EQ(strip.header->format, PictureFormat::Png);
  EXPECT_EQ(strip.header->width, 5820);
  EXPECT_EQ(strip.header->height, 30);
  EXPECT_TRUE(png(640, 480).header);
  EXPECT_TRUE(png(kMaxPictureSide, 1).header);
  EXPECT_TRUE(png(4096, 1024).header);

  const PictureCheck huge = png(30000, 30000);
  EXPECT_FALSE(huge.header);
  EXPECT_NE(huge.problem.find("30000 x 30000"), std::string::npos) << huge.problem;
  EXPECT_FALSE(png(kMaxPictureSide + 1, 1).header);
  EXPECT_FALSE(png(1, kMaxPictureSide + 1).header);
  EXPECT_FALSE(png(4096, 1025).header);  // each side allowed, the whole too large
  EXPECT_FALSE(png(0xFFFFFFFFu, 0xFFFFFFFFu).header);
  EXPECT_FALSE(png(0, 30).header);
  EXPECT_FALSE(png(30, 0).header);

  const PictureCheck bmp = CheckPictureHeader(BmpHeader(40, 320, -200));  // stored top down
  ASSERT_TRUE(bmp.header) << bmp.problem;
  EXPECT_EQ(bmp.header->format, PictureFormat::Bmp);
  EXPECT_EQ(bmp.header->height, 200);
  EXPECT_TRUE(CheckPictureHeader(BmpHeader(12, 64, 48)).header);
  EXPECT_FALSE(CheckPictureHeader(BmpHeader(40, 60000, 60000)).header);
  EXPECT_FALSE(CheckPictureHeader(BmpHeader(40, 100, INT32_MIN)).header);
  EXPECT_FALSE(CheckPictureHeader(BmpHeader(40, -5, 10)).header);
  EXPECT_FALSE(CheckPictureHeader(BmpHeader(20, 5, 10)).header);

  // Too short to tell, or another format: refused with a reason, never read past the end.
  std::vector<std::uint8_t> cut = ClaimingPng(10, 10);
  cut.resize(20);
  EXPECT_FALSE(CheckPictureHeader(cut).header);
  EXPECT_FALSE(CheckPictureHeader(std::vector<std::uint8_t>{'B', 'M', 1}).header);
  const PictureCheck gif =
      CheckPictureHeader(std::vector<std::uint8_t>{'G', 'I', 'F', '8', '9', 'a'});
  EXPECT_FALSE(gif.header);
  EXPECT_FALSE(gif.problem.empty());
  EXPECT_FALSE(CheckPictureHeader({}).header);
}

TEST_F(PictureLimits, HugeClaimIsRefusedWithoutAllocatingForIt) {
  SdlMedia media;
  const long before = PeakMegabytes();
  for (std::uint32_t side : {30000u, 60000u}) {
    const std::string path = Write("Huge.dat", ClaimingPng(side, side));
    EXPECT_FALSE(media.LoadPicture(path));
    const std::string claim = std::to_string(side) + " x " + std::to_string(side);
    EXPECT_NE(media.LastPictureProblem().find(claim), std::string::npos)
        << media.LastPictureProblem();
  }
  // Decoding would have asked for 2.7 and 10.8 GB.
  EXPECT_LT(PeakMegabytes() - before, 64);

  // The same claim within the limits gets as far as decoding, and fails there.
  EXPECT_FALSE(media.LoadPicture(Write("Small.dat", ClaimingPng(64, 64))));
  EXPECT_NE(media.LastPictureProblem().find("damaged"), std::string::npos);
  EXPECT_FALSE(media.LoadPicture((dir_ / "absent.dat").string()));
  EXPECT_EQ(media.LastPictureProblem(), "it is missing");
}

// A PNG cut short, or with a chunk that claims to run past the file's end, is refused
// before it is decoded: the decoder would read on past the end, for ever with some
// lengths.
TEST_F(PictureLimits, APictureCutShortOrRunningPastItsEndIsRefused) {
  SdlMedia media;
  ASSERT_TRUE(media.SavePng(Surface(40, 30, Rgb(10, 20, 30)), (dir_ / "Whole.dat").string()));
  std::ifstream in(dir_ / "Whole.dat", std::ios::binary);
  const std::vector<std::uint8_t> whole((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  ASSERT_TRUE(media.LoadPicture((dir_ / "Whole.dat").string()));
  for (std::size_t cut = 40; cut < whole.size(); cut += 7) {
    const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<long>(cut));
    EXPECT_FALSE(media.LoadPicture(Write("Cut.dat", part))) << cut;
    EXPECT_EQ(media.LastPictureProblem(), "its picture data is cut short or damaged") << cut;
  }
  // A chunk of 28 MB before the end, in a file of a few hundred bytes.
  std::vector<std::uint8_t> claims(whole.begin(), whole.end() - 12);
  const std::uint8_t huge[] = {0x01, 0xb1, 0x32, 0xb4, 't', 'E', 'X', 't', 0, 0, 0, 0};
  claims.insert(claims.end(), std::begin(huge), std::end(huge));
  claims.insert(claims.end(), whole.end() - 12, whole.end());
  EXPECT_FALSE(media.LoadPicture(Write("Claims.dat", claims)));
  EXPECT_TRUE(PngChunksFit(whole));
}

TEST_F(PictureLimits, PicturesUpToTheLimitStillLoad) {
  SdlMedia media;
  ASSERT_TRUE(media.SavePng(Surface(kMaxPictureSide, 2, kKeyColor), (dir_ / "Wide.dat").string()));
  const auto wide = media.LoadPicture((dir_ / "Wide.dat").string());
  ASSERT_TRUE(wide) << media.LastPictureProblem();
  EXPECT_EQ(wide->Width(), kMaxPictureSide);
  EXPECT_TRUE(media.LastPictureProblem().empty());
  ASSERT_TRUE(media.SavePng(Surface(kMaxPictureSide + 1, 2), (dir_ / "Wider.dat").string()));
  EXPECT_FALSE(media.LoadPicture((dir_ / "Wider.dat").string()));

  // Every picture the forge writes passes, at the size its header gives.
  int pictures = 0;
  for (const auto& entry : fs::directory_iterator(VELTRANE_GAME_DIR)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::vector<std::uint8_t> start(32);
    in.read(reinterpret_cast<char*>(start.data()), 32);
    if (start[0] != 0x89 || start[1] != 'P') continue;
    const PictureCheck check = CheckPictureHeader(start);
    ASSERT_TRUE(check.header) << entry.path() << ": " << check.problem;
    const auto picture = media.LoadPicture(entry.path().string());
    ASSERT_TRUE(picture) << entry.path() << ": " << media.LastPictureProblem();
    EXPECT_EQ(picture->Width(), check.header->width);
    ++pictures;
  }
  EXPECT_GT(pictures, 50);
}

TEST_F(PictureLimits, TheGameReportsARefusedPictureOnceAndKeepsWhatItHad) {
  SdlMedia media;
  HeadlessPlatform platform(media);
  Shell shell(platform, dir_.string());
  Game& game = shell.game;
  Write("Morvane16.dat", ClaimingPng(30000, 30000));
  Surface strip(60, 30, kWhite);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(game.LoadPicture(strip, "Morvane16.dat"));
  EXPECT_FALSE(game.LoadPicture(strip, "Morvane16.dat"));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(strip.Width(), 60);
  EXPECT_EQ(strip.At(0, 0), kWhite);
  const auto first = said.find("Morvane16.dat");
  ASSERT_NE(first, std::string::npos) << said;
  EXPECT_EQ(said.find("Morvane16.dat", first + 1), std::string::npos) << said;
}

}  // namespace
}  // namespace vt
