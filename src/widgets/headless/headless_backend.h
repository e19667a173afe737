// The backend without a screen: it keeps, for every form it was told about, the
// window state that a native backend would have given its window, so that tests
// can check that the model tells its backend everything.
#pragma once

#include <map>
#include <string>

#include "widgets/backend.h"

namespace qm::widgets {

class HeadlessBackend final : public Backend {
public:
  struct Window {
    std::string caption;
    bool visible = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int componentChanges = 0; // notices about the form's controls and menu items
  };

  void FormCreated(Form& form) override;
  void FormShown(Form& form) override;
  void FormHidden(Form& form) override;
  void FormRaised(Form& form) override;
  void FormMoved(Form& form) override;
  void FormResized(Form& form) override;
  void FormChanged(Form& form) override;
  void FormDestroyed(Form& form) override;
  void ComponentChanged(Component& component) override;

  // The window of a form, or null when the form was never announced or is gone.
  const Window* WindowOf(const Form& form) const;
  // The form that was raised last and is still there, or null.
  const Form* Front() const { return front_; }

private:
  std::map<const Form*, Window> windows_;
  const Form* front_ = nullptr;
};

} // namespace qm::widgets
