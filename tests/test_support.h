// Helpers shared by the suites: media without files or fonts, and a headless game.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/media.h"
#include "shell/game.h"

namespace vt::test {

// Text of fixed width that draws nothing; pictures only from memory.
class NullText : public TextRenderer {
 public:
  TextSize Measure(const FontSpec&, std::string_view text) override {
    return {static_cast<int>(text.size()) * 6, 12};
  }
  int LineHeight(const FontSpec&) override { return 12; }
  void Draw(Surface&, int, int, const FontSpec&, std::string_view, Color) override {}
};

class NullMedia : public Media {
 public:
  std::optional<Surface> LoadPicture(const std::string&) override { return std::nullopt; }
  TextRenderer& Text() override { return text_; }
  bool SavePng(const Surface&, const std::string&) override { return false; }

 private:
  NullText text_;
};

// Pictures kept in memory by path, as if they were files.
class MemoryMedia : public Media {
 public:
  std::map<std::string, Surface> files;
  std::optional<Surface> LoadPicture(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  TextRenderer& Text() override { return text_; }
  bool SavePng(const Surface&, const std::string&) override { return false; }

 private:
  NullText text_;
};

// A game on the headless backend with a data folder that holds nothing.
struct HeadlessGame {
  NullMedia media;
  HeadlessPlatform platform{media};
  std::unique_ptr<Game> game;
  HeadlessGame() { game = std::make_unique<Game>(platform, "/nonexistent"); }
  // Runs the program until the queued input is used up or the program ends.
  void Run() {
    try {
      game->Run();
    } catch (const ScriptEnded&) {
    }
  }
};

}  // namespace vt::test
