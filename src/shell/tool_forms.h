// The plug-in's tool windows: created on first use, recorded in the host record,
// destroyed at teardown.
#pragma once

#include <vector>

#include "shell/plugin_host.h"

namespace qm {

// Destroys each recorded form that is still alive, once, first to last, and
// empties the list.
void DestroyRecordedForms(std::vector<FormListEntry>& formList);

} // namespace qm
