#include "widgets/application.h"

#include <algorithm>

#include "widgets/module_state.h"
#include "widgets/names.h"

namespace qm::widgets {
namespace {

struct Registry {
  std::vector<Form*> live;   // creation order
  std::vector<Form*> zOrder; // back to front
};

ModuleState<Registry> registry;

Registry& State() { return registry.Get(); }

void Erase(std::vector<Form*>& forms, Form* form) { std::erase(forms, form); }

} // namespace

namespace detail {

void RegisterForm(Form* form) {
  State().live.push_back(form);
  State().zOrder.push_back(form);
}

void UnregisterForm(Form* form) {
  Erase(State().live, form);
  Erase(State().zOrder, form);
}

void BringToFront(Form* form) {
  Erase(State().zOrder, form);
  State().zOrder.push_back(form);
}

} // namespace detail

std::vector<Form*> LiveForms() { return State().live; }

Form* FindForm(std::string_view name) {
  if (name.empty()) return nullptr; // unnamed forms cannot be looked up
  for (Form* form : State().live) {
    if (SameName(form->Name(), name)) return form;
  }
  return nullptr;
}

std::vector<Form*> VisibleFormsFrontToBack() {
  std::vector<Form*> forms;
  for (auto it = State().zOrder.rbegin(); it != State().zOrder.rend(); ++it) {
    if ((*it)->Visible()) forms.push_back(*it);
  }
  return forms;
}

void DestroyAllForms() {
  std::vector<Form*> forms = State().live;
  for (auto it = forms.rbegin(); it != forms.rend(); ++it)
    (*it)->Free();
}

} // namespace qm::widgets
