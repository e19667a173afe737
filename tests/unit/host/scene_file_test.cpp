// Scene files and the stand-in host: the writer's format, building a scene and
// reading it back, what a saved scene holds that cannot be built, and loading and
// saving files (a failure never changes the scene or leaves half a file).
#include "io/scene_file.h"
#include "io/scene_host.h"
#include "io/scene_json.h"
#include "io/scene_writer.h"

#include "standin_fixture.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <unistd.h>

namespace qm::io {
namespace {

using standin::testing::StandinTest;

Node MakeNode(NodeKind kind, const std::string& name, std::vector<Vec3> vertices = {},
              std::vector<Node> children = {}) {
  Node node;
  node.kind = kind;
  node.name = name;
  node.vertices = std::move(vertices);
  node.children = std::move(children);
  return node;
}

TEST(SceneWriter, WritesOneMemberOrVertexALineInShortestExactNumbers) {
  Node mesh;
  mesh.name = "Say \"hi\"";
  mesh.location = {1.5f, 0, -0.0f};
  mesh.vertices = {{0.1f, 1e-6f, -0.6374993f}, {16777216.0f, 0, 1}};
  mesh.scale = 1e-6f;
  mesh.script = true;
  mesh.vertexKeys = {{0, 1, {0.5f, 0, 0}}};
  Node marker;
  marker.kind = NodeKind::Marker;
  marker.name = "Lamp";
  marker.visible = false;
  marker.locationKeys = {{0, {0, 0, 50}}, {2.5f, {0, 0, 1}}};
  Node group;
  group.kind = NodeKind::Group;
  group.name = "Rig";
  group.children = {marker, MakeNode(NodeKind::Group, "Empty")};

  EXPECT_EQ(WriteSceneJson(Scene{25, {mesh, group}}), R"({
  "frameRate": 25,
  "nodes": [
    {
      "kind": "mesh",
      "name": "Say \"hi\"",
      "location": [1.5, 0, -0.0],
      "scale": 1e-06,
      "script": true,
      "vertexKeys": [
        {"time": 0, "index": 1, "position": [0.5, 0, 0]}
      ],
      "vertices": [
        [0.1, 1e-06, -0.6374993],
        [16777216, 0, 1]
      ]
    },
    {
      "kind": "group",
      "name": "Rig",
      "location": [0, 0, 0],
      "children": [
        {
          "kind": "marker",
          "name": "Lamp",
          "location": [0, 0, 0],
          "visible": false,
          "locationKeys": [
            {"time": 0, "location": [0, 0, 50]},
            {"time": 2.5, "location": [0, 0, 1]}
          ]
        },
        {
          "kind": "group",
          "name": "Empty",
          "location": [0, 0, 0],
          "children": []
        }
      ]
    }
  ]
}
)");
  EXPECT_EQ(WriteSceneJson(Scene{}), "{\n  \"nodes\": []\n}\n");
}

TEST(SceneWriter, WhatItWritesReadsBackBitForBit) {
  Node mesh;
  mesh.name = "M";
  // Floats whose shortest text needs every digit, the smallest ones, and -0.
  mesh.vertices = {{0.99999857f, -2.9999957f, std::numeric_limits<float>::denorm_min()},
                   {std::numeric_limits<float>::max(), -0.0f, 1.0f / 3.0f}};
  mesh.scale = 1e-6f;
  mesh.script = true;
  mesh.locationKeys = {{4, {1, 2, 3}}};
  const Scene scene{30, {mesh}};
  const Scene read = ParseSceneJson(WriteSceneJson(scene), "again.json");
  EXPECT_EQ(read, scene);
  EXPECT_TRUE(std::signbit(read.nodes[0].vertices[1][1]));
}

TEST(SceneWriter, RefusesWhatJsonCannotHoldAndNamesThePlace) {
  struct Case {
    float value;
    const char* error;
  };
  const Case cases[] = {
      {std::numeric_limits<float>::quiet_NaN(), "nodes[0].vertices[1][2]: nan cannot be written"},
      {std::numeric_limits<float>::infinity(), "nodes[0].vertices[1][2]: inf cannot be written"},
  };
  for (const Case& c : cases) {
    Node mesh;
    mesh.vertices = {{0, 0, 0}, {0, 0, c.value}};
    try {
      WriteSceneJson(Scene{{}, {mesh}});
      ADD_FAILURE() << c.error;
    } catch (const ESceneFileError& error) {
      EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
    }
  }
  Node badName;
  badName.name = "caf\xe9"; // Latin-1, not UTF-8
  EXPECT_THROW(WriteSceneJson(Scene{{}, {badName}}), ESceneFileError);
}

TEST(SceneBuildable, RefusesWhatTheHostCannotBuildAndNamesThePlace) {
  struct Case {
    void (*change)(Node&);
    const char* error;
  };
  const Case cases[] = {
      {[](Node& n) { n.scale = 0.5f; },
       "saved.json: nodes[0].children[0].scale: 0.5 cannot be built"},
      {[](Node& n) { n.visible = false; },
       "saved.json: nodes[0].children[0].visible: a hidden node"},
      {[](Node& n) { n.script = true; },
       "saved.json: nodes[0].children[0].script: a script cannot"},
      {[](Node& n) {
         n.vertexKeys = {{0, 0, {1, 1, 1}}};
       },
       "saved.json: nodes[0].children[0].vertexKeys: vertex keys cannot be built"},
  };
  for (const Case& c : cases) {
    Node inner = MakeNode(NodeKind::Mesh, "Inner", {{0, 0, 0}});
    c.change(inner);
    const Scene scene{{}, {MakeNode(NodeKind::Group, "Outer", {}, {inner})}};
    try {
      CheckBuildable(scene, "saved.json");
      ADD_FAILURE() << c.error;
    } catch (const ESceneFileError& error) {
      EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
    }
  }
  Node keyed = MakeNode(NodeKind::Marker, "Keyed");
  keyed.script = true;
  keyed.locationKeys = {{0, {1, 2, 3}}};
  EXPECT_NO_THROW(CheckBuildable(Scene{{}, {keyed}}, "ok.json")) << "location keys bring a script";
}

using SceneHost = StandinTest;

const char* const kSample = R"({"frameRate": 12, "nodes": [
  {"kind": "mesh", "name": "Face", "location": [1, 2, 3], "vertices": [[0, 0, 0], [0.5, -1, 2]]},
  {"kind": "group", "name": "Rig", "children": [
    {"kind": "mesh", "name": "Jaw", "vertices": [[1, 1, 1]]},
    {"kind": "group", "name": "Inner", "children": [{"kind": "marker", "name": "Eye"}]}]},
  {"kind": "marker", "name": "Lamp", "location": [0, 5, 0],
   "script": true, "locationKeys": [{"time": 0, "location": [0, 5, 0]}, {"time": 10, "location": [0, 9, 0]}]},
  {"kind": "mesh", "name": "Face", "vertices": []}]})";

