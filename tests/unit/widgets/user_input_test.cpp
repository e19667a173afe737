#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>
#include <vector>

#include "platform/exception.h"
#include "widgets/buttons.h"
#include "widgets/check_box.h"
#include "widgets/containers.h"
#include "widgets/list_box.h"
#include "widgets/slider.h"
#include "widgets/spin_edit.h"
#include "widgets/user_input.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// A shown form with the transport group GroupBox1 holding a panel that holds the
// record button, as deep as containers get on the panel.
class UserInputTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    form = &NewForm();
    group = &form->Add<GroupBox>("GroupBox1");
    inner = &form->Add<Panel>("Inner", group);
    record = &form->Add<PictureButton>("btnrec", inner);
    record->OnClick = [this] { ++presses; };
    form->Show();
  }

public: // the blockers below reach in
  TestForm* form = nullptr;
  GroupBox* group = nullptr;
  Panel* inner = nullptr;
  PictureButton* record = nullptr;
  int presses = 0;
};

struct Blocker {
  const char* what;
  std::function<void(UserInputTest&)> apply;
  const char* refusal;
};

// Named in test listings by what blocks the click, not by its bytes.
void PrintTo(const Blocker& blocker, std::ostream* out) { *out << blocker.what; }

class UserClickRefusedTest : public UserInputTest, public ::testing::WithParamInterface<Blocker> {};

