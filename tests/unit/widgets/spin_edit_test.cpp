#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/spin_edit.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// The frame field: 0..99999, starting at 0.
class SpinEditTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    field = &NewForm().Add<SpinEdit>("currframe");
    field->SetMaxValue(99999);
    field->OnChange = [this] { changes.push_back(field->Text()); };
  }

  SpinEdit* field = nullptr;
  std::vector<std::string> changes;
};

TEST_F(SpinEditTest, StartsAtZero) {
  EXPECT_EQ(field->Text(), "0");
  EXPECT_EQ(field->Value(), 0);
}

TEST_F(SpinEditTest, SettingTheValueClampsAndWritesTheText) {
  field->SetValue(45);
  field->SetValue(150000);
  field->SetValue(-3);
  EXPECT_EQ(changes, (std::vector<std::string>{"45", "99999", "0"}));
  EXPECT_EQ(field->Value(), 0);
}

TEST_F(SpinEditTest, SettingWhatItShowsRunsNothing) {
  field->SetValue(0);
  field->SetText("0");
  field->SetValue(-1); // clamps to the 0 it shows
  EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, EveryChangeOfTheTextRunsTheChangeEvent) {
  for (const char* text : {"1", "12", "12", "", "abc"})
    field->SetText(text);
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "12", "", "abc"}));
}

TEST_F(SpinEditTest, TypedTextCountsAsTypedUntilTheFieldIsLeft) {
  field->SetText("150000");
  EXPECT_EQ(field->Value(), 150000);
  field->Leave();
  EXPECT_EQ(field->Text(), "99999");
  EXPECT_EQ(field->Value(), 99999);
  EXPECT_EQ(changes, (std::vector<std::string>{"150000", "99999"}));
}

struct ReadCase {
  const char* text;
  int value;
};

class SpinEditReadTest : public SpinEditTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SpinEditReadTest, TextThatIsNoWholeNumberCountsAsTheMinimum) {
  field->SetMinValue(5);
  field->SetText(GetParam().text);
  EXPECT_EQ(field->Value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, SpinEditReadTest,
                         ::testing::Values(ReadCase{"abc", 5}, ReadCase{"", 5}, ReadCase{"12x", 5},
                                           ReadCase{"1.5", 5}, ReadCase{"99999999999", 5},
                                           ReadCase{"$10", 16}, ReadCase{" 7", 7},
                                           ReadCase{"-4", -4}));

struct LeaveCase {
  const char* typed;
  const char* shown;
};

class SpinEditLeaveTest : public SpinEditTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(SpinEditLeaveTest, LeavingBringsTheTextIntoTheRange) {
  field->SetText(GetParam().typed);
  field->Leave();
  EXPECT_EQ(field->Text(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, SpinEditLeaveTest,
                         ::testing::Values(LeaveCase{"150000", "99999"}, LeaveCase{"-1", "0"},
                                           LeaveCase{"abc", "0"}, LeaveCase{"", "0"},
                                           LeaveCase{"42", "42"},
                                           // A number in range stays as it was typed.
                                           LeaveCase{"$A", "$A"}, LeaveCase{"007", "007"}));

TEST_F(SpinEditTest, TheExitEventSeesTheClampedValue) {
  int seen = -1;
  field->OnExit = [&] { seen = field->Value(); };
  field->SetText("123456");
  field->Leave();
  EXPECT_EQ(seen, 99999);
}

TEST_F(SpinEditTest, ChangingTheRangeLeavesTheTextAlone) {
  field->SetValue(500);
  field->SetMaxValue(100);
  EXPECT_EQ(field->Text(), "500");
  field->SetMinValue(200);
  EXPECT_EQ(field->MaxValue(), 200) << "a minimum above the maximum moves the maximum along";
  field->Leave();
  EXPECT_EQ(field->Text(), "200");
}

} // namespace
} // namespace qm::widgets::testing
