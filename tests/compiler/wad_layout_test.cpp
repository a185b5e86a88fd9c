// The container: header, lump positions and sizes, directory, and the compile job's
// progress and repeatability.
#include <gtest/gtest.h>

#include <cstring>

#include "fixtures.h"

namespace lumpforge::testing {
namespace {

struct DirectoryEntry {
  std::int32_t position, stored, full;
  std::uint8_t type, compression;
  std::string name;  // 16 bytes as stored
};

DirectoryEntry EntryAt(const Bytes& wad, int slot) {
  std::size_t at = static_cast<std::size_t>(Le32(wad, 8)) + 32 * static_cast<std::size_t>(slot);
  return {Le32(wad, at), Le32(wad, at + 4), Le32(wad, at + 8), wad.at(at + 12), wad.at(at + 13),
          std::string(reinterpret_cast<const char*>(&wad.at(at + 16)), 16)};
}

Bytes CompileFolder(const TempFolder& folder) {
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  EXPECT_TRUE(compiler.problems.empty());
  return ReadFile(folder / "gfx.wad");
}

TEST(WadLayout, EightByEightSetHasTheKnownPositionsSizesAndDirectory) {
  TempFolder folder;
  WriteInputSet(folder.path(), 8, 8);
  Bytes wad = CompileFolder(folder);

  ASSERT_EQ(wad.size(), 8208u);
  const std::uint8_t start[] = {0x57, 0x41, 0x44, 0x33, 0x07, 0x00, 0x00, 0x00};
  EXPECT_EQ(0, std::memcmp(wad.data(), start, sizeof start));
  EXPECT_EQ(Le32(wad, 8), 7984);

  const std::int32_t positions[] = {12, 856, 1700, 2544, 3388, 5264, 7140};
  const char* names[] = {"LAMBDA", "LAMBDA64", "LAMBDA32", "PAUSED", "CONCHARS", "CREDITSFONT", "BACKTILE"};
  for (int slot = 0; slot < 7; ++slot) {
    SCOPED_TRACE(names[slot]);
    DirectoryEntry entry = EntryAt(wad, slot);
    const bool font = slot == 4 || slot == 5;
    EXPECT_EQ(entry.position, positions[slot]);
    EXPECT_EQ(entry.stored, font ? 1876 : 844);
    EXPECT_EQ(entry.full, entry.stored);
    EXPECT_EQ(entry.type, font ? 0x46 : 0x42);
    EXPECT_EQ(entry.compression, 0);
    std::size_t at = static_cast<std::size_t>(Le32(wad, 8)) + 32 * static_cast<std::size_t>(slot);
    EXPECT_EQ(wad[at + 14], 0);
    EXPECT_EQ(wad[at + 15], 0);
    std::string expected(names[slot]);
    expected.resize(16, '\0');
    EXPECT_EQ(entry.name, expected);
  }
}

TEST(WadLayout, ZeroSizedAndLargestBitmapsKeepLumpsBackToBack) {
  struct Case {
    int width, height;
    std::int32_t pictureSize, fontSize;
  };
  const Case cases[] = {{0, 8, 780, 1812}, {8, 0, 780, 1812}, {256, 256, 66316, 67348}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    TempFolder folder;
    WriteInputSet(folder.path(), c.width, c.height);
    Bytes wad = CompileFolder(folder);
    std::int32_t expected = 12;
    for (int slot = 0; slot < 7; ++slot) {
      DirectoryEntry entry = EntryAt(wad, slot);
      EXPECT_EQ(entry.position, expected);
      EXPECT_EQ(entry.stored, (slot == 4 || slot == 5) ? c.fontSize : c.pictureSize);
      expected += entry.stored;
    }
    EXPECT_EQ(Le32(wad, 8), expected);
    EXPECT_EQ(wad.size(), static_cast<std::size_t>(expected) + 224);
  }
}

TEST(WadLayout, ProgressRisesByTenAfterEachOfTheFirstSixLumps) {
  TempFolder folder;
  WriteInputSet(folder.path());
  RecordingCompiler compiler(folder.str());
  ASSERT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  EXPECT_EQ(compiler.progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70}));
  EXPECT_EQ(compiler.SlotIndex, 7);
  EXPECT_FALSE(compiler.SourceFile.IsOpen());
  EXPECT_FALSE(compiler.OutputFile.IsOpen());
}

TEST(WadLayout, CompilingTwiceGivesIdenticalFilesWhateverTheFirstCompileLeft) {
  TempFolder big;
  WriteInputSet(big.path(), 64, 32);
  TempFolder small;
  WriteInputSet(small.path(), 8, 16);

  RecordingCompiler compiler(small.str());
  ASSERT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  Bytes first = ReadFile(small / "gfx.wad");
  // The same compiler object compiles another folder, then the first one again.
  compiler.chosenFolder = big.str();
  ASSERT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  compiler.chosenFolder = small.str();
  ASSERT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  EXPECT_EQ(ReadFile(small / "gfx.wad"), first);
}

TEST(WadLayout, FolderEndingInASeparatorIsUsedUnchanged) {
  TempFolder folder;
  WriteInputSet(folder.path());
  RecordingCompiler compiler(folder.str() + "/");
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  EXPECT_EQ(compiler.Folder, folder.str() + "/");
  EXPECT_EQ(ReadFile(folder / "gfx.wad").size(), 8208u);
}

}  // namespace
}  // namespace lumpforge::testing
