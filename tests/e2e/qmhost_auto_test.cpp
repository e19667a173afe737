// qmhost's "auto" command: the automation commands of a script reach the real
// module's qmAutomation, and their answers and replies are printed in order.
#include "app/arguments.h"

#include <gtest/gtest.h>

#include "program_run.h"

#include <string>

namespace qm::host {
namespace {

TEST(QmhostAutoArguments, TakeTheCommandFromTheNextArgumentOrFromTheSameOne) {
  const Invocation invocation = ParseArguments(
      {"Qm.tsx", "click", "auto", "click Form1.Hide1", "auto forms", "deactivate", "auto", "auto"});
  EXPECT_EQ(invocation.commands,
            (std::vector<Command>{Command::Click, Command::Automation, Command::Automation,
                                  Command::Deactivate, Command::Automation}));
  EXPECT_EQ(invocation.automation,
            (std::vector<std::string>{"click Form1.Hide1", "forms", "auto"}));
  EXPECT_THROW(ParseArguments({"Qm.tsx", "click", "auto"}), EUsageError);
  EXPECT_THROW(ParseArguments({"Qm.tsx", "autoforms"}), EUsageError);
}

std::string RunQmhost(const std::string& arguments) {
  return qm::test::RunProgram(std::string(QMHOST_PATH) + " " + QM_MODULE_PATH + " " + arguments +
                              " 2>/dev/null")
      .output;
}

TEST(QmhostAuto, AScriptClicksTheIconAndDrivesTheWindows) {
  const std::string output =
      RunQmhost("click 'auto forms' 'auto click Form1.Hide1' auto 'get Form1.Height' "
                "'auto click Form1.btnsel1' 'auto get Form1.Nothing'");
  EXPECT_NE(output.find("click: result 0\n"
                        "auto forms: result 0\n"
                        "  Form1 1\n"
                        "  Form2 1\n"
                        "auto click Form1.Hide1: result 0\n"
                        "auto get Form1.Height: result 0\n"
                        "  362\n"
                        "auto click Form1.btnsel1: result 2\n"
                        "  Form1.btnsel1 is disabled\n"
                        "auto get Form1.Nothing: result 1\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("host: unloaded"), std::string::npos) << output;
}

TEST(QmhostAuto, BeforeTheIconIsClickedThereIsNoWindowToDrive) {
  const std::string output = RunQmhost("'auto forms' 'auto click Form1.Hide1'");
  EXPECT_NE(output.find("auto forms: result 0\n"
                        "auto click Form1.Hide1: result 1\n"),
            std::string::npos)
      << output;
}

} // namespace
} // namespace qm::host
