// Naming the channel nulls after the channels' captions, which is how a stored set-up
// remembers the object of each channel.
#pragma once

#include <string>

namespace qm {

// "Ch" + channel + "-" + caption: Ch0-Unselected, Ch12-Smile.
std::string ChannelNullName(int channel, const std::string& caption);

// Names all twenty channel nulls after the control panel's captions as they stand.
// Does nothing while there is no control panel or no channel null: empty handles
// never reach the host.
void namenulls();

} // namespace qm
