// A check box. The program sets Checked without running anything; a user's click
// toggles it and then runs OnClick.
#pragma once

#include "widgets/control.h"

namespace qm::widgets {

class CheckBox final : public Control {
public:
  CheckBox(Form& owner, Container* parent, std::string name)
      : Control(owner, parent, std::move(name), ComponentKind::CheckBox) {}

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  void PerformUserClick() override;

private:
  bool checked_ = false;
};

} // namespace qm::widgets
