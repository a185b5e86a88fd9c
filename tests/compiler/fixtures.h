// Small fixtures for the compiler's tests: a BMP writer, a temporary folder holding a
// set of inputs, and a compiler that records what it would show the user.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "wad_compiler.h"

namespace lumpforge::testing {

using Bytes = std::vector<std::uint8_t>;

struct BmpSpec {
  std::int32_t width = 8;
  std::int32_t height = 8;            // negative: rows stored top row first
  std::uint16_t bitsPerPixel = 8;
  std::uint32_t infoHeaderSize = 40;
  std::uint32_t coloursUsed = 0;      // 0 writes a full palette of 256 entries
  std::uint32_t compression = 0;      // 1 writes RLE8 (one run per pixel row segment)
  std::int64_t pixelOffset = -1;      // -1: right after the palette
  std::uint32_t gapAfterPalette = 0;  // bytes between palette and pixels
  // Pixel index at (x, y), y counted from the top row.
  std::function<std::uint8_t(int x, int y)> pixel = [](int x, int y) {
    return static_cast<std::uint8_t>(x * 7 + y * 13);
  };
};

// Palette entry k as the BMP stores it (blue, green, red, reserved).
inline std::uint8_t PaletteBlue(int k) { return static_cast<std::uint8_t>(k); }
inline std::uint8_t PaletteGreen(int k) { return static_cast<std::uint8_t>(255 - k); }
inline std::uint8_t PaletteRed(int k) { return static_cast<std::uint8_t>(k * 3); }

Bytes MakeBmp(const BmpSpec& layout);

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
Bytes ReadFile(const std::filesystem::path& path);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Metrics text with the given header numbers and character lines "c N1 N2 N3" where
// the numbers come from entry(code).
std::string MetricsFile(int first, int second, int lineCount,
                        const std::function<std::string(int line)>& characterLine);

// Writes all nine inputs: every bitmap width x height, metrics files of full length.
void WriteInputSet(const std::filesystem::path& folder, int width = 8, int height = 8);

struct Problem {
  std::string text;
  int windowWidth;
  int labelWidth;
  bool operator==(const Problem&) const = default;
};

// A compiler for tests: the folder is given, problems and progress are recorded, and
// a test may act at a progress position (to change the folder mid-compile).
class RecordingCompiler : public WadCompiler {
 public:
  explicit RecordingCompiler(std::string folder) : chosenFolder(std::move(folder)) {}
  std::string chosenFolder;  // what the folder chooser would answer
  std::vector<Problem> problems;
  std::vector<int> progress;
  std::function<void(int position)> atProgress;

  std::vector<std::string> ProblemTexts() const;

 protected:
  std::string ChosenFolder() override { return chosenFolder; }
  void SetProgress(int position) override {
    progress.push_back(position);
    if (atProgress) atProgress(position);
  }
  void ShowProblem(const std::string& text, int windowWidth, int labelWidth) override {
    problems.push_back({text, windowWidth, labelWidth});
  }
};

// Little-endian reads from a byte buffer.
std::int32_t Le32(const Bytes& bytes, std::size_t at);
std::uint16_t Le16(const Bytes& bytes, std::size_t at);

}  // namespace lumpforge::testing
