// The control panel in this process: its creation, collapsing, pages, closing, the
// name fields, the about box and the enabling operations.
#include "ui/control_panel.h"

#include <gtest/gtest.h>

#include <ostream>

#include "animation/morph_info.h"
#include "fake_host.h"
#include "morph/channel_set.h"
#include "platform/fpu.h"
#include "shell/tool_forms.h"
#include "ui/about_box.h"
#include "ui/setup_chooser.h"
#include "ui/show_panel.h"
#include "widgets/automation.h"
#include "widgets/user_input.h"

namespace qm {
namespace {

using namespace widgets;

tsxSOBJ* const kInfoObject = reinterpret_cast<tsxSOBJ*>(0x1001);
tsxSOBJ* const kAnimated = reinterpret_cast<tsxSOBJ*>(0x2002);

class ControlPanel : public ::testing::Test {
protected:
  void SetUp() override {
    morphinfo = nullptr;
    animobj = nullptr;
    ShowControlPanel();
    ASSERT_NE(Form1, nullptr);
  }
  void TearDown() override {
    morphinfo = nullptr;
    animobj = nullptr;
  }
  static std::string Dump(const char* form) {
    std::string reply;
    EXPECT_EQ(RunAutomationCommand(std::string("dump ") + form, reply), 0) << reply;
    return reply;
  }

