// Reading scene files: JSON text into a Scene. Every error names the file, the place
// in it and what is wrong:
//
//   face.json: nodes[2].vertices[5]: expected [x, y, z], three numbers (node "Smile")
//   face.json: not valid JSON: parse error at line 3, column 5: ...
#pragma once

#include "io/scene_description.h"

#include <string>
#include <string_view>

namespace qm::io {

// The deepest nesting of groups a file may hold; deeper files are refused rather
// than risking the stack.
inline constexpr int kMaxGroupDepth = 64;

// Parses a scene file's text. `fileName` is only used in error messages. Throws
// ESceneFileError for text that is not JSON, a member that appears twice in one
// object, an unknown member, a missing one, or a value of the wrong type or range.
Scene ParseSceneJson(std::string_view text, const std::string& fileName);

} // namespace qm::io
