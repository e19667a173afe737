#include "morph/channel_set.h"

namespace qm {

std::array<tsxSOBJ*, morph::kChannelCount> channelobj{};
std::int32_t originalvxcount = 0;
tsxSOBJ* animobj = nullptr;

} // namespace qm