  test::FakeHost host_;
};

TEST_F(ControlPanel, AMouseDownOnTheFrameFieldLoadsTheMaskedExtendedControlWord) {
  Form1->enablesetupcontrols();
  platform::LoadFpuControlWord(0x027F); // 53-bit precision, as some hosts run
  ASSERT_TRUE(UserMouseDown(*Form1->currframe).accepted);
  constexpr std::uint16_t kReserved = 0x40; // reads back as 1 whatever was loaded
  EXPECT_EQ(platform::ReadFpuControlWord() & ~kReserved,
            platform::kMaskedExtendedControlWord & ~kReserved);
  platform::LoadFpuControlWord(0x037F);
}

TEST_F(ControlPanel, ANewPanelIsCollapsedWithTheChooserOpenAndNothingToSelectYet) {
  TForm1& panel = *Form1;
  EXPECT_TRUE(panel.Visible());
  EXPECT_TRUE(panel.collapsed);
  EXPECT_EQ(panel.Width(), 363);
  EXPECT_EQ(panel.Height(), 40);
  EXPECT_EQ(panel.ClientWidth(), 355);
  EXPECT_EQ(panel.Hide1->Caption(), "Expand");
  ASSERT_NE(Form2, nullptr);
  EXPECT_TRUE(Form2->Visible());
  // The chooser is shown while the panel is being created.
  EXPECT_EQ(test::FakeHost::ListedNames(), (std::vector<std::string>{"Form2", "Form1"}));
  for (int k = 0; k < morph::kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    EXPECT_FALSE(panel.btnsel[i]->Enabled()) << k;
    EXPECT_FALSE(panel.bar[i]->Enabled()) << k;
    EXPECT_EQ(panel.btnsel[i]->Caption(), kUnselected) << k;
    EXPECT_TRUE(panel.box[i]->Checked()) << k;
    EXPECT_FALSE(panel.box[i]->TabStop()) << k;
    EXPECT_EQ(panel.bar[i]->Position(), k == 0 ? 100 : 0) << k;
    EXPECT_EQ(panel.bar[i]->Min(), k == 0 ? 1 : 0) << k;
    EXPECT_EQ(panel.val[i]->Caption(), k == 0 ? "100" : "0") << k;
    EXPECT_FALSE(panel.IsCaptured(k)) << k;
  }
  EXPECT_TRUE(panel.Page11->Checked());
  EXPECT_TRUE(panel.AutoUpdate1->Checked());
  EXPECT_EQ(panel.Panel17->Top(), 86);
  EXPECT_EQ(panel.Panel17->Top(), panel.Panel1->Top());
  EXPECT_FALSE(panel.Panel17->Visible());
  EXPECT_EQ(panel.deltatolerance, 10.0f);
  EXPECT_FALSE(panel.loadingsetup);
  EXPECT_FALSE(panel.animatingchannels);
}

TEST_F(ControlPanel, HideAndExpandToggleTheSizeAndTheCaption) {
  TForm1& panel = *Form1;
  ASSERT_TRUE(UserClick(*panel.Hide1));
  EXPECT_EQ(panel.Width(), 363);
  EXPECT_EQ(panel.Height(), 362);
  EXPECT_EQ(panel.Hide1->Caption(), "Hide");
  EXPECT_FALSE(panel.collapsed);
  ASSERT_TRUE(UserClick(*panel.Hide1));
  EXPECT_EQ(panel.Height(), 40);
  EXPECT_EQ(panel.Hide1->Caption(), "Expand");
}

// Which page is shown and checked, and the page buttons' caption colours.
struct PageCase {
  const char* trigger;
  int shown;
  ColorRef button1;
  ColorRef button2;
};

// Named in test listings by its trigger, not by its bytes.
void PrintTo(const PageCase& c, std::ostream* out) { *out << c.trigger; }

class PageSwitching : public ControlPanel, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageSwitching, ShowsOnePageChecksItsItemAndColoursButtonsOnlyFromTheButtons) {
  TForm1& panel = *Form1;
  panel.Hide1->Click();
  panel.enablesetupcontrols();
  // Start from page 2 chosen by its button, so every trigger has something to undo.
  panel.btnpage2->Click();
  const std::string trigger = GetParam().trigger;
  if (trigger == "btnpage1") {
    ASSERT_TRUE(UserClick(*panel.btnpage1));
  }
  if (trigger == "btnpage2") {
    ASSERT_TRUE(UserClick(*panel.btnpage2));
  }
  if (trigger == "Page11") {
    ASSERT_TRUE(UserClick(*panel.Page11));
  }
  if (trigger == "Page21") {
    ASSERT_TRUE(UserClick(*panel.Page21));
  }
  const int shown = GetParam().shown;
  EXPECT_EQ(panel.Panel1->Visible(), shown == 1);
  EXPECT_EQ(panel.Panel17->Visible(), shown == 2);
  EXPECT_EQ(panel.Page11->Checked(), shown == 1);
  EXPECT_EQ(panel.Page21->Checked(), shown == 2);
  EXPECT_EQ(panel.btnpage1->Font().color, GetParam().button1);
  EXPECT_EQ(panel.btnpage2->Font().color, GetParam().button2);
}

INSTANTIATE_TEST_SUITE_P(Triggers, PageSwitching,
                         ::testing::Values(PageCase{"btnpage1", 1, clLime, clSilver},
                                           PageCase{"btnpage2", 2, clSilver, clLime},
                                           // the menu leaves the colours of page 2's button
                                           PageCase{"Page11", 1, clSilver, clLime},
                                           PageCase{"Page21", 2, clSilver, clLime}),
                         [](const auto& info) { return std::string(info.param.trigger); });

TEST_F(ControlPanel, PageTwoStaysOutOfReachUntilASetUpExists) {
  TForm1& panel = *Form1;
  panel.Hide1->Click();
  EXPECT_FALSE(UserClick(*panel.btnpage2));
  EXPECT_FALSE(UserClick(*panel.Page21));
  EXPECT_TRUE(panel.Panel1->Visible());
  EXPECT_TRUE(panel.Page11->Checked());
}

TEST_F(ControlPanel, EnablingForASetUpMakesExactlyTheSetUpControlsAvailable) {
  TForm1& panel = *Form1;
  panel.enablesetupcontrols();
  for (bool enabled :
       {panel.GroupBox1->Enabled(), panel.currframe->Enabled(), panel.btnunset->Enabled(),
        panel.btnpage2->Enabled(), panel.Page21->Enabled(), panel.Update1->Enabled(),
        panel.CreateFromChannels1->Enabled()}) {
    EXPECT_TRUE(enabled);
  }
  // The record button and the select buttons are the set-up commands' own business,
  // and the key indicator never takes input.
  EXPECT_FALSE(panel.btnrec->Enabled());
  EXPECT_FALSE(panel.btnsel[0]->Enabled());
  EXPECT_FALSE(panel.showkey->Enabled());
  EXPECT_FALSE(panel.showkey->Visible());
}

TEST_F(ControlPanel, SelectButtonsAndSlidersAreSwitchedTogether) {
  TForm1& panel = *Form1;
  panel.enablebuttons();
  for (Button* button : panel.btnsel)
    EXPECT_TRUE(button->Enabled());
  for (Slider* slider : panel.bar)
    EXPECT_FALSE(slider->Enabled());
  panel.disablebuttons();
  for (Button* button : panel.btnsel)
    EXPECT_FALSE(button->Enabled());
}

TEST_F(ControlPanel, ACaptionOtherThanUnselectedCountsAsCaptured) {
  TForm1& panel = *Form1;
  panel.btnsel[7]->SetCaption("Unsupported Object");
  panel.btnsel[8]->SetCaption("unselected");
  EXPECT_TRUE(panel.IsCaptured(7));
  EXPECT_TRUE(panel.IsCaptured(8));
  EXPECT_FALSE(panel.IsCaptured(9));
  EXPECT_THROW(panel.IsCaptured(20), Exception);
  EXPECT_THROW(panel.IsCaptured(-1), Exception);
}

TEST_F(ControlPanel, ExitFreesThePanelKeepsTheSetUpAndTheNextShowBuildsAFreshOne) {
  channelobj[0] = kAnimated;
  morphinfo = kInfoObject;
  Form1->Hide1->Click();
  Form1->btnsel[3]->SetCaption("Head");
  ASSERT_TRUE(UserClick(*Form1->ExitQuillmereMorph1));
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(FindForm("Form1"), nullptr);
  EXPECT_EQ(channelobj[0], kAnimated);
  EXPECT_EQ(morphinfo, kInfoObject);

  ShowControlPanel();
  ASSERT_NE(Form1, nullptr);
  EXPECT_EQ(Form1->btnsel[3]->Caption(), kUnselected);
  EXPECT_EQ(Form1->Height(), 40);
  EXPECT_EQ(test::FakeHost::ListedNames(),
            (std::vector<std::string>{"Form2", "Form1", "Form2", "Form1"}));
  channelobj[0] = nullptr;
}

TEST_F(ControlPanel, TheCloseBoxFreesThePanelTooAndOnlyHidesTheChooser) {
  ASSERT_TRUE(UserPressCloseBox(*Form2));
  EXPECT_FALSE(Form2->Visible());
  EXPECT_NE(FindForm("Form2"), nullptr);
  ASSERT_TRUE(UserPressCloseBox(*Form1));
  EXPECT_EQ(Form1, nullptr);
}

TEST_F(ControlPanel, TheNameFieldsRenameTheBoundObjectsAndNothingWhileNoneIsBound) {
  TForm1& panel = *Form1;
  panel.infoobj->SetText("QM-Morph");
  panel.finalname->SetText("Blend");
  EXPECT_TRUE(test::Renamings().empty());

  morphinfo = kInfoObject;
  animobj = kAnimated;
  panel.infoobj->SetText("QM-Morph 2");
  panel.finalname->SetText("Blend 2");
  panel.finalname->SetText("Blend 2"); // no change, no call
  EXPECT_EQ(test::Renamings(),
            (std::vector<test::Renaming>{{kInfoObject, "QM-Morph 2"}, {kAnimated, "Blend 2"}}));
}

TEST_F(ControlPanel, TheNameFieldsAreReadOnlyForTheUser) {
  Form1->Hide1->Click();
  EXPECT_FALSE(UserType(*Form1->infoobj, "typed"));
  EXPECT_EQ(Form1->infoobj->Text(), "None");
}

TEST_F(ControlPanel, TheAboutBoxShownThreeTimesIsOneFormListedThreeTimes) {
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(UserClick(*Form1->About1));
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(test::FakeHost::ListedNames(),
            (std::vector<std::string>{"Form2", "Form1", "about", "about", "about"}));
  ASSERT_TRUE(UserPressCloseBox(*about));
  EXPECT_FALSE(about->Visible());
  DestroyRecordedForms(PluginHost->FormList);
  EXPECT_EQ(about, nullptr);
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(Form2, nullptr);
  EXPECT_TRUE(LiveForms().empty());
}

TEST_F(ControlPanel, OnlineHelpChangesNothing) {
  const std::string panel = Dump("Form1");
  const std::string chooser = Dump("Form2");
  ASSERT_TRUE(UserClick(*Form1->OnlineHelp1));
  EXPECT_EQ(Dump("Form1"), panel);
  EXPECT_EQ(Dump("Form2"), chooser);
  EXPECT_EQ(LiveForms().size(), 2u);
}

TEST_F(ControlPanel, EveryControlAndMenuItemIsWiredToAHandler) {
  for (const auto& component : Form1->Components()) {
    const std::string& name = component->Name();
    if (auto* item = dynamic_cast<MenuItem*>(component.get())) {
      // Separators and the menus that only open sub-items have nothing to run.
      if (item->IsSeparator() || !item->Items().empty()) continue;
      EXPECT_TRUE(static_cast<bool>(item->OnClick)) << name;
    } else if (auto* button = dynamic_cast<Button*>(component.get())) {
      if (name == "showkey") continue; // an indicator, never clicked
      EXPECT_TRUE(static_cast<bool>(button->OnClick)) << name;
    } else if (auto* slider = dynamic_cast<Slider*>(component.get())) {
      EXPECT_TRUE(static_cast<bool>(slider->OnChange)) << name;
    } else if (auto* field = dynamic_cast<TextField*>(component.get())) {
      EXPECT_TRUE(static_cast<bool>(field->OnChange)) << name;
    }
  }
}

} // namespace
} // namespace qm
