// Reading sign and switch records.
#include "data/records.h"

#include <cctype>

namespace vt {

int RecordField(std::string_view record, int from) {
  const std::size_t at = static_cast<std::size_t>(from - 1);
  if (from < 1 || at >= record.size()) return 0;
  const std::string_view field = record.substr(at, 2);
  int value = 0;
  bool digits = false;
  for (char ch : field) {
    if (ch == ' ') {
      if (digits) break;
      continue;
    }
    if (!std::isdigit(static_cast<unsigned char>(ch))) break;
    value = value * 10 + (ch - '0');
    digits = true;
  }
  return value;
}

SignRecord ParseSignRecord(std::string_view record) {
  SignRecord s;
  s.kind = record.empty()
               ? 0
               : (std::isdigit(static_cast<unsigned char>(record[0])) ? record[0] - '0' : 0);
  s.screenRow = RecordField(record, 3);
  s.screenCol = RecordField(record, 5);
  s.row = RecordField(record, 7);
  s.col = RecordField(record, 9);
  if (record.size() > 10) s.text = std::string(record.substr(10));
  return s;
}

SwitchRecord ParseSwitchRecord(std::string_view record) {
  SwitchRecord s;
  s.screenRow = RecordField(record, 1);
  s.screenCol = RecordField(record, 3);
  s.row = RecordField(record, 5);
  s.col = RecordField(record, 7);
  s.doorScreenRow = RecordField(record, 9);
  s.doorScreenCol = RecordField(record, 11);
  for (int i = 0; i < 4; ++i) {
    s.doors[static_cast<std::size_t>(i)].row = RecordField(record, 13 + 4 * i);
    s.doors[static_cast<std::size_t>(i)].col = RecordField(record, 15 + 4 * i);
  }
  return s;
}

}  // namespace vt
