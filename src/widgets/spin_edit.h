// The spin edit: a whole-number field with a range and up/down arrows. Its text is
// taken as typed until the field is left; only then is it brought into the range.
#pragma once

#include "widgets/text_field.h"

namespace qm::widgets {

class SpinEdit final : public TextField {
public:
  // Starts at 0 in the range 0..100, showing "0".
  SpinEdit(Form& owner, Container* parent, std::string name);

  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  // A bound set across the other one moves the other one along. The text is not
  // touched: it is checked against the range when the field is left.
  void SetMinValue(int min);
  void SetMaxValue(int max);

  // The typed text read as a whole number, as typed (even outside the range); a
  // text that is not a whole number counts as MinValue.
  int Value() const;
  // Clamps into the range and shows the result as the text (OnChange runs when
  // the text changes).
  void SetValue(int value);

  // Writes the clamped value back when the typed text is outside the range or is
  // not a whole number, then runs OnExit.
  void Leave() override;

private:
  int Clamp(int value) const;

  int min_ = 0;
  int max_ = 100;
};

} // namespace qm::widgets
