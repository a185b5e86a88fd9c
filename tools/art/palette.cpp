#include "art/palette.h"

#include <algorithm>

namespace lumpforge::art {
namespace {

Rgb Mix(Rgb a, Rgb b, int step, int steps) {
  auto channel = [&](int x, int y) {
    return static_cast<std::uint8_t>(x + ((y - x) * step + (steps / 2)) / steps);
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Palette MakePalette() {
  Palette p{};
  for (int i = 0; i < 64; ++i) p[i] = Mix({0, 0, 0}, {255, 255, 255}, i, 63);
  const Rgb brown{28, 12, 4}, orange{255, 128, 0}, cream{255, 236, 204};
  for (int i = 0; i < 64; ++i)
    p[64 + i] = i <= kOrangeStep ? Mix(brown, orange, i, kOrangeStep)
                                 : Mix(orange, cream, i - kOrangeStep, 63 - kOrangeStep);
  for (int i = 0; i < 64; ++i) p[128 + i] = Mix({8, 10, 18}, {206, 218, 240}, i, 63);
  for (int i = 0; i < 32; ++i) p[192 + i] = Mix({4, 24, 8}, {150, 240, 140}, i, 31);
  for (int i = 0; i < 31; ++i) p[224 + i] = Mix({32, 4, 4}, {255, 110, 96}, i, 30);
  p[kTransparent] = {0, 0, 255};
  return p;
}

std::uint8_t Clamped(int base, int step, int last) {
  return static_cast<std::uint8_t>(base + std::clamp(step, 0, last));
}

}  // namespace

const Palette& SharedPalette() {
  static const Palette palette = MakePalette();
  return palette;
}

std::uint8_t Grey(int step) { return Clamped(0, step, 63); }
std::uint8_t Orange(int step) { return Clamped(64, step, 63); }
std::uint8_t Slate(int step) { return Clamped(128, step, 63); }
std::uint8_t Green(int step) { return Clamped(192, step, 31); }
std::uint8_t Red(int step) { return Clamped(224, step, 30); }

}  // namespace lumpforge::art
