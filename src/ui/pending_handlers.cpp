// Handlers that the other subsystems own, defined empty until their real ones land
// in morph/, animation/ and scene/, so that every control is wired and the module
// links. Each definition is removed from here when its real one is added elsewhere.
#include "ui/control_panel.h"
#include "ui/setup_chooser.h"
#include "ui/substitute_dialog.h"

namespace qm {

} // namespace qm
