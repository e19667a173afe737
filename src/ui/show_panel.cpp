#include "ui/show_panel.h"

#include "shell/tool_forms.h"
#include "ui/control_panel.h"

namespace qm {

void ShowControlPanel() { ShowToolForm(Form1); }

} // namespace qm
