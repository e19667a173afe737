#include "ui/substitute_dialog.h"

#include "ui/dialog_layout.h"

namespace qm {

TForm3* Form3 = nullptr;

TForm3::TForm3(tsxHWND parentWindow) : TtsxForm("Form3", parentWindow) {
  const ui::ListDialogControls controls =
      ui::LayOutListDialog(*this, "Select Morph Target", "Ignore", "Object: not found",
                           "Select object to Load as substitute");
  ListBox1 = controls.ListBox1;
  Button2 = controls.Button2;
  Button1 = controls.Button1;
  StaticText1 = controls.StaticText1;
  StaticText3 = controls.StaticText3;
  OnShow = [this] { FormShow(); };
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  // The close box only hides the dialog (the framework's default close action).
}

} // namespace qm
