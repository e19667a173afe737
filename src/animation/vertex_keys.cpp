#include "animation/vertex_keys.h"

#include <string>

#include "platform/exception.h"
#include "shell/host_api.h"

namespace qm {

void InsertVertexKey(tsxSOBJ* object, std::int32_t index, const tsxVec3f& position, float time) {
  static_assert(sizeof(tsxVec3f) == 12, "a vertex key holds exactly x, y and z");
  tsxFRAME* frame = nullptr;
  tsxFrameCreate(&frame, kTsxFrameVertexKey);
  if (!frame) {
    throw Exception("The host made no keyframe for vertex " + std::to_string(index));
  }
  tsxFrameSetData(frame, &position, static_cast<int>(sizeof position));
  tsxSobjInsertFrame(object, frame, index, time);
}

} // namespace qm
