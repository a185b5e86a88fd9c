#include "registry.h"

#include <algorithm>

#include "registry_live.h"
#include "registry_store.h"
#include "registry_value.h"

namespace platform {
namespace {

bool IsRoot(HKEY key) { return key == HKEY_LOCAL_MACHINE || key == HKEY_CLASSES_ROOT; }

std::vector<std::string> FoldAll(const std::vector<std::string>& path) {
  std::vector<std::string> folded;
  for (const std::string& component : path) folded.push_back(FoldName(component));
  return folded;
}

// A value name is passed on as a C string would be: up to its first zero byte.
std::string CName(const std::string& name) { return name.substr(0, name.find('\0')); }

std::string Quoted(const std::string& name) { return "'" + name + "'"; }

}  // namespace

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() { CloseKey(); }

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  try {
    const bool absolute = !key.empty() && key.front() == '\\';
    HKEY root = RootKey;
    std::vector<std::string> path;
    if (!absolute && hasOpenKey_) {
      root = openRoot_;
      path = openPath_;
    }
    if (!IsRoot(root)) return false;
    for (std::string& component : SplitKeyPath(key)) path.push_back(std::move(component));

    const std::vector<std::string> folded = FoldAll(path);
    if (!path.empty() && !live::KeyExists(root, folded)) {
      switch (store::FindKey(root, folded)) {
        case store::Lookup::Found:
          break;
        case store::Lookup::Missing:
          if (!canCreate) return false;
          store::CreateKey(root, path);
          break;
        case store::Lookup::Unavailable:
          return false;
      }
    }
    hasOpenKey_ = true;
    openRoot_ = root;
    openPath_ = std::move(path);
    return true;
  } catch (...) {
    return false;
  }
}

void TRegistry::CloseKey() {
  hasOpenKey_ = false;
  openRoot_ = 0;
  openPath_.clear();
}

std::string TRegistry::CurrentPath() const { return JoinKeyPath(openPath_); }

namespace {

// The named value of the key, nothing when it is missing; raises when the store cannot be read.
std::optional<RegistryValue> FindValueIn(HKEY root, const std::vector<std::string>& path,
                                         const std::string& name) {
  const std::vector<std::string> folded = FoldAll(path);
  const std::string foldedName = FoldName(CName(name));
  if (live::IsLiveKey(root, folded)) return live::FindValue(root, folded, foldedName);
  store::ValueLookup found = store::FindValue(root, folded, foldedName);
  switch (found.status) {
    case store::Lookup::Found:
      return found.value;
    case store::Lookup::Missing:
      return std::nullopt;
    case store::Lookup::Unavailable:
      break;
  }
  throw ERegistryException("Cannot read registry value " + Quoted(CName(name)) +
                           ": the settings store cannot be read");
}

}  // namespace

std::string TRegistry::ReadString(const std::string& name) {
  if (!hasOpenKey_) return "";
  std::optional<RegistryValue> value = FindValueIn(openRoot_, openPath_, name);
  if (!value) return "";
  if (value->type != RegistryType::String)
    throw ERegistryException("Registry value " + Quoted(CName(name)) + " is not a text");
  return value->data.substr(0, value->data.find('\0'));
}

std::int32_t TRegistry::ReadInteger(const std::string& name) {
  if (!hasOpenKey_)
    throw ERegistryException("Cannot read registry value " + Quoted(CName(name)) +
                             ": no key is open");
  std::optional<RegistryValue> value = FindValueIn(openRoot_, openPath_, name);
  if (!value) throw ERegistryException("Registry value " + Quoted(CName(name)) + " does not exist");
  if (value->type != RegistryType::Integer || value->data.size() != 4)
    throw ERegistryException("Registry value " + Quoted(CName(name)) + " is not an integer");
  return DecodeInteger(value->data);
}

namespace {

void Store(bool hasOpenKey, HKEY root, const std::vector<std::string>& path,
           const RegistryValue& value) {
  const std::string failure = "Cannot write registry value " + Quoted(value.name);
  if (!hasOpenKey) throw ERegistryException(failure + ": no key is open");
  if (live::IsLiveKey(root, FoldAll(path)))
    throw ERegistryException(failure + ": the key describes the desktop and is read only");
  try {
    store::WriteValue(root, path, value);
  } catch (const std::exception& error) {
    throw ERegistryException(failure + ": " + error.what());
  }
}

}  // namespace

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  Store(hasOpenKey_, openRoot_, openPath_, StringValue(CName(name), value));
}

void TRegistry::WriteInteger(const std::string& name, std::int32_t value) {
  Store(hasOpenKey_, openRoot_, openPath_, IntegerValue(CName(name), value));
}

bool TRegistry::ValueExists(const std::string& name) {
  if (!hasOpenKey_) return false;
  try {
    return FindValueIn(openRoot_, openPath_, name).has_value();
  } catch (const ERegistryException&) {
    return false;
  }
}

std::vector<std::string> TRegistry::GetKeyNames() {
  std::vector<std::string> names;
  if (!hasOpenKey_) return names;
  const std::vector<std::string> folded = FoldAll(openPath_);
  names = live::SubKeyNames(openRoot_, folded);
  try {
    for (const std::string& name : store::SubKeyNames(openRoot_, folded)) {
      bool known = std::any_of(names.begin(), names.end(), [&](const std::string& existing) {
        return FoldName(existing) == FoldName(name);
      });
      if (!known) names.push_back(name);
    }
  } catch (const store::StoreError&) {
  }
  return names;
}

std::vector<std::string> TRegistry::GetValueNames() {
  std::vector<std::string> names;
  if (!hasOpenKey_) return names;
  const std::vector<std::string> folded = FoldAll(openPath_);
  try {
    const std::vector<RegistryValue> values = live::IsLiveKey(openRoot_, folded)
                                                  ? live::Values(openRoot_, folded)
                                                  : store::Values(openRoot_, folded);
    for (const RegistryValue& value : values) names.push_back(value.name);
  } catch (const store::StoreError&) {
  }
  return names;
}

}  // namespace platform
