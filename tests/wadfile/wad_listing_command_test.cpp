// lumpforge-cli inspect: the listing, the exit status and the reason on standard error.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "wad_fixtures.h"

namespace lumpforge {
namespace {

using testing::CliRun;

CliRun Inspect(const std::vector<std::string>& args) {
  std::vector<std::string> all{"inspect"};
  all.insert(all.end(), args.begin(), args.end());
  return testing::Cli(all);
}

class InspectCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteInputSet(folder_.path(), 16, 8);
    wad_ = testing::CompileFolder(folder_.path());
  }
  std::string WadPath() const { return (folder_ / "gfx.wad").string(); }
  testing::TempFolder folder_;
  testing::Bytes wad_;
};

TEST_F(InspectCommandTest, ListsHeaderAndEveryEntryOfAFinishedFile) {
  CliRun run = Inspect({WadPath()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, WadPath() + ": 8656 bytes\n"
                     "header: magic WAD3, 7 lumps, directory at 8432\n"
                     "LAMBDA       type 0x42  position     12  size    908  picture 16 x 8\n"
                     "LAMBDA64     type 0x42  position    920  size    908  picture 16 x 8\n"
                     "LAMBDA32     type 0x42  position   1828  size    908  picture 16 x 8\n"
                     "PAUSED       type 0x42  position   2736  size    908  picture 16 x 8\n"
                     "CONCHARS     type 0x46  position   3644  size   1940  font header 8 8 16 8 (16 x 8)\n"
                     "CREDITSFONT  type 0x46  position   5584  size   1940  font header 12 8 4 12 (16 x 8)\n"
                     "BACKTILE     type 0x42  position   7524  size    908  picture 16 x 8\n"
                     "all invariants hold\n");
}

TEST_F(InspectCommandTest, ABrokenFileIsListedAndItsReasonGoesToStandardError) {
  wad_[8] = 0x70;  // the provisional directory offset of an unfinished compile: 86384
  wad_[9] = 0x51;
  wad_[10] = 0x01;
  testing::WriteFile(folder_ / "gfx.wad", wad_);
  CliRun run = Inspect({WadPath()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, WadPath() + ": 8656 bytes\nheader: magic WAD3, 7 lumps, directory at 86384\n");
  EXPECT_EQ(run.err, "lumpforge-cli inspect: " + WadPath() +
                         " is not a finished gfx.wad: the directory (224 bytes at offset 86384) does not lie "
                         "inside the file of 8656 bytes\n");
}

TEST_F(InspectCommandTest, UnreadableFilesAndWrongUsage) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string errStart;
  };
  const std::string absent = (folder_ / "absent.wad").string();
  const Case cases[] = {
      {{absent}, 1, "lumpforge-cli inspect: cannot read " + absent + ": No such file or directory\n"},
      {{folder_.str()}, 1, "lumpforge-cli inspect: cannot read " + folder_.str() + ": is a folder\n"},
      {{}, 2, "lumpforge-cli inspect: no file given\nUsage: lumpforge-cli inspect FILE\n"},
      {{WadPath(), WadPath()}, 2, "lumpforge-cli inspect: more than one file given\n"},
      {{"--frobnicate", WadPath()}, 2, "lumpforge-cli inspect: unknown option '--frobnicate'\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.empty() ? "(none)" : c.args[0]);
    CliRun run = Inspect(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart);
    EXPECT_EQ(run.out, "");
  }
  // A file name that begins with a dash, after "--".
  testing::WriteFile(folder_ / "-odd.wad", wad_);
  EXPECT_EQ(Inspect({"--", (folder_ / "-odd.wad").string()}).status, 0);
}

}  // namespace
}  // namespace lumpforge
