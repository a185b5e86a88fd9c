// Values and names as the registry stand-in keeps them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class RegistryType : std::int32_t {
  String = 1,   // bytes of the text, no terminating zero
  Integer = 4,  // four bytes, little-endian
};

struct RegistryValue {
  std::string name;  // spelled as first written
  RegistryType type = RegistryType::String;
  std::string data;
};

RegistryValue StringValue(const std::string& name, const std::string& text);
RegistryValue IntegerValue(const std::string& name, std::int32_t number);
// The integer a four-byte Integer value holds.
std::int32_t DecodeInteger(const std::string& data);

// Names compare ignoring ASCII letter case; this is the spelling they are compared in.
std::string FoldName(const std::string& name);
// Splits a key path at backslashes, dropping empty components (a leading, trailing or
// doubled backslash). The path ends at its first zero byte, as a C string would.
std::vector<std::string> SplitKeyPath(const std::string& path);
std::string JoinKeyPath(const std::vector<std::string>& components);

}  // namespace platform
