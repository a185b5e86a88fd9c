// lumpforge-cli extract FILE [FOLDER] [--force]: writes the nine input files that compile
// back into FILE byte for byte.
//
// Nothing is half done: all nine files are first written under temporary names in FOLDER
// and flushed, and only then renamed into place. Existing files are never replaced
// without --force, and the check covers all nine before anything is written.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "commands.h"
#include "wad_file.h"

namespace lumpforge::cli {
namespace {

constexpr const char* kExtractUsage = "Usage: lumpforge-cli extract FILE [FOLDER] [--force]\n";

int Usage(std::ostream& err, const std::string& what) {
  err << "lumpforge-cli extract: " << what << "\n" << kExtractUsage;
  return kExitUsage;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      if (wrote == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// Renames without replacing an existing file; false with EEXIST when one is there.
bool RenameNoReplace(int dirFd, const std::string& from, const std::string& to) {
  if (renameat2(dirFd, from.c_str(), dirFd, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // Filesystems without that flag: a hard link fails just the same when the name exists.
  if (linkat(dirFd, from.c_str(), dirFd, to.c_str(), 0) != 0) return false;
  unlinkat(dirFd, from.c_str(), 0);
  return true;
}

class Staging {
 public:
  explicit Staging(int dirFd) : dirFd_(dirFd) {}
  ~Staging() {
    for (const std::string& name : temporaries_) {
      if (!name.empty()) unlinkat(dirFd_, name.c_str(), 0);
    }
  }

  // Writes bytes under a fresh temporary name beside finalName and flushes them.
  bool Stage(const std::string& finalName, const std::vector<std::uint8_t>& bytes) {
    static std::mt19937_64 random{std::random_device{}()};
    int fd = -1;
    std::string name;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
      name = "." + finalName + ".lumpforge-extract-" + std::to_string(getpid()) + "-" + std::to_string(random() % 1000000000u);
      // 0666 before the umask: the permissions any newly created file would get.
      fd = openat(dirFd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return false;
    temporaries_.push_back(name);
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    int saved = errno;
    ok = close(fd) == 0 && ok;
    if (!ok && saved != 0) errno = saved;
    return ok;
  }

  // Renames the i-th staged file to finalName.
  bool Commit(std::size_t i, const std::string& finalName, bool replace) {
    const std::string& from = temporaries_[i];
    bool ok = replace ? renameat(dirFd_, from.c_str(), dirFd_, finalName.c_str()) == 0
                      : RenameNoReplace(dirFd_, from, finalName);
    if (ok) temporaries_[i].clear();
    return ok;
  }

 private:
  int dirFd_;
  std::vector<std::string> temporaries_;
};

}  // namespace

int RunExtract(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  bool force = false;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && (arg == "-h" || arg == "--help")) {
      out << kExtractUsage
          << "Writes the nine input files that compile back into FILE byte for byte into FOLDER\n"
             "(default: the current folder; created when missing). Existing files are left alone\n"
             "unless --force is given.\n";
      return kExitOk;
    }
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "-f" || arg == "--force")) {
      force = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return Usage(err, "unknown option '" + arg + "'");
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty()) return Usage(err, "no file given");
  if (positional.size() > 2) return Usage(err, "too many arguments");
  const std::string& path = positional[0];
  const std::string folder = positional.size() == 2 ? positional[1] : ".";
  if (path.empty() || folder.empty()) return Usage(err, "empty file or folder name");

  std::vector<std::uint8_t> contents;
  std::string error;
  std::optional<WadFile> wad = ReadWadFile(path, contents, error);
  if (!wad) {
    err << "lumpforge-cli extract: cannot read " << path << ": " << error << "\n";
    return kExitRefused;
  }
  if (!wad->Holds()) {
    err << "lumpforge-cli extract: " << path << " is not a finished gfx.wad: " << wad->problem << "\n";
    return kExitRefused;
  }
  std::vector<RebuiltInput> inputs;
  if (!RebuildInputs(*wad, contents, inputs, error)) {
    err << "lumpforge-cli extract: " << path << " cannot be rebuilt from inputs the compiler accepts: " << error << "\n";
    return kExitRefused;
  }

  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) {
    err << "lumpforge-cli extract: cannot use folder " << folder << ": "
        << (ec ? ec.message() : std::string(std::strerror(errno))) << "\n";
    return kExitWriteFailed;
  }

  if (!force) {
    std::string present;
    for (const RebuiltInput& input : inputs) {
      struct stat info {};
      if (fstatat(dirFd, input.fileName.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        present += (present.empty() ? "" : ", ") + input.fileName;
      }
    }
    if (!present.empty()) {
      close(dirFd);
      err << "lumpforge-cli extract: " << folder << " already holds " << present
          << "; nothing written (use --force to replace them)\n";
      return kExitRefused;
    }
  }

  int status = kExitOk;
  {
    Staging staging(dirFd);
    for (const RebuiltInput& input : inputs) {
      if (!staging.Stage(input.fileName, input.bytes)) {
        const int cause = errno;
        err << "lumpforge-cli extract: could not write " << input.fileName << " in " << folder << ": "
            << std::strerror(cause) << "; nothing written\n";
        status = kExitWriteFailed;
        break;
      }
    }
    for (std::size_t i = 0; status == kExitOk && i < inputs.size(); ++i) {
      if (!staging.Commit(i, inputs[i].fileName, force)) {
        const int cause = errno;
        err << "lumpforge-cli extract: could not put " << inputs[i].fileName << " in " << folder << ": "
            << std::strerror(cause) << "\n";
        status = cause == EEXIST ? kExitRefused : kExitWriteFailed;
      }
    }
  }
  if (status == kExitOk) fsync(dirFd);
  close(dirFd);
  if (status == kExitOk) out << "extracted " << inputs.size() << " files from " << path << " into " << folder << "\n";
  return status;
}

}  // namespace lumpforge::cli
