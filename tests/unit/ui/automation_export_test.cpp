// The exported automation function: its arguments, the reply buffer and the
// commands passed through to the interpreter.
#include "shell/automation_export.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "fake_host.h"
#include "ui/control_panel.h"
#include "ui/show_panel.h"

namespace qm {
namespace {

using Buffer = std::array<char, 40>;

Buffer Guarded() {
  Buffer buffer;
  buffer.fill('#');
  return buffer;
}

TEST(CopyReply, CutsToTheBufferAndAlwaysEndsWithNul) {
  struct Case {
    const char* text;
    int size;
    const char* expected;
  };
  const Case cases[] = {
      {"hello", 1, ""},       {"hello", 5, "hell"}, {"hello", 6, "hello"},
      {"hello", 32, "hello"}, {"", 1, ""},          {"", 32, ""},
  };
  for (const Case& c : cases) {
    Buffer buffer = Guarded();
    const int copied = CopyReply(c.text, buffer.data(), c.size);
    EXPECT_STREQ(buffer.data(), c.expected) << c.text << " in " << c.size;
    EXPECT_EQ(copied, static_cast<int>(std::strlen(c.expected)));
    // Nothing is written past the size given.
    EXPECT_EQ(buffer[static_cast<std::size_t>(c.size)], '#') << c.size;
  }
}

TEST(QmAutomation, ArgumentsThatLeaveNowhereToWriteAreRefusedWithoutWriting) {
  Buffer buffer = Guarded();
  EXPECT_NE(qmAutomation("forms", nullptr, 32), 0);
  EXPECT_NE(qmAutomation("forms", buffer.data(), 0), 0);
  EXPECT_NE(qmAutomation("forms", buffer.data(), -5), 0);
  EXPECT_NE(qmAutomation(nullptr, nullptr, 0), 0);
  EXPECT_EQ(buffer, Guarded());
}

TEST(QmAutomation, ANullCommandIsRefusedWithAReason) {
  Buffer buffer = Guarded();
  EXPECT_NE(qmAutomation(nullptr, buffer.data(), 32), 0);
  EXPECT_STREQ(buffer.data(), "no command given");
}

class QmAutomationOnPanel : public ::testing::Test {
protected:
  void SetUp() override { ShowControlPanel(); }
  test::FakeHost host_;
};

TEST_F(QmAutomationOnPanel, CarriesCommandsOutAndCutsLongRepliesToTheBuffer) {
  std::array<char, 256> reply{};
  ASSERT_EQ(qmAutomation("forms", reply.data(), 256), 0);
  EXPECT_STREQ(reply.data(), "Form1 1\nForm2 1");
  ASSERT_EQ(qmAutomation("hittest Form2 4 190", reply.data(), 256), 0);
  EXPECT_STREQ(reply.data(), "caption");

  Buffer shortReply = Guarded();
  ASSERT_EQ(qmAutomation("get Form1.Caption", shortReply.data(), 10), 0);
  EXPECT_STREQ(shortReply.data(), "Quillmere");
  EXPECT_EQ(shortReply[10], '#');
}

TEST_F(QmAutomationOnPanel, RefusedCommandsAnswerNonZeroWithAReason) {
  std::array<char, 256> reply{};
  EXPECT_NE(qmAutomation("click Form1.btnsel1", reply.data(), 256), 0);
  EXPECT_NE(std::strlen(reply.data()), 0u);
  EXPECT_NE(qmAutomation("frobnicate", reply.data(), 256), 0);
  EXPECT_NE(std::strlen(reply.data()), 0u);
}

} // namespace
} // namespace qm
