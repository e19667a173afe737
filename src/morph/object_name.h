// The names of host objects, as the panel shows them and the set-ups store them.
#pragma once

#include <string>

#include "shell/tsx_types.h"

namespace qm {

// The name shown for an object that is not a geometric node (the only kind that
// carries a name).
inline constexpr const char* kUnsupportedObject = "Unsupported Object";

// The node's name read through a 255-byte buffer (so at most 254 characters), or
// "Unsupported Object" when the host does not call it a geometric node, or for an
// empty handle. Never reads past the buffer, whatever length the host reports.
std::string GetName(tsxSOBJ* node);

// Gives the node a name through a 255-byte buffer, cut to 254 characters. Does
// nothing for an empty handle.
void SetName(tsxSOBJ* node, const std::string& name);

} // namespace qm
