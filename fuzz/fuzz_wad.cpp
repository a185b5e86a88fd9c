// The gfx.wad reader behind inspect and extract, on any bytes as a whole file. A file
// that passes its invariants and rebuilds into nine inputs must rebuild into inputs that
// read back as the lumps: every bitmap decodes into the lump's pixels and palette, and
// every metrics line gives the lump's character entry.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "bitmap_file.h"
#include "lump_table.h"
#include "metrics_text.h"
#include "wad_file.h"

using namespace lumpforge;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  WadFile wad = ParseWad(bytes, size);
  if (!wad.Holds()) return 0;
  std::vector<RebuiltInput> inputs;
  std::string problem;
  if (!RebuildInputs(wad, bytes, inputs, problem)) return 0;
  if (inputs.size() != 9) std::abort();

  for (const RebuiltInput& input : inputs) {
    for (std::size_t slot = 0; slot < kLumpCount; ++slot) {
      const LumpSlot& row = kLumpSlots[slot];
      const WadLump& lump = wad.lumps[slot];
      const std::uint8_t* body = data + lump.position;
      const bool font = row.type == kFontType;
      if (input.fileName == row.bitmapLiteral + 1) {
        BitmapImage image;
        if (!DecodeBitmap(input.bytes, image)) std::abort();
        const std::uint8_t* pixels = body + (font ? 1040 : 8);
        if (!image.pixels.empty() && std::memcmp(image.pixels.data(), pixels, image.pixels.size()) != 0) std::abort();
        if (std::memcmp(image.palette, body + lump.storedSize - 770, 768) != 0) std::abort();
        if (static_cast<std::int64_t>(image.pixels.size()) + (font ? kFontOverhead : kPictureOverhead) != lump.storedSize) std::abort();
      }
      if (row.metricsLiteral != nullptr && input.fileName == row.metricsLiteral + 1) {
        MetricsText memo;
        memo.SetText(std::string_view(reinterpret_cast<const char*>(input.bytes.data()), input.bytes.size()));
        auto header = [&](int first) {
          for (int line = first; line < first + 2; ++line) {
            if (std::int32_t value = ReadNumber(memo.Line(line)); value != 0) return value;
          }
          return ReadNumber(memo.Line(first + 2));
        };
        if (header(2) != lump.fontHeader[0] || header(5) != lump.fontHeader[2]) std::abort();
        const int lastFirstRange = slot == 4 ? 143 : 127;
        for (int code = 32; code <= 255; ++code) {
          int line = code <= lastFirstRange ? code - 23 : (slot == 4 && code >= 160 ? code - 39 : -1);
          if (line < 0) continue;
          if (std::memcmp(ParseCharacterLine(memo.Line(line)).data(), body + 16 + 4 * code, 4) != 0) std::abort();
        }
      }
    }
  }
  return 0;
}
