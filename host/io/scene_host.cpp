#include "io/scene_host.h"

#include "io/number_text.h"

namespace qm::io {

namespace {

void CheckNode(const Node& node, const std::string& path, const std::string& fileName) {
  const auto refuse = [&](const std::string& member, const std::string& why) {
    throw ESceneFileError(fileName + ": " + path + "." + member + ": " + why + " (node \"" +
                          node.name + "\")");
  };
  if (node.scale != 1)
    refuse("scale",
           FloatText(node.scale) + " cannot be built: the host makes every node at scale 1");
  if (!node.visible)
    refuse("visible", "a hidden node cannot be built: the host makes nodes visible");
  if (node.script && node.locationKeys.empty())
    refuse("script", "a script cannot be built without location keys, which bring one");
  if (!node.vertexKeys.empty())
    refuse("vertexKeys", "vertex keys cannot be built: only the plug-in records them");
  for (std::size_t i = 0; i < node.children.size(); ++i)
    CheckNode(node.children[i], path + ".children[" + std::to_string(i) + "]", fileName);
}

tsxVec3f ToHost(const Vec3& v) { return {v[0], v[1], v[2]}; }
Vec3 FromHost(const tsxVec3f& v) { return {v.x, v.y, v.z}; }

tsxSOBJ* BuildNode(standin::Control& host, const Node& node) {
  tsxSOBJ* made = nullptr;
  switch (node.kind) {
  case NodeKind::Mesh: {
    std::vector<tsxVec3f> vertices;
    for (const Vec3& v : node.vertices)
      vertices.push_back(ToHost(v));
    made = host.CreatePolyhedron(node.name, vertices);
    break;
  }
  case NodeKind::Group: {
    std::vector<tsxSOBJ*> children;
    for (const Node& child : node.children)
      children.push_back(BuildNode(host, child));
    made = host.CreateGroup(node.name, children);
    break;
  }
  case NodeKind::Marker: made = host.CreateMarker(node.name); break;
  }
  host.SetLocation(made, ToHost(node.location));
  for (const LocationKey& key : node.locationKeys)
    host.AddLocationKey(made, key.time, ToHost(key.location));
  return made;
}

Node ReadNode(const standin::Control& host, tsxSOBJ* handle) {
  Node node;
  switch (host.Kind(handle)) {
  case standin::NodeKind::Polyhedron: node.kind = NodeKind::Mesh; break;
  case standin::NodeKind::Group: node.kind = NodeKind::Group; break;
  case standin::NodeKind::Marker: node.kind = NodeKind::Marker; break;
  }
  node.name = host.Name(handle);
  node.location = FromHost(host.Location(handle));
  node.scale = host.Scale(handle);
  node.visible = host.Visible(handle);
  node.script = host.HasScript(handle);
  for (const standin::LocationKey& key : host.LocationKeys(handle))
    node.locationKeys.push_back({key.time, FromHost(key.location)});
  for (const standin::VertexKey& key : host.VertexKeys(handle))
    node.vertexKeys.push_back({key.time, key.index, FromHost(key.position)});
  if (node.kind == NodeKind::Mesh) {
    for (const tsxVec3f& v : host.Vertices(handle))
      node.vertices.push_back(FromHost(v));
  }
  if (node.kind == NodeKind::Group) {
    for (tsxSOBJ* child : host.Children(handle))
      node.children.push_back(ReadNode(host, child));
  }
  return node;
}

} // namespace

void CheckBuildable(const Scene& scene, const std::string& fileName) {
  for (std::size_t i = 0; i < scene.nodes.size(); ++i)
    CheckNode(scene.nodes[i], "nodes[" + std::to_string(i) + "]", fileName);
}

void BuildScene(standin::Control& host, const Scene& scene) {
  host.Reset();
  if (scene.frameRate) host.SetFrameRate(*scene.frameRate);
  for (const Node& node : scene.nodes)
    host.AddToScene(BuildNode(host, node));
}

Scene ReadScene(const standin::Control& host) {
  Scene scene;
  scene.frameRate = host.FrameRate();
  for (tsxSOBJ* handle : host.TopLevel())
    scene.nodes.push_back(ReadNode(host, handle));
  return scene;
}

} // namespace qm::io
