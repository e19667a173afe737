// The per-run weights of the blend: each channel's slider value made a float weight,
// and their total, which divides every blended vertex.
#pragma once

#include <array>
#include <cstdint>

#include "morph/channel_count.h"

namespace qm::morph {

using SliderValues = std::array<std::int32_t, kChannelCount>;
using ChannelWeights = std::array<float, kChannelCount>;

// w(k) = V(k) + 0.00001, rounded to float. The small addend keeps the divisor away from
// zero; near 100 it is a whole float step (100 becomes 100.0000076).
ChannelWeights WeightsOf(const SliderValues& sliders);

// The twenty weights summed in channel order, rounded to float after every addition,
// so that tiny addends vanish once the total is large (as the stored total always did).
float WeightTotal(const ChannelWeights& weights);

// A target takes part in the blend only from a slider value of 1 up.
inline bool IsActiveWeight(float weight) { return weight >= 1.0f; }

} // namespace qm::morph
