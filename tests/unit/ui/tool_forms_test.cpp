// ShowToolForm, the teardown of the recorded forms, the tool windows' creation
// parameters and the drag by the client area.
#include "shell/tool_forms.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fake_host.h"
#include "shell/tsx_form.h"
#include "widgets/buttons.h"
#include "widgets/containers.h"
#include "widgets/display_controls.h"
#include "widgets/list_box.h"
#include "widgets/text_field.h"

namespace qm {
namespace {

using namespace widgets;

class Probe;
Probe* probe = nullptr;

// A tool form whose creation handler records what it saw, or fails on request.
class Probe final : public TtsxForm {
public:
  explicit Probe(tsxHWND parent) : TtsxForm("Probe", parent) {
    OnCreate = [this] {
      sawItself = probe == this;
      if (failCreation) throw Exception("creation failed");
    };
  }
  bool sawItself = false;
  static inline bool failCreation = false;
};

class ToolForms : public ::testing::Test {
protected:
  void TearDown() override { Probe::failCreation = false; }
  test::FakeHost host_;
};

TEST_F(ToolForms, TheVariableHoldsTheNewFormWhileItsCreationHandlerRuns) {
  ShowToolForm(probe);
  ASSERT_NE(probe, nullptr);
  EXPECT_TRUE(probe->sawItself);
  EXPECT_TRUE(probe->Visible());
  EXPECT_EQ(test::FakeHost::ListedNames(), std::vector<std::string>{"Probe"});
}

TEST_F(ToolForms, ShowingAgainKeepsTheOneFormRecordsItAgainAndBringsItToTheFront) {
  ShowToolForm(probe);
  Probe* first = probe;
  first->Hide();
  ShowToolForm(probe);
  ShowToolForm(probe);
  EXPECT_EQ(probe, first);
  EXPECT_TRUE(probe->Visible());
  EXPECT_EQ(VisibleFormsFrontToBack().front(), first);
  EXPECT_EQ(test::FakeHost::ListedNames(), (std::vector<std::string>{"Probe", "Probe", "Probe"}));
}

TEST_F(ToolForms, AFailedCreationEmptiesTheVariableDestroysTheFormAndRecordsNothing) {
  Probe::failCreation = true;
  EXPECT_THROW(ShowToolForm(probe), Exception);
  EXPECT_EQ(probe, nullptr);
  EXPECT_EQ(FindForm("Probe"), nullptr);
  EXPECT_TRUE(PluginHost->FormList.empty());
  // The next call starts over.
  Probe::failCreation = false;
  ShowToolForm(probe);
  EXPECT_NE(probe, nullptr);
}

TEST_F(ToolForms, TeardownDestroysAFormListedThreeTimesOnceAndEmptiesItsVariable) {
  ShowToolForm(probe);
  ShowToolForm(probe);
  ShowToolForm(probe);
  ASSERT_EQ(PluginHost->FormList.size(), 3u);
  DestroyRecordedForms(PluginHost->FormList);
  EXPECT_TRUE(PluginHost->FormList.empty());
  EXPECT_EQ(FindForm("Probe"), nullptr);
  EXPECT_EQ(probe, nullptr);
}

TEST_F(ToolForms, TeardownSkipsAFormFreedSinceItWasRecordedAndDestroysItsSuccessorOnce) {
  ShowToolForm(probe);
  Form* first = probe;
  {
    // Freed inside a handler, as a panel closing itself is: the old form's memory
    // stays until the handler returns, so the new one cannot take its address.
    DispatchScope handler;
    probe->Free();
    ShowToolForm(probe);
  }
  ASSERT_NE(probe, first);
  Form* second = probe;
  ASSERT_EQ(PluginHost->FormList.size(), 2u);
  EXPECT_EQ(PluginHost->FormList[1].form, second);
  DestroyRecordedForms(PluginHost->FormList);
  EXPECT_EQ(FindForm("Probe"), nullptr);
  EXPECT_EQ(probe, nullptr);
}

TEST_F(ToolForms, TheHostRecordsDestructionTearsTheFormsDown) {
  ShowToolForm(probe);
  delete PluginHost;
  PluginHost = nullptr;
  EXPECT_EQ(FindForm("Probe"), nullptr);
  EXPECT_EQ(probe, nullptr);
}

TEST(ToolWindowParams, AreThoseOfAnOwnedTopLevelToolWindow) {
  const tsxHWND owner = test::kMainView;
  const WindowParams framework = FrameworkWindowParams(owner);
  EXPECT_NE(framework.style & kWsChild, 0u);
  EXPECT_EQ(framework.ownerWindow, owner);

  WindowParams busy = framework;
  busy.exStyle = 0x00000300; // whatever the framework set is replaced
  const WindowParams tool = ToolWindowParams(busy);
  EXPECT_EQ(tool.exStyle, 0x10080u);
  EXPECT_EQ(tool.style & kWsChild, 0u);
  EXPECT_EQ(tool.style, framework.style & ~kWsChild);
  EXPECT_EQ(tool.ownerWindow, owner);
}

TEST_F(ToolForms, AShownFormCarriesTheToolWindowParametersWithTheMainViewAsOwner) {
  ShowToolForm(probe);
  EXPECT_EQ(probe->Params().exStyle, 0x10080u);
  EXPECT_EQ(probe->Params().style & kWsChild, 0u);
  EXPECT_EQ(probe->Params().ownerWindow, test::kMainView);
  EXPECT_EQ(probe->ParentWindow(), test::kMainView);
}

// A form with one control of each sort that matters to the hit test.
class HitForm final : public TtsxForm {
public:
  HitForm() : TtsxForm("HitForm", test::kMainView) {
    SetBounds(0, 0, 300, 200);
    Add<Label>("label").SetBounds(10, 10, 40, 13);
    Add<Button>("button").SetBounds(60, 10, 40, 20);
    Add<ListBox>("list").SetBounds(110, 10, 40, 40);
    Add<Edit>("edit").SetBounds(160, 10, 40, 20);
    auto& group = Add<GroupBox>("group");
    group.SetBounds(10, 60, 100, 60);
    Add<Label>("inner", &group).SetBounds(5, 5, 40, 13);
  }
};

TEST_F(ToolForms, APressOnTheBareAreaOrALabelDragsTheWindowOtherControlsTakeIt) {
  HitForm* form = CreateForm<HitForm>();
  EXPECT_TRUE(form->AutoDrag);
  struct Case {
    const char* where;
    int x, y;
    int expected;
  };
  const Case cases[] = {
      {"bare client area", 250, 150, kHtCaption},
      {"label on the form", 15, 15, kHtCaption},
      {"button", 65, 15, kHtNowhere},
      {"list box", 115, 15, kHtNowhere},
      {"edit", 165, 15, kHtNowhere},
      {"label inside a group box", 17, 67, kHtNowhere},
      {"outside the client area", -1, 5, kHtNowhere},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(form->NonClientHitTest(c.x, c.y), c.expected) << c.where;
  }
  form->AutoDrag = false;
  EXPECT_EQ(form->NonClientHitTest(250, 150), kHtClient);
  EXPECT_EQ(form->NonClientHitTest(65, 15), kHtNowhere);
}

} // namespace
} // namespace qm
