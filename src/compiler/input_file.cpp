#include "input_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lumpforge {
namespace {

bool SameIgnoringAsciiCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    unsigned char x = static_cast<unsigned char>(*a);
    unsigned char y = static_cast<unsigned char>(*b);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return *a == *b;
}

// The one entry of folder whose name equals name ignoring ASCII case; empty when there
// is none or more than one.
std::string FindCaseVariant(const std::string& folder, const char* name) {
  DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
  if (!dir) return {};
  std::string found;
  int matches = 0;
  while (dirent* entry = readdir(dir)) {
    if (SameIgnoringAsciiCase(entry->d_name, name)) {
      found = entry->d_name;
      ++matches;
    }
  }
  closedir(dir);
  return matches == 1 ? found : std::string();
}

}  // namespace

std::string ResolveInputPath(const std::string& folder, const char* literal) {
  std::string exact = folder + literal;
  struct stat info;
  if (lstat(exact.c_str(), &info) == 0) return exact;
  if (errno != ENOENT) return {};
  std::string variant = FindCaseVariant(folder, literal + 1);
  if (variant.empty()) return {};
  return folder + "/" + variant;
}

InputFile::~InputFile() { Close(); }

bool InputFile::Open(const std::string& folder, const char* literal) {
  Close();
  std::string path = folder + literal;
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    if (errno != ENOENT) return false;
    path = ResolveInputPath(folder, literal);
    if (path.empty() || stat(path.c_str(), &info) != 0) return false;
  }
  if (!S_ISREG(info.st_mode) || !OpenPath(path)) return false;
  size_ = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool InputFile::OpenKnown(const std::string& folder, const char* literal, std::uint64_t size) {
  Close();
  if (!OpenPath(folder + literal)) {
    std::string variant = ResolveInputPath(folder, literal);
    if (variant.empty() || variant == folder + literal || !OpenPath(variant)) return false;
  }
  size_ = size;
  sizeKnownOnly_ = true;
  return true;
}

bool InputFile::OpenPath(const std::string& path) {
  // Non-blocking, so that a FIFO put in place of a checked file cannot stall the compile.
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  return fd_ >= 0;
}

void InputFile::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  size_ = 0;
  sizeKnownOnly_ = false;
}

std::uint64_t InputFile::CurrentSize() const {
  struct stat info;
  if (fd_ < 0 || fstat(fd_, &info) != 0) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::size_t InputFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
  if (fd_ < 0) return 0;
  auto* out = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t got = pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

bool InputFile::ReadAll(std::vector<std::uint8_t>& bytes) {
  // One byte more than expected tells a file that grew from one that did not.
  const std::size_t expected = static_cast<std::size_t>(size_);
  bytes.resize(expected + (sizeKnownOnly_ ? 1 : 0));
  std::size_t got = 0;
  while (got < expected) {
    ssize_t done = pread(fd_, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) break;
    got += static_cast<std::size_t>(done);
  }
  bytes.resize(expected);
  return got == expected;
}

}  // namespace lumpforge
