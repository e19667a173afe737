// The frames of Animate From KFE Channels: the host's key range, rounded and cut to
// what the frame field can show.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "animation/walk_range.h"

namespace qm::animation {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct Case {
  float earliest;
  float latest;
  std::optional<FrameRange> range;
};

TEST(WalkRange, RoundsAndCutsToTheField) {
  const Case cases[] = {
      {0, 25, FrameRange{0, 25}},
      {10, 10, FrameRange{10, 10}},
      {2.5f, 10.5f, FrameRange{2, 10}}, // halves to even
      {-5, 3, FrameRange{0, 3}},        // no frame below the field's minimum
      {99990, 200000, FrameRange{99990, 99999}},
      {-kInf, kInf, FrameRange{0, 99999}}, // beyond every range: the whole field
      {-1e20f, 1e20f, FrameRange{0, 99999}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WalkRange(c.earliest, c.latest, 0, 99999), c.range) << c.earliest << ".." << c.latest;
  }
}

TEST(WalkRange, NoFramesForAnEmptyRangeOrTimesThatAreNoNumbers) {
  const Case cases[] = {
      {0, -1, std::nullopt},          // a host without keys
      {10, 9.4f, std::nullopt},       // rounds to 10..9
      {-20, -1, std::nullopt},        // wholly below the field
      {100000, 100005, std::nullopt}, // wholly above it
      {kNaN, 10, std::nullopt},       {0, kNaN, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WalkRange(c.earliest, c.latest, 0, 99999), std::nullopt)
        << c.earliest << ".." << c.latest;
}

} // namespace
} // namespace qm::animation
