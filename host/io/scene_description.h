// A scene for the stand-in host as plain data: what a scene file describes and what
// a saved scene records. It knows nothing of JSON or of the host; scene_json.h reads
// it from text, scene_writer.h writes it, scene_host.h builds it in a host and reads
// it back.
#pragma once

#include "platform/exception.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace qm::io {

// A scene file that cannot be read, parsed or built, or a scene that cannot be
// written. The message names the file (where there is one), the place in it, and
// what is wrong.
QM_DECLARE_EXCEPTION(ESceneFileError, Exception);

using Vec3 = std::array<float, 3>; // x, y, z

enum class NodeKind { Mesh, Group, Marker };

struct LocationKey {
  float time = 0;
  Vec3 location{};
  bool operator==(const LocationKey&) const = default;
};

struct VertexKey {
  float time = 0;
  int index = 0;
  Vec3 position{};
  bool operator==(const VertexKey&) const = default;
};

struct Node {
  NodeKind kind = NodeKind::Mesh;
  std::string name;
  Vec3 location{};
  std::vector<Vec3> vertices; // meshes only
  std::vector<Node> children; // groups only

  // What the host records on a node as the plug-in works on it. A saved scene holds
  // them; a scene file to load may give them only as a new node has them (the
  // stand-in's control interface builds nothing else), location keys excepted.
  float scale = 1;
  bool visible = true;
  bool script = false;
  std::vector<LocationKey> locationKeys;
  std::vector<VertexKey> vertexKeys;

  bool operator==(const Node&) const = default;
};

struct Scene {
  std::optional<float> frameRate; // frames per second; the host's default when absent
  std::vector<Node> nodes;        // top level, in order
  bool operator==(const Scene&) const = default;
};

// The word for a kind in scene files and in qmhost's output: "mesh", "group", "marker".
const char* KindWord(NodeKind kind);

} // namespace qm::io
