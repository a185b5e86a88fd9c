// The bitmap check and the reading behind it, on any bytes as a whole file: the header
// fields, rules 1 to 5 (RLE8 runs included) and the decoding of a file that passes them.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "bitmap_file.h"

using namespace lumpforge;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> file(data, size);
  BitmapHeader header = BitmapHeader::Parse(file.first(size < kBitmapHeadersSize ? size : kBitmapHeadersSize), size);
  std::vector<BitmapRule> failures = DimensionAndDepthFailures(header);
  if (failures.empty()) {
    std::span<const std::uint8_t> pixelData =
        header.pixelDataOffset <= size ? file.subspan(header.pixelDataOffset) : std::span<const std::uint8_t>();
    failures = LayoutFailures(header, pixelData);
    if (header.compression <= 1 && IsDamaged(header, pixelData) != !failures.empty()) std::abort();
  }

  BitmapImage image;
  const bool decoded = DecodeBitmap(file, image);
  // The compile decodes exactly the files the check lets through.
  if (decoded != failures.empty()) std::abort();
  if (decoded) {
    if (image.width < 0 || image.width > kMaxBitmapSide || image.height < 0 || image.height > kMaxBitmapSide) std::abort();
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) std::abort();
  }
  return 0;
}
