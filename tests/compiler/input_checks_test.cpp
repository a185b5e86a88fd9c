// The input checks: every problem reported in order, with its window and label widths,
// and nothing written when any check fails.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "fixtures.h"

namespace lumpforge::testing {
namespace {

namespace fs = std::filesystem;

std::vector<Problem> Check(const TempFolder& folder) {
  RecordingCompiler compiler(folder.str());
  const CompileOutcome outcome = compiler.CompileWad();
  EXPECT_EQ(outcome, compiler.problems.empty() ? CompileOutcome::Written : CompileOutcome::Refused);
  if (!compiler.problems.empty()) {
    EXPECT_FALSE(fs::exists(folder / "gfx.wad"));
    EXPECT_TRUE(compiler.progress.empty());
    EXPECT_EQ(compiler.Folder, folder.str());
  }
  EXPECT_FALSE(compiler.SourceFile.IsOpen());
  return compiler.problems;
}

TEST(InputChecks, EmptyFolderReportsAllNineFilesInCheckingOrder) {
  TempFolder folder;
  const std::vector<Problem> expected = {
      {"Could not locate lambda.bmp.", 250, 200},      {"Could not locate lambda64.bmp.", 250, 200},
      {"Could not locate lambda32.bmp.", 250, 200},    {"Could not locate paused.bmp.", 250, 200},
      {"Could not locate conchars.bmp.", 250, 200},    {"Could not locate conchars.txt.", 250, 200},
      {"Could not locate creditsfont.bmp.", 250, 210}, {"Could not locate creditsfont.txt.", 250, 210},
      {"Could not locate backtile.bmp.", 250, 200},
  };
  EXPECT_EQ(Check(folder), expected);
}

TEST(InputChecks, OneMissingMetricsFileIsTheOnlyProblem) {
  TempFolder folder;
  WriteInputSet(folder.path());
  fs::remove(folder / "conchars.txt");
  EXPECT_EQ(Check(folder), (std::vector<Problem>{{"Could not locate conchars.txt.", 250, 200}}));
}

TEST(InputChecks, BitmapRulesAreReportedInOrderWithTheirWidths) {
  struct Case {
    const char* what;
    std::function<void(BmpSpec&)> change;
    std::vector<Problem> problems;
  };
  const Case cases[] = {
      {"256 x 256 passes", [](BmpSpec& s) { s.width = 256; s.height = 256; }, {}},
      {"264 x 64", [](BmpSpec& s) { s.width = 264; s.height = 64; },
       {{"paused.bmp size larger than 256 pixels.", 300, 270}}},
      {"100 x 64", [](BmpSpec& s) { s.width = 100; s.height = 64; },
       {{"paused.bmp dimension not divisible by 8.", 310, 280}}},
      {"24 bits, 300 x 300", [](BmpSpec& s) { s.width = 300; s.height = 300; s.bitsPerPixel = 24; },
       {{"paused.bmp dimension not divisible by 8.", 310, 280},
        {"paused.bmp size larger than 256 pixels.", 300, 270},
        {"paused.bmp palette is not 256 colors.", 300, 270}}},
      {"top-down 64", [](BmpSpec& s) { s.height = -64; }, {}},
      {"top-down 264", [](BmpSpec& s) { s.height = -264; },
       {{"paused.bmp size larger than 256 pixels.", 300, 270}}},
      {"zero width", [](BmpSpec& s) { s.width = 0; }, {}},
      {"4 bits", [](BmpSpec& s) { s.bitsPerPixel = 4; }, {{"paused.bmp palette is not 256 colors.", 300, 270}}},
      {"RLE8 passes", [](BmpSpec& s) { s.compression = 1; }, {}},
      {"bit fields", [](BmpSpec& s) { s.compression = 3; }, {{"paused.bmp pixel data is compressed.", 300, 270}}},
      {"RLE4", [](BmpSpec& s) { s.compression = 2; }, {{"paused.bmp pixel data is compressed.", 300, 270}}},
      {"negative width", [](BmpSpec& s) { s.width = -8; }, {{"paused.bmp is damaged or truncated.", 300, 270}}},
      {"more than 256 colours used", [](BmpSpec& s) { s.coloursUsed = 257; },
       {{"paused.bmp is damaged or truncated.", 300, 270}}},
      {"pixels inside the palette", [](BmpSpec& s) { s.pixelOffset = 1000; },
       {{"paused.bmp is damaged or truncated.", 300, 270}}},
      {"top-down RLE8", [](BmpSpec& s) { s.compression = 1; s.height = -8; },
       {{"paused.bmp is damaged or truncated.", 300, 270}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteInputSet(folder.path());
    BmpSpec layout;
    c.change(layout);
    WriteFile(folder / "paused.bmp", MakeBmp(layout));
    EXPECT_EQ(Check(folder), c.problems);
  }
}

TEST(InputChecks, DamagedFilesAreRefused) {
  BmpSpec rleSpec;
  rleSpec.compression = 1;
  const Bytes plain = MakeBmp(BmpSpec{});
  const Bytes rle = MakeBmp(rleSpec);
  struct Case {
    const char* what;
    Bytes file;
  };
  auto cut = [](Bytes b, std::size_t size) { b.resize(size); return b; };
  auto withTail = [](Bytes b, std::size_t from, Bytes tail) {
    b.resize(from);
    b.insert(b.end(), tail.begin(), tail.end());
    return b;
  };
  auto patch32 = [](Bytes b, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return b;
  };
  const Case cases[] = {
      {"info header under 40", patch32(plain, 14, 12)},
      {"pixel data offset past the end", patch32(plain, 10, 5000)},
      {"info header past the end", patch32(plain, 14, 0xFFFFFFF0u)},
      {"pixel rows cut short", cut(plain, plain.size() - 1)},
      {"palette cut short", cut(plain, 600)},
      {"RLE8 without its end mark", cut(rle, rle.size() - 2)},
      {"RLE8 run past the row", withTail(rle, 1078, {9, 1, 0, 1})},
      {"RLE8 literal past the end of the file", withTail(rle, 1078, {0, 6, 1, 2})},
      {"RLE8 rows past the top", withTail(rle, 1078, {0, 2, 0, 8, 1, 1, 0, 1})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteInputSet(folder.path());
    WriteFile(folder / "lambda.bmp", c.file);
    EXPECT_EQ(Check(folder), (std::vector<Problem>{{"lambda.bmp is damaged or truncated.", 300, 270}}));
  }
}

TEST(InputChecks, ShortFileReadsMissingHeaderBytesAsZero) {
  TempFolder folder;
  WriteInputSet(folder.path());
  Bytes header = MakeBmp(BmpSpec{});
  header.resize(29);  // bits per pixel cut in half: the low byte 8 stays
  WriteFile(folder / "lambda.bmp", header);
  WriteFile(folder / "backtile.bmp", Bytes{'B', 'M'});
  EXPECT_EQ(Check(folder), (std::vector<Problem>{{"lambda.bmp is damaged or truncated.", 300, 270},
                                                 {"backtile.bmp palette is not 256 colors.", 300, 270}}));
}

TEST(InputChecks, TheMostMessagesOneCheckShows) {
  TempFolder folder;
  BmpSpec bad;
  bad.width = 300;
  bad.height = 300;
  bad.bitsPerPixel = 24;
  for (const LumpSlot& slot : kLumpSlots) WriteFile(folder / (slot.bitmapLiteral + 1), MakeBmp(bad));
  std::vector<Problem> problems = Check(folder);
  ASSERT_EQ(problems.size(), 23u);
  EXPECT_EQ(problems[15].text, "Could not locate conchars.txt.");
  EXPECT_EQ(problems[19].text, "Could not locate creditsfont.txt.");
  EXPECT_EQ(problems[22].text, "backtile.bmp palette is not 256 colors.");
}

TEST(InputChecks, OnlyRegularFilesOpen) {
  TempFolder folder;
  WriteInputSet(folder.path());
  fs::remove(folder / "lambda.bmp");
  fs::create_directory(folder / "lambda.bmp");
  fs::remove(folder / "paused.bmp");
  ASSERT_EQ(mkfifo((folder / "paused.bmp").c_str(), 0644), 0);  // opening must not block
  fs::remove(folder / "conchars.txt");
  fs::create_symlink(folder / "nowhere.txt", folder / "conchars.txt");
  fs::remove(folder / "backtile.bmp");
  fs::create_symlink("/dev/null", folder / "backtile.bmp");
  EXPECT_EQ(Check(folder), (std::vector<Problem>{{"Could not locate lambda.bmp.", 250, 200},
                                                 {"Could not locate paused.bmp.", 250, 200},
                                                 {"Could not locate conchars.txt.", 250, 200},
                                                 {"Could not locate backtile.bmp.", 250, 200}}));
}

TEST(InputChecks, NamesDifferingOnlyInLetterCaseAreFoundWhenUnambiguous) {
  TempFolder folder;
  WriteInputSet(folder.path());
  fs::rename(folder / "lambda.bmp", folder / "LAMBDA.BMP");
  fs::rename(folder / "conchars.txt", folder / "Conchars.txt");
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  EXPECT_TRUE(compiler.problems.empty());

  // Two candidates: neither is taken.
  fs::remove(folder / "gfx.wad");
  fs::copy_file(folder / "LAMBDA.BMP", folder / "Lambda.bmp");
  EXPECT_EQ(Check(folder), (std::vector<Problem>{{"Could not locate lambda.bmp.", 250, 200}}));
}

TEST(InputChecks, OldOutputStaysWhenTheChecksFail) {
  TempFolder folder;
  WriteInputSet(folder.path());
  WriteText(folder / "gfx.wad", "old contents");
  fs::remove(folder / "backtile.bmp");
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Refused);
  EXPECT_EQ(ReadFile(folder / "gfx.wad"), (Bytes{'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't', 's'}));
}

}  // namespace
}  // namespace lumpforge::testing
