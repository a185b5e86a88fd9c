#include "art/artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "art/glyphs.h"
#include "art/image_files.h"
#include "art/indexed_image.h"
#include "art/palette.h"

namespace lumpforge::art {
namespace {

// ---- Main window background, 340 x 261 ----------------------------------------------

constexpr int kBackgroundWidth = 340;
constexpr int kBackgroundHeight = 261;
constexpr int kFrame = 6;           // width of the light frame around the panel
constexpr int kTitleBandBottom = 40;  // the drag band: rows 0 to 39

// The title band is a flat gradient, row by row, so the logo's corners can match it.
std::uint8_t TitleBandColour(int y) { return Grey(17 - (y - kFrame) / 9); }

void DrawBevel(IndexedImage& image, int x, int y, int width, int height, std::uint8_t light,
               std::uint8_t dark) {
  image.FillRect(x, y, width, 1, light);
  image.FillRect(x, y, 1, height, light);
  image.FillRect(x, y + height - 1, width, 1, dark);
  image.FillRect(x + width - 1, y, 1, height, dark);
}

IndexedImage MakeBackground() {
  IndexedImage image(kBackgroundWidth, kBackgroundHeight, Grey(46));
  // The frame: raised on the outside, sunken where it meets the panel.
  DrawBevel(image, 0, 0, kBackgroundWidth, kBackgroundHeight, Grey(62), Grey(22));
  DrawBevel(image, 1, 1, kBackgroundWidth - 2, kBackgroundHeight - 2, Grey(55), Grey(32));
  DrawBevel(image, kFrame - 1, kFrame - 1, kBackgroundWidth - 2 * kFrame + 2,
            kBackgroundHeight - 2 * kFrame + 2, Grey(30), Grey(60));

  // A rivet in each corner of the frame: a dark head with a glint at its top left.
  for (int x : {2, kBackgroundWidth - 5})
    for (int y : {2, kBackgroundHeight - 5}) {
      image.FillRect(x, y, 3, 3, Grey(26));
      image.Set(x, y, Grey(58));
      image.Set(x + 2, y + 2, Grey(16));
    }

  // The panel: dark grey with a faint grain, lighter towards the top.
  Noise noise(0x1f2e3d4c);
  for (int y = kFrame; y < kBackgroundHeight - kFrame; ++y)
    for (int x = kFrame; x < kBackgroundWidth - kFrame; ++x) {
      if (y < kTitleBandBottom) {
        image.Set(x, y, TitleBandColour(y));
        continue;
      }
      // A smooth, dithered fall from step 13.6 to 10.8 with a faint grain.
      const double level = 13.6 - (y - kTitleBandBottom) * 2.8 / 215.0;
      image.Set(x, y, Grey(static_cast<int>(level + noise.Below(1000) / 1000.0)));
    }
  // A dark seam closing the title band, just above the divider line the window draws.
  image.FillRect(kFrame, kTitleBandBottom, kBackgroundWidth - 2 * kFrame, 1, Grey(9));

  // Two sunken wells behind the file-list columns.
  const int wells[2][4] = {{14, 156, 135, 97}, {150, 156, 157, 97}};
  for (const auto& well : wells) {
    image.FillRect(well[0], well[1], well[2], well[3], Grey(8));
    DrawBevel(image, well[0], well[1], well[2], well[3], Grey(4), Grey(20));
  }
  return image;
}

// ---- The maker's circular logo -------------------------------------------------------

IndexedImage MakeLogo(int size, const std::function<std::uint8_t(int x, int y)>& behind) {
  IndexedImage image(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) image.Set(x, y, behind(x, y));
  const double centre = size / 2.0;
  const double radius = size / 2.0 - 0.25;
  const double ring = size >= 32 ? 2.0 : 1.0;
  image.FillShape(
      [&](double x, double y) { return std::hypot(x - centre, y - centre) <= radius; },
      [&](int x, int y) {
        const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
        const double distance = std::hypot(dx, dy);
        if (distance > radius - ring) return Orange(8);
        // Lit from the top left.
        const double light = (-dx - dy) / (2 * radius);
        return Orange(kOrangeStep + static_cast<int>(std::lround(light * 14)));
      });
  // A cream quill across the disc, nib at the bottom left, with its dark shaft.
  const double length = radius * 1.55;
  const double vane = size >= 32 ? 4.2 : 2.3;
  const auto along = [&](double x, double y) {  // position along the quill, 0 at the nib
    return ((x - centre) - (y - centre)) / std::sqrt(2.0) + length / 2;
  };
  const auto across = [&](double x, double y) {
    return ((x - centre) + (y - centre)) / std::sqrt(2.0);
  };
  image.FillShape(
      [&](double x, double y) {
        const double t = along(x, y) / length;
        if (t < 0.28 || t > 1) return false;
        const double width = vane * std::pow(std::sin((t - 0.28) / 0.72 * 3.14159), 0.7);
        return std::abs(across(x, y) + 0.6) <= width;
      },
      [&](int x, int y) { return across(x + 0.5, y + 0.5) < -0.6 ? Orange(62) : Orange(56); });
  image.FillShape(
      [&](double x, double y) {
        const double t = along(x, y) / length;
        return t >= 0.02 && t <= 0.9 && std::abs(across(x, y) + 0.6) <= (size >= 32 ? 0.75 : 0.5);
      },
      [&](int, int) { return Orange(10); });
  return image;
}

// ---- About window banner, 284 x 224 --------------------------------------------------

constexpr int kBannerWidth = 284;
constexpr int kBannerHeight = 224;

IndexedImage MakeBanner() {
  IndexedImage image(kBannerWidth, kBannerHeight);
  // Dark slate, brushed: each pixel takes a little noise, and faint diagonal streaks run
  // across the whole picture.
  Noise noise(0x5eed1234);
  for (int y = 0; y < kBannerHeight; ++y)
    for (int x = 0; x < kBannerWidth; ++x) {
      int step = 7 - y / 56 + noise.Below(3) - 1;
      if (((x + 2 * y) / 3) % 23 == 0) step += 2;
      image.Set(x, y, Slate(step));
    }
  // Headline band at the top, a shade lighter, closed by an orange rule.
  for (int y = 0; y < 52; ++y)
    for (int x = 0; x < kBannerWidth; ++x)
      image.Set(x, y, Slate(13 - y / 8 + ((x * 7 + y * 13) % 11 == 0 ? 1 : 0)));
  image.FillRect(0, 52, kBannerWidth, 1, Orange(24));
  image.FillRect(0, 53, kBannerWidth, 1, Orange(kOrangeStep));
  image.FillRect(0, 54, kBannerWidth, 1, Orange(14));

  // The maker's name in large letters, orange, lit from above, with a dark shadow.
  const std::string_view name = "Quillmere";
  const int nameScale = 3;
  const int nameX = (kBannerWidth - TextWidth(name, nameScale)) / 2;
  DrawText(image, name, nameX + 2, 8 + 2, nameScale, Slate(1));
  {
    int x = nameX;
    for (unsigned char c : name) {
      const Glyph& glyph = GlyphFor(c);
      DrawGlyphShaded(image, glyph, x - glyph.FirstInkColumn() * nameScale, 8, nameScale,
                      [](int row) { return Orange(56 - row * 2); });
      x += (glyph.LastInkColumn() - glyph.FirstInkColumn() + 2) * nameScale;
    }
  }
  // The slogan beneath it.
  const std::string_view slogan = "Shaping worlds, one lump at a time";
  const int sloganX = (kBannerWidth - TextWidth(slogan, 1)) / 2;
  DrawText(image, slogan, sloganX + 1, 38 + 1, 1, Slate(1));
  DrawText(image, slogan, sloganX, 38, 1, Slate(54));

  // A soft orange glow in the bottom corners, so the dark lower part is not flat.
  for (int y = kBannerHeight - 24; y < kBannerHeight; ++y)
    for (int x = 0; x < kBannerWidth; ++x) {
      const int fromEdge = kBannerHeight - 1 - y;
      if (((x + y) % 4 == 0) && fromEdge < 12) image.Set(x, y, Slate(4 + fromEdge / 4));
    }
  return image;
}

// ---- Program icon --------------------------------------------------------------------

IndexedImage MakeIcon(int size) {
  IndexedImage image(size, size, kTransparent);
  const double corner = size / 5.0;
  auto insideRounded = [&](double x, double y, double inset) {
    const double lo = inset + corner, hi = size - inset - corner;
    const double cx = std::clamp(x, lo, hi), cy = std::clamp(y, lo, hi);
    return std::hypot(x - cx, y - cy) <= corner;
  };
  const double border = size >= 32 ? 2 : 1;
  image.FillShape([&](double x, double y) { return insideRounded(x, y, 0); },
                  [&](int, int) { return Orange(kOrangeStep - 6); });
  image.FillShape([&](double x, double y) { return insideRounded(x, y, border); },
                  [&](int, int y) { return Slate(16 - y * 10 / size); });
  // "LF" at 32 pixels, "L" at 16, in orange over a dark shadow.
  const std::string_view text = size >= 32 ? "LF" : "L";
  const int scale = 2;
  const int x = (size - TextWidth(text, scale)) / 2;
  const int y = (size - 7 * scale) / 2;
  DrawText(image, text, x + 1, y + 1, scale, Slate(0));
  DrawText(image, text, x, y, scale, Orange(50));
  return image;
}

// ---- Hand cursor ---------------------------------------------------------------------

// '.' transparent, '#' black, 'o' white; 32 columns, rows 0 to 31.
constexpr const char* kHand[32] = {
    "................................",  // 0
    "................................",
    "................................",
    "................................",
    "................................",
    "..........###...................",  // 5: the fingertip, hot spot at column 10
    ".........#ooo#..................",
    ".........#ooo#..................",
    ".........#ooo#..................",
    ".........#ooo#..................",
    ".........#ooo####...............",  // 10
    ".........#ooo#ooo####...........",
    ".........#ooo#ooo#ooo####.......",
    ".........#ooo#ooo#ooo#ooo#......",
    ".........#ooo#ooo#ooo#ooo#......",
    "....###..#ooo#ooo#ooo#ooo#......",  // 15
    "...#ooo#.#ooooooooooooooo#......",
    "...#oooo##ooooooooooooooo#......",
    "....#ooo#oooooooooooooooo#......",
    ".....#ooooooooooooooooooo#......",
    "......#oooooooooooooooooo#......",  // 20
    ".......#ooooooooooooooooo#......",
    "........#oooooooooooooooo#......",
    ".........#ooooooooooooooo#......",
    ".........#oooooooooooooo#.......",
    "..........#ooooooooooooo#.......",  // 25
    "..........###############.......",
    "................................",
    "................................",
    "................................",
    "................................",  // 30
    "................................",
};

}  // namespace

std::vector<std::uint8_t> MakeHandCursor() {
  std::vector<std::uint8_t> andMask(128, 0xFF), xorMask(128, 0x00);
  for (int y = 0; y < 32; ++y) {
    if (std::strlen(kHand[y]) != 32) {
      std::fprintf(stderr, "hand cursor row %d is malformed\n", y);
      std::abort();
    }
    for (int x = 0; x < 32; ++x) {
      const char pixel = kHand[y][x];
      const std::size_t byte = static_cast<std::size_t>(y * 4 + x / 8);
      const std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
      if (pixel == '.') continue;
      andMask[byte] &= static_cast<std::uint8_t>(~bit);
      if (pixel == 'o') xorMask[byte] |= bit;
    }
  }
  andMask.insert(andMask.end(), xorMask.begin(), xorMask.end());
  return andMask;
}

FileSet MakeArtwork() {
  const Palette& palette = SharedPalette();
  const IndexedImage background = MakeBackground();
  // The small logo sits on the main window's title band at (16, 20); the large one in
  // the About window's white frame.
  const IndexedImage logo16 = MakeLogo(16, [](int, int y) { return TitleBandColour(20 + y); });
  const IndexedImage logo32 = MakeLogo(32, [](int, int) { return Grey(63); });
  return {
      {"background.bmp", EncodeBitmap(background, palette)},
      {"logo16.bmp", EncodeBitmap(logo16, palette)},
      {"logo32.bmp", EncodeBitmap(logo32, palette)},
      {"banner.bmp", EncodeBitmap(MakeBanner(), palette)},
      {"icon16.png", EncodePng(MakeIcon(16), palette, kTransparent)},
      {"icon32.png", EncodePng(MakeIcon(32), palette, kTransparent)},
      {"hand_cursor.bin", MakeHandCursor()},
  };
}

}  // namespace lumpforge::art
