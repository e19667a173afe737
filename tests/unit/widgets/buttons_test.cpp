#include <gtest/gtest.h>

#include "platform/exception.h"
#include "widgets/buttons.h"
#include "widgets/check_box.h"
#include "widgets/containers.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// The program's press of a button runs its handler at once whatever the state of
// the button, its container or its form: the panel captures hidden page-2 channels
// that way.
class ProgramPressTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    Form& form = NewForm();
    page = &form.Add<Panel>("Panel17");
    buttons = {&form.Add<Button>("Button1", page), &form.Add<BitBtn>("BitBtn1", page),
               &form.Add<PictureButton>("btnrec", page)};
    for (Button* button : buttons)
      button->OnClick = [this] { ++presses; };
  }

  Panel* page = nullptr;
  std::vector<Button*> buttons;
  int presses = 0;
};

TEST_F(ProgramPressTest, RunsWhateverTheStates) {
  page->SetVisible(false);
  page->SetEnabled(false);
  for (Button* button : buttons) {
    button->SetEnabled(false);
    button->SetVisible(false);
    button->Click();
  }
  EXPECT_EQ(presses, 3);
}

TEST_F(ProgramPressTest, HandlerErrorsReachTheCaller) {
  buttons[0]->OnClick = [] { throw EConvertError("'x' is not a valid integer value"); };
  EXPECT_THROW(buttons[0]->Click(), EConvertError);
  EXPECT_TRUE(TakeShownMessages().empty());
}

TEST_F(ProgramPressTest, AButtonWithoutHandlerDoesNothing) {
  Button& bare = page->Owner().Add<Button>("Bare");
  EXPECT_NO_THROW(bare.Click());
}

TEST_F(ProgramPressTest, KindsKnowWhetherTheyHaveAWindow) {
  EXPECT_TRUE(buttons[0]->HasOwnWindow());
  EXPECT_TRUE(buttons[1]->HasOwnWindow());
  EXPECT_FALSE(buttons[2]->HasOwnWindow());
  EXPECT_TRUE(page->HasOwnWindow());
}

TEST_F(ProgramPressTest, CheckBoxPressRunsTheHandlerWithoutToggling) {
  CheckBox& box = page->Owner().Add<CheckBox>("box1");
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetChecked(true); // the program's set runs nothing
  box.Click();
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ProgramPressTest, ParentsMustBelongToTheSameForm) {
  Form& other = NewForm("Form2");
  EXPECT_THROW(other.Add<Button>("Stray", page), Exception);
  EXPECT_EQ(other.FindComponent("Stray"), nullptr);
}

} // namespace
} // namespace qm::widgets::testing
