// 8-bit BMP files as the compiler reads them: the header fields the checks look at, the
// rules a usable bitmap follows, and the decoding of its pixels and palette as the
// headers describe them (uncompressed or RLE8, bottom-up or top-down).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lumpforge {

inline constexpr int kBitmapHeadersSize = 54;  // 14-byte file header + 40-byte info header
inline constexpr int kMaxBitmapSide = 256;

struct BitmapHeader {
  std::uint32_t pixelDataOffset = 0;  // bytes 10 to 13
  std::uint32_t infoHeaderSize = 0;   // bytes 14 to 17
  std::int32_t width = 0;             // bytes 18 to 21
  std::int32_t height = 0;            // bytes 22 to 25; negative: top row stored first
  std::uint16_t bitsPerPixel = 0;     // bytes 28 and 29
  std::uint32_t compression = 0;      // bytes 30 to 33; 0 none, 1 RLE8
  std::uint32_t coloursUsed = 0;      // bytes 46 to 49; 0 means 256
  std::uint64_t fileSize = 0;

  // Reads the fields from the first bytes of a file; bytes past the end read as 0.
  static BitmapHeader Parse(std::span<const std::uint8_t> firstBytes, std::uint64_t fileSize);

  std::uint64_t AbsoluteHeight() const;
  std::uint32_t PaletteEntries() const;  // coloursUsed, 0 meaning 256
  std::uint64_t PaletteOffset() const;   // right after the info header
};

// The rules a bitmap must follow, in the order they are checked and reported.
enum class BitmapRule {
  DimensionNotDivisibleBy8,
  LargerThan256,
  NotEightBitsPerPixel,
  Compressed,
  Damaged,
};

// Rules 1 to 3, from the header alone, in order.
std::vector<BitmapRule> DimensionAndDepthFailures(const BitmapHeader& header);

// Whether the file can hold what its headers describe. For RLE8 data, pixelData holds
// the bytes from the pixel data offset to the end of the file; otherwise it is unused.
bool IsDamaged(const BitmapHeader& header, std::span<const std::uint8_t> pixelData);

// Rules 4 and 5, once rules 1 to 3 have passed: compression, then damage.
std::vector<BitmapRule> LayoutFailures(const BitmapHeader& header,
                                       std::span<const std::uint8_t> pixelData);

// A decoded bitmap: rows top row first, palette as red, green, blue.
struct BitmapImage {
  std::int32_t width = 0;
  std::int32_t height = 0;  // absolute height
  std::vector<std::uint8_t> pixels;  // width * height bytes
  std::uint8_t palette[256 * 3] = {};
};

// Decodes a whole file that passes every rule. Returns false (and leaves the image
// unspecified) when any rule fails.
bool DecodeBitmap(std::span<const std::uint8_t> file, BitmapImage& image);

}  // namespace lumpforge
