// The plug-in's windows driven through qmAutomation on the real module, loaded by
// path beside the default stand-in host as a host application loads it: the icon
// click, the panel's first state, closing and reopening, the hit test, refused
// input, the name fields, and a golden dump of a new panel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "loaded_library.h"
#include "standin_control.h"
#include "stderr_capture.h"

namespace qm {
namespace {

using test::LoadedLibrary;

using AutomationFn = int (*)(const char*, char*, int);

struct Answer {
  int result;
  std::string reply;
};

// The module beside the default stand-in host, registered and clicked once.
class Panel : public ::testing::Test {
protected:
  void SetUp() override {
    control_ = host_.Function<standin::ControlEntry>(standin::kControlEntryName)();
    control_->Reset();
    module_ = std::make_unique<LoadedLibrary>(QM_MODULE_PATH);
    automation_ = module_->Function<AutomationFn>("qmAutomation");
    unsigned char block[100] = {};
    ASSERT_EQ(module_->Function<int (*)(void*, int)>("tsxGetData")(block, 0), 0);
    ClickIcon();
  }
  void TearDown() override { module_.reset(); }

  void ClickIcon() { ASSERT_EQ(module_->Function<int (*)()>("tsxOnLeftClick")(), 0); }
  Answer Auto(const std::string& command) const {
    std::vector<char> reply(1 << 16, '#');
    const int result = automation_(command.c_str(), reply.data(), static_cast<int>(reply.size()));
    return {result, reply.data()};
  }
  // The reply of a command that must be carried out.
  std::string Get(const std::string& command) const {
    const Answer answer = Auto(command);
    EXPECT_EQ(answer.result, 0) << command << ": " << answer.reply;
    return answer.reply;
  }

