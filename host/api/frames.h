// Keyframes that the plug-in has made with tsxFrameCreate and not yet inserted.
//
// The host owns them from creation. Inserting one into a script copies its data
// into the script and uses the frame up: its handle is spent, as the plug-in must
// not touch a frame once it belongs to a script. Frames never inserted live until
// the host is reset.
#pragma once

#include "api/handles.h"

#include <cstddef>
#include <optional>
#include <unordered_map>

namespace qm::standin {

struct Frame {
  int kind = 0;
  std::optional<tsxVec3f> data; // set by tsxFrameSetData
  bool spent = false;           // inserted into a script
};

class FramePool {
public:
  void Reset() { frames_.clear(); }
  ObjectId Create(int kind);
  // Any frame made since the last reset, spent or not; null when unknown.
  Frame* Find(ObjectId id);
  std::size_t PendingCount() const;

private:
  std::unordered_map<ObjectId, Frame> frames_;
};

} // namespace qm::standin
