// The plug-in's tool windows: created on first use into their module-level variable,
// recorded in the host record each time they are shown, destroyed at teardown.
#pragma once

#include <vector>

#include "shell/host_api.h"
#include "shell/plugin_host.h"
#include "shell/tsx_form.h"
#include "widgets/application.h"

namespace qm {

// Appends (the form's name, the form) to the host record's form list.
void RecordToolForm(TtsxCustomForm& form);

// Shows the one instance of T held in `variable`, creating it first when the
// variable is empty (or holds a form already freed). The variable refers to the new
// form before its creation handler runs, because that handler's code reaches the
// form through it (the panel opens the chooser, which looks names up through the
// panel). If the creation fails, the variable is emptied, the half-built form
// destroyed, nothing recorded, and the error passes on. The form is recorded on
// every call, so a form shown three times is listed three times.
template <class T> void ShowToolForm(T*& variable) {
  if (variable && variable->Freed()) variable = nullptr;
  if (!variable) {
    T* form = widgets::CreateFormInto(variable, tsxGetMainViewHwnd());
    // Teardown may destroy the form behind the variable's back; the variable must
    // not be left pointing at it.
    form->OnDestroyed = [&variable, form] {
      if (variable == form) variable = nullptr;
    };
  }
  RecordToolForm(*variable);
  variable->Show();
}

// Destroys each recorded form that is still alive, once, first to last, and
// empties the list. Runs after the host API is released: a form's destruction
// calls nothing of the host.
void DestroyRecordedForms(std::vector<FormListEntry>& formList);

} // namespace qm
