// The forged background strip: its size, that every code has its own picture, that walls
// stand apart from floors, that textures repeat without seams and multi-cell things join,
// and the looks the engine relies on for the secret passages.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "forge.h"

namespace {

constexpr int kTiles = 192;

class Strip {
 public:
  explicit Strip(const std::string& path)
      : surface_(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Strip() { cairo_surface_destroy(surface_); }
  Strip(const Strip&) = delete;
  Strip& operator=(const Strip&) = delete;

  bool Ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  int Width() const { return cairo_image_surface_get_width(surface_); }
  int Height() const { return cairo_image_surface_get_height(surface_); }
  cairo_format_t Format() const { return cairo_image_surface_get_format(surface_); }

  // Channel c (0 red, 1 green, 2 blue) of pixel (x, y) of tile `code`.
  int At(int code, int x, int y, int c) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::uint32_t p;
    std::copy_n(data + y * stride + (code * 30 + x) * 4, 4, reinterpret_cast<unsigned char*>(&p));
    return static_cast<int>((p >> (16 - 8 * c)) & 255);
  }
  std::array<double, 3> Mean(int code) const {
    std::array<double, 3> m{};
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x)
        for (int c = 0; c < 3; ++c) m[c] += At(code, x, y, c) / 900.0;
    return m;
  }
  double Luma(int code, int x0, int x1, int y0, int y1) const {
    double sum = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        sum += 0.3 * At(code, x, y, 0) + 0.59 * At(code, x, y, 1) + 0.11 * At(code, x, y, 2);
    return sum / ((x1 - x0 + 1) * (y1 - y0 + 1));
  }
  // Mean channel difference between column xa of tile a and column xb of tile b.
  double ColumnDiff(int a, int xa, int b, int xb) const {
    double sum = 0;
    for (int y = 0; y < 30; ++y)
      for (int c = 0; c < 3; ++c) sum += std::abs(At(a, xa, y, c) - At(b, xb, y, c));
    return sum / 90;
  }
  double ColumnDiff(int a, int xa, int b, int xb, int y0, int y1) const {
    double sum = 0;
    for (int y = y0; y <= y1; ++y)
      for (int c = 0; c < 3; ++c) sum += std::abs(At(a, xa, y, c) - At(b, xb, y, c));
    return sum / (3 * (y1 - y0 + 1));
  }
  double RowDiff(int a, int ya, int b, int yb) const {
    double sum = 0;
    for (int x = 0; x < 30; ++x)
      for (int c = 0; c < 3; ++c) sum += std::abs(At(a, x, ya, c) - At(b, x, yb, c));
    return sum / 90;
  }

 private:
  cairo_surface_t* surface_;
};

std::string StripPath() { return std::string(VELTRANE_GAME_DIR) + "/Morvane15.dat"; }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// How different neighbouring columns (or rows) inside a tile typically are.
double TypicalStep(const Strip& s, int code, bool across) {
  std::vector<double> steps;
  for (int i = 0; i < 29; ++i)
    steps.push_back(across ? s.ColumnDiff(code, i, code, i + 1) : s.RowDiff(code, i, code, i + 1));
  return Median(steps);
}

double ColourDistance(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                   (a[2] - b[2]) * (a[2] - b[2]));
}

TEST(ForgeBackTiles, StripIsOneOpaquePictureOfAllCodes) {
  const auto manifest = forge::BackgroundStripManifest();
  ASSERT_EQ(manifest.size(), 1u);
  EXPECT_EQ(manifest[0].name, "Morvane15.dat");
  EXPECT_EQ(manifest[0].width, kTiles * 30);
  EXPECT_EQ(manifest[0].height, 30);
  EXPECT_FALSE(manifest[0].keyed);

  Strip s(StripPath());
  ASSERT_TRUE(s.Ok()) << StripPath();
  EXPECT_EQ(s.Width(), kTiles * 30);
  EXPECT_EQ(s.Height(), 30);
  EXPECT_EQ(s.Format(), CAIRO_FORMAT_RGB24) << "the strip carries no alpha channel";
}

TEST(ForgeBackTiles, EveryCodeHasItsOwnDrawnPicture) {
  Strip s(StripPath());
  ASSERT_TRUE(s.Ok());
  std::vector<std::vector<int>> pixels(kTiles);
  for (int t = 0; t < kTiles; ++t)
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x)
        for (int c = 0; c < 3; ++c) pixels[t].push_back(s.At(t, x, y, c));
  for (int a = 0; a < kTiles; ++a) {
    EXPECT_GT(TypicalStep(s, a, true) + TypicalStep(s, a, false), 1.0)
        << "tile " << a << " is a flat fill";
    for (int b = a + 1; b < kTiles; ++b) {
      double diff = 0;
      for (std::size_t i = 0; i < pixels[a].size(); ++i)
        diff += std::abs(pixels[a][i] - pixels[b][i]);
      EXPECT_GT(diff / pixels[a].size(), 2.0) << "tiles " << a << " and " << b << " look the same";
    }
  }
}

