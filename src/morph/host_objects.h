// Questions about host objects that guard the morph engine against handles the host
// would not take: empty handles, objects no longer in the scene, short arrays.
#pragma once

#include <unordered_set>

#include "shell/tsx_types.h"

namespace qm {

// The object's vertex count; 0 for an empty handle, which never reaches the host.
int VertexCount(tsxSOBJ* object);

// Every object in the scene, at any depth, as the host lists it now.
class SceneObjects {
public:
  // Walks the scene once: top-level nodes and the children of each node.
  SceneObjects();
  bool Contains(tsxSOBJ* object) const { return object && objects_.count(object) != 0; }

private:
  void Add(tsxSOBJ* first);
  std::unordered_set<tsxSOBJ*> objects_;
};

} // namespace qm
