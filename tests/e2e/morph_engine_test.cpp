// The morph engine through the panel, as a user drives it: capture, shares, the blend
// into the animated object, delta mode and its tolerance, the animated-object commands,
// and what the engine does with objects and arrays that a user can get wrong.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <vector>

#include "plugin_session.h"

namespace qm {
namespace {

using test::Channel;

class MorphEngine : public ::testing::Test {
protected:
  void SetUp() override { session_.OpenWithNewSetup(); }

  std::string Do(const std::string& command) { return session_.Do(command); }
  std::string Get(const std::string& path) { return session_.Get(path); }
  standin::Control& Host() { return session_.Host(); }
  tsxSOBJ* Mesh(const std::string& name, const std::vector<tsxVec3f>& vertices) {
    return session_.AddMesh(name, vertices);
  }
  void Capture(int channel, tsxSOBJ* object) { session_.Capture(channel, object); }
  void SetSlider(int channel, int value) {
    session_.ShowPageOf(channel);
    Do("set Form1." + Channel("bar", channel) + " " + std::to_string(value));
  }
  void ClearDelta(int channel) {
    session_.ShowPageOf(channel);
    Do("click Form1." + Channel("box", channel));
  }
  void Update() { Do("click Form1.Update2"); }
  // The animated object: the newest top-level object after the first blend.
  tsxSOBJ* Animated() { return Host().TopLevel().back(); }
  tsxVec3f AnimatedVertex(int index = 0) {
    return Host().Vertices(Animated()).at(static_cast<std::size_t>(index));
  }
  void ExpectVertex(tsxVec3f actual, float x, float y, float z) {
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
    EXPECT_EQ(actual.z, z);
  }
  void SetTolerance(const std::string& answer) {
    Do("answer " + answer);
    Do("click Form1.AdjustDeltaTolerance1");
  }
  // No host call got a handle that the host no longer knows or an empty one.
  void ExpectOnlyValidHandles() {
    for (const auto& call : Host().Calls()) {
      EXPECT_NE(call.status, standin::CallStatus::InvalidHandle) << call.Text();
    }
  }

