#include "widgets/spin_edit.h"

#include <algorithm>
#include <string>

#include "widgets/int_conversion.h"

namespace qm::widgets {

SpinEdit::SpinEdit(Form& owner, Container* parent, std::string name)
    : TextField(owner, parent, std::move(name), ComponentKind::SpinEdit) {
  SetText("0");
}

void SpinEdit::SetMinValue(int min) {
  if (min == min_) return;
  min_ = min;
  max_ = std::max(max_, min);
  Changed();
}

void SpinEdit::SetMaxValue(int max) {
  if (max == max_) return;
  max_ = max;
  min_ = std::min(min_, max);
  Changed();
}

int SpinEdit::Clamp(int value) const { return std::clamp(value, min_, max_); }

int SpinEdit::Value() const { return TryStrToInt(Text()).value_or(min_); }

void SpinEdit::SetValue(int value) { SetText(std::to_string(Clamp(value))); }

void SpinEdit::Leave() {
  DispatchScope scope;
  auto typed = TryStrToInt(Text());
  int value = Clamp(typed.value_or(min_));
  if (!typed || *typed != value) SetValue(value);
  TextField::Leave();
}

} // namespace qm::widgets
