// The one 256-colour palette that every generated picture uses, and names for its ramps.
#pragma once

#include <array>
#include <cstdint>

namespace lumpforge::art {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

using Palette = std::array<Rgb, 256>;

// Ramps of 64 (grey, orange, slate) or 32 (green, red) steps, darkest first.
//   0..63    grey, black to white
//   64..127  orange: dark brown, the maker's orange (255, 128, 0) at step 40, pale cream
//   128..191 slate blue, near black to pale
//   192..223 green
//   224..254 red
//   255      the key colour a game draws as transparent (pure blue here, so it shows
//            plainly in an image editor)
const Palette& SharedPalette();

inline constexpr std::uint8_t kTransparent = 255;
inline constexpr std::uint8_t kOrangeStep = 40;  // orange step that is exactly (255, 128, 0)

std::uint8_t Grey(int step);    // 0..63
std::uint8_t Orange(int step);  // 0..63
std::uint8_t Slate(int step);   // 0..63
std::uint8_t Green(int step);   // 0..31
std::uint8_t Red(int step);     // 0..30

}  // namespace lumpforge::art
