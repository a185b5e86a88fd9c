// A set of generated files: names and contents, written into one folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumpforge::art {

struct GeneratedFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

using FileSet = std::vector<GeneratedFile>;

// Writes every file of the set into folder (which must exist), replacing files of the
// same name. Returns false and fills error when a file cannot be written.
bool WriteFileSet(const std::string& folder, const FileSet& files, std::string& error);

// The command-line front of both generators: one argument, the output folder.
int RunGenerator(int argc, char** argv, const char* programName, const FileSet& files);

}  // namespace lumpforge::art
