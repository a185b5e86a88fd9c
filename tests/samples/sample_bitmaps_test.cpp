// The seven sample bitmaps pass every input check and follow the layout the compiler
// reads; pictures keep index 255 (drawn transparent by a game) for their background,
// the tile is opaque, and the font sheets are 256 pixels wide.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bitmap_file.h"
#include "lump_table.h"
#include "test_files.h"
#include "wad_compiler.h"

using lumpforge::BitmapHeader;
using lumpforge::BitmapImage;
using lumpforge::test::ReadFile;
using lumpforge::test::SamplesDir;

namespace {

enum class Role { TransparentPicture, OpaqueTile, FontSheet };

struct SampleBitmap {
  const char* name;
  Role role;
};

constexpr SampleBitmap kSampleBitmaps[] = {
    {"lambda.bmp", Role::TransparentPicture},  {"lambda64.bmp", Role::TransparentPicture},
    {"lambda32.bmp", Role::TransparentPicture}, {"paused.bmp", Role::TransparentPicture},
    {"conchars.bmp", Role::FontSheet},          {"creditsfont.bmp", Role::FontSheet},
    {"backtile.bmp", Role::OpaqueTile},
};

TEST(SampleBitmaps, FollowTheLayoutTheCompilerReads) {
  for (const SampleBitmap& sample : kSampleBitmaps) {
    SCOPED_TRACE(sample.name);
    const std::vector<std::uint8_t> file = ReadFile(SamplesDir() / sample.name);
    const BitmapHeader header = BitmapHeader::Parse(file, file.size());
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(header.infoHeaderSize, 40u);
    EXPECT_EQ(header.pixelDataOffset, 1078u);
    EXPECT_EQ(header.bitsPerPixel, 8);
    EXPECT_EQ(header.compression, 0u);
    EXPECT_EQ(header.PaletteEntries(), 256u);
    EXPECT_GT(header.width, 0);
    EXPECT_GT(header.height, 0);  // bottom row first
    EXPECT_EQ(header.width % 8, 0);
    EXPECT_EQ(header.height % 8, 0);
    EXPECT_LE(header.width, 256);
    EXPECT_LE(header.height, 256);
    // Rows need no padding at these widths, so the pixels end the file exactly.
    EXPECT_EQ(file.size(), 1078u + static_cast<std::size_t>(header.width) * header.height);
    EXPECT_TRUE(lumpforge::DimensionAndDepthFailures(header).empty());
    EXPECT_TRUE(lumpforge::LayoutFailures(header, {file.data() + 1078, file.size() - 1078}).empty());
  }
}

TEST(SampleBitmaps, UseIndex255ForTransparencyOnlyWhereAGameExpectsIt) {
  for (const SampleBitmap& sample : kSampleBitmaps) {
    SCOPED_TRACE(sample.name);
    const std::vector<std::uint8_t> file = ReadFile(SamplesDir() / sample.name);
    BitmapImage image;
    ASSERT_TRUE(lumpforge::DecodeBitmap(file, image));
    const auto& pixels = image.pixels;
    const auto transparent = std::count(pixels.begin(), pixels.end(), 255);
    switch (sample.role) {
      case Role::TransparentPicture: {
        const int w = image.width, h = image.height;
        for (int corner : {0, w - 1, (h - 1) * w, h * w - 1}) EXPECT_EQ(pixels[corner], 255);
        EXPECT_GT(transparent, 0);
        EXPECT_LT(transparent, static_cast<long>(pixels.size()) * 9 / 10) << "barely drawn";
        break;
      }
      case Role::OpaqueTile:
        EXPECT_EQ(transparent, 0);
        break;
      case Role::FontSheet:
        EXPECT_EQ(image.width, 256);
        EXPECT_GT(transparent, 0);  // the space between glyphs
        break;
    }
  }
}

// Answers the compiler's hooks the way the command line does, keeping the problems.
class RecordingCompiler : public lumpforge::WadCompiler {
 public:
  explicit RecordingCompiler(std::string folder) : folder_(std::move(folder)) {}
  std::vector<std::string> problems;

 protected:
  std::string ChosenFolder() override { return folder_; }
  void SetProgress(int) override {}
  void ShowProblem(const std::string& text, int, int) override { problems.push_back(text); }

 private:
  std::string folder_;
};

TEST(SampleBitmaps, SamplesFolderPassesEveryInputCheck) {
  RecordingCompiler compiler(SamplesDir().string());
  compiler.Folder = SamplesDir().string();
  EXPECT_TRUE(compiler.CheckInputFiles());
  EXPECT_TRUE(compiler.problems.empty()) << compiler.problems.front();
}

}  // namespace
