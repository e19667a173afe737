#include "api/animation.h"

#include <algorithm>
#include <iterator>

namespace qm::standin {

bool IsKnownKeyKind(int kind) { return kind == kTsxFrameNullKey || kind == kTsxFrameVertexKey; }

std::vector<float> KeyTimes(const Script& script, int kind) {
  std::vector<float> times;
  if (kind == kTsxFrameNullKey) {
    for (const auto& [time, location] : script.locationKeys)
      times.push_back(time);
  } else if (kind == kTsxFrameVertexKey) {
    for (const auto& [key, position] : script.vertexKeys) {
      if (times.empty() || times.back() != key.first) times.push_back(key.first);
    }
  }
  return times;
}

std::vector<float> AllKeyTimes(const Script& script) {
  std::vector<float> times = KeyTimes(script, kTsxFrameNullKey);
  std::vector<float> vertexTimes = KeyTimes(script, kTsxFrameVertexKey);
  times.insert(times.end(), vertexTimes.begin(), vertexTimes.end());
  std::sort(times.begin(), times.end());
  times.erase(std::unique(times.begin(), times.end()), times.end());
  return times;
}

float LatestBefore(const std::vector<float>& times, float time) {
  float best = kNoKeyTime;
  bool found = false;
  for (float t : times) {
    if (t < time && (!found || t > best)) {
      best = t;
      found = true;
    }
  }
  return best;
}

float EarliestAfter(const std::vector<float>& times, float time) {
  float best = kNoKeyTime;
  bool found = false;
  for (float t : times) {
    if (t > time && (!found || t < best)) {
      best = t;
      found = true;
    }
  }
  return best;
}

std::pair<float, float> TimeRange(const std::vector<float>& times) {
  if (times.empty()) return {0.0f, -1.0f};
  const auto [low, high] = std::minmax_element(times.begin(), times.end());
  return {*low, *high};
}

std::optional<tsxVec3f> EvaluateLocation(const std::map<float, tsxVec3f>& keys, float time) {
  if (keys.empty()) return std::nullopt;
  const auto after = keys.lower_bound(time);
  if (after == keys.end()) return std::prev(after)->second;
  if (after->first == time || after == keys.begin()) return after->second;
  const auto before = std::prev(after);
  const float share = (time - before->first) / (after->first - before->first);
  const tsxVec3f& a = before->second;
  const tsxVec3f& b = after->second;
  return tsxVec3f{a.x + (b.x - a.x) * share, a.y + (b.y - a.y) * share, a.z + (b.z - a.z) * share};
}

} // namespace qm::standin
