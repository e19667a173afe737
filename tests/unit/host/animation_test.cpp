// Scripts, the active time, location and vertex keys, and the key time queries.
#include "standin_fixture.h"

#include <limits>

namespace qm::standin::testing {
namespace {

class AnimationTest : public StandinTest {
protected:
  // A scripted mesh in the scene with four vertices.
  static tsxSOBJ* ScriptedMesh(const std::string& name) {
    tsxSOBJ* mesh = host().CreatePolyhedron(name, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    host().AddToScene(mesh);
    tsxSobjCreateScript(mesh);
    return mesh;
  }

  static void KeyLocation(tsxSOBJ* node, float time, tsxVec3f location) {
    tsxAnimSetActiveTime(time);
    tsxGNodeSetLocation(node, &location);
    tsxSobjSetFrame(node, kTsxFrameNullKey);
  }

  static void KeyVertex(tsxSOBJ* node, int index, float time, tsxVec3f position) {
    tsxFRAME* frame = nullptr;
    tsxFrameCreate(&frame, kTsxFrameVertexKey);
    tsxFrameSetData(frame, &position, 12);
    tsxSobjInsertFrame(node, frame, index, time);
  }

  static tsxVec3f LocationOf(tsxSOBJ* node) {
    tsxVec3f location{};
    tsxGNodeGetLocation(node, &location);
    return location;
  }
};

TEST_F(AnimationTest, OnlyScriptedObjectsTakeKeys) {
  tsxSOBJ* plain = SceneMesh("Plain");
  tsxSobjSetFrame(plain, kTsxFrameNullKey);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  KeyVertex(plain, 0, 0, {1, 1, 1});
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  EXPECT_TRUE(host().LocationKeys(plain).empty());
  EXPECT_TRUE(host().VertexKeys(plain).empty());

  tsxSobjCreateScript(plain);
  EXPECT_TRUE(host().HasScript(plain));
  tsxSobjSetFrame(plain, kTsxFrameNullKey);
  EXPECT_EQ(host().LocationKeys(plain).size(), 1u);
}

TEST_F(AnimationTest, SetFrameKeysTheCurrentLocationAtTheActiveTimeReplacingAKeyThere) {
  tsxSOBJ* node = ScriptedMesh("Null");
  KeyLocation(node, 4, {0, 0, 10});
  KeyLocation(node, 4, {0, 0, 20});
  KeyLocation(node, 9, {0, 0, 30});
  const auto keys = host().LocationKeys(node);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].time, 4.0f);
  EXPECT_EQ(keys[0].location, (tsxVec3f{0, 0, 20}));
  EXPECT_EQ(keys[1].time, 9.0f);
}

struct TimeCase {
  float time;
  float z; // the node's z after the active time moves there
};

// Keys at 10 (z = 10) and 20 (z = 30). Between them the host interpolates: a
// plug-in that reads weights only at keys must not see these values.
TEST_F(AnimationTest, ActiveTimeChangeMovesKeyedNodesToTheirKeysAndInterpolatesBetween) {
  tsxSOBJ* node = ScriptedMesh("Null");
  tsxSOBJ* unkeyed = ScriptedMesh("Unkeyed");
  host().AddLocationKey(node, 10, {0, 0, 10});
  host().AddLocationKey(node, 20, {0, 0, 30});
  host().SetLocation(unkeyed, {5, 5, 5});

  for (const TimeCase& c :
       {TimeCase{10, 10}, TimeCase{20, 30}, TimeCase{15, 20}, TimeCase{12.5f, 15}, TimeCase{0, 10},
        TimeCase{-4, 10}, TimeCase{99999, 30}}) {
    SCOPED_TRACE("time " + std::to_string(c.time));
    tsxAnimSetActiveTime(c.time);
    EXPECT_EQ(host().ActiveTime(), c.time);
    EXPECT_FLOAT_EQ(LocationOf(node).z, c.z);
    EXPECT_EQ(LocationOf(unkeyed), (tsxVec3f{5, 5, 5}));
  }
}

TEST_F(AnimationTest, SetLocationHoldsUntilTheNextActiveTimeChange) {
  tsxSOBJ* node = ScriptedMesh("Null");
  host().AddLocationKey(node, 0, {0, 0, 1});
  tsxAnimSetActiveTime(0);
  tsxVec3f moved{0, 0, 50};
  tsxGNodeSetLocation(node, &moved);
  EXPECT_EQ(LocationOf(node), moved);
  tsxAnimSetActiveTime(0);
  EXPECT_EQ(LocationOf(node), (tsxVec3f{0, 0, 1}));
}

TEST_F(AnimationTest, ActiveTimeMustBeFinite) {
  tsxAnimSetActiveTime(7);
  tsxAnimSetActiveTime(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  EXPECT_EQ(host().ActiveTime(), 7.0f);
}

TEST_F(AnimationTest, UnsetFrameRemovesOnlyTheKeyAtTheActiveTime) {
  tsxSOBJ* node = ScriptedMesh("Node");
  host().AddLocationKey(node, 1, {0, 0, 1});
  host().AddLocationKey(node, 2, {0, 0, 2});
  KeyVertex(node, 0, 1, {1, 1, 1});
  KeyVertex(node, 1, 1, {1, 1, 1});
  KeyVertex(node, 0, 2, {2, 2, 2});

  tsxAnimSetActiveTime(1);
  tsxSobjUnsetFrame(node, kTsxFrameNullKey);
  ASSERT_EQ(host().LocationKeys(node).size(), 1u);
  EXPECT_EQ(host().LocationKeys(node)[0].time, 2.0f);
  EXPECT_EQ(host().VertexKeys(node).size(), 3u) << "kind 3 leaves vertex keys";

  tsxSobjUnsetFrame(node, kTsxFrameVertexKey);
  const auto vertexKeys = host().VertexKeys(node);
  ASSERT_EQ(vertexKeys.size(), 1u);
  EXPECT_EQ(vertexKeys[0].time, 2.0f);

  tsxAnimSetActiveTime(5);
  tsxSobjUnsetFrame(node, kTsxFrameNullKey);
  EXPECT_EQ(LastCall().status, CallStatus::Ok) << "no key there is no error";
  EXPECT_EQ(host().LocationKeys(node).size(), 1u);
  tsxSobjUnsetFrame(node, 7);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
}

TEST_F(AnimationTest, VertexKeysStoreTheFramesDataPerIndexAndTime) {
  tsxSOBJ* mesh = ScriptedMesh("Mesh");
  KeyVertex(mesh, 2, 10, {1, 2, 3});
  KeyVertex(mesh, 0, 10, {4, 5, 6});
  KeyVertex(mesh, 2, 10, {7, 8, 9}); // replaces
  KeyVertex(mesh, 2, 0, {0, 0, 0});
  const auto keys = host().VertexKeys(mesh);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].time, 0.0f);
  EXPECT_EQ(keys[1].index, 0);
  EXPECT_EQ(keys[1].position, (tsxVec3f{4, 5, 6}));
  EXPECT_EQ(keys[2].index, 2);
  EXPECT_EQ(keys[2].position, (tsxVec3f{7, 8, 9}));
  EXPECT_EQ(host().PendingFrames(), 0u);
  EXPECT_EQ(host().Vertices(mesh)[2], (tsxVec3f{0, 1, 0})) << "keys do not move the mesh";
}

