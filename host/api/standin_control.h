// The stand-in host's control interface: how tests and qmhost build a scene, read
// back everything the plug-in did to it, and make the host misbehave on purpose.
//
// It is reached through one exported C function, qmStandinControl(), so that a test
// can get it by linking against tsxapi.dll or, for a variant loaded by path, with
// dlsym. Calls made through this interface are not host API calls: they never
// appear in the call log and are never hit by injected faults.
//
// Handles are the same opaque values that the host API hands to the plug-in. A
// handle that the host does not know (made up, or from before a Reset) makes the
// interface throw EStandinError; a deleted node can still be read back.
#pragma once

#include "platform/exception.h"
#include "shell/tsx_types.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace qm::standin {

// Misuse of the control interface: an unknown handle, an impossible scene, a
// fault for a function that the host does not implement.
QM_DECLARE_EXCEPTION(EStandinError, Exception);

// What an injected fault throws out of a host function. It stands for an error of
// the host's own, so it is deliberately not a qm::Exception: the plug-in must treat
// it as foreign. Thrown from an extern "C" function, it unwinds through the
// plug-in's frames like any C++ exception (GCC and Clang on Linux emit unwind
// tables for all C++ code, whatever its language linkage).
class HostFault : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class NodeKind {
  Polyhedron, // a G-node with its own vertex array
  Group,      // a G-node with ordered children
  Marker,     // a scene node that is not a G-node (like a light or a camera)
};

// Object type codes that tsxSobjGetType reports (the polyhedron's is fixed by the
// plug-in's loader; the others only need to differ from it).
inline constexpr int kTypeCodePolyhedron = kTsxTypePolyhedron;
inline constexpr int kTypeCodeGroup = 202;
inline constexpr int kTypeCodeMarker = 204;

struct LocationKey {
  float time;
  tsxVec3f location;
};

struct VertexKey {
  float time;
  int index;
  tsxVec3f position;
};

// How a host API call went. Anything but Ok means the call changed nothing and
// answered zero, null or its "none" value.
enum class CallStatus {
  Ok,
  InvalidHandle,   // a null, deleted or unknown handle where an object was needed
  BadArgument,     // a usable handle, but an argument the call cannot work with
  NotSupported,    // one of the exported functions that the stand-in does not implement
  InjectedFailure, // a fault made the call answer zero
  InjectedRaise,   // a fault made the call throw
};

inline const char* StatusText(CallStatus status) {
  switch (status) {
  case CallStatus::Ok: return "ok";
  case CallStatus::InvalidHandle: return "invalid handle";
  case CallStatus::BadArgument: return "bad argument";
  case CallStatus::NotSupported: return "not supported";
  case CallStatus::InjectedFailure: return "injected failure";
  case CallStatus::InjectedRaise: return "injected raise";
  }
  return "?";
}

// One host API call as the host saw it. Handles are shown by node name in square
// brackets ([Cube], [deleted Cube], [invalid]), texts in double quotes, numbers in
// their shortest exact form, vectors as (x, y, z), out-pointers as "out".
struct CallRecord {
  std::string function;
  std::string arguments; // comma-separated
  std::string result;    // empty for functions without a result
  CallStatus status = CallStatus::Ok;
  std::string note; // why the status is not Ok, or a remark on an ignored request

  // "tsxGNodeGetName([Cube], buffer, 255) -> 4", followed by " {status: note}"
  // when the call did not go through, or by " {note}" for a remark.
  std::string Text() const {
    std::string text = function + "(" + arguments + ")";
    if (!result.empty()) text += " -> " + result;
    if (status != CallStatus::Ok) {
      text += std::string(" {") + StatusText(status) + ": " + note + "}";
    } else if (!note.empty()) {
      text += " {" + note + "}";
    }
    return text;
  }
};

enum class FaultAction {
  Raise,      // throw HostFault (a std::runtime_error) out of the host function
  ReturnZero, // do nothing; the result and every out-value are zero or null
};

// When a fault strikes: after `skipCalls` calls of the function that go through
// normally, on the next call only, or on every call from then on.
struct FaultSpec {
  FaultAction action = FaultAction::Raise;
  int skipCalls = 0;
  bool everyCall = false;
};

