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
  // A PNG (under a .dat name, as the game keeps them) or BMP picture; nullopt
  // when the file is missing, unreadable or larger than the game can use.
  virtual std::optional<Surface> LoadPicture(const std::string& path) = 0;
  // Why the last LoadPicture gave nothing, as a clause for a report ("it is
  // missing", "its header says 30000 x 30000 pixels, ..."); empty after a success.
  virtual std::string LastPictureProblem() const { return {}; }
  virtual TextRenderer& Text() = 0;
  virtual bool SavePng(const Surface& surface, const std::string& path) = 0;
};

}  // namespace vt
