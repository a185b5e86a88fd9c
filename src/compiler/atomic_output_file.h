// The output of a compile. Bytes are gathered in memory and reach the disk only at
// Commit(): written in one go under a temporary name in the output's folder, flushed to
// the disk, and renamed over the old file. Until then the old file stays exactly as it
// was; Abandon() removes the temporary file.
#pragma once

#include <dirent.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumpforge {

class AtomicOutputFile {
 public:
  AtomicOutputFile() = default;
  ~AtomicOutputFile();
  AtomicOutputFile(const AtomicOutputFile&) = delete;
  AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

  // Creates the temporary file beside finalPath, after removing temporary files left
  // behind by compiles that no longer run. False when it cannot be created.
  bool Create(const std::string& finalPath);
  bool IsOpen() const { return tempFd_ >= 0; }

  std::int32_t Tell() const { return static_cast<std::int32_t>(position_); }
  void Seek(std::int32_t position) { position_ = static_cast<std::size_t>(position); }
  void Write(const void* bytes, std::size_t count);
  void Write32(std::int32_t value);
  void Write16(std::uint16_t value);
  void WriteZeros(std::size_t count);

  // Writes, flushes and renames over the final path. False (with the temporary file
  // removed and the old file untouched) when any step fails.
  bool Commit();
  // Drops everything written and removes the temporary file.
  void Abandon();

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void Reset();

  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
  DIR* dir_ = nullptr;  // the output's folder, also read for stale temporaries
  int dirFd_ = -1;
  int tempFd_ = -1;
  std::string tempName_;   // relative to the output's folder
  std::string finalName_;  // relative to the output's folder
};

// The prefix of the temporary names used for an output called name (".gfx.wad.lumpforge-tmp-").
std::string TemporaryPrefix(const std::string& name);

}  // namespace lumpforge
