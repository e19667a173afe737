#include "shell/messages.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(VersionMessage, PrintsEachLevelRightAlignedInFiveCharacters) {
  struct Case {
    std::uint16_t required, installed;
    const char* text;
  };
  const Case cases[] = {
      {310, 300, "This Plugin requires trueSpace version  3.10, but version  3.00 is installed."},
      {310, 0, "This Plugin requires trueSpace version  3.10, but version  0.00 is installed."},
      {320, 310, "This Plugin requires trueSpace version  3.20, but version  3.10 is installed."},
      {1000, 5, "This Plugin requires trueSpace version 10.00, but version  0.05 is installed."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VersionMessage(c.required, c.installed), c.text) << c.required << " " << c.installed;
  }
}

TEST(ErrorMessages, EntryPointReportHasEveryPieceInOrder) {
  EXPECT_EQ(EntryPointErrorMessage("Quillmere", "EConvertError", "bad"),
            "Unhandled exception in \"Quillmere\" tSX plugin.\r\n"
            "The exception is classified as: \r\n\r\nEConvertError : bad");
}

TEST(ErrorMessages, NotificationReportNamesTheSituationOfEachCode) {
  const char* situations[] = {
      " tSX plugin while detaching the process.",
      " tSX plugin while attaching the process.",
      " tSX plugin while attaching a thread.",
      " tSX plugin while detaching a thread.",
  };
  for (int code = 0; code < 4; ++code) {
    EXPECT_EQ(NotificationErrorMessage(code, "", "Exception", "boom"),
              std::string("Exception occurred in \"\"") + situations[code] +
                  "\r\nThe exception is classified as: \r\n\r\nException : boom")
        << code;
  }
}

} // namespace
} // namespace qm
