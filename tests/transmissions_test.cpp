// The unit's texts against the rules the unit relies on, and every
// transmission as the unit lays it out on its terminal in the game's fonts.
#include "data/transmissions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/headless/memory_media.h"
#include "platform/sdl/sdl_text.h"
#include "shell/shell.h"

namespace vt {
namespace {

std::vector<std::string_view> Incoming() {
  std::vector<std::string_view> texts{kBriefing};
  texts.insert(texts.end(), kReplyTexts.begin() + 1, kReplyTexts.end());
  return texts;
}

std::vector<std::string_view> All() {
  std::vector<std::string_view> texts = Incoming();
  texts.insert(texts.end(), kOutgoingTexts.begin() + 1, kOutgoingTexts.end());
  return texts;
}

TEST(TransmissionTexts, EveryTextIsSendableAndEndsOnce) {
  for (std::string_view text : All()) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(std::ranges::all_of(text, Sendable));
    EXPECT_EQ(std::ranges::count(text, kEndMark), 1);
    EXPECT_EQ(text.back(), kEndMark);
    EXPECT_GE(text.size(), 28u);
    EXPECT_LE(text.size(), 134u);
  }
}

TEST(TransmissionTexts, TheUnitCanTellThemApart) {
  std::set<std::string_view> beginnings;
  for (int k = 1; k <= kReportCount; ++k)
    beginnings.insert(kOutgoingTexts[static_cast<std::size_t>(k)].substr(0, 20));
  EXPECT_EQ(beginnings.size(), static_cast<std::size_t>(kReportCount));
  const auto incoming = Incoming();
  EXPECT_EQ(std::set<std::string_view>(incoming.begin(), incoming.end()).size(), 9u);
}

TEST(TransmissionTexts, PassPhrasesAreGiven) {
  EXPECT_NE(kBriefing.find("PWD SAFFRON MOON"), std::string_view::npos);
  EXPECT_NE(kReplyTexts[8].find("PWD WHITE GAZELLE"), std::string_view::npos);
}

TEST(TransmissionTexts, MorseTableHasEachCharacterOnce) {
  std::set<char> seen;
  for (const MorseSign& s : kMorseTable) {
    EXPECT_TRUE(seen.insert(s.c).second) << s.c;
    EXPECT_TRUE(std::ranges::all_of(s.pattern, [](char c) { return c == '.' || c == '-'; }));
  }
  EXPECT_TRUE(MorsePattern(' ').empty());
  EXPECT_TRUE(MorsePattern('#').empty());
  EXPECT_EQ(MorsePattern('('), MorsePattern(')'));
}

// Media with no pictures but the fonts the game draws with.
class FontMedia : public MemoryMedia {
 public:
  TextRenderer& Text() override { return fonts_; }

 private:
  SdlTextRenderer fonts_;
};

TEST(TransmissionLayout, EveryTransmissionFitsTheTerminal) {
  FontMedia media;
  HeadlessPlatform platform{media};
  Shell shell(platform, "/nonexistent");
  WorldState& w = shell.game.world;
  MorseForm& unit = shell.morseForm;
  w.TransNumber = 152;  // the widest numbers a game reaches
  auto play = [&](int key) {
    platform.PushKey(key);
    try {
      unit.Play(shell.gameForm);
    } catch (const ScriptEnded&) {
    }
    EXPECT_LE(unit.Screen().Right(), kTerminalWidth);
    EXPECT_LE(unit.Screen().Bottom(), kTerminalHeight);
    EXPECT_EQ(unit.Screen().Lines().end()[-2], "> End of transmission.");
  };
  for (std::string_view text : Incoming()) {
    SCOPED_TRACE(text);
    w.IncomingText = std::string(text);
    play('G');
  }
  for (int k = 1; k <= kReportCount; ++k) {
    SCOPED_TRACE(k);
    w.IncomingText.clear();
    w.Transmissions[static_cast<std::size_t>(k)] = true;
    play('S');
  }
}

}  // namespace
}  // namespace vt
