// Nothing is lost: when anything fails after the checks, the old gfx.wad stays exactly
// as it was, no temporary file is left, and the user is told once.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "fixtures.h"

namespace lumpforge::testing {
namespace {

namespace fs = std::filesystem;

const Bytes kOld = {'o', 'l', 'd', ' ', 'g', 'f', 'x'};
const Problem kCouldNotWrite{"Could not write gfx.wad.", 250, 200};

std::vector<std::string> FolderEntries(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

struct PreparedFolder {
  TempFolder folder;
  std::vector<std::string> entries;
  PreparedFolder() {
    WriteInputSet(folder.path());
    WriteFile(folder / "gfx.wad", kOld);
    entries = FolderEntries(folder);
  }
  void ExpectUntouched() {
    EXPECT_EQ(ReadFile(folder / "gfx.wad"), kOld);
    EXPECT_EQ(FolderEntries(folder), entries);
  }
};

TEST(SafeOutput, InputVanishingOrChangingBetweenCheckAndWrite) {
  struct Case {
    const char* what;
    int atProgress;
    std::function<void(const TempFolder&)> change;
  };
  const Case cases[] = {
      {"a picture removed", 10, [](const TempFolder& f) { fs::remove(f / "lambda32.bmp"); }},
      {"a font bitmap removed", 40, [](const TempFolder& f) { fs::remove(f / "creditsfont.bmp"); }},
      {"the last bitmap truncated", 70, [](const TempFolder& f) {
         Bytes b = ReadFile(f / "backtile.bmp");
         b.resize(1100);
         WriteFile(f / "backtile.bmp", b);
       }},
      {"a bitmap grown past 256", 20, [](const TempFolder& f) {
         BmpSpec big;
         big.width = 512;
         WriteFile(f / "paused.bmp", MakeBmp(big));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PreparedFolder prepared;
    RecordingCompiler compiler(prepared.folder.str());
    compiler.atProgress = [&](int position) {
      if (position == c.atProgress) c.change(prepared.folder);
    };
    EXPECT_EQ(compiler.CompileWad(), CompileOutcome::WriteFailed);
    EXPECT_EQ(compiler.problems, std::vector<Problem>{kCouldNotWrite});
    EXPECT_FALSE(compiler.SourceFile.IsOpen());
    EXPECT_FALSE(compiler.OutputFile.IsOpen());
    prepared.entries.erase(std::remove_if(prepared.entries.begin(), prepared.entries.end(),
                                          [&](const std::string& n) { return !fs::exists(prepared.folder / n); }),
                           prepared.entries.end());
    prepared.ExpectUntouched();
  }
}

TEST(SafeOutput, OutputThatCannotBeReplaced) {
  // gfx.wad is a folder with something in it: the rename over it fails.
  TempFolder folder;
  WriteInputSet(folder.path());
  fs::create_directory(folder / "gfx.wad");
  WriteFile(folder / "gfx.wad" / "keep", kOld);
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::WriteFailed);
  EXPECT_EQ(compiler.problems, std::vector<Problem>{kCouldNotWrite});
  EXPECT_EQ(ReadFile(folder / "gfx.wad" / "keep"), kOld);
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    EXPECT_EQ(entry.path().filename().string().find(".gfx.wad."), std::string::npos) << entry.path();
  }
}

TEST(SafeOutput, MissingOutputFolderNamesTheOutputFile) {
  TempFolder folder;
  WriteInputSet(folder.path());
  RecordingCompiler compiler(folder.str());
  compiler.OutputPath = folder.str() + "/absent/game.wad";
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::WriteFailed);
  EXPECT_EQ(compiler.problems, (std::vector<Problem>{{"Could not write game.wad.", 250, 200}}));
}

TEST(SafeOutput, ReadOnlyFolder) {
  PreparedFolder prepared;
  fs::permissions(prepared.folder.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  // Permissions do not bind root: a child that drops to an ordinary user compiles.
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    RecordingCompiler compiler(prepared.folder.str());
    bool ok = compiler.CompileWad() == CompileOutcome::WriteFailed && compiler.problems == std::vector<Problem>{kCouldNotWrite};
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  prepared.ExpectUntouched();
}

TEST(SafeOutput, MetricsFileThatCannotBeLoadedEndsTheCompileAndKeepsTheOldFile) {
  struct Case {
    const char* what;
    std::function<void(const TempFolder&)> change;
    std::function<std::string(const TempFolder&)> message;
  };
  const Case cases[] = {
      {"conchars.txt removed", [](const TempFolder& f) { fs::remove(f / "conchars.txt"); },
       [](const TempFolder& f) { return "Cannot open file " + f.str() + "/conchars.txt"; }},
      {"creditsfont.txt too large",
       [](const TempFolder& f) { WriteText(f / "creditsfont.txt", std::string(kMetricsCapacity + 1, '1')); },
       [](const TempFolder&) { return std::string("Text exceeds memo capacity"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PreparedFolder prepared;
    RecordingCompiler compiler(prepared.folder.str());
    // After the checks, before the font lumps.
    compiler.atProgress = [&](int position) {
      if (position != 50) return;
      c.change(prepared.folder);
      prepared.entries = FolderEntries(prepared.folder);
      std::erase_if(prepared.entries, [](const std::string& n) { return n.rfind(TemporaryPrefix("gfx.wad"), 0) == 0; });
    };
    try {
      compiler.CompileWad();
      ADD_FAILURE() << "no error";
    } catch (const MetricsLoadError& error) {
      EXPECT_EQ(std::string(error.what()), c.message(prepared.folder));
    }
    EXPECT_TRUE(compiler.problems.empty());
    EXPECT_FALSE(compiler.SourceFile.IsOpen());
    EXPECT_FALSE(compiler.OutputFile.IsOpen());
    prepared.ExpectUntouched();
  }
}

TEST(SafeOutput, NewFileGetsThePermissionsOfANewlyCreatedFile) {
  TempFolder folder;
  WriteInputSet(folder.path());
  const mode_t old = umask(027);
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  umask(old);
  struct stat info;
  ASSERT_EQ(stat((folder / "gfx.wad").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SafeOutput, TemporaryFilesOfKilledCompilesAreRemovedButOthersKept) {
  TempFolder folder;
  WriteInputSet(folder.path());
  // A process id that cannot be running, and this process's parent, which is.
  const std::string stale = TemporaryPrefix("gfx.wad") + "999999999-1";
  const std::string live = TemporaryPrefix("gfx.wad") + std::to_string(getppid()) + "-2";
  WriteFile(folder / stale, kOld);
  WriteFile(folder / live, kOld);
  WriteFile(folder / ".gfx.wad.lumpforge-tmp-notapid", kOld);
  RecordingCompiler compiler(folder.str());
  EXPECT_EQ(compiler.CompileWad(), CompileOutcome::Written);
  EXPECT_FALSE(fs::exists(folder / stale));
  EXPECT_TRUE(fs::exists(folder / live));
  EXPECT_TRUE(fs::exists(folder / ".gfx.wad.lumpforge-tmp-notapid"));
}

}  // namespace
}  // namespace lumpforge::testing
