// A compile killed (SIGKILL) at any moment leaves gfx.wad as it was or complete and new,
// byte for byte; the temporary file a killed compile leaves is gone after the next one.
#include <gtest/gtest.h>
#include <signal.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "process.h"
#include "wad_fixtures.h"

namespace lumpforge {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

int Temporaries(const fs::path& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().rfind(".gfx.wad.lumpforge-tmp-", 0) == 0) ++count;
  }
  return count;
}

// Two versions of conchars.txt (different header numbers), so that each compile's new
// file differs from the one it replaces.
std::string Metrics(int variant) {
  return testing::MetricsFile(8 + variant, 16, 217, [](int line) { return "c " + std::to_string(line) + " 0 8"; });
}

TEST(CompileKillTest, AKilledCompileLeavesTheOldFileOrTheCompleteNewOne) {
  testing::TempFolder folder;
  // The largest input set, so that a compile spends as long as it can writing.
  testing::WriteInputSet(folder.path(), 256, 256);
  Bytes wads[2];
  for (int variant : {0, 1}) {
    testing::WriteText(folder / "conchars.txt", Metrics(variant));
    testing::TempFolder copy;
    for (const auto& entry : fs::directory_iterator(folder.path())) fs::copy_file(entry.path(), copy / entry.path().filename().string());
    wads[variant] = testing::CompileFolder(copy.path());
  }
  ASSERT_NE(wads[0], wads[1]);

  const fs::path wadPath = folder / "gfx.wad";
  const std::vector<std::string> args{"compile", folder.str()};
  // How long one whole compile takes here, to spread the kills over its life.
  std::string err;
  auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(testing::RunProcess(LUMPFORGE_CLI, args, &err), 0) << err;
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  ASSERT_EQ(testing::ReadFile(wadPath), wads[1]);

  std::mt19937 random(20261211);
  std::uniform_int_distribution<long> delay(0, std::max<long>(1000, static_cast<long>(whole.count() * 3 / 2)));
  int current = 1;  // which version gfx.wad holds
  int keptOld = 0, becameNew = 0;
  for (int round = 0; round < 300; ++round) {
    const int next = 1 - current;
    testing::WriteText(folder / "conchars.txt", Metrics(next));
    pid_t child = testing::StartProcess(LUMPFORGE_CLI, args);
    const long micros = delay(random);
    const timespec pause{0, micros * 1000};
    nanosleep(&pause, nullptr);
    kill(child, SIGKILL);
    testing::WaitProcess(child);

    const Bytes now = testing::ReadFile(wadPath);
    if (now == wads[next]) {
      current = next;
      ++becameNew;
    } else {
      ASSERT_EQ(now, wads[current]) << "round " << round << ": gfx.wad is neither the old nor the new file (" << now.size()
                                    << " bytes) after a kill at " << micros << " us";
      ++keptOld;
    }
    ASSERT_LE(Temporaries(folder.path()), 1) << "round " << round;

    if (round % 25 == 24) {
      // The next successful compile clears whatever temporary the killed ones left.
      ASSERT_EQ(testing::RunProcess(LUMPFORGE_CLI, args, &err), 0) << err;
      current = next;
      ASSERT_EQ(testing::ReadFile(wadPath), wads[current]);
      ASSERT_EQ(Temporaries(folder.path()), 0) << "round " << round;
    }
  }
  std::cout << "300 kills: gfx.wad kept the old file " << keptOld << " times, was complete and new " << becameNew
            << " times\n";
  RecordProperty("kept_old", keptOld);
  RecordProperty("became_new", becameNew);
}

}  // namespace
}  // namespace lumpforge
