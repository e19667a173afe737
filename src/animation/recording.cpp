// Recording the current frame: the blend of the sliders as they stand becomes vertex
// keys of the animated object, and the non-zero weights become null keys, at the same
// frame. Also the diagnostic button, which keys one vertex of the selection.
#include "animation/channel_keys.h"
#include "animation/vertex_keys.h"
#include "morph/channel_set.h"
#include "morph/host_objects.h"
#include "shell/host_api.h"
#include "shell/plugin_host.h"
#include "ui/control_panel.h"

namespace qm {
namespace {

// The animated object that this panel's blend writes, or null when the panel has none
// (no original captured yet) or it has left the scene: then there is nothing to key.
tsxSOBJ* RecordableAnimatedObject(const TForm1& panel) {
  if (!panel.animbound || !animobj) return nullptr;
  return SceneObjects().Contains(animobj) ? animobj : nullptr;
}

} // namespace

void TForm1::btnrecClick() {
  MaskFPUExceptions();
  showkey->SetVisible(true);
  Update2->Click();
  tsxSOBJ* animated = RecordableAnimatedObject(*this);
  tsxVec3f* vertices = animated ? tsxPolyhGetVxArray(animated) : nullptr;
  const int count = vertices ? tsxPolyhGetNbrVxs(animated) : 0;
  // A negative frame typed into the field is recorded at frame 0, with the weights
  // read back there.
  if (CurrentFrame(*this) < 0) currframe->SetValue(0);
  const float time = HostTime(CurrentFrame(*this));
  for (int k = 0; k < count; ++k)
    InsertVertexKey(animated, k, vertices[k], time);
  setnullframe(*this);
  MaskFPUExceptions();
}

void TForm1::BitBtn4Click() {
  // Keys vertex 1 of the selection at frames 0 and 10, half a unit apart in x. A
  // selection without a vertex 1 has nothing to key.
  tsxSOBJ* selection = tsxGetCurrentSelection();
  if (VertexCount(selection) < 2) return;
  tsxVec3f* vertices = tsxPolyhGetVxArray(selection);
  if (!vertices) return;
  tsxSobjCreateScript(selection);
  InsertVertexKey(selection, 1, vertices[1], 0.0f);
  vertices[1].x += 0.5f;
  InsertVertexKey(selection, 1, vertices[1], 10.0f);
  tsxSceneDraw();
}

} // namespace qm
