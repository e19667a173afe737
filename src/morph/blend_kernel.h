// The blend: every vertex of the animated object becomes the weighted blend of the
// original and the morph targets that take part there. Pure arithmetic over the host's
// vertex arrays; the handler that fetches the arrays and redraws lives elsewhere.
#pragma once

#include <array>

#include "morph/blend_weights.h"
#include "morph/channel_count.h"
#include "shell/tsx_types.h"

namespace qm::morph {

// One run's inputs. Arrays are indexed by channel; entry 0 of `targets` and `delta`
// belongs to the original and is never read.
struct BlendInput {
  const tsxVec3f* original = nullptr;                   // O, vertexCount vertices
  std::array<const tsxVec3f*, kChannelCount> targets{}; // T(k), null when not captured
  SliderValues sliders{};                               // V(0) to V(19)
  std::array<bool, kChannelCount> delta{};              // delta mode of each target
  float deltaTolerance = 10.0f;                         // whole number 0 to 1000
  int vertexCount = 0;                                  // N; below 1 nothing is written
};

// Writes vertices 0 to N - 1 of `animated` and touches nothing else; reads only
// vertices 0 to N - 1 of the original and of each target that takes part. Every array
// must hold at least N vertices and `animated` must not overlap any of them.
//
// Per vertex: A = O w(0); then for each target k = 1..19 whose weight is at least 1,
// either its weight joins the excluded weight E (delta mode, and all three coordinates
// within tolerance of the original's) or A += T(k) w(k); finally, if the weight total S
// is not 0, A /= (S - E). Every operation runs in extended precision and is rounded to
// float wherever a value is stored: w(k), S, E and A after each step.
//
// A target with weight at least 1 but no array (a weight read back onto a channel that
// holds no object) is left out everywhere, from the sum and from the divisor alike, as
// delta mode would leave out a target that moves nothing. The result is the blend of what
// is captured, not a mesh pulled toward the origin.
//
// The arithmetic runs with the x87 unit set to 64-bit precision and round-to-nearest
// whatever the caller's setting (a host may have lowered the precision); the caller's
// setting is restored on return.
void BlendVertices(const BlendInput& input, tsxVec3f* animated);

} // namespace qm::morph
