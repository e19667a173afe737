#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/exception.h"
#include "widgets/error_report.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

using ErrorReportTest = WidgetsTest;

TEST_F(ErrorReportTest, ShowsTheMessageTextExactly) {
  ReportError(EListError("List index out of bounds (-1)"));
  ReportError(std::runtime_error("Disk full."));
  EXPECT_EQ(TakeShownMessages(),
            (std::vector<std::string>{"List index out of bounds (-1)", "Disk full."}));
}

TEST_F(ErrorReportTest, UserInputErrorsAreReportedNotPassedOn) {
  EXPECT_NO_THROW(
      RunReportingErrors([] { throw EConvertError("'' is not a valid integer value"); }));
  EXPECT_NO_THROW(RunReportingErrors([] { throw 42; }));
  std::vector<std::string> shown = TakeShownMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "'' is not a valid integer value");
  EXPECT_EQ(shown[1], DescribeUnknownError().message);
}

TEST_F(ErrorReportTest, NothingIsShownWhenTheActionSucceeds) {
  bool ran = false;
  RunReportingErrors([&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(TakeShownMessages().empty());
}

} // namespace
} // namespace qm::widgets::testing