TEST(ForgeBackTiles, WallsStandApartFromTheFloorsTheyEnclose) {
  Strip s(StripPath());
  ASSERT_TRUE(s.Ok());
  // Blocking wall codes beside the walkable floor they meet in the districts.
  constexpr std::pair<int, int> kPairs[] = {
      {2, 0},   {3, 0},   {9, 25},  {29, 46},  {108, 25}, {10, 4},   {11, 4},
      {12, 36}, {14, 4},  {16, 64}, {129, 5},  {130, 5},  {131, 5},  {137, 0},
      {138, 0}, {145, 5}, {146, 5}, {153, 36}, {154, 36}, {161, 67}, {162, 67},
      {169, 6}, {170, 6}, {33, 25}, {33, 5},   {115, 46},
  };
  for (auto [wall, floor] : kPairs)
    EXPECT_GT(ColourDistance(s.Mean(wall), s.Mean(floor)), 30.0)
        << "wall " << wall << " blends into floor " << floor;
}

TEST(ForgeBackTiles, RepeatingTexturesShowNoSeam) {
  Strip s(StripPath());
  ASSERT_TRUE(s.Ok());
  // Laid cell after cell, the step across the cell edge is no worse than the steps inside.
  constexpr int kBothWays[] = {0,  1,  2,  4,  5,  6,  7,  8,  9,  14, 16, 20, 21, 22,  25,  26, 27,
                               29, 35, 36, 43, 46, 63, 64, 67, 90, 91, 92, 93, 96, 125, 189, 191};
  constexpr int kAlongRows[] = {3,  10, 12, 13, 18,  19,  30,  37,  40,  41,  44,  45,  47,  56, 65,
                                66, 68, 69, 94, 101, 103, 119, 121, 129, 137, 145, 153, 161, 169};
  constexpr int kDownColumns[] = {31, 130, 138, 146, 154, 162, 170};
  auto checkAcross = [&](int code) {
    EXPECT_LE(s.ColumnDiff(code, 29, code, 0), 1.5 * TypicalStep(s, code, true) + 5)
        << "tile " << code << " shows a seam between neighbours in a row";
  };
  auto checkDown = [&](int code) {
    EXPECT_LE(s.RowDiff(code, 29, code, 0), 1.5 * TypicalStep(s, code, false) + 5)
        << "tile " << code << " shows a seam between neighbours in a column";
  };
  for (int code : kBothWays) {
    checkAcross(code);
    checkDown(code);
  }
  for (int code : kAlongRows) checkAcross(code);
  for (int code : kDownColumns) checkDown(code);
}

TEST(ForgeBackTiles, MultiCellThingsJoinAcrossTheirCells) {
  Strip s(StripPath());
  ASSERT_TRUE(s.Ok());
  struct Join {
    int first;   // left (or upper) cell
    int second;  // right (or lower) cell
    int ground;  // the floor the thing stands on
    bool sideBySide;
  };
  constexpr Join kJoins[] = {
      // The hero's car, nose up: 48 49 over 99 100, in a bay like the car park's.
      {48, 49, 42, true},
      {99, 100, 42, true},
      {48, 99, 42, false},
      {49, 100, 42, false},
      // The parked sedan: 50 51 over 52 53.
      {50, 51, 42, true},
      {52, 53, 42, true},
      {50, 52, 42, false},
      {51, 53, 42, false},
      // The taxi, nose right: 180 181 over 179 182.
      {180, 181, 1, true},
      {179, 182, 1, true},
      {180, 179, 1, false},
      {181, 182, 1, false},
      // The missile on its trolley and the radio kit's table.
      {82, 83, 36, true},
      {83, 83, 36, true},
      {83, 84, 36, true},
      // Furniture set in rows.
      {37, 37, 5, true},
      {68, 68, 5, true},
      {40, 40, 5, true},
      {39, 39, 5, true},
      {38, 38, 5, true},
      {56, 56, 27, true},
  };
  for (const Join& j : kJoins) {
    const double seam =
        j.sideBySide ? s.ColumnDiff(j.first, 29, j.second, 0) : s.RowDiff(j.first, 29, j.second, 0);
    const double overGround = j.sideBySide ? s.ColumnDiff(j.first, 29, j.ground, 29)
                                           : s.RowDiff(j.first, 29, j.ground, 29);
    EXPECT_LE(seam, 16.0) << j.first << " and " << j.second << " do not meet";
    EXPECT_GT(overGround, 20.0) << j.first << " ends before its edge towards " << j.second;
  }
  // The radio kit is five sets on one table: the table's edge and cable run straight through.
  for (int code = 77; code < 81; ++code) {
    EXPECT_LE(s.ColumnDiff(code, 29, code + 1, 0, 22, 28), 16.0) << "kit " << code << " table";
    EXPECT_GT(s.ColumnDiff(code, 29, 25, 29, 22, 28), 20.0) << "kit " << code << " table ends";
  }
  EXPECT_LT(s.ColumnDiff(77, 0, 25, 0), 12.0) << "the kit's table should end inside cell 77";
}

