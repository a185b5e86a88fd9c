// The registry values that describe the live desktop rather than anything stored: the
// logical pixels per inch, the first video device and its colour depth (HKEY_LOCAL_MACHINE)
// and the web page association with its open command (HKEY_CLASSES_ROOT). They are read
// only; the facts come from desktop_facts.h and the opener from a PATH lookup that tests
// may replace.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "registry.h"
#include "registry_value.h"

namespace platform {

// Answers whether a program of that name can be found on PATH.
using ProgramLocator = std::function<bool(const std::string& name)>;
// Replaces the PATH lookup behind the web page association; an empty function restores
// the real one (program_search.h).
void SetProgramLocator(ProgramLocator locator);

inline constexpr const char* kVideoDeviceText =
    "\\Registry\\Machine\\System\\CurrentControlSet\\Services\\lumpforge-display\\Device0";
inline constexpr const char* kWebPageClass = "lumpforge.html";
inline constexpr const char* kOpenerCommand = "xdg-open %1";

namespace live {

// `path` is a key below `root`, as folded components (see registry_value.h).
bool KeyExists(HKEY root, const std::vector<std::string>& path);
// True for a key whose values are answered live (writing to it is refused).
bool IsLiveKey(HKEY root, const std::vector<std::string>& path);
std::optional<RegistryValue> FindValue(HKEY root, const std::vector<std::string>& path,
                                       const std::string& foldedName);
std::vector<std::string> SubKeyNames(HKEY root, const std::vector<std::string>& path);
std::vector<RegistryValue> Values(HKEY root, const std::vector<std::string>& path);

}  // namespace live
}  // namespace platform
