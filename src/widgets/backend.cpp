#include "widgets/backend.h"

#include "widgets/application.h"
#include "widgets/headless/headless_backend.h"
#include "widgets/module_state.h"

namespace qm::widgets {
namespace {

struct BackendState {
  HeadlessBackend headless;
  std::unique_ptr<Backend> custom;
};

// Forms may still be freed, and tell their backend so, while the module is being
// unloaded: module state, released last.
ModuleState<BackendState> backendState;

BackendState& State() { return backendState.Get(); }

} // namespace

Backend& CurrentBackend() {
  BackendState& state = State();
  return state.custom ? *state.custom : static_cast<Backend&>(state.headless);
}

std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend) {
  std::unique_ptr<Backend> previous = std::move(State().custom);
  State().custom = std::move(backend);
  Backend& current = CurrentBackend();
  for (Form* form : LiveForms()) {
    if (!form->Announced()) continue;
    current.FormCreated(*form);
    if (form->Visible()) current.FormShown(*form);
  }
  return previous;
}

} // namespace qm::widgets
