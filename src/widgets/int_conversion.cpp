#include "widgets/int_conversion.h"

#include <string>

#include "platform/exception.h"

namespace qm::widgets {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::uint32_t> HexPattern(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    int digit = HexDigit(c);
    if (digit < 0 || value > 0x0FFFFFFFu) return std::nullopt;
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return value;
}

// The magnitude, up to 2^31 so that the most negative number still fits.
std::optional<std::int64_t> DecimalMagnitude(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{1} << 31) return std::nullopt;
  }
  return value;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i < text.size() && text[i] == '$') {
    auto pattern = HexPattern(text.substr(i + 1));
    if (!pattern) return std::nullopt;
    std::uint32_t bits = negative ? 0u - *pattern : *pattern;
    return static_cast<std::int32_t>(bits);
  }
  auto magnitude = DecimalMagnitude(text.substr(i));
  if (!magnitude) return std::nullopt;
  std::int64_t value = negative ? -*magnitude : *magnitude;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view text) {
  if (auto value = TryStrToInt(text)) return *value;
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace qm::widgets
