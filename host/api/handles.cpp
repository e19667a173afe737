#include "api/handles.h"

namespace qm::standin {

namespace {

// Tags in the top byte put every handle outside the canonical x86-64 and AArch64
// address ranges; the low four bits stay clear, as they would in an aligned pointer.
constexpr std::uint64_t kNodeTag = 0xA1ull << 56;
constexpr std::uint64_t kFrameTag = 0xA2ull << 56;
constexpr std::uint64_t kTagMask = 0xFFull << 56;
constexpr unsigned kIdShift = 4; // leaves 52 bits of id: more than a process can use

std::uintptr_t Encode(std::uint64_t tag, ObjectId id) {
  return static_cast<std::uintptr_t>(tag | (id << kIdShift));
}

std::optional<ObjectId> Decode(std::uint64_t tag, const void* handle) {
  const auto value = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
  if ((value & kTagMask) != tag) return std::nullopt;
  if ((value & ((1u << kIdShift) - 1)) != 0) return std::nullopt;
  const ObjectId id = (value & ~kTagMask) >> kIdShift;
  if (id == 0) return std::nullopt;
  return id;
}

} // namespace

static_assert(sizeof(std::uintptr_t) == 8, "handles are tagged 64-bit values");

ObjectId NewObjectId() {
  static ObjectId last = 0;
  return ++last;
}

tsxSOBJ* NodeHandle(ObjectId id) { return reinterpret_cast<tsxSOBJ*>(Encode(kNodeTag, id)); }
tsxFRAME* FrameHandle(ObjectId id) { return reinterpret_cast<tsxFRAME*>(Encode(kFrameTag, id)); }

std::optional<ObjectId> NodeIdOf(const tsxSOBJ* handle) { return Decode(kNodeTag, handle); }
std::optional<ObjectId> FrameIdOf(const tsxFRAME* handle) { return Decode(kFrameTag, handle); }

} // namespace qm::standin
