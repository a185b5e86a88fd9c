// ShellExecuteExA's "open": a real program started with its argument and working folder,
// and the cases where nothing can be started.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>

#include "registry.h"
#include "test_support.h"
#include "win32.h"

namespace {

namespace fs = std::filesystem;

SHELLEXECUTEINFOA OpenRecord(const char* file, const char* parameters, const char* directory) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = file;
  info.lpParameters = parameters;
  info.lpDirectory = directory;
  info.nShow = SW_SHOWDEFAULT;
  return info;
}

std::intptr_t Code(const SHELLEXECUTEINFOA& info) {
  return reinterpret_cast<std::intptr_t>(info.hInstApp);
}

// True when this process has no child at all, running or a zombie.
bool NoChildren() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

class ShellExecuteTest : public ::testing::Test {
 protected:
  ShellExecuteTest() {
    // The recorder writes its argument count, its first argument and its working folder,
    // then moves the record into place so it is seen whole.
    recorder_ = bin_.path() / "recorder";
    platform_test::WriteWholeFile(
        recorder_,
        "#!/bin/sh\n"
        "printf '%s\\n%s\\n%s\\n' \"$#\" \"$1\" \"$(pwd -P)\" > \"$RECORD.part\"\n"
        "mv \"$RECORD.part\" \"$RECORD\"\n");
    chmod(recorder_.c_str(), 0755);
  }