TEST_F(AnimationTest, FrameDataIsCopiedWhenSet) {
  tsxSOBJ* mesh = ScriptedMesh("Mesh");
  tsxVec3f* vertices = tsxPolyhGetVxArray(mesh);
  tsxFRAME* frame = nullptr;
  tsxFrameCreate(&frame, kTsxFrameVertexKey);
  tsxFrameSetData(frame, &vertices[1], 12);
  vertices[1].x = 100;
  tsxSobjInsertFrame(mesh, frame, 1, 0);
  EXPECT_EQ(host().VertexKeys(mesh).at(0).position, (tsxVec3f{1, 0, 0}));
}

TEST_F(AnimationTest, KeyframesThatCannotBeInsertedAreRefusedAndStayPending) {
  tsxSOBJ* mesh = ScriptedMesh("Mesh");
  const tsxVec3f value{1, 2, 3};
  tsxFRAME* frame = nullptr;

  tsxFrameCreate(&frame, kTsxFrameNullKey);
  EXPECT_EQ(frame, nullptr) << "only vertex keyframes can be made";

  tsxFrameCreate(&frame, kTsxFrameVertexKey);
  ASSERT_NE(frame, nullptr);
  tsxSobjInsertFrame(mesh, frame, 0, 0);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument) << "no data yet";
  for (int size : {0, 8, 16}) {
    tsxFrameSetData(frame, &value, size);
    EXPECT_EQ(LastCall().status, CallStatus::BadArgument) << "size " << size;
  }
  tsxSobjInsertFrame(mesh, frame, 0, 0);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument) << "wrong sizes set nothing";

  tsxFrameSetData(frame, &value, 12);
  for (int index : {-1, 4}) {
    tsxSobjInsertFrame(mesh, frame, index, 0);
    EXPECT_EQ(LastCall().status, CallStatus::BadArgument) << "index " << index;
  }
  tsxSobjInsertFrame(host().CreateGroup("Group", {}), frame, 0, 0);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument) << "not a polyhedron";
  EXPECT_TRUE(host().VertexKeys(mesh).empty());
  EXPECT_EQ(host().PendingFrames(), 1u);

  tsxSobjInsertFrame(mesh, frame, 3, 0);
  EXPECT_EQ(LastCall().status, CallStatus::Ok);
  EXPECT_EQ(host().PendingFrames(), 0u);
}

