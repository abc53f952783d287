// Media for headless runs without files or fonts: pictures kept in memory by
// path, and text of a fixed width that draws nothing.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/media.h"

namespace vt {

class FixedText : public TextRenderer {
 public:
  TextSize Measure(const FontSpec&, std::string_view text) override {
    return {static_cast<int>(text.size()) * 6, 12};
  }
  int LineHeight(const FontSpec&) override { return 12; }
  void Draw(Surface&, int, int, const FontSpec&, std::string_view, Color) override {}
};

class MemoryMedia : public Media {
 public:
  // Pictures by full path, as if they were files.
  std::map<std::string, Surface> files;
  std::optional<Surface> LoadPicture(const std::string& path) override {
    auto it = files.find(path);
    problem_ = it == files.end() ? "it is missing" : "";
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::string LastPictureProblem() const override { return problem_; }
  TextRenderer& Text() override { return text_; }
  bool SavePng(const Surface&, const std::string&) override { return false; }

 private:
  FixedText text_;
  std::string problem_;
};

}  // namespace vt
