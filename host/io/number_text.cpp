#include "io/number_text.h"

#include <array>
#include <charconv>

namespace qm::io {

std::string FloatText(float value) {
  // Shortest round-trip form; 32 characters hold any float's.
  std::array<char, 32> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

} // namespace qm::io
