// lumpforge-cli extract: the nine files it writes compile back into the same gfx.wad,
// byte for byte; files the compiler could not have written are refused; nothing that
// exists is replaced without --force.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "cli_run.h"
#include "wad_file.h"
#include "wad_fixtures.h"

namespace lumpforge {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

using testing::Cli;
using testing::CliRun;

const char* const kInputs[] = {"lambda.bmp",      "lambda64.bmp",    "lambda32.bmp", "paused.bmp",  "conchars.bmp",
                               "conchars.txt",    "creditsfont.bmp", "creditsfont.txt", "backtile.bmp"};

std::vector<std::string> FolderListing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Extracts wad into a fresh folder, compiles that folder and returns the result.
Bytes RoundTrip(const Bytes& wad, const fs::path& work) {
  testing::WriteFile(work / "in.wad", wad);
  CliRun run = Cli({"extract", (work / "in.wad").string(), (work / "out").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::vector<std::string> expected(std::begin(kInputs), std::end(kInputs));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FolderListing(work / "out"), expected);  // the nine files and no temporary left
  return testing::CompileFolder(work / "out");
}

TEST(ExtractTest, TheSamplesRoundTrip) {
  testing::TempFolder folder;
  for (const char* name : kInputs) fs::copy_file(fs::path(LUMPFORGE_SAMPLES) / name, folder / name);
  Bytes wad = testing::CompileFolder(folder.path());
  testing::TempFolder work;
  EXPECT_EQ(RoundTrip(wad, work.path()), wad);
}

TEST(ExtractTest, GeneratedSetsRoundTrip) {
  // The edges first (empty, smallest, largest), then random sets of every kind of input
  // the compiler accepts: top-down, RLE8, short palettes, V5 headers, odd metrics.
  std::vector<std::function<void(const fs::path&)>> sets = {
      [](const fs::path& f) { testing::WriteInputSet(f, 0, 0); },
      [](const fs::path& f) { testing::WriteInputSet(f, 8, 8); },
      [](const fs::path& f) { testing::WriteInputSet(f, 256, 256); },
  };
  for (std::uint32_t seed = 100; seed < 125; ++seed) {
    sets.push_back([seed](const fs::path& f) { testing::WriteRandomInputSet(f, seed); });
  }
  for (std::size_t i = 0; i < sets.size(); ++i) {
    SCOPED_TRACE(i);
    testing::TempFolder folder;
    sets[i](folder.path());
    Bytes wad = testing::CompileFolder(folder.path());
    testing::TempFolder work;
    ASSERT_EQ(RoundTrip(wad, work.path()), wad);
  }
}

TEST(ExtractTest, WritesPlainBitmapsAndCommentsOnlyUnreadLines) {
  testing::TempFolder folder;
  testing::WriteInputSet(folder.path(), 16, 8);
  // First header number 0 on line 2 and 7 on line 4: line 3 and 4 are read.
  testing::WriteText(folder / "creditsfont.txt", "\n\n0\n0\n7\n3\n");
  Bytes wad = testing::CompileFolder(folder.path());
  testing::TempFolder work;
  ASSERT_EQ(RoundTrip(wad, work.path()), wad);

  Bytes bmp = testing::ReadFile(work / "out" / "conchars.bmp");
  ASSERT_EQ(bmp.size(), 1078u + 16 * 8);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(testing::Le32(bmp, 10), 1078);  // pixel data offset
  EXPECT_EQ(testing::Le32(bmp, 14), 40);    // info header size
  EXPECT_EQ(testing::Le32(bmp, 18), 16);
  EXPECT_EQ(testing::Le32(bmp, 22), 8);     // bottom-up
  EXPECT_EQ(testing::Le16(bmp, 28), 8);
  EXPECT_EQ(testing::Le32(bmp, 30), 0);     // uncompressed

  std::vector<std::string> lines;
  Bytes raw = testing::ReadFile(work / "out" / "creditsfont.txt");
  std::istringstream in(std::string(raw.begin(), raw.end()));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 105u);
  for (int i : {0, 1, 8}) EXPECT_EQ(lines[static_cast<std::size_t>(i)].substr(0, 2), "# ") << i;
  EXPECT_EQ(lines[2], "7");
  EXPECT_EQ(lines[3].substr(0, 2), "# ");  // not read: line 2 is not 0
  EXPECT_EQ(lines[5], "3");
  EXPECT_EQ(lines[9], "  0 0 0");           // the blank: empty label, two blanks
  EXPECT_EQ(lines[10], "! 0 0 0");
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

struct Refusal {
  const char* what;
  int side;  // of the compiled set the change is made to
  std::function<void(Bytes&)> apply;
  const char* reason;  // the end of the message
};

TEST(ExtractTest, RefusesFilesNoAcceptedInputsCompileInto) {
  // With 8 x 8 bitmaps: LAMBDA at 12, CONCHARS at 3388, CREDITSFONT at 5264.
  const Refusal cases[] = {
      {"not a gfx.wad", 8, [](Bytes& b) { b[0] = 'P'; }, "is not a finished gfx.wad: the file does not begin with the magic \"WAD3\""},
      {"picture side 4", 8, [](Bytes& b) { Put32(b, 12, 4); Put32(b, 16, 16); },
       "cannot be rebuilt from inputs the compiler accepts: LAMBDA is 4 x 16: the compiler takes only sides that are "
       "multiples of 8 up to 256"},
      {"picture wider than 256", 0, [](Bytes& b) { Put32(b, 12, 264); },
       "LAMBDA is 264 x 0: the compiler takes only sides that are multiples of 8 up to 256"},
      {"font height 4", 8, [](Bytes& b) { Put32(b, 3388 + 4, 4); },
       "CONCHARS is 16 x 4: the compiler takes only sides that are multiples of 8 up to 256"},
      {"font header differs", 8, [](Bytes& b) { Put32(b, 5264 + 12, 9); },
       "CREDITSFONT's header numbers 1 and 4 differ (12 and 9); the compiler writes the first header number twice"},
      {"fourth entry byte", 8, [](Bytes& b) { b[3388 + 16 + 4 * 65 + 3] = 1; },
       "CONCHARS character 65: the fourth byte of its entry is not 0"},
      {"uncovered code", 8, [](Bytes& b) { b[3388 + 16 + 4 * 150] = 1; },
       "CONCHARS character 150: no metrics line gives this entry, so the compiler writes it as zeros"},
      {"uncovered credits code", 8, [](Bytes& b) { b[5264 + 16 + 4 * 200 + 2] = 1; },
       "CREDITSFONT character 200: no metrics line gives this entry, so the compiler writes it as zeros"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempFolder folder;
    testing::WriteInputSet(folder.path(), c.side, c.side);
    Bytes wad = testing::CompileFolder(folder.path());
    c.apply(wad);
    testing::WriteFile(folder / "broken.wad", wad);
    CliRun run = Cli({"extract", (folder / "broken.wad").string(), (folder / "out").string()});
    EXPECT_EQ(run.status, 1);
    const std::string reason = c.reason;
    ASSERT_GE(run.err.size(), reason.size() + 1);
    EXPECT_EQ(run.err.substr(run.err.size() - reason.size() - 1), reason + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(folder / "out"));
  }
}

TEST(ExtractTest, ReplacesNothingWithoutForce) {
  testing::TempFolder folder;
  testing::WriteInputSet(folder.path(), 8, 8);
  Bytes wad = testing::CompileFolder(folder.path());
  testing::TempFolder target;
  testing::WriteText(target / "creditsfont.txt", "mine\n");
  fs::create_symlink("nowhere", target / "paused.bmp");  // a dangling link counts as present

  CliRun run = Cli({"extract", (folder / "gfx.wad").string(), target.str()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "lumpforge-cli extract: " + target.str() +
                         " already holds paused.bmp, creditsfont.txt; nothing written (use --force to replace them)\n");
  EXPECT_EQ(FolderListing(target.path()), (std::vector<std::string>{"creditsfont.txt", "paused.bmp"}));
  EXPECT_EQ(testing::ReadFile(target / "creditsfont.txt"), (Bytes{'m', 'i', 'n', 'e', '\n'}));

  run = Cli({"extract", "--force", (folder / "gfx.wad").string(), target.str()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::is_symlink(target / "paused.bmp"));
  EXPECT_EQ(FolderListing(target.path()).size(), 9u);
  EXPECT_EQ(testing::CompileFolder(target.path()), wad);
}

TEST(ExtractTest, DefaultsToTheCurrentFolderAndReportsUsageAndWriteErrors) {
  testing::TempFolder folder;
  testing::WriteInputSet(folder.path(), 8, 8);
  Bytes wad = testing::CompileFolder(folder.path());
  const std::string wadPath = (folder / "gfx.wad").string();

  testing::TempFolder here;
  const fs::path previous = fs::current_path();
  fs::current_path(here.path());
  CliRun run = Cli({"extract", wadPath});
  fs::current_path(previous);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "extracted 9 files from " + wadPath + " into .\n");
  EXPECT_EQ(FolderListing(here.path()).size(), 9u);

  testing::WriteText(folder / "plain-file", "x");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string errStart;
  };
  const Case cases[] = {
      {{"extract"}, 2, "lumpforge-cli extract: no file given\n"},
      {{"extract", wadPath, "a", "b"}, 2, "lumpforge-cli extract: too many arguments\n"},
      {{"extract", "--overwrite", wadPath}, 2, "lumpforge-cli extract: unknown option '--overwrite'\n"},
      {{"extract", (folder / "absent.wad").string()}, 1, "lumpforge-cli extract: cannot read "},
      {{"extract", wadPath, (folder / "plain-file").string()}, 3, "lumpforge-cli extract: cannot use folder "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    run = Cli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart);
  }
}

}  // namespace
}  // namespace lumpforge
