#include "wad_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "bitmap_file.h"
#include "lump_table.h"

namespace lumpforge {
namespace {

// Reading never goes past what was read from the file: the byte source knows its bytes
// and the file's real size, and every access is checked before it is made.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Has(std::uint64_t at, std::uint64_t count) const {
    return at <= bytes_.size() && count <= bytes_.size() - at;
  }
  std::uint32_t U32(std::uint64_t at) const {
    const std::uint8_t* p = bytes_.data() + at;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  }
  std::int32_t S32(std::uint64_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::uint16_t U16(std::uint64_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::uint8_t U8(std::uint64_t at) const { return bytes_[at]; }

 private:
  std::span<const std::uint8_t> bytes_;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string EntryLabel(std::size_t slot, const WadLump& lump) {
  std::string label = "entry " + std::to_string(slot);
  if (!lump.name.empty()) label += " (" + lump.name + ")";
  return label + ": ";
}

WadLump ReadEntry(const Bytes& bytes, std::uint64_t at) {
  WadLump lump;
  lump.position = bytes.S32(at);
  lump.storedSize = bytes.S32(at + 4);
  lump.fullSize = bytes.S32(at + 8);
  lump.type = bytes.U8(at + 12);
  lump.compression = bytes.U8(at + 13);
  lump.padding = bytes.U16(at + 14);
  for (std::size_t i = 0; i < 16; ++i) lump.rawName[i] = bytes.U8(at + 16 + i);
  for (std::uint8_t c : lump.rawName) {
    if (c == 0) break;
    lump.name += static_cast<char>(c);
  }
  return lump;
}

// Reads the body fields of a lump lying wholly inside the bytes. For a font the width
// follows from the size and the stored height, when they fit together.
void ReadBody(const Bytes& bytes, WadLump& lump) {
  const std::int64_t size = lump.storedSize;
  if (lump.position < 0 || size < 0 || !bytes.Has(static_cast<std::uint64_t>(lump.position), static_cast<std::uint64_t>(size))) return;
  const auto at = static_cast<std::uint64_t>(lump.position);
  if (lump.type == kFontType) {
    if (size < kFontHeaderBytes) return;
    for (int i = 0; i < 4; ++i) lump.fontHeader[static_cast<std::size_t>(i)] = bytes.S32(at + 4 * static_cast<std::uint64_t>(i));
    lump.height = lump.fontHeader[1];
    const std::int64_t pixels = size - kFontOverhead;
    lump.width = lump.height > 0 && pixels >= 0 && pixels % lump.height == 0 ? pixels / lump.height : 0;
  } else {
    if (size < kPictureHeaderBytes) return;
    lump.width = bytes.S32(at);
    lump.height = bytes.S32(at + 4);
  }
  lump.bodyRead = true;
}

// The first way in which a lump's body does not match its entry, or empty.
std::string BodyProblem(const Bytes& bytes, const WadLump& lump, std::int32_t type) {
  const std::int64_t size = lump.storedSize;
  const std::int64_t overhead = type == kFontType ? kFontOverhead : kPictureOverhead;
  const char* kind = type == kFontType ? "font" : "picture";
  if (size < overhead) {
    return "size " + std::to_string(size) + " is smaller than the " + std::to_string(overhead) +
           " bytes every " + kind + " lump holds";
  }
  if (!lump.bodyRead) return "the lump does not lie inside the file";
  if (type == kFontType) {
    if (lump.height < 0) return "font height " + std::to_string(lump.height) + " is negative";
    const std::int64_t pixels = size - overhead;
    if (lump.height == 0 ? pixels != 0 : pixels % lump.height != 0) {
      return "size " + std::to_string(size) + " is not a whole number of rows of height " +
             std::to_string(lump.height) + " plus 1812";
    }
  } else {
    if (lump.width < 0 || lump.height < 0) {
      return "picture dimensions " + std::to_string(lump.width) + " x " + std::to_string(lump.height) + " are negative";
    }
    const std::int64_t expected = lump.width * lump.height + overhead;
    if (expected != size) {
      return "size " + std::to_string(size) + " does not match its " + std::to_string(lump.width) + " x " +
             std::to_string(lump.height) + " picture (" + std::to_string(expected) + " bytes)";
    }
  }
  const auto end = static_cast<std::uint64_t>(lump.position) + static_cast<std::uint64_t>(size);
  const std::uint16_t colours = bytes.U16(end - kLumpTailBytes);
  if (colours != 256) return "colour count " + std::to_string(colours) + ", not 256";
  if (bytes.U16(end - 2) != 0) return "the lump does not end with two zero bytes";
  return {};
}

// The first way in which an entry differs from what the compiler writes for its slot.
std::string EntryProblem(const Bytes& bytes, const WadLump& lump, std::size_t slot, std::int64_t expectedPosition) {
  const LumpSlot& row = kLumpSlots[slot];
  if (lump.position != expectedPosition) {
    return "position " + std::to_string(lump.position) + ", expected " + std::to_string(expectedPosition) +
           (slot == 0 ? " (right after the header)" : " (right after the previous lump)");
  }
  if (lump.storedSize != lump.fullSize) {
    return "stored size " + std::to_string(lump.storedSize) + " differs from full size " + std::to_string(lump.fullSize);
  }
  if (lump.compression != 0) return "compression " + std::to_string(lump.compression) + ", expected 0";
  if (lump.name != row.lumpName) return "name " + Quoted(lump.name) + ", expected " + Quoted(row.lumpName);
  for (std::size_t i = lump.name.size(); i < lump.rawName.size(); ++i) {
    if (lump.rawName[i] != 0) return "the name is not padded with zero bytes";
  }
  if (lump.type != row.type) return "type " + TypeText(lump.type) + ", expected " + TypeText(static_cast<std::uint8_t>(row.type));
  if (lump.padding != 0) return "bytes 14 and 15 of the entry are not zero";
  return BodyProblem(bytes, lump, row.type);
}

}  // namespace

std::string TypeText(std::uint8_t type) {
  static const char* digits = "0123456789abcdef";
  return std::string("0x") + digits[type >> 4] + digits[type & 15];
}

WadFile ParseWad(std::span<const std::uint8_t> data, std::uint64_t fileSize) {
  WadFile wad;
  wad.fileSize = fileSize;
  if (data.size() > fileSize) data = data.first(static_cast<std::size_t>(fileSize));
  const Bytes bytes(data);
  if (!bytes.Has(0, kWadFileHeaderSize)) {
    wad.problem = "the file is " + std::to_string(fileSize) + " bytes long, shorter than the 12-byte header";
    return wad;
  }
  wad.headerRead = true;
  wad.magic = bytes.U32(0);
  wad.lumpCount = bytes.S32(4);
  wad.directoryOffset = bytes.S32(8);

  // Read as much of the directory as lies inside the file, for the listing.
  const std::uint64_t directorySize = std::uint64_t{kLumpCount} * kWadEntrySize;
  if (wad.directoryOffset >= 0) {
    for (std::size_t slot = 0; slot < kLumpCount; ++slot) {
      const std::uint64_t at = static_cast<std::uint64_t>(wad.directoryOffset) + slot * kWadEntrySize;
      if (!bytes.Has(at, kWadEntrySize)) break;
      wad.lumps.push_back(ReadEntry(bytes, at));
      ReadBody(bytes, wad.lumps.back());
    }
  }

  auto fail = [&](std::string reason) {
    wad.problem = std::move(reason);
    return wad;
  };
  if (wad.magic != kWadFileMagic) return fail("the file does not begin with the magic \"WAD3\"");
  if (wad.lumpCount != kLumpCount) {
    return fail("the header counts " + std::to_string(wad.lumpCount) + " lumps, not " + std::to_string(kLumpCount));
  }
  if (fileSize > kLargestWadSize) {
    return fail("the file is " + std::to_string(fileSize) + " bytes long, larger than any gfx.wad (" +
                std::to_string(kLargestWadSize) + " bytes at most)");
  }
  if (wad.directoryOffset < kWadFileHeaderSize || wad.lumps.size() < kLumpCount) {
    return fail("the directory (" + std::to_string(directorySize) + " bytes at offset " +
                std::to_string(wad.directoryOffset) + ") does not lie inside the file of " +
                std::to_string(fileSize) + " bytes");
  }

  std::int64_t expectedPosition = kWadFileHeaderSize;
  for (std::size_t slot = 0; slot < kLumpCount; ++slot) {
    const WadLump& lump = wad.lumps[slot];
    std::string problem = EntryProblem(bytes, lump, slot, expectedPosition);
    if (!problem.empty()) return fail(EntryLabel(slot, lump) + problem);
    expectedPosition += lump.storedSize;
  }
  if (wad.directoryOffset != expectedPosition) {
    return fail("the directory offset " + std::to_string(wad.directoryOffset) + " is not 12 plus the lump sizes (" +
                std::to_string(expectedPosition) + ")");
  }
  const std::uint64_t directoryEnd = static_cast<std::uint64_t>(wad.directoryOffset) + directorySize;
  if (fileSize != directoryEnd) {
    return fail("the file is " + std::to_string(fileSize) + " bytes long, but its directory ends at " +
                std::to_string(directoryEnd));
  }
  return wad;
}

std::optional<WadFile> ReadWadFile(const std::string& path, std::vector<std::uint8_t>& contents, std::string& error) {
  contents.clear();
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) {
    error = S_ISDIR(info.st_mode) ? "is a folder" : "is not a regular file";
    return std::nullopt;
  }
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    error = "is not a regular file";
    close(fd);
    return std::nullopt;
  }
  // Nothing past the largest gfx.wad is worth reading: such a file is refused anyway.
  const auto fileSize = static_cast<std::uint64_t>(info.st_size);
  const auto wanted = static_cast<std::size_t>(fileSize < kLargestWadSize ? fileSize : kLargestWadSize + 1);
  contents.resize(wanted);
  std::size_t done = 0;
  while (done < contents.size()) {
    ssize_t got = read(fd, contents.data() + done, contents.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = std::strerror(errno);
      close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  close(fd);
  contents.resize(done);
  // A file that shrank while it was read is taken at the size actually read.
  return ParseWad(contents, done < wanted ? done : fileSize);
}

}  // namespace lumpforge

// ---- Rebuilding the inputs ------------------------------------------------------------

namespace lumpforge {
namespace {

constexpr std::uint32_t kBmpPixelOffset = 14 + 40 + 1024;

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Append16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

bool SideAccepted(std::int64_t side) { return side >= 0 && side <= kMaxBitmapSide && side % 8 == 0; }

// An 8-bit BMP as the compiler reads it most plainly: 40-byte info header, 256 palette
// entries, pixel rows bottom row first from offset 1078. pixels are top row first and
// the palette red, green, blue, as the lump stores them.
std::vector<std::uint8_t> MakeBitmap(std::int64_t width, std::int64_t height, const std::uint8_t* pixels,
                                     const std::uint8_t* palette) {
  const auto w = static_cast<std::uint32_t>(width);
  const auto h = static_cast<std::uint32_t>(height);
  const std::uint32_t imageSize = w * h;
  std::vector<std::uint8_t> out;
  out.reserve(kBmpPixelOffset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Append32(out, kBmpPixelOffset + imageSize);
  Append32(out, 0);  // reserved
  Append32(out, kBmpPixelOffset);
  Append32(out, 40);
  Append32(out, w);
  Append32(out, h);
  Append16(out, 1);  // planes
  Append16(out, 8);  // bits per pixel
  Append32(out, 0);  // no compression
  Append32(out, imageSize);
  Append32(out, 2835);  // 72 pixels per inch, both ways
  Append32(out, 2835);
  Append32(out, 256);  // colours used
  Append32(out, 0);    // all colours important
  for (int k = 0; k < 256; ++k) {
    out.push_back(palette[3 * k + 2]);
    out.push_back(palette[3 * k + 1]);
    out.push_back(palette[3 * k]);
    out.push_back(0);
  }
  for (std::uint32_t row = h; row-- > 0;) out.insert(out.end(), pixels + std::size_t{row} * w, pixels + std::size_t{row + 1} * w);
  return out;
}

// Character lines, one per code a metrics file covers: the label (the character itself
// where it is printable, empty for the blank, "#code" otherwise) and the entry's three
// bytes as the numbers N1, N2, N3.
std::string CharacterLine(int code, const std::uint8_t* entry) {
  std::string line;
  if (code == ' ') {
    line = " ";  // empty label: the line starts with two blanks
  } else if (code > ' ' && code < 127) {
    line = std::string(1, static_cast<char>(code));
  } else {
    line = "#" + std::to_string(code);
  }
  for (int i = 0; i < 3; ++i) line += " " + std::to_string(entry[i]);
  return line;
}

// The three candidate lines of a header number: the number on the first; the other two
// read 0 when the number is 0 (the reader then goes on to them), else carry a comment.
void HeaderLines(std::vector<std::string>& lines, std::int32_t number, const char* meaning) {
  lines.push_back(std::to_string(number));
  for (int i = 0; i < 2; ++i) {
    if (number == 0) {
      lines.push_back("0");
    } else {
      lines.push_back(i == 0 ? std::string("# ^ ") + meaning : std::string("# (not read)"));
    }
  }
}

}  // namespace

bool RebuildInputs(const WadFile& wad, std::span<const std::uint8_t> bytes, std::vector<RebuiltInput>& inputs,
                   std::string& problem) {
  inputs.clear();
  if (!wad.Holds() || wad.lumps.size() != kLumpCount || bytes.size() != wad.fileSize) {
    problem = wad.Holds() ? "the file was not read whole" : wad.problem;
    return false;
  }
  std::vector<RebuiltInput> bitmaps(kLumpCount);
  std::vector<RebuiltInput> metrics;
  for (std::size_t slot = 0; slot < kLumpCount; ++slot) {
    const WadLump& lump = wad.lumps[slot];
    const LumpSlot& row = kLumpSlots[slot];
    const std::uint8_t* body = bytes.data() + lump.position;
    const bool font = row.type == kFontType;
    // A font of height 0 holds no pixels, so any width gives the same lump; fonts are
    // drawn as rows 256 pixels wide.
    const std::int64_t width = font && lump.height == 0 ? kMaxBitmapSide : lump.width;
    if (!SideAccepted(width) || !SideAccepted(lump.height)) {
      problem = row.lumpName + std::string(" is ") + std::to_string(width) + " x " + std::to_string(lump.height) +
                ": the compiler takes only sides that are multiples of 8 up to 256";
      return false;
    }
    const std::uint8_t* pixels = body + (font ? kFontHeaderBytes + kFontTableBytes : kPictureHeaderBytes);
    const std::uint8_t* palette = body + lump.storedSize - 770;
    bitmaps[slot] = {row.bitmapLiteral + 1, MakeBitmap(width, lump.height, pixels, palette)};
    if (!font) continue;

    if (lump.fontHeader[0] != lump.fontHeader[3]) {
      problem = row.lumpName + std::string("'s header numbers 1 and 4 differ (") + std::to_string(lump.fontHeader[0]) +
                " and " + std::to_string(lump.fontHeader[3]) + "); the compiler writes the first header number twice";
      return false;
    }
    const std::uint8_t* table = body + kFontHeaderBytes;
    // Which codes the metrics file covers: conchars 32 to 143 and 160 to 255,
    // creditsfont 32 to 127. Every other entry is written as zeros.
    const bool conchars = slot == 4;
    auto covered = [&](int code) {
      return (code >= 32 && code <= (conchars ? 143 : 127)) || (conchars && code >= 160);
    };
    for (int code = 0; code < 256; ++code) {
      const std::uint8_t* entry = table + 4 * code;
      if (entry[3] != 0) {
        problem = row.lumpName + std::string(" character ") + std::to_string(code) +
                  ": the fourth byte of its entry is not 0";
        return false;
      }
      if (!covered(code) && (entry[0] | entry[1] | entry[2]) != 0) {
        problem = row.lumpName + std::string(" character ") + std::to_string(code) +
                  ": no metrics line gives this entry, so the compiler writes it as zeros";
        return false;
      }
    }

    std::vector<std::string> lines;
    lines.push_back(std::string("# ") + row.lumpName + " character metrics");
    lines.push_back("# lines 2 and 5: glyph row height, glyph rows");
    HeaderLines(lines, lump.fontHeader[0], "glyph row height");
    HeaderLines(lines, lump.fontHeader[2], "glyph rows");
    lines.push_back("# from line 9: label, start low, start high, width");
    for (int code = 32; code <= (conchars ? 143 : 127); ++code) lines.push_back(CharacterLine(code, table + 4 * code));
    if (conchars) {
      for (int code = 160; code <= 255; ++code) lines.push_back(CharacterLine(code, table + 4 * code));
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    metrics.push_back({row.metricsLiteral + 1, std::vector<std::uint8_t>(text.begin(), text.end())});
  }
  // Checking order: each metrics file follows its font bitmap.
  for (const InputStep& step : kInputSteps) {
    for (std::vector<RebuiltInput>* list : {&bitmaps, &metrics}) {
      for (RebuiltInput& input : *list) {
        if (input.fileName == step.fileName) inputs.push_back(std::move(input));
      }
    }
  }
  return true;
}

}  // namespace lumpforge
