#include "shell/tool_forms.h"

#include <algorithm>

#include "widgets/names.h"

namespace qm {

void RecordToolForm(TtsxCustomForm& form) {
  // Without a host record there is nobody to destroy the form at teardown either;
  // the form then lives until the process ends.
  if (PluginHost) PluginHost->FormList.push_back({form.Name(), &form});
}

namespace {

// Whether `form` is still among the live forms under `name`: a form freed since it
// was recorded (a closed control panel) is gone from them.
bool StillLive(const FormListEntry& entry) {
  const std::vector<widgets::Form*> live = widgets::LiveForms();
  return std::any_of(live.begin(), live.end(), [&](const widgets::Form* form) {
    return form == entry.form && widgets::SameName(form->Name(), entry.name);
  });
}

} // namespace

void DestroyRecordedForms(std::vector<FormListEntry>& formList) {
  for (const FormListEntry& entry : formList) {
    if (StillLive(entry)) entry.form->Free();
  }
  formList.clear();
}

} // namespace qm
