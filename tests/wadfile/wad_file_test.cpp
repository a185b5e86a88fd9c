// The gfx.wad reader: what it lists of a compiled file, which broken invariant it names
// first, and that no input, however damaged, makes it read outside its bytes.
#include "wad_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "wad_fixtures.h"

namespace lumpforge {
namespace {

using testing::Bytes;

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// One compiled file of 8 x 8 bitmaps, made once: positions 12, 856, ..., directory at 7984.
const Bytes& SmallWad() {
  static const Bytes wad = [] {
    testing::TempFolder folder;
    testing::WriteInputSet(folder.path(), 8, 8);
    return testing::CompileFolder(folder.path());
  }();
  return wad;
}

constexpr std::size_t kDirectory = 7984;
std::size_t EntryAt(int slot) { return kDirectory + 32 * static_cast<std::size_t>(slot); }

TEST(WadFileTest, ListsEveryLumpOfACompiledFile) {
  const Bytes& bytes = SmallWad();
  ASSERT_EQ(bytes.size(), 8208u);
  WadFile wad = ParseWad(bytes, bytes.size());
  ASSERT_TRUE(wad.Holds()) << wad.problem;
  EXPECT_EQ(wad.magic, kWadFileMagic);
  EXPECT_EQ(wad.lumpCount, 7);
  EXPECT_EQ(wad.directoryOffset, 7984);
  ASSERT_EQ(wad.lumps.size(), 7u);
  const std::int32_t positions[] = {12, 856, 1700, 2544, 3388, 5264, 7140};
  for (int slot = 0; slot < 7; ++slot) {
    const WadLump& lump = wad.lumps[static_cast<std::size_t>(slot)];
    SCOPED_TRACE(lump.name);
    EXPECT_EQ(lump.name, kLumpSlots[slot].lumpName);
    EXPECT_EQ(lump.position, positions[slot]);
    EXPECT_EQ(lump.width, 8);
    EXPECT_EQ(lump.height, 8);
  }
  // WriteInputSet gives conchars header numbers 8 and 16, creditsfont 12 and 4.
  EXPECT_EQ(wad.lumps[4].fontHeader, (std::array<std::int32_t, 4>{8, 8, 16, 8}));
  EXPECT_EQ(wad.lumps[5].fontHeader, (std::array<std::int32_t, 4>{12, 8, 4, 12}));
}

TEST(WadFileTest, AcceptsTheLargestAndTheEmptiestFiles) {
  for (int side : {256, 0}) {
    SCOPED_TRACE(side);
    testing::TempFolder folder;
    testing::WriteInputSet(folder.path(), side, side);
    Bytes bytes = testing::CompileFolder(folder.path());
    WadFile wad = ParseWad(bytes, bytes.size());
    EXPECT_TRUE(wad.Holds()) << wad.problem;
    if (side == 256) {
      EXPECT_EQ(bytes.size(), kLargestWadSize);
    }
  }
}

TEST(WadFileTest, AcceptsEveryRandomSetTheCompilerWrites) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    testing::TempFolder folder;
    testing::WriteRandomInputSet(folder.path(), seed);
    Bytes bytes = testing::CompileFolder(folder.path());
    WadFile wad = ParseWad(bytes, bytes.size());
    EXPECT_TRUE(wad.Holds()) << wad.problem;
  }
}

struct Breakage {
  const char* what;
  std::function<void(Bytes&)> apply;
  const char* reason;  // the full reason the reader gives
};

