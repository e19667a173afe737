// Whole numbers read from text the way the window framework reads them, so that a
// field holding "$1F" or " -3" means what it meant to the framework's users.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qm::widgets {

// Leading blanks, an optional sign, then decimal digits, or "$" and hex digits.
// Hex digits are taken as a 32-bit pattern ("$FFFFFFFF" is -1), as the framework
// does. Anything else, an empty text, trailing characters or a number outside the
// 32-bit range give nothing.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The same, raising EConvertError "'<text>' is not a valid integer value" when the
// text is not a number.
std::int32_t StrToInt(std::string_view text);

} // namespace qm::widgets
