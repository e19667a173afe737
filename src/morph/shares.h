// The share labels: each channel's slider value as a whole percentage of the sum of all
// twenty, for display only (the blend normalises by itself).
#pragma once

#include <array>
#include <cstdint>

#include "morph/blend_weights.h"
#include "morph/channel_count.h"

namespace qm::morph {

using Shares = std::array<std::int32_t, kChannelCount>;

// share(k) = V(k) x 100 / S, truncated toward zero, S the sum of all twenty values. The
// shares are not adjusted to add up to 100. With every value 0 (which the sliders never
// allow, the original's being at least 1) every share is 0 rather than a division by zero.
Shares SharesOf(const SliderValues& sliders);

} // namespace qm::morph
