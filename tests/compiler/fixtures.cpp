#include "fixtures.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace lumpforge::testing {
namespace {

void Put32(Bytes& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// RLE8 for rows given bottom row first: each row as runs of equal pixels, then an
// end-of-line mark; the end-of-bitmap mark last.
Bytes EncodeRle8(const std::vector<Bytes>& rowsBottomUp) {
  Bytes out;
  for (const Bytes& row : rowsBottomUp) {
    std::size_t x = 0;
    while (x < row.size()) {
      std::size_t run = 1;
      while (x + run < row.size() && row[x + run] == row[x] && run < 255) ++run;
      out.push_back(static_cast<std::uint8_t>(run));
      out.push_back(row[x]);
      x += run;
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(1);
  return out;
}

}  // namespace

Bytes MakeBmp(const BmpSpec& layout) {
  const std::uint32_t entries = layout.coloursUsed == 0 ? 256 : layout.coloursUsed;
  const std::size_t paletteOffset = 14 + layout.infoHeaderSize;
  const std::size_t naturalPixels = paletteOffset + 4 * entries + layout.gapAfterPalette;
  const std::size_t pixelOffset = layout.pixelOffset < 0 ? naturalPixels : static_cast<std::size_t>(layout.pixelOffset);
  const int width = layout.width < 0 ? 0 : layout.width;
  const int rows = layout.height < 0 ? -layout.height : layout.height;

  std::vector<Bytes> stored;  // in file order
  for (int i = 0; i < rows; ++i) {
    int y = layout.height < 0 ? i : rows - 1 - i;  // picture row of stored row i
    Bytes row(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) row[static_cast<std::size_t>(x)] = layout.pixel(x, y);
    stored.push_back(row);
  }
  Bytes pixels;
  if (layout.compression == 1) {
    pixels = EncodeRle8(stored);
  } else {
    for (const Bytes& row : stored) pixels.insert(pixels.end(), row.begin(), row.end());
  }

  Bytes out(std::max(pixelOffset, naturalPixels) + pixels.size(), 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, static_cast<std::uint32_t>(pixelOffset));
  Put32(out, 14, layout.infoHeaderSize);
  Put32(out, 18, static_cast<std::uint32_t>(layout.width));
  Put32(out, 22, static_cast<std::uint32_t>(layout.height));
  out[26] = 1;
  out[28] = static_cast<std::uint8_t>(layout.bitsPerPixel);
  out[29] = static_cast<std::uint8_t>(layout.bitsPerPixel >> 8);
  Put32(out, 30, layout.compression);
  Put32(out, 34, static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 46, layout.coloursUsed);
  for (std::uint32_t k = 0; k < entries; ++k) {
    std::size_t at = paletteOffset + 4 * k;
    out[at] = PaletteBlue(static_cast<int>(k));
    out[at + 1] = PaletteGreen(static_cast<int>(k));
    out[at + 2] = PaletteRed(static_cast<int>(k));
    out[at + 3] = 0x5A;  // reserved: never copied
  }
  std::copy(pixels.begin(), pixels.end(), out.begin() + static_cast<std::ptrdiff_t>(pixelOffset));
  return out;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  WriteFile(path, Bytes(text.begin(), text.end()));
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lumpforge-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string MetricsFile(int first, int second, int lineCount,
                        const std::function<std::string(int line)>& characterLine) {
  std::ostringstream text;
  for (int line = 0; line < lineCount; ++line) {
    if (line == 2) {
      text << first;
    } else if (line == 5) {
      text << second;
    } else if (line >= 9) {
      text << characterLine(line);
    } else if (line < 2 || line == 8) {
      text << "comment";
    }
    text << "\r\n";
  }
  return text.str();
}

void WriteInputSet(const std::filesystem::path& folder, int width, int height) {
  for (const LumpSlot& slot : kLumpSlots) {
    BmpSpec layout;
    layout.width = width;
    layout.height = height;
    WriteFile(folder / (slot.bitmapLiteral + 1), MakeBmp(layout));
  }
  auto line = [](int n) { return "c " + std::to_string(n) + " " + std::to_string(n / 2) + " " + std::to_string(n % 9); };
  WriteText(folder / "conchars.txt", MetricsFile(8, 16, 217, line));
  WriteText(folder / "creditsfont.txt", MetricsFile(12, 4, 105, line));
}

std::vector<std::string> RecordingCompiler::ProblemTexts() const {
  std::vector<std::string> texts;
  for (const Problem& p : problems) texts.push_back(p.text);
  return texts;
}

std::int32_t Le32(const Bytes& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= std::uint32_t{bytes.at(at + i)} << (8 * i);
  return static_cast<std::int32_t>(v);
}

std::uint16_t Le16(const Bytes& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

}  // namespace lumpforge::testing
