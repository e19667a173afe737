// The morph set-up's objects: module-level state that outlives a closed control
// panel. The rest of a set-up lives in the panel's controls (see ui/control_panel.h).
#pragma once

#include <array>
#include <cstdint>

#include "morph/channel_count.h"
#include "shell/tsx_types.h"

namespace qm {

// The captured object of each channel (0 the original, 1 to 19 the targets); null
// until captured. Raw host handles: the host owns the objects.
extern std::array<tsxSOBJ*, morph::kChannelCount> channelobj;
// The vertex count that the host reported for the original when it was captured.
extern std::int32_t originalvxcount;
// The animated object, which the blend writes; null until one is bound.
extern tsxSOBJ* animobj;

} // namespace qm
