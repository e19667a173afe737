#include "api/call.h"

namespace qm::standin {

namespace {

const Node* KnownNode(const tsxSOBJ* handle) {
  const auto id = NodeIdOf(handle);
  return id ? TheHost().scene.Find(*id) : nullptr;
}

} // namespace

std::string DescribeNode(const tsxSOBJ* handle) {
  if (handle == nullptr) return "null";
  const Node* node = KnownNode(handle);
  if (node == nullptr) return "[invalid]";
  return node->deleted ? "[deleted " + node->name + "]" : "[" + node->name + "]";
}

std::string DescribeFrame(const tsxFRAME* handle) {
  if (handle == nullptr) return "null";
  const auto id = FrameIdOf(handle);
  if (!id || TheHost().frames.Find(*id) == nullptr) return "[invalid frame]";
  return "[frame " + std::to_string(*id) + "]";
}

Call::Call(const char* function, std::vector<std::string> arguments) {
  record_.function = function;
  record_.arguments = FormatList(arguments);
  const auto fault = TheHost().faults.OnCall(function);
  if (!fault) return;
  if (*fault == FaultAction::Raise) {
    record_.status = CallStatus::InjectedRaise;
    record_.note = "fault injected by a test";
    TheHost().log.Append(record_);
    throw HostFault(std::string("host fault injected into ") + function);
  }
  record_.status = CallStatus::InjectedFailure;
  record_.note = "fault injected by a test";
}

Call::~Call() { TheHost().log.Append(std::move(record_)); }

Node* Call::LiveNode(tsxSOBJ* handle) {
  if (handle == nullptr) {
    Fail(CallStatus::InvalidHandle, "null handle");
    return nullptr;
  }
  const auto id = NodeIdOf(handle);
  Node* node = id ? TheHost().scene.Find(*id) : nullptr;
  if (node == nullptr) {
    Fail(CallStatus::InvalidHandle, "unknown handle");
    return nullptr;
  }
  if (node->deleted) {
    Fail(CallStatus::InvalidHandle, "the node was deleted");
    return nullptr;
  }
  return node;
}

Node* Call::GNode(tsxSOBJ* handle) {
  Node* node = LiveNode(handle);
  if (node != nullptr && !node->IsGNode()) {
    Fail(CallStatus::BadArgument, "not a G-node");
    return nullptr;
  }
  return node;
}

Node* Call::Polyhedron(tsxSOBJ* handle) {
  Node* node = LiveNode(handle);
  if (node != nullptr && node->kind != NodeKind::Polyhedron) {
    Fail(CallStatus::BadArgument, "not a polyhedron");
    return nullptr;
  }
  return node;
}

Frame* Call::LiveFrame(tsxFRAME* handle) {
  if (handle == nullptr) {
    Fail(CallStatus::InvalidHandle, "null frame");
    return nullptr;
  }
  const auto id = FrameIdOf(handle);
  Frame* frame = id ? TheHost().frames.Find(*id) : nullptr;
  if (frame == nullptr) {
    Fail(CallStatus::InvalidHandle, "unknown frame");
    return nullptr;
  }
  if (frame->spent) {
    Fail(CallStatus::InvalidHandle, "the frame was already inserted into a script");
    return nullptr;
  }
  return frame;
}

void Call::Fail(CallStatus status, std::string note) {
  if (record_.status != CallStatus::Ok) return;
  record_.status = status;
  record_.note = std::move(note);
}

void Call::Remark(std::string note) {
  if (record_.note.empty()) record_.note = std::move(note);
}

} // namespace qm::standin
