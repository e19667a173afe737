#include "morph/blend_weights.h"

#include "morph/extended_float.h"

namespace qm::morph {

ChannelWeights WeightsOf(const SliderValues& sliders) {
  ChannelWeights weights{};
  for (int k = 0; k < kChannelCount; ++k) {
    weights[k] = StoreFloat(static_cast<Extended>(sliders[k]) + 0.00001L);
  }
  return weights;
}

float WeightTotal(const ChannelWeights& weights) {
  float total = 0.0f;
  for (const float weight : weights) {
    total = StoreFloat(static_cast<Extended>(total) + weight);
  }
  return total;
}

} // namespace qm::morph
