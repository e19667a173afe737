// Whole numbers from host floats: halves go to the even neighbour, and a float that is
// no usable whole number never passes for one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "animation/whole_number.h"

namespace qm::animation {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct Case {
  float value;
  std::optional<std::int32_t> whole;
};

TEST(WholeNumber, RoundsToNearestWithHalvesToEven) {
  const Case cases[] = {
      {0.0f, 0},
      {0.5f, 0},
      {1.5f, 2},
      {2.5f, 2},
      {3.5f, 4},
      {-0.5f, 0},
      {-1.5f, -2},
      {-2.5f, -2},
      {42.6f, 43},
      {42.4f, 42},
      {-1.0f, -1},
      {0.49999997f, 0},      // the float just below a half stays below it
      {8388609.0f, 8388609}, // a large odd float is already whole
      {99999.5f, 100000},
      {12.0f, 12},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WholeNumber(c.value), c.whole) << c.value;
}

TEST(WholeNumber, NothingForFloatsThatAreNoWholeNumberInRange) {
  const Case cases[] = {
      {kNaN, std::nullopt},           {kInf, std::nullopt},
      {-kInf, std::nullopt},          {2147483648.0f, std::nullopt}, // 2^31
      {-2147483904.0f, std::nullopt},                                // the float below -2^31
      {-2147483648.0f, kMin},         {2147483520.0f, 2147483520},   // the largest float below 2^31
  };
  for (const Case& c : cases)
    EXPECT_EQ(WholeNumber(c.value), c.whole) << c.value;
}

TEST(WholeNumber, SaturatedStopsAtTheLimitsAndTakesNaNAsZero) {
  EXPECT_EQ(WholeNumberSaturated(42.6f), 43);
  EXPECT_EQ(WholeNumberSaturated(-2.5f), -2);
  EXPECT_EQ(WholeNumberSaturated(1e20f), kMax);
  EXPECT_EQ(WholeNumberSaturated(kInf), kMax);
  EXPECT_EQ(WholeNumberSaturated(-1e20f), kMin);
  EXPECT_EQ(WholeNumberSaturated(-kInf), kMin);
  EXPECT_EQ(WholeNumberSaturated(kNaN), 0);
}

TEST(RoundHalfEven, DoublesKeepTheirRangeAndNonFiniteValuesPassThrough) {
  EXPECT_EQ(RoundHalfEven(1e300), 1e300);
  EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0); // 2^52 + 1, odd
  EXPECT_EQ(RoundHalfEven(1799.5), 1800.0);
  EXPECT_EQ(RoundHalfEven(1798.5), 1798.0);
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
  EXPECT_EQ(RoundHalfEven(-std::numeric_limits<double>::infinity()),
            -std::numeric_limits<double>::infinity());
}

TEST(KeyLiesAt, TheLatestKeyBeforeTheNextFrameRoundsToTheFrame) {
  EXPECT_TRUE(KeyLiesAt(12.0f, 12));
  EXPECT_TRUE(KeyLiesAt(11.6f, 12));
  EXPECT_TRUE(KeyLiesAt(0.0f, 0));
  EXPECT_FALSE(KeyLiesAt(11.4f, 12)) << "a key before the frame";
  EXPECT_FALSE(KeyLiesAt(-1.0f, 0)) << "no key at all";
  EXPECT_FALSE(KeyLiesAt(-1.0f, -1)) << "\"no key\" is no key at a typed frame of -1";
  EXPECT_FALSE(KeyLiesAt(kNaN, 0));
}

} // namespace
} // namespace qm::animation
