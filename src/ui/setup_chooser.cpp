#include "ui/setup_chooser.h"

#include "ui/dialog_layout.h"

namespace qm {

TForm2* Form2 = nullptr;

TForm2::TForm2(tsxHWND parentWindow) : TtsxForm("Form2", parentWindow) {
  const ui::ListDialogControls controls =
      ui::LayOutListDialog(*this, "Select QMMorph Channel Object", "New",
                           "Click on 'New' only if you want to create a new QMMorph Object",
                           "If you don't know what I am talking about, read the manual now");
  ListBox1 = controls.ListBox1;
  Button2 = controls.Button2;
  Button1 = controls.Button1;
  StaticText1 = controls.StaticText1;
  StaticText3 = controls.StaticText3;
  OnShow = [this] { FormShow(); };
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  // The close box only hides the chooser (the framework's default close action);
  // the next show reuses it.
}

} // namespace qm
