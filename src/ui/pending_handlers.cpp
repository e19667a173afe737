// Handlers that the other subsystems own, defined empty until their real ones land
// in morph/, animation/ and scene/, so that every control is wired and the module
// links. Each definition is removed from here when its real one is added elsewhere.
#include "ui/control_panel.h"
#include "ui/setup_chooser.h"
#include "ui/substitute_dialog.h"

namespace qm {

// --- channel animation ---
void TForm1::CreateFromChannels1Click() {}
void TForm1::btnrecClick() {}
void TForm1::btnunsetClick() {}
void TForm1::btnrewendClick() {}
void TForm1::btnrewClick() {}
void TForm1::btnplayClick() {}
void TForm1::btnffClick() {}
void TForm1::btnffendClick() {}
void TForm1::currframeChange() {}
void TForm1::currframeMouseDown() {}
void TForm1::BitBtn4Click() {}

} // namespace qm
