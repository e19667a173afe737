#include "morph/shares.h"

namespace qm::morph {

Shares SharesOf(const SliderValues& sliders) {
  // Slider values are 0 to 100, so 32-bit sums and products would do; 64 bits keep a
  // stray out-of-range value from overflowing.
  std::int64_t sum = 0;
  for (const std::int32_t value : sliders)
    sum += value;

  Shares shares{};
  if (sum == 0) return shares;
  for (int k = 0; k < kChannelCount; ++k) {
    shares[k] = static_cast<std::int32_t>(std::int64_t{sliders[k]} * 100 / sum);
  }
  return shares;
}

} // namespace qm::morph
