#include "shell/tool_forms.h"

namespace qm {

// No tool window can be shown yet, so the list holds nothing to destroy.
void DestroyRecordedForms(std::vector<FormListEntry>& formList) { formList.clear(); }

} // namespace qm
