// The substitute dialog: opens when a stored set-up names an object that is not in
// the scene, and lets the user load another object into that channel.
#pragma once

#include <string>

#include "ui/list_dialog.h"

namespace qm {

class TForm3 final : public TListDialog {
public:
  explicit TForm3(tsxHWND parentWindow);

  // Object lookup (scene/): the show handler lists the scene, Load (Button2) captures
  // the chosen object into the remembered channel, Ignore (Button1) closes; store
  // remembers the channel that a substitute is wanted for.
  void FormShow() override;
  void Button1Click() override;
  void Button2Click() override;
  void store(int channel, const std::string& name);
};

// The one substitute dialog, null until it is first shown. Closing only hides it.
extern TForm3* Form3;

} // namespace qm
