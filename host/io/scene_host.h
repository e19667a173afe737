// A Scene and the stand-in host: building one in the host through its control
// interface, and reading the host's scene back as it stands.
#pragma once

#include "api/standin_control.h"
#include "io/scene_description.h"

#include <string>

namespace qm::io {

// Refuses what the control interface cannot build, naming the place: a scale other
// than 1, a hidden node, a script without location keys, vertex keys. A saved scene
// records these as the plug-in left them; loading it would quietly lose them.
// `fileName` prefixes the message.
void CheckBuildable(const Scene& scene, const std::string& fileName);

// Replaces the host's scene with `scene`: resets the host (selection, time, frame
// rate, call log and faults too), sets the frame rate if given, then builds the
// nodes in order and adds them at top level. Call CheckBuildable first.
void BuildScene(standin::Control& host, const Scene& scene);

// The host's scene as it stands: frame rate and top-level nodes, each with its
// location, scale, visibility, script, keys, vertices and children.
Scene ReadScene(const standin::Control& host);

} // namespace qm::io
