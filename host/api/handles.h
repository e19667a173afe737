// Host handles as the plug-in sees them: opaque tokens, not addresses.
//
// Every node and keyframe has an id that is never used again in the process, not
// even after a Reset. Its handle is the id in a tagged, non-canonical pointer value,
// so the host can always tell a handle it made from a stale or made-up one by
// looking the id up, and a plug-in that dereferences a handle faults at once
// instead of reading host memory.
#pragma once

#include "shell/tsx_types.h"

#include <cstdint>
#include <optional>

namespace qm::standin {

using ObjectId = std::uint64_t;

// A fresh id, never handed out before in this process.
ObjectId NewObjectId();

tsxSOBJ* NodeHandle(ObjectId id);
tsxFRAME* FrameHandle(ObjectId id);

// The id in a handle, or nothing for null and for values that no handle of that
// kind can have.
std::optional<ObjectId> NodeIdOf(const tsxSOBJ* handle);
std::optional<ObjectId> FrameIdOf(const tsxFRAME* handle);

} // namespace qm::standin
