// Writing a Scene as a scene file: JSON laid out for people to read (one vertex a
// line), numbers in their shortest exact form, members at their default left out.
#pragma once

#include "io/scene_description.h"

#include <string>

namespace qm::io {

// The scene as JSON text, ending in a newline. Throws ESceneFileError, naming the
// place, for what JSON cannot hold: a number that is not finite, or a name that is
// not UTF-8.
std::string WriteSceneJson(const Scene& scene);

} // namespace qm::io
