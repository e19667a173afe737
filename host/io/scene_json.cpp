#include "io/scene_json.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace qm::io {

namespace {

// Numbers read straight into floats (the lexer uses strtof), so that a decimal in a
// file becomes the float nearest it, with no rounding through double first.
using Json = nlohmann::basic_json<std::map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, float>;

// A place in the file: its path from the root ("nodes[2].vertices[5]") and the name
// of the node it lies in, once that is known.
struct Place {
  std::string path;
  std::string node;

  Place Member(const std::string& key) const {
    return {path.empty() ? key : path + "." + key, node};
  }
  Place Index(std::size_t index) const { return {path + "[" + std::to_string(index) + "]", node}; }
};

class Reader {
public:
  explicit Reader(const std::string& fileName) : file_(fileName) {}

  [[noreturn]] void Fail(const Place& place, const std::string& what) const {
    std::string message = file_ + ": ";
    if (!place.path.empty()) message += place.path + ": ";
    message += what;
    if (!place.node.empty()) message += " (node \"" + place.node + "\")";
    throw ESceneFileError(message);
  }

  Scene ReadScene(const Json& root) const {
    if (!root.is_object()) Fail({}, "expected an object with \"nodes\" (and \"frameRate\")");
    RefuseUnknown(root, {}, {"frameRate", "nodes"}, "a scene");
    Scene scene;
    if (const auto rate = root.find("frameRate"); rate != root.end()) {
      const float value = Number(*rate, Place{}.Member("frameRate"));
      if (!(value > 0)) Fail(Place{}.Member("frameRate"), "must be above 0");
      scene.frameRate = value;
    }
    scene.nodes = Nodes(Required(root, {}, "nodes"), Place{}.Member("nodes"), 0);
    return scene;
  }

private:
  std::vector<Node> Nodes(const Json& list, const Place& place, int depth) const {
    if (!list.is_array()) Fail(place, "expected a list of nodes");
    std::vector<Node> nodes;
    for (std::size_t i = 0; i < list.size(); ++i)
      nodes.push_back(ReadNode(list[i], place.Index(i), depth));
    return nodes;
  }

  Node ReadNode(const Json& value, Place place, int depth) const {
    if (!value.is_object()) Fail(place, "expected a node, an object with \"kind\" and \"name\"");
    Node node;
    const Json& kind = Required(value, place, "kind");
    if (kind == "mesh") {
      node.kind = NodeKind::Mesh;
    } else if (kind == "group") {
      node.kind = NodeKind::Group;
    } else if (kind == "marker") {
      node.kind = NodeKind::Marker;
    } else {
      Fail(place.Member("kind"), "expected \"mesh\", \"group\" or \"marker\"");
    }
    node.name = Text(Required(value, place, "name"), place.Member("name"));
    place.node = node.name;

    std::set<std::string> known{"kind",    "name",   "location",     "scale",
                                "visible", "script", "locationKeys", "vertexKeys"};
    if (node.kind == NodeKind::Mesh) known.insert("vertices");
    if (node.kind == NodeKind::Group) known.insert("children");
    RefuseUnknown(value, place, known, std::string("a ") + KindWord(node.kind));

    if (const auto at = value.find("location"); at != value.end())
      node.location = Vector(*at, place.Member("location"));
    if (node.kind == NodeKind::Mesh) {
      const Place where = place.Member("vertices");
      const Json& list = Required(value, place, "vertices");
      if (!list.is_array()) Fail(where, "expected a list of vertices [x, y, z]");
      for (std::size_t i = 0; i < list.size(); ++i)
        node.vertices.push_back(Vector(list[i], where.Index(i)));
    }
    if (node.kind == NodeKind::Group) {
      if (depth >= kMaxGroupDepth)
        Fail(place, "groups nested deeper than " + std::to_string(kMaxGroupDepth));
      node.children =
          Nodes(Required(value, place, "children"), place.Member("children"), depth + 1);
    }
    ReadRecorded(value, place, node);
    return node;
  }

  // The members that a saved scene records.
  void ReadRecorded(const Json& value, const Place& place, Node& node) const {
    if (const auto at = value.find("scale"); at != value.end())
      node.scale = Number(*at, place.Member("scale"));
    if (const auto at = value.find("visible"); at != value.end())
      node.visible = Flag(*at, place.Member("visible"));
    if (const auto at = value.find("script"); at != value.end())
      node.script = Flag(*at, place.Member("script"));
    if (const auto at = value.find("locationKeys"); at != value.end()) {
      const Place where = place.Member("locationKeys");
      if (!at->is_array()) Fail(where, "expected a list of {\"time\", \"location\"} keys");
      for (std::size_t i = 0; i < at->size(); ++i) {
        const Json& key = (*at)[i];
        const Place keyPlace = where.Index(i);
        if (!key.is_object()) Fail(keyPlace, "expected {\"time\": T, \"location\": [x, y, z]}");
        RefuseUnknown(key, keyPlace, {"time", "location"}, "a location key");
        const LocationKey read{
            Number(Required(key, keyPlace, "time"), keyPlace.Member("time")),
            Vector(Required(key, keyPlace, "location"), keyPlace.Member("location"))};
        for (const LocationKey& earlier : node.locationKeys) {
          // The host keeps one location key per time; a second would silently
          // replace the first.
          if (earlier.time == read.time) Fail(keyPlace, "a second location key at that time");
        }
        node.locationKeys.push_back(read);
      }
    }
    if (const auto at = value.find("vertexKeys"); at != value.end()) {
      const Place where = place.Member("vertexKeys");
      if (!at->is_array()) Fail(where, "expected a list of {\"time\", \"index\", \"position\"}");
      for (std::size_t i = 0; i < at->size(); ++i) {
        const Json& key = (*at)[i];
        const Place keyPlace = where.Index(i);
        if (!key.is_object()) Fail(keyPlace, "expected {\"time\", \"index\", \"position\"}");
        RefuseUnknown(key, keyPlace, {"time", "index", "position"}, "a vertex key");
        VertexKey read;
        read.time = Number(Required(key, keyPlace, "time"), keyPlace.Member("time"));
        read.index = Index(Required(key, keyPlace, "index"), keyPlace.Member("index"));
        read.position = Vector(Required(key, keyPlace, "position"), keyPlace.Member("position"));
        node.vertexKeys.push_back(read);
      }
    }
  }

