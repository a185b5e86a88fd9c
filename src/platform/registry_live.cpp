#include "registry_live.h"

#include <utility>

#include "desktop_facts.h"
#include "program_search.h"

namespace platform {
namespace {

ProgramLocator& Locator() {
  static ProgramLocator locator;
  return locator;
}

bool OpenerIsInstalled() {
  if (Locator()) return Locator()("xdg-open");
  return FindProgramOnPath("xdg-open").has_value();
}

struct LiveKey {
  LiveKey(const std::string& path, std::vector<RegistryValue> values)
      : path(SplitKeyPath(path)), folded(SplitKeyPath(FoldName(path))),
        values(std::move(values)) {}
  std::vector<std::string> path;    // as written here
  std::vector<std::string> folded;  // as compared
  std::vector<RegistryValue> values;
};

// The live keys of a root as they stand right now. Their ancestors exist too but hold nothing.
std::vector<LiveKey> LiveKeys(HKEY root) {
  std::vector<LiveKey> keys;
  if (root == HKEY_LOCAL_MACHINE) {
    const DesktopFacts facts = CurrentDesktopFacts();
    keys = {
      {"SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts",
       {IntegerValue("LogPixels", facts.logicalDpi)}},
      {"HARDWARE\\DEVICEMAP\\VIDEO",
       {StringValue("\\Device\\Video0", kVideoDeviceText)}},
      // The driver key the video device names: everything after "Services\" in its text,
      // under the current hardware profile's services.
      {"SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet"
       "\\Services\\lumpforge-display\\Device0",
       {IntegerValue("DefaultSettings.BitsPerPel", facts.colourDepth)}},
    };
  }
  // Web pages are associated only when there is a desktop opener to hand them to; without
  // one nothing is registered, as on a machine with no browser.
  if (root == HKEY_CLASSES_ROOT && OpenerIsInstalled()) {
    keys.emplace_back(".htm", std::vector{StringValue("", kWebPageClass)});
    keys.emplace_back(".html", std::vector{StringValue("", kWebPageClass)});
    keys.emplace_back(std::string(kWebPageClass) + "\\shell\\open\\command",
                      std::vector{StringValue("", kOpenerCommand)});
  }
  return keys;
}

bool StartsWith(const std::vector<std::string>& path, const std::vector<std::string>& prefix) {
  if (prefix.size() > path.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (path[i] != prefix[i]) return false;
  return true;
}

}  // namespace

void SetProgramLocator(ProgramLocator locator) { Locator() = std::move(locator); }

namespace live {

bool KeyExists(HKEY root, const std::vector<std::string>& path) {
  for (const LiveKey& key : LiveKeys(root))
    if (StartsWith(key.folded, path)) return true;
  return false;
}

bool IsLiveKey(HKEY root, const std::vector<std::string>& path) {
  return !path.empty() && KeyExists(root, path);
}

std::optional<RegistryValue> FindValue(HKEY root, const std::vector<std::string>& path,
                                       const std::string& foldedName) {
  for (const LiveKey& key : LiveKeys(root)) {
    if (key.folded != path) continue;
    for (const RegistryValue& value : key.values)
      if (FoldName(value.name) == foldedName) return value;
  }
  return std::nullopt;
}

std::vector<std::string> SubKeyNames(HKEY root, const std::vector<std::string>& path) {
  std::vector<std::string> names;
  for (const LiveKey& key : LiveKeys(root)) {
    if (key.folded.size() <= path.size() || !StartsWith(key.folded, path))
      continue;
    const std::string& name = key.path[path.size()];
    bool known = false;
    for (const std::string& existing : names) known = known || FoldName(existing) == FoldName(name);
    if (!known) names.push_back(name);
  }
  return names;
}

std::vector<RegistryValue> Values(HKEY root, const std::vector<std::string>& path) {
  for (const LiveKey& key : LiveKeys(root))
    if (key.folded == path) return key.values;
  return {};
}

}  // namespace live
}  // namespace platform
