// Host functions over the scene as a whole: version, main window, walks,
// selection, making, grouping, copying, adding and deleting nodes, redrawing.
#include "api/call.h"
#include "api/typed_exports.h"

#include <cmath>

using namespace qm::standin;

namespace {

tsxSOBJ* HandleOrNull(const Node* node) { return node == nullptr ? nullptr : node->Handle(); }

// The eight corners of a box centred on the origin, x changing fastest.
std::vector<tsxVec3f> BoxCorners(float sizeX, float sizeY, float sizeZ) {
  std::vector<tsxVec3f> corners;
  for (int corner = 0; corner < 8; ++corner) {
    corners.push_back({(corner & 1 ? 0.5f : -0.5f) * sizeX, (corner & 2 ? 0.5f : -0.5f) * sizeY,
                       (corner & 4 ? 0.5f : -0.5f) * sizeZ});
  }
  return corners;
}

} // namespace

QM_STANDIN_EXPORT void tsxGetTsVersionNbrs(short* version, short* revision) {
  Call call("tsxGetTsVersionNbrs", {FormatOut(version), FormatOut(revision)});
  const short reported = call.Failing() ? 0 : static_cast<short>(StandinVersion());
  if (version != nullptr) *version = reported;
  if (revision != nullptr) *revision = 0;
  if (version == nullptr || revision == nullptr) {
    call.Fail(CallStatus::BadArgument, "null out-pointer");
  }
  call.Result("version " + FormatNumber(reported) + ", revision 0");
}
QM_STANDIN_CHECK_SIGNATURE(tsxGetTsVersionNbrs);

QM_STANDIN_EXPORT tsxHWND tsxGetMainViewHwnd(void) {
  Call call("tsxGetMainViewHwnd", {});
  if (call.Failing()) return nullptr;
  call.Result("main view");
  return MainViewWindow();
}
QM_STANDIN_CHECK_SIGNATURE(tsxGetMainViewHwnd);

QM_STANDIN_EXPORT tsxGNODE* tsxSceneGetFirstNode(void) {
  Call call("tsxSceneGetFirstNode", {});
  if (call.Failing()) return nullptr;
  const auto& topLevel = TheHost().scene.TopLevel();
  tsxSOBJ* first = topLevel.empty() ? nullptr : NodeHandle(topLevel.front());
  call.Result(DescribeNode(first));
  return first;
}
QM_STANDIN_CHECK_SIGNATURE(tsxSceneGetFirstNode);

QM_STANDIN_EXPORT tsxGNODE* tsxGNodeGetNext(tsxGNODE* node) {
  Call call("tsxGNodeGetNext", {DescribeNode(node)});
  if (call.Failing()) return nullptr;
  Node* current = call.GNode(node);
  if (current == nullptr) return nullptr;
  tsxSOBJ* next = HandleOrNull(TheHost().scene.Next(*current));
  call.Result(DescribeNode(next));
  return next;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeGetNext);

QM_STANDIN_EXPORT tsxGNODE* tsxGNodeGetFirstChild(tsxGNODE* group) {
  Call call("tsxGNodeGetFirstChild", {DescribeNode(group)});
  if (call.Failing()) return nullptr;
  Node* parent = call.GNode(group);
  if (parent == nullptr) return nullptr;
  tsxSOBJ* first = HandleOrNull(TheHost().scene.FirstChild(*parent));
  call.Result(DescribeNode(first));
  return first;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeGetFirstChild);

QM_STANDIN_EXPORT tsxSOBJ* tsxGetCurrentSelection(void) {
  Call call("tsxGetCurrentSelection", {});
  if (call.Failing()) return nullptr;
  const ObjectId selected = TheHost().scene.Selection();
  tsxSOBJ* handle = selected == 0 ? nullptr : NodeHandle(selected);
  call.Result(DescribeNode(handle));
  return handle;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGetCurrentSelection);

