// One run of the blend: fetch the host's arrays once, let the kernel write the
// animated object in place, ask the host to redraw it.
#include <cstddef>

#include "morph/animated_object.h"
#include "morph/blend_kernel.h"
#include "morph/channel_set.h"
#include "morph/host_objects.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"

namespace qm {
namespace {

// Every array is checked before the kernel sees it: an object that has left the
// scene is not asked for its vertices, an animated object shorter than the original
// is not written, and a target whose vertex count no longer matches the original's
// (the original was captured again with another mesh) takes no part.
void RunBlend(TForm1& panel) {
  // Nothing to blend until an original is captured on this panel.
  tsxSOBJ* original = channelobj[0];
  if (!panel.IsCaptured(0) || !original) return;

  const SceneObjects scene;
  if (!scene.Contains(original)) return;
  const int count = tsxPolyhGetNbrVxs(original);

  // An animated object deleted in the host is made anew rather than written.
  if (!panel.animbound || !scene.Contains(animobj)) CreateAnimatedObject(panel);

  morph::BlendInput input;
  input.vertexCount = count;
  input.original = tsxPolyhGetVxArray(original);
  tsxVec3f* animated = tsxPolyhGetVxArray(animobj);
  if (!input.original || !animated || VertexCount(animobj) < count) return;

  for (int k = 0; k < morph::kChannelCount; ++k) {
    const auto slot = static_cast<std::size_t>(k);
    input.sliders[slot] = panel.bar[slot]->Position();
    input.delta[slot] = panel.box[slot]->Checked();
    if (k == 0 || !panel.IsCaptured(k)) continue;
    tsxSOBJ* target = channelobj[slot];
    // The blend must never write into what it reads.
    if (target == animobj) return;
    if (scene.Contains(target) && VertexCount(target) == count) {
      input.targets[slot] = tsxPolyhGetVxArray(target);
    }
  }
  if (original == animobj) return;
  input.deltaTolerance = panel.deltatolerance;

  morph::BlendVertices(input, animated);
  if (!panel.animatingchannels) tsxGNodeDraw(animobj);
}

} // namespace

void TForm1::Update2Click() {
  // A run shows no message: an error ends it where it stands.
  try {
    RunBlend(*this);
  } catch (...) {
  }
}

void TForm1::AutoUpdate1Click() { AutoUpdate1->SetChecked(!AutoUpdate1->Checked()); }

} // namespace qm
