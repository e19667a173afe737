// What the channel animation does before any set-up exists: the panel's handlers run
// in this process with the default stand-in host, called as the program would call
// them, since a user cannot reach them yet. Nothing may hand the host an empty handle.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "animation/channel_keys.h"
#include "animation/morph_info.h"
#include "loaded_library.h"
#include "morph/channel_set.h"
#include "shell/entry_points.h"
#include "shell/plugin_host.h"
#include "standin_control.h"
#include "ui/control_panel.h"
#include "widgets/dialogs.h"

namespace qm {
namespace {

class WithoutSetUp : public ::testing::Test {
protected:
  void SetUp() override {
    host_ = host_library_.Function<standin::ControlEntry>(standin::kControlEntryName)();
    host_->Reset();
    ModuleStartup();
    std::array<unsigned char, 100> block{};
    ASSERT_EQ(tsxGetData(block.data(), 0), 0);
    ASSERT_EQ(tsxOnLeftClick(), 0);
    ASSERT_NE(Form1, nullptr);
    ASSERT_EQ(morphinfo, nullptr);
    panel_ = Form1;
    panel_->bar[2]->SetPosition(40);
    host_->ClearCalls();
  }
  void TearDown() override {
    morphinfo = nullptr;
    nullobj = {};
    animobj = nullptr;
    if (PluginHost) PluginModuleNotify(kNotifyProcessDetach);
    widgets::TakeShownMessages();
  }
  void ExpectNoHostCall(const char* what) {
    for (const auto& call : host_->Calls())
      ADD_FAILURE() << what << ": " << call.Text();
    host_->ClearCalls();
  }

  test::LoadedLibrary host_library_{QM_STANDIN_DEFAULT_HOST};
  standin::Control* host_ = nullptr;
  TForm1* panel_ = nullptr;
};

TEST_F(WithoutSetUp, KeysUnsetReadBackAndNavigationDoNothing) {
  setnullframe(*panel_);
  ExpectNoHostCall("setnullframe");
  Unsetnullframe(*panel_);
  ExpectNoHostCall("Unsetnullframe");
  panel_->btnunsetClick();
  ExpectNoHostCall("btnunsetClick");
  getposfromobj(*panel_);
  ExpectNoHostCall("getposfromobj");
  panel_->btnrewendClick();
  panel_->btnffendClick();
  panel_->btnrewClick();
  panel_->btnffClick();
  ExpectNoHostCall("navigation");
  EXPECT_EQ(panel_->currframe->Text(), "0");
  EXPECT_EQ(panel_->bar[2]->Position(), 40) << "nothing was read back";
  EXPECT_EQ(panel_->bar[0]->Position(), 100);
}

TEST_F(WithoutSetUp, AFrameChangeShowsOnlyTheTimeCode) {
  panel_->currframe->SetValue(45);
  EXPECT_EQ(panel_->smtp->Caption(), "00:01:50");
  ASSERT_EQ(host_->Calls().size(), 1u);
  EXPECT_EQ(host_->Calls()[0].function, "tsxAnimGetBaseFramerate");
  EXPECT_EQ(panel_->bar[2]->Position(), 40);
}

TEST_F(WithoutSetUp, AnimateFromChannelsSetsAndClearsItsFlagAndAsksNothing) {
  panel_->CreateFromChannels1Click();
  ExpectNoHostCall("CreateFromChannels1Click");
  EXPECT_FALSE(panel_->animatingchannels);
}

TEST_F(WithoutSetUp, RecordingWithoutAnOriginalKeysNothing) {
  panel_->currframe->SetValue(3);
  host_->ClearCalls();
  panel_->btnrecClick();
  EXPECT_TRUE(panel_->showkey->Visible());
  for (const auto& call : host_->Calls()) {
    EXPECT_NE(call.function, "tsxFrameCreate") << call.Text();
    EXPECT_NE(call.status, standin::CallStatus::InvalidHandle) << call.Text();
  }
}

TEST_F(WithoutSetUp, PlayNeedsNoSetUp) {
  panel_->btnplayClick();
  EXPECT_TRUE(host_->Playing());
}

} // namespace
} // namespace qm