TEST(WadFileTest, NamesTheFirstBrokenInvariant) {
  const Breakage cases[] = {
      {"truncated header", [](Bytes& b) { b.resize(11); }, "the file is 11 bytes long, shorter than the 12-byte header"},
      {"magic", [](Bytes& b) { b[3] = '2'; }, "the file does not begin with the magic \"WAD3\""},
      {"lump count", [](Bytes& b) { Put32(b, 4, 8); }, "the header counts 8 lumps, not 7"},
      {"directory offset provisional", [](Bytes& b) { Put32(b, 8, 86384); },
       "the directory (224 bytes at offset 86384) does not lie inside the file of 8208 bytes"},
      {"directory offset negative", [](Bytes& b) { Put32(b, 8, 0xFFFFFFF0u); },
       "the directory (224 bytes at offset -16) does not lie inside the file of 8208 bytes"},
      {"directory offset shifted", [](Bytes& b) { Put32(b, 8, 7980); },
       "entry 0 (B): position 65280, expected 12 (right after the header)"},
      {"entry 0 position", [](Bytes& b) { Put32(b, EntryAt(0), 16); },
       "entry 0 (LAMBDA): position 16, expected 12 (right after the header)"},
      {"gap between lumps", [](Bytes& b) { Put32(b, EntryAt(3), 2548); },
       "entry 3 (PAUSED): position 2548, expected 2544 (right after the previous lump)"},
      {"stored size differs", [](Bytes& b) { Put32(b, EntryAt(2) + 8, 900); },
       "entry 2 (LAMBDA32): stored size 844 differs from full size 900"},
      {"compressed", [](Bytes& b) { b[EntryAt(1) + 13] = 1; }, "entry 1 (LAMBDA64): compression 1, expected 0"},
      {"renamed", [](Bytes& b) { b[EntryAt(6) + 16] = 'P'; }, "entry 6 (PACKTILE): name \"PACKTILE\", expected \"BACKTILE\""},
      {"name not padded", [](Bytes& b) { b[EntryAt(3) + 20] = 0; b[EntryAt(3) + 30] = 'X'; },
       "entry 3 (PAUS): name \"PAUS\", expected \"PAUSED\""},
      {"garbage after name", [](Bytes& b) { b[EntryAt(3) + 30] = 'X'; }, "entry 3 (PAUSED): the name is not padded with zero bytes"},
      {"type swapped", [](Bytes& b) { b[EntryAt(4) + 12] = 0x42; }, "entry 4 (CONCHARS): type 0x42, expected 0x46"},
      {"entry padding", [](Bytes& b) { b[EntryAt(0) + 15] = 1; }, "entry 0 (LAMBDA): bytes 14 and 15 of the entry are not zero"},
      {"picture width", [](Bytes& b) { Put32(b, 12, 16); },
       "entry 0 (LAMBDA): size 844 does not match its 16 x 8 picture (908 bytes)"},
      {"picture negative", [](Bytes& b) { Put32(b, 16, 0xFFFFFFF8u); },
       "entry 0 (LAMBDA): picture dimensions 8 x -8 are negative"},
      {"font height", [](Bytes& b) { Put32(b, 3388 + 4, 5); },
       "entry 4 (CONCHARS): size 1876 is not a whole number of rows of height 5 plus 1812"},
      {"font height zero", [](Bytes& b) { Put32(b, 3388 + 4, 0); },
       "entry 4 (CONCHARS): size 1876 is not a whole number of rows of height 0 plus 1812"},
      {"colour count", [](Bytes& b) { b[12 + 844 - 772 + 1] = 0; }, "entry 0 (LAMBDA): colour count 0, not 256"},
      {"trailing zero", [](Bytes& b) { b[5264 + 1876 - 1] = 1; },
       "entry 5 (CREDITSFONT): the lump does not end with two zero bytes"},
      {"size below overhead", [](Bytes& b) { Put32(b, EntryAt(6) + 4, 700); Put32(b, EntryAt(6) + 8, 700); },
       "entry 6 (BACKTILE): size 700 is smaller than the 780 bytes every picture lump holds"},
      {"lump past the file", [](Bytes& b) { Put32(b, EntryAt(6) + 4, 90000); Put32(b, EntryAt(6) + 8, 90000); },
       "entry 6 (BACKTILE): the lump does not lie inside the file"},
      {"directory offset not the sum", [](Bytes& b) { b.insert(b.begin() + kDirectory, 4, 0); Put32(b, 8, kDirectory + 4); },
       "the directory offset 7988 is not 12 plus the lump sizes (7984)"},
      {"trailing bytes", [](Bytes& b) { b.push_back(0); }, "the file is 8209 bytes long, but its directory ends at 8208"},
  };
  for (const Breakage& breakage : cases) {
    SCOPED_TRACE(breakage.what);
    Bytes bytes = SmallWad();
    breakage.apply(bytes);
    WadFile wad = ParseWad(bytes, bytes.size());
    EXPECT_EQ(wad.problem, breakage.reason);
  }
}

TEST(WadFileTest, RefusesFilesLargerThanAnyGfxWadFromTheirFirstBytes) {
  Bytes bytes = SmallWad();
  WadFile wad = ParseWad(bytes, kLargestWadSize + 1);
  EXPECT_EQ(wad.problem, "the file is 466513 bytes long, larger than any gfx.wad (466512 bytes at most)");
  EXPECT_EQ(wad.lumps.size(), 7u);  // the listing still shows what was read
}

// Every prefix and many random corruptions of a real file: the reader must fail cleanly
// (the sanitizer runs would catch any read outside the buffer).
TEST(WadFileTest, DamagedFilesNeverReadOutsideTheirBytes) {
  const Bytes& good = SmallWad();
  for (std::size_t length = 0; length < good.size(); ++length) {
    // A copy of exactly that length, so reading past it leaves the allocation.
    Bytes prefix(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    WadFile wad = ParseWad(prefix, prefix.size());
    ASSERT_FALSE(wad.Holds()) << length;
  }
  std::mt19937 random(5);
  for (int round = 0; round < 3000; ++round) {
    Bytes bytes = good;
    const int flips = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < flips; ++i) {
      // Mostly the header and directory, where the offsets are.
      std::size_t at = random() % 4 == 0 ? random() % bytes.size() : (random() % 2 ? random() % 12 : kDirectory + random() % 224);
      bytes[at] = static_cast<std::uint8_t>(random());
    }
    WadFile wad = ParseWad(bytes, bytes.size());
    if (wad.Holds()) {
      EXPECT_EQ(wad.directoryOffset + 224u, bytes.size());
    }
  }
}

TEST(WadFileTest, ReadsFromDiskAndSaysWhyAFileCannotBeRead) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "gfx.wad", SmallWad());
  std::vector<std::uint8_t> contents;
  std::string error;
  std::optional<WadFile> wad = ReadWadFile((folder / "gfx.wad").string(), contents, error);
  ASSERT_TRUE(wad.has_value()) << error;
  EXPECT_TRUE(wad->Holds()) << wad->problem;
  EXPECT_EQ(contents, SmallWad());

  EXPECT_FALSE(ReadWadFile((folder / "absent.wad").string(), contents, error).has_value());
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(ReadWadFile(folder.str(), contents, error).has_value());
  EXPECT_EQ(error, "is a folder");
}

}  // namespace
}  // namespace lumpforge
