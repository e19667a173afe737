// New Morph: a fresh morph information object for the channels as they stand.
#include "animation/channel_nulls.h"
#include "animation/morph_info.h"
#include "morph/object_name.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"
#include "ui/setup_chooser.h"

namespace qm {

void TForm1::NewMorphingInfo1Click() {
  tsxSOBJ* selection = tsxGetCurrentSelection();
  createnulls();
  namenulls();
  infoobj->SetText(GetName(morphinfo));
  Update2->SetEnabled(true);
  btnrec->SetEnabled(true);
  btnsel[0]->SetEnabled(true);
  enablesetupcontrols();
  // Building the group selected its parts; the user's selection comes back.
  if (selection) tsxSelectSobj(selection, 0, 0);
}

void TForm2::Button1Click() {
  if (Form1) {
    Form1->NewMorphingInfo1->Click();
    Form1->Hide1->Click();
  }
  Close();
}

} // namespace qm
