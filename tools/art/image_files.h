// Encoders for the two picture formats the generators write.
#pragma once

#include <cstdint>
#include <vector>

#include "art/indexed_image.h"
#include "art/palette.h"

namespace lumpforge::art {

// An uncompressed 8-bit BMP: 14-byte file header, 40-byte info header, all 256 palette
// entries, pixel data at 1078, rows bottom row first and padded to 4 bytes.
std::vector<std::uint8_t> EncodeBitmap(const IndexedImage& image, const Palette& palette);

// A PNG of 8-bit RGBA pixels (row after row, top row first), compressed with the deflate
// "stored" method only, so no compression library is needed. `transparent` indices
// (if any) get alpha 0; every other pixel is opaque.
std::vector<std::uint8_t> EncodePng(const IndexedImage& image, const Palette& palette,
                                    int transparent = -1);

}  // namespace lumpforge::art
