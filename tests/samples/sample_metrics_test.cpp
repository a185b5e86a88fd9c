// The two sample metrics files, read by the compiler's own metrics reader, describe their
// font sheets: the header numbers give the row height and the number of rows, and every
// character entry points at a glyph of the sheet, inside it, not overlapping another, and
// holding ink unless the character is a blank.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "bitmap_file.h"
#include "test_files.h"
#include "wad_compiler.h"

using lumpforge::BitmapImage;
using lumpforge::test::ReadFile;
using lumpforge::test::SamplesDir;

namespace {

class MetricsReader : public lumpforge::WadCompiler {
 protected:
  std::string ChosenFolder() override { return Folder; }
  void SetProgress(int) override {}
  void ShowProblem(const std::string&, int, int) override {}
};

struct CodeRange {
  int first, last, firstLine;
};

struct FontSample {
  const char* sheet;
  const char* metrics;
  int slot;
  int rowHeight;
  std::vector<CodeRange> ranges;  // character codes and the line of the first one
};

const std::vector<FontSample>& FontSamples() {
  static const std::vector<FontSample> fonts = {
      {"conchars.bmp", "conchars.txt", 4, 8, {{32, 143, 9}, {160, 255, 121}}},
      {"creditsfont.bmp", "creditsfont.txt", 5, 16, {{32, 127, 9}}},
  };
  return fonts;
}

std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::string> lines(1);
  for (std::uint8_t byte : bytes) {
    if (byte == '\n') lines.emplace_back();
    else lines.back().push_back(static_cast<char>(byte));
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

TEST(SampleMetrics, LinesFollowTheLineLayoutExactly) {
  const std::regex characterLine("([^ ]+) ([0-9]+) ([0-9]+) ([0-9]+)");
  const std::regex blankLine("  ([0-9]+) ([0-9]+) ([0-9]+)");
  for (const FontSample& font : FontSamples()) {
    SCOPED_TRACE(font.metrics);
    const std::vector<std::uint8_t> bytes = ReadFile(SamplesDir() / font.metrics);
    for (std::uint8_t byte : bytes) {
      ASSERT_TRUE(byte == '\n' || (byte >= 32 && byte < 127)) << "plain ASCII, LF breaks";
    }
    const std::vector<std::string> lines = SplitLines(bytes);
    std::size_t expectedLines = 9;
    for (const CodeRange& range : font.ranges) expectedLines += range.last - range.first + 1;
    EXPECT_EQ(lines.size(), expectedLines);
    // Short lines: nothing comes near the width at which the reader would wrap a line.
    for (const std::string& line : lines) EXPECT_LT(line.size(), 32u) << line;

    for (const CodeRange& range : font.ranges)
      for (int code = range.first; code <= range.last; ++code) {
        const std::size_t index = static_cast<std::size_t>(range.firstLine + code - range.first);
        ASSERT_LT(index, lines.size());
        const std::string& line = lines[index];
        if (code == 32) {
          EXPECT_TRUE(std::regex_match(line, blankLine)) << "code 32: \"" << line << '"';
          continue;
        }
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, characterLine)) << code << ": " << line;
        if (code < 127) {
          EXPECT_EQ(match[1].str(), std::string(1, static_cast<char>(code)));
        }
      }
  }
}

TEST(SampleMetrics, EntriesPointAtGlyphsOfTheSheet) {
  for (const FontSample& font : FontSamples()) {
    SCOPED_TRACE(font.metrics);
    BitmapImage sheet;
    ASSERT_TRUE(lumpforge::DecodeBitmap(ReadFile(SamplesDir() / font.sheet), sheet));
    MetricsReader reader;
    reader.Folder = SamplesDir().string();
    reader.LoadMetricsFile(font.slot);

    EXPECT_EQ(reader.HeaderNumber(2), font.rowHeight);
    EXPECT_EQ(reader.HeaderNumber(5) * font.rowHeight, sheet.height);

    std::vector<int> owner(sheet.pixels.size(), -1);  // which code's glyph covers a pixel
    for (const CodeRange& range : font.ranges)
      for (int code = range.first; code <= range.last; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        const auto entry = reader.CharacterEntry(range.firstLine + code - range.first);
        const int offset = entry[0] + 256 * entry[1];
        const int x = offset % 256, y = offset / 256, width = entry[2];
        EXPECT_EQ(entry[3], 0);
        ASSERT_GT(width, 0);
        ASSERT_LE(x + width, sheet.width);
        ASSERT_EQ(y % font.rowHeight, 0) << "a glyph starts at the top of a row";
        ASSERT_LE(y + font.rowHeight, sheet.height);
        bool ink = false;
        for (int row = y; row < y + font.rowHeight; ++row)
          for (int column = x; column < x + width; ++column) {
            const std::size_t pixel = static_cast<std::size_t>(row * sheet.width + column);
            EXPECT_EQ(owner[pixel], -1) << "overlaps the glyph of code " << owner[pixel];
            owner[pixel] = code;
            ink = ink || sheet.pixels[pixel] != 255;
          }
        const bool blank = code == 32 || code == 160;
        EXPECT_EQ(ink, !blank);
      }
  }
}

TEST(SampleMetrics, ConsoleGlyphsAreEightByEightCells) {
  MetricsReader reader;
  reader.Folder = SamplesDir().string();
  reader.LoadMetricsFile(4);
  // Code 65 ('A') on line 42: column 1, row 2 of the 32-column grid.
  EXPECT_EQ(reader.CharacterEntry(65 - 23), (std::array<std::uint8_t, 4>{8, 8 * 2, 8, 0}));
  // Code 255 on line 216, the last of the file: column 31, row 7.
  EXPECT_EQ(reader.CharacterEntry(255 - 39), (std::array<std::uint8_t, 4>{248, 8 * 7, 8, 0}));
}

}  // namespace
