#include "morph/delta_tolerance.h"

namespace qm::morph {

float StoredDeltaTolerance(std::int32_t entered) {
  float tolerance = static_cast<float>(entered);
  if (tolerance < 0.0f) tolerance = kDefaultDeltaTolerance;
  if (tolerance > kMaxDeltaTolerance) tolerance = kDefaultDeltaTolerance;
  return tolerance;
}

} // namespace qm::morph
