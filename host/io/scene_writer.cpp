#include "io/scene_writer.h"

#include "io/number_text.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

namespace qm::io {

namespace {

class Writer {
public:
  std::string Write(const Scene& scene) {
    out_ << "{\n";
    if (scene.frameRate)
      out_ << "  \"frameRate\": " << Number(*scene.frameRate, "frameRate") << ",\n";
    out_ << "  \"nodes\": [";
    NodeList(scene.nodes, "nodes", 2);
    out_ << "]\n}\n";
    return out_.str();
  }

private:
  void NodeList(const std::vector<Node>& nodes, const std::string& path, int indent) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      out_ << (i == 0 ? "\n" : ",\n");
      WriteNode(nodes[i], path + "[" + std::to_string(i) + "]", indent + 2);
    }
    if (!nodes.empty()) out_ << "\n" << Pad(indent);
  }

  void WriteNode(const Node& node, const std::string& path, int indent) {
    const std::string pad = Pad(indent + 2);
    out_ << Pad(indent) << "{\n";
    out_ << pad << "\"kind\": \"" << KindWord(node.kind) << "\",\n";
    out_ << pad << "\"name\": " << Text(node.name, path + ".name") << ",\n";
    out_ << pad << "\"location\": " << Vector(node.location, path + ".location");
    if (node.scale != 1)
      out_ << ",\n" << pad << "\"scale\": " << Number(node.scale, path + ".scale");
    if (!node.visible) out_ << ",\n" << pad << "\"visible\": false";
    if (node.script) out_ << ",\n" << pad << "\"script\": true";
    if (!node.locationKeys.empty()) {
      out_ << ",\n" << pad << "\"locationKeys\": [";
      for (std::size_t i = 0; i < node.locationKeys.size(); ++i) {
        const LocationKey& key = node.locationKeys[i];
        const std::string at = path + ".locationKeys[" + std::to_string(i) + "]";
        out_ << (i == 0 ? "\n" : ",\n") << pad << "  {\"time\": " << Number(key.time, at + ".time")
             << ", \"location\": " << Vector(key.location, at + ".location") << "}";
      }
      out_ << "\n" << pad << "]";
    }
    if (!node.vertexKeys.empty()) {
      out_ << ",\n" << pad << "\"vertexKeys\": [";
      for (std::size_t i = 0; i < node.vertexKeys.size(); ++i) {
        const VertexKey& key = node.vertexKeys[i];
        const std::string at = path + ".vertexKeys[" + std::to_string(i) + "]";
        out_ << (i == 0 ? "\n" : ",\n") << pad << "  {\"time\": " << Number(key.time, at + ".time")
             << ", \"index\": " << key.index
             << ", \"position\": " << Vector(key.position, at + ".position") << "}";
      }
      out_ << "\n" << pad << "]";
    }
    if (node.kind == NodeKind::Mesh) {
      out_ << ",\n" << pad << "\"vertices\": [";
      for (std::size_t i = 0; i < node.vertices.size(); ++i) {
        out_ << (i == 0 ? "\n" : ",\n") << pad << "  "
             << Vector(node.vertices[i], path + ".vertices[" + std::to_string(i) + "]");
      }
      if (!node.vertices.empty()) out_ << "\n" << pad;
      out_ << "]";
    }
    if (node.kind == NodeKind::Group) {
      out_ << ",\n" << pad << "\"children\": [";
      NodeList(node.children, path + ".children", indent + 2);
      out_ << "]";
    }
    out_ << "\n" << Pad(indent) << "}";
  }

  static std::string Pad(int indent) { return std::string(static_cast<std::size_t>(indent), ' '); }

  static std::string Number(float value, const std::string& path) {
    if (!std::isfinite(value))
      throw ESceneFileError(path + ": " + FloatText(value) +
                            " cannot be written: JSON has no such number");
    // "-0" would read back as the integer 0; "-0.0" keeps the sign.
    if (value == 0 && std::signbit(value)) return "-0.0";
    return FloatText(value);
  }

  static std::string Vector(const Vec3& v, const std::string& path) {
    return "[" + Number(v[0], path + "[0]") + ", " + Number(v[1], path + "[1]") + ", " +
           Number(v[2], path + "[2]") + "]";
  }

  static std::string Text(const std::string& text, const std::string& path) {
    try {
      return nlohmann::json(text).dump();
    } catch (const nlohmann::json::type_error&) {
      throw ESceneFileError(path + ": the name is not UTF-8 text, which JSON needs");
    }
  }

  std::ostringstream out_;
};

} // namespace

std::string WriteSceneJson(const Scene& scene) { return Writer().Write(scene); }

} // namespace qm::io
