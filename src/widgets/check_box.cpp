#include "widgets/check_box.h"

namespace qm::widgets {

void CheckBox::SetChecked(bool checked) { Update(checked_, checked); }

void CheckBox::PerformUserClick() {
  // The toggle and the handler are one click: the form stays alive across both.
  DispatchScope scope;
  SetChecked(!checked_);
  Click();
}

} // namespace qm::widgets