  test::StderrCapture stderr_;
  LoadedLibrary host_{QM_STANDIN_DEFAULT_HOST};
  standin::Control* control_ = nullptr;
  std::unique_ptr<LoadedLibrary> module_;
  AutomationFn automation_ = nullptr;
};

TEST_F(Panel, TheFirstClickShowsThePanelCollapsedToItsMenuStripAndTheChooser) {
  EXPECT_EQ(Get("forms"), "Form1 1\nForm2 1");
  EXPECT_EQ(Get("get Form1.Width"), "363");
  EXPECT_EQ(Get("get Form1.Height"), "40");
  EXPECT_EQ(Get("get Form1.Hide1.Caption"), "Expand");
  EXPECT_EQ(Get("get Form1.Caption"), "Quillmere by Ardwynne");
  EXPECT_EQ(Get("get Form2.Caption"), "Select QMMorph Channel Object");
  EXPECT_EQ(Get("get Form1.Page11.Checked"), "1");
  EXPECT_EQ(Get("get Form1.AutoUpdate1.Checked"), "1");
}

TEST_F(Panel, ExpandAndHideSwitchBetweenTheTwoSizes) {
  Get("click Form1.Hide1");
  EXPECT_EQ(Get("get Form1.Width") + "x" + Get("get Form1.Height"), "363x362");
  EXPECT_EQ(Get("get Form1.ClientWidth"), "355");
  EXPECT_EQ(Get("get Form1.Hide1.Caption"), "Hide");
  Get("click Form1.Hide1");
  EXPECT_EQ(Get("get Form1.Width") + "x" + Get("get Form1.Height"), "363x40");
  EXPECT_EQ(Get("get Form1.Hide1.Caption"), "Expand");
}

TEST_F(Panel, ClosingTheChooserLeavesThePanelCollapsedAndItsMenusAtWork) {
  Get("close Form2");
  EXPECT_EQ(Get("forms"), "Form1 1\nForm2 0");
  EXPECT_EQ(Get("get Form1.Height"), "40");
  EXPECT_EQ(Get("get Form1.btnseloriginal.Enabled"), "0");
  EXPECT_EQ(Get("get Form1.baroriginal.Enabled"), "0");
  Get("click Form1.Hide1");
  EXPECT_EQ(Get("get Form1.Height"), "362");
  Get("click Form1.Load2"); // File menu: collapses again and shows the chooser
  EXPECT_EQ(Get("forms"), "Form1 1\nForm2 1");
  EXPECT_EQ(Get("get Form1.Height"), "40");
  Get("click Form2.Button1"); // New
  EXPECT_EQ(Get("get Form1.btnseloriginal.Enabled"), "1");
}

TEST_F(Panel, ASecondClickShowsTheSamePanelAgain) {
  Get("click Form1.Hide1"); // expanded: a new panel would be collapsed
  Get("close Form2");
  ClickIcon();
  EXPECT_EQ(Get("forms"), "Form1 1\nForm2 0");
  EXPECT_EQ(Get("get Form1.Height"), "362");
}

TEST_F(Panel, ClosingThePanelAndClickingAgainBuildsANewOneInItsFirstState) {
  Get("click Form1.Hide1");
  Get("close Form2");
  Get("close Form1");
  EXPECT_EQ(Get("forms"), "Form2 0");
  ClickIcon();
  EXPECT_EQ(Get("forms"), "Form2 1\nForm1 1");
  EXPECT_EQ(Get("get Form1.Height"), "40");
  EXPECT_EQ(Get("get Form1.Hide1.Caption"), "Expand");
  // Exit from the menu closes it the same way.
  Get("click Form1.Hide1");
  Get("click Form1.ExitQuillmereMorph1");
  EXPECT_EQ(Get("forms"), "Form2 1");
}

TEST_F(Panel, TheAboutBoxShownThreeTimesIsOneWindowHiddenWhenClosed) {
  for (int i = 0; i < 3; ++i)
    Get("click Form1.About1");
  EXPECT_EQ(Get("forms"), "Form1 1\nForm2 1\nabout 1");
  Get("close about");
  EXPECT_EQ(Get("forms"), "Form1 1\nForm2 1\nabout 0");
  EXPECT_EQ(Get("get about.URLLabel1.Caption"), "quillmere.example.org/morph");
  // Unloading tears the windows down; the sanitizers watch for a second destruction.
  module_.reset();
}

TEST_F(Panel, APressOnBareAreaOrALabelDragsTheWindowAndControlsTakeTheirOwn) {
  Get("click Form1.Hide1");
  Get("click Form1.About1");
  struct Case {
    const char* command;
    const char* expected;
  };
  const Case cases[] = {
      {"hittest Form2 300 151", "caption"}, // bare client area of the chooser
      {"hittest about 210 15", "caption"},  // the title label lies on the form
      {"hittest about 20 20", "caption"},   // so does the picture
      {"hittest Form2 260 20", "client"},   // Load button
      {"hittest Form2 20 20", "client"},    // list box
      {"hittest Form1 100 30", "client"},   // the name field, inside the header group
      {"hittest Form1 60 100", "client"},   // a select button inside page 1
      {"hittest Form1 20 10", "client"},    // a label inside the header group
      {"hittest Form1 -3 10", "client"},    // outside the client area
      // The transport group is disabled at first; its window lets the press through
      // to the form, as a disabled native window does.
      {"hittest Form1 100 60", "caption"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Get(c.command), c.expected) << c.command;
}

TEST_F(Panel, EverySelectButtonAndSliderIsOutOfReachAtFirst) {
  Get("click Form1.Hide1");
  for (int k = 0; k < 20; ++k) {
    const std::string suffix = k == 0 ? "original" : std::to_string(k);
    EXPECT_EQ(Get("get Form1.btnsel" + suffix + ".Enabled"), "0") << k;
    EXPECT_EQ(Get("get Form1.bar" + suffix + ".Enabled"), "0") << k;
    EXPECT_EQ(Auto("click Form1.btnsel" + suffix).result, 2) << k;
    EXPECT_EQ(Auto("set Form1.bar" + suffix + " 50").result, 2) << k;
  }
  EXPECT_EQ(Get("get Form1.baroriginal.Position"), "100");
  EXPECT_EQ(Get("get Form1.bar19.Position"), "0");
}

TEST_F(Panel, PageOneFromTheMenuLeavesThePageButtonsColoursAlone) {
  Get("click Form1.Hide1");
  Get("click Form1.Page11");
  EXPECT_EQ(Get("get Form1.Page11.Checked"), "1");
  EXPECT_EQ(Get("get Form1.Panel1.Visible"), "1");
  EXPECT_EQ(Get("get Form1.btnpage1.FontColor"), "clLime");
  EXPECT_EQ(Get("get Form1.btnpage2.FontColor"), "clSilver");
  // Page 2 needs a set-up first.
  EXPECT_EQ(Auto("click Form1.Page21").result, 2);
  EXPECT_EQ(Auto("click Form1.btnpage2").result, 2);
}

TEST_F(Panel, OnlineHelpChangesNothing) {
  Get("click Form1.Hide1");
  const std::string panel = Get("dump Form1");
  const std::string chooser = Get("dump Form2");
  control_->ClearCalls();
  Get("click Form1.OnlineHelp1");
  EXPECT_EQ(Get("dump Form1"), panel);
  EXPECT_EQ(Get("dump Form2"), chooser);
  EXPECT_EQ(Get("forms"), "Form1 1\nForm2 1");
  EXPECT_TRUE(control_->Calls().empty());
  EXPECT_EQ(Get("messages"), "");
}

TEST_F(Panel, ReadingTheWindowsMakesNoHostCall) {
  control_->ClearCalls();
  for (const char* command : {"forms", "dump Form1", "dump Form2", "get Form1.infoobj.Text",
                              "hittest Form1 5 5", "messages", "nonsense"}) {
    Auto(command);
  }
  EXPECT_TRUE(control_->Calls().empty());
}

TEST_F(Panel, TheAnimatedObjectsNameFieldRenamesTheObjectItShows) {
  tsxSOBJ* ball = control_->CreatePolyhedron("Ball", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
  control_->AddToScene(ball);
  control_->Select(ball);
  Get("click Form1.Hide1");
  control_->ClearCalls();
  Get("click Form1.SelectAnimatedObject1");
  EXPECT_EQ(Get("get Form1.finalname.Text"), "Ball");
  std::vector<std::string> renames;
  for (const auto& call : control_->Calls()) {
    if (call.function == "tsxGNodeSetName") renames.push_back(call.Text());
  }
  EXPECT_EQ(renames, std::vector<std::string>{"tsxGNodeSetName([Ball], \"Ball\")"});
  EXPECT_EQ(control_->Name(ball), "Ball");
}

TEST_F(Panel, BadCommandsAreRefusedClearlyAndChangeNothing) {
  Get("click Form1.Hide1");
  const std::string before = Get("dump Form1");
  struct Case {
    const char* command;
    int result;
  };
  const Case cases[] = {
      {"click Form9.Hide1", 1},          {"click Form1.NoSuchButton", 1},
      {"get Form1.bar1.Colour", 1},      {"set Form1.bar1 forty", 1},
      {"set Form1.currframe 1x", 1},     {"launch Form1", 1},
      {"click Form1.btnrec", 2},         {"click Form1.btnsel3", 2},
      {"click Form1.Update1", 2},        {"click Form1.CreateFromChannels1", 2},
      {"type Form1.infoobj Renamed", 2}, {"set Form1.currframe 5", 2},
  };
  for (const Case& c : cases) {
    const Answer answer = Auto(c.command);
    EXPECT_EQ(answer.result, c.result) << c.command;
    EXPECT_FALSE(answer.reply.empty()) << c.command;
  }
  EXPECT_EQ(Get("dump Form1"), before);
}

TEST_F(Panel, ShortAndMissingReplyBuffersAreHandled) {
  char tiny[4] = {'#', '#', '#', '#'};
  EXPECT_EQ(automation_("get Form1.Caption", tiny, 3), 0);
  EXPECT_STREQ(tiny, "Qu");
  EXPECT_EQ(tiny[3], '#');
  EXPECT_NE(automation_("forms", nullptr, 10), 0);
  char untouched = '#';
  EXPECT_NE(automation_("forms", &untouched, 0), 0);
  EXPECT_EQ(untouched, '#');
  char one = '#';
  EXPECT_EQ(automation_("forms", &one, 1), 0);
  EXPECT_EQ(one, '\0');
  std::vector<char> reply(64);
  EXPECT_NE(automation_(nullptr, reply.data(), 64), 0);
  EXPECT_STRNE(reply.data(), "");
}

// A new panel's dump, reviewed line by line against the panel's description and
// kept as a golden file. QM_UPDATE_GOLDEN=1 writes the file instead of comparing.
TEST_F(Panel, ANewPanelDumpsAsTheGoldenFile) {
  const std::string path = std::string(QM_GOLDEN_DIR) + "/form1_new.txt";
  const std::string dump = Get("dump Form1") + "\n";
  if (const char* update = std::getenv("QM_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << dump;
    GTEST_SKIP() << "wrote " << path;
  }
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << "missing " << path;
  std::stringstream golden;
  golden << file.rdbuf();
  EXPECT_EQ(dump, golden.str());
}

} // namespace
} // namespace qm
