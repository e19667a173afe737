// How many channels a morph set-up has: the original (channel 0) and nineteen targets.
#pragma once

namespace qm::morph {

inline constexpr int kChannelCount = 20;
inline constexpr int kFirstTarget = 1; // channels 1 to kChannelCount - 1 hold the targets

} // namespace qm::morph
