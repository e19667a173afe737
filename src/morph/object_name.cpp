#include "morph/object_name.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "shell/host_api.h"

namespace qm {
namespace {

constexpr int kNameBufferSize = 255;

} // namespace

std::string GetName(tsxSOBJ* node) {
  if (!node || tsxIsGNode(node) != 1) return kUnsupportedObject;
  std::array<char, kNameBufferSize> buffer{};
  const int stored = tsxGNodeGetName(node, buffer.data(), kNameBufferSize);
  // The host may report more than fits (or less than nothing); the terminator goes
  // inside the buffer in any case.
  const int end = std::clamp(stored, 0, kNameBufferSize - 1);
  buffer[static_cast<std::size_t>(end)] = 0;
  return std::string(buffer.data());
}

void SetName(tsxSOBJ* node, const std::string& name) {
  if (!node) return;
  std::array<char, kNameBufferSize> buffer{};
  std::memcpy(buffer.data(), name.data(), std::min<std::size_t>(name.size(), kNameBufferSize - 1));
  tsxGNodeSetName(node, buffer.data());
}

} // namespace qm
