// The share labels' arithmetic.
#include <gtest/gtest.h>

#include "morph/shares.h"

namespace qm::morph {
namespace {

SliderValues AllAt(std::int32_t value) {
  SliderValues sliders;
  sliders.fill(value);
  return sliders;
}

Shares SharesAt(std::int32_t value) {
  Shares shares;
  shares.fill(value);
  return shares;
}

TEST(SharesTest, TruncatedPercentagesOfTheSum) {
  struct Case {
    const char* name;
    SliderValues sliders;
    Shares shares;
  };
  const Case cases[] = {
      {"original alone", {100}, {100}},
      {"S = 101 truncates both", {1, 100}, {0, 99}},
      {"halves and quarters", {100, 50, 50}, {50, 25, 25}},
      {"all at 100", AllAt(100), SharesAt(5)},
      {"shares need not add up to 100", {30, 30, 30}, {33, 33, 33}},
      {"a late channel",
       {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3},
       {25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 75}},
      // The sliders never allow it (the original is at least 1), but it must not divide
      // by zero.
      {"nothing to share", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SharesOf(c.sliders), c.shares);
  }
}

} // namespace
} // namespace qm::morph
