// Scene files read from JSON text: what a good file gives, and the error for every
// kind of bad file (it must name the file, the place and what is wrong).
#include "io/scene_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qm::io {
namespace {

TEST(SceneJson, ReadsNodesInOrderWithTheirMembers) {
  const Scene scene = ParseSceneJson(R"({
    "frameRate": 24,
    "nodes": [
      {"kind": "mesh", "name": "Face", "location": [1, -2, 0.5],
       "vertices": [[0.1, 2, -3], [1e-06, -0.0, 16777217]]},
      {"kind": "group", "name": "Rig", "children": [
        {"kind": "marker", "name": "Lamp"},
        {"kind": "group", "name": "Empty", "children": []}]},
      {"kind": "mesh", "name": "", "vertices": []}
    ]})",
                                     "good.json");
  ASSERT_EQ(scene.frameRate, 24.0f);
  ASSERT_EQ(scene.nodes.size(), 3u);

  const Node& face = scene.nodes[0];
  EXPECT_EQ(face.kind, NodeKind::Mesh);
  EXPECT_EQ(face.name, "Face");
  EXPECT_EQ(face.location, (Vec3{1, -2, 0.5f}));
  // Each decimal becomes the float nearest it; an integer beyond float precision
  // rounds once, to even.
  ASSERT_EQ(face.vertices.size(), 2u);
  EXPECT_EQ(face.vertices[0], (Vec3{0.1f, 2, -3}));
  EXPECT_EQ(face.vertices[1], (Vec3{1e-6f, 0, 16777216.0f}));
  EXPECT_TRUE(std::signbit(face.vertices[1][1])) << "-0.0 keeps its sign";
  EXPECT_EQ(face.scale, 1.0f);
  EXPECT_TRUE(face.visible);
  EXPECT_FALSE(face.script);

  const Node& rig = scene.nodes[1];
  EXPECT_EQ(rig.kind, NodeKind::Group);
  EXPECT_EQ(rig.location, (Vec3{0, 0, 0}));
  ASSERT_EQ(rig.children.size(), 2u);
  EXPECT_EQ(rig.children[0].kind, NodeKind::Marker);
  EXPECT_EQ(rig.children[0].name, "Lamp");
  EXPECT_TRUE(rig.children[1].children.empty());

  EXPECT_EQ(scene.nodes[2].name, "") << "the host takes any name, the empty one too";
  EXPECT_FALSE(ParseSceneJson(R"({"nodes": []})", "x.json").frameRate.has_value());
}

TEST(SceneJson, ReadsWhatASavedSceneRecords) {
  const Scene scene = ParseSceneJson(R"({"nodes": [
    {"kind": "mesh", "name": "M", "vertices": [[0, 0, 0]], "scale": 1e-06, "visible": false,
     "script": true,
     "locationKeys": [{"time": 0, "location": [0, 0, 50]}, {"time": 10, "location": [0, 0, 1]}],
     "vertexKeys": [{"time": 5, "index": 0, "position": [1, 2, 3]}]}]})",
                                     "saved.json");
  const Node& node = scene.nodes.at(0);
  EXPECT_EQ(node.scale, 1e-6f);
  EXPECT_FALSE(node.visible);
  EXPECT_TRUE(node.script);
  EXPECT_EQ(node.locationKeys, (std::vector<LocationKey>{{0, {0, 0, 50}}, {10, {0, 0, 1}}}));
  EXPECT_EQ(node.vertexKeys, (std::vector<VertexKey>{{5, 0, {1, 2, 3}}}));
}

std::string ErrorOf(const std::string& text) {
  try {
    ParseSceneJson(text, "bad.json");
  } catch (const ESceneFileError& error) {
    return error.what();
  }
  return "(no error)";
}

std::string Nested(int depth) {
  std::string text = R"({"nodes": [)";
  for (int i = 0; i < depth; ++i)
    text += R"({"kind": "group", "name": "G", "children": [)";
  for (int i = 0; i < depth; ++i)
    text += "]}";
  return text + "]}";
}

