// Helpers shared by the sample and artwork tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lumpforge::test {

inline std::filesystem::path SourceDir() { return LUMPFORGE_SOURCE_DIR; }
inline std::filesystem::path SamplesDir() { return SourceDir() / "samples"; }
inline std::filesystem::path ResourcesDir() { return SourceDir() / "resources"; }

inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace lumpforge::test
