// lumpforge-cli compile: what reaches standard output and standard error, and the exit
// status, for each way a compile can end.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "cli_run.h"
#include "fixtures.h"

namespace lumpforge::testing {
namespace {

namespace fs = std::filesystem;


TEST(CompileCommand, WritesTheFileAndNamesItOnStandardOutput) {
  TempFolder folder;
  WriteInputSet(folder.path());
  CliRun run = Cli({"compile", folder.str()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "wrote " + folder.str() + "/gfx.wad (8208 bytes)\n");
  EXPECT_EQ(fs::file_size(folder / "gfx.wad"), 8208u);

  const std::string other = (folder / "other.wad").string();
  run = Cli({"compile", "-o", other, folder.str()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "wrote " + other + " (8208 bytes)\n");
  EXPECT_EQ(ReadFile(other), ReadFile(folder / "gfx.wad"));
}

TEST(CompileCommand, ProblemsGoToStandardErrorOneLineEachInOrder) {
  TempFolder folder;
  WriteInputSet(folder.path());
  fs::remove(folder / "lambda.bmp");
  BmpSpec odd;
  odd.width = 100;
  WriteFile(folder / "backtile.bmp", MakeBmp(odd));
  CliRun run = Cli({"compile", folder.str()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Could not locate lambda.bmp.\nbacktile.bmp dimension not divisible by 8.\n");
  EXPECT_FALSE(fs::exists(folder / "gfx.wad"));
}

TEST(CompileCommand, OutputThatCannotBeWrittenExitsThree) {
  TempFolder folder;
  WriteInputSet(folder.path());
  CliRun run = Cli({"compile", folder.str(), "--output", folder.str() + "/no/such/out.wad"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err, "Could not write out.wad.\n");
  EXPECT_EQ(run.out, "");
}

TEST(CompileCommand, WrongUsageExitsTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"compile", "a", "b"},
      {"compile", "-o"},
      {"compile", "-o", "x", "-o", "y"},
      {"compile", "--colour"},
      {"compile", ""},
  };
  for (const auto& args : cases) {
    CliRun run = Cli(args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
}

TEST(CompileCommand, HelpAndVersionGoToStandardOutput) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--help"}, {"compile", "--help"}}) {
    CliRun run = Cli(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: lumpforge-cli"), std::string::npos);
    EXPECT_EQ(run.err, "");
  }
  CliRun version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("lumpforge-cli ", 0), 0u);
}

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The real program, in the current folder by default, keeping standard output and
// standard error apart.
int RunInFolder(const TempFolder& folder) {
  const std::string command = "cd '" + folder.str() + "' && '" LUMPFORGE_CLI "' compile >out.txt 2>err.txt";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CompileCommand, RealProgramInTheCurrentFolder) {
  TempFolder folder;
  WriteInputSet(folder.path());
  EXPECT_EQ(RunInFolder(folder), 0);
  EXPECT_EQ(Text(ReadFile(folder / "out.txt")), "wrote ./gfx.wad (8208 bytes)\n");
  EXPECT_EQ(Text(ReadFile(folder / "err.txt")), "");
}

TEST(CompileCommand, MetricsFileTooLargeIsReportedLikeTheExceptionReport) {
  TempFolder folder;
  WriteInputSet(folder.path());
  WriteFile(folder / "gfx.wad", Bytes{1, 2, 3});
  // The check only opens the file; loading it fails while its lump is written.
  WriteText(folder / "creditsfont.txt", std::string(kMetricsCapacity + 5, '9'));
  EXPECT_EQ(RunInFolder(folder), 1);
  EXPECT_EQ(Text(ReadFile(folder / "out.txt")), "");
  EXPECT_EQ(Text(ReadFile(folder / "err.txt")), "Text exceeds memo capacity.\n");
  EXPECT_EQ(ReadFile(folder / "gfx.wad"), (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace lumpforge::testing
