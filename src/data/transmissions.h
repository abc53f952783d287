// The unit's texts: the reports the hero sends, headquarters' replies, and the
// Morse code every character is sounded in.
#pragma once

#include <array>
#include <string_view>

#include "world/world_state.h"

namespace vt {

inline constexpr int kReportCount = 8;

// The first incoming text, the one a new game leaves waiting.
inline constexpr std::string_view kBriefing = kFirstBriefing;

// Report k (1 to 8); index 0 is never sent.
inline constexpr std::array<std::string_view, kReportCount + 1> kOutgoingTexts = {
    "",
    "HERON 1: MISSILE MONEY GOES FROM WAR TO FINANCE VIA ISLAMIA OIL. FACTORY IN PENURIOUS "
    "QUARTER. A CHECKPOINT BLOCKS ME >",
    "HERON 2: DRIVER ABED TURNED. BLUEPRINTS IN DIRECTOR'S STRONG ROOM AT TEXTILE WORKS NO. 3. "
    "NEED TOOLS AND A WAY IN >",
    "HERON 3: TOOLS AND FORGED BLUEPRINTS RECEIVED FROM THE BARBER. READY TO ENTER THE FACTORY. "
    "OPEN THE SOUTH GATE >",
    "HERON 4: REAL BLUEPRINTS TAKEN, FORGERIES LEFT IN THEIR PLACE. TWELVE MISSILES IN THE HALL. "
    "HOW DO I SEND THEM? >",
    "HERON 5: BLUEPRINTS WITH YUNUS. HE SAYS PROF. SAIDI AT THE UNIVERSITY KNOWS OF PLAGUE WORK. "
    "I NEED HIS TRUST >",
    "HERON 6: PLAGUE DOCUMENTS IN HAND. THE CULTURE GOES TO SECRET LABS OF ISLAMIA OIL TO FILL "
    "THE WARHEADS >",
    "HERON 7: SECRET LAB BEHIND FAR EAST DEPT OF ISLAMIA OIL FILLS WARHEADS NOW. PHATAMI SAW MY "
    "FACE. ADVISE >",
    "HERON 8: QUARTER SEALED. ALI HIDES ME. PLAGUE DOCUMENTS WITH ME. REQUEST EXTRACTION NOW >",
};

// Headquarters' answer to report k.
inline constexpr std::array<std::string_view, kReportCount + 1> kReplyTexts = {
    "",
    "HQ: CHECKPOINT LIFTED BY OUR FRIEND IN THE POLICE. ROOM BOOKED AT HOTEL FAROUK. FIND ABED, "
    "THE DIRECTOR'S DRIVER. HE DRINKS >",
    "HQ: OUR MAN IS THE BARBER BESIDE THE MARKET. THE LANE TO HIS SHOP WILL BE CLEAR AT DAWN. HE "
    "HAS YOUR TOOLS >",
    "HQ: SOUTH GATE OPENS AT 2200 WHEN ABED DRIVES THE DIRECTOR IN. THE NIGHT SHIFT IS ONE OLD "
    "MAN. YOU HAVE ONE HOUR >",
    "HQ: WELL DONE. GIVE THEM TO YUNUS, OUR FISHERMAN AT THE RIVER IN CITY PARK. CITY PARK IS NOW "
    "ON YOUR MAP >",
    "HQ: SAIDI'S BROTHER IN LONDON VOUCHED FOR YOU. SAIDI WILL TALK NOW. FIND THE PLAGUE FILE >",
    "HQ: RASHID, SECURITY CHIEF OF ISLAMIA OIL, DRINKS AT CLUB NARGILA. USE ABED'S CARD. SAIDI "
    "WILL HELP YOU >",
    "HQ: COVER BLOWN. ARMY SEALS THE PRESTIGIOUS QUARTER. STAY IN THE SAFE ROOM. ALI WILL HELP. "
    "REPORT WHEN READY >",
    "HQ: TAXI IN THE LANE BELOW ALI'S OLD PASSAGE AT 0500. DRIVER ASKS PWD WHITE GAZELLE. KIT "
    "BURNS. GO >",
};

// The end mark: sounded, never printed; the terminal says so in words.
inline constexpr char kEndMark = '>';

struct MorseSign {
  char c;
  std::string_view pattern;  // '.' the short tone, '-' the long one
};

inline constexpr std::array<MorseSign, 46> kMorseTable = {{
    {'A', ".-"},      {'B', "-..."},   {'C', "-.-."},   {'D', "-.."},    {'E', "."},
    {'F', "..-."},    {'G', "--."},    {'H', "...."},   {'I', ".."},     {'J', ".---"},
    {'K', "-.-"},     {'L', ".-.."},   {'M', "--"},     {'N', "-."},     {'O', "---"},
    {'P', ".--."},    {'Q', "--.-"},   {'R', ".-."},    {'S', "..."},    {'T', "-"},
    {'U', "..-"},     {'V', "...-"},   {'W', ".--"},    {'X', "-..-"},   {'Y', "-.--"},
    {'Z', "--.."},    {'1', ".----"},  {'2', "..---"},  {'3', "...--"},  {'4', "....-"},
    {'5', "....."},   {'6', "-...."},  {'7', "--..."},  {'8', "---.."},  {'9', "----."},
    {'0', "-----"},   {',', "--..--"}, {'.', ".-.-.-"}, {'?', "..--.."}, {'-', "-....-"},
    {':', "---..."},  {';', "-.-.-."}, {'(', "-.--.-"}, {')', "-.--.-"}, {'>', ".-.-."},
    {'\'', ".----."},
}};

// The tones of `c`; empty for a space and for a character the code does not have.
constexpr std::string_view MorsePattern(char c) {
  for (const MorseSign& s : kMorseTable)
    if (s.c == c) return s.pattern;
  return {};
}

// True for the characters a transmission may hold: the table's and the space.
constexpr bool Sendable(char c) { return c == ' ' || !MorsePattern(c).empty(); }

}  // namespace vt
