#include "morph/blend_kernel.h"

#include <cassert>
#include <cstdint>
#include <functional>

#include "morph/delta_tolerance.h"
#include "morph/extended_float.h"
#include "platform/fpu.h"

// There is deliberately no SIMD version of this loop. The results must match the
// extended-precision evaluation bit for bit, and vector units have no arithmetic with a
// 64-bit significand: a float or double vector kernel would round differently in the
// last bit for some vertices. The scalar x87 loop is the exact one.

namespace qm::morph {
namespace {

// Sets the x87 precision control to 64 bits and rounding to nearest for the lifetime of
// the object, leaving the exception masks as they are; restores the caller's word.
class ExtendedPrecisionScope {
public:
  ExtendedPrecisionScope() : saved_(platform::ReadFpuControlWord()) {
    constexpr std::uint16_t kPrecisionAndRounding = 0x0F00;
    constexpr std::uint16_t kExtendedToNearest = 0x0300;
    const auto wanted =
        static_cast<std::uint16_t>((saved_ & ~kPrecisionAndRounding) | kExtendedToNearest);
    changed_ = wanted != saved_;
    if (changed_) platform::LoadFpuControlWord(wanted);
  }
  ~ExtendedPrecisionScope() {
    if (changed_) platform::LoadFpuControlWord(saved_);
  }
  ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
  ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

private:
  std::uint16_t saved_;
  bool changed_ = false;
};

// How a target that takes part in this run is treated at each vertex.
enum class Role : std::uint8_t {
  kAlways,   // adds to every vertex
  kDelta,    // adds where it moves the vertex, excluded where it doesn't
  kExcluded, // has no array: excluded everywhere
};

struct Participant {
  const tsxVec3f* vertices;
  float weight;
  Role role;
};

[[maybe_unused]] bool Overlaps(const tsxVec3f* a, const tsxVec3f* b, int count) {
  // std::less gives a total order even across unrelated arrays.
  const std::less<const tsxVec3f*> before;
  return before(a, b + count) && before(b, a + count);
}

} // namespace

void BlendVertices(const BlendInput& input, tsxVec3f* animated) {
  const int count = input.vertexCount;
  if (count < 1) return;

  assert(input.original != nullptr && animated != nullptr);
  assert(!Overlaps(animated, input.original, count));

  const ExtendedPrecisionScope precision;

  // Everything that is the same for every vertex is settled here, once per run.
  const ChannelWeights weights = WeightsOf(input.sliders);
  const float total = WeightTotal(weights);
  const bool divide = total != 0.0f;
  const Extended radius = ToleranceRadius(input.deltaTolerance);
  const float originalWeight = weights[0];

  std::array<Participant, kChannelCount> participants{};
  int participantCount = 0;
  for (int k = kFirstTarget; k < kChannelCount; ++k) {
    if (!IsActiveWeight(weights[k])) continue;
    const tsxVec3f* vertices = input.targets[k];
    assert(vertices == nullptr || !Overlaps(animated, vertices, count));
    const Role role = vertices == nullptr ? Role::kExcluded
                      : input.delta[k]    ? Role::kDelta
                                          : Role::kAlways;
    participants[participantCount++] = {vertices, weights[k], role};
  }

  const tsxVec3f* const original = input.original;
  for (int i = 0; i < count; ++i) {
    const tsxVec3f o = original[i];
    float x = StoreFloat(static_cast<Extended>(o.x) * originalWeight);
    float y = StoreFloat(static_cast<Extended>(o.y) * originalWeight);
    float z = StoreFloat(static_cast<Extended>(o.z) * originalWeight);
    float excluded = 0.0f;

    for (int p = 0; p < participantCount; ++p) {
      const Participant& target = participants[p];
      const Extended w = target.weight;
      if (target.role == Role::kExcluded) {
        excluded = StoreFloat(excluded + w);
        continue;
      }
      const tsxVec3f t = target.vertices[i];
      if (target.role == Role::kDelta && WithinRadius(o.x, t.x, radius) &&
          WithinRadius(o.y, t.y, radius) && WithinRadius(o.z, t.z, radius)) {
        excluded = StoreFloat(excluded + w);
        continue;
      }
      x = StoreFloat(t.x * w + x);
      y = StoreFloat(t.y * w + y);
      z = StoreFloat(t.z * w + z);
    }

    if (divide) {
      const Extended divisor = static_cast<Extended>(total) - excluded;
      x = StoreFloat(x / divisor);
      y = StoreFloat(y / divisor);
      z = StoreFloat(z / divisor);
    }
    animated[i] = {x, y, z};
  }
}

} // namespace qm::morph
