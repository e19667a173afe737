// The time code: minutes, seconds and hundredths, two characters each.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "animation/time_code.h"

namespace qm::animation {
namespace {

struct Case {
  std::int32_t frame;
  float rate;
  const char* code;
};

TEST(TimeCode, FieldsOfTwoDigitsWithALeadingZeroBelowTen) {
  const Case cases[] = {
      {0, 30, "00:00:00"},    {45, 30, "00:01:50"},    {30, 30, "00:01:00"},
      {1800, 30, "01:00:00"}, {99999, 30, "55:33:30"}, {29, 30, "00:00:96"},
      {1799, 30, "00:59:96"}, {18000, 30, "10:00:00"}, {25, 25, "00:01:00"},
      {12, 24, "00:00:50"},   {1, 100, "00:00:01"},    {3, 1, "00:03:00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TimeCode(c.frame, c.rate), c.code) << c.frame << " at " << c.rate;
}

TEST(TimeCode, EachFieldKeepsOnlyItsFirstTwoCharacters) {
  // 111 minutes at 15 frames a second; 1 frame a second counts 100 hundredths per frame.
  EXPECT_EQ(TimeCode(99999, 15), "11:06:60");
  EXPECT_EQ(TimeCode(99999, 1), "16:39:00");
}

TEST(TimeCode, FractionalFrameRatesTakeAwayRoundedWholeFrames) {
  // 29.97 frames a second: a minute is 1798.2 frames, taken away as 1798.
  EXPECT_EQ(TimeCode(1799, 29.97f), "01:00:03");
  // 59 seconds are 1768.23 frames, taken away as 1768: the 30 frames left make 100
  // hundredths, of which the field keeps "10".
  EXPECT_EQ(TimeCode(1798, 29.97f), "00:59:10");
  // Rates below one frame a second.
  EXPECT_EQ(TimeCode(1, 0.5f), "00:02:00");
  EXPECT_EQ(TimeCode(1, 0.25f), "00:04:00");
}

TEST(TimeCode, ATypedNegativeFrameGivesItsCutFields) {
  // -5 at 30: minute -1, then 59 seconds and 83 hundredths; "0-1" keeps "0-".
  EXPECT_EQ(TimeCode(-5, 30), "0-:59:83");
}

TEST(TimeCode, NoTimeCodeWithoutAPositiveFrameRate) {
  const float rates[] = {0.0f, -0.0f, -30.0f, std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity()};
  for (float rate : rates)
    EXPECT_EQ(TimeCode(45, rate), kNoTimeCode) << rate;
}

TEST(TimeCode, TinyFrameRatesAndExtremeFramesStayTwoCharacters) {
  EXPECT_EQ(TimeCode(std::numeric_limits<std::int32_t>::max(), 30).size(), 8u);
  EXPECT_EQ(TimeCode(std::numeric_limits<std::int32_t>::min(), 30).size(), 8u);
  EXPECT_EQ(TimeCode(99999, std::numeric_limits<float>::denorm_min()).size(), 8u);
}

} // namespace
} // namespace qm::animation
