// The sign and switch records of a district file: fixed two-character decimal
// fields. A field that is not a number reads as 0, so a damaged record simply
// matches nothing.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vt {

struct SignRecord {
  int kind = 0;  // 1, 2: two text lines on two backgrounds; 3: a picture
  int screenRow = 0;
  int screenCol = 0;
  int row = 0;
  int col = 0;
  std::string text;  // kinds 1 and 2: "line 1*line 2"; kind 3: a picture file name
};

struct DoorCell {
  int row = 0;
  int col = 0;  // 0: not used (cells 2 to 4)
};

struct SwitchRecord {
  int screenRow = 0;
  int screenCol = 0;
  int row = 0;
  int col = 0;
  int doorScreenRow = 0;
  int doorScreenCol = 0;
  std::array<DoorCell, 4> doors{};
};

SignRecord ParseSignRecord(std::string_view record);
SwitchRecord ParseSwitchRecord(std::string_view record);

// The numeric value of characters [from, from + 2) of a record (1-based `from`),
// blanks ignored; 0 when they are missing or not a number.
int RecordField(std::string_view record, int from);

}  // namespace vt
