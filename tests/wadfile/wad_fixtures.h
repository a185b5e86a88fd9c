// Compiled gfx.wad files for tests, and random input sets the compiler accepts.
#pragma once

#include <cstdint>
#include <filesystem>

#include "fixtures.h"

namespace lumpforge::testing {

// Compiles folder into folder/gfx.wad and returns its bytes; fails the test when the
// compile does not write the file.
Bytes CompileFolder(const std::filesystem::path& folder);

// Nine inputs the compiler accepts, drawn from seed: every bitmap of its own size
// (multiples of 8 up to 256, sometimes 0, fonts 256 wide or not), random pixels and
// palettes, some bitmaps stored top-down or RLE8 or with short palettes, and metrics
// files with random numbers (out-of-range ones included), short files and odd breaks.
void WriteRandomInputSet(const std::filesystem::path& folder, std::uint32_t seed);

}  // namespace lumpforge::testing