TEST_F(SceneHost, BuildsTheSceneInPlaceOfTheOldOneAndReadsItBackAsGiven) {
  tsxSOBJ* old = SceneMesh("Old");
  host().Select(old);
  host().SetFrameRate(60);

  const Scene scene = ParseSceneJson(kSample, "sample.json");
  CheckBuildable(scene, "sample.json");
  BuildScene(host(), scene);

  EXPECT_EQ(Names(host().TopLevel()), (std::vector<std::string>{"Face", "Rig", "Lamp", "Face"}));
  EXPECT_EQ(host().Selection(), nullptr) << "the old scene's selection is gone with it";
  EXPECT_EQ(host().FrameRate(), 12.0f);
  tsxSOBJ* rig = host().TopLevel()[1];
  EXPECT_EQ(Names(host().Children(rig)), (std::vector<std::string>{"Jaw", "Inner"}));
  EXPECT_EQ(host().Kind(host().Children(host().Children(rig)[1])[0]), standin::NodeKind::Marker);
  EXPECT_EQ(ReadScene(host()), scene);
}

TEST_F(SceneHost, ReadsWhatThePluginLeavesOnNodes) {
  tsxSOBJ* mesh = SceneMesh("Null");
  tsxGNodeScaleUniform(mesh, 1e-6f, 0);
  tsxMNodeSetInvisible(mesh);
  tsxSobjCreateScript(mesh);
  tsxFRAME* frame = nullptr;
  tsxFrameCreate(&frame, kTsxFrameVertexKey);
  const tsxVec3f position{7, 8, 9};
  tsxFrameSetData(frame, &position, sizeof position);
  tsxSobjInsertFrame(mesh, frame, 2, 10);

  const Scene scene = ReadScene(host());
  ASSERT_EQ(scene.nodes.size(), 1u);
  const Node& node = scene.nodes[0];
  EXPECT_EQ(node.scale, 1e-6f);
  EXPECT_FALSE(node.visible);
  EXPECT_TRUE(node.script);
  EXPECT_EQ(node.vertexKeys, (std::vector<VertexKey>{{10, 2, {7, 8, 9}}}));
  EXPECT_EQ(scene.frameRate, 30.0f) << "the host's default";
  EXPECT_EQ(ParseSceneJson(WriteSceneJson(scene), "saved.json"), scene);
}

