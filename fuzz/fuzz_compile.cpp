// A whole compile with one input replaced by the fuzzer's bytes: the first byte picks
// which (0 to 6 a bitmap of that slot, 7 conchars.txt), the rest is the file. The other
// eight inputs are small valid files. Whatever the input, the compile either refuses it
// or writes a gfx.wad that the reader accepts and can rebuild into inputs again.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lump_table.h"
#include "wad_compiler.h"
#include "wad_file.h"

using namespace lumpforge;

namespace {

std::string folder;

class QuietCompiler : public WadCompiler {
 protected:
  std::string ChosenFolder() override { return folder; }
  void SetProgress(int) override {}
  void ShowProblem(const std::string&, int, int) override {}
};

void WriteWhole(const std::string& path, const std::uint8_t* data, std::size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

std::vector<std::uint8_t> SmallBitmap() {
  std::vector<std::uint8_t> bmp(1078 + 64, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bmp.size()));
  put32(10, 1078);
  put32(14, 40);
  put32(18, 8);
  put32(22, 8);
  bmp[26] = 1;
  bmp[28] = 8;
  for (std::size_t i = 54; i < bmp.size(); ++i) bmp[i] = static_cast<std::uint8_t>(i * 7);
  return bmp;
}

void WriteValidSet() {
  const std::vector<std::uint8_t> bmp = SmallBitmap();
  for (const LumpSlot& slot : kLumpSlots) WriteWhole(folder + slot.bitmapLiteral, bmp.data(), bmp.size());
  std::string metrics = "title\n\n8\n\n\n16\n\n\n\n";
  for (int line = 9; line < 217; ++line) metrics += "c " + std::to_string(line) + " 1 8\n";
  for (const char* name : {"/conchars.txt", "/creditsfont.txt"}) {
    WriteWhole(folder + name, reinterpret_cast<const std::uint8_t*>(metrics.data()), metrics.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/dev/shm/lumpforge-fuzz-XXXXXX";
  char pattern2[] = "/tmp/lumpforge-fuzz-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (!made) made = mkdtemp(pattern2);
  if (!made) std::abort();
  folder = made;
  std::atexit([] { std::system(("rm -rf '" + folder + "'").c_str()); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  WriteValidSet();
  const int which = data[0] % 8;
  const std::string path = folder + (which < 7 ? kLumpSlots[which].bitmapLiteral : "/conchars.txt");
  WriteWhole(path, data + 1, size - 1);

  QuietCompiler compiler;
  CompileOutcome outcome = CompileOutcome::Refused;
  try {
    outcome = compiler.CompileWad();
  } catch (const MetricsLoadError&) {
    return 0;  // too large a metrics file: refused with its message
  }
  if (outcome == CompileOutcome::WriteFailed) std::abort();  // nothing here can fail to write
  if (outcome != CompileOutcome::Written) return 0;

  std::vector<std::uint8_t> contents;
  std::string error;
  std::optional<WadFile> wad = ReadWadFile(folder + "/gfx.wad", contents, error);
  if (!wad || !wad->Holds()) std::abort();
  std::vector<RebuiltInput> inputs;
  if (!RebuildInputs(*wad, contents, inputs, error)) std::abort();
  return 0;
}