  test::PluginSession session_;
};

TEST_F(MorphEngine, OriginalAloneStillCarriesTheTargetsTinyWeights) {
  Capture(0, Mesh("Orig", {{1, 2, -3}}));
  Update();
  ExpectVertex(AnimatedVertex(), 0.99999857f, 1.9999971f, -2.9999957f);
  EXPECT_EQ(Get("Form1.finalname.Text"), "Orig");
}

TEST_F(MorphEngine, TargetWithoutDeltaModeBlendsEveryVertex) {
  Capture(0, Mesh("Orig", {{0, 0, 0}}));
  Capture(1, Mesh("Target", {{1, 2, 4}}));
  ClearDelta(1);
  SetSlider(1, 100); // Auto Update runs the blend
  ExpectVertex(AnimatedVertex(), 0.49999931f, 0.99999863f, 1.9999973f);
}

TEST_F(MorphEngine, DeltaModeDropsATargetWhereItLeavesTheVertexInPlace) {
  Capture(0, Mesh("Orig", {{1, 1, 1}}));
  Capture(1, Mesh("Same", {{1, 1, 1}}));
  SetSlider(1, 100);
  ExpectVertex(AnimatedVertex(), 0.99999726f, 0.99999726f, 0.99999726f);
  ClearDelta(1);
  Update();
  ExpectVertex(AnimatedVertex(), 0.99999863f, 0.99999863f, 0.99999863f);
}

TEST_F(MorphEngine, ToleranceBoundIsInclusive) {
  Capture(0, Mesh("Orig", {{1, 1, 1}}));
  tsxSOBJ* inside = Mesh("Inside", {{1.01f, 1, 1}});
  tsxSOBJ* outside = Mesh("Outside", {{1.02f, 1, 1}});
  Capture(1, inside);
  SetSlider(1, 100);
  ExpectVertex(AnimatedVertex(), 0.99999726f, 0.99999726f, 0.99999726f);
  Capture(1, outside);
  Update();
  const tsxVec3f blended = AnimatedVertex();
  EXPECT_GT(blended.x, 1.0f) << "the target takes part with x";
  EXPECT_EQ(blended.y, 0.99999863f) << "and with y and z";
  EXPECT_EQ(blended.z, 0.99999863f);
}

TEST_F(MorphEngine, TwoTargetsWithAndWithoutDeltaMode) {
  Capture(0, Mesh("Orig", {{0, 0, 0}}));
  Capture(1, Mesh("Moved", {{1, 0, 0}}));
  Capture(2, Mesh("Still", {{0, 0, 0}}));
  SetSlider(1, 100);
  SetSlider(2, 100);
  EXPECT_EQ(AnimatedVertex().x, 0.49999997f);
  ClearDelta(1);
  ClearDelta(2);
  Update();
  EXPECT_EQ(AnimatedVertex().x, 0.33333331f);
}

TEST_F(MorphEngine, SliderAtZeroTakesNoPartWhateverItsDeltaMode) {
  Capture(0, Mesh("Orig", {{1, 2, -3}}));
  Capture(1, Mesh("Far", {{50, 50, 50}}));
  ClearDelta(1);
  Update();
  ExpectVertex(AnimatedVertex(), 0.99999857f, 1.9999971f, -2.9999957f);
}

TEST_F(MorphEngine, ShareLabelsFollowEverySlider) {
  tsxSOBJ* mesh = Mesh("Mesh", {{0, 0, 0}});
  for (int k = 0; k < 20; ++k)
    Capture(k, mesh);
  Do("click Form1.AutoUpdate1"); // labels only
  struct Case {
    std::vector<std::pair<int, int>> sliders; // channel, value; the rest at 0 (original 1)
    std::vector<std::pair<int, const char*>> labels;
  };
  const Case cases[] = {
      {{{0, 100}}, {{0, "100"}, {1, "0"}, {19, "0"}}},
      {{{0, 1}, {1, 100}}, {{0, "0"}, {1, "99"}}},
      {{{0, 100}, {1, 50}, {2, 50}}, {{0, "50"}, {1, "25"}, {2, "25"}, {3, "0"}}},
  };
  for (const Case& c : cases) {
    for (int k = 0; k < 20; ++k)
      SetSlider(k, 0);
    for (auto [channel, value] : c.sliders)
      SetSlider(channel, value);
    for (auto [channel, label] : c.labels) {
      EXPECT_EQ(Get("Form1." + Channel("val", channel) + ".Caption"), label) << channel;
    }
  }
  for (int k = 0; k < 20; ++k)
    SetSlider(k, 100);
  for (int k = 0; k < 20; ++k)
    EXPECT_EQ(Get("Form1." + Channel("val", k) + ".Caption"), "5");
  EXPECT_EQ(Get("Form1.baroriginal.Min"), "1") << "the original never reaches 0";
}

TEST_F(MorphEngine, EmptyMeshStillGetsAnAnimatedObject) {
  tsxSOBJ* empty = Mesh("Empty", {});
  Capture(0, empty);
  const auto before = Host().TopLevel().size();
  Update();
  EXPECT_EQ(Host().TopLevel().size(), before + 1);
  EXPECT_EQ(Get("Form1.finalname.Text"), "Empty");
}

TEST_F(MorphEngine, DeltaToleranceDialogKeepsRangeReplacesOutsideAndRejectsText) {
  // With a target moved by 0.5 in delta mode, a tolerance of 500 or more drops it.
  Capture(0, Mesh("Orig", {{1, 1, 1}}));
  Capture(1, Mesh("Half", {{1.5f, 1, 1}}));
  SetSlider(1, 100);
  const float dropped = 0.99999726f;
  EXPECT_NE(AnimatedVertex().y, dropped);

  SetTolerance("1000");
  Update();
  EXPECT_EQ(AnimatedVertex().y, dropped);

  Do("answer-cancel");
  Do("click Form1.AdjustDeltaTolerance1");
  Update();
  EXPECT_EQ(AnimatedVertex().y, dropped) << "Cancel keeps the value";

  Do("answer abc");
  Do("click Form1.AdjustDeltaTolerance1");
  EXPECT_EQ(session_.Messages(), std::vector<std::string>{"'abc' is not a valid integer value"});
  Update();
  EXPECT_EQ(AnimatedVertex().y, dropped) << "text that is no number keeps the value";

  for (const char* outside : {"1001", "-1"}) {
    SetTolerance("1000");
    SetTolerance(outside);
    Update();
    EXPECT_NE(AnimatedVertex().y, dropped) << outside << " must give 10";
  }
}

TEST_F(MorphEngine, CreateAnimatedObjectCopiesTheOriginalAtTheOriginEachTime) {
  tsxSOBJ* original = Mesh("Orig", {{1, 2, -3}});
  Host().SetLocation(original, {5, 6, 7});
  Capture(0, original);
  Do("click Form1.CreateAnimatedObject1");
  tsxSOBJ* first = Animated();
  Do("click Form1.CreateAnimatedObject1");
  tsxSOBJ* second = Animated();
  ASSERT_NE(first, second);
  for (tsxSOBJ* copy : {first, second}) {
    const tsxVec3f at = Host().Location(copy);
    EXPECT_EQ(at.x, 0.0f);
    EXPECT_EQ(at.y, 0.0f);
    EXPECT_EQ(at.z, 0.0f);
    EXPECT_TRUE(Host().HasScript(copy));
  }
  Update();
  EXPECT_EQ(Host().Vertices(second)[0].x, 0.99999857f) << "the second copy is bound";
  EXPECT_EQ(Host().Vertices(first)[0].x, 1.0f) << "the first keeps its vertices";
  EXPECT_EQ(Host().TopLevel().back(), second) << "no third copy";
}

TEST_F(MorphEngine, SelectAnimatedObjectBindsTheSelection) {
  Capture(0, Mesh("Orig", {{1, 2, -3}}));
  tsxSOBJ* head = Mesh("Head", {{9, 9, 9}});
  Host().Select(head);
  Do("click Form1.SelectAnimatedObject1");
  EXPECT_EQ(Get("Form1.finalname.Text"), "Head");
  EXPECT_EQ(Host().Name(head), "Head");
  Update();
  EXPECT_EQ(Host().Vertices(head)[0].x, 0.99999857f);
}

TEST_F(MorphEngine, CaptureNeedsTheOriginalsVertexCount) {
  const std::vector<tsxVec3f> eight(8, tsxVec3f{0, 0, 0});
  const std::vector<tsxVec3f> many(24, tsxVec3f{0, 0, 0});
  Capture(0, Mesh("Cube", eight));
  EXPECT_EQ(Get("Form1.btnsel1.Enabled"), "1") << "the original enables every select button";
  Capture(1, Mesh("Cube2", eight));
  EXPECT_EQ(Get("Form1.btnsel1.Caption"), "Cube2");
  EXPECT_EQ(Get("Form1.bar1.Enabled"), "1");
  EXPECT_EQ(Get("Form1.bar1.Position"), "0");
  Capture(2, Mesh("Big", many));
  EXPECT_EQ(Get("Form1.btnsel2.Caption"), "Unselected");
  EXPECT_EQ(Get("Form1.bar2.Enabled"), "0");
  EXPECT_TRUE(session_.Messages().empty()) << "refused without a word";
}

TEST_F(MorphEngine, NodeThatIsNoGeometryIsCapturedAsUnsupported) {
  tsxSOBJ* marker = Host().CreateMarker("Lamp");
  Host().AddToScene(marker);
  Capture(0, marker);
  EXPECT_EQ(Get("Form1.btnseloriginal.Caption"), "Unsupported Object");
  Update(); // a captured original that has no vertices: no crash, nothing to write
  ExpectOnlyValidHandles();
}

TEST_F(MorphEngine, EmptySelectionIsCapturedWithoutReachingTheHost) {
  Host().Select(nullptr);
  Host().ClearCalls();
  Do("click Form1.btnseloriginal");
  EXPECT_EQ(Get("Form1.btnseloriginal.Caption"), "Unsupported Object");
  Update();
  ExpectOnlyValidHandles();
}

TEST_F(MorphEngine, NamesOfAnyLengthStayInsideTheBuffer) {
  Host().SetLongNameFault(true);
  Capture(0, Mesh(std::string(300, 'L'), {{0, 0, 0}}));
  EXPECT_EQ(Get("Form1.btnseloriginal.Caption"), std::string(254, 'L'));
}

TEST_F(MorphEngine, AnimatedObjectIsNeverACapturedChannel) {
  tsxSOBJ* original = Mesh("Orig", {{1, 2, -3}});
  Capture(0, original);
  Update();
  tsxSOBJ* animated = Animated();
  session_.Messages();

  Host().Select(original);
  Do("click Form1.SelectAnimatedObject1");
  EXPECT_EQ(session_.Messages().size(), 1u) << "refused with a word";
  Update();
  EXPECT_EQ(Host().Vertices(original)[0].x, 1.0f) << "the original is never written";

  Capture(1, animated);
  EXPECT_EQ(Get("Form1.btnsel1.Caption"), "Unselected");
  EXPECT_EQ(session_.Messages().size(), 1u);
  Capture(0, animated);
  EXPECT_EQ(Get("Form1.btnseloriginal.Caption"), "Orig");
}

TEST_F(MorphEngine, ShortArraysAreNeverReadOrWritten) {
  const std::vector<tsxVec3f> eight(8, tsxVec3f{1, 2, -3});
  Capture(0, Mesh("Small", eight));
  Capture(1, Mesh("SmallTarget", std::vector<tsxVec3f>(8, tsxVec3f{7, 7, 7})));
  SetSlider(1, 100);
  // The original captured again with more vertices: the old target is now short and
  // takes no part.
  Capture(0, Mesh("Large", std::vector<tsxVec3f>(24, tsxVec3f{1, 2, -3})));
  Do("click Form1.CreateAnimatedObject1");
  Update();
  const auto vertices = Host().Vertices(Animated());
  ASSERT_EQ(vertices.size(), 24u);
  for (const tsxVec3f& v : vertices)
    EXPECT_LT(v.x, 1.0f) << "only the original takes part";

  // An animated object with fewer vertices than the original is refused.
  Host().Select(Host().FindTopLevel("Small"));
  Do("click Form1.SelectAnimatedObject1");
  EXPECT_EQ(session_.Messages().size(), 1u);
  EXPECT_EQ(Host().TopLevel().back(), Animated());

  // Captured again with fewer vertices than the target has: the target no longer
  // matches and takes no part, even though its array is long enough to read.
  tsxSOBJ* animated = Animated();
  Capture(0, Mesh("Tiny", std::vector<tsxVec3f>(4, tsxVec3f{1, 2, -3})));
  Update();
  const auto written = Host().Vertices(animated);
  for (int i = 0; i < 4; ++i)
    EXPECT_LT(written[static_cast<std::size_t>(i)].x, 1.0f) << i;
}

TEST_F(MorphEngine, ObjectsDeletedInTheHostAreLeftAlone) {
  tsxSOBJ* original = Mesh("Orig", {{1, 2, -3}});
  tsxSOBJ* target = Mesh("Target", {{5, 5, 5}});
  Capture(0, original);
  Capture(1, target);
  ClearDelta(1);
  Update();
  tsxSOBJ* animated = Animated();
  auto deleteObject = reinterpret_cast<void (*)(tsxSOBJ*)>(
      dlsym(dlopen(QM_STANDIN_DEFAULT_HOST, RTLD_NOW | RTLD_NOLOAD), "tsxSobjDelete"));
  ASSERT_NE(deleteObject, nullptr);
  deleteObject(target);
  deleteObject(animated);
  Host().ClearCalls();
  SetSlider(1, 100);
  ExpectOnlyValidHandles();
  tsxSOBJ* fresh = Animated();
  EXPECT_NE(fresh, animated) << "a deleted animated object is made anew";
  // The deleted target is left out as delta mode leaves out a target that does not
  // move the vertex: from the sum and from the divisor.
  EXPECT_EQ(Host().Vertices(fresh)[0].x, 0.99999726f) << "the deleted target takes no part";
}

} // namespace
} // namespace qm
