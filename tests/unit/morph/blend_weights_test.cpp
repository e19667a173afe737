// The per-run weights and their total.
#include <gtest/gtest.h>

#include "float_bits.h"
#include "morph/blend_weights.h"

namespace qm::morph {
namespace {

TEST(BlendWeightsTest, SmallAddendIsOneFloatStepNearOneHundred) {
  const ChannelWeights weights = WeightsOf({100});
  EXPECT_SAME_FLOAT(weights[0], 100.0000076f);
  // A slider at 0 still weighs 0.00001, which keeps it in the total.
  EXPECT_SAME_FLOAT(weights[1], 0.00001f);
  EXPECT_TRUE(IsActiveWeight(weights[0]));
  EXPECT_FALSE(IsActiveWeight(weights[1]));
}

TEST(BlendWeightsTest, TotalIsRoundedAfterEveryAddition) {
  struct Case {
    SliderValues sliders;
    float total;
  };
  const Case cases[] = {
      {{100}, 100.0001526f},
      {{100, 100}, 200.0002899f},
      // Near 300 one float step is 0.0000305, so the later 0.00001 addends vanish.
      {{100, 100, 100}, 300.0000305f},
      // Near 1 each 0.00001 rounds up to 84 float steps, and the rounding adds up.
      {{1}, 1.00020027f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sliders[0]);
    EXPECT_SAME_FLOAT(WeightTotal(WeightsOf(c.sliders)), c.total);
  }
}

} // namespace
} // namespace qm::morph
