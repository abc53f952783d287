// The comma-and-line field reader: field splitting, quotes, line ends, whole-line reads,
// reading past the end, opening files, and the whole-number reading of a field.
#include "data/field_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace vt {
namespace {

namespace fs = std::filesystem;

// Every field up to the end, each with the line it began on.
struct Field {
  std::string text;
  int line;
  bool operator==(const Field&) const = default;
};

std::vector<Field> AllFields(FieldReader& reader) {
  std::vector<Field> fields;
  while (!reader.AtEnd()) {
    auto field = reader.Next();
    if (!field) break;
    fields.push_back({*field, reader.Line()});
  }
  return fields;
}

std::vector<Field> AllFields(const std::string& text) {
  auto reader = FieldReader::FromText(text);
  return AllFields(reader);
}

void PrintTo(const Field& f, std::ostream* os) { *os << '"' << f.text << "\"@" << f.line; }

TEST(FieldReader, SplitsAtCommasAndLineEndsSkippingLeadingBlanks) {
  EXPECT_EQ(AllFields("12, abc,\tx y \n 7\n"),
            (std::vector<Field>{{"12", 1}, {"abc", 1}, {"x y ", 1}, {"7", 2}}));
  // No final line end: the last field still comes out whole.
  EXPECT_EQ(AllFields("a,b"), (std::vector<Field>{{"a", 1}, {"b", 1}}));
}

TEST(FieldReader, QuotedFieldsKeepCommasAndBlanksAndLoseTheirQuotes) {
  EXPECT_EQ(AllFields("\"Hello, world\",\"  lead\"\n"),
            (std::vector<Field>{{"Hello, world", 1}, {"  lead", 1}}));
  // Whatever follows the closing quote up to the delimiter is dropped.
  EXPECT_EQ(AllFields("  \"a,b\"junk, next\n\"x\"   \n"),
            (std::vector<Field>{{"a,b", 1}, {"next", 1}, {"x", 2}}));
  // An unclosed quote stops at its own line rather than swallowing the file.
  EXPECT_EQ(AllFields("\"open, never closed\nafter\n"),
            (std::vector<Field>{{"open, never closed", 1}, {"after", 2}}));
  // A quote inside an unquoted field is an ordinary character.
  EXPECT_EQ(AllFields("say \"hi\"\n"), (std::vector<Field>{{"say \"hi\"", 1}}));
  EXPECT_EQ(AllFields("\"\"\n"), (std::vector<Field>{{"", 1}}));
}

TEST(FieldReader, CrLfLfAndLoneCrEndLinesAlike) {
  const std::vector<Field> expected{{"1", 1}, {"two, three", 2}, {"", 3}, {"4", 4}};
  EXPECT_EQ(AllFields("1\n\"two, three\"\n\n4\n"), expected);
  EXPECT_EQ(AllFields("1\r\n\"two, three\"\r\n\r\n4\r\n"), expected);
  EXPECT_EQ(AllFields("1\r\"two, three\"\r\r4\r"), expected);
  // A carriage return never ends up inside a field.
  EXPECT_EQ(AllFields("ab \r\ncd\r\n"), (std::vector<Field>{{"ab ", 1}, {"cd", 2}}));
}

TEST(FieldReader, EmptyLinesAndEmptyFieldsAreFields) {
  EXPECT_EQ(AllFields("\n\n"), (std::vector<Field>{{"", 1}, {"", 2}}));
  EXPECT_EQ(AllFields("a,,b\n"), (std::vector<Field>{{"a", 1}, {"", 1}, {"b", 1}}));
  // A comma at the end of a line leaves an empty field before the line end.
  EXPECT_EQ(AllFields("a,\nb\n"), (std::vector<Field>{{"a", 1}, {"", 1}, {"b", 2}}));
  EXPECT_EQ(AllFields("   \t\n"), (std::vector<Field>{{"", 1}}));
  EXPECT_TRUE(AllFields("").empty());
}

TEST(FieldReader, ReadLineTakesTheLineAsItStands) {
  auto reader = FieldReader::FromText("  \"quoted, kept\" , x\r\nfirst,rest, of it\n\nlast");
  EXPECT_EQ(reader.ReadLine(), "  \"quoted, kept\" , x");
  EXPECT_EQ(reader.Line(), 1);
  // After a field, the rest of its line.
  EXPECT_EQ(reader.Next(), "first");
  EXPECT_EQ(reader.ReadLine(), "rest, of it");
  EXPECT_EQ(reader.Line(), 2);
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.ReadLine(), "last");
  EXPECT_EQ(reader.Line(), 4);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), std::nullopt);
}

