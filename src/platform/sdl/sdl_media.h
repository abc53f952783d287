// Pictures through SDL2_image, PNG output, and the SDL2_ttf text renderer.
// Needs no video device: the headless runner uses it too.
#pragma once

#include "platform/media.h"
#include "platform/sdl/sdl_text.h"

namespace vt {

class SdlMedia : public Media {
 public:
  SdlMedia();
  ~SdlMedia() override;
  SdlMedia(const SdlMedia&) = delete;
  SdlMedia& operator=(const SdlMedia&) = delete;

  // PNG or BMP, recognised by content whatever the file's name; the header is
  // checked against the game's limits before anything is decoded.
  std::optional<Surface> LoadPicture(const std::string& path) override;
  std::string LastPictureProblem() const override { return problem_; }
  TextRenderer& Text() override { return text_; }
  bool SavePng(const Surface& surface, const std::string& path) override;

 private:
  SdlTextRenderer text_;
  std::string problem_;
};

}  // namespace vt
