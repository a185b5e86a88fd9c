#include "atomic_output_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

namespace lumpforge {
namespace {

// Temporary names carry the writing process's id: ".gfx.wad.lumpforge-tmp-<pid>-<random>".
std::string MakeTemporaryName(const std::string& prefix) {
  static std::mt19937_64 random{std::random_device{}()};
  return prefix + std::to_string(getpid()) + "-" + std::to_string(random() % 1000000000u);
}

// A temporary file of ours whose writer is gone (killed mid-compile) is removed; one
// whose writer still runs is left to it.
void RemoveStaleTemporaries(DIR* dir, const std::string& prefix) {
  const int dirFd = dirfd(dir);
  while (dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0) continue;
    char* end = nullptr;
    long pid = std::strtol(name + prefix.size(), &end, 10);
    if (end == name + prefix.size() || *end != '-' || pid <= 0) continue;
    if (pid == getpid()) continue;
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) unlinkat(dirFd, name, 0);
  }
}

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count) {
  while (count > 0) {
    ssize_t done = write(fd, bytes, count);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes += done;
    count -= static_cast<std::size_t>(done);
  }
  return true;
}

}  // namespace

std::string TemporaryPrefix(const std::string& name) { return "." + name + ".lumpforge-tmp-"; }

AtomicOutputFile::~AtomicOutputFile() { Abandon(); }

bool AtomicOutputFile::Create(const std::string& finalPath) {
  Abandon();
  std::string::size_type slash = finalPath.rfind('/');
  std::string folder = slash == std::string::npos ? "." : finalPath.substr(0, slash);
  if (folder.empty()) folder = "/";
  finalName_ = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
  if (finalName_.empty()) return false;

  dir_ = opendir(folder.c_str());
  if (!dir_) return false;
  dirFd_ = dirfd(dir_);
  std::string prefix = TemporaryPrefix(finalName_);
  RemoveStaleTemporaries(dir_, prefix);
  for (int attempt = 0; attempt < 16 && tempFd_ < 0; ++attempt) {
    tempName_ = MakeTemporaryName(prefix);
    // 0666 before the umask: the permissions any newly created file would get.
    tempFd_ = openat(dirFd_, tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (tempFd_ < 0 && errno != EEXIST) break;
  }
  if (tempFd_ < 0) {
    Reset();
    return false;
  }
  bytes_.reserve(512 * 1024);
  return true;
}

void AtomicOutputFile::Write(const void* bytes, std::size_t count) {
  if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
  std::memcpy(bytes_.data() + position_, bytes, count);
  position_ += count;
}

void AtomicOutputFile::Write32(std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                 static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  Write(bytes, 4);
}

void AtomicOutputFile::Write16(std::uint16_t value) {
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
  Write(bytes, 2);
}

void AtomicOutputFile::WriteZeros(std::size_t count) {
  if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
  std::memset(bytes_.data() + position_, 0, count);
  position_ += count;
}

bool AtomicOutputFile::Commit() {
  if (tempFd_ < 0) return false;
  bool ok = WriteAll(tempFd_, bytes_.data(), bytes_.size()) && fsync(tempFd_) == 0;
  ok = (close(tempFd_) == 0) && ok;
  tempFd_ = -1;
  if (ok) ok = renameat(dirFd_, tempName_.c_str(), dirFd_, finalName_.c_str()) == 0;
  if (!ok) {
    unlinkat(dirFd_, tempName_.c_str(), 0);
    Reset();
    return false;
  }
  // The rename is durable once the folder itself is flushed.
  fsync(dirFd_);
  tempName_.clear();
  Reset();
  return true;
}

void AtomicOutputFile::Abandon() {
  if (tempFd_ >= 0) {
    close(tempFd_);
    tempFd_ = -1;
    unlinkat(dirFd_, tempName_.c_str(), 0);
  }
  Reset();
}

void AtomicOutputFile::Reset() {
  if (dir_) closedir(dir_);
  dir_ = nullptr;
  dirFd_ = -1;
  tempFd_ = -1;
  tempName_.clear();
  bytes_.clear();
  position_ = 0;
}

}  // namespace lumpforge
