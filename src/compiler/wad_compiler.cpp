#include "wad_compiler.h"

#include <cstring>

namespace lumpforge {
namespace {

constexpr std::int32_t kWadMagic = 0x33444157;       // "WAD3"
constexpr std::int32_t kProvisionalDirectory = 86384;
constexpr std::int32_t kHeaderSize = 12;
constexpr std::uint16_t kPaletteColours = 256;

constexpr int kMissingWindowWidth = 250;
constexpr int kWriteFailedWindowWidth = 250;
constexpr int kWriteFailedLabelWidth = 200;

struct RuleMessage {
  BitmapRule rule;
  const char* literal;
  int windowWidth;
  int labelWidth;
};

constexpr RuleMessage kRuleMessages[] = {
    {BitmapRule::DimensionNotDivisibleBy8, " dimension not divisible by 8.", 310, 280},
    {BitmapRule::LargerThan256, " size larger than 256 pixels.", 300, 270},
    {BitmapRule::NotEightBitsPerPixel, " palette is not 256 colors.", 300, 270},
    {BitmapRule::Compressed, " pixel data is compressed.", 300, 270},
    {BitmapRule::Damaged, " is damaged or truncated.", 300, 270},
};

// Character table rows of the two fonts: which lines fill which codes.
struct FontRanges {
  int firstLineCount;   // lines 9 onward, for codes 32 onward
  int zeroEntries;      // zero entries after them
  bool secondRange;     // lines 121 to 216, for codes 160 to 255
};

FontRanges RangesOf(int slot) {
  if (slot == 4) return {112, 16, true};
  return {96, 128, false};
}

std::string BaseName(const std::string& path) {
  std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string WadCompiler::OutputFilePath() const {
  return OutputPath.empty() ? Folder + "/gfx.wad" : OutputPath;
}

CompileOutcome WadCompiler::CompileWad() {
  Folder = ChosenFolder();
  if (!CheckInputFiles()) return CompileOutcome::Refused;

  const std::string outputPath = OutputFilePath();
  struct WritingPass {
    bool& flag;
    explicit WritingPass(bool& f) : flag(f) { flag = true; }
    ~WritingPass() { flag = false; }
  } writing(writingPass_);
  auto reportWriteFailure = [&] {
    SourceFile.Close();
    OutputFile.Abandon();
    ShowProblem("Could not write " + BaseName(outputPath) + ".", kWriteFailedWindowWidth, kWriteFailedLabelWidth);
    return CompileOutcome::WriteFailed;
  };

  if (!OutputFile.Create(outputPath)) return reportWriteFailure();
  WriteWadHeader();
  SetProgress(10);
  SlotIndex = 0;
  writeFailed_ = false;

  try {
    for (const LumpSlot& slot : kLumpSlots) {
      if (!SourceFile.OpenKnown(Folder, slot.bitmapLiteral, CheckedSize(slot.bitmapLiteral))) {
        return reportWriteFailure();
      }
      if (slot.type == kFontType) {
        WriteFontLump();
      } else {
        WritePictureLump();
      }
      if (writeFailed_) return reportWriteFailure();
      if (slot.progressAfter != 0) SetProgress(slot.progressAfter);
      SourceFile.Close();
    }
  } catch (const MetricsLoadError&) {
    SourceFile.Close();
    OutputFile.Abandon();
    throw;
  }

  WriteLumpDirectory();
  if (!OutputFile.Commit()) return reportWriteFailure();
  return CompileOutcome::Written;
}

std::uint64_t WadCompiler::CheckedSize(const char* literal) const {
  for (int step = 0; step < kInputStepCount; ++step) {
    if (std::strcmp(kInputSteps[step].literal, literal) == 0) return checkedSizes_[step];
  }
  return 0;
}

bool WadCompiler::CheckInputFiles() {
  bool result = true;
  for (int index = 0; index < kInputStepCount; ++index) {
    const InputStep& step = kInputSteps[index];
    bool opened = SourceFile.Open(Folder, step.literal);
    checkedSizes_[index] = SourceFile.Size();
    if (!opened) {
      result = false;
      ShowProblem(std::string("Could not locate ") + step.fileName + ".", kMissingWindowWidth, step.labelWidth);
    } else if (step.isBitmap && !CheckBitmapHeader(step.fileName)) {
      result = false;
    }
    SourceFile.Close();
  }
  return result;
}

void WadCompiler::ReportRule(const std::string& name, BitmapRule rule) {
  for (const RuleMessage& message : kRuleMessages) {
    if (message.rule == rule) ShowProblem(name + message.literal, message.windowWidth, message.labelWidth);
  }
}

bool WadCompiler::CheckBitmapHeader(const std::string& name) {
  std::uint8_t headers[kBitmapHeadersSize] = {};
  std::size_t got = SourceFile.ReadAt(0, headers, sizeof headers);
  BitmapHeader header = BitmapHeader::Parse(std::span<const std::uint8_t>(headers, got), SourceFile.Size());

  std::vector<BitmapRule> failures = DimensionAndDepthFailures(header);
  if (failures.empty()) {
    // Only RLE8 data has to be read to know whether the file holds what it describes;
    // for everything else the headers and the file's size tell.
    std::vector<std::uint8_t> pixelData;
    if (header.compression == 1 && header.pixelDataOffset < header.fileSize) {
      pixelData.resize(static_cast<std::size_t>(header.fileSize - header.pixelDataOffset));
      pixelData.resize(SourceFile.ReadAt(header.pixelDataOffset, pixelData.data(), pixelData.size()));
    }
    failures = LayoutFailures(header, pixelData);
  }
  for (BitmapRule rule : failures) ReportRule(name, rule);
  return failures.empty();
}

void WadCompiler::WriteWadHeader() {
  OutputFile.Write32(kWadMagic);
  OutputFile.Write32(kLumpCount);
  OutputFile.Write32(kProvisionalDirectory);
}

bool WadCompiler::ReadSourceBitmap(BitmapImage& image) {
  if (!SourceFile.ReadAll(fileBytes_) || !DecodeBitmap(fileBytes_, image)) {
    writeFailed_ = true;
    return false;
  }
  return true;
}

void WadCompiler::WritePixelsAndPalette(const BitmapImage& image) {
  OutputFile.Write(image.pixels.data(), image.pixels.size());
  OutputFile.Write16(kPaletteColours);
  OutputFile.Write(image.palette, sizeof image.palette);
  OutputFile.Write16(0);
}

void WadCompiler::WritePictureLump() {
  const int slot = SlotIndex;
  LumpOffset[slot] = OutputFile.Tell();
  if (ReadSourceBitmap(image_)) {
    LumpWidth[slot] = image_.width;
    LumpHeight[slot] = image_.height;
    OutputFile.Write32(image_.width);
    OutputFile.Write32(image_.height);
    WritePixelsAndPalette(image_);
  }
  SlotIndex = slot + 1;
}

void WadCompiler::WriteFontLump() {
  const int slot = SlotIndex;
  if (!ReadSourceBitmap(image_)) {
    SlotIndex = slot + 1;
    return;
  }
  LumpWidth[slot] = image_.width;
  LumpHeight[slot] = image_.height;
  LoadMetricsFile(slot);
  LumpOffset[slot] = OutputFile.Tell();

  const std::int32_t first = HeaderNumber(2);
  const std::int32_t second = HeaderNumber(5);
  OutputFile.Write32(first);
  OutputFile.Write32(image_.height);
  OutputFile.Write32(second);
  OutputFile.Write32(first);

  const FontRanges ranges = RangesOf(slot);
  auto writeLines = [&](int from, int count) {
    for (int line = from; line < from + count; ++line) {
      std::array<std::uint8_t, 4> entry = CharacterEntry(line);
      OutputFile.Write(entry.data(), entry.size());
    }
  };
  OutputFile.WriteZeros(32 * 4);
  writeLines(9, ranges.firstLineCount);
  OutputFile.WriteZeros(static_cast<std::size_t>(ranges.zeroEntries) * 4);
  if (ranges.secondRange) writeLines(121, 96);

  WritePixelsAndPalette(image_);
  SlotIndex = slot + 1;
}

void WadCompiler::WriteLumpDirectory() {
  std::int32_t total = kHeaderSize;
  for (int slot = 0; slot < kLumpCount; ++slot) {
    const LumpSlot& row = kLumpSlots[slot];
    OutputFile.Write32(LumpOffset[slot]);
    const std::int32_t overhead = row.type == kFontType ? kFontOverhead : kPictureOverhead;
    const std::int32_t size = LumpHeight[slot] * LumpWidth[slot] + overhead;
    total += size;
    OutputFile.Write32(size);
    OutputFile.Write32(size);
    OutputFile.Write32(row.type);
    char name[16] = {};
    std::memcpy(name, row.lumpName, std::strlen(row.lumpName));
    OutputFile.Write(name, sizeof name);
  }
  OutputFile.Seek(8);
  OutputFile.Write32(total);
}

void WadCompiler::LoadMetricsFile(int slot) {
  const LumpSlot& row = kLumpSlots[slot >= 0 && slot < kLumpCount ? slot : 0];
  if (slot < 0 || slot >= kLumpCount || row.metricsLiteral == nullptr) return;
  const std::string path = Folder + row.metricsLiteral;
  if (!writingPass_) {
    Memo1.Load(path);
    return;
  }
  // During a compile the file's size is known from the check.
  InputFile file;
  if (!file.OpenKnown(Folder, row.metricsLiteral, CheckedSize(row.metricsLiteral))) {
    throw MetricsLoadError("Cannot open file " + path);
  }
  Memo1.Load(file, path);
}

std::int32_t WadCompiler::HeaderNumber(int firstLine) {
  for (int line = firstLine; line < firstLine + 2; ++line) {
    std::int32_t value = ReadNumber(Memo1.Line(line));
    if (value != 0) return value;
  }
  return ReadNumber(Memo1.Line(firstLine + 2));
}

std::array<std::uint8_t, 4> WadCompiler::CharacterEntry(int line) { return ParseCharacterLine(Memo1.Line(line)); }

}  // namespace lumpforge
