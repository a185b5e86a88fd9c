// A registry accessor with the semantics the program was written against: two root keys,
// keys opened (and optionally created) by backslash-separated paths, typed string and
// integer values, names matched ignoring ASCII case. Stored keys live in a per-user SQLite
// database (registry_store.h); the few system values the program reads about the desktop
// are answered live (registry_live.h) under the keys where it looks for them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

// Raised by value reads of the wrong type, integer reads of a missing value and failed
// writes. OpenKey never raises.
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TRegistry {
 public:
  TRegistry();
  ~TRegistry();  // closes the open key
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // The root that absolute paths, and relative paths while no key is open, start from.
  HKEY RootKey = HKEY_LOCAL_MACHINE;

  // Opens `key` for full access; with canCreate, creates it and its missing ancestors.
  // A path beginning with a backslash starts at RootKey; any other path is relative to
  // the open key (or to RootKey when none is open). Returns false on any failure, leaving
  // the open key as it was.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();
  bool HasOpenKey() const { return hasOpenKey_; }
  // The open key's path below its root as it was asked for, "" when none is open.
  std::string CurrentPath() const;

  // A missing value (or no open key) reads as ""; a value of another type raises.
  // The text ends at the first zero byte of the stored data.
  std::string ReadString(const std::string& name);
  // A missing value, no open key or a value of another type raises.
  std::int32_t ReadInteger(const std::string& name);
  // Store the value in the open key, replacing one of the same name (whose spelling is
  // kept). No open key, a read-only key or a store that cannot be written raises.
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, std::int32_t value);

  bool ValueExists(const std::string& name);
  // Names of the open key's subkeys and values, spelled as first written.
  std::vector<std::string> GetKeyNames();
  std::vector<std::string> GetValueNames();

 private:
  bool hasOpenKey_ = false;
  HKEY openRoot_ = 0;
  std::vector<std::string> openPath_;  // components, as asked for
};

}  // namespace platform
