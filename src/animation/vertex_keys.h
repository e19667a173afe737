// Vertex keys: one keyframe of kind 23 per vertex, holding the vertex's position as
// three 32-bit floats (12 bytes), inserted into a mesh's animation script.
#pragma once

#include <cstdint>

#include "shell/tsx_types.h"

namespace qm {

// Makes a vertex key holding `position` and inserts it into `object`'s script for
// vertex `index` at `time`; the host takes the keyframe over. Raises an error when
// the host makes no keyframe, rather than handing it an empty one.
void InsertVertexKey(tsxSOBJ* object, std::int32_t index, const tsxVec3f& position, float time);

} // namespace qm
