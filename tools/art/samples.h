// The nine sample inputs of the compiler: five pictures, two font sheets and their
// metrics files, all drawn by our own code.
#pragma once

#include <string>

#include "art/file_set.h"

namespace lumpforge::art {

// lambda.bmp, lambda64.bmp, lambda32.bmp, paused.bmp, conchars.bmp, conchars.txt,
// creditsfont.bmp, creditsfont.txt, backtile.bmp.
FileSet MakeSamples();

// Where a font sheet keeps one character: the glyph's top-left pixel (y counted from the
// top of the sheet) and its width.
struct GlyphPlace {
  int x = 0;
  int y = 0;
  int width = 0;
};

// Console font: 8 x 8 cells, 32 to a row, code c at column c % 32 and row c / 32 of a
// 256 x 64 sheet. Codes 32..127 are the plain glyphs, 128..143 symbols, and 160..255
// repeat 32..127 in the highlight colour.
inline constexpr int kConsoleCell = 8;
inline constexpr int kConsoleSheetHeight = 64;
GlyphPlace ConsolePlace(int code);

// Credits font: glyphs of 32..127 at twice the size, packed left to right in rows 16
// pixels high, each as wide as its ink plus two columns of spacing.
inline constexpr int kCreditsRowHeight = 16;
GlyphPlace CreditsPlace(int code);
int CreditsRowCount();

// One metrics line "label N1 N2 N3" for a character at a place.
std::string MetricsLine(int code, const GlyphPlace& place);

}  // namespace lumpforge::art
