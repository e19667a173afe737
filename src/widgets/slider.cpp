#include "widgets/slider.h"

#include <algorithm>

namespace qm::widgets {

void Slider::SetMin(int min) {
  if (min == min_) return;
  min_ = min;
  max_ = std::max(max_, min);
  Changed();
  SetPosition(position_);
}

void Slider::SetMax(int max) {
  if (max == max_) return;
  max_ = max;
  min_ = std::min(min_, max);
  Changed();
  SetPosition(position_);
}

void Slider::SetPosition(int position) {
  int clamped = std::clamp(position, min_, max_);
  if (clamped == position_) return;
  position_ = clamped;
  Changed();
  Fire(OnChange);
}

} // namespace qm::widgets
