#include "drives.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <system_error>
#include <utility>

namespace vcl {
namespace {

// Filesystems that hold no files of the user's: kernel views, memory, containers' plumbing.
const std::set<std::string, std::less<>> kPseudoTypes = {
    "autofs",   "binfmt_misc", "bpf",        "cgroup",   "cgroup2",   "configfs",
    "debugfs",  "devpts",      "devtmpfs",   "efivarfs", "fusectl",   "fuse.gvfsd-fuse",
    "fuse.lxcfs", "fuse.portal", "fuse.snapfuse", "hugetlbfs", "mqueue", "nsfs",
    "proc",     "pstore",      "ramfs",      "rpc_pipefs", "securityfs", "selinuxfs",
    "sysfs",    "tmpfs",       "tracefs",    "nfsd",     "sunrpc"};

// Mount table fields escape blanks, tabs, new lines and backslashes as \ooo.
std::string Unescape(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string_view digits = field.substr(i + 1, 3);
      if (digits.size() == 3 && std::all_of(digits.begin(), digits.end(),
                                            [](char c) { return c >= '0' && c <= '7'; })) {
        out.push_back(static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                        (digits[2] - '0')));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

struct Mount {
  std::string device;  // major:minor
  std::string root;
  std::string point;
  std::string type;
  std::string source;
};

bool ParseLine(const std::string& line, Mount& mount) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  std::string field;
  while (in >> field) fields.push_back(field);
  const auto dash = std::find(fields.begin(), fields.end(), "-");
  if (fields.size() < 7 || dash == fields.end() || dash - fields.begin() < 6 ||
      fields.end() - dash < 3)
    return false;
  mount.device = fields[2];
  mount.root = Unescape(fields[3]);
  mount.point = Unescape(fields[4]);
  mount.type = dash[1];
  mount.source = Unescape(dash[2]);
  return true;
}

std::string NameOf(const Mount& mount, const std::function<std::string(const std::string&)>& labelOf) {
  if (mount.source.rfind("/dev/", 0) == 0) {
    std::string label = labelOf ? labelOf(mount.source) : std::string();
    if (!label.empty()) return label;
    return mount.source.substr(mount.source.find_last_of('/') + 1);
  }
  if (mount.source.empty() || mount.source == "none") return mount.type;
  return mount.source;
}

// Labels as udev lists them: /dev/disk/by-label/<label with \xHH escapes> -> device.
std::string LiveLabelOf(const std::string& device) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path target = fs::canonical(device, error);
  if (error) return {};
  for (fs::directory_iterator it("/dev/disk/by-label", error), end; !error && it != end;
       it.increment(error)) {
    std::error_code linkError;
    if (fs::canonical(it->path(), linkError) != target || linkError) continue;
    const std::string raw = it->path().filename().string();
    std::string label;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x') {
        label.push_back(static_cast<char>(std::stoi(raw.substr(i + 2, 2), nullptr, 16)));
        i += 3;
      } else {
        label.push_back(raw[i]);
      }
    }
    return label;
  }
  return {};
}

std::function<std::vector<DriveEntry>()>& Provider() {
  static std::function<std::vector<DriveEntry>()> provider;
  return provider;
}

}  // namespace

std::vector<DriveEntry> DrivesFromMountInfo(
    std::string_view mountInfo, const std::function<std::string(const std::string&)>& labelOf) {
  // A later mount on the same point hides the earlier one.
  std::vector<Mount> mounts;
  std::istringstream in{std::string(mountInfo)};
  for (std::string line; std::getline(in, line);) {
    Mount mount;
    if (!ParseLine(line, mount)) continue;
    mounts.erase(std::remove_if(mounts.begin(), mounts.end(),
                                [&](const Mount& m) { return m.point == mount.point; }),
                 mounts.end());
    mounts.push_back(std::move(mount));
  }

  std::vector<DriveEntry> drives;
  std::set<std::string> devices;
  for (const Mount& mount : mounts) {
    const bool systemRoot = mount.point == "/";
    if (!systemRoot) {
      if (kPseudoTypes.count(mount.type)) continue;
      if (mount.source.rfind("/dev/loop", 0) == 0) continue;
      // A bind mount shows part of a filesystem again; btrfs subvolumes are whole trees.
      if (mount.root != "/" && mount.type != "btrfs") continue;
      if (devices.count(mount.device)) continue;
    }
    devices.insert(mount.device);
    drives.push_back({mount.point + " " + NameOf(mount, labelOf), mount.point});
  }
  std::stable_sort(drives.begin(), drives.end(),
                   [](const DriveEntry& a, const DriveEntry& b) { return a.root < b.root; });
  return drives;
}

std::vector<DriveEntry> CurrentDrives() {
  if (Provider()) return Provider()();
  std::ifstream in("/proc/self/mountinfo");
  std::stringstream text;
  text << in.rdbuf();
  auto drives = DrivesFromMountInfo(text.str(), LiveLabelOf);
  if (drives.empty()) drives.push_back({"/ root", "/"});
  return drives;
}

void SetDriveListProvider(std::function<std::vector<DriveEntry>()> provider) {
  Provider() = std::move(provider);
}

std::string RootHolding(const std::vector<std::string>& roots, const std::string& path) {
  if (path.empty() || path[0] != '/') return {};
  std::string best;
  for (const std::string& root : roots) {
    if (root.empty() || root[0] != '/') continue;
    const std::string trimmed = root.size() > 1 && root.back() == '/' ? root.substr(0, root.size() - 1) : root;
    const bool holds = trimmed == "/" || path == trimmed ||
                       (path.size() > trimmed.size() && path.compare(0, trimmed.size(), trimmed) == 0 &&
                        path[trimmed.size()] == '/');
    if (holds && (best.empty() || trimmed.size() > best.size())) best = trimmed;
  }
  return best;
}

}  // namespace vcl
