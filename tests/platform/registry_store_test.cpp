// The settings store under stress: writers killed half-way, files that are not a store,
// folders that cannot be written, and two programs writing at once.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "registry.h"
#include "registry_store.h"
#include "test_support.h"

namespace {

using platform::ERegistryException;
using platform::TRegistry;

constexpr const char* kKey = "SOFTWARE\\Quillmere\\Lumpforge";

class StoreTest : public ::testing::Test {
 protected:
  platform_test::ScratchConfigHome config;
};

std::string FolderValue(int n) { return "/home/ada/folder-" + std::to_string(n) + std::string(300, 'x'); }

// Sorted names in a folder, to see that nothing was added or removed beside a file.
std::set<std::string> Listing(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

TEST_F(StoreTest, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewValue) {
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    registry.WriteString("LastOpened", FolderValue(0));
  }
  int next = 1;
  for (int round = 0; round < 24; ++round) {
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    const int first = next;
    pid_t writer = fork();
    if (writer == 0) {
      close(progress[0]);
      TRegistry registry;
      registry.OpenKey(kKey, true);
      for (int n = first;; ++n) {
        registry.WriteString("LastOpened", FolderValue(n));
        registry.WriteInteger("Count", n);
        if (write(progress[1], &n, sizeof n) != sizeof n) _exit(1);
      }
    }
    close(progress[1]);
    // Kill after a varying number of committed writes, while the next is under way.
    int committed = first - 1;
    for (int seen = 0; seen < 1 + round % 4; ++seen)
      ASSERT_EQ(read(progress[0], &committed, sizeof committed), static_cast<ssize_t>(sizeof committed));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    int later = 0;
    while (read(progress[0], &later, sizeof later) == static_cast<ssize_t>(sizeof later)) committed = later;
    close(progress[0]);

    TRegistry reader;
    ASSERT_TRUE(reader.OpenKey(kKey, false)) << "round " << round;
    const std::string value = reader.ReadString("LastOpened");
    const bool oldOrNew = value == FolderValue(committed) || value == FolderValue(committed + 1);
    EXPECT_TRUE(oldOrNew) << "round " << round << ": committed " << committed << ", read "
                          << value.substr(0, 30);
    const int count = reader.ReadInteger("Count");
    EXPECT_TRUE(count == committed || count == committed + 1) << "round " << round;
    next = committed + 2;
    // The store takes the next write as usual.
    reader.WriteString("LastOpened", FolderValue(next - 1));
    EXPECT_EQ(reader.ReadString("LastOpened"), FolderValue(next - 1));
  }
}

std::string ForeignDatabase(const std::filesystem::path& scratch) {
  const std::filesystem::path file = scratch / "other.db";
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_exec(db, "CREATE TABLE notes (text); INSERT INTO notes VALUES ('keep me');", nullptr,
               nullptr, nullptr);
  sqlite3_close(db);
  return platform_test::ReadWholeFile(file);
}

// A real store with the maker key in it, its bytes damaged after the header.
std::string DamagedStore(const platform_test::ScratchConfigHome& config) {
  {
    TRegistry registry;
    registry.OpenKey(kKey, true);
    registry.WriteString("LastOpened", std::string(5000, 'p'));
  }
  std::string bytes = platform_test::ReadWholeFile(config.storeFile());
  std::filesystem::remove(config.storeFile());
  for (size_t i = 4096 + 8; i < bytes.size(); i += 7) bytes[i] = static_cast<char>(0xA5);
  return bytes;
}

TEST_F(StoreTest, AFileThatIsNotASoundStoreIsLeftByteForByte) {
  platform_test::TempFolder scratch;
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"a text file", "LastOpened=/home/ada\n"},
      {"a short file", "SQLite"},
      {"an SQLite header and then garbage",
       std::string("SQLite format 3\0", 16) + std::string(4080, '\x5A')},
      {"another program's database", ForeignDatabase(scratch.path())},
      {"a damaged store", DamagedStore(config)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // One accessor opens the key while the store is sound; then the file goes bad.
    TRegistry early;
    ASSERT_TRUE(early.OpenKey(kKey, true));
    platform_test::WriteWholeFile(config.storeFile(), c.bytes);
    const auto before = Listing(config.storeFolder());

    EXPECT_THROW(early.WriteString("LastOpened", "/x"), ERegistryException);
    EXPECT_THROW(early.ReadString("LastOpened"), ERegistryException);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\", false)) << "the root itself always opens";
    EXPECT_THROW(registry.WriteString("At the root", "/x"), ERegistryException);
    registry.CloseKey();
    EXPECT_FALSE(registry.OpenKey(kKey, false));
    EXPECT_FALSE(registry.OpenKey(kKey, true));
    EXPECT_FALSE(registry.OpenKey("SOFTWARE", true));
    EXPECT_THROW(registry.WriteString("LastOpened", "/x"), ERegistryException);
    // The desktop's live values do not depend on the store.
    EXPECT_TRUE(registry.OpenKey("HARDWARE\\DEVICEMAP\\VIDEO", false));

    EXPECT_EQ(platform_test::ReadWholeFile(config.storeFile()), c.bytes);
    EXPECT_EQ(Listing(config.storeFolder()), before);
    std::filesystem::remove(config.storeFile());
  }
}

TEST_F(StoreTest, AnEmptyFileIsTakenAsANewStore) {
  std::filesystem::create_directories(config.storeFolder());
  platform_test::WriteWholeFile(config.storeFile(), "");
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(kKey, false));
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("LastOpened", "/a");
  EXPECT_EQ(registry.ReadString("LastOpened"), "/a");
}

constexpr int kCannotDropPrivileges = 77;

