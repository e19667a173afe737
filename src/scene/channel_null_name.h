// Reading a stored set-up back: what a channel null's name and type say about its
// channel. Pure; the loader applies it to the nulls it walks.
#pragma once

#include <cstddef>
#include <string>

namespace qm::scene {

// How many characters of a channel null's name come before the object's name: "Ch",
// the channel's decimal digits and the dash. Counted from the channel's position in
// the set-up, never read from the name, so a null whose digits disagree with its
// position still loses exactly this many characters. Raises qm::Exception for a
// negative channel.
std::size_t ChannelNullPrefixLength(int channel);

// The object name that the null of `channel` stores: its name less the prefix
// (everything after it, further dashes included); empty for a name no longer than
// the prefix.
std::string StoredObjectName(int channel, const std::string& nullName);

// Whether a host type code is the one its cubes, the channel nulls, report. Only
// the low byte carries the kind; the host may set flags above it.
bool IsChannelNullType(int typeCode);

} // namespace qm::scene
