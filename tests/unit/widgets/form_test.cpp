#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/exception.h"
#include "widgets/buttons.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// A form that says when its memory goes.
class TrackedForm : public TestForm {
public:
  TrackedForm(std::string name, bool& destroyed)
      : TestForm(std::move(name)), destroyed_(destroyed) {}
  ~TrackedForm() override { destroyed_ = true; }

private:
  bool& destroyed_;
};

std::vector<std::string> LiveNames() {
  std::vector<std::string> names;
  for (Form* form : LiveForms())
    names.push_back(form->Name());
  return names;
}

class FormTest : public WidgetsTest {
protected:
  // Outlives the forms that the fixture's tear-down frees.
  bool destroyed = false;
};

TEST_F(FormTest, OnCreateRunsDuringCreationWithTheVariableAlreadySet) {
  struct PanelForm : TestForm {
    PanelForm(PanelForm*& variable, bool& sawItself) : TestForm("Form1") {
      OnCreate = [this, &variable, &sawItself] { sawItself = variable == this; };
    }
  };
  PanelForm* variable = nullptr;
  bool sawItself = false;
  PanelForm* form = CreateFormInto(variable, variable, sawItself);
  EXPECT_TRUE(sawItself);
  EXPECT_EQ(variable, form);
}

TEST_F(FormTest, AFailedCreationFreesTheFormAndEmptiesTheVariable) {
  struct FailingForm : TrackedForm {
    explicit FailingForm(bool& destroyed) : TrackedForm("Form3", destroyed) {
      OnCreate = [] { throw Exception("no scene"); };
    }
  };
  FailingForm* variable = nullptr;
  EXPECT_THROW(CreateFormInto(variable, destroyed), Exception);
  EXPECT_EQ(variable, nullptr);
  EXPECT_TRUE(destroyed);
  EXPECT_TRUE(LiveForms().empty());
}

TEST_F(FormTest, FormsJoinTheRegistryWhenTheirConstructionStarts) {
  // The panel's creation opens the chooser: the panel still comes first.
  struct Chooser : TestForm {
    Chooser() : TestForm("Form2") {}
  };
  struct Panel : TestForm {
    Panel() : TestForm("Form1") {
      OnCreate = [] { CreateForm<Chooser>()->Show(); };
    }
  };
  CreateForm<Panel>();
  EXPECT_EQ(LiveNames(), (std::vector<std::string>{"Form1", "Form2"}));
}

TEST_F(FormTest, FindsFormsByNameIgnoringCaseOldestFirst) {
  TestForm& first = NewForm("Form2");
  NewForm("Form2");
  EXPECT_EQ(FindForm("form2"), &first);
  EXPECT_EQ(FindForm("Form9"), nullptr);
}

TEST_F(FormTest, UnnamedFormsAndComponentsCannotBeLookedUp) {
  TestForm& form = NewForm("");
  form.Add<Button>("");
  form.Add<Button>("");
  EXPECT_EQ(FindForm(""), nullptr);
  EXPECT_EQ(form.FindComponent(""), nullptr);
  EXPECT_EQ(form.Components().size(), 2u) << "unnamed components never clash";
}

TEST_F(FormTest, OnShowRunsOnlyWhenTheFormBecomesVisible) {
  TestForm& form = NewForm("Form2");
  int shows = 0;
  form.OnShow = [&] { ++shows; };
  form.Show();
  form.Show();
  EXPECT_EQ(shows, 1);
  form.Close();
  form.Show();
  EXPECT_EQ(shows, 2);
  EXPECT_TRUE(form.Visible());
}

TEST_F(FormTest, ShowingBringsTheFormToTheFront) {
  TestForm& a = NewForm("A");
  TestForm& b = NewForm("B");
  TestForm& hidden = NewForm("Hidden");
  a.Show();
  b.Show();
  EXPECT_EQ(VisibleFormsFrontToBack(), (std::vector<Form*>{&b, &a}));
  a.Show(); // already visible: only comes forward
  EXPECT_EQ(VisibleFormsFrontToBack(), (std::vector<Form*>{&a, &b}));
  EXPECT_FALSE(hidden.Visible());
}

