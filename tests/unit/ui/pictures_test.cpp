// The drawn pictures and the shapes they are drawn with.
#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "ui/raster.h"

namespace qm::ui {
namespace {

using widgets::Picture;
using widgets::Rgba;

constexpr Rgba kInk{1, 2, 3, 255};

int Covered(const Picture& picture) {
  int count = 0;
  for (const Rgba& pixel : picture.Pixels())
    count += pixel.a != 0;
  return count;
}

TEST(Raster, ShapesCoverThePixelsWhoseCentresTheyHoldAndAreCutAtTheEdges) {
  Picture p(10, 10);
  FillRect(p, -5, -5, 8, 8, kInk); // reaches past the top left corner
  EXPECT_EQ(Covered(p), 9);
  EXPECT_EQ(p.Pixel(2, 2), kInk);
  EXPECT_EQ(p.Pixel(3, 3).a, 0);

  Picture disc(11, 11);
  FillDisc(disc, {5.5, 5.5}, 3.0, kInk);
  EXPECT_EQ(disc.Pixel(5, 5), kInk);
  EXPECT_EQ(disc.Pixel(5, 2), kInk); // centre 2.5 lies 3 away: on the edge
  EXPECT_EQ(disc.Pixel(3, 3), kInk); // 2.83 away diagonally
  EXPECT_EQ(disc.Pixel(2, 2).a, 0);  // 4.24 away
}

TEST(Raster, ATriangleIsFilledWhicheverWayRoundItsCornersAreGiven) {
  Picture clockwise(12, 12);
  Picture counter(12, 12);
  FillTriangle(clockwise, {1, 1}, {11, 1}, {1, 11}, kInk);
  FillTriangle(counter, {1, 1}, {1, 11}, {11, 1}, kInk);
  EXPECT_EQ(clockwise, counter);
  EXPECT_EQ(clockwise.Pixel(2, 2), kInk);
  EXPECT_EQ(clockwise.Pixel(10, 10).a, 0);
}

TEST(Raster, DegenerateShapesPaintNothingAndNeverFail) {
  Picture p(8, 8);
  FillStroke(p, {3, 3}, {3, 3}, 2, kInk);
  FillRect(p, 20, 20, 5, 5, kInk);
  FillDisc(p, {-50, -50}, 3, kInk);
  FillRect(p, 2, 2, 0, 4, kInk);
  EXPECT_EQ(Covered(p), 0);
}

TEST(Pictures, EveryGlyphHasTheButtonSizeATransparentBackgroundAndItsOwnLook) {
  const std::vector<Glyph> glyphs{Glyph::ToFirstKey, Glyph::PreviousKey, Glyph::Play,
                                  Glyph::NextKey,    Glyph::ToLastKey,   Glyph::Record,
                                  Glyph::Key,        Glyph::Unset};
  std::set<std::vector<std::uint8_t>> looks;
  for (Glyph glyph : glyphs) {
    const Picture p = GlyphPicture(glyph);
    EXPECT_EQ(p.Width(), 33);
    EXPECT_EQ(p.Height(), 25);
    EXPECT_EQ(p.Pixel(0, 0).a, 0);
    EXPECT_EQ(p.Pixel(32, 24).a, 0);
    // Visible, but not a filled block.
    EXPECT_GT(Covered(p), 20);
    EXPECT_LT(Covered(p), 33 * 25 / 2);
    std::vector<std::uint8_t> alpha;
    for (const Rgba& pixel : p.Pixels())
      alpha.push_back(pixel.a);
    looks.insert(alpha);
  }
  EXPECT_EQ(looks.size(), glyphs.size());
}

TEST(Pictures, TheRecordGlyphIsARedDotInTheMiddle) {
  const Rgba centre = GlyphPicture(Glyph::Record).Pixel(16, 12);
  EXPECT_EQ(centre.a, 255);
  EXPECT_GT(centre.r, 150);
  EXPECT_LT(centre.g, 60);
}

TEST(Pictures, TheAboutPictureIsOpaqueAtItsSizeAndShowsItsShapes) {
  const Picture p = AboutPicture();
  ASSERT_EQ(p.Width(), 443);
  ASSERT_EQ(p.Height(), 468);
  std::set<std::uint32_t> colours;
  for (const Rgba& pixel : p.Pixels()) {
    ASSERT_EQ(pixel.a, 255);
    colours.insert(pixel.r | pixel.g << 8 | pixel.b << 16);
  }
  // The disc at the top left is lime, the square at the bottom right yellow.
  EXPECT_EQ(p.Pixel(76, 84), (Rgba{0, 200, 0, 255}));
  EXPECT_EQ(p.Pixel(367, 384), (Rgba{255, 200, 0, 255}));
  EXPECT_GT(colours.size(), 10u);
}

} // namespace
} // namespace qm::ui