TEST_F(AnimationTest, PrevTimeIsTheLatestKeyOfThatKindStrictlyBefore) {
  tsxSOBJ* node = ScriptedMesh("Node");
  host().AddLocationKey(node, 5, {});
  host().AddLocationKey(node, 10, {});
  KeyVertex(node, 0, 7, {});

  struct Case {
    int kind;
    float time;
    float previous;
  };
  for (const Case& c : {Case{3, 11, 10}, Case{3, 10, 5}, Case{3, 6, 5}, Case{3, 5, -1},
                        Case{3, 0, -1}, Case{23, 8, 7}, Case{23, 7, -1}}) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " before " + std::to_string(c.time));
    EXPECT_EQ(tsxSobjGetPrevTime(node, c.kind, c.time), c.previous);
  }
  EXPECT_EQ(tsxSobjGetPrevTime(SceneMesh("Unkeyed"), 3, 100), -1.0f);
}

class TreeTimeTest : public AnimationTest {
protected:
  // A group without keys of its own; child A keyed (kind 3) at 10 and 30, child B
  // at 20, and child B has a vertex key at 25.
  void SetUp() override {
    AnimationTest::SetUp();
    a_ = ScriptedMesh("A");
    b_ = ScriptedMesh("B");
    group_ = host().CreateGroup("Group", {a_, b_});
    host().AddToScene(group_);
    host().AddLocationKey(a_, 10, {});
    host().AddLocationKey(a_, 30, {});
    host().AddLocationKey(b_, 20, {});
    KeyVertex(b_, 0, 25, {});
  }
  tsxSOBJ* a_ = nullptr;
  tsxSOBJ* b_ = nullptr;
  tsxSOBJ* group_ = nullptr;
};

TEST_F(TreeTimeTest, PrevAndNextCoverTheNodeAndItsDescendantsStrictly) {
  struct Case {
    float time;
    float previous;
    float next;
  };
  for (const Case& c : {Case{20, 10, 30}, Case{21, 20, 30}, Case{10, -1, 20}, Case{30, 20, -1},
                        Case{0, -1, 10}, Case{50, 30, -1}}) {
    SCOPED_TRACE("at " + std::to_string(c.time));
    EXPECT_EQ(tsxSobjTreeGetPrevTime(group_, 3, c.time), c.previous);
    EXPECT_EQ(tsxSobjTreeGetNextTime(group_, 3, c.time), c.next);
  }
  EXPECT_EQ(tsxSobjTreeGetNextTime(group_, 23, 0), 25.0f);
  EXPECT_EQ(tsxSobjTreeGetNextTime(a_, 3, 10), 30.0f) << "a child alone";
}

TEST_F(TreeTimeTest, MinMaxSpansEveryKindOverTheTree) {
  float first = -5, last = -5;
  KeyVertex(b_, 0, 40, {});
  tsxSobjTreeGetMinMaxTime(group_, &first, &last);
  EXPECT_EQ(first, 10.0f);
  EXPECT_EQ(last, 40.0f);
}

TEST_F(TreeTimeTest, MinMaxWithoutKeysIsTheEmptyRangeZeroToMinusOne) {
  float first = -5, last = -5;
  tsxSobjTreeGetMinMaxTime(SceneMesh("Unkeyed"), &first, &last);
  EXPECT_EQ(first, 0.0f);
  EXPECT_EQ(last, -1.0f);
}

TEST_F(TreeTimeTest, DeletedChildrenTakeTheirKeysAlong) {
  tsxSobjDelete(a_);
  EXPECT_EQ(tsxSobjTreeGetNextTime(group_, 3, 0), 20.0f);
}

TEST_F(AnimationTest, FrameRateAndPlayback) {
  EXPECT_EQ(tsxAnimGetBaseFramerate(), 30.0f);
  host().SetFrameRate(24);
  EXPECT_EQ(tsxAnimGetBaseFramerate(), 24.0f);
  EXPECT_THROW(host().SetFrameRate(0), EStandinError);

  tsxAnimSetActiveTime(12);
  tsxAnimPlay();
  tsxAnimPlay();
  EXPECT_TRUE(host().Playing());
  EXPECT_EQ(host().PlayCount(), 2);
  EXPECT_EQ(host().ActiveTime(), 12.0f) << "playing moves no time";

  host().Reset();
  EXPECT_EQ(tsxAnimGetBaseFramerate(), 30.0f);
  EXPECT_FALSE(host().Playing());
  EXPECT_EQ(host().ActiveTime(), 0.0f);
}

} // namespace
} // namespace qm::standin::testing
