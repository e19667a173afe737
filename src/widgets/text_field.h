// Fields the user types into: the edit field and the spin edit share the typed
// text, the read-only flag, the change event and the leaving of the field.
#pragma once

#include "widgets/control.h"

namespace qm::widgets {

class TextField : public Control {
public:
  // Read-only fields refuse the user's typing; the program still sets their text.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  // The field loses the focus. The model keeps no focus of its own: a native
  // backend calls this when its window loses the focus, automation when told.
  // Runs OnExit; errors pass to the caller.
  virtual void Leave();

  // Runs on every actual change of the text, whoever made it; setting the text
  // the field already shows runs nothing.
  Event OnChange;
  Event OnExit;

protected:
  TextField(Form& owner, Container* parent, std::string name, ComponentKind kind);
  void TextChanged() override;

private:
  bool readOnly_ = false;
};

class Edit final : public TextField {
public:
  Edit(Form& owner, Container* parent, std::string name)
      : TextField(owner, parent, std::move(name), ComponentKind::Edit) {}
};

} // namespace qm::widgets
