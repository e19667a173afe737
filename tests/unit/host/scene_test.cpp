// The scene as the plug-in relies on it: its own vertex arrays, copies, grouping
// order, walks, adding and deleting.
#include "standin_fixture.h"

#include <cmath>
#include <set>
#include <tuple>

namespace qm::standin::testing {
namespace {

using SceneTest = StandinTest;

TEST_F(SceneTest, VertexArrayIsTheHostsOwnAndWritesChangeTheMesh) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  tsxVec3f* vertices = tsxPolyhGetVxArray(mesh);
  ASSERT_NE(vertices, nullptr);
  EXPECT_EQ(tsxPolyhGetNbrVxs(mesh), 3);
  EXPECT_EQ(tsxPolyhGetVxArray(mesh), vertices) << "the same array on every call";

  vertices[1] = {5, 6, 7};
  EXPECT_EQ(host().Vertices(mesh)[1], (tsxVec3f{5, 6, 7}));
}

TEST_F(SceneTest, CubeHasEightCornersAtHalfItsSizesAndStaysOutOfTheScene) {
  tsxSOBJ* cube = tsxCreateCube(1, 2, 4, 6);
  ASSERT_NE(cube, nullptr);
  EXPECT_EQ(host().Name(cube), "Cube");
  EXPECT_TRUE(host().TopLevel().empty());
  EXPECT_EQ(tsxSobjGetType(cube) & 0xFF, kTsxTypePolyhedron);
  EXPECT_EQ(tsxIsGNode(cube), 1);

  std::set<std::tuple<float, float, float>> corners;
  for (const tsxVec3f& v : host().Vertices(cube)) {
    EXPECT_EQ(std::abs(v.x), 1.0f);
    EXPECT_EQ(std::abs(v.y), 2.0f);
    EXPECT_EQ(std::abs(v.z), 3.0f);
    corners.insert({v.x, v.y, v.z});
  }
  EXPECT_EQ(corners.size(), 8u);
}

TEST_F(SceneTest, KindsHaveTheirTypeCodesAndOnlyMarkersAreNoGNodes) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  tsxSOBJ* group = host().CreateGroup("Group", {});
  tsxSOBJ* marker = host().CreateMarker("Light");
  EXPECT_EQ(tsxSobjGetType(mesh), kTsxTypePolyhedron);
  EXPECT_NE(tsxSobjGetType(group) & 0xFF, kTsxTypePolyhedron);
  EXPECT_NE(tsxSobjGetType(marker) & 0xFF, kTsxTypePolyhedron);
  EXPECT_EQ(tsxIsGNode(group), 1);
  EXPECT_EQ(tsxIsGNode(marker), 0);
}

TEST_F(SceneTest, CopyIsDeepWithItsOwnArrayAndOutsideTheScene) {
  tsxSOBJ* original = SceneMesh("Original");
  host().SetLocation(original, {1, 2, 3});
  host().AddLocationKey(original, 4, {1, 2, 3});

  tsxGNODE* copy = nullptr;
  tsxGNodeCopy(original, &copy);
  ASSERT_NE(copy, nullptr);
  ASSERT_NE(copy, original);
  EXPECT_EQ(host().Name(copy), "Original");
  EXPECT_EQ(host().Location(copy), (tsxVec3f{1, 2, 3}));
  EXPECT_EQ(host().Vertices(copy), host().Vertices(original));
  EXPECT_FALSE(host().HasScript(copy));
  EXPECT_TRUE(host().LocationKeys(copy).empty());
  EXPECT_EQ(host().TopLevel(), std::vector<tsxSOBJ*>{original});

  tsxPolyhGetVxArray(copy)[0] = {9, 9, 9};
  EXPECT_EQ(host().Vertices(original)[0], (tsxVec3f{0, 0, 0}));

  tsxSceneAddObject(copy, 1);
  EXPECT_EQ(host().TopLevel(), (std::vector<tsxSOBJ*>{original, copy}));
}

TEST_F(SceneTest, CopyOfAGroupCopiesItsChildren) {
  tsxSOBJ* child = host().CreatePolyhedron("Child", {{1, 1, 1}});
  tsxSOBJ* group = host().CreateGroup("Group", {child});
  tsxGNODE* copy = nullptr;
  tsxGNodeCopy(group, &copy);
  ASSERT_NE(copy, nullptr);
  const auto children = host().Children(copy);
  ASSERT_EQ(children.size(), 1u);
  EXPECT_NE(children[0], child);
  EXPECT_EQ(host().Name(children[0]), "Child");
  EXPECT_EQ(host().Children(group), std::vector<tsxSOBJ*>{child});
}

TEST_F(SceneTest, CopyRefusesMarkersAndNullOutPointers) {
  tsxSOBJ* marker = host().CreateMarker("Light");
  tsxGNODE* copy = marker;
  tsxGNodeCopy(marker, &copy);
  EXPECT_EQ(copy, nullptr);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);

  tsxGNodeCopy(SceneMesh("Mesh"), nullptr);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
}