  const Json& Required(const Json& object, const Place& place, const char* key) const {
    const auto at = object.find(key);
    if (at == object.end()) Fail(place, std::string("missing \"") + key + "\"");
    return *at;
  }

  void RefuseUnknown(const Json& object, const Place& place, const std::set<std::string>& known,
                     const std::string& what) const {
    for (const auto& [key, value] : object.items()) {
      if (!known.contains(key)) Fail(place.Member(key), what + " has no such member");
    }
  }

  float Number(const Json& value, const Place& place) const {
    if (!value.is_number()) Fail(place, "expected a number");
    float number = 0;
    if (value.is_number_float()) {
      number = value.get<float>();
    } else if (value.is_number_unsigned()) {
      number = static_cast<float>(value.get<std::uint64_t>());
    } else {
      number = static_cast<float>(value.get<std::int64_t>());
    }
    if (!std::isfinite(number)) Fail(place, "the number is too large for a float");
    return number;
  }

  Vec3 Vector(const Json& value, const Place& place) const {
    if (!value.is_array() || value.size() != 3) Fail(place, "expected [x, y, z], three numbers");
    return {Number(value[0], place.Index(0)), Number(value[1], place.Index(1)),
            Number(value[2], place.Index(2))};
  }

  int Index(const Json& value, const Place& place) const {
    if (!value.is_number_integer() ||
        (!value.is_number_unsigned() && value.get<std::int64_t>() < 0) ||
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
      Fail(place, "expected a vertex index, a whole number from 0");
    }
    return static_cast<int>(value.get<std::uint64_t>());
  }

  bool Flag(const Json& value, const Place& place) const {
    if (!value.is_boolean()) Fail(place, "expected true or false");
    return value.get<bool>();
  }

  std::string Text(const Json& value, const Place& place) const {
    if (!value.is_string()) Fail(place, "expected a text in double quotes");
    std::string text = value.get<std::string>();
    // The host keeps names as C strings: a NUL would cut the name short.
    if (text.find('\0') != std::string::npos) Fail(place, "a name cannot hold \\u0000");
    return text;
  }

  std::string file_;
};

// Follows the parser through the document, so that an error the parser raises
// about a value can name its place, and to refuse a member given twice in one
// object, which JSON readers otherwise settle silently by keeping the last.
class PathTracker {
public:
  explicit PathTracker(const Reader& reader) : reader_(reader) {}

  bool Event(nlohmann::json::parse_event_t event, Json& parsed) {
    using Kind = nlohmann::json::parse_event_t;
    switch (event) {
    case Kind::object_start: frames_.push_back(Frame{false, 0, {}, {}}); break;
    case Kind::array_start: frames_.push_back(Frame{true, 0, {}, {}}); break;
    case Kind::key: {
      Frame& frame = frames_.back();
      frame.key = parsed.get<std::string>();
      if (!frame.keys.insert(frame.key).second) reader_.Fail(Current(), "given twice");
      break;
    }
    case Kind::object_end:
    case Kind::array_end:
      frames_.pop_back();
      ElementDone();
      break;
    case Kind::value: ElementDone(); break;
    }
    return true;
  }

  // The place of the value being read: the last key of an object, or the next
  // index of a list.
  Place Current() const {
    Place place;
    for (const Frame& frame : frames_)
      place = frame.array ? place.Index(frame.index) : place.Member(frame.key);
    return place;
  }

private:
  struct Frame {
    bool array;
    std::size_t index = 0;
    std::string key;
    std::set<std::string> keys;
  };

  void ElementDone() {
    if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
  }

  const Reader& reader_;
  std::vector<Frame> frames_;
};

} // namespace

Scene ParseSceneJson(std::string_view text, const std::string& fileName) {
  const Reader reader(fileName);
  PathTracker tracker(reader);
  Json root;
  try {
    root = Json::parse(text.begin(), text.end(),
                       [&tracker](int /*depth*/, nlohmann::json::parse_event_t event,
                                  Json& parsed) { return tracker.Event(event, parsed); });
  } catch (const nlohmann::json::parse_error& error) {
    // Drop the library's "[json.exception.parse_error.101] " tag; keep where and what.
    std::string what = error.what();
    if (const auto tag = what.find("] "); what.starts_with("[json.") && tag != std::string::npos)
      what.erase(0, tag + 2);
    throw ESceneFileError(fileName + ": not valid JSON: " + what);
  } catch (const nlohmann::json::out_of_range&) {
    // The only range the parser checks: a number beyond the float's.
    reader.Fail(tracker.Current(), "the number is too large for a float");
  }
  return reader.ReadScene(root);
}

} // namespace qm::io
