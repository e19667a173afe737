#include "io/scene_description.h"

namespace qm::io {

const char* KindWord(NodeKind kind) {
  switch (kind) {
  case NodeKind::Mesh: return "mesh";
  case NodeKind::Group: return "group";
  case NodeKind::Marker: return "marker";
  }
  return "?";
}

} // namespace qm::io
