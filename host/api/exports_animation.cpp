// Host functions of animation: scripts, the active time, location and vertex
// keys, key time queries, frame rate and playback.
#include "api/call.h"
#include "api/typed_exports.h"

#include <cmath>
#include <cstring>
#include <tuple>

using namespace qm::standin;

namespace {

// Stands for "keys of every kind" in TreeKeyTimes.
constexpr int kAnyKind = 0;

std::string Kind(int kind) { return FormatNumber(kind); }

// Key times of `kind` over `node` and everything below it, in no order, repeats kept.
std::vector<float> TreeKeyTimes(const Node& node, int kind) {
  std::vector<float> times;
  for (const Node* member : TheHost().scene.Subtree(node)) {
    const auto own =
        kind == kAnyKind ? AllKeyTimes(member->script) : KeyTimes(member->script, kind);
    times.insert(times.end(), own.begin(), own.end());
  }
  return times;
}

// The node behind `object` if it may take keys of `kind`; otherwise logs why.
Node* KeyedNode(Call& call, tsxSOBJ* object, int kind) {
  Node* node = call.LiveNode(object);
  if (node == nullptr) return nullptr;
  if (!IsKnownKeyKind(kind)) {
    call.Fail(CallStatus::BadArgument, "unknown key kind");
    return nullptr;
  }
  return node;
}

// One key-time question about a node: the call logged, a failing or bad call answered
// with its "none" value, otherwise what `find` picks among the node's key times.
template <class Find>
float KeyTimeQuery(const char* function, tsxSOBJ* object, int kind, float time, Find find) {
  Call call(function, {DescribeNode(object), Kind(kind), FormatNumber(time)});
  if (call.Failing()) return 0.0f;
  const Node* node = KeyedNode(call, object, kind);
  if (node == nullptr) return kNoKeyTime;
  const float found = find(*node, kind);
  call.Result(FormatNumber(found));
  return found;
}

} // namespace

QM_STANDIN_EXPORT void tsxSobjCreateScript(tsxSOBJ* object) {
  Call call("tsxSobjCreateScript", {DescribeNode(object)});
  if (call.Failing()) return;
  Node* node = call.LiveNode(object);
  if (node == nullptr) return;
  if (node->script.present) call.Remark("already has a script");
  node->script.present = true;
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjCreateScript);

// Every live node with location keys moves to where its keys put it at `time`.
QM_STANDIN_EXPORT void tsxAnimSetActiveTime(float time) {
  Call call("tsxAnimSetActiveTime", {FormatNumber(time)});
  if (call.Failing()) return;
  if (!std::isfinite(time)) {
    call.Fail(CallStatus::BadArgument, "the time is not a finite number");
    return;
  }
  TheHost().timeline.activeTime = time;
  TheHost().scene.ForEachLive([time](Node& node) {
    if (const auto location = EvaluateLocation(node.script.locationKeys, time)) {
      node.location = *location;
    }
  });
}
QM_STANDIN_CHECK_SIGNATURE(tsxAnimSetActiveTime);

// Kind 3 only: keys the node's current location at the active time.
QM_STANDIN_EXPORT void tsxSobjSetFrame(tsxSOBJ* object, int kind) {
  Call call("tsxSobjSetFrame", {DescribeNode(object), Kind(kind)});
  if (call.Failing()) return;
  Node* node = call.LiveNode(object);
  if (node == nullptr) return;
  if (kind != kTsxFrameNullKey) {
    call.Fail(CallStatus::BadArgument, "only location keys (kind 3) are set this way");
  } else if (!node->script.present) {
    call.Fail(CallStatus::BadArgument, "the object has no script");
  } else {
    node->script.locationKeys[TheHost().timeline.activeTime] = node->location;
  }
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjSetFrame);

// Kind 3: the location key at the active time; kind 23: every vertex key there.
// The current pose is left as it is.
QM_STANDIN_EXPORT void tsxSobjUnsetFrame(tsxSOBJ* object, int kind) {
  Call call("tsxSobjUnsetFrame", {DescribeNode(object), Kind(kind)});
  if (call.Failing()) return;
  Node* node = KeyedNode(call, object, kind);
  if (node == nullptr) return;
  const float now = TheHost().timeline.activeTime;
  std::size_t removed = 0;
  if (kind == kTsxFrameNullKey) {
    removed = node->script.locationKeys.erase(now);
  } else {
    removed = std::erase_if(node->script.vertexKeys,
                            [now](const auto& key) { return key.first.first == now; });
  }
  if (removed == 0) call.Remark("no key there");
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjUnsetFrame);

QM_STANDIN_EXPORT void tsxFrameCreate(tsxFRAME** frame, int kind) {
  Call call("tsxFrameCreate", {FormatOut(frame), Kind(kind)});
  if (frame != nullptr) *frame = nullptr;
  if (call.Failing()) return;
  if (frame == nullptr) {
    call.Fail(CallStatus::BadArgument, "null out-pointer");
  } else if (kind != kTsxFrameVertexKey) {
    call.Fail(CallStatus::BadArgument, "only vertex keyframes (kind 23) can be made");
  } else {
    *frame = FrameHandle(TheHost().frames.Create(kind));
    call.Result(DescribeFrame(*frame));
  }
}
QM_STANDIN_CHECK_SIGNATURE(tsxFrameCreate);

