#include "ui/pictures.h"

#include <array>

#include "ui/raster.h"

namespace qm::ui {
namespace {

constexpr widgets::Rgba kInk{48, 48, 56, 255};
constexpr widgets::Rgba kRecordRed{208, 24, 24, 255};
constexpr widgets::Rgba kKeyGold{200, 152, 24, 255};

// Vertical middle of a glyph, and the half height of its triangles.
constexpr double kMid = kGlyphHeight / 2.0;
constexpr double kHalf = 7.0;

void RightTriangle(widgets::Picture& p, double left, double width) {
  FillTriangle(p, {left, kMid - kHalf}, {left, kMid + kHalf}, {left + width, kMid}, kInk);
}

void LeftTriangle(widgets::Picture& p, double left, double width) {
  FillTriangle(p, {left + width, kMid - kHalf}, {left + width, kMid + kHalf}, {left, kMid}, kInk);
}

void Bar(widgets::Picture& p, int left) {
  FillRect(p, left, static_cast<int>(kMid - kHalf), 3, static_cast<int>(2 * kHalf) + 1, kInk);
}

// A key lying on its side: a ring for the bow, a shaft, two teeth.
void Key(widgets::Picture& p, widgets::Rgba color) {
  FillRing(p, {10.5, kMid}, 2.5, 5.5, color);
  FillRect(p, 15, 11, 12, 3, color);
  FillRect(p, 22, 14, 2, 4, color);
  FillRect(p, 25, 14, 2, 5, color);
}

} // namespace

widgets::Picture GlyphPicture(Glyph glyph) {
  widgets::Picture p(kGlyphWidth, kGlyphHeight);
  switch (glyph) {
  case Glyph::ToFirstKey:
    Bar(p, 9);
    LeftTriangle(p, 12, 12);
    break;
  case Glyph::PreviousKey:
    LeftTriangle(p, 5, 11);
    LeftTriangle(p, 16, 11);
    break;
  case Glyph::Play: RightTriangle(p, 11, 12); break;
  case Glyph::NextKey:
    RightTriangle(p, 6, 11);
    RightTriangle(p, 17, 11);
    break;
  case Glyph::ToLastKey:
    RightTriangle(p, 9, 12);
    Bar(p, 21);
    break;
  case Glyph::Record: FillDisc(p, {kGlyphWidth / 2.0, kMid}, 7.5, kRecordRed); break;
  case Glyph::Key: Key(p, kKeyGold); break;
  case Glyph::Unset:
    Key(p, kInk);
    FillStroke(p, {7, 4}, {26, 21}, 2.5, kRecordRed);
    break;
  }
  return p;
}

widgets::Picture AboutPicture() {
  widgets::Picture p(kAboutPictureWidth, kAboutPictureHeight);
  // Background: a vertical fade from deep navy to black.
  for (int y = 0; y < kAboutPictureHeight; ++y) {
    const auto shade = static_cast<std::uint8_t>(96 - 96 * y / kAboutPictureHeight);
    FillRect(p, 0, y, kAboutPictureWidth, 1, {0, 0, shade, 255});
  }
  // Five steps of one shape on a diagonal, blending from a disc (lime) into a square
  // (yellow): the plug-in's idea in one picture.
  constexpr std::array<double, 5> kExponents{2.0, 2.8, 4.0, 7.0, 24.0};
  for (std::size_t i = 0; i < kExponents.size(); ++i) {
    const double t = static_cast<double>(i) / (kExponents.size() - 1);
    const Point centre{76 + t * 291, 84 + t * 300};
    const auto red = static_cast<std::uint8_t>(255 * t);
    FillSuperellipse(p, centre, 58, 58, kExponents[i], {red, 255, 0, 255});
    FillSuperellipse(p, centre, 50, 50, kExponents[i], {red, 200, 0, 255});
  }
  return p;
}

} // namespace qm::ui
