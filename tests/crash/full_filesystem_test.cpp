// A compile into a filesystem with no room for gfx.wad reports "Could not write
// gfx.wad." and leaves the old file and nothing else. Needs a small tmpfs of its own:
// the test mounts one in a private mount namespace, and is skipped where it cannot.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "process.h"
#include "wad_fixtures.h"

namespace lumpforge {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

// Fills the filesystem holding folder, then frees `room` bytes of it again.
void FillLeaving(const fs::path& folder, off_t room) {
  int fd = open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  std::vector<char> block(4096, 'f');
  off_t written = 0;
  for (;;) {
    ssize_t done = write(fd, block.data(), block.size());
    if (done <= 0) break;
    written += done;
  }
  ASSERT_EQ(ftruncate(fd, written > room ? written - room : 0), 0);
  fsync(fd);
  close(fd);
}

TEST(FullFilesystemTest, ACompileWithoutRoomKeepsTheOldFile) {
  if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0) {
    GTEST_SKIP() << "cannot make a private mount namespace to mount a small tmpfs (needs root): " << std::strerror(errno);
  }
  // Mounts made here stay out of the rest of the system and vanish with this process.
  ASSERT_EQ(mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr), 0) << std::strerror(errno);

  testing::TempFolder mountPoint;
  if (mount("tmpfs", mountPoint.str().c_str(), "tmpfs", 0, "size=512k") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
  }
  struct Unmount {
    std::string path;
    ~Unmount() { umount2(path.c_str(), MNT_DETACH); }
  } unmount{mountPoint.str()};

  // An old gfx.wad of 8 x 8 bitmaps; the new inputs (16 x 16) make a larger file.
  for (off_t room : {off_t{0}, off_t{8192}}) {
    SCOPED_TRACE(room);
    const fs::path folder = mountPoint / ("set-" + std::to_string(room));
    fs::create_directory(folder);
    testing::WriteInputSet(folder, 8, 8);
    const Bytes old = testing::CompileFolder(folder);
    testing::WriteInputSet(folder, 16, 16);
    FillLeaving(mountPoint.path(), room);

    std::string err;
    int status = testing::RunProcess(LUMPFORGE_CLI, {"compile", folder.string()}, &err);
    EXPECT_EQ(status, 3);
    EXPECT_EQ(err, "Could not write gfx.wad.\n");
    EXPECT_EQ(testing::ReadFile(folder / "gfx.wad"), old);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    EXPECT_EQ(names.size(), 10u) << "only the nine inputs and gfx.wad";
    fs::remove(mountPoint / "filler");
  }
}

}  // namespace
}  // namespace lumpforge
