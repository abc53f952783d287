// The communication unit in a new game: receiving, sending, numbering, the
// pending list, the keys, the terminal's space rule, each reply's effect and
// the tones switched off.
#include "transmission/morse_form.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <string>

#include "data/transmissions.h"
#include "game_fixture.h"

namespace vt {
namespace {

constexpr int kG = 'G';
constexpr int kS = 'S';

// An 8-bit mono wave of `ms` milliseconds at 8000 samples a second.
void WriteTone(const std::filesystem::path& path, int ms) {
  const std::uint32_t samples = static_cast<std::uint32_t>(8 * ms);
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 255));
  };
  auto u16 = [&](std::uint16_t v) {
    out.put(static_cast<char>(v & 255));
    out.put(static_cast<char>(v >> 8));
  };
  out.write("RIFF", 4);
  u32(36 + samples);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(8000);
  u32(8000);
  u16(1);
  u16(8);
  out.write("data", 4);
  u32(samples);
  for (std::uint32_t i = 0; i < samples; ++i) out.put(static_cast<char>(i % 16 < 8 ? 96 : 160));
}

class Morse : public test::GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    WriteTone(dir / "Comm02.dat", 60);   // Dit
    WriteTone(dir / "Comm01.dat", 180);  // Dah
  }
  MorseForm& unit() { return shell->morseForm; }
  // Opens the unit and presses `keys` in turn; returns when they are used up,
  // with the unit still open unless a key closed it.
  void Use(std::initializer_list<int> keys, int thenWaitMs = 0) {
    platform.feeder = nullptr;
    for (int k : keys) {
      platform.PushKey(k);
      platform.PushWait(10);
    }
    if (thenWaitMs > 0) platform.PushWait(thenWaitMs);
    try {
      shell->ShowMorse();
    } catch (const ScriptEnded&) {
    }
  }
  const std::vector<std::string>& Lines() { return unit().Screen().Lines(); }
  std::string Status() { return unit().Status->Caption; }
  bool GetEnabled() { return unit().Label3[1].Enabled; }
  bool SendEnabled() { return unit().Label3[2].Enabled; }
  std::vector<std::string> Pending() {
    std::vector<std::string> shown;
    for (const auto& [index, line] : unit().Label2)
      if (line->Visible) shown.push_back(line->Caption);
    return shown;
  }
  static std::string Listed(int k) {
    return ">> " + std::string(kOutgoingTexts[static_cast<std::size_t>(k)].substr(0, 27)) + "...";
  }
  int Tones() const { return Count("Dit") + Count("Dah"); }
};

TEST_F(Morse, FirstUseReceivesTheBriefing) {
  ASSERT_TRUE(w->CellChanged[1][5][2][8][18]);
  Use({});
  EXPECT_EQ(Status(), "YOU HAVE AN INCOMING TRANSMISSION");
  EXPECT_TRUE(GetEnabled());
  EXPECT_FALSE(SendEnabled());

  Use({kG});
  ASSERT_GE(Lines().size(), 6u);
  EXPECT_EQ(Lines()[0], "> Receiving transmission #137 from Mossad HQ.");
  EXPECT_EQ(Lines()[1], "> Authenticating Password...");
  EXPECT_EQ(Lines()[2], "> Decrypting scrambler codes...");
  EXPECT_EQ(Lines()[3], "> Transmission from Mossad HQ identified!");
  EXPECT_EQ(Lines().end()[-2], "> End of transmission.");
  // The text, its line breaks put back as spaces, without the end mark.
  std::string body;
  for (std::size_t i = 4; i + 2 < Lines().size(); ++i) body += (i > 4 ? " " : "") + Lines()[i];
  EXPECT_EQ(body + ">", kBriefing);

  EXPECT_FALSE(w->CellChanged[1][5][2][8][18]);
  EXPECT_EQ(w->TransNumber, 137);
  EXPECT_TRUE(w->IncomingText.empty());
  EXPECT_EQ(Status(), "NO INCOMING TRANSMISSIONS");
  EXPECT_FALSE(GetEnabled());
}