// The morph information object is built this way: a seed cube outside the scene,
// then one null after another grouped with the current object.
TEST_F(SceneTest, GroupingWithTheSelectionKeepsTheFirstChildFirstAndAppendsTheRest) {
  tsxSOBJ* group = tsxCreateCube(1, 1e-6f, 1e-6f, 1e-6f);
  tsxSOBJ* seed = group;
  std::vector<tsxSOBJ*> nulls;
  for (int k = 0; k < 3; ++k) {
    nulls.push_back(tsxCreateCube(1, 1e-6f, 1e-6f, 1e-6f));
    tsxSelectSobj(group, 0, 1);
    tsxSOBJ* grouped = tsxGroupAtCurrobj(nulls.back());
    ASSERT_NE(grouped, nullptr);
    if (k > 0) {
      EXPECT_EQ(grouped, group) << "a selected group takes the object itself";
    }
    group = grouped;
  }
  EXPECT_EQ(host().Kind(group), NodeKind::Group);
  EXPECT_EQ(host().Children(group), (std::vector<tsxSOBJ*>{seed, nulls[0], nulls[1], nulls[2]}));
  EXPECT_TRUE(host().TopLevel().empty()) << "the seed was outside the scene, so is the group";

  tsxSceneAddObject(group, 1);
  tsxSobjDelete(tsxGNodeGetFirstChild(group));
  EXPECT_EQ(host().Children(group), nulls);
  EXPECT_TRUE(host().IsDeleted(seed));
  EXPECT_EQ(host().TopLevel(), std::vector<tsxSOBJ*>{group});
}

TEST_F(SceneTest, NewGroupTakesTheCurrentObjectsPlace) {
  tsxSOBJ* a = SceneMesh("A");
  tsxSOBJ* current = SceneMesh("Current");
  tsxSOBJ* object = SceneMesh("Object"); // a neighbour: leaves before the group goes in
  tsxSOBJ* b = SceneMesh("B");
  tsxSelectSobj(current, 0, 1);

  tsxSOBJ* group = tsxGroupAtCurrobj(object);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(host().TopLevel(), (std::vector<tsxSOBJ*>{a, group, b}));
  EXPECT_EQ(host().Children(group), (std::vector<tsxSOBJ*>{current, object}));
  EXPECT_EQ(host().Parent(current), group);
}

TEST_F(SceneTest, GroupedObjectLeavesItsPreviousGroup) {
  tsxSOBJ* object = host().CreatePolyhedron("Object", {});
  tsxSOBJ* other = host().CreatePolyhedron("Other", {});
  tsxSOBJ* oldGroup = host().CreateGroup("Old", {object, other});
  tsxSOBJ* newGroup = host().CreateGroup("New", {});
  host().Select(newGroup);

  EXPECT_EQ(tsxGroupAtCurrobj(object), newGroup);
  EXPECT_EQ(host().Children(oldGroup), std::vector<tsxSOBJ*>{other});
  EXPECT_EQ(host().Children(newGroup), std::vector<tsxSOBJ*>{object});
}

TEST_F(SceneTest, GroupingThatCannotWorkAnswersNullAndChangesNothing) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  tsxSOBJ* inner = host().CreatePolyhedron("Inner", {});
  tsxSOBJ* outer = host().CreateGroup("Outer", {inner});
  host().AddToScene(outer);

  struct Case {
    const char* what;
    tsxSOBJ* selected;
    tsxSOBJ* object;
  };
  for (const Case& c :
       {Case{"no current object", nullptr, mesh}, Case{"object is the current object", mesh, mesh},
        Case{"object contains the current object", inner, outer}}) {
    SCOPED_TRACE(c.what);
    host().Select(c.selected);
    EXPECT_EQ(tsxGroupAtCurrobj(c.object), nullptr);
    EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
    EXPECT_EQ(host().TopLevel(), (std::vector<tsxSOBJ*>{mesh, outer}));
    EXPECT_EQ(host().Children(outer), std::vector<tsxSOBJ*>{inner});
  }
}

TEST_F(SceneTest, WalksVisitTopLevelAndChildrenInOrder) {
  tsxSOBJ* a = SceneMesh("A");
  tsxSOBJ* c1 = host().CreatePolyhedron("C1", {});
  tsxSOBJ* c2 = host().CreatePolyhedron("C2", {});
  tsxSOBJ* group = host().CreateGroup("G", {c1, c2});
  host().AddToScene(group);
  tsxSOBJ* marker = host().CreateMarker("Light");
  host().AddToScene(marker);
  SceneMesh("After");

  EXPECT_EQ(tsxSceneGetFirstNode(), a);
  EXPECT_EQ(tsxGNodeGetNext(a), group);
  EXPECT_EQ(tsxGNodeGetNext(group), marker);
  EXPECT_EQ(tsxIsGNode(marker), 0) << "a top-level walk stops here";
  EXPECT_EQ(tsxGNodeGetFirstChild(group), c1);
  EXPECT_EQ(tsxGNodeGetNext(c1), c2);
  EXPECT_EQ(tsxGNodeGetNext(c2), nullptr);
  EXPECT_EQ(tsxGNodeGetFirstChild(a), nullptr);
  EXPECT_EQ(tsxGNodeGetNext(tsxCreateCube(1, 1, 1, 1)), nullptr) << "not in the scene";

  EXPECT_EQ(tsxGNodeGetNext(marker), nullptr);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument) << "GNode functions refuse markers";
}

