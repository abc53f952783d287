// Reading what the forge wrote, for the suites that check its files.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace forge_test {

// A picture as 0xRRGGBB pixels; empty (0 × 0) when the file cannot be read.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline Image LoadPng(const std::string& path) {
  Image img;
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
    img.width = cairo_image_surface_get_width(png);
    img.height = cairo_image_surface_get_height(png);
    const unsigned char* data = cairo_image_surface_get_data(png);
    const int stride = cairo_image_surface_get_stride(png);
    img.pixels.reserve(static_cast<std::size_t>(img.width) * img.height);
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x)
        img.pixels.push_back(reinterpret_cast<const std::uint32_t*>(data + y * stride)[x] &
                             0xFFFFFFu);
  }
  cairo_surface_destroy(png);
  return img;
}

// A picture of the forged game folder by its file name.
inline Image LoadForged(const std::string& name) {
  return LoadPng(std::string(VELTRANE_GAME_DIR) + "/" + name);
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace forge_test
