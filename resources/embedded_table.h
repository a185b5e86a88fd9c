// The table that the build generates from the resource files (embedded_data.cpp).
#pragma once

#include <cstddef>

namespace lumpforge::resources::detail {

struct EmbeddedFile {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

}  // namespace lumpforge::resources::detail
