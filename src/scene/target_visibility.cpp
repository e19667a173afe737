// Hiding the captured objects together, and locking the select buttons.
#include <cstddef>

#include "morph/channel_set.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"

namespace qm {

void TForm1::HideTargets1Click() {
  const bool hide = !HideTargets1->Checked();
  for (int k = 0; k < morph::kChannelCount; ++k) {
    tsxSOBJ* object = channelobj[static_cast<std::size_t>(k)];
    // An empty handle (an empty selection captured) never reaches the host.
    if (!IsCaptured(k) || !object) continue;
    hide ? tsxMNodeSetInvisible(object) : tsxMNodeSetVisible(object);
  }
  if (hide) tsxSceneDraw();
  HideTargets1->SetChecked(hide);
  if (!hide) tsxSceneDraw();
}

void TForm1::LockTargets1Click() {
  LockTargets1->SetChecked(!LockTargets1->Checked());
  LockTargets1->Checked() ? disablebuttons() : enablebuttons();
}

} // namespace qm
