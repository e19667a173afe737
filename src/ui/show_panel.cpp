#include "ui/show_panel.h"

namespace qm {

// The control panel is not built yet: the icon click reaches this point and opens
// nothing.
void ShowControlPanel() {}

} // namespace qm
