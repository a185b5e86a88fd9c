#include "embedded_resources.h"

#include "embedded_table.h"

namespace lumpforge::resources {

std::span<const std::uint8_t> Find(std::string_view name) {
  for (std::size_t i = 0; i < detail::kEmbeddedFileCount; ++i) {
    const detail::EmbeddedFile& file = detail::kEmbeddedFiles[i];
    if (name == file.name) return {file.data, file.size};
  }
  return {};
}

std::vector<std::string_view> Names() {
  std::vector<std::string_view> names;
  for (std::size_t i = 0; i < detail::kEmbeddedFileCount; ++i)
    names.emplace_back(detail::kEmbeddedFiles[i].name);
  return names;
}

}  // namespace lumpforge::resources
