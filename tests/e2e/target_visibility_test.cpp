// Hide Targets and Lock Targets: the captured objects hidden and shown together, and the
// select buttons locked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin_session.h"

namespace qm {
namespace {

class TargetVisibility : public ::testing::Test {
protected:
  int SceneDraws() { return session_.Host().SceneDrawCount(); }
  std::vector<std::string> VisibilityCalls() {
    std::vector<std::string> calls;
    for (const auto& call : session_.Host().Calls()) {
      if (call.function == "tsxMNodeSetInvisible" || call.function == "tsxMNodeSetVisible") {
        calls.push_back(call.function + " " + call.arguments);
      }
    }
    return calls;
  }

  test::PluginSession session_;
};

TEST_F(TargetVisibility, NothingCapturedOnlyRedrawsAndTogglesTheCheckMark) {
  session_.OpenWithNewSetup();
  const int draws = SceneDraws();
  session_.Host().ClearCalls();
  session_.Do("click Form1.HideTargets1");
  EXPECT_TRUE(VisibilityCalls().empty());
  EXPECT_EQ(SceneDraws(), draws + 1);
  EXPECT_EQ(session_.Get("Form1.HideTargets1.Checked"), "1");
}

TEST_F(TargetVisibility, HidesAndShowsExactlyTheCapturedObjectsInChannelOrder) {
  session_.OpenWithNewSetup();
  tsxSOBJ* face = session_.AddMesh("Face", {{0, 0, 0}});
  tsxSOBJ* smile = session_.AddMesh("Smile", {{1, 0, 0}});
  tsxSOBJ* frown = session_.AddMesh("Frown", {{0, 1, 0}});
  tsxSOBJ* other = session_.AddMesh("Other", {{0, 0, 1}});
  session_.Capture(0, face);
  session_.Capture(15, frown);
  session_.Capture(2, smile);
  session_.Do("click Form1.Update2");
  session_.Host().ClearCalls();

  session_.Do("click Form1.HideTargets1");
  EXPECT_EQ(VisibilityCalls(),
            (std::vector<std::string>{"tsxMNodeSetInvisible [Face]", "tsxMNodeSetInvisible [Smile]",
                                      "tsxMNodeSetInvisible [Frown]"}));
  for (tsxSOBJ* hidden : {face, smile, frown})
    EXPECT_FALSE(session_.Host().Visible(hidden));
  EXPECT_TRUE(session_.Host().Visible(other));
  EXPECT_TRUE(session_.Host().Visible(session_.Host().TopLevel().back())) << "animated object";

  session_.Host().ClearCalls();
  session_.Do("click Form1.HideTargets1");
  EXPECT_EQ(VisibilityCalls(),
            (std::vector<std::string>{"tsxMNodeSetVisible [Face]", "tsxMNodeSetVisible [Smile]",
                                      "tsxMNodeSetVisible [Frown]"}));
  EXPECT_EQ(session_.Get("Form1.HideTargets1.Checked"), "0");
}

TEST_F(TargetVisibility, LockTargetsDisablesAndEnablesAllSelectButtons) {
  session_.ClickIcon();
  session_.Do("click Form1.LockTargets1");
  EXPECT_EQ(session_.Get("Form1.LockTargets1.Checked"), "1");
  EXPECT_EQ(session_.Get("Form1.btnsel19.Enabled"), "0");
  session_.Do("click Form1.LockTargets1");
  for (const char* button : {"btnseloriginal", "btnsel1", "btnsel19"}) {
    EXPECT_EQ(session_.Get(std::string("Form1.") + button + ".Enabled"), "1") << button;
  }
  EXPECT_EQ(session_.Get("Form1.bar1.Enabled"), "0") << "the sliders are not touched";
}

} // namespace
} // namespace qm
