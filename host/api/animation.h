// Animation data of one node and the arithmetic over key times. Everything here is
// pure: the host functions in exports_animation.cpp are thin handlers over it.
#pragma once

#include "shell/tsx_types.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace qm::standin {

// Answer of the time queries when there is no such key.
inline constexpr float kNoKeyTime = -1.0f;

// A node's script: only a node that has one takes keys. Key times are compared
// exactly: the plug-in keys whole frames, and two floats that differ are two times.
struct Script {
  bool present = false;
  std::map<float, tsxVec3f> locationKeys;               // kind 3, by time
  std::map<std::pair<float, int>, tsxVec3f> vertexKeys; // kind 23, by (time, vertex index)
};

// The key kinds that the stand-in knows.
bool IsKnownKeyKind(int kind);

// The distinct times at which `script` has keys of `kind` (3 or 23), ascending.
std::vector<float> KeyTimes(const Script& script, int kind);
// The same for every kind together.
std::vector<float> AllKeyTimes(const Script& script);

// The latest time in `times` strictly before `time`, or kNoKeyTime.
float LatestBefore(const std::vector<float>& times, float time);
// The earliest time in `times` strictly after `time`, or kNoKeyTime.
float EarliestAfter(const std::vector<float>& times, float time);

// The earliest and latest of `times`; for no times the empty range (0, -1), which
// no loop from first to last enters and which no real key range can be.
std::pair<float, float> TimeRange(const std::vector<float>& times);

// The location that location keys give at `time`: the keyed location exactly at a
// key, linear interpolation between two keys, the first key's location before it
// and the last key's after it. Nothing when there are no keys.
std::optional<tsxVec3f> EvaluateLocation(const std::map<float, tsxVec3f>& keys, float time);

} // namespace qm::standin
