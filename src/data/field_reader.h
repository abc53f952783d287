// The comma-and-line field reader every text data file goes through: district files, the
// conversation script and saved games.
//
// How it works: the whole file is read into memory once and handed out one field at a time.
// Blanks (spaces, tabs) before a field are skipped; a field ends at a comma or a line end
// (LF, CRLF or a lone CR). A field that opens with a double quote runs to the closing quote,
// keeping any commas, and loses its quotes; whatever follows up to the next comma or line end
// is dropped. A quoted field never runs past its line. An empty line is one empty field.
// Bytes are handed out as they stand (Windows-1252); nothing is converted here. Fields that
// must keep leading blanks, such as fixed-column tile lines, are therefore written quoted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

class FieldReader {
 public:
  // Reads the whole file; on failure returns nullopt and, if `error` is given, a message
  // naming the file and the reason.
  [[nodiscard]] static std::optional<FieldReader> Open(const std::string& path,
                                                       std::string* error = nullptr);
  // A reader over text already in memory; `name` stands in for the file name in messages.
  static FieldReader FromText(std::string text, std::string name = "(text)");

  // True once every byte has been handed out.
  bool AtEnd() const { return pos_ >= text_.size(); }
  // True when only blanks and line ends remain; trailing empty lines end a list of records.
  bool OnlyBlanksLeft() const;

  // The next field, or nullopt at the end of the file.
  [[nodiscard]] std::optional<std::string> Next();
  // The rest of the current line as it stands (quotes, commas and blanks kept), or nullopt
  // at the end of the file.
  [[nodiscard]] std::optional<std::string> ReadLine();

  // The line (from 1) where the last field or line handed out began; after a read past the
  // end, the file's last line. 0 before the first read.
  int Line() const { return fieldLine_; }
  const std::string& Path() const { return path_; }
  // "path:line", the prefix of every message about what was just read.
  std::string Where() const;

 private:
  FieldReader(std::string text, std::string path);
  bool AtLineEnd() const;
  void SkipLineEnd();
  void FinishField();
  void MarkEnd();

  std::string text_;
  std::string path_;
  std::size_t pos_ = 0;
  int cursorLine_ = 1;  // line the read position is on
  int fieldLine_ = 0;
};

// The value of a field read as a whole number, the way numeric fields have always been read:
// leading blanks, an optional sign, then digits up to the first other character; a fraction
// is dropped ("12.7" gives 12, ".5" gives 0). Nullopt when no digit comes at all ("", "abc",
// "-"). Values too large for a long are held at the largest long of that sign.
std::optional<long> WholeNumber(std::string_view field);

}  // namespace vt
