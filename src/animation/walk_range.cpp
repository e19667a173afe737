#include "animation/walk_range.h"

#include <algorithm>
#include <cmath>

#include "animation/whole_number.h"

namespace qm::animation {

std::optional<FrameRange> WalkRange(float earliest, float latest, std::int32_t minFrame,
                                    std::int32_t maxFrame) {
  if (std::isnan(earliest) || std::isnan(latest)) return std::nullopt;
  // Times beyond the 32-bit range stop at its ends: the keys inside the field's range
  // are still visited.
  const std::int32_t first = WholeNumberSaturated(earliest);
  const std::int32_t last = WholeNumberSaturated(latest);
  if (last < first || last < minFrame || first > maxFrame) return std::nullopt;
  return FrameRange{std::max(first, minFrame), std::min(last, maxFrame)};
}

} // namespace qm::animation