TEST_F(SceneTest, EmptySceneHasNoFirstNode) { EXPECT_EQ(tsxSceneGetFirstNode(), nullptr); }

TEST_F(SceneTest, AddingTwiceIsANoOpAndAGroupsChildCannotBeAdded) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  tsxSceneAddObject(mesh, 1);
  EXPECT_EQ(LastCall().status, CallStatus::Ok);
  EXPECT_EQ(host().TopLevel(), std::vector<tsxSOBJ*>{mesh});

  tsxSOBJ* child = host().CreatePolyhedron("Child", {});
  host().CreateGroup("G", {child});
  tsxSceneAddObject(child, 1);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  EXPECT_EQ(host().TopLevel(), std::vector<tsxSOBJ*>{mesh});
}

TEST_F(SceneTest, DeletingRemovesTheSubtreeAndEmptiesASelectionInside) {
  tsxSOBJ* child = host().CreatePolyhedron("Child", {{1, 2, 3}});
  tsxSOBJ* group = host().CreateGroup("G", {child});
  host().AddToScene(group);
  tsxSOBJ* other = SceneMesh("Other");
  tsxVec3f* vertices = tsxPolyhGetVxArray(child);
  tsxSelectSobj(child, 0, 1);

  tsxSobjDelete(group);
  EXPECT_EQ(host().TopLevel(), std::vector<tsxSOBJ*>{other});
  EXPECT_TRUE(host().IsDeleted(group));
  EXPECT_TRUE(host().IsDeleted(child));
  EXPECT_EQ(tsxGetCurrentSelection(), nullptr);
  // The deleted mesh's array stays allocated until the host is reset, so a stale
  // pointer held by the plug-in reads and writes harmlessly.
  vertices[0].x += 1;
  EXPECT_EQ(host().Vertices(child)[0].x, 2.0f);
}

TEST_F(SceneTest, SelectionFollowsSelectSobjAndNullEmptiesIt) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  tsxSOBJ* outside = tsxCreateCube(1, 1, 1, 1);
  tsxSelectSobj(mesh, 0, 1);
  EXPECT_EQ(tsxGetCurrentSelection(), mesh);
  tsxSelectSobj(outside, 0, 0);
  EXPECT_EQ(tsxGetCurrentSelection(), outside) << "objects outside the scene can be selected";
  tsxSelectSobj(nullptr, 0, 0);
  EXPECT_EQ(tsxGetCurrentSelection(), nullptr);
  EXPECT_EQ(LastCall().function, "tsxGetCurrentSelection");
}

TEST_F(SceneTest, NodePropertiesAreKeptPerNode) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  tsxSOBJ* other = SceneMesh("Other");
  tsxVec3f location{1.5f, -2, 3};
  tsxGNodeSetLocation(mesh, &location);
  tsxVec3f read{};
  tsxGNodeGetLocation(mesh, &read);
  EXPECT_EQ(read, location);

  tsxGNodeScaleUniform(mesh, 1e-6f, 0);
  tsxGNodeScaleUniform(mesh, 2.0f, 0);
  EXPECT_FLOAT_EQ(host().Scale(mesh), 2e-6f);
  EXPECT_EQ(host().Vertices(mesh)[1], (tsxVec3f{1, 0, 0})) << "scaling leaves the vertex array";

  tsxMNodeSetInvisible(mesh);
  EXPECT_FALSE(host().Visible(mesh));
  tsxMNodeSetVisible(mesh);
  EXPECT_TRUE(host().Visible(mesh));

  tsxGNodeDraw(mesh);
  tsxGNodeDraw(mesh);
  tsxSceneDraw();
  EXPECT_EQ(host().DrawCount(mesh), 2);
  EXPECT_EQ(host().SceneDrawCount(), 1);

  EXPECT_EQ(host().Location(other), (tsxVec3f{0, 0, 0}));
  EXPECT_FLOAT_EQ(host().Scale(other), 1.0f);
  EXPECT_EQ(host().DrawCount(other), 0);
}

TEST_F(SceneTest, MainViewWindowIsStableAndNotNull) {
  tsxHWND window = tsxGetMainViewHwnd();
  EXPECT_NE(window, nullptr);
  EXPECT_EQ(tsxGetMainViewHwnd(), window);
  EXPECT_EQ(host().MainViewWindow(), window);
}

} // namespace
} // namespace qm::standin::testing
