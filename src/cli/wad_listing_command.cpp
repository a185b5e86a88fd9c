// lumpforge-cli inspect FILE: lists a gfx.wad and checks the invariants of a finished file.
#include <iomanip>
#include <sstream>

#include "commands.h"
#include "lump_table.h"
#include "wad_file.h"

namespace lumpforge::cli {
namespace {

constexpr const char* kInspectUsage = "Usage: lumpforge-cli inspect FILE\n";

std::string MagicText(std::uint32_t magic) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    auto c = static_cast<unsigned char>(magic >> (8 * i));
    if (c >= 32 && c < 127) {
      text += static_cast<char>(c);
    } else {
      std::ostringstream hex;
      hex << "\\x" << std::hex << std::setw(2) << std::setfill('0') << int{c};
      text += hex.str();
    }
  }
  return text;
}

std::string Printable(const std::string& name) {
  std::string text;
  for (unsigned char c : name) text += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
  return text.empty() ? "(no name)" : text;
}

void PrintListing(const WadFile& wad, const std::string& path, std::ostream& out) {
  out << path << ": " << wad.fileSize << " bytes\n";
  if (!wad.headerRead) return;
  out << "header: magic " << MagicText(wad.magic) << ", " << wad.lumpCount << " lumps, directory at "
      << wad.directoryOffset << "\n";
  for (const WadLump& lump : wad.lumps) {
    out << std::left << std::setw(12) << Printable(lump.name) << std::right << " type " << TypeText(lump.type)
        << "  position " << std::setw(6) << lump.position << "  size " << std::setw(6) << lump.storedSize;
    if (lump.fullSize != lump.storedSize) out << " (full size " << lump.fullSize << ")";
    if (lump.compression != 0) out << "  compression " << int{lump.compression};
    if (!lump.bodyRead) {
      out << "  (body outside the file)";
    } else if (lump.type == kFontType) {
      const auto& h = lump.fontHeader;
      out << "  font header " << h[0] << " " << h[1] << " " << h[2] << " " << h[3];
      if (lump.width > 0) out << " (" << lump.width << " x " << lump.height << ")";
    } else {
      out << "  picture " << lump.width << " x " << lump.height;
    }
    out << "\n";
  }
}

}  // namespace

int RunInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string path;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && (arg == "-h" || arg == "--help")) {
      out << kInspectUsage << "Lists the header and directory of a gfx.wad and checks that it is a finished file.\n"
          << "Exit status: 0 when it is, 1 when it is not (the reason goes to standard error), 2 wrong usage.\n";
      return kExitOk;
    }
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      err << "lumpforge-cli inspect: unknown option '" << arg << "'\n" << kInspectUsage;
      return kExitUsage;
    }
    if (!path.empty()) {
      err << "lumpforge-cli inspect: more than one file given\n" << kInspectUsage;
      return kExitUsage;
    }
    path = arg;
  }
  if (path.empty()) {
    err << "lumpforge-cli inspect: no file given\n" << kInspectUsage;
    return kExitUsage;
  }

  std::vector<std::uint8_t> contents;
  std::string error;
  std::optional<WadFile> wad = ReadWadFile(path, contents, error);
  if (!wad) {
    err << "lumpforge-cli inspect: cannot read " << path << ": " << error << "\n";
    return kExitRefused;
  }
  PrintListing(*wad, path, out);
  if (!wad->Holds()) {
    err << "lumpforge-cli inspect: " << path << " is not a finished gfx.wad: " << wad->problem << "\n";
    return kExitRefused;
  }
  out << "all invariants hold\n";
  return kExitOk;
}

}  // namespace lumpforge::cli
