// The slider: a whole-number position in a range, step 1. Every value set is
// clamped into the range; OnChange runs whenever the position actually changes,
// whether the user or the program moved it.
#pragma once

#include "widgets/control.h"

namespace qm::widgets {

class Slider final : public Control {
public:
  // Starts at 0 in the range 0..100.
  Slider(Form& owner, Container* parent, std::string name)
      : Control(owner, parent, std::move(name), ComponentKind::Slider) {}

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }

  // A bound set across the other one moves the other one along. The position is
  // clamped into the new range (OnChange runs if that moves it).
  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int position);

  Event OnChange;

private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

} // namespace qm::widgets