// `mode` and `redraw` are logged only: the stand-in has one selection and no views.
QM_STANDIN_EXPORT void tsxSelectSobj(tsxSOBJ* object, int mode, int redraw) {
  Call call("tsxSelectSobj", {DescribeNode(object), FormatNumber(mode), FormatNumber(redraw)});
  if (call.Failing()) return;
  if (object == nullptr) {
    TheHost().scene.Select(0);
    call.Remark("selection emptied");
    return;
  }
  if (Node* node = call.LiveNode(object)) TheHost().scene.Select(node->id);
}
QM_STANDIN_CHECK_SIGNATURE(tsxSelectSobj);

QM_STANDIN_EXPORT tsxPOLYHEDRON* tsxCreateCube(int kind, float sizeX, float sizeY, float sizeZ) {
  Call call("tsxCreateCube",
            {FormatNumber(kind), FormatNumber(sizeX), FormatNumber(sizeY), FormatNumber(sizeZ)});
  if (call.Failing()) return nullptr;
  if (!std::isfinite(sizeX) || !std::isfinite(sizeY) || !std::isfinite(sizeZ)) {
    call.Fail(CallStatus::BadArgument, "a cube size is not a finite number");
    return nullptr;
  }
  Node& cube = TheHost().scene.CreatePolyhedron("Cube", BoxCorners(sizeX, sizeY, sizeZ));
  call.Result(DescribeNode(cube.Handle()));
  return cube.Handle();
}
QM_STANDIN_CHECK_SIGNATURE(tsxCreateCube);

QM_STANDIN_EXPORT tsxGROUP* tsxGroupAtCurrobj(tsxSOBJ* object) {
  Call call("tsxGroupAtCurrobj", {DescribeNode(object)});
  if (call.Failing()) return nullptr;
  Node* node = call.LiveNode(object);
  if (node == nullptr) return nullptr;
  try {
    Node& group = TheHost().scene.GroupWithSelection(*node);
    call.Result(DescribeNode(group.Handle()));
    return group.Handle();
  } catch (const EStandinError& error) {
    call.Fail(CallStatus::BadArgument, error.what());
    return nullptr;
  }
}
QM_STANDIN_CHECK_SIGNATURE(tsxGroupAtCurrobj);

QM_STANDIN_EXPORT void tsxGNodeCopy(tsxGNODE* node, tsxGNODE** copy) {
  Call call("tsxGNodeCopy", {DescribeNode(node), FormatOut(copy)});
  if (copy != nullptr) *copy = nullptr;
  if (call.Failing()) return;
  if (copy == nullptr) {
    call.Fail(CallStatus::BadArgument, "null out-pointer");
    return;
  }
  Node* original = call.GNode(node);
  if (original == nullptr) return;
  *copy = TheHost().scene.Copy(*original).Handle();
  call.Result(DescribeNode(*copy));
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeCopy);

QM_STANDIN_EXPORT void tsxSceneAddObject(tsxSOBJ* object, int redraw) {
  Call call("tsxSceneAddObject", {DescribeNode(object), FormatNumber(redraw)});
  if (call.Failing()) return;
  Node* node = call.LiveNode(object);
  if (node == nullptr) return;
  try {
    if (!TheHost().scene.AddToScene(*node)) call.Remark("already at top level");
  } catch (const EStandinError& error) {
    call.Fail(CallStatus::BadArgument, error.what());
  }
}
QM_STANDIN_CHECK_SIGNATURE(tsxSceneAddObject);

QM_STANDIN_EXPORT void tsxSobjDelete(tsxSOBJ* object) {
  Call call("tsxSobjDelete", {DescribeNode(object)});
  if (call.Failing()) return;
  if (Node* node = call.LiveNode(object)) TheHost().scene.Delete(*node);
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjDelete);

QM_STANDIN_EXPORT void tsxSceneDraw(void) {
  Call call("tsxSceneDraw", {});
  if (call.Failing()) return;
  ++TheHost().sceneDrawCount;
}
QM_STANDIN_CHECK_SIGNATURE(tsxSceneDraw);
