// A small RGBA image: the glyph of a picture button or the contents of an image.
#pragma once

#include <cstdint>
#include <vector>

namespace qm::widgets {

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;

  bool operator==(const Rgba&) const = default;
};

class Picture {
public:
  Picture() = default;
  // A width x height picture of transparent black pixels. Negative sizes raise
  // qm::Exception.
  Picture(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Pixels outside the picture raise qm::Exception.
  Rgba Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgba pixel);
  // Row by row, top row first.
  const std::vector<Rgba>& Pixels() const { return pixels_; }

  bool operator==(const Picture&) const = default;

private:
  std::size_t IndexOf(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

} // namespace qm::widgets
