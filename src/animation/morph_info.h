// The morph information object: the scene group that stores a set-up, with one
// channel null per channel. Module-level state, kept when the panel closes.
#pragma once

#include <array>

#include "morph/channel_count.h"
#include "shell/tsx_types.h"

namespace qm {

// The group; null until New Morph or a load sets it.
extern tsxSOBJ* morphinfo;
// Entry k: the channel null of channel k; all null until New Morph or a load.
extern std::array<tsxSOBJ*, morph::kChannelCount> nullobj;

} // namespace qm
