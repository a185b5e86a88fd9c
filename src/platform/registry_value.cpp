#include "registry_value.h"

namespace platform {

RegistryValue StringValue(const std::string& name, const std::string& text) {
  return RegistryValue{name, RegistryType::String, text};
}

RegistryValue IntegerValue(const std::string& name, std::int32_t number) {
  const auto bits = static_cast<std::uint32_t>(number);
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((bits >> (8 * i)) & 0xFFu);
  return RegistryValue{name, RegistryType::Integer, data};
}

std::int32_t DecodeInteger(const std::string& data) {
  std::uint32_t bits = 0;
  for (size_t i = 0; i < 4 && i < data.size(); ++i)
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

std::string FoldName(const std::string& name) {
  std::string folded = name;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

std::vector<std::string> SplitKeyPath(const std::string& text) {
  const std::string path = text.substr(0, text.find('\0'));
  std::vector<std::string> components;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    std::string component = path.substr(start, end - start);
    if (!component.empty()) components.push_back(component);
    start = end + 1;
  }
  return components;
}

std::string JoinKeyPath(const std::vector<std::string>& components) {
  std::string joined;
  for (const std::string& component : components) {
    if (!joined.empty()) joined += '\\';
    joined += component;
  }
  return joined;
}

}  // namespace platform
