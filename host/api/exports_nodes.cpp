// Host functions over one node: kind, name, location, scale, visibility, vertex
// array and redraw.
#include "api/call.h"
#include "api/typed_exports.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace qm::standin;

namespace {

int TypeCode(NodeKind kind) {
  switch (kind) {
  case NodeKind::Polyhedron: return kTypeCodePolyhedron;
  case NodeKind::Group: return kTypeCodeGroup;
  case NodeKind::Marker: return kTypeCodeMarker;
  }
  return 0;
}

// How much of a name tsxGNodeGetName writes and what it answers.
struct NameCopy {
  std::size_t bytes; // characters written; no terminator is ever written
  int reported;      // the answer
};

NameCopy PlanNameCopy(std::size_t length, int bufferSize, bool longNameFault) {
  const auto room = static_cast<std::size_t>(bufferSize);
  if (length < room) return {length, static_cast<int>(length)};
  // The name does not fit with a terminator after it.
  if (longNameFault) return {std::min(length, room), static_cast<int>(length)};
  return {room - 1, static_cast<int>(room - 1)};
}

} // namespace

QM_STANDIN_EXPORT int tsxSobjGetType(tsxSOBJ* object) {
  Call call("tsxSobjGetType", {DescribeNode(object)});
  if (call.Failing()) return 0;
  const Node* node = call.LiveNode(object);
  if (node == nullptr) return 0;
  const int code = TypeCode(node->kind);
  call.Result(FormatNumber(code));
  return code;
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjGetType);

QM_STANDIN_EXPORT tsxBOOL8 tsxIsGNode(tsxSOBJ* object) {
  Call call("tsxIsGNode", {DescribeNode(object)});
  if (call.Failing()) return 0;
  const Node* node = call.LiveNode(object);
  if (node == nullptr) return 0;
  const tsxBOOL8 answer = node->IsGNode() ? 1 : 0;
  call.Result(FormatNumber(answer));
  return answer;
}
QM_STANDIN_CHECK_SIGNATURE(tsxIsGNode);

// Writes the name's characters without a terminator: the caller adds it after
// the count returned.
QM_STANDIN_EXPORT int tsxGNodeGetName(tsxGNODE* node, char* buffer, int bufferSize) {
  Call call("tsxGNodeGetName",
            {DescribeNode(node), buffer == nullptr ? "null" : "buffer", FormatNumber(bufferSize)});
  if (call.Failing()) return 0;
  const Node* named = call.GNode(node);
  if (named == nullptr) return 0;
  if (buffer == nullptr || bufferSize <= 0) {
    call.Fail(CallStatus::BadArgument, "no room for the name");
    return 0;
  }
  const NameCopy copy =
      PlanNameCopy(named->name.size(), bufferSize, TheHost().faults.longNameFault);
  std::memcpy(buffer, named->name.data(), copy.bytes);
  call.Result(FormatNumber(copy.reported));
  return copy.reported;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeGetName);

QM_STANDIN_EXPORT void tsxGNodeSetName(tsxGNODE* node, const char* name) {
  Call call("tsxGNodeSetName", {DescribeNode(node), FormatText(name)});
  if (call.Failing()) return;
  Node* named = call.GNode(node);
  if (named == nullptr) return;
  if (name == nullptr) {
    call.Fail(CallStatus::BadArgument, "null name");
    return;
  }
  named->name = name;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeSetName);

QM_STANDIN_EXPORT void tsxGNodeGetLocation(tsxGNODE* node, tsxVec3f* location) {
  Call call("tsxGNodeGetLocation", {DescribeNode(node), FormatOut(location)});
  if (location != nullptr) *location = {0.0f, 0.0f, 0.0f};
  if (call.Failing()) return;
  const Node* located = call.GNode(node);
  if (located == nullptr) return;
  if (location == nullptr) {
    call.Fail(CallStatus::BadArgument, "null out-pointer");
    return;
  }
  *location = located->location;
  call.Result(FormatVector(*location));
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeGetLocation);

// The new location holds until the next change of the active time re-evaluates a
// node that has location keys.
QM_STANDIN_EXPORT void tsxGNodeSetLocation(tsxGNODE* node, tsxVec3f* location) {
  Call call("tsxGNodeSetLocation", {DescribeNode(node), FormatVector(location)});
  if (call.Failing()) return;
  Node* located = call.GNode(node);
  if (located == nullptr) return;
  if (location == nullptr) {
    call.Fail(CallStatus::BadArgument, "null location");
    return;
  }
  located->location = *location;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeSetLocation);

// Scales the node's transform; the vertex array (object space) is not touched.
// `space` is logged only.
QM_STANDIN_EXPORT void tsxGNodeScaleUniform(tsxGNODE* node, float factor, int space) {
  Call call("tsxGNodeScaleUniform",
            {DescribeNode(node), FormatNumber(factor), FormatNumber(space)});
  if (call.Failing()) return;
  Node* scaled = call.GNode(node);
  if (scaled == nullptr) return;
  if (!std::isfinite(factor)) {
    call.Fail(CallStatus::BadArgument, "the factor is not a finite number");
    return;
  }
  scaled->scale *= factor;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeScaleUniform);

QM_STANDIN_EXPORT int tsxPolyhGetNbrVxs(tsxPOLYHEDRON* polyhedron) {
  Call call("tsxPolyhGetNbrVxs", {DescribeNode(polyhedron)});
  if (call.Failing()) return 0;
  const Node* mesh = call.Polyhedron(polyhedron);
  if (mesh == nullptr) return 0;
  const int count = static_cast<int>(mesh->vertices.size());
  call.Result(FormatNumber(count));
  return count;
}
QM_STANDIN_CHECK_SIGNATURE(tsxPolyhGetNbrVxs);

// The host's own array: writing through it changes the mesh. It stays valid until
// the host is reset (a deleted mesh keeps its array).
QM_STANDIN_EXPORT tsxVec3f* tsxPolyhGetVxArray(tsxPOLYHEDRON* polyhedron) {
  Call call("tsxPolyhGetVxArray", {DescribeNode(polyhedron)});
  if (call.Failing()) return nullptr;
  Node* mesh = call.Polyhedron(polyhedron);
  if (mesh == nullptr) return nullptr;
  call.Result(mesh->vertices.empty() ? "null" : "vertices");
  return mesh->vertices.empty() ? nullptr : mesh->vertices.data();
}
QM_STANDIN_CHECK_SIGNATURE(tsxPolyhGetVxArray);

QM_STANDIN_EXPORT void tsxMNodeSetInvisible(tsxMNODE* node) {
  Call call("tsxMNodeSetInvisible", {DescribeNode(node)});
  if (call.Failing()) return;
  if (Node* shown = call.LiveNode(node)) shown->visible = false;
}
QM_STANDIN_CHECK_SIGNATURE(tsxMNodeSetInvisible);

QM_STANDIN_EXPORT void tsxMNodeSetVisible(tsxMNODE* node) {
  Call call("tsxMNodeSetVisible", {DescribeNode(node)});
  if (call.Failing()) return;
  if (Node* shown = call.LiveNode(node)) shown->visible = true;
}
QM_STANDIN_CHECK_SIGNATURE(tsxMNodeSetVisible);

QM_STANDIN_EXPORT void tsxGNodeDraw(tsxGNODE* node) {
  Call call("tsxGNodeDraw", {DescribeNode(node)});
  if (call.Failing()) return;
  if (Node* drawn = call.GNode(node)) ++drawn->drawCount;
}
QM_STANDIN_CHECK_SIGNATURE(tsxGNodeDraw);
