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
  if (!S_ISREG(info.st_mode)) return false;
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) return false;
  size_ = static_cast<std::uint64_t>(info.st_size);
  return true;
}

void InputFile::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  size_ = 0;
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
  bytes.resize(static_cast<std::size_t>(size_));
  return ReadAt(0, bytes.data(), bytes.size()) == bytes.size();
}

}  // namespace lumpforge
