// A settings-store writer killed (SIGKILL) at random moments, hundreds of times: the store
// always opens, "LastOpened" reads as the last value written or the one being written,
// never anything else, and the next write goes through.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

#include "fixtures.h"
#include "registry.h"

namespace {

constexpr const char* kKey = "SOFTWARE\\Quillmere\\Lumpforge";

std::string FolderValue(int n) { return "/home/ada/projects/set-" + std::to_string(n) + "/" + std::string(n % 200, 'q'); }

TEST(StoreKillTest, AWriterKilledAtRandomMomentsLeavesTheOldOrTheNewValue) {
  lumpforge::testing::TempFolder config;
  setenv("XDG_CONFIG_HOME", config.str().c_str(), 1);
  {
    platform::TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    registry.WriteString("LastOpened", FolderValue(0));
  }
  std::mt19937 random(1211);
  std::uniform_int_distribution<long> delay(0, 6000);
  int last = 0;  // the value the store holds
  int killedMidWrite = 0;
  for (int round = 0; round < 250; ++round) {
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    const int first = last + 1;
    pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      close(progress[0]);
      platform::TRegistry registry;
      if (!registry.OpenKey(kKey, true)) _exit(1);
      for (int n = first;; ++n) {
        // Announce the value about to be written, then confirm it once written.
        if (write(progress[1], &n, sizeof n) != sizeof n) _exit(1);
        registry.WriteString("LastOpened", FolderValue(n));
        int done = -n;
        if (write(progress[1], &done, sizeof done) != sizeof done) _exit(1);
      }
    }
    close(progress[1]);
    const timespec pause{0, delay(random) * 1000};
    nanosleep(&pause, nullptr);
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    int committed = last, started = last;
    for (int message = 0; read(progress[0], &message, sizeof message) == static_cast<ssize_t>(sizeof message);) {
      if (message > 0) started = message;
      else committed = -message;
    }
    close(progress[0]);

    platform::TRegistry reader;
    ASSERT_TRUE(reader.OpenKey(kKey, false)) << "round " << round << ": the store no longer opens";
    std::string value;
    ASSERT_NO_THROW(value = reader.ReadString("LastOpened")) << "round " << round;
    if (value == FolderValue(started) && started != committed) {
      ++killedMidWrite;  // the write under way when the kill came had reached the disk
      last = started;
    } else {
      ASSERT_EQ(value, FolderValue(committed)) << "round " << round << ": neither the old nor the new value";
      last = committed;
    }
    // The store takes the next write as usual.
    ++last;
    ASSERT_NO_THROW(reader.WriteString("LastOpened", FolderValue(last))) << "round " << round;
    ASSERT_EQ(reader.ReadString("LastOpened"), FolderValue(last));
  }
  std::cout << "250 kills; " << killedMidWrite << " came after a write had reached the store but before it was confirmed\n";
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
