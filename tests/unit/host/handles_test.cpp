// A host never crashes for a plug-in's bad handle: every function that takes one
// logs it as invalid, answers zero, null or "none", and changes nothing.
#include "standin_fixture.h"

#include <functional>

namespace qm::standin::testing {
namespace {

struct HandleCase {
  const char* function;
  // Calls the function with the handle; true when it answered "nothing".
  std::function<bool(tsxSOBJ*)> answersNothing;
};

bool Done() { return true; }

const HandleCase kNodeCases[] = {
    {"tsxGNodeGetNext", [](tsxSOBJ* h) { return tsxGNodeGetNext(h) == nullptr; }},
    {"tsxIsGNode", [](tsxSOBJ* h) { return tsxIsGNode(h) == 0; }},
    {"tsxGNodeGetFirstChild", [](tsxSOBJ* h) { return tsxGNodeGetFirstChild(h) == nullptr; }},
    {"tsxSobjGetType", [](tsxSOBJ* h) { return tsxSobjGetType(h) == 0; }},
    {"tsxGNodeGetName",
     [](tsxSOBJ* h) {
       char buffer[4] = {'x', 'x', 'x', 'x'};
       return tsxGNodeGetName(h, buffer, 4) == 0 && buffer[0] == 'x';
     }},
    {"tsxGNodeSetName", [](tsxSOBJ* h) { return tsxGNodeSetName(h, "Renamed"), Done(); }},
    {"tsxGNodeGetLocation",
     [](tsxSOBJ* h) {
       tsxVec3f location{7, 7, 7};
       tsxGNodeGetLocation(h, &location);
       return location == tsxVec3f{0, 0, 0};
     }},
    {"tsxGNodeSetLocation",
     [](tsxSOBJ* h) {
       tsxVec3f location{7, 7, 7};
       return tsxGNodeSetLocation(h, &location), Done();
     }},
    {"tsxGNodeScaleUniform", [](tsxSOBJ* h) { return tsxGNodeScaleUniform(h, 2, 0), Done(); }},
    {"tsxPolyhGetNbrVxs", [](tsxSOBJ* h) { return tsxPolyhGetNbrVxs(h) == 0; }},
    {"tsxPolyhGetVxArray", [](tsxSOBJ* h) { return tsxPolyhGetVxArray(h) == nullptr; }},
    {"tsxGroupAtCurrobj", [](tsxSOBJ* h) { return tsxGroupAtCurrobj(h) == nullptr; }},
    {"tsxGNodeCopy",
     [](tsxSOBJ* h) {
       tsxGNODE* copy = h;
       tsxGNodeCopy(h, &copy);
       return copy == nullptr;
     }},
    {"tsxSceneAddObject", [](tsxSOBJ* h) { return tsxSceneAddObject(h, 1), Done(); }},
    {"tsxSobjDelete", [](tsxSOBJ* h) { return tsxSobjDelete(h), Done(); }},
    {"tsxSobjCreateScript", [](tsxSOBJ* h) { return tsxSobjCreateScript(h), Done(); }},
    {"tsxSobjSetFrame", [](tsxSOBJ* h) { return tsxSobjSetFrame(h, 3), Done(); }},
    {"tsxSobjUnsetFrame", [](tsxSOBJ* h) { return tsxSobjUnsetFrame(h, 23), Done(); }},
    {"tsxSobjInsertFrame", [](tsxSOBJ* h) { return tsxSobjInsertFrame(h, nullptr, 0, 0), Done(); }},
    {"tsxSobjGetPrevTime", [](tsxSOBJ* h) { return tsxSobjGetPrevTime(h, 3, 10) == -1.0f; }},
    {"tsxSobjTreeGetPrevTime",
     [](tsxSOBJ* h) { return tsxSobjTreeGetPrevTime(h, 3, 10) == -1.0f; }},
    {"tsxSobjTreeGetNextTime", [](tsxSOBJ* h) { return tsxSobjTreeGetNextTime(h, 3, 0) == -1.0f; }},
    {"tsxSobjTreeGetMinMaxTime",
     [](tsxSOBJ* h) {
       float first = 5, last = 5;
       tsxSobjTreeGetMinMaxTime(h, &first, &last);
       return first == 0.0f && last == -1.0f;
     }},
    {"tsxMNodeSetInvisible", [](tsxSOBJ* h) { return tsxMNodeSetInvisible(h), Done(); }},
    {"tsxMNodeSetVisible", [](tsxSOBJ* h) { return tsxMNodeSetVisible(h), Done(); }},
    {"tsxGNodeDraw", [](tsxSOBJ* h) { return tsxGNodeDraw(h), Done(); }},
};

class BadHandleTest : public StandinTest {
protected:
  // Each kind of handle that the host must not act on.
  struct BadHandle {
    const char* what;
    tsxSOBJ* handle;
  };

