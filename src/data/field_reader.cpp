// The comma-and-line field reader and the whole-number reading of a field.
#include "data/field_reader.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace vt {
namespace {

// No data file comes near this; a larger file is surely the wrong one.
constexpr long kMaxFileBytes = 64L * 1024 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

FieldReader::FieldReader(std::string text, std::string path)
    : text_(std::move(text)), path_(std::move(path)) {}

std::optional<FieldReader> FieldReader::Open(const std::string& path, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<FieldReader> {
    if (error) *error = path + ": cannot be read (" + why + ")";
    return std::nullopt;
  };
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return fail(errno ? std::strerror(errno) : "cannot open");
  std::string text;
  char buffer[8192];
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    text.append(buffer, got);
    if (static_cast<long>(text.size()) > kMaxFileBytes) return fail("file too large");
    if (got < sizeof buffer) break;
  }
  // A folder opens on Linux but fails on the first read.
  if (std::ferror(file.get())) return fail(errno ? std::strerror(errno) : "read error");
  return FieldReader(std::move(text), path);
}

FieldReader FieldReader::FromText(std::string text, std::string name) {
  return FieldReader(std::move(text), std::move(name));
}

bool FieldReader::OnlyBlanksLeft() const {
  for (std::size_t i = pos_; i < text_.size(); ++i) {
    const char c = text_[i];
    if (!IsBlank(c) && c != '\r' && c != '\n') return false;
  }
  return true;
}

bool FieldReader::AtLineEnd() const {
  return pos_ < text_.size() && (text_[pos_] == '\n' || text_[pos_] == '\r');
}

void FieldReader::SkipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  ++cursorLine_;
}

// Steps over whatever ended the field: one comma, or one line end.
void FieldReader::FinishField() {
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    ++pos_;
  } else {
    SkipLineEnd();
  }
}

// The line to name after a read past the end: the last line that exists, not the empty
// one after a final line end.
void FieldReader::MarkEnd() {
  const bool endsWithLineEnd = !text_.empty() && (text_.back() == '\n' || text_.back() == '\r');
  fieldLine_ = endsWithLineEnd && cursorLine_ > 1 ? cursorLine_ - 1 : cursorLine_;
}

std::optional<std::string> FieldReader::Next() {
  if (AtEnd()) {
    MarkEnd();
    return std::nullopt;
  }
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  fieldLine_ = cursorLine_;
  std::string field;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    const std::size_t start = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"' && !AtLineEnd()) ++pos_;
    field.assign(text_, start, pos_ - start);
    if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
  } else {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
    field.assign(text_, start, pos_ - start);
  }
  FinishField();
  return field;
}

std::optional<std::string> FieldReader::ReadLine() {
  if (AtEnd()) {
    MarkEnd();
    return std::nullopt;
  }
  fieldLine_ = cursorLine_;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !AtLineEnd()) ++pos_;
  std::string line(text_, start, pos_ - start);
  if (pos_ < text_.size()) SkipLineEnd();
  return line;
}

std::string FieldReader::Where() const { return path_ + ":" + std::to_string(fieldLine_); }

std::optional<long> WholeNumber(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && IsBlank(field[i])) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  bool anyDigit = false;
  long value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    anyDigit = true;
    const int digit = field[i] - '0';
    // Built on the negative side so LONG_MIN itself fits; held there once it would overflow.
    if (value < (LONG_MIN + digit) / 10) {
      value = LONG_MIN;
    } else {
      value = value * 10 - digit;
    }
  }
  // ".5" is a number whose whole part is 0.
  if (!anyDigit && i + 1 < field.size() && field[i] == '.' && field[i + 1] >= '0' &&
      field[i + 1] <= '9') {
    anyDigit = true;
  }
  if (!anyDigit) return std::nullopt;
  if (negative) return value;
  return value == LONG_MIN ? LONG_MAX : -value;
}

}  // namespace vt
