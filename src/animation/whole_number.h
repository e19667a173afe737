// Whole numbers from the host's floats. The host passes frame times and locations as
// 32-bit floats; the channel animation works with whole frames and whole weights,
// taken by rounding to the nearest whole number, halves to the even neighbour.
#pragma once

#include <cstdint>
#include <optional>

namespace qm::animation {

// `value` rounded to the nearest whole number, halves to the even one (2.5 -> 2,
// 3.5 -> 4, -0.5 -> 0). Independent of the floating-point unit's rounding mode.
// NaN and infinities come back unchanged.
double RoundHalfEven(double value);

// The host float as a whole number: rounded halves to even. Nothing when the float
// is not a finite number or its rounding lies outside the 32-bit range, so that a
// host that misbehaves never looks like a real frame.
std::optional<std::int32_t> WholeNumber(float value);

// The same for a value that a slider takes and clamps into its range anyway: too
// large or too small values stop at the 32-bit limits (infinities included), and
// NaN counts as 0, a weight that is not there.
std::int32_t WholeNumberSaturated(float value);

// True when a key lies exactly at `frame`, given the time of the latest key before
// frame + 1 as the host reports it. Frames below 0 hold no keys: -1 is the host's
// answer for "no key", which must not pass for a key at a typed frame of -1.
bool KeyLiesAt(float previousKeyTime, std::int32_t frame);

} // namespace qm::animation
