#include "api/frames.h"

#include <algorithm>

namespace qm::standin {

ObjectId FramePool::Create(int kind) {
  const ObjectId id = NewObjectId();
  frames_[id].kind = kind;
  return id;
}

Frame* FramePool::Find(ObjectId id) {
  const auto found = frames_.find(id);
  return found == frames_.end() ? nullptr : &found->second;
}

std::size_t FramePool::PendingCount() const {
  return static_cast<std::size_t>(std::count_if(
      frames_.begin(), frames_.end(), [](const auto& entry) { return !entry.second.spent; }));
}

} // namespace qm::standin
