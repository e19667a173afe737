// qmhost: its command line, how it shows the registration block, and whole runs
// with a small plug-in module.
#include "app/arguments.h"
#include "app/registration_block.h"

#include <gtest/gtest.h>

#include "program_run.h"

#include <string>

namespace qm::host {
namespace {

TEST(QmhostArguments, ModuleThenCommandsInOrder) {
  const Invocation invocation =
      ParseArguments({"/x/Qm.tsx", "click", "rightclick", "click", "deactivate"});
  EXPECT_EQ(invocation.modulePath, "/x/Qm.tsx");
  EXPECT_EQ(invocation.commands, (std::vector<Command>{Command::Click, Command::RightClick,
                                                       Command::Click, Command::Deactivate}));
  EXPECT_FALSE(invocation.help);
  EXPECT_TRUE(ParseArguments({"Qm.tsx"}).commands.empty());
  EXPECT_TRUE(ParseArguments({"--help"}).help);
}

TEST(QmhostArguments, RefusesMissingModuleAndUnknownCommands) {
  EXPECT_THROW(ParseArguments({}), EUsageError);
  EXPECT_THROW(ParseArguments({""}), EUsageError);
  EXPECT_THROW(ParseArguments({"Qm.tsx", "Click"}), EUsageError);
  EXPECT_THROW(ParseArguments({"Qm.tsx", "click", "play"}), EUsageError);
}

TEST(QmhostBlock, UntouchedBlockIsSaidSo) {
  EXPECT_EQ(DescribeBlock(NewRegistrationBlock()), std::vector<std::string>{"  block: untouched"});
}

TEST(QmhostBlock, ShowsFieldsUpToTheirTerminatorAndLittleEndianValues) {
  RegistrationBlock block = NewRegistrationBlock();
  std::copy_n("Quillmere", 10, block.begin());
  std::copy_n("Ardwynne", 9, block.begin() + 32);
  block[96] = 0x02;
  block[97] = 0x01;
  block[98] = 0xFF;
  block[99] = 0xFF;
  EXPECT_EQ(DescribeBlock(block),
            (std::vector<std::string>{"  name: \"Quillmere\"", "  author: \"Ardwynne\"",
                                      "  values: 258 65535"}));
}

TEST(QmhostBlock, FieldWithoutTerminatorStopsAtItsEndAndOddBytesAreEscaped) {
  RegistrationBlock block = NewRegistrationBlock();
  std::fill_n(block.begin(), 32, 'N');
  block[32] = '\n';
  block[33] = '\\';
  block[34] = 0;
  const auto name = ReadTextField(block, 0, 32);
  EXPECT_EQ(name.text, std::string(32, 'N'));
  EXPECT_FALSE(name.terminated);
  const auto author = ReadTextField(block, 32, 64);
  EXPECT_EQ(author.text, "\\x0A\\x5C");
  EXPECT_TRUE(author.terminated);
  EXPECT_EQ(DescribeBlock(block)[0], "  name: \"" + std::string(32, 'N') + "\" (no terminator)");
}

using HostRun = qm::test::ProgramRun;

HostRun RunQmhost(const std::string& arguments, const std::string& environment = "") {
  return qm::test::RunProgram(environment + " " + QMHOST_PATH + " " + arguments + " 2>&1");
}

TEST(QmhostRun, RegistersThePluginRunsTheCommandsAndSurvivesARaise) {
  const HostRun run = RunQmhost(std::string(FAKE_PLUGIN_PATH) + " click rightclick deactivate");
  const std::string expected = std::string("host: tsxapi.dll version 410\n") + "host: loaded " +
                               FAKE_PLUGIN_PATH + "\n" +
                               "tsxGetData: result 0\n"
                               "  name: \"FakePlugin\"\n"
                               "  author: \"Tester\"\n"
                               "  values: 410 7\n"
                               "click: result 0\n"
                               "host: the plug-in raised: right click refused\n"
                               "deactivate: done\n"
                               "host: unloaded " +
                               FAKE_PLUGIN_PATH + "\n";
  EXPECT_EQ(run.output, expected);
  EXPECT_EQ(run.status, 1) << "a raise makes the run fail";
}

TEST(QmhostRun, CleanRunExitsZero) {
  const HostRun run = RunQmhost(std::string(FAKE_PLUGIN_PATH) + " click deactivate");
  EXPECT_EQ(run.status, 0) << run.output;
}

// qmhost takes tsxapi.dll from LD_LIBRARY_PATH before its own folder, so a test
// can run a plug-in against a variant; this one is too old for the plug-in.
TEST(QmhostRun, AVariantHostIsPickedByLibraryPathAndADecliningPluginGetsNoCommands) {
  const HostRun run = RunQmhost(std::string(FAKE_PLUGIN_PATH) + " click",
                                std::string("LD_LIBRARY_PATH=") + QM_STANDIN_HOSTS_DIR + "/v300");
  EXPECT_NE(run.output.find("host: tsxapi.dll version 300\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("tsxGetData: result -1\n  block: untouched\n"), std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("click:"), std::string::npos) << run.output;
  EXPECT_EQ(run.status, 1);
}

TEST(QmhostRun, ReportsModulesThatCannotBeLoadedAndBadCommandLines) {
  const HostRun missing = RunQmhost("/nonexistent/Qm.tsx");
  EXPECT_NE(missing.output.find("host: cannot load /nonexistent/Qm.tsx"), std::string::npos);
  EXPECT_EQ(missing.status, 1);

  const HostRun noEntries = RunQmhost(QM_STANDIN_DEFAULT_HOST);
  EXPECT_NE(noEntries.output.find("the module has no entry point tsxGetData"), std::string::npos)
      << noEntries.output;
  EXPECT_EQ(noEntries.status, 1);

  const HostRun usage = RunQmhost(std::string(FAKE_PLUGIN_PATH) + " jump");
  EXPECT_NE(usage.output.find("unknown command: jump"), std::string::npos);
  EXPECT_EQ(usage.status, 2);
}

} // namespace
} // namespace qm::host