// A folder of its own for each test's files.
class SceneFiles : public StandinTest {
protected:
  void SetUp() override {
    StandinTest::SetUp();
    folder_ = std::filesystem::temp_directory_path() /
              ("qm-scene-files-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::filesystem::remove_all(folder_);
    StandinTest::TearDown();
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }
  static std::string ErrorOf(auto action) {
    try {
      action();
    } catch (const ESceneFileError& error) {
      return error.what();
    }
    return "(no error)";
  }

  std::filesystem::path folder_;
};

TEST_F(SceneFiles, LoadsAFileAndSavesTheSceneAsItStands) {
  const std::string sample = Write("sample.json", kSample);
  const Scene loaded = LoadSceneFile(host(), sample);
  EXPECT_EQ(loaded.nodes.size(), 4u);

  tsxPolyhGetVxArray(host().TopLevel()[0])[1] = {9, 9, 9}; // as the plug-in writes a blend
  SaveSceneFile(host(), Path("saved.json"));
  EXPECT_FALSE(std::filesystem::exists(Path("saved.json.tmp")));
  const Scene saved = ParseSceneJson(ReadTextFile(Path("saved.json")), "saved.json");
  EXPECT_EQ(saved, ReadScene(host()));
  EXPECT_EQ(saved.nodes[0].vertices[1], (Vec3{9, 9, 9}));
}

TEST_F(SceneFiles, AFileThatFailsToLoadLeavesTheSceneAsItWas) {
  SceneMesh("Kept");
  const std::string bad = Write("bad.json", R"({"nodes": [{"kind": "mesh", "name": "M"}]})");
  const std::string unbuildable =
      Write("saved.json", R"({"nodes": [{"kind": "marker", "name": "M", "scale": 2}]})");
  EXPECT_EQ(ErrorOf([&] { LoadSceneFile(host(), bad); }),
            bad + ": nodes[0]: missing \"vertices\" (node \"M\")");
  EXPECT_NE(
      ErrorOf([&] { LoadSceneFile(host(), unbuildable); }).find(unbuildable + ": nodes[0].scale"),
      std::string::npos);
  EXPECT_EQ(ErrorOf([&] { LoadSceneFile(host(), Path("missing.json")); }),
            Path("missing.json") + ": cannot be read: No such file or directory");
  EXPECT_EQ(ErrorOf([&] { LoadSceneFile(host(), folder_.string()); }),
            folder_.string() + ": cannot be read: it is a folder");
  EXPECT_EQ(Names(host().TopLevel()), std::vector<std::string>{"Kept"});
}

TEST_F(SceneFiles, ASaveThatFailsLeavesNoHalfFileAndKeepsAnOldOne) {
  const std::string saved = Write("saved.json", "old content");
  host().AddToScene(host().CreatePolyhedron("Bad", {{0, std::nanf(""), 0}}));
  EXPECT_EQ(ErrorOf([&] { SaveSceneFile(host(), saved); }),
            saved + ": nodes[0].vertices[0][1]: nan cannot be written: JSON has no such number");
  EXPECT_EQ(ReadTextFile(saved), "old content");

  host().Reset();

  const std::string nowhere = Path("no-such-folder/saved.json");
  EXPECT_EQ(ErrorOf([&] { SaveSceneFile(host(), nowhere); }),
            nowhere + ": cannot be written: No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(Path("no-such-folder")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1)
      << "only the old file";
}

} // namespace
} // namespace qm::io
