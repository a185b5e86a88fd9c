// Small readers the artwork tests use to look inside the generated files: the 8-bit BMPs
// through the compiler's own bitmap decoder, the PNG icons through a reader written here
// (chunk checksums, stored deflate blocks, Adler-32), independent of the encoder.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bitmap_file.h"

namespace lumpforge::test {

struct Rgb {
  int r, g, b;
  int Luma() const { return (r * 299 + g * 587 + b * 114) / 1000; }
  bool operator==(const Rgb&) const = default;
};

inline Rgb ColourAt(const BitmapImage& image, int x, int y) {
  const std::uint8_t index = image.pixels[static_cast<std::size_t>(y * image.width + x)];
  return {image.palette[index * 3], image.palette[index * 3 + 1], image.palette[index * 3 + 2]};
}

// Reads an uncompressed, bottom-up 8-bit BMP of any size (rows padded to four bytes), as
// Qt shows the window pictures; false when the file is not laid out that way.
inline bool ReadWindowPicture(const std::vector<std::uint8_t>& file, BitmapImage& image) {
  const BitmapHeader header = BitmapHeader::Parse(file, file.size());
  if (header.bitsPerPixel != 8 || header.compression != 0 || header.width <= 0 ||
      header.height <= 0 || header.PaletteEntries() != 256)
    return false;
  const std::size_t stride = (static_cast<std::size_t>(header.width) + 3) & ~std::size_t{3};
  const std::size_t palette = header.PaletteOffset();
  if (palette + 1024 > header.pixelDataOffset ||
      header.pixelDataOffset + stride * header.height > file.size())
    return false;
  image.width = header.width;
  image.height = header.height;
  image.pixels.clear();
  for (int y = 0; y < header.height; ++y) {
    const std::size_t row = header.pixelDataOffset + stride * (header.height - 1 - y);
    image.pixels.insert(image.pixels.end(), file.begin() + row, file.begin() + row + header.width);
  }
  for (int k = 0; k < 256; ++k)
    for (int c = 0; c < 3; ++c) image.palette[k * 3 + c] = file[palette + k * 4 + 2 - c];
  return true;
}

struct RgbaImage {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;
  std::uint8_t Alpha(int x, int y) const {
    return rgba[static_cast<std::size_t>((y * width + x) * 4 + 3)];
  }
};

inline std::uint32_t Crc32Bitwise(std::span<const std::uint8_t> data) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t byte : data) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline std::uint32_t BigEndian32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// Reads an 8-bit RGBA, non-interlaced PNG whose image data uses stored deflate blocks
// and filter 0 on every row; anything else, or any checksum that does not hold, gives
// nothing and an explanation in `why`.
inline std::optional<RgbaImage> ReadStoredPng(const std::vector<std::uint8_t>& file,
                                              std::string& why) {
  const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(signature, signature + 8, file.begin())) {
    why = "no PNG signature";
    return std::nullopt;
  }
  RgbaImage image;
  std::vector<std::uint8_t> zlib;
  bool ended = false;
  for (std::size_t at = 8; at < file.size() && !ended;) {
    if (at + 12 > file.size()) { why = "truncated chunk"; return std::nullopt; }
    const std::uint32_t length = BigEndian32(&file[at]);
    if (at + 12 + length > file.size()) { why = "chunk runs past the end"; return std::nullopt; }
    const std::string type(file.begin() + at + 4, file.begin() + at + 8);
    const std::span<const std::uint8_t> typeAndBody(&file[at + 4], length + 4);
    if (Crc32Bitwise(typeAndBody) != BigEndian32(&file[at + 8 + length])) {
      why = "bad CRC in " + type;
      return std::nullopt;
    }
    const std::uint8_t* body = &file[at + 8];
    if (type == "IHDR") {
      image.width = static_cast<int>(BigEndian32(body));
      image.height = static_cast<int>(BigEndian32(body + 4));
      if (length != 13 || body[8] != 8 || body[9] != 6 || body[12] != 0) {
        why = "not 8-bit RGBA";
        return std::nullopt;
      }
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), body, body + length);
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  if (!ended) { why = "no IEND"; return std::nullopt; }
  if (zlib.size() < 6 || ((zlib[0] << 8) | zlib[1]) % 31 != 0) { why = "bad zlib header"; return std::nullopt; }
  std::vector<std::uint8_t> raw;
  std::size_t at = 2;
  for (bool last = false; !last;) {
    if (at + 5 > zlib.size() || (zlib[at] & 0x06) != 0) { why = "not a stored block"; return std::nullopt; }
    last = zlib[at] & 1;
    const unsigned len = zlib[at + 1] | (zlib[at + 2] << 8);
    const unsigned nlen = zlib[at + 3] | (zlib[at + 4] << 8);
    if ((len ^ 0xFFFFu) != nlen || at + 5 + len > zlib.size()) { why = "bad stored block"; return std::nullopt; }
    raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + len);
    at += 5 + len;
  }
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) { a = (a + byte) % 65521; b = (b + a) % 65521; }
  if (at + 4 != zlib.size() || BigEndian32(&zlib[at]) != ((b << 16) | a)) { why = "bad Adler-32"; return std::nullopt; }
  const std::size_t stride = static_cast<std::size_t>(image.width) * 4 + 1;
  if (raw.size() != stride * static_cast<std::size_t>(image.height)) { why = "wrong data size"; return std::nullopt; }
  for (int y = 0; y < image.height; ++y) {
    if (raw[y * stride] != 0) { why = "row filter is not 0"; return std::nullopt; }
    image.rgba.insert(image.rgba.end(), raw.begin() + y * stride + 1, raw.begin() + (y + 1) * stride);
  }
  return image;
}

// A hand cursor pixel: 't' transparent, 'b' black, 'w' white, 'i' inverted screen.
inline char CursorPixel(std::span<const std::uint8_t> cursor, int x, int y) {
  const std::size_t byte = static_cast<std::size_t>(y * 4 + x / 8);
  const int bit = 7 - x % 8;
  const bool andBit = (cursor[byte] >> bit) & 1, xorBit = (cursor[128 + byte] >> bit) & 1;
  return andBit ? (xorBit ? 'i' : 't') : (xorBit ? 'w' : 'b');
}

}  // namespace lumpforge::test
