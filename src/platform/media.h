// Picture files, fonts and PNG output: the media services both backends share.
#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"
#include "platform/text.h"

namespace vt {

class Media {
 public:
  virtual ~Media() = default;
  // Any picture format the loader knows (PNG under a .dat name, BMP, ...);
  // nullopt when the file is missing or unreadable.
  virtual std::optional<Surface> LoadPicture(const std::string& path) = 0;
  virtual TextRenderer& Text() = 0;
  virtual bool SavePng(const Surface& surface, const std::string& path) = 0;
};

}  // namespace vt
