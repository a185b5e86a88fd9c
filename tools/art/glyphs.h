// The project's own bitmap glyphs: a 5 x 8 design for every printable ASCII character
// (capitals on rows 0 to 6, row 7 for descenders), a house for code 127, and 8 x 8 symbols
// (arrows, box drawing, blocks) for codes 128 to 143.
#pragma once

#include <string_view>

#include "art/indexed_image.h"

namespace lumpforge::art {

struct Glyph {
  int width = 0;   // 5 for the letters, 8 for the symbols
  int height = 8;
  const char* rows = "";  // rows of `width` characters separated by blanks; '#' is ink

  bool Ink(int x, int y) const;
  // First and last column holding ink; {0, -1} for an empty glyph.
  int FirstInkColumn() const;
  int LastInkColumn() const;
};

// The glyph for a character code; codes without a design give an empty 5-wide glyph.
const Glyph& GlyphFor(int code);
bool HasDesign(int code);

// Draws the glyph with its top-left corner at (x, y), each glyph pixel a scale x scale
// block; colourAt(row) gives the colour of glyph row `row` (0..7).
void DrawGlyph(IndexedImage& image, const Glyph& glyph, int x, int y, int scale,
               std::uint8_t colour);
void DrawGlyphShaded(IndexedImage& image, const Glyph& glyph, int x, int y, int scale,
                     const std::function<std::uint8_t(int pixelRow)>& colourAt);

// Text with proportional spacing: each glyph advances by its ink width and one blank
// column (a blank advances 3 columns); all in glyph pixels times scale.
int TextWidth(std::string_view text, int scale);
void DrawText(IndexedImage& image, std::string_view text, int x, int y, int scale,
              std::uint8_t colour);

}  // namespace lumpforge::art
