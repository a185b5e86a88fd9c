#include "program_search.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

std::string SearchPath() {
  if (const char* path = std::getenv("PATH")) return path;
  std::string fallback(256, '\0');
  size_t needed = confstr(_CS_PATH, fallback.data(), fallback.size());
  if (needed == 0) return "/usr/local/bin:/usr/bin:/bin";
  if (needed > fallback.size()) {
    fallback.resize(needed);
    confstr(_CS_PATH, fallback.data(), fallback.size());
  }
  fallback.resize(needed - 1);
  return fallback;
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> FindProgramOnPath(const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  const std::string path = SearchPath();
  std::string_view rest = path;
  while (true) {
    size_t colon = rest.find(':');
    std::string_view folder = rest.substr(0, colon);
    if (!folder.empty() && folder.front() == '/') {
      std::string candidate(folder);
      if (candidate.back() != '/') candidate += '/';
      candidate += name;
      if (IsExecutableFile(candidate)) return candidate;
    }
    if (colon == std::string_view::npos) break;
    rest.remove_prefix(colon + 1);
  }
  return std::nullopt;
}

}  // namespace platform
