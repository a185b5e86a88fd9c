// Font lumps: the header numbers, the character table from the metrics lines, and the
// pixels and palette after them.
#include <gtest/gtest.h>

#include "fixtures.h"

namespace lumpforge::testing {
namespace {

struct FontLumps {
  Bytes conchars;
  Bytes creditsfont;
};

// Compiles an 8 x 8 set with the given metrics texts and font bitmaps; returns both
// font lumps.
FontLumps Compile(const std::string& conchars, const std::string& creditsfont,
                  BmpSpec font = BmpSpec{}) {
  TempFolder folder;
  WriteInputSet(folder.path());
  WriteText(folder / "conchars.txt", conchars);
  WriteText(folder / "creditsfont.txt", creditsfont);
  WriteFile(folder / "conchars.bmp", MakeBmp(font));
  WriteFile(folder / "creditsfont.bmp", MakeBmp(font));
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  Bytes wad = ReadFile(folder / "gfx.wad");
  auto lump = [&](int slot) {
    std::size_t entry = static_cast<std::size_t>(Le32(wad, 8)) + 32 * static_cast<std::size_t>(slot);
    std::int32_t at = Le32(wad, entry);
    return Bytes(wad.begin() + at, wad.begin() + at + Le32(wad, entry + 4));
  };
  return {lump(4), lump(5)};
}

Bytes EntryOf(const Bytes& lump, int code) {
  return Bytes(lump.begin() + 16 + 4 * code, lump.begin() + 20 + 4 * code);
}

// Every character line names its own line index: "c <low> <high> 1".
std::string LineNamingItself(int line) {
  return "c " + std::to_string(line % 256) + " " + std::to_string(line / 256) + " 1";
}

TEST(FontLump, HeaderHoldsTheFirstNumberTwiceAndTheBitmapsHeight) {
  BmpSpec font;
  font.width = 128;
  font.height = 64;
  FontLumps lumps = Compile(MetricsFile(8, 5, 217, LineNamingItself), "t\nt\n0\n0\n16\n\n\n3\n", font);
  ASSERT_EQ(lumps.conchars.size(), 128u * 64 + 1812);
  EXPECT_EQ(Le32(lumps.conchars, 0), 8);
  EXPECT_EQ(Le32(lumps.conchars, 4), 64);
  EXPECT_EQ(Le32(lumps.conchars, 8), 5);
  EXPECT_EQ(Le32(lumps.conchars, 12), 8);
  EXPECT_EQ(Le32(lumps.creditsfont, 0), 16);
  EXPECT_EQ(Le32(lumps.creditsfont, 8), 3);
  EXPECT_EQ(Le32(lumps.creditsfont, 12), 16);
  // Pixels follow the table, top row first, then the palette.
  Bytes bmp = MakeBmp(font);
  EXPECT_TRUE(std::equal(lumps.conchars.begin() + 1040, lumps.conchars.begin() + 1040 + 128,
                         bmp.begin() + 1078 + 128 * 63));
  EXPECT_EQ(Le16(lumps.conchars, 1040 + 128 * 64), 256);
  EXPECT_EQ(lumps.conchars[1042 + 128 * 64 + 3 * 5], PaletteRed(5));
}

TEST(FontLump, CharacterTableTakesEachCodeFromItsLine) {
  FontLumps lumps = Compile(MetricsFile(8, 16, 300, LineNamingItself), MetricsFile(8, 16, 300, LineNamingItself));
  auto lineOf = [](const Bytes& entry) { return entry[0] + 256 * entry[1]; };
  for (int code = 0; code < 256; ++code) {
    SCOPED_TRACE(code);
    Bytes conchars = EntryOf(lumps.conchars, code);
    Bytes credits = EntryOf(lumps.creditsfont, code);
    if (code >= 32 && code <= 143) {
      EXPECT_EQ(lineOf(conchars), code - 23);
    } else if (code >= 160) {
      EXPECT_EQ(lineOf(conchars), code - 39);
    } else {
      EXPECT_EQ(conchars, Bytes(4, 0));
    }
    if (code >= 32 && code <= 127) {
      EXPECT_EQ(lineOf(credits), code - 23);
    } else {
      EXPECT_EQ(credits, Bytes(4, 0));
    }
  }
}

TEST(FontLump, ShortMetricsFilesGiveZeroEntries) {
  // conchars.txt of 121 lines: codes 32 to 143 from the file, 160 to 255 zero;
  // creditsfont.txt of 10 lines: only code 32 (line 9).
  FontLumps lumps = Compile(MetricsFile(8, 16, 121, LineNamingItself), MetricsFile(8, 16, 10, LineNamingItself));
  EXPECT_EQ(EntryOf(lumps.conchars, 143), (Bytes{120, 0, 1, 0}));
  for (int code = 160; code < 256; ++code) EXPECT_EQ(EntryOf(lumps.conchars, code), Bytes(4, 0)) << code;
  EXPECT_EQ(EntryOf(lumps.creditsfont, 32), (Bytes{9, 0, 1, 0}));
  for (int code = 33; code < 256; ++code) EXPECT_EQ(EntryOf(lumps.creditsfont, code), Bytes(4, 0)) << code;

  FontLumps empty = Compile("", "");
  EXPECT_EQ(Le32(empty.conchars, 0), 0);
  EXPECT_EQ(Le32(empty.conchars, 8), 0);
  EXPECT_EQ(Bytes(empty.conchars.begin() + 16, empty.conchars.begin() + 1040), Bytes(1024, 0));
}

TEST(FontLump, LinesPastTheLastReadOneChangeNothing) {
  std::string base = MetricsFile(8, 16, 105, LineNamingItself);
  FontLumps a = Compile(base, base);
  FontLumps b = Compile(base, base + "junk 9 9 9\r\nmore 1 2 3\r\n");
  EXPECT_EQ(a.creditsfont, b.creditsfont);
}

TEST(FontLump, BlankCharactersLineAndSecondRangeLandAtTheirOffsets) {
  auto lines = [](int line) {
    if (line == 9) return std::string("  0 0 8");
    if (line == 121) return std::string("\xA0 16 1 6");
    return std::string("x 1 1 1");
  };
  FontLumps lumps = Compile(MetricsFile(8, 16, 217, lines), "");
  EXPECT_EQ(Bytes(lumps.conchars.begin() + 144, lumps.conchars.begin() + 148), (Bytes{0, 0, 8, 0}));
  EXPECT_EQ(Bytes(lumps.conchars.begin() + 656, lumps.conchars.begin() + 660), (Bytes{16, 1, 6, 0}));
}

TEST(FontLump, ZeroHeightAndFullSizeFonts) {
  BmpSpec flat;
  flat.height = 0;
  EXPECT_EQ(Compile("", "", flat).conchars.size(), 1812u);
  BmpSpec full;
  full.width = 256;
  full.height = 256;
  EXPECT_EQ(Compile("", "", full).conchars.size(), 67348u);
}

}  // namespace
}  // namespace lumpforge::testing
