// Picture lumps: dimensions, rows top row first, palette as red, green, blue, and
// bitmaps read as their headers describe them.
#include <gtest/gtest.h>

#include "fixtures.h"

namespace lumpforge::testing {
namespace {

// Compiles an 8 x 8 set whose lambda.bmp is the given file; returns lump 0.
Bytes LambdaLump(const Bytes& lambda) {
  TempFolder folder;
  WriteInputSet(folder.path());
  WriteFile(folder / "lambda.bmp", lambda);
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Written) << ::testing::PrintToString(compiler.ProblemTexts());
  Bytes wad = ReadFile(folder / "gfx.wad");
  if (wad.size() < 12 + 32) return {};
  std::int32_t size = Le32(wad, static_cast<std::size_t>(Le32(wad, 8)) + 4);
  return Bytes(wad.begin() + 12, wad.begin() + 12 + size);
}

// The lump as reading the file at fixed offsets gives it: pixels from 1078 bottom row
// last, palette from 54.
Bytes FixedOffsetLump(const Bytes& bmp) {
  const std::int32_t width = Le32(bmp, 18);
  const std::int32_t height = Le32(bmp, 22);
  Bytes lump;
  for (int i = 0; i < 8; ++i) lump.push_back(bmp[18 + i]);
  for (std::int32_t i = 1; i <= height; ++i) {
    std::size_t row = 1078 + static_cast<std::size_t>(width) * static_cast<std::size_t>(height - i);
    lump.insert(lump.end(), bmp.begin() + static_cast<std::ptrdiff_t>(row),
                bmp.begin() + static_cast<std::ptrdiff_t>(row) + width);
  }
  lump.push_back(0x00);
  lump.push_back(0x01);
  for (int k = 0; k < 256; ++k) {
    lump.push_back(bmp[56 + 4 * k]);
    lump.push_back(bmp[55 + 4 * k]);
    lump.push_back(bmp[54 + 4 * k]);
  }
  lump.push_back(0);
  lump.push_back(0);
  return lump;
}

TEST(PictureLump, EightByEightTopRowFirstAndPaletteAsRedGreenBlue) {
  BmpSpec layout;
  Bytes bmp = MakeBmp(layout);
  Bytes lump = LambdaLump(bmp);
  ASSERT_EQ(lump.size(), 844u);
  EXPECT_EQ(Le32(lump, 0), 8);
  EXPECT_EQ(Le32(lump, 4), 8);
  // The row stored last in the file (at 1078 + 56) is the top row and comes first.
  EXPECT_TRUE(std::equal(lump.begin() + 8, lump.begin() + 16, bmp.begin() + 1078 + 56));
  EXPECT_TRUE(std::equal(lump.begin() + 8 + 56, lump.begin() + 72, bmp.begin() + 1078));
  EXPECT_EQ(Le16(lump, 72), 256);
  for (int k : {0, 1, 128, 255}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(lump[74 + 3 * k], PaletteRed(k));
    EXPECT_EQ(lump[75 + 3 * k], PaletteGreen(k));
    EXPECT_EQ(lump[76 + 3 * k], PaletteBlue(k));
  }
  EXPECT_EQ(Le16(lump, 842), 0);
  EXPECT_EQ(lump, FixedOffsetLump(bmp));
}

TEST(PictureLump, EveryLayoutOfTheSamePictureGivesTheSameLump) {
  BmpSpec plain;
  plain.width = 16;
  plain.height = 24;
  const Bytes expected = FixedOffsetLump(MakeBmp(plain));

  struct Layout {
    const char* what;
    std::function<void(BmpSpec&)> change;
  };
  const Layout layouts[] = {
      {"RLE8", [](BmpSpec& s) { s.compression = 1; }},
      {"124-byte info header", [](BmpSpec& s) { s.infoHeaderSize = 124; }},
      {"rows stored top row first", [](BmpSpec& s) { s.height = -s.height; }},
      {"gap before the pixels", [](BmpSpec& s) { s.gapAfterPalette = 84; }},
      {"124-byte header and RLE8", [](BmpSpec& s) { s.infoHeaderSize = 124; s.compression = 1; }},
  };
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(layout.what);
    BmpSpec file = plain;
    layout.change(file);
    EXPECT_EQ(LambdaLump(MakeBmp(file)), expected);
  }
}

TEST(PictureLump, ShortPaletteLeavesTheRemainingEntriesBlack) {
  BmpSpec layout;
  layout.infoHeaderSize = 124;  // as image editors write it
  layout.coloursUsed = 188;
  layout.pixel = [](int x, int y) { return static_cast<std::uint8_t>((x + y) % 188); };
  Bytes lump = LambdaLump(MakeBmp(layout));
  ASSERT_EQ(lump.size(), 844u);
  const std::size_t palette = 8 + 64 + 2;
  EXPECT_EQ(lump[palette + 3 * 187], PaletteRed(187));
  EXPECT_EQ(lump[palette + 3 * 187 + 2], PaletteBlue(187));
  for (int k = 188; k < 256; ++k) {
    EXPECT_EQ(lump[palette + 3 * k] | lump[palette + 3 * k + 1] | lump[palette + 3 * k + 2], 0) << k;
  }
  EXPECT_EQ(lump[8], 0);   // top-left pixel: (0 + 0) % 188
  EXPECT_EQ(lump[9], 1);
}

TEST(PictureLump, RleRunsThatLeavePixelsOutGiveIndexZero) {
  // Two rows of 8: the bottom row ends early at an end-of-line mark, then a delta skips
  // into the top row.
  Bytes rle = {3, 9, 0, 0, 0, 2, 2, 0, 4, 7, 0, 1};
  BmpSpec shape;
  shape.width = 8;
  shape.height = 8;
  shape.compression = 1;
  Bytes file = MakeBmp(shape);
  file.resize(1078);
  file.insert(file.end(), rle.begin(), rle.end());
  file[30] = 1;
  Bytes lump = LambdaLump(file);
  ASSERT_EQ(lump.size(), 844u);
  // Bottom row (last in the lump): 9 9 9 then zeros.
  const Bytes bottom(lump.begin() + 8 + 56, lump.begin() + 72);
  EXPECT_EQ(bottom, (Bytes{9, 9, 9, 0, 0, 0, 0, 0}));
  // The row above it: two skipped, then four of 7.
  const Bytes second(lump.begin() + 8 + 48, lump.begin() + 64);
  EXPECT_EQ(second, (Bytes{0, 0, 7, 7, 7, 7, 0, 0}));
}

TEST(PictureLump, RealImageMagickFilesOfOnePictureAgree) {
  const std::string dir = LUMPFORGE_TEST_FIXTURES;
  const Bytes plain = ReadFile(dir + "/imagemagick-plain.bmp");
  ASSERT_EQ(plain.size(), 1590u);
  const Bytes expected = FixedOffsetLump(plain);
  for (const char* name : {"imagemagick-plain.bmp", "imagemagick-rle8.bmp", "imagemagick-v5.bmp",
                           "imagemagick-v5-plain.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(LambdaLump(ReadFile(dir + "/" + name)), expected);
  }
}

}  // namespace
}  // namespace lumpforge::testing
