#include "bitmap_file.h"

#include <cstring>

namespace lumpforge {
namespace {

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRle8 = 1;

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    std::uint32_t byte = at + i < bytes.size() ? bytes[at + i] : 0;
    value |= byte << (8 * i);
  }
  return value;
}

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(Read32(bytes, at) & 0xFFFFu);
}

// Runs RLE8 data; rows are counted from the bottom. With a target, pixels are stored
// there, top row first (target rows of width bytes, absent pixels left as they are).
// False when the data writes past its rows, runs past its end, or ends before the
// end-of-bitmap mark.
bool RunRle8(std::span<const std::uint8_t> data, std::uint32_t width, std::uint64_t height,
             std::uint8_t* target) {
  std::uint64_t x = 0;
  std::uint64_t y = 0;
  std::size_t at = 0;
  auto fits = [&](std::uint64_t count) { return y < height && x + count <= width; };
  auto put = [&](std::uint8_t value) {
    if (target) target[(height - 1 - y) * width + x] = value;
    ++x;
  };
  while (at + 2 <= data.size()) {
    std::uint8_t count = data[at];
    std::uint8_t value = data[at + 1];
    at += 2;
    if (count > 0) {
      if (!fits(count)) return false;
      for (int i = 0; i < count; ++i) put(value);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // move right and up
        if (at + 2 > data.size()) return false;
        x += data[at];
        y += data[at + 1];
        at += 2;
        break;
      default: {  // a run of literal pixels, padded to an even length
        std::size_t padded = value + (value & 1u);
        if (at + padded > data.size() || !fits(value)) return false;
        for (int i = 0; i < value; ++i) put(data[at + static_cast<std::size_t>(i)]);
        at += padded;
        break;
      }
    }
  }
  return false;
}

}  // namespace

BitmapHeader BitmapHeader::Parse(std::span<const std::uint8_t> firstBytes, std::uint64_t fileSize) {
  BitmapHeader header;
  header.pixelDataOffset = Read32(firstBytes, 10);
  header.infoHeaderSize = Read32(firstBytes, 14);
  header.width = static_cast<std::int32_t>(Read32(firstBytes, 18));
  header.height = static_cast<std::int32_t>(Read32(firstBytes, 22));
  header.bitsPerPixel = Read16(firstBytes, 28);
  header.compression = Read32(firstBytes, 30);
  header.coloursUsed = Read32(firstBytes, 46);
  header.fileSize = fileSize;
  return header;
}

std::uint64_t BitmapHeader::AbsoluteHeight() const {
  std::int64_t h = height;
  return static_cast<std::uint64_t>(h < 0 ? -h : h);
}

std::uint32_t BitmapHeader::PaletteEntries() const { return coloursUsed == 0 ? 256 : coloursUsed; }

std::uint64_t BitmapHeader::PaletteOffset() const { return 14 + std::uint64_t{infoHeaderSize}; }

std::vector<BitmapRule> DimensionAndDepthFailures(const BitmapHeader& header) {
  std::vector<BitmapRule> failures;
  if ((header.width & 7) != 0 || (header.height & 7) != 0) failures.push_back(BitmapRule::DimensionNotDivisibleBy8);
  if (header.width > kMaxBitmapSide || header.AbsoluteHeight() > kMaxBitmapSide) failures.push_back(BitmapRule::LargerThan256);
  if (header.bitsPerPixel != 8) failures.push_back(BitmapRule::NotEightBitsPerPixel);
  return failures;
}

bool IsDamaged(const BitmapHeader& header, std::span<const std::uint8_t> pixelData) {
  if (header.fileSize < kBitmapHeadersSize) return true;
  if (header.infoHeaderSize < 40 || header.width < 0 || header.coloursUsed > 256) return true;
  std::uint64_t paletteEnd = header.PaletteOffset() + 4ull * header.PaletteEntries();
  if (paletteEnd > header.fileSize || header.pixelDataOffset < paletteEnd) return true;
  auto width = static_cast<std::uint32_t>(header.width);
  if (header.compression == kRle8) {
    if (header.height < 0) return true;
    return !RunRle8(pixelData, width, header.AbsoluteHeight(), nullptr);
  }
  return header.pixelDataOffset + std::uint64_t{width} * header.AbsoluteHeight() > header.fileSize;
}

std::vector<BitmapRule> LayoutFailures(const BitmapHeader& header, std::span<const std::uint8_t> pixelData) {
  if (header.compression != kUncompressed && header.compression != kRle8) return {BitmapRule::Compressed};
  if (IsDamaged(header, pixelData)) return {BitmapRule::Damaged};
  return {};
}

bool DecodeBitmap(std::span<const std::uint8_t> file, BitmapImage& image) {
  BitmapHeader header = BitmapHeader::Parse(file, file.size());
  if (!DimensionAndDepthFailures(header).empty()) return false;
  std::span<const std::uint8_t> pixelData =
      header.pixelDataOffset <= file.size() ? file.subspan(header.pixelDataOffset) : std::span<const std::uint8_t>();
  if (!LayoutFailures(header, pixelData).empty()) return false;

  const auto width = static_cast<std::uint32_t>(header.width);
  const auto height = static_cast<std::uint32_t>(header.AbsoluteHeight());
  image.width = static_cast<std::int32_t>(width);
  image.height = static_cast<std::int32_t>(height);
  image.pixels.assign(std::size_t{width} * height, 0);

  std::memset(image.palette, 0, sizeof image.palette);
  const std::size_t palette = header.PaletteOffset();
  for (std::uint32_t k = 0; k < header.PaletteEntries(); ++k) {
    const std::uint8_t* entry = file.data() + palette + 4 * k;  // blue, green, red, reserved
    image.palette[3 * k] = entry[2];
    image.palette[3 * k + 1] = entry[1];
    image.palette[3 * k + 2] = entry[0];
  }

  if (header.compression == kRle8) return RunRle8(pixelData, width, height, image.pixels.data());
  if (width == 0) return true;
  for (std::uint32_t row = 0; row < height; ++row) {
    // Bottom-up files store the top row last; top-down files store it first.
    std::uint32_t stored = header.height < 0 ? row : height - 1 - row;
    std::memcpy(image.pixels.data() + std::size_t{row} * width, pixelData.data() + std::size_t{stored} * width, width);
  }
  return true;
}

}  // namespace lumpforge
