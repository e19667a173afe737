// The demo scenario, assets/scenarios/demo.qms, run by qmhost with the real module as
// scripts/demo.sh runs it: its output against a golden file reviewed by hand, the
// blended vertices against the weights worked out by hand, and the scene it saves.
#include "io/scene_file.h"
#include "io/scene_json.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qm {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// One run of the demo per test process, in a folder of its own with a build/ folder
// for the scene it saves (ctest may run this suite's tests side by side).
class DemoScenario : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    folder_ = new std::filesystem::path(std::filesystem::path(QM_SCENARIO_WORK_DIR) /
                                        ("demo-" + std::to_string(getpid())));
    std::filesystem::remove_all(*folder_);
    std::filesystem::create_directories(*folder_ / "build");
    const std::string command = "cd '" + folder_->string() + "' && '" + QMHOST_PATH + "' '" +
                                QM_MODULE_PATH + "' --script '" + QM_DEMO_SCRIPT +
                                "' > out.txt 2> err.txt";
    const int status = std::system(command.c_str());
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    output_ = new std::string(ReadFile(*folder_ / "out.txt"));
    errors_ = new std::string(ReadFile(*folder_ / "err.txt"));
  }
  static void TearDownTestSuite() {
    std::filesystem::remove_all(*folder_);
    delete folder_;
    delete output_;
    delete errors_;
  }

  // The vertices that "print-mesh NAME" printed, as floats (each printed in its
  // shortest exact form, so reading it back gives the very float).
  static std::vector<io::Vec3> PrintedMesh(const std::string& name) {
    const std::vector<std::string> lines = Lines(*output_);
    std::vector<io::Vec3> vertices;
    auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.starts_with("print-mesh " + name + ": ");
    });
    if (line == lines.end()) return vertices;
    for (++line; line < lines.end() && line->starts_with("  "); ++line) {
      io::Vec3 v{};
      std::istringstream(*line) >> v[0] >> v[1] >> v[2];
      vertices.push_back(v);
    }
    return vertices;
  }

  static inline std::filesystem::path* folder_ = nullptr;
  static inline std::string* output_ = nullptr;
  static inline std::string* errors_ = nullptr;
  static inline int status_ = -1;
};

// The whole output, reviewed line by line when it was made: the scene's nodes, each
// capture's caption, the shares 50/25/15/10 of the sliders 100/50/30/20, the blended
// FaceMorph (checked by hand below), the untouched original, and the set-up group in
// the scene. QM_UPDATE_GOLDEN=1 writes the file instead of comparing.
TEST_F(DemoScenario, PrintsTheReviewedGoldenOutput) {
  EXPECT_EQ(status_, 0) << *output_;
  EXPECT_EQ(*errors_, "") << "no message box, no sanitizer report";
  std::string output = *output_;
  ReplaceAll(output, QM_MODULE_PATH, "Qm.tsx");
  const std::string path = std::string(QM_GOLDEN_DIR) + "/demo_scenario.txt";
  if (const char* update = std::getenv("QM_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << output;
    GTEST_SKIP() << "wrote " << path;
  }
  ASSERT_TRUE(std::filesystem::exists(path)) << "missing " << path;
  EXPECT_EQ(output, ReadFile(path));
}

// Worked out by hand from assets/scenes/face.json. The grid has 6 vertices a row,
// row 0 at the top, so vertex i is row i / 6, column i % 6. Sliders: original 100,
// Smile 50, BrowsUp 30, JawOpen 20; every "D" box checked (delta mode), so a target
// takes part at a vertex only where it moves it. At vertex 26 (row 4, column 2, the
// mouth) the y of the original is -0.6, Smile's -0.5, JawOpen's -0.8, and BrowsUp
// leaves the vertex alone:
//   y = (100 * -0.6 + 50 * -0.5 + 20 * -0.8) / (100 + 50 + 20) = -101 / 170 = -0.5941176
// The golden file has -0.5941168: each of the twenty channels carries an extra
// weight of 0.00001 that stays in the divisor (docs/blend.md), which moves every
// vertex a few millionths towards 0. Hence the tolerance of 3e-6 here.
TEST_F(DemoScenario, BlendedVerticesAreTheWeightedAverageWorkedOutByHand) {
  const std::vector<io::Vec3> blended = PrintedMesh("FaceMorph");
  ASSERT_EQ(blended.size(), 36u) << *output_;
  struct Case {
    int index;
    io::Vec3 expected;
    const char* why;
  };
  const Case cases[] = {
      {26, {-0.2f, -101.0f / 170, 0.3f}, "mouth: Smile and JawOpen, not BrowsUp"},
      // Row 1, column 2: only BrowsUp moves it, from y 0.6 to 0.8.
      {8, {-0.2f, (100 * 0.6f + 30 * 0.8f) / 130, 0.3f}, "brow: BrowsUp alone"},
      // Row 4, column 1: Smile moves the mouth's corner to (-0.7, -0.4).
      {25,
       {(100 * -0.6f + 50 * -0.7f) / 150, (100 * -0.6f + 50 * -0.4f) / 150, 0.2f},
       "mouth corner: Smile alone"},
      // Row 5, column 3: JawOpen moves the chin from y -1 to -1.4.
      {33, {0.2f, (100 * -1.0f + 20 * -1.4f) / 120, 0.3f}, "chin: JawOpen alone"},
      // Row 0, column 0: no target moves it; only the original takes part.
      {0, {-1, 1, 0}, "corner: the original alone"},
  };
  for (const Case& c : cases) {
    for (int axis = 0; axis < 3; ++axis) {
      EXPECT_NEAR(blended[static_cast<std::size_t>(c.index)][axis], c.expected[axis], 3e-6)
          << c.why << ", vertex " << c.index << ", axis " << axis;
    }
  }
}

TEST_F(DemoScenario, SavesTheSceneWithTheBlendAndTheSetupGroup) {
  const std::filesystem::path saved = *folder_ / "build/demo-face.json";
  ASSERT_TRUE(std::filesystem::exists(saved)) << *output_;
  const io::Scene scene = io::ParseSceneJson(io::ReadTextFile(saved.string()), "demo-face.json");
  const io::Scene sample = io::ParseSceneJson(io::ReadTextFile(QM_SAMPLE_SCENE), "face.json");

  ASSERT_EQ(scene.nodes.size(), sample.nodes.size() + 1) << "the set-up group is added";
  EXPECT_EQ(scene.frameRate, sample.frameRate);
  for (std::size_t i = 0; i < sample.nodes.size(); ++i) {
    if (sample.nodes[i].name == "FaceMorph") {
      EXPECT_EQ(scene.nodes[i].vertices, PrintedMesh("FaceMorph")) << "the blend, as printed";
      EXPECT_EQ(scene.nodes[i].location, sample.nodes[i].location);
    } else {
      EXPECT_EQ(scene.nodes[i], sample.nodes[i]) << sample.nodes[i].name << " is left as it was";
    }
  }
  const io::Node& setup = scene.nodes.back();
  EXPECT_EQ(setup.name, "QM-Morph");
  ASSERT_EQ(setup.children.size(), 20u);
  const char* const names[] = {"Ch0-Face", "Ch1-Smile", "Ch2-BrowsUp", "Ch3-JawOpen",
                               "Ch4-Unselected"};
  for (std::size_t k = 0; k < std::size(names); ++k)
    EXPECT_EQ(setup.children[k].name, names[k]);
  EXPECT_EQ(setup.children[19].name, "Ch19-Unselected");
}

} // namespace
} // namespace qm
