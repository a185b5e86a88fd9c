#include "art/indexed_image.h"

#include <algorithm>
#include <cmath>

namespace lumpforge::art {

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void IndexedImage::Set(int x, int y, std::uint8_t colour) {
  if (Contains(x, y)) pixels_[Index(x, y)] = colour;
}

void IndexedImage::FillRect(int x, int y, int width, int height, std::uint8_t colour) {
  for (int row = y; row < y + height; ++row)
    for (int column = x; column < x + width; ++column) Set(column, row, colour);
}

void IndexedImage::FillShape(const std::function<bool(double, double)>& inside,
                             const std::function<std::uint8_t(int, int)>& colourAt) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (inside(x + 0.5, y + 0.5)) pixels_[Index(x, y)] = colourAt(x, y);
}

void IndexedImage::FillCircle(double cx, double cy, double radius, std::uint8_t colour) {
  FillShape([&](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; },
            [&](int, int) { return colour; });
}

void IndexedImage::ThickLine(double x0, double y0, double x1, double y1, double thickness,
                             std::uint8_t colour) {
  const double dx = x1 - x0, dy = y1 - y0;
  const double lengthSquared = dx * dx + dy * dy;
  FillShape(
      [&](double x, double y) {
        double t = lengthSquared > 0 ? ((x - x0) * dx + (y - y0) * dy) / lengthSquared : 0;
        t = std::clamp(t, 0.0, 1.0);
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= thickness / 2;
      },
      [&](int, int) { return colour; });
}

void IndexedImage::Outline(std::uint8_t background, const std::function<bool(std::uint8_t)>& isInk,
                           std::uint8_t outline) {
  std::vector<std::uint8_t> result = pixels_;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      if (At(x, y) != background) continue;
      const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& n : neighbours)
        if (Contains(n[0], n[1]) && isInk(At(n[0], n[1]))) {
          result[Index(x, y)] = outline;
          break;
        }
    }
  pixels_ = std::move(result);
}

void IndexedImage::Blit(const IndexedImage& other, int x, int y, int transparent) {
  for (int row = 0; row < other.Height(); ++row)
    for (int column = 0; column < other.Width(); ++column) {
      const std::uint8_t colour = other.At(column, row);
      if (colour != transparent) Set(x + column, y + row, colour);
    }
}

std::uint32_t Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

}  // namespace lumpforge::art
