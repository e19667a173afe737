// The morph information object that New Morph builds in the scene, and the naming of
// its channel nulls after the channels' captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin_session.h"

namespace qm {
namespace {

class MorphInfo : public ::testing::Test {
protected:
  tsxSOBJ* Group() { return session_.Host().FindTopLevel("QM-Morph"); }
  std::vector<std::string> NullNames() {
    std::vector<std::string> names;
    for (tsxSOBJ* null : session_.Host().Children(Group())) {
      names.push_back(session_.Host().Name(null));
    }
    return names;
  }
  static std::vector<std::string> Expected(std::vector<std::pair<int, std::string>> captured) {
    std::vector<std::string> names;
    for (int k = 0; k < 20; ++k)
      names.push_back("Ch" + std::to_string(k) + "-Unselected");
    for (auto& [channel, name] : captured) {
      names[static_cast<std::size_t>(channel)] = "Ch" + std::to_string(channel) + "-" + name;
    }
    return names;
  }

  test::PluginSession session_;
};

TEST_F(MorphInfo, NewMorphBuildsTwentyTinyNamedChannelNullsAndGivesTheSelectionBack) {
  tsxSOBJ* mesh = session_.AddMesh("Mesh", {{0, 0, 0}});
  session_.Host().Select(mesh);
  session_.OpenWithNewSetup();

  ASSERT_NE(Group(), nullptr);
  EXPECT_EQ(NullNames(), Expected({}));
  for (tsxSOBJ* null : session_.Host().Children(Group())) {
    EXPECT_EQ(session_.Host().Scale(null), 1e-6f);
    EXPECT_TRUE(session_.Host().HasScript(null));
    EXPECT_TRUE(session_.Host().LocationKeys(null).empty());
  }
  EXPECT_EQ(session_.Get("Form1.infoobj.Text"), "QM-Morph");
  EXPECT_EQ(session_.Host().Selection(), mesh);
  EXPECT_EQ(session_.Get("Form1.btnseloriginal.Enabled"), "1");
  EXPECT_EQ(session_.Get("Form1.btnsel1.Enabled"), "0");
  EXPECT_EQ(session_.Get("Form1.Height"), "362") << "the chooser's New expands the panel";
}

TEST_F(MorphInfo, EveryCaptureNamesTheNullsAfterTheCaptions) {
  session_.OpenWithNewSetup();
  session_.Capture(0, session_.AddMesh("Face", {{0, 0, 0}}));
  session_.Capture(12, session_.AddMesh("Smile", {{1, 0, 0}}));
  session_.Capture(3, session_.AddMesh("Left-Brow", {{0, 1, 0}}));
  EXPECT_EQ(NullNames(), Expected({{0, "Face"}, {12, "Smile"}, {3, "Left-Brow"}}));
}

TEST_F(MorphInfo, CapturesBeforeAnySetUpNameNothing) {
  // Lock Targets off again enables the select buttons without a set-up.
  session_.ClickIcon();
  session_.Do("click Form1.LockTargets1");
  session_.Do("click Form1.LockTargets1");
  session_.Host().ClearCalls();
  session_.Capture(0, session_.AddMesh("Face", {{0, 0, 0}}));
  EXPECT_EQ(session_.Get("Form1.btnseloriginal.Caption"), "Face");
  for (const auto& call : session_.Host().Calls()) {
    EXPECT_NE(call.function, "tsxGNodeSetName") << call.Text();
    EXPECT_NE(call.status, standin::CallStatus::InvalidHandle) << call.Text();
  }
}

} // namespace
} // namespace qm
