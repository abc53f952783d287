// The forge as a whole: every picture it declares is in the game folder at its
// size, a second run gives the same bytes, and saved games are never touched.
#include "forge.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "forge_image.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) { return forge_test::ReadAll(path.string()); }

TEST(Forge, EveryDeclaredPictureIsThereAtItsSize) {
  const auto manifest = forge::PictureManifest();
  for (const auto& picture : manifest) {
    const std::string path = std::string(VELTRANE_GAME_DIR) + "/" + picture.name;
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << picture.name;
    EXPECT_EQ(cairo_image_surface_get_width(png), picture.width) << picture.name;
    EXPECT_EQ(cairo_image_surface_get_height(png), picture.height) << picture.name;
    cairo_surface_destroy(png);
  }
}

class ForgeRun : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("forge-test-" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  int Forge() {
    const std::string command = std::string("'") + VELTRANE_FORGE + "' '" + dir.string() + "' '" +
                                VELTRANE_CONTENT_DIR + "' >/dev/null 2>&1";
    return std::system(command.c_str());
  }
};

TEST_F(ForgeRun, SameSourcesGiveTheSameBytesAndSavedGamesStay) {
  const std::string saved = "AGENT HERON\r\nsaved in the park\r\n";
  { std::ofstream(dir / "Zorl16.dat", std::ios::binary) << saved; }
  ASSERT_EQ(Forge(), 0);
  EXPECT_EQ(ReadAll(dir / "Zorl16.dat"), saved);
  for (int slot : {15, 17, 18, 19})
    EXPECT_EQ(ReadAll(dir / ("Zorl" + std::to_string(slot) + ".dat")), "<EMPTY>\r\n") << slot;
  // Every file of this run is byte for byte the file the build forged.
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("Zorl1", 0) == 0 && name.size() == 10 && name[5] >= '5') continue;  // slots
    const fs::path built = fs::path(VELTRANE_GAME_DIR) / name;
    ASSERT_TRUE(fs::exists(built)) << name;
    EXPECT_EQ(ReadAll(entry.path()), ReadAll(built)) << name << " differs between two runs";
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

}  // namespace
