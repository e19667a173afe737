// Scene files on disk: loading one into the stand-in host and saving the host's
// scene. A file that cannot be read, parsed or built leaves the host's scene as it
// was; a save that fails leaves no half-written file behind.
#pragma once

#include "api/standin_control.h"
#include "io/scene_description.h"

#include <string>

namespace qm::io {

// The file's text; ESceneFileError naming the file when it cannot be read.
std::string ReadTextFile(const std::string& path);

// Reads, parses and checks the file, then replaces the host's scene with it (see
// BuildScene). Returns the scene that was built. Errors name `path` as given.
Scene LoadSceneFile(standin::Control& host, const std::string& path);

// Writes the host's scene to `path`: first to a temporary file beside it, then
// renamed over it, so that an error never leaves a half-written file. The folder must
// exist. Errors name `path` as given.
void SaveSceneFile(const standin::Control& host, const std::string& path);

} // namespace qm::io
