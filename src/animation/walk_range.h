// The frames that Animate From KFE Channels visits: every whole frame from the
// earliest to the latest key that the host reports, within what the frame field
// can show.
#pragma once

#include <cstdint>
#include <optional>

namespace qm::animation {

struct FrameRange {
  std::int32_t first;
  std::int32_t last; // inclusive; never below first
  friend bool operator==(const FrameRange&, const FrameRange&) = default;
};

// The host's earliest and latest key times rounded (halves to even) and cut to the
// frame field's range [minFrame, maxFrame] (times beyond the 32-bit range count as its
// ends). Nothing when the host reports a time that is not a number, or a range that is empty
// (latest below earliest, as a host without keys may answer) or lies wholly outside the field's
// range: the walk then visits no frame. Cutting keeps the walk from setting a frame that the field
// would clamp, which would record the clamped frame again and again.
std::optional<FrameRange> WalkRange(float earliest, float latest, std::int32_t minFrame,
                                    std::int32_t maxFrame);

} // namespace qm::animation
