// The set-up chooser: shown whenever a control panel is created and by "Load Morphing
// Channels"; the user picks a stored set-up to load, or starts a new one.
#pragma once

#include "ui/list_dialog.h"

namespace qm {

class TForm2 final : public TListDialog {
public:
  explicit TForm2(tsxHWND parentWindow);

  // Set-up loading (scene/): the show handler lists the scene, New (Button1) starts a
  // set-up, Load (Button2) loads the chosen one.
  void FormShow() override;
  void Button1Click() override;
  void Button2Click() override;
};

// The one chooser, null until it is first shown. Closing only hides it.
extern TForm2* Form2;

} // namespace qm
