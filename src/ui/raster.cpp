#include "ui/raster.h"

#include <algorithm>
#include <cmath>

namespace qm::ui {
namespace {

// Runs `inside(px, py)` for the centre of every pixel of the picture that lies in
// the box [x0, x1) x [y0, y1), and paints the pixels where it answers true.
template <class Inside>
void FillWhere(widgets::Picture& picture, double x0, double y0, double x1, double y1,
               widgets::Rgba color, Inside inside) {
  const int left = std::max(0, static_cast<int>(std::floor(x0)));
  const int top = std::max(0, static_cast<int>(std::floor(y0)));
  const int right = std::min(picture.Width(), static_cast<int>(std::ceil(x1)));
  const int bottom = std::min(picture.Height(), static_cast<int>(std::ceil(y1)));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (inside(x + 0.5, y + 0.5)) picture.SetPixel(x, y, color);
    }
  }
}

double Cross(Point a, Point b, Point p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

} // namespace

void FillRect(widgets::Picture& picture, int left, int top, int width, int height,
              widgets::Rgba color) {
  FillWhere(picture, left, top, left + width, top + height, color,
            [](double, double) { return true; });
}

void FillTriangle(widgets::Picture& picture, Point a, Point b, Point c, widgets::Rgba color) {
  const double x0 = std::min({a.x, b.x, c.x});
  const double x1 = std::max({a.x, b.x, c.x});
  const double y0 = std::min({a.y, b.y, c.y});
  const double y1 = std::max({a.y, b.y, c.y});
  FillWhere(picture, x0, y0, x1, y1, color, [&](double x, double y) {
    const Point p{x, y};
    const double d1 = Cross(a, b, p);
    const double d2 = Cross(b, c, p);
    const double d3 = Cross(c, a, p);
    // Inside whichever way round the corners were given.
    return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
  });
}

void FillDisc(widgets::Picture& picture, Point centre, double radius, widgets::Rgba color) {
  FillRing(picture, centre, -1.0, radius, color);
}

void FillRing(widgets::Picture& picture, Point centre, double inner, double outer,
              widgets::Rgba color) {
  FillWhere(picture, centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer, color,
            [&](double x, double y) {
              const double d2 = (x - centre.x) * (x - centre.x) + (y - centre.y) * (y - centre.y);
              return d2 <= outer * outer && (inner < 0 || d2 >= inner * inner);
            });
}

void FillSuperellipse(widgets::Picture& picture, Point centre, double rx, double ry,
                      double exponent, widgets::Rgba color) {
  FillWhere(picture, centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry, color,
            [&](double x, double y) {
              return std::pow(std::abs((x - centre.x) / rx), exponent) +
                         std::pow(std::abs((y - centre.y) / ry), exponent) <=
                     1.0;
            });
}

void FillStroke(widgets::Picture& picture, Point from, Point to, double width,
                widgets::Rgba color) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return;
  const double half = width / 2;
  FillWhere(picture, std::min(from.x, to.x) - half, std::min(from.y, to.y) - half,
            std::max(from.x, to.x) + half, std::max(from.y, to.y) + half, color,
            [&](double x, double y) {
              // Position along the stroke and distance across it.
              const double along = ((x - from.x) * dx + (y - from.y) * dy) / length;
              const double across = ((x - from.x) * dy - (y - from.y) * dx) / length;
              return along >= -half && along <= length + half && std::abs(across) <= half;
            });
}

} // namespace qm::ui
