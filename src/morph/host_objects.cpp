#include "morph/host_objects.h"

#include <vector>

#include "shell/host_api.h"

namespace qm {

int VertexCount(tsxSOBJ* object) { return object ? tsxPolyhGetNbrVxs(object) : 0; }

SceneObjects::SceneObjects() { Add(tsxSceneGetFirstNode()); }

void SceneObjects::Add(tsxSOBJ* first) {
  // Depth-first without recursion; a node already seen is not entered again, so a
  // host that reports a cycle cannot hold the walk.
  std::vector<tsxSOBJ*> pending{first};
  while (!pending.empty()) {
    tsxSOBJ* node = pending.back();
    pending.pop_back();
    for (; node && objects_.insert(node).second; node = tsxGNodeGetNext(node)) {
      if (tsxIsGNode(node) == 1) pending.push_back(tsxGNodeGetFirstChild(node));
    }
  }
}

} // namespace qm
