// Scenario runs: the host steps and checks of a script, run in this process with a
// small plug-in module, and qmhost's --script from the command line with its exit
// status.
#include "app/host_steps.h"
#include "app/session.h"

#include "program_run.h"
#include "standin_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qm::host {
namespace {

class ScenarioRun : public standin::testing::StandinTest {
protected:
  void SetUp() override {
    StandinTest::SetUp();
    folder_ = std::filesystem::temp_directory_path() /
              ("qm-scenario-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "scenes");
    Write("scenes/two.json", R"({"nodes": [
      {"kind": "mesh", "name": "Face", "vertices": [[0.1, -2, 3], [1e-06, 0, -0.5]]},
      {"kind": "group", "name": "Rig", "children": [{"kind": "marker", "name": "Eye"}]},
      {"kind": "marker", "name": "Lamp"},
      {"kind": "mesh", "name": "Face", "vertices": []}]})");
  }
  void TearDown() override {
    std::filesystem::remove_all(folder_);
    StandinTest::TearDown();
  }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  // Runs `text` as the script folder/s.qms with the small plug-in module; returns
  // what the session printed after the registration.
  std::string Run(const std::string& text) {
    PluginModule module(FAKE_PLUGIN_PATH);
    std::ostringstream out;
    outcome_ = RunSession(module, ParseScript(text, Path("s.qms")), host(), out);
    const std::string printed = out.str();
    return printed.substr(printed.find('\n', printed.find("  values:")) + 1);
  }

  std::filesystem::path folder_;
  SessionOutcome outcome_;
};

TEST_F(ScenarioRun, HostStepsLoadSelectPrintAndSaveTheScene) {
  const std::string output = Run("scene scenes/two.json\n"
                                 "select Face\n"
                                 "print-mesh Face\n"
                                 "print-scene\n"
                                 "save " +
                                 Path("saved.json") + "\n");
  EXPECT_EQ(output, "scene scenes/two.json: 4 top-level nodes\n"
                    "select Face: done\n"
                    "print-mesh Face: 2 vertices\n"
                    "  0.1 -2 3\n"
                    "  1e-06 0 -0.5\n"
                    "print-scene: 4 top-level nodes\n"
                    "  mesh Face (2 vertices)\n"
                    "  group Rig (1 child)\n"
                    "  marker Lamp\n"
                    "  mesh Face (0 vertices)\n"
                    "save " +
                        Path("saved.json") + ": done\n");
  EXPECT_FALSE(outcome_.failed);
  EXPECT_EQ(host().Selection(), host().TopLevel()[0]) << "the first node of the name";
  EXPECT_TRUE(std::filesystem::exists(Path("saved.json")));
}

TEST_F(ScenarioRun, AStepThatFailsStopsTheScriptNamingItsLine) {
  struct Case {
    std::string script;
    std::string error; // the last line printed
  };
  const Case cases[] = {
      {"select Nobody\nclick",
       "host: " + Path("s.qms") + ":2: the scene has no top-level node \"Nobody\""},
      {"print-mesh Lamp\nclick",
       "host: " + Path("s.qms") + ":2: the first top-level node \"Lamp\" is a marker, not a mesh"},
      {"print-mesh Eye\nclick",
       "host: " + Path("s.qms") + ":2: the scene has no top-level node \"Eye\""},
      {"scene scenes/missing.json\nclick", "host: " + Path("s.qms") +
                                               ":2: " + Path("scenes/missing.json") +
                                               ": cannot be read: No such file or directory"},
      {"save " + Path("none/x.json") + "\nclick",
       "host: " + Path("s.qms") + ":2: " + Path("none/x.json") +
           ": cannot be written: No such file or directory"},
  };
  for (const Case& c : cases) {
    const std::string output = Run("scene scenes/two.json\n" + c.script);
    EXPECT_TRUE(outcome_.failed) << c.script;
    EXPECT_TRUE(output.ends_with(c.error + "\n")) << output;
    EXPECT_EQ(output.find("click:"), std::string::npos) << "nothing runs after the failure";
  }
}

