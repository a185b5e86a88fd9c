// The per-user settings store behind the registry accessor: one SQLite database,
// $XDG_CONFIG_HOME/lumpforge/registry.db (~/.config/lumpforge/ when XDG_CONFIG_HOME is unset
// or not absolute).
//
// Every operation opens the database, works inside one transaction and closes it again, so
// no lock is held between calls and every write is atomic on its own. The database keeps a
// rollback journal (no -wal or -shm files beside it, so it can still be read where its folder
// is read-only) with synchronous=EXTRA, which also syncs the folder after a commit removes
// the journal; a new store's folder is synced after its first commit. So a commit that
// returned survives a crash or power loss, and a writer killed half-way leaves a hot journal
// that the next opener rolls back. Writers wait up to a busy timeout for one another, then
// fail cleanly.
//
// A file that does not start as an SQLite database, fails SQLite's quick check, or is an
// SQLite database of some other program is never written: reads report the store as
// unavailable and writes raise StoreError. Nothing here ever deletes or replaces the file.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "registry.h"
#include "registry_value.h"

namespace platform::store {

class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How long an operation waits for another program's transaction before it fails.
inline constexpr int kDefaultBusyTimeoutMs = 10000;
void SetBusyTimeout(int milliseconds);

// Where the store lives, or nothing when there is no home folder to put it in.
std::optional<std::filesystem::path> StorePath();

enum class Lookup { Found, Missing, Unavailable };

// Paths are a key's components below its root; the finders take them folded (FoldName),
// CreateKey and WriteValue as written, to keep the spelling of new names.
Lookup FindKey(HKEY root, const std::vector<std::string>& foldedPath);
// Creates the key and its missing ancestors; the store and its folder are made when absent.
void CreateKey(HKEY root, const std::vector<std::string>& path);

struct ValueLookup {
  Lookup status = Lookup::Missing;
  RegistryValue value;
};
ValueLookup FindValue(HKEY root, const std::vector<std::string>& foldedPath,
                      const std::string& foldedName);
// Stores the value in the key (made with its ancestors when missing), replacing a value of
// the same folded name but keeping that value's spelling.
void WriteValue(HKEY root, const std::vector<std::string>& path, const RegistryValue& value);

// Subkey names and values of a key; empty when the key or the store is missing. A store
// that cannot be read raises StoreError.
std::vector<std::string> SubKeyNames(HKEY root, const std::vector<std::string>& foldedPath);
std::vector<RegistryValue> Values(HKEY root, const std::vector<std::string>& foldedPath);

}  // namespace platform::store
