#include "scene/channel_null_name.h"

#include <string>

#include "platform/exception.h"
#include "shell/tsx_types.h"

namespace qm::scene {
namespace {

constexpr std::size_t kLettersAndDash = 3; // "Ch" and "-"

} // namespace

std::size_t ChannelNullPrefixLength(int channel) {
  if (channel < 0) throw Exception("Channel " + std::to_string(channel) + " does not exist");
  return kLettersAndDash + std::to_string(channel).size();
}

std::string StoredObjectName(int channel, const std::string& nullName) {
  const std::size_t prefix = ChannelNullPrefixLength(channel);
  return nullName.size() > prefix ? nullName.substr(prefix) : std::string();
}

bool IsChannelNullType(int typeCode) { return (typeCode & 0xFF) == kTsxTypePolyhedron; }

} // namespace qm::scene
