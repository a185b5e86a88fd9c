// The "drives" of this desktop: the mounted real filesystems. Pseudo filesystems (proc,
// sysfs, tmpfs, cgroup, ...), loop devices (snaps, images) and second mounts of a device
// already listed (bind mounts) are left out. Each entry shows its mount root followed by
// a blank and a name (the filesystem's label when it has one, else the device's name).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vcl {

struct DriveEntry {
  std::string text;  // what the drive list shows
  std::string root;  // the mount root, an absolute path
};

// The drives from the text of /proc/self/mountinfo; `labelOf` names a device's label
// (empty when it has none).
std::vector<DriveEntry> DrivesFromMountInfo(
    std::string_view mountInfo, const std::function<std::string(const std::string& device)>& labelOf);

// The live desktop's drives, or what a provider set for tests returns.
std::vector<DriveEntry> CurrentDrives();
// Tests: replace the live list (an empty function restores it).
void SetDriveListProvider(std::function<std::vector<DriveEntry>()> provider);

// The root among `roots` that holds `path` (the longest one that is a whole-component
// prefix of it); empty when none does or the path is not absolute.
std::string RootHolding(const std::vector<std::string>& roots, const std::string& path);

}  // namespace vcl
