// The metrics files: line splitting, the number rule, the character line grammar and
// the header numbers.
#include <gtest/gtest.h>

#include "fixtures.h"

namespace lumpforge::testing {
namespace {

using Entry = std::array<std::uint8_t, 4>;

TEST(NumberRule, ReadsAsTheRuleSays) {
  struct Case {
    std::string text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"", 0},
      {"12", 12},
      {"  \t\r\n\v\f42", 42},
      {"+7", 7},
      {"-3", -3},
      {"12 apples", 12},
      {"apples 12", 0},
      {"-", 0},
      {"+-5", 0},
      {"\xA0" "5", 0},  // bytes of 128 and above are not white space
      {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},  // wraps silently
      {"4294967296", 0},
      {"4294967297", 1},
      {"-2147483648", -2147483647 - 1},
      {"007x", 7},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(CharacterLine, WorkedExamples) {
  struct Case {
    std::string line;
    Entry entry;
  };
  const Case cases[] = {
      {"A 12 0 7", {0x0C, 0x00, 0x07, 0}},
      {"  0 0 5", {0x00, 0x00, 0x05, 0}},
      {"A 300 -1 7", {0x2C, 0xFF, 0x07, 0}},
      {"A  12 0 7", {0x00, 0x0C, 0x00, 0}},
      {"A 12", {0x00, 0x00, 0x0C, 0}},
      {"A 12 7", {0x0C, 0x00, 0x07, 0}},
      {"A\t12\t0\t7", {0x00, 0x00, 0x0C, 0}},
      {"", {0, 0, 0, 0}},
      {"  12 0 7", {0x0C, 0x00, 0x07, 0}},
      {" 12 0 7", {0x02, 0x00, 0x07, 0}},  // the step over the second blank eats a digit
      {"Abc 1 2 3", {1, 2, 3, 0}},          // a longer label is skipped
      {"A 1 2 3 99 comment", {1, 2, 3, 0}},
      {"A 256 511 -256", {0, 0xFF, 0, 0}},
      {"A", {0, 0, 0, 0}},
      {"A ", {0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCharacterLine(c.line), c.entry) << '"' << c.line << '"';
}

TEST(MetricsLines, BreaksAtCrLfCrAndLfAndEndsAtTheFirstZeroByte) {
  MetricsText crlf, cr, lf;
  crlf.SetText("a\r\nb\r\n\r\nd");
  cr.SetText("a\rb\r\rd");
  lf.SetText("a\nb\n\nd");
  for (MetricsText* text : {&crlf, &cr, &lf}) {
    EXPECT_EQ(text->Line(0), "a");
    EXPECT_EQ(text->Line(1), "b");
    EXPECT_EQ(text->Line(2), "");
    EXPECT_EQ(text->Line(3), "d");
    EXPECT_EQ(text->Line(4), "");
    EXPECT_EQ(text->Line(-1), "");
  }
  MetricsText lfcr;
  lfcr.SetText("a\n\rb");  // LF then CR: two breaks with an empty line between
  EXPECT_EQ(lfcr.Line(1), "");
  EXPECT_EQ(lfcr.Line(2), "b");

  MetricsText zero;
  zero.SetText(std::string("a\nbb\0cc\nd", 9));
  EXPECT_EQ(zero.Line(1), "bb");
  EXPECT_EQ(zero.Line(2), "");
  EXPECT_EQ(zero.LineCount(), 2);
}

// A compiler whose metrics text is set directly.
struct MemoCompiler : RecordingCompiler {
  MemoCompiler() : RecordingCompiler("") {}
};

TEST(HeaderNumbers, FirstOfThreeLinesThatIsNotZero) {
  struct Case {
    std::string lines;  // lines 2 to 4
    std::int32_t value;
  };
  const Case cases[] = {
      {"8\n0\n0", 8},   {"0\nx\n9", 9},   {"-3\n9\n1", -3},  {"0\n0\n16", 16},
      {"0\n0\n0", 0},   {"12 rows\n5\n5", 12}, {"rows 12\n0\n0", 0}, {"", 0},
  };
  for (const Case& c : cases) {
    MemoCompiler compiler;
    compiler.Memo1.SetText("t\nt\n" + c.lines);
    EXPECT_EQ(compiler.HeaderNumber(2), c.value) << c.lines;
  }
  MemoCompiler compiler;
  compiler.Memo1.SetText("\n\n\n\n\n0\n\n7");
  EXPECT_EQ(compiler.HeaderNumber(5), 7);
}

TEST(MetricsLoad, ReadsTheWholeFileAndRefusesWhatItCannotTake) {
  TempFolder folder;
  WriteText(folder / "m.txt", "x\r\ny\r\n42\r\n");
  MetricsText text;
  text.Load(folder.str() + "/m.txt");
  EXPECT_EQ(ReadNumber(text.Line(2)), 42);

  try {
    text.Load(folder.str() + "/absent.txt");
    FAIL() << "no error";
  } catch (const MetricsLoadError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file " + folder.str() + "/absent.txt");
  }

  WriteText(folder / "big.txt", std::string(kMetricsCapacity + 1, 'x'));
  try {
    text.Load(folder.str() + "/big.txt");
    FAIL() << "no error";
  } catch (const MetricsLoadError& error) {
    EXPECT_EQ(std::string(error.what()), "Text exceeds memo capacity");
  }
  WriteText(folder / "full.txt", std::string(kMetricsCapacity, '7'));
  EXPECT_NO_THROW(text.Load(folder.str() + "/full.txt"));
}

}  // namespace
}  // namespace lumpforge::testing
