#include <gtest/gtest.h>

#include "widgets/buttons.h"
#include "widgets/containers.h"
#include "widgets/display_controls.h"
#include "widgets/list_box.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// A 200 x 100 client area:
//   Label1   (0,0  40x20)  window-less, on the form
//   Button1  (50,0 40x20)  own window
//   Panel1   (0,30 100x50) with Image1 (0,0 20x20) and Edit-like ListBox1 inside
//   Hidden   (110,0 40x20) hidden button
//   Off      (160,0 40x20) disabled button, over Logo (160,0 40x40) window-less
//   Group    (110,30 80x50) disabled group box with Inner (10,10 20x20) inside
class HitTestTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    form = &NewForm();
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    form->Add<Label>("Label1").SetBounds(0, 0, 40, 20);
    form->Add<Button>("Button1").SetBounds(50, 0, 40, 20);
    auto& panel = form->Add<Panel>("Panel1");
    panel.SetBounds(0, 30, 100, 50);
    form->Add<Image>("Image1", &panel).SetBounds(0, 0, 20, 20);
    form->Add<ListBox>("ListBox1", &panel).SetBounds(30, 0, 60, 40);
    auto& hidden = form->Add<Button>("Hidden");
    hidden.SetBounds(110, 0, 40, 20);
    hidden.SetVisible(false);
    form->Add<Image>("Logo").SetBounds(160, 0, 40, 40);
    auto& off = form->Add<Button>("Off");
    off.SetBounds(160, 0, 40, 20);
    off.SetEnabled(false);
    auto& group = form->Add<GroupBox>("Group");
    group.SetBounds(110, 30, 80, 50);
    group.SetEnabled(false);
    form->Add<Button>("Inner", &group).SetBounds(10, 10, 20, 20);
  }

  TestForm* form = nullptr;
};

struct Point {
  int x;
  int y;
  int answer;
  const char* what;
};

class HitTestPointTest : public HitTestTest, public ::testing::WithParamInterface<Point> {};

TEST_P(HitTestPointTest, AnswersClientOnlyWhereTheFormItselfTakesThePress) {
  EXPECT_EQ(form->NonClientHitTest(GetParam().x, GetParam().y), GetParam().answer)
      << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Points, HitTestPointTest,
    ::testing::Values(Point{45, 10, kHtClient, "bare client area"},
                      Point{10, 10, kHtClient, "label lying on the form"},
                      Point{60, 10, kHtNowhere, "button"},
                      Point{89, 19, kHtNowhere, "button's last pixel"},
                      Point{90, 10, kHtClient, "just right of the button"},
                      Point{5, 35, kHtNowhere, "image inside a panel"},
                      Point{95, 75, kHtNowhere, "bare panel"},
                      Point{120, 10, kHtClient, "where a hidden button lies"},
                      Point{170, 10, kHtClient, "disabled button over a window-less image"},
                      Point{125, 45, kHtClient, "button inside a disabled group box"},
                      Point{-1, 10, kHtNowhere, "left of the client area"},
                      Point{10, 100, kHtNowhere, "below the client area"}));

TEST_F(HitTestTest, AHiddenPanelNoLongerTakesThePress) {
  form->Find<Panel>("Panel1")->SetVisible(false);
  EXPECT_EQ(form->NonClientHitTest(40, 40), kHtClient);
}

} // namespace
} // namespace qm::widgets::testing
