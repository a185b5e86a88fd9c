#include "art/image_files.h"

#include <array>
#include <algorithm>
#include <string_view>

namespace lumpforge::art {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value);
  Put16(out, value >> 16);
}

void Put32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& body) {
  Put32BigEndian(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), body.begin(), body.end());
  Put32BigEndian(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap(const IndexedImage& image, const Palette& palette) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.Width()) + 3u) & ~3u;
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.Height());
  constexpr std::uint32_t kPixelOffset = 14 + 40 + 256 * 4;
  std::vector<std::uint8_t> out;
  out.reserve(kPixelOffset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, kPixelOffset + pixelBytes);
  Put32(out, 0);  // two reserved 16-bit fields
  Put32(out, kPixelOffset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(image.Width()));
  Put32(out, static_cast<std::uint32_t>(image.Height()));  // positive: bottom row first
  Put16(out, 1);                                           // planes
  Put16(out, 8);                                           // bits per pixel
  Put32(out, 0);                                           // no compression
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 pixels per inch, in pixels per metre
  Put32(out, 2835);
  Put32(out, 256);  // colours used
  Put32(out, 0);    // all colours important
  for (const Rgb& colour : palette) {
    out.push_back(colour.b);
    out.push_back(colour.g);
    out.push_back(colour.r);
    out.push_back(0);
  }
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) out.push_back(image.At(x, y));
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.Width()); pad < stride; ++pad)
      out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> EncodePng(const IndexedImage& image, const Palette& palette,
                                    int transparent) {
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < image.Height(); ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < image.Width(); ++x) {
      const std::uint8_t index = image.At(x, y);
      const Rgb colour = palette[index];
      raw.insert(raw.end(), {colour.r, colour.g, colour.b,
                             static_cast<std::uint8_t>(index == transparent ? 0 : 255)});
    }
  }

  std::vector<std::uint8_t> zlib = {0x78, 0x01};
  std::size_t done = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - done, 65535);
    const bool last = done + length == raw.size();
    zlib.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
    Put16(zlib, static_cast<std::uint32_t>(length));
    Put16(zlib, static_cast<std::uint32_t>(~length & 0xFFFF));
    zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(done),
                raw.begin() + static_cast<std::ptrdiff_t>(done + length));
    done += length;
  } while (done < raw.size());
  Put32BigEndian(zlib, Adler32(raw));

  std::vector<std::uint8_t> header;
  Put32BigEndian(header, static_cast<std::uint32_t>(image.Width()));
  Put32BigEndian(header, static_cast<std::uint32_t>(image.Height()));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace

  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", zlib);
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace lumpforge::art
