// Capturing the host's current selection into a channel: the original, which sets
// the vertex count, and the targets, which must match it.
#include <string>

#include "animation/channel_nulls.h"
#include "morph/channel_set.h"
#include "morph/host_objects.h"
#include "morph/object_name.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"
#include "widgets/dialogs.h"

namespace qm {
namespace {

// The blend writes the animated object; capturing it as a channel would let the
// blend overwrite what it reads. Refused with a word to the user.
bool RefuseAnimatedObject(const TForm1& panel, tsxSOBJ* selection) {
  if (!panel.animbound || !selection || selection != animobj) return false;
  // Built step by step: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string.
  std::string message = "\"";
  message += GetName(selection);
  message += "\" is the animated object, which the blend writes, so it cannot be captured "
             "as the original or a target.";
  widgets::ShowMessage(message);
  return true;
}

} // namespace

void TForm1::btnseloriginalClick() {
  tsxSOBJ* selection = tsxGetCurrentSelection();
  if (RefuseAnimatedObject(*this, selection)) return;
  channelobj[0] = selection;
  btnsel[0]->SetCaption(GetName(selection));
  bar[0]->SetEnabled(true);
  if (!loadingsetup) namenulls();
  originalvxcount = VertexCount(selection);
  enablebuttons();
}

void TForm1::btnselClick(int target) {
  tsxSOBJ* selection = tsxGetCurrentSelection();
  if (VertexCount(selection) != originalvxcount) return;
  if (RefuseAnimatedObject(*this, selection)) return;
  channelobj[static_cast<std::size_t>(target)] = selection;
  btnsel[static_cast<std::size_t>(target)]->SetCaption(GetName(selection));
  bar[static_cast<std::size_t>(target)]->SetEnabled(true);
  if (!loadingsetup) namenulls();
}

} // namespace qm
