// The windows with the host record in reach: the plug-in's code in this process, the
// default stand-in host loaded by path, the module's start-up and detach run as the
// OS would run them.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "animation/morph_info.h"
#include "loaded_library.h"
#include "morph/channel_set.h"
#include "shell/entry_points.h"
#include "shell/plugin_host.h"
#include "standin_control.h"
#include "ui/about_box.h"
#include "ui/control_panel.h"
#include "ui/setup_chooser.h"
#include "widgets/application.h"
#include "widgets/dialogs.h"
#include "widgets/user_input.h"

namespace qm {
namespace {

class PanelInProcess : public ::testing::Test {
protected:
  void SetUp() override {
    control_ = host_.Function<standin::ControlEntry>(standin::kControlEntryName)();
    control_->Reset();
    ModuleStartup();
    std::array<unsigned char, 100> block{};
    ASSERT_EQ(tsxGetData(block.data(), 0), 0);
    ASSERT_EQ(tsxOnLeftClick(), 0);
    ASSERT_NE(Form1, nullptr);
  }
  void TearDown() override {
    // Module state outlives the panel; here it must not outlive the test.
    morphinfo = nullptr;
    animobj = nullptr;
    if (PluginHost) PluginModuleNotify(kNotifyProcessDetach);
    widgets::TakeShownMessages();
  }
  static std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (const FormListEntry& entry : PluginHost->FormList)
      names.push_back(entry.name);
    return names;
  }
  static void Detach() { PluginModuleNotify(kNotifyProcessDetach); }

  test::LoadedLibrary host_{QM_STANDIN_DEFAULT_HOST};
  standin::Control* control_ = nullptr;
};

TEST_F(PanelInProcess, TheWindowsAreToolWindowsOwnedByTheHostsMainView) {
  ASSERT_NE(Form2, nullptr);
  ASSERT_NE(control_->MainViewWindow(), nullptr);
  for (const widgets::Form* form :
       {static_cast<widgets::Form*>(Form1), static_cast<widgets::Form*>(Form2)}) {
    EXPECT_EQ(form->Params().exStyle, 0x10080u) << form->Name();
    EXPECT_EQ(form->Params().style & widgets::kWsChild, 0u) << form->Name();
    EXPECT_EQ(form->Params().ownerWindow, control_->MainViewWindow()) << form->Name();
  }
}

TEST_F(PanelInProcess, TheChooserIsListedBeforeThePanelAndEveryClickListsThePanelAgain) {
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Form2", "Form1"}));
  TForm1* first = Form1;
  ASSERT_EQ(tsxOnLeftClick(), 0);
  EXPECT_EQ(Form1, first);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Form2", "Form1", "Form1"}));
}

TEST_F(PanelInProcess, DetachDestroysTheLiveWindowsOnceEachAndSkipsAClosedPanel) {
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(widgets::UserClick(*Form1->About1));
  ASSERT_TRUE(widgets::UserPressCloseBox(*Form1));
  ASSERT_EQ(Form1, nullptr);
  ASSERT_EQ(tsxOnLeftClick(), 0);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Form2", "Form1", "about", "about", "about",
                                                "Form2", "Form1"}));
  control_->ClearCalls();
  Detach();
  EXPECT_EQ(PluginHost, nullptr);
  EXPECT_TRUE(widgets::LiveForms().empty());
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(Form2, nullptr);
  EXPECT_EQ(about, nullptr);
  // The library was released first: no window's destruction may reach the host.
  EXPECT_TRUE(control_->Calls().empty());
}

TEST_F(PanelInProcess, TheNameFieldsRenameTheBoundObjectsInTheHost) {
  tsxSOBJ* group = control_->CreateGroup("QM-Morph", {});
  control_->AddToScene(group);
  tsxSOBJ* ball = control_->CreatePolyhedron("Ball", {{0, 0, 0}});
  control_->AddToScene(ball);
  morphinfo = group;
  animobj = ball;
  Form1->infoobj->SetText("Set-up A");
  Form1->finalname->SetText("Blended");
  EXPECT_EQ(control_->Name(group), "Set-up A");
  EXPECT_EQ(control_->Name(ball), "Blended");
}

} // namespace
} // namespace qm
