// The tolerance kept from the user's entry, and the per-coordinate delta test.
#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "float_bits.h"
#include "morph/delta_tolerance.h"

namespace qm::morph {
namespace {

TEST(DeltaToleranceTest, OutOfRangeEntriesFallBackToTheDefault) {
  struct Case {
    std::int32_t entered;
    float stored;
  };
  const Case cases[] = {
      {0, 0},     {1, 1},   {10, 10},      {999, 999},    {1000, 1000},
      {1001, 10}, {-1, 10}, {INT_MAX, 10}, {INT_MIN, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entered);
    EXPECT_SAME_FLOAT(StoredDeltaTolerance(c.entered), c.stored);
  }
}

TEST(DeltaToleranceTest, WithinToleranceHasInclusiveBoundsInExtendedPrecision) {
  struct Case {
    float original;
    float target;
    float tolerance;
    bool within;
  };
  const Case cases[] = {
      {1.0f, 1.01f, 10, true},
      {1.0f, 1.02f, 10, false},
      {1.0f, 0.99f, 10, true},
      {1.0f, 0.98f, 10, false},
      // The float nearest -5.01 lies a little beyond it.
      {-5.0f, -5.01f, 10, false},
      {1.0f, 1.0f, 0, true},
      {1.0f, std::nextafter(1.0f, 2.0f), 0, false},
      {1.0f, std::nextafter(1.0f, 0.0f), 0, false},
      {0.0f, -0.0f, 0, true},
      // At 1000 the radius is the extended value just below 1 (0.001 is not exact), so
      // a step of exactly 1 passes only where the sum rounds up to the whole step:
      // from 4.5 it does, from -0.25 (a sum below 1, where the gap stays) it does not.
      {4.5f, 5.5f, 1000, true},
      {4.5f, 3.5f, 1000, true},
      {4.5f, std::nextafter(5.5f, 6.0f), 1000, false},
      {-0.25f, 0.75f, 1000, false},
      {0.25f, -0.75f, 1000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.original << " against " << c.target << ", tolerance " << c.tolerance);
    EXPECT_EQ(WithinTolerance(c.original, c.target, c.tolerance), c.within);
  }
}

} // namespace
} // namespace qm::morph