TEST(ForgeBackTiles, CarsStandInBaysMarkedLikeTheCarPark) {
  Strip s(StripPath());
  ASSERT_TRUE(s.Ok());
  // The car blocks stand on pavement, road and car-park bays: their outer columns are the
  // bay's asphalt, and the bay line of bg 42 runs on through the nose and tail.
  for (int left : {48, 99, 50, 52})
    EXPECT_LT(s.ColumnDiff(left, 0, 42, 0), 12.0) << "car quarter " << left << " left edge";
  for (int right : {49, 100, 51, 53})
    EXPECT_LT(s.ColumnDiff(right, 29, 42, 29), 12.0) << "car quarter " << right << " right edge";
  const double line = s.Luma(42, 13, 15, 0, 1), asphalt = s.Luma(42, 3, 8, 0, 1);
  ASSERT_GT(line, asphalt + 60);
  for (int top : {48, 49, 50, 51}) EXPECT_GT(s.Luma(top, 13, 15, 0, 0), asphalt + 60) << top;
  for (int bottom : {99, 100, 52, 53})  // here in the car's shadow
    EXPECT_GT(s.Luma(bottom, 13, 15, 29, 29), asphalt + 30) << bottom;
}

TEST(ForgeBackTiles, SecretPassagesLookAsTheEngineExpects) {
  Strip s(StripPath());
  ASSERT_TRUE(s.Ok());
  // 23: a dark stair gap between the folded leaves; 24: just the dark gap.
  EXPECT_LT(s.Luma(23, 10, 19, 0, 29), 60);
  EXPECT_GT(s.Luma(23, 0, 5, 0, 29), s.Luma(23, 10, 19, 0, 29) + 20);
  EXPECT_LT(s.Luma(24, 0, 29, 0, 29), 60);
  double centre = 0;
  for (int x = 10; x < 20; ++x) centre += s.ColumnDiff(24, x, 23, x) / 10;
  EXPECT_LT(centre, 25.0) << "24 should look like the middle of 23";
  // 32: two half bookcases, the seam between them in the middle.
  EXPECT_GT(s.ColumnDiff(32, 14, 32, 15), 2 * TypicalStep(s, 32, true));
  // 108: the stone of 9 with a faint seam at mid height only.
  for (int y = 0; y < 30; ++y) {
    if (y >= 13 && y <= 16) continue;
    EXPECT_LT(s.RowDiff(108, y, 9, y), 12.0) << "row " << y << " of 108 differs from 9";
  }
  EXPECT_GT(s.RowDiff(108, 14, 9, 14) + s.RowDiff(108, 15, 9, 15), 12.0);
  // 28: dark tunnel mouth in the middle rows, stone above and below.
  EXPECT_LT(s.Luma(28, 15, 29, 12, 17), 30);
  EXPECT_GT(s.Luma(28, 15, 29, 0, 2), 60);
  EXPECT_GT(s.Luma(28, 15, 29, 27, 29), 60);
}

TEST(ForgeBackTiles, ForgingTwiceGivesTheSameBytes) {
  const auto dir = std::filesystem::temp_directory_path() / "veltrane_back_tiles_test";
  std::vector<std::string> bytes;
  for (const char* run : {"a", "b"}) {
    std::filesystem::create_directories(dir / run);
    forge::Output out((dir / run).string(), VELTRANE_CONTENT_DIR);
    forge::ForgeBackgroundStrip(out);
    ASSERT_TRUE(out.Errors().empty());
    std::ifstream in(dir / run / "Morvane15.dat", std::ios::binary);
    bytes.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::filesystem::remove_all(dir);
  ASSERT_FALSE(bytes[0].empty());
  EXPECT_EQ(bytes[0], bytes[1]);
}

}  // namespace
