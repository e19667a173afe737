#include "morph/animated_object.h"

#include "morph/channel_set.h"
#include "morph/host_objects.h"
#include "morph/object_name.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"
#include "widgets/dialogs.h"

namespace qm {
namespace {

// The channel that holds `object`, or -1.
int CapturingChannel(const TForm1& panel, tsxSOBJ* object) {
  for (int k = 0; k < morph::kChannelCount; ++k) {
    if (panel.IsCaptured(k) && channelobj[static_cast<std::size_t>(k)] == object) return k;
  }
  return -1;
}

} // namespace

void CreateAnimatedObject(TForm1& panel) {
  panel.animbound = true;
  tsxGNODE* copy = nullptr;
  tsxGNodeCopy(channelobj[0], &copy);
  if (!copy) throw Exception("The host made no copy of the original for the animated object");
  animobj = copy;
  tsxSceneAddObject(animobj, 1);
  panel.finalname->SetText(GetName(animobj));
  tsxVec3f origin = panel.originlocation;
  tsxGNodeSetLocation(animobj, &origin);
  tsxSobjCreateScript(animobj);
  tsxSceneDraw();
}

void TForm1::CreateAnimatedObject1Click() {
  if (!IsCaptured(0) || !channelobj[0]) {
    widgets::ShowMessage("Capture an original first: the animated object is made as a copy of it.");
    return;
  }
  CreateAnimatedObject(*this);
}

void TForm1::SelectAnimatedObject1Click() {
  tsxSOBJ* selection = tsxGetCurrentSelection();
  if (!selection) {
    widgets::ShowMessage("Select the object to animate in the scene first.");
    return;
  }
  const std::string name = GetName(selection);
  const std::string quoted = std::string(1, '"') + name + '"';
  const int channel = CapturingChannel(*this, selection);
  if (channel >= 0) {
    const std::string role =
        channel == 0 ? std::string("the original") : "target " + std::to_string(channel);
    widgets::ShowMessage(quoted + " is captured as " + role +
                         ". The blend would overwrite it, so it cannot be the animated object.");
    return;
  }
  const int count = VertexCount(selection);
  if (count < originalvxcount) {
    widgets::ShowMessage(quoted + " has " + std::to_string(count) +
                         " vertices; the animated object needs at least as many as the "
                         "original, " +
                         std::to_string(originalvxcount) + ".");
    return;
  }
  animobj = selection;
  finalname->SetText(name);
  animbound = true;
}

} // namespace qm