  // Waits for the started program's record; a bound keeps a broken launch from hanging.
  std::string AwaitRecord() {
    for (int i = 0; i < 3000 && !fs::exists(record_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return platform_test::ReadWholeFile(record_);
  }

  platform_test::TempFolder bin_;
  platform_test::TempFolder work_;
  fs::path recorder_;
  fs::path record_ = bin_.path() / "record";
  platform_test::ScopedEnv recordEnv_{"RECORD", record_.string()};
};

TEST_F(ShellExecuteTest, StartsTheProgramWithOneArgumentInTheGivenFolderWithoutAShell) {
  const fs::path folder = work_.path() / "a folder; with $(odd) name";
  fs::create_directories(folder);
  const std::string address = "https://quillmere.example/?a=1&b=$(touch pwned) 'q' \"x\"";

  SHELLEXECUTEINFOA info = OpenRecord(recorder_.c_str(), address.c_str(), folder.c_str());
  ASSERT_TRUE(ShellExecuteExA(&info));
  EXPECT_GT(Code(info), 32);
  EXPECT_TRUE(NoChildren()) << "the launch neither waits for the program nor leaves a zombie";

  EXPECT_EQ(AwaitRecord(), "1\n" + address + "\n" + fs::canonical(folder).string() + "\n");
  EXPECT_FALSE(fs::exists(folder / "pwned"));
  EXPECT_FALSE(fs::exists(work_.path() / "pwned"));
}

TEST_F(ShellExecuteTest, FindsBareNamesOnThePathAndOtherNamesFromTheFolder) {
  platform_test::ScopedEnv path("PATH", "/nonexistent:" + bin_.path().string() + ":/usr/bin:/bin");

  // A bare name: looked up on PATH; no parameters give no argument; no folder keeps ours.
  SHELLEXECUTEINFOA bare = OpenRecord("recorder", "", "");
  ASSERT_TRUE(ShellExecuteExA(&bare));
  EXPECT_EQ(AwaitRecord(), "0\n\n" + fs::canonical(fs::current_path()).string() + "\n");
  fs::remove(record_);

  // A name with a slash is taken from the folder the program is started in.
  fs::copy_file(recorder_, work_.path() / "local-tool");
  SHELLEXECUTEINFOA relative = OpenRecord("./local-tool", "x", work_.path().c_str());
  relative.lpVerb = nullptr;  // no verb means "open"
  ASSERT_TRUE(ShellExecuteExA(&relative));
  EXPECT_EQ(AwaitRecord(), "1\nx\n" + fs::canonical(work_.path()).string() + "\n");
  EXPECT_TRUE(NoChildren());
}

TEST_F(ShellExecuteTest, ReportsWhatCannotBeStarted) {
  const fs::path plain = bin_.path() / "plain";
  platform_test::WriteWholeFile(plain, "#!/bin/sh\necho no\n");
  chmod(plain.c_str(), 0644);
  const fs::path noFormat = bin_.path() / "no-format";
  platform_test::WriteWholeFile(noFormat, "\x01\x02 not a program");
  chmod(noFormat.c_str(), 0755);
  const std::string missingFolder = (work_.path() / "gone").string();
  platform_test::ScopedEnv path("PATH", bin_.path().string());

  const struct {
    const char* what;
    std::string file;
    const char* verb;
    std::string directory;
    std::intptr_t code;
  } cases[] = {
      {"absent on PATH", "lumpforge-no-such-program", "open", "", 2},
      {"absent by path", (bin_.path() / "absent").string(), "open", "", 2},
      {"found on PATH but not executable", "plain", "open", "", 2},
      {"not executable", plain.string(), "open", "", 5},
      {"a folder", bin_.path().string(), "open", "", 5},
      {"neither a program nor a script", noFormat.string(), "open", "", 5},
      {"an empty name", "", "open", "", 2},
      {"a missing working folder", recorder_.string(), "open", missingFolder, 3},
      {"another verb", recorder_.string(), "print", "", 31},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SHELLEXECUTEINFOA info =
        OpenRecord(c.file.c_str(), "https://quillmere.example/", c.directory.c_str());
    info.lpVerb = c.verb;
    EXPECT_FALSE(ShellExecuteExA(&info));
    EXPECT_EQ(Code(info), c.code);
    EXPECT_TRUE(NoChildren());
  }
  EXPECT_FALSE(fs::exists(record_));

  SHELLEXECUTEINFOA unnamed = OpenRecord(nullptr, nullptr, nullptr);
  EXPECT_FALSE(ShellExecuteExA(&unnamed));
  SHELLEXECUTEINFOA wrongSize = OpenRecord(recorder_.c_str(), "", "");
  wrongSize.cbSize = 12;
  EXPECT_FALSE(ShellExecuteExA(&wrongSize));
  EXPECT_FALSE(ShellExecuteExA(nullptr));
  EXPECT_FALSE(fs::exists(record_));
}

}  // namespace

namespace {

// The About window's road to the browser: the registered open command, cut at its last
// backslash and its first blank, started with the web address.
TEST_F(ShellExecuteTest, TheRegisteredOpenerStartsWithTheWebAddress) {
  fs::copy_file(recorder_, bin_.path() / "xdg-open");
  platform_test::ScopedEnv path("PATH", bin_.path().string() + ":/usr/bin:/bin");
  platform_test::ScratchConfigHome config;

  platform::TRegistry classes;
  classes.RootKey = platform::HKEY_CLASSES_ROOT;
  ASSERT_TRUE(classes.OpenKey(".htm", false));
  const std::string className = classes.ReadString("");
  ASSERT_TRUE(classes.OpenKey("\\" + className + "\\shell\\open\\command", false));
  const std::string command = classes.ReadString("");
  const size_t slash = command.rfind('\\');
  const std::string directory = slash == std::string::npos ? "" : command.substr(0, slash);
  std::string name = slash == std::string::npos ? command : command.substr(slash + 1);
  name = name.substr(0, name.find(' '));
  EXPECT_EQ(name, "xdg-open");
  EXPECT_EQ(directory, "");

  SHELLEXECUTEINFOA info =
      OpenRecord(name.c_str(), "https://quillmere.example/", directory.c_str());
  ASSERT_TRUE(ShellExecuteExA(&info));
  EXPECT_EQ(AwaitRecord(),
            "1\nhttps://quillmere.example/\n" + fs::canonical(fs::current_path()).string() + "\n");
}

}  // namespace