class Control {
public:
  // --- the whole host ---
  // Back to a new host: no nodes (every earlier handle becomes unknown), empty
  // selection, active time 0, frame rate 30, not playing, counts zero, no faults,
  // empty call log.
  virtual void Reset() = 0;
  // The version that tsxGetTsVersionNbrs reports (also for a variant that does not
  // export it).
  virtual int Version() const = 0;
  virtual tsxHWND MainViewWindow() const = 0;

  // --- building a scene; new nodes are outside the scene until AddToScene ---
  virtual tsxSOBJ* CreatePolyhedron(const std::string& name,
                                    const std::vector<tsxVec3f>& vertices) = 0;
  // The children leave any group or top-level place they had, in the order given.
  virtual tsxSOBJ* CreateGroup(const std::string& name, const std::vector<tsxSOBJ*>& children) = 0;
  virtual tsxSOBJ* CreateMarker(const std::string& name) = 0;
  // Appends at top level; does nothing for a node already there. A node inside a
  // group cannot be added (EStandinError).
  virtual void AddToScene(tsxSOBJ* node) = 0;
  virtual void Select(tsxSOBJ* node) = 0; // null: empty selection
  virtual void SetLocation(tsxSOBJ* node, tsxVec3f location) = 0;
  // Gives the node a script if it has none and stores the key (replacing one at
  // the same time). The current location is not changed.
  virtual void AddLocationKey(tsxSOBJ* node, float time, tsxVec3f location) = 0;
  virtual void SetFrameRate(float framesPerSecond) = 0;

  // --- reading back ---
  virtual std::vector<tsxSOBJ*> TopLevel() const = 0;
  virtual std::vector<tsxSOBJ*> Children(tsxSOBJ* node) const = 0;
  virtual tsxSOBJ* Parent(tsxSOBJ* node) const = 0; // null at top level or outside the scene
  // The first top-level node with exactly this name, or null.
  virtual tsxSOBJ* FindTopLevel(const std::string& name) const = 0;
  virtual bool IsDeleted(tsxSOBJ* node) const = 0;
  virtual NodeKind Kind(tsxSOBJ* node) const = 0;
  virtual std::string Name(tsxSOBJ* node) const = 0;
  virtual tsxVec3f Location(tsxSOBJ* node) const = 0;
  virtual float Scale(tsxSOBJ* node) const = 0; // product of all uniform scalings, from 1
  virtual bool Visible(tsxSOBJ* node) const = 0;
  virtual std::vector<tsxVec3f> Vertices(tsxSOBJ* node) const = 0;
  virtual bool HasScript(tsxSOBJ* node) const = 0;
  virtual std::vector<LocationKey> LocationKeys(tsxSOBJ* node) const = 0; // by time
  virtual std::vector<VertexKey> VertexKeys(tsxSOBJ* node) const = 0;     // by time, index
  virtual int DrawCount(tsxSOBJ* node) const = 0; // tsxGNodeDraw calls for the node
  virtual tsxSOBJ* Selection() const = 0;
  virtual float ActiveTime() const = 0;
  virtual float FrameRate() const = 0;
  virtual bool Playing() const = 0;
  virtual int PlayCount() const = 0;
  virtual int SceneDrawCount() const = 0;
  // Keyframes made by tsxFrameCreate and not (yet) inserted into a script.
  virtual std::size_t PendingFrames() const = 0;

  // --- the call log: every host API call since the last Reset or ClearCalls ---
  virtual std::vector<CallRecord> Calls() const = 0;
  virtual void ClearCalls() = 0;

  // --- faults ---
  // Arms a fault for one of the host functions that the plug-in uses (any other
  // name throws EStandinError); replaces an earlier fault for the same function.
  virtual void InjectFault(const std::string& function, FaultSpec fault) = 0;
  // While on, tsxGNodeGetName misbehaves for a name that does not fit the buffer:
  // it fills the whole buffer with no terminator and returns the full length.
  virtual void SetLongNameFault(bool on) = 0;
  virtual void ClearFaults() = 0;

protected:
  ~Control() = default; // owned by the host library; never deleted by a caller
};

using ControlEntry = Control* (*)();
inline constexpr const char* kControlEntryName = "qmStandinControl";

} // namespace qm::standin

extern "C" __attribute__((visibility("default"))) qm::standin::Control* qmStandinControl(void);
