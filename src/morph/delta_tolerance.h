// The delta tolerance: how far, per coordinate, a target's vertex may lie from the
// original's and still count as "not moved" for a target in delta mode. It is a whole
// number 0 to 1000 in thousandths of a model unit (10, that is 0.01 units, by default).
#pragma once

#include <cstdint>

#include "morph/extended_float.h"

namespace qm::morph {

inline constexpr float kDefaultDeltaTolerance = 10.0f;
inline constexpr float kMaxDeltaTolerance = 1000.0f;

// The tolerance kept for a whole number that the user entered: anything outside 0 to
// 1000 falls back to the default rather than to the nearer bound.
float StoredDeltaTolerance(std::int32_t entered);

// The tolerance radius in model units, 0.001 x tolerance, in extended precision.
inline Extended ToleranceRadius(float tolerance) {
  return 0.001L * static_cast<Extended>(tolerance);
}

// True when target coordinate `b` lies within `radius` of original coordinate `a`,
// both bounds inclusive, compared in extended precision.
inline bool WithinRadius(float a, float b, Extended radius) {
  const Extended original = a;
  return original + radius >= b && original - radius <= b;
}

// The per-coordinate test of delta mode for a given tolerance.
inline bool WithinTolerance(float a, float b, float tolerance) {
  return WithinRadius(a, b, ToleranceRadius(tolerance));
}

} // namespace qm::morph
