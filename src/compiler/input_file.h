// An input file of the compile, opened for reading by its place in the chosen folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumpforge {

class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Opens folder + literal ("/lambda.bmp") for reading. Only regular files open (a
  // folder, device, FIFO or dangling link does not), decided before opening so nothing
  // blocks. When the exact name is absent and exactly one entry of the folder has the
  // same name ignoring ASCII letter case, that entry is used instead.
  bool Open(const std::string& folder, const char* literal);
  // Opens a file again whose size is known from an earlier Open, without asking the
  // file system for its type or size: ReadAll then succeeds only when the file still
  // holds exactly that many bytes (anything that is no longer a regular file of that
  // size fails there).
  bool OpenKnown(const std::string& folder, const char* literal, std::uint64_t size);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Size of the file when it was opened.
  std::uint64_t Size() const { return size_; }
  // The size the open file has now (0 when it cannot be told).
  std::uint64_t CurrentSize() const;
  // Reads up to count bytes at offset; returns how many were read.
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count);
  // Reads the whole file in one go; false when it could not be read completely.
  bool ReadAll(std::vector<std::uint8_t>& bytes);

 private:
  bool OpenPath(const std::string& path);

  int fd_ = -1;
  std::uint64_t size_ = 0;
  bool sizeKnownOnly_ = false;
};

// The path under which folder + literal is found: the exact path, or the single entry
// that matches it ignoring ASCII letter case. Empty when neither exists.
std::string ResolveInputPath(const std::string& folder, const char* literal);

}  // namespace lumpforge
