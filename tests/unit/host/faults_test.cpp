// Injected faults and the call log.
#include "standin_fixture.h"

#include <dlfcn.h>

namespace qm::standin::testing {
namespace {

using FaultTest = StandinTest;

TEST_F(FaultTest, RaiseThrowsAForeignErrorOnceThenTheFunctionWorksAgain) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  host().InjectFault("tsxPolyhGetNbrVxs", {FaultAction::Raise});
  try {
    tsxPolyhGetNbrVxs(mesh);
    FAIL() << "no error raised";
  } catch (const qm::Exception&) {
    FAIL() << "a host error must not look like one of the plug-in's own";
  } catch (const std::exception& error) {
    EXPECT_NE(dynamic_cast<const HostFault*>(&error), nullptr);
    EXPECT_NE(std::string(error.what()).find("tsxPolyhGetNbrVxs"), std::string::npos);
  }
  EXPECT_EQ(LastCall().status, CallStatus::InjectedRaise);
  EXPECT_EQ(tsxPolyhGetNbrVxs(mesh), 3);
}

TEST_F(FaultTest, SkipCountsCallsBeforeTheFaultAndEveryCallKeepsIt) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  host().InjectFault("tsxPolyhGetVxArray", {FaultAction::ReturnZero, 2, true});
  EXPECT_NE(tsxPolyhGetVxArray(mesh), nullptr);
  EXPECT_NE(tsxPolyhGetVxArray(mesh), nullptr);
  EXPECT_EQ(tsxPolyhGetVxArray(mesh), nullptr);
  EXPECT_EQ(LastCall().status, CallStatus::InjectedFailure);
  EXPECT_EQ(tsxPolyhGetVxArray(mesh), nullptr);
  host().ClearFaults();
  EXPECT_NE(tsxPolyhGetVxArray(mesh), nullptr);
}

TEST_F(FaultTest, ReturnZeroAnswersZeroInResultAndOutValuesAndChangesNothing) {
  tsxSOBJ* mesh = SceneMesh("Mesh");
  host().AddLocationKey(mesh, 5, {});
  for (const char* function :
       {"tsxGNodeCopy", "tsxGetTsVersionNbrs", "tsxSobjTreeGetMinMaxTime", "tsxSobjGetPrevTime",
        "tsxSceneAddObject", "tsxFrameCreate", "tsxGNodeGetLocation", "tsxAnimSetActiveTime"}) {
    host().InjectFault(function, {FaultAction::ReturnZero, 0, true});
  }
  tsxSOBJ* outside = tsxCreateCube(1, 1, 1, 1);

  tsxGNODE* copy = mesh;
  tsxGNodeCopy(mesh, &copy);
  EXPECT_EQ(copy, nullptr);
  short version = 1, revision = 1;
  tsxGetTsVersionNbrs(&version, &revision);
  EXPECT_EQ(version, 0);
  float first = 1, last = 1;
  tsxSobjTreeGetMinMaxTime(mesh, &first, &last);
  EXPECT_EQ(first, 0.0f);
  EXPECT_EQ(last, 0.0f);
  EXPECT_EQ(tsxSobjGetPrevTime(mesh, 3, 10), 0.0f);
  tsxSceneAddObject(outside, 1);
  tsxFRAME* frame = reinterpret_cast<tsxFRAME*>(mesh);
  tsxFrameCreate(&frame, 23);
  EXPECT_EQ(frame, nullptr);
  host().SetLocation(mesh, {1, 2, 3});
  tsxVec3f location{4, 4, 4};
  tsxGNodeGetLocation(mesh, &location);
  EXPECT_EQ(location, (tsxVec3f{0, 0, 0}));
  tsxAnimSetActiveTime(5);

  EXPECT_EQ(host().TopLevel(), std::vector<tsxSOBJ*>{mesh});
  EXPECT_EQ(host().PendingFrames(), 0u);
  EXPECT_EQ(host().ActiveTime(), 0.0f);
  EXPECT_EQ(host().Location(mesh), (tsxVec3f{1, 2, 3}));
  for (const CallRecord& call : host().Calls()) {
    if (call.function != "tsxCreateCube") {
      EXPECT_EQ(call.status, CallStatus::InjectedFailure) << call.Text();
    }
  }
}

TEST_F(FaultTest, OnlyFunctionsTheStandInImplementsTakeFaults) {
  EXPECT_THROW(host().InjectFault("tsxSceneSwitchFog", {}), EStandinError);
  EXPECT_THROW(host().InjectFault("tsxNoSuchFunction", {}), EStandinError);
  EXPECT_THROW(host().InjectFault("tsxSceneDraw", {FaultAction::Raise, -1}), EStandinError);
}

TEST_F(FaultTest, ResetClearsFaults) {
  host().InjectFault("tsxSceneDraw", {FaultAction::Raise, 0, true});
  host().SetLongNameFault(true);
  host().Reset();
  EXPECT_NO_THROW(tsxSceneDraw());
  tsxSOBJ* node = host().CreatePolyhedron(std::string(300, 'n'), {});
  char buffer[255];
  EXPECT_EQ(tsxGNodeGetName(node, buffer, 255), 254);
}

TEST_F(StandinTest, CallLogShowsArgumentsWithHandlesByName) {
  tsxSOBJ* cube = SceneMesh("Cube");
  tsxSelectSobj(cube, 0, 1);
  tsxGNodeSetName(cube, "Ch3-\"Smile\"");
  tsxVec3f location{0, 0, 2.5f};
  tsxGNodeSetLocation(cube, &location);
  tsxAnimSetActiveTime(12);
  char buffer[255];
  tsxGNodeGetName(cube, buffer, 255);
  tsxSobjDelete(cube);
  tsxGNodeDraw(cube);

  std::vector<std::string> texts;
  for (const CallRecord& call : host().Calls())
    texts.push_back(call.Text());
  EXPECT_EQ(texts,
            (std::vector<std::string>{
                "tsxSelectSobj([Cube], 0, 1)",
                R"(tsxGNodeSetName([Cube], "Ch3-\"Smile\""))",
                R"(tsxGNodeSetLocation([Ch3-"Smile"], (0, 0, 2.5)))",
                "tsxAnimSetActiveTime(12)",
                R"(tsxGNodeGetName([Ch3-"Smile"], buffer, 255) -> 11)",
                R"(tsxSobjDelete([Ch3-"Smile"]))",
                R"(tsxGNodeDraw([deleted Ch3-"Smile"]) {invalid handle: the node was deleted})",
            }));
  host().ClearCalls();
  EXPECT_TRUE(host().Calls().empty());
}

TEST_F(StandinTest, UnsupportedFunctionsAreLoggedAsSuch) {
  void* self = dlopen(QM_STANDIN_DEFAULT_HOST, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(self, nullptr) << "the test is linked against the default host";
  auto* unsupported = reinterpret_cast<void (*)()>(dlsym(self, "tsxSceneSwitchFog"));
  ASSERT_NE(unsupported, nullptr);
  unsupported();
  dlclose(self);
  EXPECT_EQ(LastCall().function, "tsxSceneSwitchFog");
  EXPECT_EQ(LastCall().status, CallStatus::NotSupported);
}

} // namespace
} // namespace qm::standin::testing
