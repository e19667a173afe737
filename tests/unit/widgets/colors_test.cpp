#include <gtest/gtest.h>

#include "widgets/colors.h"

namespace qm::widgets {
namespace {

TEST(ColorsTest, ValuesAreBlueGreenRed) {
  EXPECT_EQ(clLime, 0x0000FF00u);
  EXPECT_EQ(clSilver, 0x00C0C0C0u);
  EXPECT_EQ(clNavy, 0x00800000u);
  EXPECT_EQ(clRed, 0x000000FFu);
  EXPECT_EQ(clYellow, 0x0000FFFFu);
  EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x00563412u);
}

TEST(ColorsTest, FormatsNamesWhereKnownElseHex) {
  EXPECT_EQ(FormatColor(clLime), "clLime");
  EXPECT_EQ(FormatColor(clSilver), "clSilver");
  EXPECT_EQ(FormatColor(clBtnFace), "clBtnFace");
  EXPECT_EQ(FormatColor(Rgb(0x12, 0x34, 0x56)), "$00563412");
  EXPECT_EQ(FormatColor(SystemColor(31)), "$8000001F");
}

} // namespace
} // namespace qm::widgets
