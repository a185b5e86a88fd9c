// An 8-bit picture held top row first, and the drawing helpers the generators use.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace lumpforge::art {

class IndexedImage {
 public:
  IndexedImage(int width, int height, std::uint8_t fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  std::uint8_t At(int x, int y) const { return pixels_[Index(x, y)]; }
  // Drawing outside the picture is clipped silently.
  void Set(int x, int y, std::uint8_t colour);

  void FillRect(int x, int y, int width, int height, std::uint8_t colour);
  // Every pixel whose centre lies inside the shape; colourAt picks the colour per pixel.
  void FillShape(const std::function<bool(double x, double y)>& inside,
                 const std::function<std::uint8_t(int x, int y)>& colourAt);
  void FillCircle(double cx, double cy, double radius, std::uint8_t colour);
  // A line of the given thickness with round ends.
  void ThickLine(double x0, double y0, double x1, double y1, double thickness,
                 std::uint8_t colour);
  // Pixels that are `background` and touch (4 ways) a pixel for which isInk holds
  // become `outline`.
  void Outline(std::uint8_t background, const std::function<bool(std::uint8_t)>& isInk,
               std::uint8_t outline);
  // Copies another picture in at (x, y), leaving its `transparent` pixels out.
  void Blit(const IndexedImage& other, int x, int y, int transparent = -1);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

// A small deterministic noise source (xorshift), so textures come out the same each run.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
  std::uint32_t Next();
  int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint32_t>(bound)); }

 private:
  std::uint32_t state_;
};

}  // namespace lumpforge::art