TEST_P(UserClickRefusedTest, RefusesWithNothingRunWhileTheProgramsPressStillWorks) {
  GetParam().apply(*this);
  InputResult result = UserClick(*record);
  EXPECT_FALSE(result.accepted);
  EXPECT_EQ(result.refusal, GetParam().refusal);
  EXPECT_EQ(presses, 0);
  record->Click();
  EXPECT_EQ(presses, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Blockers, UserClickRefusedTest,
    ::testing::Values(
        Blocker{"disabled button", [](UserInputTest& t) { t.record->SetEnabled(false); },
                "Form1.btnrec is disabled"},
        Blocker{"hidden button", [](UserInputTest& t) { t.record->SetVisible(false); },
                "Form1.btnrec is hidden"},
        Blocker{"disabled inner panel", [](UserInputTest& t) { t.inner->SetEnabled(false); },
                "Form1.btnrec is inside disabled Inner"},
        Blocker{"disabled outer group", [](UserInputTest& t) { t.group->SetEnabled(false); },
                "Form1.btnrec is inside disabled GroupBox1"},
        Blocker{"hidden outer group", [](UserInputTest& t) { t.group->SetVisible(false); },
                "Form1.btnrec is inside hidden GroupBox1"},
        Blocker{"hidden form", [](UserInputTest& t) { t.form->Hide(); }, "Form1 is not shown"},
        Blocker{"disabled form", [](UserInputTest& t) { t.form->SetEnabled(false); },
                "Form1 is disabled"}),
    [](const auto& info) {
      std::string name = info.param.what;
      std::erase(name, ' ');
      return name;
    });

TEST_F(UserInputTest, AnAcceptedClickRunsTheHandler) {
  EXPECT_TRUE(UserClick(*record).accepted);
  EXPECT_EQ(presses, 1);
}

TEST_F(UserInputTest, AMouseDownRunsItsHandlerOnlyWhereTheUserCanReach) {
  int downs = 0;
  record->OnMouseDown = [&] { ++downs; };
  EXPECT_TRUE(UserMouseDown(*record).accepted);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(presses, 0) << "a mouse-down is not a click";
  group->SetEnabled(false);
  EXPECT_FALSE(UserMouseDown(*record).accepted);
  EXPECT_EQ(downs, 1);
}

TEST_F(UserInputTest, HandlerErrorsGoToTheErrorReport) {
  ListBox& list = form->Add<ListBox>("ListBox1");
  list.SetItems({"Cube"});
  record->OnClick = [&] { (void)list.Item(list.ItemIndex()); };
  EXPECT_TRUE(UserClick(*record).accepted);
  EXPECT_EQ(TakeShownMessages(), std::vector<std::string>{"List index out of bounds (-1)"});
}

TEST_F(UserInputTest, CheckBoxClickTogglesThenRunsTheHandler) {
  CheckBox& box = form->Add<CheckBox>("box1", inner);
  box.SetChecked(true);
  std::vector<bool> seen;
  box.OnClick = [&] { seen.push_back(box.Checked()); };
  UserClick(box);
  UserClick(box);
  inner->SetEnabled(false);
  EXPECT_FALSE(UserClick(box).accepted);
  EXPECT_EQ(seen, (std::vector<bool>{false, true}));
  EXPECT_TRUE(box.Checked());
}

TEST_F(UserInputTest, AnExitHandlerMayFreeItsOwnForm) {
  form->OnClose = [](CloseAction& action) { action = CloseAction::Free; };
  record->OnClick = [this] {
    form->Close();
    record->SetCaption("after close"); // still there until the click returns
  };
  EXPECT_TRUE(UserClick(*record).accepted);
  EXPECT_TRUE(LiveForms().empty());
}

class MenuInputTest : public UserInputTest {
protected:
  void SetUp() override {
    UserInputTest::SetUp();
    animation = &form->Menu().Add("Animation1", "Animation");
    fromChannels = &animation->Add("CreateFromChannels1", "Animate From KFE Channels");
    separator = &animation->AddSeparator("N3");
    update = &form->Menu().Add("Update2", "Update");
    for (MenuItem* item : {fromChannels, update})
      item->OnClick = [this] { ++presses; };
  }

  MenuItem* animation = nullptr;
  MenuItem* fromChannels = nullptr;
  MenuItem* separator = nullptr;
  MenuItem* update = nullptr;
};

TEST_F(MenuInputTest, ATopLevelCommandRuns) {
  EXPECT_TRUE(UserClick(*update).accepted);
  EXPECT_TRUE(UserClick(*fromChannels).accepted);
  EXPECT_EQ(presses, 2);
}

TEST_F(MenuInputTest, RefusalsOfTheUsersClick) {
  fromChannels->SetEnabled(false);
  EXPECT_EQ(UserClick(*fromChannels).refusal, "Form1.CreateFromChannels1 is disabled");
  fromChannels->SetEnabled(true);
  animation->SetEnabled(false);
  EXPECT_EQ(UserClick(*fromChannels).refusal,
            "Form1.CreateFromChannels1 is inside disabled Animation1");
  update->SetVisible(false);
  EXPECT_EQ(UserClick(*update).refusal, "Form1.Update2 is hidden");
  EXPECT_EQ(UserClick(*separator).refusal, "Form1.N3 is a separator");
  EXPECT_EQ(presses, 0);
  fromChannels->Click(); // the program's press looks at the item itself only
  EXPECT_EQ(presses, 1);
}

TEST_F(MenuInputTest, ClosedFormsTakeNoMenuClicks) {
  form->Close();
  EXPECT_EQ(UserClick(*update).refusal, "Form1 is not shown");
  EXPECT_EQ(presses, 0);
}

TEST_F(UserInputTest, SliderMovesAreClampedAndRunTheChange) {
  Slider& bar = form->Add<Slider>("baroriginal", inner);
  bar.SetMin(1);
  std::vector<int> seen;
  bar.OnChange = [&] { seen.push_back(bar.Position()); };
  UserMoveSlider(bar, 0);
  UserMoveSlider(bar, 1);
  UserMoveSlider(bar, 500);
  bar.SetEnabled(false);
  EXPECT_EQ(UserMoveSlider(bar, 40).refusal, "Form1.baroriginal is disabled");
  EXPECT_EQ(seen, (std::vector<int>{100}));
  EXPECT_EQ(bar.Position(), 100);
}

class FieldInputTest : public UserInputTest {
protected:
  void SetUp() override {
    UserInputTest::SetUp();
    frame = &form->Add<SpinEdit>("currframe", group);
    frame->SetMaxValue(99999);
    frame->OnChange = [this] { changes.push_back(frame->Text()); };
    name = &form->Add<Edit>("infoobj");
    name->SetText("None");
    name->SetReadOnly(true);
  }

  SpinEdit* frame = nullptr;
  Edit* name = nullptr;
  std::vector<std::string> changes;
};

TEST_F(FieldInputTest, TypingIsTakenAsTypedUntilLeaving) {
  UserType(*frame, "150000");
  EXPECT_EQ(frame->Value(), 150000);
  UserLeave(*frame);
  UserStepSpinEdit(*frame, 100000);
  UserStepSpinEdit(*frame, 12);
  EXPECT_EQ(changes, (std::vector<std::string>{"150000", "99999", "12"}));
}

TEST_F(FieldInputTest, ReadOnlyFieldsRefuseTypingAndStepping) {
  EXPECT_EQ(UserType(*name, "Renamed").refusal, "Form1.infoobj is read-only");
  EXPECT_EQ(name->Text(), "None");
  frame->SetReadOnly(true);
  EXPECT_FALSE(UserStepSpinEdit(*frame, 5).accepted);
  EXPECT_FALSE(UserType(*frame, "5").accepted);
  EXPECT_TRUE(changes.empty());
  name->SetText("QM-Morph"); // the program still fills it
  EXPECT_EQ(name->Text(), "QM-Morph");
}

TEST_F(FieldInputTest, FieldsInADisabledGroupTakeNothing) {
  group->SetEnabled(false);
  EXPECT_FALSE(UserType(*frame, "7").accepted);
  EXPECT_FALSE(UserStepSpinEdit(*frame, 7).accepted);
  EXPECT_FALSE(UserLeave(*frame).accepted);
  EXPECT_EQ(frame->Text(), "0");
}

TEST_F(FieldInputTest, EditTypingRunsTheChangeEvent) {
  Edit& edit = form->Add<Edit>("Edit1");
  int runs = 0;
  edit.OnChange = [&] { ++runs; };
  UserType(edit, "Head");
  UserType(edit, "Head");
  UserType(edit, "");
  EXPECT_EQ(runs, 2);
}

class ChooseTest : public UserInputTest {
protected:
  void SetUp() override {
    UserInputTest::SetUp();
    list = &form->Add<ListBox>("ListBox1");
    list->SetItems({"Cube", "Sphere"});
    list->OnClick = [this] { seen.push_back(list->ItemIndex()); };
  }

  ListBox* list = nullptr;
  std::vector<int> seen;
};

TEST_F(ChooseTest, ChoosesAnyEntryOrNone) {
  EXPECT_TRUE(UserChoose(*list, 1).accepted);
  EXPECT_TRUE(UserChoose(*list, -1).accepted);
  EXPECT_EQ(seen, (std::vector<int>{1, -1}));
}

TEST_F(ChooseTest, RefusesEntriesThatAreNotThere) {
  list->SetItemIndex(0);
  EXPECT_EQ(UserChoose(*list, 2).refusal, "Form1.ListBox1 has no entry 2 (2 entries)");
  EXPECT_FALSE(UserChoose(*list, -2).accepted);
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_TRUE(seen.empty());
}

TEST_F(UserInputTest, TheCloseBoxClosesOnlyAShownForm) {
  int closes = 0;
  form->OnClose = [&](CloseAction&) { ++closes; };
  EXPECT_TRUE(UserPressCloseBox(*form).accepted);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(UserPressCloseBox(*form).refusal, "Form1 is not shown");
  EXPECT_EQ(closes, 1);
}

TEST_F(UserInputTest, CloseHandlerErrorsAreReported) {
  form->OnClose = [](CloseAction&) { throw Exception("Cannot close"); };
  EXPECT_TRUE(UserPressCloseBox(*form).accepted);
  EXPECT_EQ(TakeShownMessages(), std::vector<std::string>{"Cannot close"});
  EXPECT_TRUE(form->Visible());
}

} // namespace
} // namespace qm::widgets::testing