TEST(FieldReader, ReadingPastTheEndFailsAndNamesTheLastLine) {
  auto reader = FieldReader::FromText("a\nb\n", "Data.dat");
  EXPECT_EQ(reader.Line(), 0);
  EXPECT_EQ(reader.Next(), "a");
  EXPECT_EQ(reader.Next(), "b");
  EXPECT_TRUE(reader.AtEnd());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(reader.Next(), std::nullopt);
    EXPECT_EQ(reader.ReadLine(), std::nullopt);
  }
  EXPECT_EQ(reader.Where(), "Data.dat:2");

  auto noFinalLineEnd = FieldReader::FromText("a\nb");
  (void)AllFields(noFinalLineEnd);
  EXPECT_EQ(noFinalLineEnd.Next(), std::nullopt);
  EXPECT_EQ(noFinalLineEnd.Line(), 2);

  auto empty = FieldReader::FromText("");
  EXPECT_TRUE(empty.AtEnd());
  EXPECT_EQ(empty.Next(), std::nullopt);
  EXPECT_EQ(empty.Line(), 1);
}

TEST(FieldReader, OnlyBlanksLeftSeesTrailingEmptyLines) {
  auto reader = FieldReader::FromText("1\n \r\n\t\n");
  EXPECT_FALSE(reader.OnlyBlanksLeft());
  EXPECT_EQ(reader.Next(), "1");
  EXPECT_TRUE(reader.OnlyBlanksLeft());
  EXPECT_FALSE(reader.AtEnd());
}

class FieldReaderFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltrane-field-reader-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  fs::path dir_;
};

TEST_F(FieldReaderFile, OpensAFileAndPassesItsBytesThrough) {
  // 0xE9 is a Windows-1252 e-acute; it must arrive untouched.
  const auto path = Write("Text.dat", "\"Caf\xE9, open\"\r\n42\r\n");
  std::string error;
  auto reader = FieldReader::Open(path, &error);
  ASSERT_TRUE(reader) << error;
  EXPECT_EQ(reader->Path(), path);
  EXPECT_EQ(reader->Next(), "Caf\xE9, open");
  EXPECT_EQ(reader->Next(), "42");
  EXPECT_EQ(reader->Where(), path + ":2");
  EXPECT_TRUE(reader->AtEnd());
}

TEST_F(FieldReaderFile, MissingFilesAndFoldersAreReportedByName) {
  std::string error;
  const auto missing = (dir_ / "Nowhere.dat").string();
  EXPECT_FALSE(FieldReader::Open(missing, &error));
  EXPECT_EQ(error.rfind(missing + ": ", 0), 0u) << error;
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;

  error.clear();
  EXPECT_FALSE(FieldReader::Open(dir_.string(), &error));
  EXPECT_EQ(error.rfind(dir_.string() + ": ", 0), 0u) << error;

  EXPECT_FALSE(FieldReader::Open(missing));  // no message wanted: still no crash
}

TEST(WholeNumber, ReadsTheLeadingWholeNumberOfAField) {
  struct Case {
    const char* field;
    std::optional<long> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"  7", 7},
      {"\t 5", 5},
      {"-3", -3},
      {"+8", 8},
      {"999", 999},
      {"007", 7},
      {"12.7", 12},
      {"-12.7", -12},
      {".5", 0},
      {"12abc", 12},
      {"1 2", 1},
      {"3,4", 3},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abc", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {".", std::nullopt},
      {"- 5", std::nullopt},
      {"x12", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(WholeNumber(c.field), c.value) << '"' << c.field << '"';
}

TEST(WholeNumber, HugeValuesStopAtTheLimitsInsteadOfOverflowing) {
  EXPECT_EQ(WholeNumber("9223372036854775807"), LONG_MAX);
  EXPECT_EQ(WholeNumber("-9223372036854775808"), LONG_MIN);
  EXPECT_EQ(WholeNumber("99999999999999999999999999"), LONG_MAX);
  EXPECT_EQ(WholeNumber("-99999999999999999999999999"), LONG_MIN);
}

}  // namespace
}  // namespace vt
