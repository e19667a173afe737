#include "app/host_steps.h"

#include "io/number_text.h"
#include "io/scene_file.h"

#include <filesystem>

namespace qm::host {

namespace {

tsxSOBJ* FindNode(const standin::Control& host, const std::string& name) {
  tsxSOBJ* node = host.FindTopLevel(name);
  if (node == nullptr) throw EHostStepError("the scene has no top-level node \"" + name + "\"");
  return node;
}

const char* KindWord(standin::NodeKind kind) {
  switch (kind) {
  case standin::NodeKind::Polyhedron: return "mesh";
  case standin::NodeKind::Group: return "group";
  case standin::NodeKind::Marker: return "marker";
  }
  return "?";
}

} // namespace

std::string ResolvePath(const std::string& folder, const std::string& file) {
  const std::filesystem::path path(file);
  if (folder.empty() || path.is_absolute()) return file;
  return (std::filesystem::path(folder) / path).string();
}

std::string CountText(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::vector<std::string> VertexLines(const std::vector<tsxVec3f>& vertices) {
  std::vector<std::string> lines;
  for (const tsxVec3f& v : vertices) {
    lines.push_back("  " + io::FloatText(v.x) + " " + io::FloatText(v.y) + " " +
                    io::FloatText(v.z));
  }
  return lines;
}

void LoadScene(standin::Control& host, const std::string& file, const std::string& folder,
               std::ostream& out) {
  const io::Scene scene = io::LoadSceneFile(host, ResolvePath(folder, file));
  out << "scene " << file << ": "
      << CountText(scene.nodes.size(), "top-level node", "top-level nodes") << "\n";
}

void SelectNode(standin::Control& host, const std::string& name, std::ostream& out) {
  host.Select(FindNode(host, name));
  out << "select " << name << ": done\n";
}

void PrintMesh(const standin::Control& host, const std::string& name, std::ostream& out) {
  tsxSOBJ* node = FindNode(host, name);
  const standin::NodeKind kind = host.Kind(node);
  if (kind != standin::NodeKind::Polyhedron) {
    throw EHostStepError("the first top-level node \"" + name + "\" is a " + KindWord(kind) +
                         ", not a mesh");
  }
  const std::vector<tsxVec3f> vertices = host.Vertices(node);
  out << "print-mesh " << name << ": " << CountText(vertices.size(), "vertex", "vertices") << "\n";
  for (const std::string& line : VertexLines(vertices))
    out << line << "\n";
}

void PrintScene(const standin::Control& host, std::ostream& out) {
  const std::vector<tsxSOBJ*> nodes = host.TopLevel();
  out << "print-scene: " << CountText(nodes.size(), "top-level node", "top-level nodes") << "\n";
  for (tsxSOBJ* node : nodes) {
    const standin::NodeKind kind = host.Kind(node);
    out << "  " << KindWord(kind) << " " << host.Name(node);
    if (kind == standin::NodeKind::Polyhedron)
      out << " (" << CountText(host.Vertices(node).size(), "vertex", "vertices") << ")";
    if (kind == standin::NodeKind::Group)
      out << " (" << CountText(host.Children(node).size(), "child", "children") << ")";
    out << "\n";
  }
}

void SaveScene(const standin::Control& host, const std::string& file, std::ostream& out) {
  io::SaveSceneFile(host, file);
  out << "save " << file << ": done\n";
}

} // namespace qm::host