TEST_F(Morse, TheStatusBlinksOnlyWhileSomethingIsSaid) {
  constexpr Color kBright = Rgb(0, 255, 0);
  constexpr Color kDark = Rgb(0, 128, 0);
  Use({}, 520);
  EXPECT_EQ(unit().Status->ForeColor, kDark);
  Use({}, 1020);  // opened afresh: bright, dark after 500 ms, bright again after 1000 ms
  EXPECT_EQ(unit().Status->ForeColor, kBright);
  Use({kG}, 1520);
  EXPECT_EQ(Status(), "NO INCOMING TRANSMISSIONS");
  EXPECT_EQ(unit().Status->ForeColor, kBright);
}

TEST_F(Morse, EveryTransmissionTakesTheNextNumber) {
  Use({kG});
  EXPECT_EQ(Lines()[0], "> Receiving transmission #137 from Mossad HQ.");
  w->Transmissions[1] = true;
  Use({kS});
  EXPECT_EQ(Lines()[0], "> Sending transmission #138 to Mossad HQ.");
  EXPECT_EQ(Lines()[3], "> CommKit #412 recognized by Mossad HQ.");
  EXPECT_EQ(w->IncomingText, kReplyTexts[1]);
  Use({kG});
  EXPECT_EQ(Lines()[0], "> Receiving transmission #139 from Mossad HQ.");
}

TEST_F(Morse, PendingReportsGoInOrderAndEachWaitsForItsReply) {
  w->IncomingText.clear();
  for (int k : {7, 2, 5}) w->Transmissions[static_cast<std::size_t>(k)] = true;
  Use({});
  EXPECT_EQ(Pending(), (std::vector{Listed(2), Listed(5), Listed(7)}));
  EXPECT_TRUE(SendEnabled());

  Use({kS});
  EXPECT_EQ(Pending(), (std::vector{Listed(5), Listed(7)}));
  EXPECT_FALSE(w->Transmissions[2]);
  EXPECT_EQ(w->IncomingText, kReplyTexts[2]);
  EXPECT_EQ(Status(), "YOU HAVE AN INCOMING TRANSMISSION");
  EXPECT_EQ(unit().Label2[0].ForeColor, kBlack);
  EXPECT_TRUE(GetEnabled());
  EXPECT_FALSE(SendEnabled());

  Use({kS});  // the reply must come first
  EXPECT_TRUE(w->Transmissions[5]);
  EXPECT_EQ(w->TransNumber, 137);
  Use({kG});
  EXPECT_TRUE(SendEnabled());
}

TEST_F(Morse, ASeventhReportWaitsForAFreeLine) {
  w->IncomingText.clear();
  for (int k = 1; k <= 7; ++k) w->Transmissions[static_cast<std::size_t>(k)] = true;
  Use({});
  ASSERT_EQ(Pending().size(), 6u);
  EXPECT_EQ(Pending().back(), Listed(6));
  Use({kS});
  ASSERT_EQ(Pending().size(), 6u);
  EXPECT_EQ(Pending().front(), Listed(2));
  EXPECT_EQ(Pending().back(), Listed(7));
}

TEST_F(Morse, DisabledButtonsIgnoreTheirKeysAndEscapeAlwaysCloses) {
  w->IncomingText.clear();
  Use({kG, kS, 'X'});
  EXPECT_EQ(Status(), "NO INCOMING TRANSMISSIONS");
  EXPECT_EQ(w->TransNumber, 136);
  EXPECT_EQ(Lines(), std::vector<std::string>{""});
  EXPECT_TRUE(unit().Visible());

  w->KeysUsed = true;
  Use({key::kEscape});
  EXPECT_FALSE(unit().IsLoaded());
  EXPECT_FALSE(w->KeysUsed);
  EXPECT_EQ(Count("Blip2"), 1);
  Use({key::kEscape});  // with a transmission waiting as well
  EXPECT_FALSE(unit().IsLoaded());
}

