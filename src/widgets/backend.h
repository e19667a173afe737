// What a backend (headless, native windows) learns from the model. The model is
// the single source of truth: a backend reads the form or component it is told
// about and draws it; user input comes back through user_input.h.
#pragma once

#include <memory>

namespace qm::widgets {

class Component;
class Form;

class Backend {
public:
  virtual ~Backend() = default;

  // The form is built (its controls exist) and is about to run OnCreate.
  virtual void FormCreated(Form& form) = 0;
  virtual void FormShown(Form& form) = 0;
  virtual void FormHidden(Form& form) = 0;
  // The form came to the front of the z-order.
  virtual void FormRaised(Form& form) = 0;
  virtual void FormMoved(Form& form) = 0;
  virtual void FormResized(Form& form) = 0;
  // Caption, enabled state, colour, font, menu or window-creation parameters.
  virtual void FormChanged(Form& form) = 0;
  // The last notice about this form; its memory may go right after.
  virtual void FormDestroyed(Form& form) = 0;
  // Any property of a control or menu item.
  virtual void ComponentChanged(Component& component) = 0;
};

Backend& CurrentBackend();

// Installs `backend` (null restores the headless one) and returns the previous
// one. The new backend is told about every form already created, oldest first.
std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend);

} // namespace qm::widgets
