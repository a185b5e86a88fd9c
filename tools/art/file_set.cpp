#include "art/file_set.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace lumpforge::art {

bool WriteFileSet(const std::string& folder, const FileSet& files, std::string& error) {
  for (const GeneratedFile& file : files) {
    const std::filesystem::path path = std::filesystem::path(folder) / file.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()),
              static_cast<std::streamsize>(file.bytes.size()));
    out.close();
    if (!out) {
      error = "cannot write " + path.string();
      return false;
    }
  }
  return true;
}

int RunGenerator(int argc, char** argv, const char* programName, const FileSet& files) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::printf("Usage: %s FOLDER\nWrites its generated files into FOLDER.\n", programName);
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "Usage: %s FOLDER\n", programName);
    return 2;
  }
  std::error_code ignored;
  std::filesystem::create_directories(argv[1], ignored);
  std::string error;
  if (!WriteFileSet(argv[1], files, error)) {
    std::fprintf(stderr, "%s: %s\n", programName, error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace lumpforge::art
