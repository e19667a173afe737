// The application's forms: creating them, the live forms in creation order, and
// their z-order.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "widgets/form.h"

namespace qm::widgets {

// Builds a form of type T (its constructor lays out the controls and assigns the
// handlers) and runs its OnCreate. When OnCreate raises, the form is freed and the
// error passes on. The model owns the form; Free() ends it.
template <class T, class... Args> T* CreateForm(Args&&... args) {
  T* form = new T(std::forward<Args>(args)...);
  FinishFormCreation(*form);
  return form;
}

// The same, storing the form in `variable` before OnCreate runs, so that code run
// by OnCreate already finds the form there; the variable is emptied again when
// OnCreate raises.
template <class T, class... Args> T* CreateFormInto(T*& variable, Args&&... args) {
  T* form = new T(std::forward<Args>(args)...);
  variable = form;
  try {
    FinishFormCreation(*form);
  } catch (...) {
    variable = nullptr;
    throw;
  }
  return form;
}

// Forms that are constructed and not freed, in the order their construction began.
std::vector<Form*> LiveForms();
// The oldest live form of that name (ignoring letter case), or null.
Form* FindForm(std::string_view name);
// The visible forms, frontmost first.
std::vector<Form*> VisibleFormsFrontToBack();
// Frees every live form, newest first.
void DestroyAllForms();

namespace detail {
void RegisterForm(Form* form);
void UnregisterForm(Form* form);
void BringToFront(Form* form);
} // namespace detail

} // namespace qm::widgets
