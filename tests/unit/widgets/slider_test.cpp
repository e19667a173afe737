#include <gtest/gtest.h>

#include <vector>

#include "platform/exception.h"
#include "widgets/slider.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

class SliderTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    slider = &NewForm().Add<Slider>("bar1");
    slider->SetMin(1);
    slider->SetMax(100);
    slider->SetPosition(50);
    // The handler records the position it sees, so each change is counted once
    // and with the value already in place.
    slider->OnChange = [this] { seen.push_back(slider->Position()); };
  }

  Slider* slider = nullptr;
  std::vector<int> seen;
};

struct SetCase {
  int value;
  int position;
  bool changes;
};

class SliderSetTest : public SliderTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(SliderSetTest, ClampsIntoTheRangeAndReportsOnlyRealChanges) {
  slider->SetPosition(GetParam().value);
  EXPECT_EQ(slider->Position(), GetParam().position);
  EXPECT_EQ(seen, GetParam().changes ? std::vector<int>{GetParam().position} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Values, SliderSetTest,
                         ::testing::Values(SetCase{70, 70, true}, SetCase{50, 50, false},
                                           SetCase{100, 100, true}, SetCase{1000, 100, true},
                                           SetCase{0, 1, true}, SetCase{-5, 1, true},
                                           SetCase{INT32_MIN, 1, true}));

TEST_F(SliderTest, ClampedToTheValueItHasRunsNothing) {
  slider->SetPosition(100);
  seen.clear();
  slider->SetPosition(250);
  EXPECT_EQ(slider->Position(), 100);
  EXPECT_TRUE(seen.empty());
}

TEST_F(SliderTest, NarrowingTheRangeMovesThePositionAndRunsTheChange) {
  slider->SetMax(40);
  EXPECT_EQ(slider->Position(), 40);
  slider->SetMin(45);
  EXPECT_EQ(slider->Max(), 45) << "a minimum above the maximum moves the maximum along";
  EXPECT_EQ(slider->Position(), 45);
  EXPECT_EQ(seen, (std::vector<int>{40, 45}));
}

TEST_F(SliderTest, WideningTheRangeKeepsThePosition) {
  slider->SetMin(0);
  slider->SetMax(500);
  EXPECT_EQ(slider->Position(), 50);
  EXPECT_TRUE(seen.empty());
}

TEST_F(SliderTest, MaximumBelowTheMinimumMovesTheMinimumAlong) {
  slider->SetMax(-10);
  EXPECT_EQ(slider->Min(), -10);
  EXPECT_EQ(slider->Position(), -10);
}

TEST_F(SliderTest, ErrorsOfTheHandlerReachTheProgramThatSetTheValue) {
  slider->OnChange = [] { throw Exception("blend failed"); };
  EXPECT_THROW(slider->SetPosition(60), Exception);
  EXPECT_EQ(slider->Position(), 60);
}

} // namespace
} // namespace qm::widgets::testing
