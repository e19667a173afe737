#include "animation/whole_number.h"

#include <cmath>
#include <limits>

namespace qm::animation {

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double below = std::floor(value);
  // Exact: a double holds the fraction of any float and of most doubles exactly.
  const double fraction = value - below;
  if (fraction > 0.5) return below + 1.0;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<std::int32_t> WholeNumber(float value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double whole = RoundHalfEven(static_cast<double>(value));
  if (whole < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      whole > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  // + 0.0 turns a rounded -0.5 (-0.0) into 0.
  return static_cast<std::int32_t>(whole + 0.0);
}

std::int32_t WholeNumberSaturated(float value) {
  if (std::isnan(value)) return 0;
  if (auto whole = WholeNumber(value)) return *whole;
  return value < 0.0f ? std::numeric_limits<std::int32_t>::min()
                      : std::numeric_limits<std::int32_t>::max();
}

bool KeyLiesAt(float previousKeyTime, std::int32_t frame) {
  return frame >= 0 && WholeNumber(previousKeyTime) == frame;
}

} // namespace qm::animation
