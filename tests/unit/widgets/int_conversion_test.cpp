#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/exception.h"
#include "widgets/int_conversion.h"

namespace qm::widgets {
namespace {

struct Case {
  const char* text;
  std::optional<std::int32_t> value;
};

class TryStrToIntTest : public ::testing::TestWithParam<Case> {};

TEST_P(TryStrToIntTest, ReadsAsTheFrameworkDoes) {
  EXPECT_EQ(TryStrToInt(GetParam().text), GetParam().value) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Decimal, TryStrToIntTest,
                         ::testing::Values(Case{"0", 0}, Case{"42", 42}, Case{"007", 7},
                                           Case{"+7", 7}, Case{"-7", -7}, Case{"   12", 12},
                                           Case{" -12", -12}, Case{"2147483647", 2147483647},
                                           Case{"-2147483648", INT32_MIN}, Case{"99999", 99999}));

INSTANTIATE_TEST_SUITE_P(Hex, TryStrToIntTest,
                         ::testing::Values(Case{"$1F", 31}, Case{"$ff", 255}, Case{"-$10", -16},
                                           Case{" $A", 10}, Case{"$7FFFFFFF", INT32_MAX},
                                           Case{"$FFFFFFFF", -1}, Case{"$0FFFFFFFF", -1},
                                           Case{"$80000000", INT32_MIN}));

INSTANTIATE_TEST_SUITE_P(NotANumber, TryStrToIntTest,
                         ::testing::Values(Case{"", std::nullopt}, Case{"   ", std::nullopt},
                                           Case{"+", std::nullopt}, Case{"-", std::nullopt},
                                           Case{"$", std::nullopt}, Case{"-$", std::nullopt},
                                           Case{"12 ", std::nullopt}, Case{"1a", std::nullopt},
                                           Case{"- 1", std::nullopt}, Case{"+-1", std::nullopt},
                                           Case{"0x10", std::nullopt}, Case{"\t5", std::nullopt},
                                           Case{"1.5", std::nullopt}, Case{"$G", std::nullopt},
                                           Case{"2147483648", std::nullopt},
                                           Case{"-2147483649", std::nullopt},
                                           Case{"99999999999999999999", std::nullopt},
                                           Case{"$100000000", std::nullopt}));

TEST(StrToIntTest, ReturnsTheNumber) { EXPECT_EQ(StrToInt(" -$1F"), -31); }

TEST(StrToIntTest, RaisesConvertErrorNamingTheTextAsGiven) {
  for (const char* text : {"abc", "", " 1 x"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid integer value");
      EXPECT_STREQ(error.ClassName(), "EConvertError");
    }
  }
}

} // namespace
} // namespace qm::widgets
