// The WAD compiler: turns the nine input files of one folder into that folder's gfx.wad.
//
// The compile job and its writers are operations without arguments that work on the
// members below (the compile state). Whoever drives the compiler derives from
// WadCompiler and answers three small hooks: which folder was chosen, where the progress
// bar stands, and showing one problem to the user (waiting until it has been seen).
// The windowed program answers them with its folder chooser and message window, the
// command line with standard error.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "bitmap_file.h"
#include "input_file.h"
#include "lump_table.h"
#include "metrics_text.h"
#include "atomic_output_file.h"

namespace lumpforge {


// How a compile ended. The windowed program ignores it (everything the user needs has
// been shown); the command line turns it into its exit status.
enum class CompileOutcome {
  Written,       // gfx.wad was replaced by a complete new file
  Refused,       // the input checks failed; nothing was written
  WriteFailed,   // the output could not be written; the old file is untouched
};

class WadCompiler {
 public:
  WadCompiler() = default;
  virtual ~WadCompiler() = default;
  WadCompiler(const WadCompiler&) = delete;
  WadCompiler& operator=(const WadCompiler&) = delete;

  // Compile job. Throws MetricsLoadError (after closing everything and removing the
  // unfinished output) when a metrics file cannot be loaded.
  CompileOutcome CompileWad();

  // Input checks: report every problem through ShowProblem, in order.
  bool CheckInputFiles();
  bool CheckBitmapHeader(const std::string& name);

  // Writers, in the order the compile job calls them.
  void WriteWadHeader();
  void WritePictureLump();
  void WriteFontLump();
  void WriteLumpDirectory();

  // Metrics file reader.
  void LoadMetricsFile(int slot);
  std::int32_t HeaderNumber(int firstLine);
  std::array<std::uint8_t, 4> CharacterEntry(int line);

  // Where the output goes: empty means Folder + "/gfx.wad".
  std::string OutputPath;

  // The compile state.
  InputFile SourceFile;
  AtomicOutputFile OutputFile;
  std::int32_t LumpWidth[kLumpCount] = {};
  std::int32_t LumpHeight[kLumpCount] = {};
  std::int32_t LumpOffset[kLumpCount] = {};
  std::int32_t SlotIndex = 0;
  std::string Folder;

  // The hidden line reader of the metrics files.
  MetricsText Memo1;

 protected:
  // The folder the user chose (the folder chooser's current directory).
  virtual std::string ChosenFolder() = 0;
  // Sets the progress bar (range 0 to 70).
  virtual void SetProgress(int position) = 0;
  // Shows one problem and returns once the user has seen it. The widths are those of
  // the message window and of its text label.
  virtual void ShowProblem(const std::string& text, int windowWidth, int labelWidth) = 0;

 private:
  std::string OutputFilePath() const;
  void ReportRule(const std::string& name, BitmapRule rule);
  // Reads and decodes the bitmap open in SourceFile; false (and the compile is marked
  // as failed) when it can no longer be read as it was checked.
  bool ReadSourceBitmap(BitmapImage& image);
  void WritePixelsAndPalette(const BitmapImage& image);

  // The size each input had when it was checked, by checking step.
  std::uint64_t checkedSizes_[kInputStepCount] = {};
  std::uint64_t CheckedSize(const char* literal) const;

  bool writingPass_ = false;  // between the checks and the end of the compile
  bool writeFailed_ = false;
  BitmapImage image_;
  std::vector<std::uint8_t> fileBytes_;
};

}  // namespace lumpforge
