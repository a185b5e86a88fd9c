// Reading gfx.wad files: the 12-byte header, the directory of seven entries, and the few
// body fields that describe each lump (a picture's width and height, a font's header
// numbers). Checks the invariants every file the compiler writes keeps, and names the
// first one that fails. Safe on any input: every offset is range-checked in 64 bits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumpforge {

inline constexpr std::uint32_t kWadFileMagic = 0x33444157;  // "WAD3"
inline constexpr std::int32_t kWadFileHeaderSize = 12;
inline constexpr std::int32_t kWadEntrySize = 32;
// The largest gfx.wad the compiler can write: seven 256 x 256 lumps.
inline constexpr std::uint64_t kLargestWadSize = 12 + 5 * (65536 + 780) + 2 * (65536 + 1812) + 7 * 32;

// Where the parts of a lump body stand, counted from the lump's first byte.
inline constexpr std::int32_t kPictureHeaderBytes = 8;     // width, height
inline constexpr std::int32_t kFontHeaderBytes = 16;       // four 32-bit numbers
inline constexpr std::int32_t kFontTableBytes = 1024;      // 256 character entries
inline constexpr std::int32_t kLumpTailBytes = 2 + 768 + 2;  // colour count, palette, zero

struct WadLump {
  // The directory entry.
  std::int32_t position = 0;
  std::int32_t storedSize = 0;
  std::int32_t fullSize = 0;
  std::uint8_t type = 0;
  std::uint8_t compression = 0;
  std::uint16_t padding = 0;  // bytes 14 and 15 of the entry
  std::array<std::uint8_t, 16> rawName{};
  std::string name;  // the characters before the first zero byte

  // From the body, when it lies inside the file (bodyRead).
  bool bodyRead = false;
  // Pictures: bytes 0 to 7. Fonts: width is derived from the size and the height.
  std::int64_t width = 0;
  std::int64_t height = 0;
  // Fonts: the four numbers of the lump header (first, height, second, first again).
  std::array<std::int32_t, 4> fontHeader{};
};

struct WadFile {
  std::uint64_t fileSize = 0;
  bool headerRead = false;
  std::uint32_t magic = 0;
  std::int32_t lumpCount = 0;
  std::int32_t directoryOffset = 0;
  std::vector<WadLump> lumps;  // the entries that could be read, at most seven

  // The first invariant that fails, empty when the file is a finished gfx.wad.
  std::string problem;
  bool Holds() const { return problem.empty(); }
};

// Parses a file whose first bytes are given (all of them, or a prefix when the file is
// larger than anything worth reading); fileSize is the file's real size.
WadFile ParseWad(std::span<const std::uint8_t> bytes, std::uint64_t fileSize);

// Reads a file from disk and parses it. The bytes read are left in contents (the whole
// file whenever it could be a gfx.wad). Returns nullopt with a reason when the file
// cannot be read at all.
std::optional<WadFile> ReadWadFile(const std::string& path, std::vector<std::uint8_t>& contents,
                                   std::string& error);

// One of the nine input files, rebuilt from a gfx.wad.
struct RebuiltInput {
  std::string fileName;  // "lambda.bmp", ..., "conchars.txt"
  std::vector<std::uint8_t> bytes;
};

// The nine input files, in checking order, that compile back into the given finished
// gfx.wad byte for byte: seven uncompressed bottom-up BMPs with 40-byte info headers and
// full palettes (pixels at 1078), and two metrics files following the line layout.
// False with a reason when the file holds something the compiler could never have
// written from inputs it accepts (a side not a multiple of 8 or above 256, a character
// entry whose fourth byte is not 0, a font header whose first and last numbers differ).
bool RebuildInputs(const WadFile& wad, std::span<const std::uint8_t> bytes, std::vector<RebuiltInput>& inputs,
                   std::string& problem);

// "0x42" for a type byte.
std::string TypeText(std::uint8_t type);

}  // namespace lumpforge
