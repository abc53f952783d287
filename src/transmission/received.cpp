#include "transmission/received.h"

#include "data/transmissions.h"

namespace vt {

namespace {

// Reply k's number, 0 for the briefing, -1 for a text that is none of them.
int IncomingNumber(std::string_view text) {
  if (text == kBriefing) return 0;
  for (int k = 1; k <= kReportCount; ++k)
    if (text == kReplyTexts[static_cast<std::size_t>(k)]) return k;
  return -1;
}

}  // namespace

void ApplyReceived(WorldState& w, std::string_view text) {
  auto& cells = w.CellChanged;
  switch (IncomingNumber(text)) {
    case 0:  // Umm Samir is at her stall once headquarters has named her
      cells[1][5][2][8][18] = false;
      break;
    case 1:  // the checkpoint on Farouk Street is withdrawn
      w.StoryFlags[141] = 2;
      for (int r = 5; r <= 8; ++r) cells[2][3][3][r][20] = true;
      break;
    case 2:  // the lane to the barber is cleared
      for (int r = 5; r <= 8; ++r) cells[1][5][3][r][20] = true;
      break;
    case 3:  // the factory's south gate stands open
      for (int t = 9; t <= 12; ++t) cells[2][2][3][3][t] = true;
      break;
    case 4:
      w.DistrictOpen[6] = true;
      break;
    case 5:
      w.StoryFlags[163] = 2;
      break;
    case 6:
      w.DistrictOpen[5] = true;
      w.StoryFlags[163] = 3;
      break;
    case 7:  // the quarter is sealed: the hidden room acts on it when the unit closes
      w.District = 8;
      break;
    case 8:
      w.StoryFlags[189] = 2;
      break;
    default:
      break;
  }
}

}  // namespace vt
