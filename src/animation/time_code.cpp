#include "animation/time_code.h"

#include <cmath>
#include <cstdio>

#include "animation/whole_number.h"

namespace qm::animation {
namespace {

// One field: decimal, a leading "0" below 10, at most two characters.
std::string Field(double whole) {
  char digits[400]; // the longest double written without a fraction fits
  std::snprintf(digits, sizeof digits, "%.0f", whole + 0.0);
  std::string text = digits;
  if (whole < 10.0) text = "0" + text;
  return text.substr(0, 2);
}

} // namespace

std::string TimeCode(std::int32_t frame, float framesPerSecond) {
  if (!std::isfinite(framesPerSecond) || framesPerSecond <= 0.0f) return kNoTimeCode;
  const double rate = framesPerSecond;
  const double time = frame;
  const double minutes = std::floor(time / (60.0 * rate));
  const double afterMinutes = time - RoundHalfEven(minutes * 60.0 * rate);
  const double seconds = std::floor(afterMinutes / rate);
  const double afterSeconds = afterMinutes - RoundHalfEven(seconds * rate);
  const double hundredths = std::floor(100.0 * afterSeconds / rate);
  return Field(minutes) + ":" + Field(seconds) + ":" + Field(hundredths);
}

} // namespace qm::animation