TEST_F(ScenarioRun, ChecksLookAtThePreviousStepAndTheLastReply) {
  // The small module has no qmAutomation, so an auto step gives no reply.
  const std::string passing = Run("click\n"
                                  "expect click: result 0\n"
                                  "scene scenes/two.json\n"
                                  "print-mesh Face\n"
                                  "expect 1e-06 0 -0.5\n"
                                  "expect print-mesh Face: 2 vertices\n");
  EXPECT_FALSE(outcome_.failed) << passing;

  const std::string where = Path("s.qms");
  struct Case {
    std::string script;
    std::string error;
  };
  const Case cases[] = {
      {"expect anything", where + ":1: expect: no command ran before it"},
      {"click\nexpect click: result 1",
       where + ":2: expect failed: \"click: result 1\" is not a line that " + where +
           ":1 (click) printed"},
      {"click\nprint-scene\nexpect click: result 0",
       where + ":3: expect failed: \"click: result 0\" is not a line that " + where +
           ":2 (print-scene) printed"},
      {"expect-reply 1", where + ":1: expect-reply: no auto command before it gave a reply"},
      {"auto forms\nexpect-reply",
       where + ":2: expect-reply: no auto command before it gave a reply"},
  };
  for (const Case& c : cases) {
    const std::string output = Run(c.script);
    EXPECT_TRUE(outcome_.failed) << c.script;
    EXPECT_TRUE(output.ends_with("host: " + c.error + "\n")) << output;
  }
}

TEST_F(ScenarioRun, APluginThatRaisesDoesNotStopTheScript) {
  const std::string output = Run("rightclick\nclick\n");
  EXPECT_EQ(output, "host: the plug-in raised: right click refused\nclick: result 0\n");
  EXPECT_TRUE(outcome_.raised);
  EXPECT_FALSE(outcome_.failed);
}

TEST(HostSteps, PathsAndCounts) {
  EXPECT_EQ(ResolvePath("assets/scenarios", "../scenes/face.json"),
            "assets/scenarios/../scenes/face.json");
  EXPECT_EQ(ResolvePath("assets/scenarios", "/tmp/face.json"), "/tmp/face.json");
  EXPECT_EQ(ResolvePath("", "face.json"), "face.json");
  EXPECT_EQ(CountText(1, "vertex", "vertices"), "1 vertex");
  EXPECT_EQ(CountText(0, "vertex", "vertices"), "0 vertices");
  EXPECT_EQ(VertexLines({{-0.59411680f, 1e-6f, -0.0f}, {0.1f, 16777216.0f, 3}}),
            (std::vector<std::string>{"  -0.5941168 1e-06 -0", "  0.1 16777216 3"}));
}

using HostRun = qm::test::ProgramRun;

HostRun RunQmhost(const std::string& arguments) {
  return qm::test::RunProgram(std::string(QMHOST_PATH) + " " + arguments + " 2>&1");
}

TEST_F(ScenarioRun, QmhostRunsAScriptFileWithItsExitStatus) {
  const std::string module = FAKE_PLUGIN_PATH;
  Write("good.qms", "# fine\nscene scenes/two.json\nclick\nexpect click: result 0\n");
  Write("failing.qms", "click\nexpect click: result 7\nclick\n");
  Write("broken.qms", "click\nclick twice\n");

  const HostRun good = RunQmhost(module + " --script " + Path("good.qms"));
  EXPECT_EQ(good.status, 0) << good.output;
  EXPECT_NE(good.output.find("scene scenes/two.json: 4 top-level nodes\nclick: result 0\n"),
            std::string::npos)
      << good.output;

  const HostRun failing = RunQmhost(module + " --script " + Path("failing.qms"));
  EXPECT_EQ(failing.status, 1);
  EXPECT_NE(failing.output.find("host: " + Path("failing.qms") + ":2: expect failed"),
            std::string::npos)
      << failing.output;
  EXPECT_NE(failing.output.find("host: unloaded"), std::string::npos) << "the module is unloaded";

  // A script that cannot be parsed runs nothing: not even the module is loaded.
  const HostRun broken = RunQmhost(module + " --script " + Path("broken.qms"));
  EXPECT_EQ(broken.status, 2);
  EXPECT_EQ(broken.output, "qmhost: " + Path("broken.qms") + ":2: click takes no argument\n");

  for (const std::string& arguments :
       {module + " --script", module + " click --script " + Path("good.qms"),
        module + " --script " + Path("good.qms") + " --script " + Path("good.qms"),
        std::string("--script ") + Path("good.qms")}) {
    const HostRun usage = RunQmhost(arguments);
    EXPECT_EQ(usage.status, 2) << arguments;
    EXPECT_NE(usage.output.find("usage: qmhost"), std::string::npos) << usage.output;
  }
  EXPECT_EQ(RunQmhost(module + " --script " + Path("missing.qms")).status, 2);
}

} // namespace
} // namespace qm::host
