#include "first_run_samples.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace lumpforge {
namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  const passwd* entry = getpwuid(getuid());
  if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') return entry->pw_dir;
  return {};
}

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool CopyInputs(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (!fs::create_directory(to, error)) return false;
  for (const fs::directory_entry& entry : fs::directory_iterator(from, error)) {
    if (!entry.is_regular_file(error)) continue;
    if (entry.path().filename() == "gfx.wad") continue;
    const fs::path copy = to / entry.path().filename();
    if (!fs::copy_file(entry.path(), copy, error)) return false;
    // The copy is the user's to edit, whatever the installed file allowed.
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    if (error) return false;
  }
  return !error;
}

}  // namespace

std::string UserSamplesFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] == '/') return (fs::path(dataHome) / "lumpforge" / "samples").string();
  const std::string home = HomeFolder();
  if (home.empty()) return {};
  return (fs::path(home) / ".local" / "share" / "lumpforge" / "samples").string();
}

std::string BundledSamplesFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    const fs::path installed = program.parent_path().parent_path() / "share" / "lumpforge" / "samples";
    if (IsFolder(installed)) return installed.string();
  }
#ifdef LUMPFORGE_SOURCE_SAMPLES_DIR
  if (IsFolder(LUMPFORGE_SOURCE_SAMPLES_DIR)) return LUMPFORGE_SOURCE_SAMPLES_DIR;
#endif
  return {};
}

std::string ProvideUserSamples(const std::string& bundled, const std::string& target) {
  if (target.empty()) return {};
  const fs::path targetPath(target);
  std::error_code error;
  if (fs::exists(fs::symlink_status(targetPath, error))) return IsFolder(targetPath) ? target : std::string();
  if (bundled.empty() || !IsFolder(bundled)) return {};

  fs::create_directories(targetPath.parent_path(), error);
  const fs::path partial =
      targetPath.parent_path() / (targetPath.filename().string() + ".partial-" + std::to_string(getpid()));
  fs::remove_all(partial, error);
  if (CopyInputs(bundled, partial)) {
    // Another start may have made the copy meanwhile: then its copy stands and ours goes.
    fs::rename(partial, targetPath, error);
  }
  fs::remove_all(partial, error);
  return IsFolder(targetPath) ? target : std::string();
}

std::string ProvideUserSamples() { return ProvideUserSamples(BundledSamplesFolder(), UserSamplesFolder()); }

}  // namespace lumpforge
