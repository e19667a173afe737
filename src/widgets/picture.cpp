#include "widgets/picture.h"

#include <string>

#include "platform/exception.h"

namespace qm::widgets {

Picture::Picture(int width, int height) : width_(width), height_(height) {
  if (width < 0 || height < 0) {
    throw Exception("Invalid picture size " + std::to_string(width) + " x " +
                    std::to_string(height));
  }
  pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

std::size_t Picture::IndexOf(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    throw Exception("Pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                    ") lies outside the " + std::to_string(width_) + " x " +
                    std::to_string(height_) + " picture");
  }
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
         static_cast<std::size_t>(x);
}

Rgba Picture::Pixel(int x, int y) const { return pixels_[IndexOf(x, y)]; }

void Picture::SetPixel(int x, int y, Rgba pixel) { pixels_[IndexOf(x, y)] = pixel; }

} // namespace qm::widgets