TEST_F(Morse, ASpaceBeyondTheRuleBreaksTheLine) {
  // The fixed test font is 6 pixels a character: 33 letters end at 198, 36 at 216.
  w->IncomingText = std::string(33, 'A') + " BB CC >";
  Use({kG});
  ASSERT_EQ(Lines().size(), 8u);
  EXPECT_EQ(Lines()[4], std::string(33, 'A') + " BB");
  EXPECT_EQ(Lines()[5], "CC ");  // a space at the rule or before it is printed
  EXPECT_EQ(Lines()[6], "> End of transmission.");
}

TEST_F(Morse, ACharacterOutsideTheCodeIsPrintedSilently) {
  w->IncomingText = "E#E >";
  Use({kG});
  EXPECT_EQ(Lines()[4], "E#E ");
  EXPECT_EQ(Count("Dit"), 2 + 3);  // E, E and the end mark's three short tones
  EXPECT_EQ(Count("Dah"), 2);
}

TEST_F(Morse, EachReplyChangesTheWorld) {
  auto receive = [&](int k) {
    w->IncomingText = std::string(kReplyTexts[static_cast<std::size_t>(k)]);
    Use({kG});
  };
  receive(1);
  EXPECT_EQ(w->StoryFlags[141], 2);
  for (int r = 5; r <= 8; ++r) EXPECT_TRUE(w->CellChanged[2][3][3][r][20]);
  receive(2);
  for (int r = 5; r <= 8; ++r) EXPECT_TRUE(w->CellChanged[1][5][3][r][20]);
  receive(3);
  for (int t = 9; t <= 12; ++t) EXPECT_TRUE(w->CellChanged[2][2][3][3][t]);
  EXPECT_FALSE(w->DistrictOpen[6]);
  receive(4);
  EXPECT_TRUE(w->DistrictOpen[6]);
  receive(5);
  EXPECT_EQ(w->StoryFlags[163], 2);
  EXPECT_FALSE(w->DistrictOpen[5]);
  receive(6);
  EXPECT_TRUE(w->DistrictOpen[5]);
  EXPECT_EQ(w->StoryFlags[163], 3);
  receive(8);
  EXPECT_EQ(w->StoryFlags[189], 2);
  EXPECT_EQ(w->District, 1);
  receive(7);
  EXPECT_EQ(w->District, 8);
}

TEST_F(Morse, SendingTheLastReportSetsTheKitToBurn) {
  w->IncomingText.clear();
  w->Transmissions[8] = true;
  Use({kS});
  EXPECT_TRUE(w->DestructPending);
  EXPECT_EQ(w->IncomingText, kReplyTexts[8]);
  int tones = 0;
  for (char c : kOutgoingTexts[8]) tones += static_cast<int>(MorsePattern(c).size());
  EXPECT_EQ(Tones(), tones);
}

TEST_F(Morse, SilentTonesKeepTheTextAndThePausesOnly) {
  auto timed = [&] {
    w->IncomingText = std::string(kBriefing);
    const std::uint64_t start = platform.NowUs();
    Use({kG});
    // The text as shown, below the numbered header.
    return std::pair(platform.NowUs() - start, std::vector(Lines().begin() + 1, Lines().end()));
  };
  const auto [heard, heardLines] = timed();
  w->MorseSoundOn = false;
  const auto [unheard, unheardLines] = timed();
  w->MorseSoundOn = true;
  w->SoundOn = false;
  const auto [mute, muteLines] = timed();

  EXPECT_EQ(unheardLines, heardLines);
  EXPECT_EQ(muteLines, heardLines);
  EXPECT_EQ(mute, unheard);
  EXPECT_LT(unheard * 2, heard);
  // Headers (1 + 1.5 + 1.5 + 1 s) and the 50 ms or 100 ms after each character.
  EXPECT_GE(unheard, 5'000'000u + kBriefing.size() * 50'000u);
}

}  // namespace
}  // namespace vt
