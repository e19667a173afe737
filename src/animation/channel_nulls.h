// Naming the channel nulls after the channels' captions, which is how a stored set-up
// remembers the object of each channel.
#pragma once

#include <string>

namespace qm {

// "Ch" + channel + "-" + caption: Ch0-Unselected, Ch12-Smile.
std::string ChannelNullName(int channel, const std::string& caption);

// Builds a new morph information object in the scene: a group "QM-Morph" of twenty
// tiny cubes with scripts, the channel nulls, in channel order. Sets morphinfo and
// nullobj; the names come from a following namenulls.
void createnulls();

// Names all twenty channel nulls after the control panel's captions as they stand.
// Does nothing while there is no control panel or no channel null: empty handles
// never reach the host.
void namenulls();

} // namespace qm
