#include "ui/substitute_dialog.h"

namespace qm {

TForm3* Form3 = nullptr;

TForm3::TForm3(tsxHWND parentWindow)
    : TListDialog("Form3", parentWindow, "Select Morph Target", "Ignore", "Object: not found",
                  "Select object to Load as substitute") {}

} // namespace qm