// Runs the body as an unprivileged user when the tests run as root, for whom no folder is
// read-only; the folders it uses must be reachable by that user.
int RunWithoutPrivileges(const std::function<bool()>& body) {
  return platform_test::RunInChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
      _exit(kCannotDropPrivileges);
    return body();
  });
}

TEST_F(StoreTest, AReadOnlyFolderFailsWritesCleanlyAndStillServesReads) {
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    registry.WriteString("LastOpened", "/kept");
  }
  const std::string bytes = platform_test::ReadWholeFile(config.storeFile());
  chmod(config.home().c_str(), 0555);
  chmod(config.storeFolder().c_str(), 0555);
  chmod(config.storeFile().c_str(), 0444);

  const int asUser = RunWithoutPrivileges([] {
              TRegistry registry;
              if (!registry.OpenKey(kKey, false) || registry.ReadString("LastOpened") != "/kept")
                return false;
              try {
                registry.WriteString("LastOpened", "/lost");
                return false;
              } catch (const ERegistryException&) {
              }
              if (registry.OpenKey("SOFTWARE\\Other", true)) return false;
              return registry.ReadString("LastOpened") == "/kept";
            });
  if (asUser == kCannotDropPrivileges)
    GTEST_SKIP() << "running as root without the right to become another user";
  EXPECT_EQ(asUser, 0);
  EXPECT_EQ(platform_test::ReadWholeFile(config.storeFile()), bytes);

  // With no store yet and a config folder that cannot be written, nothing can be made.
  platform_test::TempFolder locked;
  chmod(locked.path().c_str(), 0555);
  platform_test::ScopedEnv home("XDG_CONFIG_HOME", locked.path().string());
  EXPECT_EQ(RunWithoutPrivileges([] {
              TRegistry registry;
              if (registry.OpenKey(kKey, true) || registry.OpenKey(kKey, false)) return false;
              try {
                registry.WriteString("LastOpened", "/lost");
                return false;
              } catch (const ERegistryException&) {
              }
              return registry.ReadString("LastOpened").empty();
            }),
            0);
  EXPECT_TRUE(std::filesystem::is_empty(locked.path()));
}

TEST_F(StoreTest, TwoProgramsWritingAtOnceBothSucceed) {
  constexpr int kWriters = 2;
  constexpr int kWrites = 40;
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  std::vector<pid_t> writers;
  for (int w = 0; w < kWriters; ++w) {
    pid_t child = fork();
    if (child == 0) {
      close(start[1]);
      char go;
      if (read(start[0], &go, 1) != 0) _exit(2);  // wait for the start: the pipe closing
      try {
        for (int n = 1; n <= kWrites; ++n) {
          TRegistry registry;
          if (!registry.OpenKey(kKey + std::string("\\Writer") + std::to_string(w), true)) _exit(3);
          registry.WriteInteger("Progress", n);
          registry.OpenKey("\\" + std::string(kKey), false);
          registry.WriteString("LastOpened", "/writer-" + std::to_string(w));
        }
      } catch (const ERegistryException&) {
        _exit(4);
      }
      _exit(0);
    }
    writers.push_back(child);
  }
  close(start[0]);
  close(start[1]);
  for (pid_t child : writers) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  }
  TRegistry registry;
  for (int w = 0; w < kWriters; ++w) {
    ASSERT_TRUE(registry.OpenKey("\\" + std::string(kKey) + "\\Writer" + std::to_string(w), false));
    EXPECT_EQ(registry.ReadInteger("Progress"), kWrites);
  }
  ASSERT_TRUE(registry.OpenKey("\\" + std::string(kKey), false));
  const std::string last = registry.ReadString("LastOpened");
  EXPECT_TRUE(last == "/writer-0" || last == "/writer-1") << last;
}

}  // namespace

namespace {

TEST(StorePathTest, FollowsTheConfigHomeAndFallsBackToTheHomeFolder) {
  const struct {
    std::optional<std::string> configHome;
    std::optional<std::string> home;
    std::string expected;
  } cases[] = {
      {"/cfg", "/home/ada", "/cfg/lumpforge/registry.db"},
      {"relative/cfg", "/home/ada", "/home/ada/.config/lumpforge/registry.db"},
      {"", "/home/ada", "/home/ada/.config/lumpforge/registry.db"},
      {std::nullopt, "/home/ada", "/home/ada/.config/lumpforge/registry.db"},
  };
  for (const auto& c : cases) {
    platform_test::ScopedEnv config("XDG_CONFIG_HOME", c.configHome);
    platform_test::ScopedEnv home("HOME", c.home);
    EXPECT_EQ(platform::store::StorePath(), std::filesystem::path(c.expected));
  }
}

TEST_F(StoreTest, TheStoreFolderIsPrivateToTheUser) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  const auto mode = std::filesystem::status(config.storeFolder()).permissions();
  EXPECT_EQ(mode & std::filesystem::perms::all, std::filesystem::perms::owner_all);
}

// Another program holds the store's write lock: reads go on, a write waits for the busy
// timeout and then fails without harm, and once the lock is gone writes work again.
TEST_F(StoreTest, AWriteBlockedByAnotherProgramFailsCleanly) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("LastOpened", "/before");

  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(config.storeFile().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  platform::store::SetBusyTimeout(50);
  EXPECT_EQ(registry.ReadString("LastOpened"), "/before");
  EXPECT_THROW(registry.WriteString("LastOpened", "/blocked"), ERegistryException);
  EXPECT_FALSE(TRegistry().OpenKey("SOFTWARE\\Elsewhere", true));
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  platform::store::SetBusyTimeout(platform::store::kDefaultBusyTimeoutMs);

  EXPECT_EQ(registry.ReadString("LastOpened"), "/before");
  registry.WriteString("LastOpened", "/after");
  EXPECT_EQ(registry.ReadString("LastOpened"), "/after");
}

}  // namespace