struct CloseCase {
  CloseAction action;
  bool live;
  bool visible;
};

class FormCloseTest : public FormTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(FormCloseTest, DoesWhatTheHandlerChose) {
  auto* form = CreateForm<TrackedForm>("Form1", destroyed);
  form->Show();
  form->OnClose = [chosen = GetParam().action](CloseAction& action) {
    EXPECT_EQ(action, CloseAction::Hide) << "closing starts with the action Hide";
    action = chosen;
  };
  form->Close();
  EXPECT_EQ(FindForm("Form1") != nullptr, GetParam().live);
  EXPECT_EQ(destroyed, !GetParam().live);
  if (GetParam().live) {
    EXPECT_EQ(form->Visible(), GetParam().visible);
  }
}

INSTANTIATE_TEST_SUITE_P(Actions, FormCloseTest,
                         ::testing::Values(CloseCase{CloseAction::Hide, true, false},
                                           CloseCase{CloseAction::None, true, true},
                                           CloseCase{CloseAction::Free, false, false}));

TEST_F(FormTest, WithoutHandlerClosingHides) {
  TestForm& form = NewForm();
  form.Show();
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(LiveForms().size(), 1u);
}

TEST_F(FormTest, AHandlerErrorLeavesTheFormAsItWas) {
  TestForm& form = NewForm();
  form.Show();
  form.OnClose = [](CloseAction& action) {
    action = CloseAction::Free;
    throw Exception("refused");
  };
  EXPECT_THROW(form.Close(), Exception);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(FindForm("Form1"), &form);
}

TEST_F(FormTest, AFormFreedByItsOwnHandlerLivesUntilTheHandlerReturns) {
  auto* form = CreateForm<TrackedForm>("Form1", destroyed);
  Button& exit = form->Add<Button>("Exit");
  form->OnClose = [](CloseAction& action) { action = CloseAction::Free; };
  bool aliveAfterClose = false;
  exit.OnClick = [&] {
    form->Close();
    aliveAfterClose = !destroyed;
    exit.SetCaption("still usable"); // the handler may go on touching its form
  };
  exit.Click();
  EXPECT_TRUE(aliveAfterClose);
  EXPECT_TRUE(destroyed);
  EXPECT_TRUE(LiveForms().empty());
}

TEST_F(FormTest, FreeingTwiceOrShowingAFreedFormDoesNothing) {
  TestForm& form = NewForm();
  Button& button = form.Add<Button>("Button1");
  button.OnClick = [&] {
    form.Free();
    form.Free();
    form.Show();
    EXPECT_FALSE(form.Visible());
  };
  button.Click();
  EXPECT_TRUE(LiveForms().empty());
}

TEST_F(FormTest, ClientAreaLeavesOutFrameCaptionAndMenu) {
  TestForm& form = NewForm();
  form.SetBounds(10, 20, 363, 362);
  EXPECT_EQ(form.ClientWidth(), 355);
  EXPECT_EQ(form.ClientHeight(), 362 - 8 - 16);
  form.Menu().Add("Hide1", "Hide");
  EXPECT_EQ(form.ClientHeight(), 362 - 8 - 16 - 19);
  form.SetHeight(40);
  EXPECT_EQ(form.ClientHeight(), 0) << "a collapsed form has no client area left";
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  EXPECT_EQ(form.Width(), 208);
  EXPECT_EQ(form.Height(), 143);
  EXPECT_EQ(form.ClientHeight(), 100);
}

TEST_F(FormTest, ComponentsKeepCreationOrderAcrossControlsAndMenuItems) {
  TestForm& form = NewForm();
  form.Add<Button>("btnsel1");
  form.Menu().Add("File1", "File");
  form.Add<Button>("btnsel2");
  std::vector<std::string> names;
  for (const auto& component : form.Components())
    names.push_back(component->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"btnsel1", "File1", "btnsel2"}));
  EXPECT_THROW(form.Add<Button>("BTNSEL1"), Exception);
  EXPECT_EQ(form.Components().size(), 3u);
}

} // namespace
} // namespace qm::widgets::testing