TEST(SceneJson, EveryKindOfBadFileIsRefusedWithFilePlaceAndReason) {
  const std::string mesh = R"({"kind": "mesh", "name": "M", )";
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      // Not JSON at all: the parser's own line and column.
      {"", "bad.json: not valid JSON: parse error at line 1, column 1"},
      {"{\"nodes\": [\n  {\"kind\": }", "bad.json: not valid JSON: parse error at line 2, column"},
      {R"({"nodes": []} trailing)", "bad.json: not valid JSON: parse error"},
      {"{\"nodes\": [{\"kind\": \"mesh\", \"name\": \"\xff\"", "bad.json: not valid JSON"},
      // The scene.
      {"[]", "bad.json: expected an object with \"nodes\""},
      {"{}", "bad.json: missing \"nodes\""},
      {R"({"nodes": {}})", "bad.json: nodes: expected a list of nodes"},
      {R"({"nodes": [], "fps": 25})", "bad.json: fps: a scene has no such member"},
      {R"({"nodes": [], "frameRate": 0})", "bad.json: frameRate: must be above 0"},
      {R"({"nodes": [], "frameRate": "25"})", "bad.json: frameRate: expected a number"},
      // A member given twice, which would otherwise quietly keep the last.
      {R"({"nodes": [], "nodes": []})", "bad.json: nodes: given twice"},
      {R"({"nodes": [{"kind": "marker", "name": "A"}, {"kind": "marker", "name": "B", "name": "C"}]})",
       "bad.json: nodes[1].name: given twice"},
      {R"({"nodes": [{"kind": "mesh", "name": "M", "vertices": [[0, 0, 0]], "vertices": []}]})",
       "bad.json: nodes[0].vertices: given twice"},
      // Nodes.
      {R"({"nodes": [3]})", "bad.json: nodes[0]: expected a node"},
      {R"({"nodes": [{"name": "M"}]})", "bad.json: nodes[0]: missing \"kind\""},
      {R"({"nodes": [{"kind": "light", "name": "L"}]})",
       "bad.json: nodes[0].kind: expected \"mesh\", \"group\" or \"marker\""},
      {R"({"nodes": [{"kind": "marker"}]})", "bad.json: nodes[0]: missing \"name\""},
      {R"({"nodes": [{"kind": "marker", "name": 7}]})", "bad.json: nodes[0].name: expected a text"},
      {R"({"nodes": [{"kind": "marker", "name": "A\u0000B"}]})",
       "bad.json: nodes[0].name: a name cannot hold \\u0000"},
      {R"({"nodes": [{"kind": "marker", "name": "L", "vertices": []}]})",
       "bad.json: nodes[0].vertices: a marker has no such member (node \"L\")"},
      {R"({"nodes": [{"kind": "mesh", "name": "M", "vertices": [], "children": []}]})",
       "bad.json: nodes[0].children: a mesh has no such member (node \"M\")"},
      {R"({"nodes": [{"kind": "mesh", "name": "M", "colour": 1, "vertices": []}]})",
       "bad.json: nodes[0].colour: a mesh has no such member (node \"M\")"},
      {R"({"nodes": [{"kind": "marker", "name": "L", "location": [1, 2]}]})",
       "bad.json: nodes[0].location: expected [x, y, z], three numbers (node \"L\")"},
      // Vertices.
      {R"({"nodes": [{"kind": "mesh", "name": "M"}]})",
       "bad.json: nodes[0]: missing \"vertices\" (node \"M\")"},
      {R"({"nodes": [)" + mesh + R"("vertices": {}}]})",
       "bad.json: nodes[0].vertices: expected a list of vertices"},
      {R"({"nodes": [)" + mesh + R"("vertices": [[0, 0, 0], [1, 2]]}]})",
       "bad.json: nodes[0].vertices[1]: expected [x, y, z], three numbers (node \"M\")"},
      {R"({"nodes": [)" + mesh + R"("vertices": [[0, 0, 0, 0]]}]})",
       "bad.json: nodes[0].vertices[0]: expected [x, y, z]"},
      {R"({"nodes": [)" + mesh + R"("vertices": [[0, "1", 0]]}]})",
       "bad.json: nodes[0].vertices[0][1]: expected a number (node \"M\")"},
      {R"({"nodes": [)" + mesh + R"("vertices": [[0, 0, true]]}]})",
       "bad.json: nodes[0].vertices[0][2]: expected a number"},
      {R"({"nodes": [)" + mesh + R"("vertices": [[1e39, 0, 0]]}]})",
       "bad.json: nodes[0].vertices[0][0]: the number is too large for a float"},
      {R"({"nodes": [)" + mesh +
           R"("vertices": [[0, -99999999999999999999999999999999999999999, 0]]}]})",
       "bad.json: nodes[0].vertices[0][1]: the number is too large for a float"},
      // Groups: the place of a bad child, and nesting too deep for comfort.
      {R"({"nodes": [{"kind": "group", "name": "G"}]})",
       "bad.json: nodes[0]: missing \"children\""},
      {R"({"nodes": [{"kind": "group", "name": "G", "children": [{"kind": "marker", "name": "A"}, {"kind": "cube", "name": "B"}]}]})",
       "bad.json: nodes[0].children[1].kind: expected"},
      {Nested(kMaxGroupDepth + 1), "groups nested deeper than 64"},
      // What a saved scene records.
      {R"({"nodes": [{"kind": "marker", "name": "L", "visible": 1}]})",
       "bad.json: nodes[0].visible: expected true or false"},
      {R"({"nodes": [{"kind": "marker", "name": "L", "locationKeys": [{"time": 1, "location": [0, 0, 0]}, {"time": 1, "location": [0, 0, 1]}]}]})",
       "bad.json: nodes[0].locationKeys[1]: a second location key at that time (node \"L\")"},
      {R"({"nodes": [{"kind": "marker", "name": "L", "locationKeys": [{"location": [0, 0, 0]}]}]})",
       "bad.json: nodes[0].locationKeys[0]: missing \"time\""},
      {R"({"nodes": [{"kind": "marker", "name": "L", "locationKeys": [{"time": 0, "location": [0, 0, 0], "ease": 1}]}]})",
       "bad.json: nodes[0].locationKeys[0].ease: a location key has no such member"},
      {R"({"nodes": [{"kind": "mesh", "name": "M", "vertices": [], "vertexKeys": [{"time": 0, "index": -1, "position": [0, 0, 0]}]}]})",
       "bad.json: nodes[0].vertexKeys[0].index: expected a vertex index"},
      {R"({"nodes": [{"kind": "mesh", "name": "M", "vertices": [], "vertexKeys": [{"time": 0, "index": 0.5, "position": [0, 0, 0]}]}]})",
       "bad.json: nodes[0].vertexKeys[0].index: expected a vertex index"},
  };
  for (const Case& c : cases) {
    const std::string error = ErrorOf(c.text);
    EXPECT_NE(error.find(c.error), std::string::npos) << c.text << "\n gave: " << error;
    EXPECT_TRUE(error.starts_with("bad.json: ")) << error;
  }
  EXPECT_EQ(ErrorOf(Nested(kMaxGroupDepth)), "(no error)") << "the deepest nesting allowed";
}

} // namespace
} // namespace qm::io
