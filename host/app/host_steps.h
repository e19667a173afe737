// The steps of a scenario that work on the host's scene rather than on the plug-in:
// scene, select, print-mesh, print-scene and save. Each writes its lines to `out`
// and throws a qm::Exception when it cannot be carried out.
#pragma once

#include "api/standin_control.h"
#include "platform/exception.h"

#include <ostream>
#include <string>
#include <vector>

namespace qm::host {

// A step that names nothing the host has: no node of that name, or not a mesh.
QM_DECLARE_EXCEPTION(EHostStepError, Exception);

// `file` as it is reached from `folder`: itself when absolute or when folder is "".
std::string ResolvePath(const std::string& folder, const std::string& file);

// "1 vertex", "36 vertices".
std::string CountText(std::size_t count, const char* one, const char* many);

// The lines of print-mesh for these vertices: "  x y z", shortest exact floats.
std::vector<std::string> VertexLines(const std::vector<tsxVec3f>& vertices);

// scene FILE: replaces the host's scene with the file, looked up from `folder`.
void LoadScene(standin::Control& host, const std::string& file, const std::string& folder,
               std::ostream& out);
// select NAME: the first top-level node of that name becomes the host's selection.
void SelectNode(standin::Control& host, const std::string& name, std::ostream& out);
// print-mesh NAME: the first top-level node of that name, which must be a mesh.
void PrintMesh(const standin::Control& host, const std::string& name, std::ostream& out);
// print-scene: each top-level node's kind and name.
void PrintScene(const standin::Control& host, std::ostream& out);
// save FILE: the host's scene as a scene file (relative to the working folder).
void SaveScene(const standin::Control& host, const std::string& file, std::ostream& out);

} // namespace qm::host
