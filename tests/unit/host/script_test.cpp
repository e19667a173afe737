// Scenario scripts: how lines become steps, the errors that name the line, and the
// checks' comparisons.
#include "app/checks.h"
#include "app/script.h"

#include <gtest/gtest.h>

namespace qm::host {
namespace {

TEST(ScriptParser, EveryCommandWithItsArgumentAndItsLine) {
  const Script script = ParseScript("# a comment\n"
                                    "\n"
                                    "click\n"
                                    "  rightclick\t \n"
                                    "deactivate\r\n"
                                    "auto type Form1.infoobj  Two  spaces # kept \n"
                                    "scene ../scenes/face.json\n"
                                    "select My Face\n"
                                    "print-mesh Face\n"
                                    "   # an indented comment\n"
                                    "print-scene\n"
                                    "save /tmp/out.json\n"
                                    "expect click: result 0\n"
                                    "expect-reply\n"
                                    "expect-reply 50",
                                    "dir/demo.qms");
  EXPECT_EQ(script.folder, "dir");
  const std::vector<Step> expected = {
      {StepKind::Click, "", "dir/demo.qms:3"},
      {StepKind::RightClick, "", "dir/demo.qms:4"},
      {StepKind::Deactivate, "", "dir/demo.qms:5"},
      {StepKind::Automation, "type Form1.infoobj  Two  spaces # kept ", "dir/demo.qms:6"},
      {StepKind::Scene, "../scenes/face.json", "dir/demo.qms:7"},
      {StepKind::Select, "My Face", "dir/demo.qms:8"},
      {StepKind::PrintMesh, "Face", "dir/demo.qms:9"},
      {StepKind::PrintScene, "", "dir/demo.qms:11"},
      {StepKind::Save, "/tmp/out.json", "dir/demo.qms:12"},
      {StepKind::Expect, "click: result 0", "dir/demo.qms:13"},
      {StepKind::ExpectReply, "", "dir/demo.qms:14"},
      {StepKind::ExpectReply, "50", "dir/demo.qms:15"},
  };
  EXPECT_EQ(script.steps, expected);
  EXPECT_TRUE(ParseScript("", "empty.qms").steps.empty());
  EXPECT_EQ(ParseScript("click", "demo.qms").folder, "") << "beside the working folder";
}

TEST(ScriptParser, RefusesLinesItDoesNotUnderstandNamingFileAndLine) {
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"click\nClick", "s.qms:2: unknown command \"Click\""},
      {"print_scene", "s.qms:1: unknown command \"print_scene\""},
      {"click now", "s.qms:1: click takes no argument"},
      {"print-scene all", "s.qms:1: print-scene takes no argument"},
      {"\n\nauto", "s.qms:3: auto needs an argument after one space"},
      {"select ", "s.qms:1: select needs an argument after one space"},
      {"scene", "s.qms:1: scene needs an argument after one space"},
      {"expect", "s.qms:1: expect needs an argument after one space"},
      {"select\tFace", "s.qms:1: separate select from its argument by one space"},
      {std::string("auto get A\0B", 12), "s.qms:1: the line holds a NUL byte"},
  };
  for (const Case& c : cases) {
    try {
      ParseScript(c.text, "s.qms");
      ADD_FAILURE() << c.text;
    } catch (const EScriptError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
}

TEST(ScriptParser, ScriptFileThatCannotBeRead) {
  try {
    ReadScript("/nonexistent/demo.qms");
    ADD_FAILURE();
  } catch (const EScriptError& error) {
    EXPECT_EQ(std::string(error.what()),
              "/nonexistent/demo.qms: cannot read the script: No such file or directory");
  }
  EXPECT_THROW(ReadScript("/tmp"), EScriptError);
}

TEST(ScriptParser, CommandLineCommandsBecomeSteps) {
  const Script script = ScriptFromCommands(
      {Command::Click, Command::Automation, Command::Deactivate, Command::Automation},
      {"forms", "get Form1.Height"});
  EXPECT_EQ(script.steps,
            (std::vector<Step>{{StepKind::Click, "", "command 1"},
                               {StepKind::Automation, "forms", "command 2"},
                               {StepKind::Deactivate, "", "command 3"},
                               {StepKind::Automation, "get Form1.Height", "command 4"}}));
}

TEST(ScriptChecks, ALineOfTheOutputMatchesWholeLeavingOutItsIndentation) {
  const std::string output = "print-mesh Face: 2 vertices\n  0 1 2\n\t-0.5 1e-06 3\n";
  EXPECT_TRUE(OutputHasLine(output, "print-mesh Face: 2 vertices"));
  EXPECT_TRUE(OutputHasLine(output, "0 1 2"));
  EXPECT_TRUE(OutputHasLine(output, "-0.5 1e-06 3"));
  EXPECT_FALSE(OutputHasLine(output, "0 1")) << "a part of a line is not the line";
  EXPECT_FALSE(OutputHasLine(output, "0 1 2 ")) << "nor is more than the line";
  EXPECT_FALSE(OutputHasLine(output, "")) << "the end of the text is no empty line";
  EXPECT_FALSE(OutputHasLine("", "x"));
  EXPECT_TRUE(OutputHasLine("a\n\nb", "")) << "an empty line in the middle is one";
}

TEST(ScriptChecks, QuotedKeepsEveryReplyOnOneLine) {
  EXPECT_EQ(Quoted("Form1 1\nForm2 0"), "\"Form1 1\\nForm2 0\"");
  EXPECT_EQ(Quoted("a\"b\\c\r"), "\"a\\\"b\\\\c\\r\"");
  EXPECT_EQ(Quoted(""), "\"\"");
}

} // namespace
} // namespace qm::host
