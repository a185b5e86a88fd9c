#include "art/samples.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "art/glyphs.h"
#include "art/image_files.h"
#include "art/indexed_image.h"
#include "art/palette.h"

namespace lumpforge::art {
namespace {

constexpr int kSheetWidth = 256;

// ---- Pictures ------------------------------------------------------------------------

// A cream lambda on a dark hexagonal plate with an orange rim, on the transparent index.
IndexedImage MakeLambda(int size) {
  IndexedImage image(size, size, kTransparent);
  const double s = size, centre = s / 2;
  // A hexagon with flat top and bottom: |y| <= h and |x| + |y| * tan(30) <= r.
  const auto inHexagon = [&](double x, double y, double inset) {
    const double r = s / 2 - 0.5 - inset, h = r * 0.866;
    const double dx = std::abs(x - centre), dy = std::abs(y - centre);
    return dy <= h && dx + dy * 0.57735 <= r;
  };
  const double rim = std::max(1.0, s / 20);
  image.FillShape([&](double x, double y) { return inHexagon(x, y, 0); },
                  [&](int, int) { return Orange(kOrangeStep - 4); });
  image.FillShape([&](double x, double y) { return inHexagon(x, y, rim); },
                  [&](int, int y) { return Slate(14 - y * 10 / size); });
  const double stroke = std::max(2.5, s / 9);
  IndexedImage strokes(size, size, 0);
  strokes.ThickLine(0.38 * s, 0.27 * s, 0.66 * s, 0.73 * s, stroke, 1);
  strokes.ThickLine(0.51 * s, 0.49 * s, 0.35 * s, 0.73 * s, stroke * 0.85, 1);
  strokes.ThickLine(0.31 * s, 0.27 * s, 0.40 * s, 0.27 * s, stroke * 0.7, 1);  // the serif
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (strokes.At(x, y) == 1) image.Set(x, y, Orange(62 - y * 12 / size));
  // A one-pixel shadow under the strokes, to the right and below.
  for (int y = size - 1; y > 0; --y)
    for (int x = size - 1; x > 0; --x)
      if (strokes.At(x, y) == 0 && strokes.At(x - 1, y - 1) == 1 && inHexagon(x + 0.5, y + 0.5, rim))
        image.Set(x, y, Slate(2));
  return image;
}

IndexedImage MakePaused() {
  IndexedImage image(128, 32, kTransparent);
  const std::string_view text = "PAUSED";
  const int scale = 3;
  const int x = (image.Width() - TextWidth(text, scale)) / 2;
  const int y = (image.Height() - 7 * scale) / 2;
  int pen = x;
  for (unsigned char c : text) {
    const Glyph& glyph = GlyphFor(c);
    DrawGlyphShaded(image, glyph, pen - glyph.FirstInkColumn() * scale, y, scale,
                    [](int row) { return Orange(58 - row); });
    pen += (glyph.LastInkColumn() - glyph.FirstInkColumn() + 2) * scale;
  }
  image.Outline(kTransparent, [](std::uint8_t c) { return c != kTransparent && c != Orange(2); },
                Orange(2));
  return image;
}

// An opaque 64 x 64 tile of dark stone bricks that repeats without seams.
IndexedImage MakeBacktile() {
  IndexedImage image(64, 64, Grey(5));
  Noise noise(0xb7c3d2e1);
  for (int row = 0; row < 4; ++row) {
    const int offset = (row % 2) * 16;
    for (int column = -1; column < 2; ++column) {
      const int bx = column * 32 + offset, by = row * 16;
      const int tone = 13 + noise.Below(4);
      for (int y = by + 1; y < by + 15; ++y)
        for (int x = bx + 1; x < bx + 31; ++x) {
          int step = tone + noise.Below(3) - 1;
          if (y == by + 1 || x == bx + 1) step += 3;        // lit top and left edges
          if (y == by + 14 || x == bx + 30) step -= 4;      // shaded bottom and right
          image.Set((x + 64) % 64, y, Grey(step));
        }
    }
  }
  return image;
}

// ---- Font sheets ---------------------------------------------------------------------

bool CoveredByConsole(int code) { return (code >= 32 && code <= 143) || code >= 160; }
int PlainCode(int code) { return code >= 160 ? code - 128 : code; }

IndexedImage MakeConsoleSheet() {
  IndexedImage image(kSheetWidth, kConsoleSheetHeight, kTransparent);
  for (int code = 32; code < 256; ++code) {
    if (!CoveredByConsole(code)) continue;
    const GlyphPlace place = ConsolePlace(code);
    const Glyph& glyph = GlyphFor(PlainCode(code));
    const int inset = (kConsoleCell - glyph.width) / 2;
    const std::uint8_t colour = code >= 160   ? Orange(kOrangeStep + 4)
                                : code >= 128 ? Slate(52)
                                              : Grey(58);
    DrawGlyph(image, glyph, place.x + inset, place.y, 1, colour);
  }
  return image;
}

// Width in sheet pixels that a credits glyph takes, spacing included.
int CreditsWidth(int code) {
  const Glyph& glyph = GlyphFor(code);
  if (glyph.LastInkColumn() < 0) return 8;  // the blank
  return (glyph.LastInkColumn() - glyph.FirstInkColumn() + 1) * 2 + 2;
}

// Lays the credits glyphs out once: left to right, a new row when one would not fit.
const std::array<GlyphPlace, 128>& CreditsLayout() {
  static const std::array<GlyphPlace, 128> layout = [] {
    std::array<GlyphPlace, 128> places{};
    int x = 0, y = 0;
    for (int code = 32; code < 128; ++code) {
      const int width = CreditsWidth(code);
      if (x + width > kSheetWidth) {
        x = 0;
        y += kCreditsRowHeight;
      }
      places[static_cast<std::size_t>(code)] = {x, y, width};
      x += width;
    }
    return places;
  }();
  return layout;
}

IndexedImage MakeCreditsSheet() {
  IndexedImage image(kSheetWidth, CreditsRowCount() * kCreditsRowHeight, kTransparent);
  for (int code = 33; code < 128; ++code) {
    const GlyphPlace place = CreditsPlace(code);
    const Glyph& glyph = GlyphFor(code);
    // Cream at the top of a letter turning to the maker's orange at its foot.
    DrawGlyphShaded(image, glyph, place.x - glyph.FirstInkColumn() * 2, place.y, 2,
                    [](int row) { return Orange(60 - row * 2); });
  }
  return image;
}

// ---- Metrics files -------------------------------------------------------------------

std::string MetricsFile(std::string_view title, std::string_view note, int rowHeight,
                        int rows, int firstCode, int lastCode,
                        GlyphPlace (*place)(int), bool (*covered)(int)) {
  std::string text;
  auto line = [&](std::string_view content) {
    text.append(content);
    text.push_back('\n');
  };
  line(title);                                            // line 0
  line(note);                                             // line 1
  line(std::to_string(rowHeight) + " glyph row height");  // lines 2 to 4
  line("0");
  line("0");
  line(std::to_string(rows) + " glyph rows");  // lines 5 to 7
  line("0");
  line("0");
  line("char lo hi width");  // line 8
  for (int code = firstCode; code <= lastCode; ++code)
    if (covered(code)) line(MetricsLine(code, place(code)));
  return text;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

GlyphPlace ConsolePlace(int code) {
  return {(code % 32) * kConsoleCell, (code / 32) * kConsoleCell, kConsoleCell};
}

GlyphPlace CreditsPlace(int code) { return CreditsLayout()[static_cast<std::size_t>(code & 127)]; }

int CreditsRowCount() { return CreditsLayout()[127].y / kCreditsRowHeight + 1; }

std::string MetricsLine(int code, const GlyphPlace& place) {
  const int offset = place.y * kSheetWidth + place.x;
  // The label is the character itself where it is a printable ASCII character; others
  // get "#" and their code, which keeps the file plain ASCII. The blank's label is the
  // blank itself, so its line begins with two blanks.
  std::string label;
  if (code >= 32 && code < 127) label = std::string(1, static_cast<char>(code));
  else label = "#" + std::to_string(code);
  return label + " " + std::to_string(offset & 0xFF) + " " + std::to_string(offset >> 8) + " " +
         std::to_string(place.width);
}

FileSet MakeSamples() {
  const Palette& palette = SharedPalette();
  const std::string conchars =
      MetricsFile("Lumpforge console font", "cells 8 x 8, 32 per row", kConsoleCell,
                  kConsoleSheetHeight / kConsoleCell, 32, 255, ConsolePlace, CoveredByConsole);
  const std::string credits = MetricsFile(
      "Lumpforge credits font", "glyphs 16 high, packed", kCreditsRowHeight, CreditsRowCount(),
      32, 127, CreditsPlace, [](int) { return true; });
  return {
      {"lambda.bmp", EncodeBitmap(MakeLambda(128), palette)},
      {"lambda64.bmp", EncodeBitmap(MakeLambda(64), palette)},
      {"lambda32.bmp", EncodeBitmap(MakeLambda(32), palette)},
      {"paused.bmp", EncodeBitmap(MakePaused(), palette)},
      {"conchars.bmp", EncodeBitmap(MakeConsoleSheet(), palette)},
      {"conchars.txt", Bytes(conchars)},
      {"creditsfont.bmp", EncodeBitmap(MakeCreditsSheet(), palette)},
      {"creditsfont.txt", Bytes(credits)},
      {"backtile.bmp", EncodeBitmap(MakeBacktile(), palette)},
  };
}

}  // namespace lumpforge::art