  std::vector<BadHandle> BadHandles() {
    tsxSOBJ* fromBeforeReset = host().CreatePolyhedron("Old", {{0, 0, 0}});
    host().Reset();
    tsxSOBJ* deleted = SceneMesh("Deleted");
    host().AddLocationKey(deleted, 1, {1, 1, 1});
    tsxSobjDelete(deleted);
    return {{"null", nullptr},
            {"deleted", deleted},
            {"from before a reset", fromBeforeReset},
            {"made up", reinterpret_cast<tsxSOBJ*>(&madeUp_)}};
  }

private:
  int madeUp_ = 0;
};

TEST_F(BadHandleTest, EveryFunctionLogsItAnswersNothingAndChangesNothing) {
  const auto badHandles = BadHandles();
  tsxSOBJ* bystander = SceneMesh("Bystander");
  tsxSelectSobj(bystander, 0, 1);
  for (const auto& bad : badHandles) {
    for (const HandleCase& c : kNodeCases) {
      SCOPED_TRACE(std::string(c.function) + " with a " + bad.what + " handle");
      host().ClearCalls();
      EXPECT_TRUE(c.answersNothing(bad.handle));
      const auto calls = host().Calls();
      ASSERT_EQ(calls.size(), 1u);
      EXPECT_EQ(calls[0].function, c.function);
      EXPECT_EQ(calls[0].status, CallStatus::InvalidHandle) << calls[0].Text();
    }
  }
  EXPECT_EQ(host().TopLevel(), std::vector<tsxSOBJ*>{bystander});
  EXPECT_EQ(host().Selection(), bystander);
  EXPECT_EQ(host().Name(badHandles[1].handle), "Deleted");
  EXPECT_EQ(host().LocationKeys(badHandles[1].handle).size(), 1u);
}

// Null is a valid argument here (it empties the selection); the others are not.
TEST_F(BadHandleTest, SelectingABadHandleKeepsTheSelection) {
  const auto badHandles = BadHandles();
  tsxSOBJ* selected = SceneMesh("Selected");
  for (const auto& bad : badHandles) {
    if (bad.handle == nullptr) continue;
    SCOPED_TRACE(bad.what);
    host().Select(selected);
    tsxSelectSobj(bad.handle, 0, 1);
    EXPECT_EQ(LastCall().status, CallStatus::InvalidHandle);
    EXPECT_EQ(host().Selection(), selected);
  }
}

TEST_F(BadHandleTest, ControlInterfaceRefusesUnknownHandlesButReadsDeletedNodes) {
  const auto badHandles = BadHandles();
  EXPECT_THROW(host().Name(badHandles[2].handle), EStandinError);
  EXPECT_THROW(host().Name(badHandles[3].handle), EStandinError);
  EXPECT_EQ(host().Name(badHandles[1].handle), "Deleted");
  EXPECT_THROW(host().AddToScene(badHandles[1].handle), EStandinError);
}

TEST_F(StandinTest, BadKeyframeHandlesAreLoggedAndIgnored) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  tsxSobjCreateScript(mesh);
  tsxFRAME* spent = nullptr;
  tsxFrameCreate(&spent, 23);
  const tsxVec3f value{1, 2, 3};
  tsxFrameSetData(spent, &value, 12);
  tsxSobjInsertFrame(mesh, spent, 0, 0);
  int madeUp = 0;

  for (tsxFRAME* bad :
       {static_cast<tsxFRAME*>(nullptr), spent, reinterpret_cast<tsxFRAME*>(&madeUp)}) {
    tsxFrameSetData(bad, &value, 12);
    EXPECT_EQ(LastCall().status, CallStatus::InvalidHandle) << LastCall().Text();
    tsxSobjInsertFrame(mesh, bad, 1, 5);
    EXPECT_EQ(LastCall().status, CallStatus::InvalidHandle) << LastCall().Text();
  }
  EXPECT_EQ(host().VertexKeys(mesh).size(), 1u);
}

TEST_F(StandinTest, NullOutPointersAreLoggedAndTheOtherOutputIsStillWritten) {
  short version = 0;
  tsxGetTsVersionNbrs(&version, nullptr);
  EXPECT_EQ(version, host().Version());
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);

  tsxSOBJ* mesh = SceneMesh("Mesh");
  host().AddLocationKey(mesh, 4, {});
  float last = 0;
  tsxSobjTreeGetMinMaxTime(mesh, nullptr, &last);
  EXPECT_EQ(last, 4.0f);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);

  tsxGNodeGetLocation(mesh, nullptr);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  tsxFrameCreate(nullptr, 23);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  EXPECT_EQ(host().PendingFrames(), 0u);
}

} // namespace
} // namespace qm::standin::testing
