// One host API call in progress: it is logged when it ends, it is where injected
// faults strike, and it turns handles into host objects, recording why when it
// cannot.
//
//   Call call("tsxGNodeGetNext", {DescribeNode(node)});   // may throw HostFault
//   if (call.Failing()) return nullptr;                    // injected failure
//   Node* n = call.GNode(node);
//   if (n == nullptr) return nullptr;                      // logged as invalid
#pragma once

#include "api/host.h"

#include <string>
#include <vector>

namespace qm::standin {

// Argument texts of handles for the log: [name], [deleted name], [invalid], null.
std::string DescribeNode(const tsxSOBJ* handle);
std::string DescribeFrame(const tsxFRAME* handle);

class Call {
public:
  // Logs and throws HostFault when a Raise fault strikes.
  Call(const char* function, std::vector<std::string> arguments);
  ~Call();
  Call(const Call&) = delete;
  Call& operator=(const Call&) = delete;

  // An injected failure struck: the function must answer zero or null and change
  // nothing.
  bool Failing() const { return record_.status == CallStatus::InjectedFailure; }

  // The live node behind `handle`; null, with the call logged as an invalid
  // handle, for null, unknown and deleted handles.
  Node* LiveNode(tsxSOBJ* handle);
  // The same, and null (a bad argument) unless it is a G-node / a polyhedron.
  Node* GNode(tsxSOBJ* handle);
  Node* Polyhedron(tsxSOBJ* handle);
  // A frame made by tsxFrameCreate and not yet inserted.
  Frame* LiveFrame(tsxFRAME* handle);

  // The call did not go through; the first reason given is kept.
  void Fail(CallStatus status, std::string note);
  // A remark on a call that went through but changed nothing.
  void Remark(std::string note);
  void Result(std::string text) { record_.result = std::move(text); }
  bool Ok() const { return record_.status == CallStatus::Ok; }

private:
  CallRecord record_;
};

} // namespace qm::standin
