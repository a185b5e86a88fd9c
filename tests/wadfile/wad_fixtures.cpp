#include "wad_fixtures.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace lumpforge::testing {

Bytes CompileFolder(const std::filesystem::path& folder) {
  RecordingCompiler compiler(folder.string());
  CompileOutcome outcome = compiler.CompileWad();
  EXPECT_EQ(outcome, CompileOutcome::Written);
  EXPECT_TRUE(compiler.problems.empty()) << compiler.ProblemTexts().front();
  return ReadFile(folder / "gfx.wad");
}

namespace {

int RandomSide(std::mt19937& random) {
  std::uniform_int_distribution<int> pick(0, 32);
  int eighths = pick(random);
  return eighths * 8;  // 0 to 256
}

std::string RandomNumber(std::mt19937& random) {
  std::uniform_int_distribution<int> kind(0, 9);
  switch (kind(random)) {
    case 0:
      return std::to_string(std::uniform_int_distribution<int>(-1000, 1000)(random));
    case 1:
      return "+" + std::to_string(std::uniform_int_distribution<int>(0, 300)(random));
    default:
      return std::to_string(std::uniform_int_distribution<int>(0, 255)(random));
  }
}

std::string RandomMetrics(std::mt19937& random, int fullLines) {
  std::ostringstream text;
  std::uniform_int_distribution<int> percent(0, 99);
  const int lines = percent(random) < 15 ? std::uniform_int_distribution<int>(0, fullLines)(random) : fullLines;
  const char* breaks[] = {"\r\n", "\n", "\r"};
  const char* lineBreak = breaks[std::uniform_int_distribution<int>(0, 2)(random)];
  for (int line = 0; line < lines; ++line) {
    if (line >= 2 && line <= 7) {
      // Header candidates: often 0 so that a later line of the three counts.
      text << (percent(random) < 40 ? std::string("0") : RandomNumber(random));
    } else if (line >= 9) {
      const int code = line - 23;
      if (code == 32 || percent(random) < 5) {
        text << "  ";
      } else {
        text << static_cast<char>('!' + (code % 90)) << ' ';
      }
      text << RandomNumber(random) << ' ' << RandomNumber(random) << ' ' << RandomNumber(random);
    } else {
      text << "metrics of a test font";
    }
    text << lineBreak;
  }
  return text.str();
}

}  // namespace

void WriteRandomInputSet(const std::filesystem::path& folder, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> percent(0, 99);
  for (const LumpSlot& slot : kLumpSlots) {
    BmpSpec layout;
    const bool font = slot.type == kFontType;
    layout.width = font && percent(random) < 60 ? 256 : RandomSide(random);
    layout.height = RandomSide(random);
    if (percent(random) < 15) layout.height = -layout.height;
    if (layout.height > 0 && percent(random) < 20) layout.compression = 1;
    if (percent(random) < 15) layout.coloursUsed = static_cast<std::uint32_t>(std::uniform_int_distribution<int>(1, 256)(random));
    if (percent(random) < 10) layout.infoHeaderSize = 124;
    const std::uint32_t pixelSeed = random();
    layout.pixel = [pixelSeed](int x, int y) {
      std::uint32_t v = pixelSeed ^ (static_cast<std::uint32_t>(x) * 2654435761u) ^ (static_cast<std::uint32_t>(y) * 40503u);
      v ^= v >> 13;
      // Runs of equal pixels now and then, as drawn artwork has.
      return static_cast<std::uint8_t>((x / 4) % 3 == 0 ? pixelSeed >> 8 : v);
    };
    WriteFile(folder / (slot.bitmapLiteral + 1), MakeBmp(layout));
  }
  WriteText(folder / "conchars.txt", RandomMetrics(random, 217));
  WriteText(folder / "creditsfont.txt", RandomMetrics(random, 105));
}

}  // namespace lumpforge::testing