// A vertex keyframe holds exactly one tsxVec3f: any other size is refused.
QM_STANDIN_EXPORT void tsxFrameSetData(tsxFRAME* frame, const void* data, int size) {
  Call call("tsxFrameSetData",
            {DescribeFrame(frame), data == nullptr ? "null" : "data", FormatNumber(size)});
  if (call.Failing()) return;
  Frame* keyframe = call.LiveFrame(frame);
  if (keyframe == nullptr) return;
  if (data == nullptr) {
    call.Fail(CallStatus::BadArgument, "null data");
  } else if (size != static_cast<int>(sizeof(tsxVec3f))) {
    call.Fail(CallStatus::BadArgument, "a vertex keyframe takes 12 bytes");
  } else {
    tsxVec3f value;
    std::memcpy(&value, data, sizeof value);
    keyframe->data = value;
    call.Result(FormatVector(value));
  }
}
QM_STANDIN_CHECK_SIGNATURE(tsxFrameSetData);

// Stores the keyframe's vertex for vertex `index` at `time`, replacing a key there,
// and uses the keyframe up.
QM_STANDIN_EXPORT void tsxSobjInsertFrame(tsxSOBJ* object, tsxFRAME* frame, int index, float time) {
  Call call("tsxSobjInsertFrame",
            {DescribeNode(object), DescribeFrame(frame), FormatNumber(index), FormatNumber(time)});
  if (call.Failing()) return;
  Node* node = call.Polyhedron(object);
  if (node == nullptr) return;
  Frame* keyframe = call.LiveFrame(frame);
  if (keyframe == nullptr) return;
  if (!node->script.present) {
    call.Fail(CallStatus::BadArgument, "the object has no script");
  } else if (!keyframe->data) {
    call.Fail(CallStatus::BadArgument, "the keyframe has no data");
  } else if (index < 0 || static_cast<std::size_t>(index) >= node->vertices.size()) {
    call.Fail(CallStatus::BadArgument, "no such vertex");
  } else if (!std::isfinite(time)) {
    call.Fail(CallStatus::BadArgument, "the time is not a finite number");
  } else {
    node->script.vertexKeys[{time, index}] = *keyframe->data;
    keyframe->spent = true;
  }
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjInsertFrame);

QM_STANDIN_EXPORT float tsxSobjGetPrevTime(tsxSOBJ* object, int kind, float time) {
  return KeyTimeQuery("tsxSobjGetPrevTime", object, kind, time, [time](const Node& node, int k) {
    return LatestBefore(KeyTimes(node.script, k), time);
  });
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjGetPrevTime);

QM_STANDIN_EXPORT float tsxSobjTreeGetPrevTime(tsxSOBJ* object, int kind, float time) {
  return KeyTimeQuery(
      "tsxSobjTreeGetPrevTime", object, kind, time,
      [time](const Node& node, int k) { return LatestBefore(TreeKeyTimes(node, k), time); });
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjTreeGetPrevTime);

QM_STANDIN_EXPORT float tsxSobjTreeGetNextTime(tsxSOBJ* object, int kind, float time) {
  return KeyTimeQuery(
      "tsxSobjTreeGetNextTime", object, kind, time,
      [time](const Node& node, int k) { return EarliestAfter(TreeKeyTimes(node, k), time); });
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjTreeGetNextTime);

// Over keys of every kind; with no keys at all, or for a bad handle, the empty
// range first 0, last -1.
QM_STANDIN_EXPORT void tsxSobjTreeGetMinMaxTime(tsxSOBJ* object, float* first, float* last) {
  Call call("tsxSobjTreeGetMinMaxTime", {DescribeNode(object), FormatOut(first), FormatOut(last)});
  const bool failing = call.Failing();
  auto [low, high] = TimeRange({});
  if (failing) {
    low = high = 0.0f;
  } else if (const Node* node = call.LiveNode(object)) {
    std::tie(low, high) = TimeRange(TreeKeyTimes(*node, kAnyKind));
    call.Result(FormatNumber(low) + ", " + FormatNumber(high));
  }
  if (first != nullptr) *first = low;
  if (last != nullptr) *last = high;
  if (!failing && (first == nullptr || last == nullptr)) {
    call.Fail(CallStatus::BadArgument, "null out-pointer");
  }
}
QM_STANDIN_CHECK_SIGNATURE(tsxSobjTreeGetMinMaxTime);

QM_STANDIN_EXPORT float tsxAnimGetBaseFramerate(void) {
  Call call("tsxAnimGetBaseFramerate", {});
  if (call.Failing()) return 0.0f;
  const float rate = TheHost().timeline.frameRate;
  call.Result(FormatNumber(rate));
  return rate;
}
QM_STANDIN_CHECK_SIGNATURE(tsxAnimGetBaseFramerate);

// Marks the animation as playing; the stand-in has no clock, so no time passes.
QM_STANDIN_EXPORT void tsxAnimPlay(void) {
  Call call("tsxAnimPlay", {});
  if (call.Failing()) return;
  TheHost().timeline.playing = true;
  ++TheHost().timeline.playCount;
}
QM_STANDIN_CHECK_SIGNATURE(tsxAnimPlay);
